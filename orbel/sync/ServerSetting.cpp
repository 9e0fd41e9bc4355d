#include "sync/ServerSetting.h"

#include <cctype>

#include "sync/NtpExchange.h"
#include "sync/SocketErrors.h"

namespace orbel {

bool IsDottedAddress(std::string_view host)
{
    int parts = 0;
    std::size_t i = 0;
    while (true) {
        std::size_t digits = 0;
        unsigned value = 0;
        while (i < host.size() && host[i] >= '0' && host[i] <= '9') {
            value = value * 10 + static_cast<unsigned>(host[i] - '0');
            if (++digits > 3)
                return false;
            ++i;
        }
        if (digits == 0 || value > 255)
            return false;
        ++parts;
        if (i == host.size())
            return parts == 4;
        if (host[i] != '.' || parts == 4)
            return false;
        ++i;
    }
}

ServerAddress ParseServerSetting(std::string_view setting)
{
    ServerAddress a;
    const std::size_t blank = setting.find(' ');
    std::string_view host = setting.substr(0, blank);
    if (host.size() >= kNtpScheme.size()) {
        bool scheme = true;
        for (std::size_t i = 0; i < kNtpScheme.size(); ++i)
            scheme = scheme && std::tolower(static_cast<unsigned char>(host[i])) == kNtpScheme[i];
        if (scheme) {
            a.ntp = true;
            a.port = kNtpPort;
            host.remove_prefix(kNtpScheme.size());
            if (!host.empty() && host.back() == '/')
                host.remove_suffix(1); // ntp://host/ as a browser would write it
        }
    }
    // One colon separates a port; more than one is an IPv6 address, left to the lookup.
    const std::size_t colon = host.find(':');
    if (colon != std::string_view::npos && host.find(':', colon + 1) == std::string_view::npos) {
        const std::string_view port = host.substr(colon + 1);
        host = host.substr(0, colon);
        unsigned long value = 0;
        bool ok = !port.empty() && port.size() <= 5;
        for (char c : port) {
            if (c < '0' || c > '9') {
                ok = false;
                break;
            }
            value = value * 10 + static_cast<unsigned long>(c - '0');
        }
        if (!ok || value < 1 || value > 65535) {
            a.host = std::string(host);
            a.error = SocketError::InvalidArgument;
            a.problem = "The server's port \"" + std::string(port) +
                        "\" is not a whole number from 1 to 65535.";
            return a;
        }
        a.port = static_cast<std::uint16_t>(value);
    }
    a.host = std::string(host);
    if (a.host.empty()) {
        a.error = SocketError::HostNotFound;
        a.problem = "No server is set.";
    } else if (a.host.size() > kMaxHostNameLength) {
        a.error = SocketError::NameTooLong;
        a.problem = "The server's name is longer than " + std::to_string(kMaxHostNameLength) +
                    " characters.";
    } else {
        a.dotted = IsDottedAddress(a.host);
    }
    return a;
}

const std::string& BuiltInServerList()
{
    // Public servers of the U.S. National Institute of Standards and Technology and of the
    // University of Colorado that answer the Time Protocol on TCP port 37.
    static const std::string kList = "time-a-g.nist.gov Gaithersburg, Maryland\n"
                                     "time-b-g.nist.gov Gaithersburg, Maryland\n"
                                     "time-c-g.nist.gov Gaithersburg, Maryland\n"
                                     "time-d-g.nist.gov Gaithersburg, Maryland\n"
                                     "time-a-wwv.nist.gov Fort Collins, Colorado\n"
                                     "time-b-wwv.nist.gov Fort Collins, Colorado\n"
                                     "time-a-b.nist.gov Boulder, Colorado\n"
                                     "utcnist.colorado.edu University of Colorado, Boulder";
    return kList;
}

std::string DefaultServerSetting()
{
    const std::string& list = BuiltInServerList();
    return list.substr(0, list.find('\n'));
}

const std::string& BuiltInNtpServerList()
{
    // The NTP Pool Project's zones: volunteers' servers, the nearest ones given out by name.
    static const std::string kList = "ntp://pool.ntp.org Worldwide (NTP Pool Project)\n"
                                     "ntp://europe.pool.ntp.org Europe\n"
                                     "ntp://north-america.pool.ntp.org North America\n"
                                     "ntp://south-america.pool.ntp.org South America\n"
                                     "ntp://asia.pool.ntp.org Asia\n"
                                     "ntp://oceania.pool.ntp.org Oceania\n"
                                     "ntp://africa.pool.ntp.org Africa\n"
                                     "ntp://time.nist.gov NIST, United States";
    return kList;
}

std::string ServerChoiceList()
{
    return BuiltInServerList() + "\n" + BuiltInNtpServerList();
}

} // namespace orbel
