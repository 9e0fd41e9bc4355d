#pragma once
// The server setting: a host name or an address, optionally followed by a blank and a
// comment ("time-a-g.nist.gov Gaithersburg, Maryland"). The host part may carry a port as
// "name:port", "a.b.c.d:port" or, for an IPv6 address, "[::1]:port" (an IPv6 address without
// a port may also be written bare, "::1"); without one the Time Protocol's port 37 is used. A
// setting that starts with "ntp://" names a network time server (NTP over UDP, port 123 unless one
// is given); every other setting means the Time Protocol, as it always has.
#include <cstdint>
#include <string>
#include <string_view>

namespace orbel {

constexpr std::uint16_t kTimeProtocolPort = 37;
// Longest host name the name service takes (and the longest text a lookup buffer held).
constexpr std::size_t kMaxHostNameLength = 255;

struct ServerAddress {
    std::string host; // the setting cut before its first blank, port and brackets removed
    std::uint16_t port = kTimeProtocolPort;
    bool dotted = false; // host is an a.b.c.d address: connect without a lookup
    bool ipv6 = false;   // host is an IPv6 address: connect without a lookup
    bool ntp = false;    // written as ntp://host[:port]
    int error = 0;       // a socket error code when the setting cannot be used
    std::string problem; // a sentence saying what is wrong with it, when error != 0
};

ServerAddress ParseServerSetting(std::string_view setting);

// Four decimal numbers 0..255 separated by dots, nothing else.
bool IsDottedAddress(std::string_view host);
// An IPv6 address in any of its written forms ("::1", "2001:db8::7", "::ffff:192.0.2.7").
bool IsIpv6Address(std::string_view host);

// The built-in server list: lines "host place" separated by line feeds; the first line is
// the default server.
const std::string& BuiltInServerList();
std::string DefaultServerSetting();

// The second built-in list: well-known public NTP pools, each line "ntp://host place".
const std::string& BuiltInNtpServerList();
// What the server box offers: the Time Protocol servers, then the NTP pools.
std::string ServerChoiceList();

constexpr std::string_view kNtpScheme = "ntp://";

} // namespace orbel
