// The server setting, the built-in server list and the error texts.
#include <cerrno>
#include <netdb.h>

#include <gtest/gtest.h>

#include "sync/ServerSetting.h"
#include "sync/SocketErrors.h"

namespace orbel {
namespace {

TEST(ServerSetting, HostIsCutBeforeTheFirstBlank)
{
    const auto a = ParseServerSetting("192.0.2.7 a test address");
    EXPECT_EQ(a.host, "192.0.2.7");
    EXPECT_TRUE(a.dotted);
    EXPECT_EQ(a.port, 37);
    EXPECT_EQ(a.error, 0);

    const auto b = ParseServerSetting("time-a-g.nist.gov Gaithersburg, Maryland");
    EXPECT_EQ(b.host, "time-a-g.nist.gov");
    EXPECT_FALSE(b.dotted);
    EXPECT_EQ(b.port, 37);
}

TEST(ServerSetting, PortAfterAColon)
{
    const auto a = ParseServerSetting("127.0.0.1:3737 loopback");
    EXPECT_EQ(a.host, "127.0.0.1");
    EXPECT_TRUE(a.dotted);
    EXPECT_EQ(a.port, 3737);
    EXPECT_EQ(ParseServerSetting("localhost:1").port, 1);
    EXPECT_EQ(ParseServerSetting("localhost:65535").port, 65535);
}

// An IPv6 address is written bare, or in brackets when a port follows, in both protocols.
TEST(ServerSetting, IPv6AddressesBareOrInBracketsBeforeAPort)
{
    struct Case {
        const char* setting;
        const char* host;
        int port;
        bool ntp;
    } cases[] = {
        {"::1", "::1", 37, false},
        {"::1 loopback", "::1", 37, false},
        {"2001:db8::7", "2001:db8::7", 37, false},
        {"[::1]:37", "::1", 37, false},
        {"[::1]:3737 loopback", "::1", 3737, false},
        {"[2001:db8::7]", "2001:db8::7", 37, false},
        {"ntp://[::1]:123", "::1", 123, true},
        {"ntp://[::1]:12323/ my server", "::1", 12323, true},
        {"ntp://::1", "::1", 123, true},
        {"ntp://[2001:db8::1]", "2001:db8::1", 123, true},
        {"[::ffff:192.0.2.7]:37", "::ffff:192.0.2.7", 37, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        const auto a = ParseServerSetting(c.setting);
        EXPECT_EQ(a.error, 0) << a.problem;
        EXPECT_EQ(a.host, c.host);
        EXPECT_EQ(a.port, c.port);
        EXPECT_EQ(a.ntp, c.ntp);
        EXPECT_TRUE(a.ipv6);
        EXPECT_FALSE(a.dotted);
    }
    // Brackets that do not hold an address, or are followed by anything but a port.
    for (const char* bad :
         {"[::1", "[::1]x", "[::1]:", "[::1]:0", "[::1]:65536", "[]", "[localhost]:37",
          "[192.0.2.7]:37", "ntp://[::1", "[::1]]:37", "[:::1]:37"}) {
        const auto a = ParseServerSetting(bad);
        EXPECT_EQ(a.error, SocketError::InvalidArgument) << bad;
        EXPECT_FALSE(a.problem.empty()) << bad;
    }
    EXPECT_FALSE(ParseServerSetting("localhost").ipv6);
    EXPECT_FALSE(ParseServerSetting("127.0.0.1:37").ipv6);
}

TEST(ServerSetting, UnusableSettingsSayWhy)
{
    for (const char* bad : {"localhost:0", "localhost:65536", "localhost:", "localhost:x7",
                            "10.0.0.1:-5", "localhost:999999"}) {
        const auto a = ParseServerSetting(bad);
        EXPECT_EQ(a.error, SocketError::InvalidArgument) << bad;
        EXPECT_NE(a.problem.find("1 to 65535"), std::string::npos) << bad;
    }
    EXPECT_EQ(ParseServerSetting("").error, SocketError::HostNotFound);
    EXPECT_EQ(ParseServerSetting("    ").error, SocketError::HostNotFound);
    EXPECT_EQ(ParseServerSetting(" comment only").error, SocketError::HostNotFound);
    EXPECT_EQ(ParseServerSetting(std::string(256, 'a')).error, SocketError::NameTooLong);
    EXPECT_EQ(ParseServerSetting(std::string(255, 'a')).error, 0);
}

TEST(ServerSetting, DottedAddressesOnlyWhenFourNumbers)
{
    EXPECT_TRUE(IsDottedAddress("0.0.0.0"));
    EXPECT_TRUE(IsDottedAddress("255.255.255.255"));
    for (const char* no : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..2.3", "1.2.3.4.", "a.b.c.d",
                           "1.2.3.4x", "0001.2.3.4"})
        EXPECT_FALSE(IsDottedAddress(no)) << no;
}

TEST(ServerSetting, BuiltInListHasEightHostsWithTheirPlace)
{
    const std::string& list = BuiltInServerList();
    int lines = 0;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find('\n', start), list.size());
        const std::string line = list.substr(start, end - start);
        const auto a = ParseServerSetting(line);
        EXPECT_EQ(a.error, 0) << line;
        EXPECT_GT(line.size(), a.host.size() + 1) << "no place after " << line;
        ++lines;
        start = end + 1;
    }
    EXPECT_EQ(lines, 8);
    EXPECT_EQ(DefaultServerSetting(), list.substr(0, list.find('\n')));
}

TEST(SocketErrors, MessagesUseTheTableTextsExactly)
{
    EXPECT_EQ(SocketErrorMessage(10004),
              "Error #10004: The connection with the server was terminated abnormally.");
    EXPECT_EQ(SocketErrorMessage(11002),
              "Error #11002: Non-authoritative host not found.  Please try again.");
    EXPECT_EQ(SocketErrorMessage(11004),
              "Error #11004: Valid name, no data record of requested type (missing A "
              "record?).");
    EXPECT_EQ(SocketErrorMessage(10061), "Error #10061: Connection refused.");
    EXPECT_EQ(SocketErrorMessage(12345), "Error #12345: Unknown error.");
    EXPECT_EQ(SocketErrorText(9999), "Unknown error");
}

TEST(SocketErrors, LinuxFailuresMapOntoTheirNumbers)
{
    EXPECT_EQ(SocketErrorFromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(SocketErrorFromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(SocketErrorFromErrno(ECONNRESET), 10054);
    EXPECT_EQ(SocketErrorFromErrno(ENETUNREACH), 10051);
    EXPECT_EQ(SocketErrorFromErrno(EHOSTUNREACH), 10065);
    EXPECT_EQ(SocketErrorFromErrno(EAGAIN), 10035);
    EXPECT_EQ(SocketErrorFromErrno(EINPROGRESS), 10036);
    EXPECT_EQ(SocketErrorFromErrno(0), 0);
    EXPECT_EQ(SocketErrorFromErrno(EDOM), 9999);
    EXPECT_EQ(SocketErrorFromLookup(EAI_NONAME, 0), 11001);
    EXPECT_EQ(SocketErrorFromLookup(EAI_AGAIN, 0), 11002);
    EXPECT_EQ(SocketErrorFromLookup(EAI_FAIL, 0), 11003);
    EXPECT_EQ(SocketErrorFromLookup(EAI_SYSTEM, ECONNREFUSED), 10061);
}

} // namespace
} // namespace orbel
