#include "sync/ServerSetting.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <arpa/inet.h>
#include <cctype>
#include <netinet/in.h>
#include <optional>

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

bool IsIpv6Address(std::string_view host)
{
    if (host.empty() || host.size() >= INET6_ADDRSTRLEN)
        return false;
    const std::string text(host);
    in6_addr parsed{};
    return ::inet_pton(AF_INET6, text.c_str(), &parsed) == 1;
}

namespace {

// "37" as a port from 1 to 65535.
std::optional<std::uint16_t> ParsePort(std::string_view port)
{
    if (port.empty() || port.size() > 5)
        return std::nullopt;
    unsigned long value = 0;
    for (char c : port) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    if (value < 1 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

ServerAddress Refused(ServerAddress a, std::string_view host, std::string problem)
{
    a.host = std::string(host);
    a.error = SocketError::InvalidArgument;
    a.problem = std::move(problem);
    return a;
}

ServerAddress BadPort(ServerAddress a, std::string_view host, std::string_view port)
{
    return Refused(std::move(a), host,
                   FormatMessage(Tr("ServerSetting",
                                    "The server's port \"%1\" is not a whole number from 1 to "
                                    "65535."),
                                 {std::string(port)}));
}

} // namespace

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
    const std::size_t colon = host.find(':');
    if (!host.empty() && host.front() == '[') {
        // An IPv6 address in brackets, so that a port may follow: [::1]:37.
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos)
            return Refused(a, host,
                           FormatMessage(Tr("ServerSetting", "The server's IPv6 address "
                                                             "\"%1\" lacks its closing bracket."),
                                         {std::string(host)}));
        const std::string_view inside = host.substr(1, close - 1);
        const std::string_view rest = host.substr(close + 1);
        if (!IsIpv6Address(inside))
            return Refused(
                a, host,
                FormatMessage(Tr("ServerSetting", "\"%1\" in brackets is not an IPv6 address."),
                              {std::string(inside)}));
        if (!rest.empty()) {
            if (rest.front() != ':')
                return Refused(
                    a, host,
                    FormatMessage(Tr("ServerSetting", "Only a port (\":37\") may follow the IPv6 "
                                                      "address in brackets, not \"%1\"."),
                                  {std::string(rest)}));
            const auto port = ParsePort(rest.substr(1));
            if (!port)
                return BadPort(a, inside, rest.substr(1));
            a.port = *port;
        }
        host = inside;
    } else if (colon != std::string_view::npos &&
               host.find(':', colon + 1) == std::string_view::npos) {
        // One colon separates a port; more than one is an IPv6 address written bare.
        const std::string_view port = host.substr(colon + 1);
        host = host.substr(0, colon);
        const auto value = ParsePort(port);
        if (!value)
            return BadPort(a, host, port);
        a.port = *value;
    }
    a.host = std::string(host);
    if (a.host.empty()) {
        a.error = SocketError::HostNotFound;
        a.problem = Tr("ServerSetting", "No server is set.");
    } else if (a.host.size() > kMaxHostNameLength) {
        a.error = SocketError::NameTooLong;
        a.problem =
            FormatMessage(Tr("ServerSetting", "The server's name is longer than %1 characters."),
                          {std::to_string(kMaxHostNameLength)});
    } else {
        a.dotted = IsDottedAddress(a.host);
        a.ipv6 = IsIpv6Address(a.host);
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
