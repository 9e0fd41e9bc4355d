// The time synchronisation inside the running program (the shell with its clock window and
// options sheet): the hourly schedule against loopback servers, a reading dropped when the
// computer's clock is stepped, and the watch that tells of such steps. The computer's clock
// is a fake; nothing here sets this machine's clock.
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

#include <gtest/gtest.h>

#include "clocks/TimeChangeWatch.h"
#include "settings/CPPSynch.h"
#include "settings/ClockShell.h"
#include "settings/RegistryStore.h"
#include "sync/CSyncClient.h"
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
    SyncShell()
    {
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
    SyncRecord& r = shell->Settings().syncRecord;
    r.status = 0;
    r.pcLocal = DateTime::FromCalendar(2026, 12, 8, 21, 0, 0);
    r.pcUtc = DateTime::FromCalendar(2026, 12, 8, 20, 0, 0);
    r.serverLocal = DateTime::FromCalendar(2026, 12, 8, 21, 2, 0);
    r.serverUtc = DateTime::FromCalendar(2026, 12, 8, 20, 2, 0);
    CPSOptions* sheet = shell->OpenOptions();
    ASSERT_NE(sheet, nullptr);
    sheet->SetActivePage(3);
    auto* page = dynamic_cast<CPPSynch*>(sheet->Page(3));
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
