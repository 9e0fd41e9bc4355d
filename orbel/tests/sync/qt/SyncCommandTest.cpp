// The command line's --query and --adjust as they run: a transfer against a Time Protocol
// server on 127.0.0.1 and the clock set through a clock of the test's own (a UTC instant shown
// in the zone TZ names), never this machine's.
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <sstream>

#include <gtest/gtest.h>

#include "sync/SocketErrors.h"
#include "sync/qt/SyncCommand.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

using Z = test::ZonedFakeClock;

// Answers each connection with the count of `utcMs` (or, when silent, never) and keeps it.
class TimeServer {
public:
    explicit TimeServer(std::int64_t utcMs, bool silent = false)
    {
        QObject::connect(&server_, &QTcpServer::newConnection, [this, utcMs, silent] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                if (silent)
                    continue; // accepted, never answered
                const auto v = static_cast<quint32>(utcMs / 1000 + 2208988800LL);
                const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
                s->write(b, 4);
                s->disconnectFromHost();
            }
        });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    }
    std::string Setting() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }

private:
    QTcpServer server_;
};

struct CommandRun {
    int status = -1;
    std::string out, err;
    bool modified = false;
};

CommandRun RunCommand(const SyncCommand& c, SystemClock& clock, SyncRecord& record)
{
    CommandRun r;
    std::ostringstream out, err;
    DateTime last = DateTime::Null();
    r.status = RunSyncCommand(c, record, last, r.modified, clock, LocaleFormatter({}), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// --adjust in Madrid on the nights the clocks change: the clock lands on the server's
// instant, never an hour off, in both modes.
TEST(SyncCommand, AdjustingInMadridsRepeatedHourAndGapSetsTheServersInstant)
{
    const test::ZoneForTest madrid("Europe/Madrid");
    struct Case {
        const char* what;
        std::int64_t now, server;
        int mode;
        std::int64_t expected;
        const char* thisPcAfter; // local time shown once set
    } cases[] = {
        {"01:58 CET, 3 min slow, over the gap", Z::Ms(2026, 3, 29, 0, 58, 0),
         Z::Ms(2026, 3, 29, 1, 1, 0), AdjustFull, Z::Ms(2026, 3, 29, 1, 1, 0), "03:01:00"},
        {"01:58 CET, 1 h 3 min slow", Z::Ms(2026, 3, 29, 0, 58, 0), Z::Ms(2026, 3, 29, 2, 1, 0),
         AdjustMinutesSeconds, Z::Ms(2026, 3, 29, 1, 1, 0), "03:01:00"},
        {"02:57 CEST, 4 min slow, into the repeated hour", Z::Ms(2026, 10, 25, 0, 57, 0),
         Z::Ms(2026, 10, 25, 1, 1, 0), AdjustFull, Z::Ms(2026, 10, 25, 1, 1, 0), "02:01:00"},
        {"02:30 CEST, first pass, 1 min slow", Z::Ms(2026, 10, 25, 0, 30, 0),
         Z::Ms(2026, 10, 25, 0, 31, 0), AdjustMinutesSeconds, Z::Ms(2026, 10, 25, 0, 31, 0),
         "02:31:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Z clock;
        clock.utcMs = c.now;
        TimeServer server(c.server);
        SyncRecord record;
        SyncCommand command;
        command.server = server.Setting();
        command.adjust = true;
        command.mode = c.mode;
        const CommandRun run = RunCommand(command, clock, record);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(clock.set.size(), 1u);
        EXPECT_EQ(clock.set[0], c.expected) << (clock.set[0] - c.expected) / 1000 << " s away";
        EXPECT_NE(run.out.find("The clock was set.\n"), std::string::npos) << run.out;
        EXPECT_NE(run.out.rfind(std::string("This PC: ") + c.thisPcAfter), std::string::npos)
            << run.out;
        EXPECT_TRUE(run.modified);
    }
}

// A server that accepts and never answers: the timeout error inside the wait, no reading,
// the clock untouched.
TEST(SyncCommand, ASilentServerEndsWithTheTimeoutErrorInsideTheWait)
{
    Z clock;
    clock.utcMs = Z::Ms(2026, 12, 8, 20, 0, 0);
    TimeServer silent(0, true);
    SyncRecord record;
    SyncCommand command;
    command.server = silent.Setting();
    command.adjust = true;
    command.mode = AdjustFull;
    command.waitMs = 600;
    QElapsedTimer elapsed;
    elapsed.start();
    const CommandRun run = RunCommand(command, clock, record);
    EXPECT_LT(elapsed.elapsed(), 1100);
    EXPECT_GE(elapsed.elapsed(), 550);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, SocketErrorMessage(SocketError::TimedOut) + "\n");
    EXPECT_EQ(run.err, "Error #10060: Connection timed out.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(record.status, 1);
    EXPECT_TRUE(clock.set.empty());
}

} // namespace
} // namespace orbel
