// The time synchronisation inside the running program (the shell with its clock window and
// options sheet): the hourly schedule against loopback servers, a reading dropped when the
// computer's clock is stepped, and the watch that tells of such steps. The computer's clock
// is a fake; nothing here sets this machine's clock.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <ctime>

#include <gtest/gtest.h>

#include "clocks/qt/TimeChangeWatch.h"
#include "options/qt/CPPSynch.h"
#include "settings/RegistryStore.h"
#include "shell/qt/ClockShell.h"
#include "sync/qt/CSyncClient.h"
#include "sync/qt/TimedatedClock.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

constexpr int kBoundMs = 5000;

// Local time runs one hour ahead of UTC; the test moves `utc` itself.
struct FakeTime {
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 20);
    ClockWindowEnv Env()
    {
        ClockWindowEnv env;
        env.utcNow = [this] { return utc; };
        env.localNow = [this] { return utc + DateTimeSpan::FromSeconds(3600); };
        return env;
    }
    void Advance(double seconds) { utc = utc + DateTimeSpan::FromSeconds(seconds); }
};

class SyncShell : public ::testing::Test {
protected:
    SyncShell() { StartShell(); }
    void StartShell()
    {
        shell.reset();
        ShellConfig config;
        config.platform.dataFolder = dir.path().toStdString();
        config.platform.utcNow = [this] { return time.utc; };
        config.platform.localZone = [] { return TimeZoneInformation{}; };
        config.platform.defaultGuiFont.weight = 400;
        config.platform.defaultGuiFont.height = 16;
        config.platform.defaultGuiFont.SetFace("DejaVu Sans");
        config.store = &store;
        config.programPath = "/opt/orbel/orbel";
        config.systemClock = &clock;
        config.window = time.Env();
        config.useTray = false;
        config.showMessage = [this](QWidget*, const std::string& text, MessageIcon) {
            messages.push_back(text);
        };
        shell = std::make_unique<ClockShell>(config);
        EXPECT_EQ(shell->Start(), StartResult::Running);
    }
    // A reading of a server two minutes ahead, not yet used.
    SyncRecord& FreshReading()
    {
        SyncRecord& r = shell->Settings().syncRecord;
        r.status = 0;
        r.pcLocal = DateTime::FromCalendar(2026, 12, 8, 21, 0, 0);
        r.pcUtc = DateTime::FromCalendar(2026, 12, 8, 20, 0, 0);
        r.serverLocal = DateTime::FromCalendar(2026, 12, 8, 21, 2, 0);
        r.serverUtc = DateTime::FromCalendar(2026, 12, 8, 20, 2, 0);
        return r;
    }
    CPPSynch* OpenAdjustTimePage()
    {
        CPSOptions* sheet = shell->OpenOptions();
        if (!sheet)
            return nullptr;
        sheet->SetActivePage(3);
        return dynamic_cast<CPPSynch*>(sheet->Page(3));
    }
    ~SyncShell() override
    {
        if (shell && !shell->Ended())
            shell->Quit(EndReason::Closed);
    }

    QTemporaryDir dir;
    FakeTime time;
    MemoryRegistryStore store;
    test::FakeSystemClock clock;
    std::vector<std::string> messages;
    std::unique_ptr<ClockShell> shell;
};

// A reading taken, then the computer's clock stepped by someone else: applying the old
// offset would move the clock by the step a second time. The reading is dropped and the
// page's buttons go with it.
TEST_F(SyncShell, ASteppedClockDropsTheFreshReadingAndThePageFollows)
{
    SyncRecord& r = FreshReading();
    CPPSynch* page = OpenAdjustTimePage();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->SetToLocalTime()->isEnabled());

    // Someone else sets the clock two minutes ahead; the kernel's report arrives.
    emit shell->TimeWatch()->timeChanged();
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(page->SetToLocalTime()->isEnabled());
    EXPECT_FALSE(page->AdjustMinSec()->isEnabled());
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QString());
    QTest::mouseClick(page->SetToLocalTime(), Qt::LeftButton);
    EXPECT_TRUE(clock.set.empty());

    // A reading already used stays on the page (our own setting also steps the clock).
    r.status = 2;
    emit shell->TimeWatch()->timeChanged();
    EXPECT_EQ(r.status, 2);
}

// A server that accepts and never answers: the automatic transfer ends after its wait,
// silently, and the next hour's check starts another.
TEST_F(SyncShell, TheHourlyScheduleGoesOnAfterASilentServer)
{
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    int connections = 0;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        while (silent.nextPendingConnection())
            ++connections;
    });
    CAppSettings& s = shell->Settings();
    s.displayFlags |= kOptionAutoAdjust;
    s.adjustmentInterval = 86400;
    s.lastAdjusted = DateTime::FromCalendar(2026, 12, 1, 9, 0, 0); // a week ago
    s.server = "127.0.0.1:" + std::to_string(silent.serverPort());
    shell->Sync()->answerWaitMs = 300; // the program waits 10 s

    for (int hour = 1; hour <= 2; ++hour) {
        SCOPED_TRACE(hour);
        time.Advance(3600);
        shell->Window()->Tick();
        ASSERT_TRUE(shell->Sync()->TransferExists());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shell->Sync()->TransferExists(); }, kBoundMs));
        EXPECT_EQ(connections, hour);
    }
    EXPECT_TRUE(clock.set.empty());
    EXPECT_TRUE(messages.empty()); // an automatic failure is dropped without a message
}

// SIGTERM or the session's end while the clock is being set (the system's authorisation
// prompt keeps a nested event loop running): the sheet closes and its pages go, and the
// adjustment that was waiting comes back to no page. Nothing is used after it is deleted;
// the system's answer is still recorded.
TEST_F(SyncShell, TheProgramEndingWhileASettingWaitsLeavesNoPageInUse)
{
    for (EndReason why : {EndReason::Terminated, EndReason::SessionEnd}) {
        SCOPED_TRACE(static_cast<int>(why));
        if (shell->Ended()) {
            clock.set.clear();
            StartShell();
        }
        SyncRecord& r = FreshReading();
        QPointer<CPPSynch> page = OpenAdjustTimePage();
        ASSERT_TRUE(page);
        clock.whileSetting = [&] {
            // The end arrives while the prompt is up; the loop goes on (and deletes what
            // was closed) until the system answers.
            QTimer::singleShot(0, [&] { shell->Quit(why); });
            QTest::qWait(100);
        };
        QTest::mouseClick(page->SetToLocalTime(), Qt::LeftButton);
        clock.whileSetting = nullptr;
        EXPECT_TRUE(shell->Ended());
        EXPECT_FALSE(page); // gone with the sheet
        ASSERT_EQ(clock.set.size(), 1u);
        EXPECT_EQ(r.status, 2); // the system said yes: the reading is used
        EXPECT_TRUE(messages.empty());
    }
}

// The same during the hourly adjustment, which runs when an automatic transfer succeeds:
// the transfer that brought the reading is not used after the end deleted it.
TEST_F(SyncShell, TheProgramEndingWhileAnAutomaticSettingWaitsLeavesNoTransferInUse)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            // 2026-12-08 10:17:25 UTC, two minutes ahead of the fake time after the hour.
            const quint32 v = 4005713845u;
            const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
            s->write(b, 4);
            s->disconnectFromHost();
        }
    });
    CAppSettings& s = shell->Settings();
    s.displayFlags |= kOptionAutoAdjust;
    s.adjustmentInterval = 86400;
    s.lastAdjusted = DateTime::FromCalendar(2026, 12, 1, 9, 0, 0);
    s.server = "127.0.0.1:" + std::to_string(server.serverPort());
    clock.whileSetting = [&] {
        QTimer::singleShot(0, [&] { shell->Quit(EndReason::Terminated); });
        QTest::qWait(100);
    };
    time.Advance(3600);
    shell->Window()->Tick();
    QPointer<CHostSocket> transfer = shell->Sync()->CurrentTransfer();
    ASSERT_TRUE(transfer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clock.set.empty(); }, kBoundMs));
    QTest::qWait(50);
    clock.whileSetting = nullptr;
    EXPECT_TRUE(shell->Ended());
    EXPECT_FALSE(transfer);
    EXPECT_FALSE(shell->Sync()->TransferExists());
    EXPECT_EQ(clock.set.size(), 1u);
}

// The watch is armed decades ahead of the clock; armed at the 32-bit limit it would have
// expired in January 2038 and told of no step after that.
TEST(TimeChangeWatchArming, TheTimerLiesDecadesAheadOfTheClock)
{
    TimeChangeWatch watch;
    if (!watch.Watching())
        GTEST_SKIP() << "the kernel offers no cancel-on-set timer";
    const std::int64_t now = std::time(nullptr);
    EXPECT_GT(watch.ArmedUntil(), now + std::int64_t{40} * 365 * 86400);
    EXPECT_GT(watch.ArmedUntil(), std::int64_t{INT32_MAX});
}

} // namespace
} // namespace orbel

namespace orbel {
namespace {

// systemd-timedated as a test plays it on a bus of its own (a private dbus-daemon): it
// answers SetTime, refuses it, or keeps the caller waiting. Nothing reaches the system bus
// and nothing sets this machine's clock.
class FakeTimedated : public QDBusVirtualObject {
public:
    enum Answer { Yes, Refuse, Never } answer = Yes;
    std::vector<QDBusMessage> calls;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& c) override
    {
        calls.push_back(m);
        QDBusConnection bus(c);
        if (answer == Yes)
            bus.send(m.createReply());
        else if (answer == Refuse)
            bus.send(m.createErrorReply("org.freedesktop.timedate1.AutomaticTimeSyncEnabled",
                                        "Automatic time synchronization is enabled"));
        return true;
    }
};

class PrivateBus {
public:
    PrivateBus()
    {
        const QString program = QStandardPaths::findExecutable("dbus-daemon");
        if (program.isEmpty())
            return;
        daemon.start(program, {"--session", "--nofork", "--print-address",
                               "--address=unix:path=" + dir.filePath("bus")});
        if (!daemon.waitForStarted(kBoundMs) || !daemon.waitForReadyRead(kBoundMs))
            return;
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus("orbel-test-service");
        QDBusConnection::disconnectFromBus("orbel-test-client");
        if (daemon.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(daemon.processId()), SIGTERM);
            if (!daemon.waitForFinished(kBoundMs))
                daemon.kill();
        }
    }
    QTemporaryDir dir;
    QProcess daemon;
    QString address;
};

// Only the service's own reply counts as success: a refusal gives its words, and a wait left
// because the program is ending (SIGTERM, the session's end) is a failure.
TEST(Timedated, OnlyARealReplyCountsAsSuccess)
{
    PrivateBus bus;
    if (bus.address.isEmpty())
        GTEST_SKIP() << "dbus-daemon could not start";
    QDBusConnection service = QDBusConnection::connectToBus(bus.address, "orbel-test-service");
    QDBusConnection client = QDBusConnection::connectToBus(bus.address, "orbel-test-client");
    ASSERT_TRUE(service.isConnected() && client.isConnected());
    FakeTimedated timedated;
    ASSERT_TRUE(service.registerVirtualObject("/org/freedesktop/timedate1", &timedated));
    ASSERT_TRUE(service.registerService("org.freedesktop.timedate1"));
    const std::int64_t ms = 1792888330000; // 2026-10-25 00:32:10 UTC

    std::string error;
    EXPECT_TRUE(SetTimeThroughTimedated(client, ms, true, error)) << error;
    ASSERT_EQ(timedated.calls.size(), 1u);
    const QList<QVariant> args = timedated.calls[0].arguments();
    ASSERT_EQ(args.size(), 3);
    EXPECT_EQ(args[0].toLongLong(), ms * 1000); // microseconds, UTC
    EXPECT_FALSE(args[1].toBool());             // absolute
    EXPECT_TRUE(args[2].toBool());              // may ask

    timedated.answer = FakeTimedated::Refuse;
    EXPECT_FALSE(SetTimeThroughTimedated(client, ms, false, error));
    EXPECT_NE(error.find("network time synchronisation"), std::string::npos) << error;

    // The program is told to end while the service keeps it waiting: the wait's loop is
    // left by the application's quit, with no reply.
    timedated.answer = FakeTimedated::Never;
    bool ok = true;
    QElapsedTimer elapsed;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(200, [] { QCoreApplication::quit(); });
        elapsed.start();
        ok = SetTimeThroughTimedated(client, ms, true, error);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(ok);
    EXPECT_LT(elapsed.elapsed(), 4000);
    EXPECT_NE(error.find("ending before the date-time service answered"), std::string::npos)
        << error;
    EXPECT_EQ(timedated.calls.size(), 3u);

    // No answer at all within the wait: the bus's own words.
    EXPECT_FALSE(SetTimeThroughTimedated(client, ms, true, error, 300));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace orbel
