// The clock window and the shell on the offscreen platform, with a clock of the test's own:
// layouts read back from the pixels, what a tick repaints, the title at midnight, the hourly
// adjustment against a loopback time server, and the program saving its settings on SIGTERM.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPaintEvent>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fstream>

#include <gtest/gtest.h>

#include "clocks/qt/ClockWindow.h"
#include "clocks/qt/TimeChangeWatch.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "shell/qt/ClockShell.h"
#include "sync/SystemClock.h"
#include "sync/qt/CSyncClient.h"
#include "tests/sync/FakeSystemClock.h"

namespace orbel {
namespace {

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

SettingsPlatform Platform(const QString& folder, FakeTime& time)
{
    SettingsPlatform p;
    p.dataFolder = folder.toStdString();
    p.utcNow = [&time] { return time.utc; };
    p.localToUnix = [](const DateTime& l) { return std::int64_t(l.ToUnixSeconds()) - 3600; };
    p.unixToLocal = [](std::int64_t s) { return DateTime::FromUnixSeconds(double(s + 3600)); };
    p.localZone = [] { return TimeZoneInformation{}; };
    p.defaultGuiFont.weight = 400;
    p.defaultGuiFont.height = 16;
    p.defaultGuiFont.SetFace("DejaVu Sans");
    return p;
}

// Records the rectangles of every paint of a widget.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* w) { w->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

class ClockWindowTest : public ::testing::Test {
protected:
    void Configure(int clocks, std::uint32_t displayFlags)
    {
        settings.SetDefaults();
        settings.clocks.Clear();
        for (int i = 0; i < clocks; ++i)
            settings.clocks.Add().name = "C" + std::to_string(i);
        settings.displayFlags = displayFlags;
        settings.colours[kColourBackground] = 0x00FFFFFF; // white
        settings.colours[kColourTitle] = 0;
        settings.colours[kColourDate] = 0;
        settings.colours[kColourTime1] = 0;
        settings.colours[kColourTime2] = 0;
        settings.borderless = 1;
    }
    std::unique_ptr<ClockWindow> Show(int width, int height)
    {
        auto w = std::make_unique<ClockWindow>(settings, time.Env());
        w->resize(width, height);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }

    QTemporaryDir dir;
    FakeTime time;
    MemoryRegistryStore store;
    CAppSettings settings{store, Platform(dir.path(), time), "/opt/orbel/orbel"};
};

// The box of the non-white pixels inside `r`.
QRect InkBox(const QImage& image, const QRect& r)
{
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 160)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(ClockWindowTest, ClocksAreDrawnInsideTheirOwnAreas)
{
    struct Case {
        int clocks;
        std::uint32_t flags;
        int width, height;
    } cases[] = {
        {2, 0x5000, 193, 48}, {3, 0x5300, 193, 60},  {8, 0x5100, 800, 50},
        {2, 0x5001, 193, 80}, {3, 0x1301, 240, 120}, {8, 0x5201, 800, 120},
    };
    for (const Case& c : cases) {
        Configure(c.clocks, c.flags);
        auto w = Show(c.width, c.height);
        const QImage image = w->grab().toImage();
        const auto& areas = w->Areas();
        ASSERT_EQ(areas.size(), std::size_t(c.clocks));
        const bool analog = c.flags & 1;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const Rect& a = areas[i];
            // The areas are laid out edge to edge across the whole width.
            const int q = c.width / c.clocks;
            EXPECT_EQ(a.left, int(i) * q) << c.clocks << " clocks";
            const QRect area(a.left, a.top, a.right - a.left, a.bottom - a.top);
            const QRect ink = InkBox(image, area.adjusted(1, 0, -1, 0));
            ASSERT_FALSE(ink.isEmpty()) << c.clocks << " clocks, clock " << i;
            // Centred: as much room on the left as on the right, within a few pixels.
            const int left = ink.left() - area.left(), right = area.right() - ink.right();
            EXPECT_LE(std::abs(left - right), analog ? 3 : 6)
                << c.clocks << " clocks " << std::hex << c.flags << " clock " << i;
            if (!(c.flags & 0x0300)) { // the time alone fills the height, vertically centred
                EXPECT_LE(std::abs((ink.top() - area.top()) - (area.bottom() - ink.bottom())), 8);
            }
        }
    }
}

TEST_F(ClockWindowTest, ATickInTheSameMinuteRepaintsOnlyTheSecondsHand)
{
    Configure(1, 0x5001); // analog with seconds
    auto w = Show(120, 120);
    QTest::qWait(50);
    PaintLog log(w.get());
    time.Advance(1);
    w->Tick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.paints > 0; }, 5000));
    const QRect dial(0, 0, 120, 120);
    const QRect painted = log.painted.boundingRect();
    EXPECT_TRUE(dial.contains(painted));
    // The hand at 20 and at 21 seconds points down and right (four o'clock): a corner of the
    // dial, far from the whole of it.
    EXPECT_LT(painted.width() * painted.height(), 120 * 120 / 4)
        << painted.width() << "x" << painted.height();
    EXPECT_GT(painted.center().x(), 60);
    EXPECT_GT(painted.center().y(), 60);

    // A new minute repaints the hands: the dial's interior.
    log.painted = {};
    log.paints = 0;
    time.Advance(40);
    w->Tick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.paints > 0; }, 5000));
    EXPECT_GT(log.painted.boundingRect().width(), 80);

    // Digital clocks repaint their time band only.
    Configure(2, 0x5300);
    auto d = Show(200, 100);
    QTest::qWait(50);
    PaintLog digital(d.get());
    time.Advance(1);
    d->Tick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return digital.paints > 0; }, 5000));
    EXPECT_LE(digital.painted.boundingRect().bottom(), 36 - 1); // band of 36 % of 100
}

TEST_F(ClockWindowTest, TheTitleCarriesTheDateAndChangesAtMidnight)
{
    Configure(2, 0x5100);
    time.utc = DateTime::FromCalendar(2026, 12, 8, 22, 59, 59); // 23:59:59 local
    auto w = Show(200, 50);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orbel - Tuesday, December 8, 2026"));
    time.Advance(1);
    w->Tick();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orbel - Wednesday, December 9, 2026"));
}

// The computer's clock stands at 2026-12-08 11:00:00.000 local, 10:00 UTC, and records
// what it is set to.
struct FakeClock : test::FakeSystemClock {
    FakeClock()
    {
        local = test::Cal(2026, 12, 8, 11, 0, 0, 0);
        utc = test::Cal(2026, 12, 8, 10, 0, 0, 0);
    }
};

TEST_F(ClockWindowTest, TheHourlyScheduleAdjustsTheClockFromALoopbackServer)
{
    // The server's answer: 2026-12-08 10:02:05 UTC in seconds since 1900.
    const double unix = DateTime::FromCalendar(2026, 12, 8, 10, 2, 5).ToUnixSeconds();
    const auto since1900 = static_cast<quint32>(static_cast<qint64>(unix) + 2208988800LL);
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = server.nextPendingConnection();
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = char(since1900 >> (24 - 8 * i));
        s->write(b);
        s->disconnectFromHost();
    });

    FakeClock clock;
    ShellConfig config;
    config.platform = Platform(dir.path(), time);
    config.store = &store;
    config.programPath = "/opt/orbel/orbel";
    config.systemClock = &clock;
    config.window = time.Env();
    config.useTray = false;
    ClockShell shell(config);
    ASSERT_EQ(shell.Start(), StartResult::Running);
    CAppSettings& s = shell.Settings();
    s.displayFlags |= kOptionAutoAdjust;
    s.adjustmentInterval = 86400;
    s.lastAdjusted = DateTime::FromCalendar(2026, 12, 1, 9, 0, 0); // a week ago
    s.server = "127.0.0.1:" + std::to_string(server.serverPort()) + " loopback";

    time.Advance(60); // the same hour: no check
    shell.Window()->Tick();
    EXPECT_FALSE(shell.Sync()->TransferExists());
    time.Advance(3600); // a new hour: the interval has run out
    shell.Window()->Tick();
    EXPECT_TRUE(shell.Sync()->TransferExists());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clock.set.empty(); }, 5000));
    ASSERT_EQ(clock.set.size(), 1u);
    // Minutes and seconds only: 11:00:00 becomes 11:02:05 (10:02:05 UTC), hour and date kept.
    EXPECT_EQ(clock.set[0].hour, 10);
    EXPECT_EQ(clock.set[0].minute, 2);
    EXPECT_EQ(clock.set[0].second, 5);
    EXPECT_EQ(clock.set[0].day, 8);
    EXPECT_FALSE(clock.mayAsk[0]); // an automatic adjustment never asks the user
    EXPECT_TRUE(s.IsModified());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.Sync()->TransferExists(); }, 5000));
    // The next hour's check finds the interval not run out: no second transfer.
    time.Advance(3600);
    shell.Window()->Tick();
    EXPECT_FALSE(shell.Sync()->TransferExists());
}

TEST_F(ClockWindowTest, AChangeOfTheComputersClockRepaintsAtOnce)
{
    FakeClock clock;
    ShellConfig config;
    config.platform = Platform(dir.path(), time);
    config.store = &store;
    config.systemClock = &clock;
    config.window = time.Env();
    config.useTray = false;
    ClockShell shell(config);
    ASSERT_EQ(shell.Start(), StartResult::Running);
    ClockWindow* w = shell.Window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QTest::qWait(50);
    PaintLog log(w);
    // The clock is set a day ahead; the kernel's report arrives as timeChanged.
    time.Advance(86400);
    emit shell.TimeWatch()->timeChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.paints > 0; }, 5000));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orbel - Wednesday, December 9, 2026"));
    // Without a tray the window cannot be hidden: nothing could show it again.
    EXPECT_FALSE(shell.Action(kCmdShowHide)->isEnabled());
    shell.ToggleWindow();
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ClockWindowTest, KeysMoveAndResizeTheWindow)
{
    Configure(2, 0x5100);
    auto w = Show(200, 50);
    const QPoint at = w->pos();
    QTest::keyClick(w.get(), Qt::Key_Right);
    QTest::keyClick(w.get(), Qt::Key_Down);
    EXPECT_EQ(w->pos(), at + QPoint(1, 1));
    QTest::keyClick(w.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(w->size(), QSize(199, 51));
    // Never below 16 x 16.
    w->resize(16, 16);
    QTest::keyClick(w.get(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w->size(), QSize(16, 16));
}

TEST_F(ClockWindowTest, TheMenuOpensAtThePointerOrFromTheKeyboardAtTheCorner)
{
    Configure(2, 0x5100);
    settings.borderless = 0;
    auto w = Show(200, 50);
    QPoint shownAt;
    QObject::connect(w.get(), &ClockWindow::menuRequested, [&](const QPoint& at) { shownAt = at; });
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), w->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(w.get(), &key);
    // 5 pixels right of and below the client area's corner, inside the 4-pixel border.
    EXPECT_EQ(shownAt, w->mapToGlobal(QPoint(4 + 5, 4 + 5)));
    // Shift+F10 is the menu key's stand-in; F10 alone opens nothing.
    shownAt = {};
    QTest::keyClick(w.get(), Qt::Key_F10);
    EXPECT_EQ(shownAt, QPoint());
    QTest::keyClick(w.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shownAt, w->mapToGlobal(QPoint(4 + 5, 4 + 5)));
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(30, 20), QPoint(730, 420));
    QApplication::sendEvent(w.get(), &mouse);
    EXPECT_EQ(shownAt, QPoint(730, 420));
}

TEST_F(ClockWindowTest, AHiddenStartWithoutATrayStillShowsTheWindow)
{
    FakeClock clock;
    ShellConfig config;
    config.platform = Platform(dir.path(), time);
    config.store = &store;
    config.systemClock = &clock;
    config.window = time.Env();
    config.useTray = false;
    settings.SetDefaults(); // stored hidden
    settings.visible = 0;
    settings.SetModified();
    ASSERT_TRUE(settings.Save().ok);
    ClockShell shell(config);
    ASSERT_EQ(shell.Start(), StartResult::Running);
    EXPECT_TRUE(shell.Window()->isVisible());
    EXPECT_EQ(shell.Action(kCmdShowHide)->text(), QStringLiteral("Hid&e\tV"));
}

TEST_F(ClockWindowTest, ADamagedSettingsFileIsMovedAsideWithItsMessage)
{
    QFile dat(dir.path() + "/Orbel.dat");
    ASSERT_TRUE(dat.open(QIODevice::WriteOnly));
    dat.write("this is no settings file");
    dat.close();
    FakeClock clock;
    ShellConfig config;
    config.platform = Platform(dir.path(), time);
    config.store = &store;
    config.systemClock = &clock;
    config.window = time.Env();
    config.useTray = false;
    std::string shown;
    config.showError = [&](const std::string& text) { shown = text; };
    ClockShell shell(config);
    EXPECT_EQ(shell.Start(), StartResult::BadSettings);
    EXPECT_EQ(StartExitStatus(StartResult::BadSettings), 1);
    EXPECT_FALSE(shown.empty());
    EXPECT_EQ(shell.Window(), nullptr); // no window was made
    EXPECT_FALSE(QFile::exists(dir.path() + "/Orbel.dat"));
}

// The program itself: started, ended by SIGTERM, its settings saved and read back.
TEST(ClockProgram, SavesItsSettingsOnSigtermAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString program = QStringLiteral(TEST_PROGRAM_DIR "/orbel");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    auto runUntilTerm = [&] {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, {"--data-dir", dir.path()});
        EXPECT_TRUE(p.waitForStarted(5000));
        QTest::qWait(1500);
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        ASSERT_GT(p.processId(), 0);
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    };
    runUntilTerm();
    // The first start made the two default clocks; the end saved them and the placement.
    const QString dat = dir.path() + "/Orbel.dat";
    ASSERT_TRUE(QFile::exists(dat));
    std::ifstream reg((dir.path() + "/config/orbel/registry.reg").toStdString());
    const std::string registry((std::istreambuf_iterator<char>(reg)), {});
    EXPECT_NE(registry.find("Window"), std::string::npos);
    const QDateTime written = QFileInfo(dat).lastModified();

    // The second start reads them back: nothing changed, nothing written.
    runUntilTerm();
    EXPECT_EQ(QFileInfo(dat).lastModified(), written);
    QProcess list;
    list.setProcessEnvironment(env);
    list.start(program, {"--data-dir", dir.path(), "--clocks"});
    ASSERT_TRUE(list.waitForFinished(10000));
    const QString clocks = QString::fromUtf8(list.readAllStandardOutput());
    EXPECT_TRUE(clocks.startsWith("Local\t")) << clocks.toStdString();
    EXPECT_TRUE(clocks.contains("\nCity1\t")) << clocks.toStdString();
}

} // namespace
} // namespace orbel

namespace orbel {
namespace {

// Not a check: draws the window in several looks into $ORBEL_SHOT_DIR for a person to look
// at (run with --gtest_also_run_disabled_tests --gtest_filter=*Gallery*).
TEST_F(ClockWindowTest, DISABLED_Gallery)
{
    const QString folder = qEnvironmentVariable("ORBEL_SHOT_DIR", QDir::tempPath());
    struct Look {
        const char* name;
        int clocks;
        std::uint32_t flags;
        int width, height;
        bool system;
    } looks[] = {
        {"digital-default", 2, 0x5100, 192, 48, true}, {"digital-small", 2, 0x5300, 120, 36, true},
        {"digital-large", 3, 0x5300, 600, 140, true},  {"digital-12h", 2, 0x1200, 300, 70, true},
        {"digital-eight", 8, 0x5100, 900, 60, true},   {"analog-small", 3, 0x5101, 180, 70, true},
        {"analog-medium", 3, 0x5301, 360, 160, true},  {"analog-large", 2, 0x1301, 500, 280, true},
        {"analog-12h", 1, 0x1001, 200, 200, true},
    };
    for (const Look& l : looks) {
        Configure(l.clocks, l.flags);
        settings.colours.assign(6, -1);
        settings.borderless = 0;
        auto w = Show(l.width, l.height);
        QTest::qWait(30);
        w->grab().save(folder + "/" + l.name + ".png");
    }
}

} // namespace
} // namespace orbel
