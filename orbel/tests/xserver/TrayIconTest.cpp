// The tray icon in a real X server with a real tray host (run by run_in_xvfb_with_tray.sh):
// embedded, its tip, its menu on a click, Hide and the double-click that shows the window.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <iostream>

#include <gtest/gtest.h>

#include "settings/RegistryStore.h"
#include "shell/qt/ClockShell.h"
#include "sync/SystemClock.h"

namespace orbel {
namespace {

class StillClock : public SystemClock {
public:
    CalendarTime LocalNow() override { return {2026, 12, 8, 11, 0, 0, 0, 2, 342}; }
    CalendarTime UtcNow() override { return {2026, 12, 8, 10, 0, 0, 0, 2, 342}; }
    bool SetTimeWithPrivilege(const CalendarTime&, bool) override { return false; }
    std::string LastErrorText() const override { return "not in a test"; }
};

// Real pointer input through the X server's test extension.
void Xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(p.waitForFinished(5000)) << "xdotool " << args.join(' ').toStdString();
}

// Where the tray host shows our icon, in screen coordinates: the window of this program
// found under trayer's "panel" window in the X server's window tree; empty until then.
QRect EmbeddedIcon()
{
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {"-root", "-tree"});
    if (!p.waitForFinished(5000))
        return {};
    const QString app = QLatin1Char('"') + QCoreApplication::applicationName() + QLatin1Char('"');
    bool inPanel = false;
    int panelIndent = 0;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const int indent = int(line.size() - line.trimmed().size());
        if (line.contains(QStringLiteral("(\"panel\" \"trayer\")"))) {
            inPanel = true;
            panelIndent = indent;
            continue;
        }
        if (inPanel && indent <= panelIndent && line.contains(QStringLiteral("0x")))
            inPanel = false;
        // 0x40000d "app": ("app" "app")  22x22+0+0  +1001+1
        static const QRegularExpression geometry(
            QStringLiteral("(\\d+)x(\\d+)\\S*\\s+\\+(-?\\d+)\\+(-?\\d+)\\s*$"));
        const auto m = geometry.match(line);
        if (inPanel && line.contains(app) && m.hasMatch())
            return QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                         m.captured(2).toInt());
    }
    return {};
}

// The icon's place once the tray host has stopped moving its panel: two readings 200 ms
// apart agree and the icon lies on the screen; empty when that does not happen in 5 s.
QRect SettledIcon()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QRect last;
    for (int i = 0; i < 25; ++i) {
        const QRect now = EmbeddedIcon();
        if (!now.isEmpty() && now == last && screen.contains(now))
            return now;
        last = now;
        QTest::qWait(200);
    }
    return {};
}

void Shot(const char* name)
{
    const QString folder = qEnvironmentVariable("ORBEL_SHOT_DIR");
    if (folder.isEmpty())
        return;
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!screen.save(folder + "/" + name))
        std::cerr << "could not save " << name << " (" << screen.width() << "x" << screen.height()
                  << ")\n";
}

TEST(TrayIcon, EmbeddedWithItsTipAndMenuAndHidesTheWindow)
{
    QTemporaryDir dir;
    MemoryRegistryStore store;
    StillClock clock;
    ShellConfig config;
    config.platform = SystemSettingsPlatform(dir.path().toStdString());
    config.store = &store;
    config.programPath = "/opt/orbel/orbel";
    config.systemClock = &clock;
    config.window.utcNow = config.platform.utcNow;
    config.window.localNow = config.platform.utcNow;
    ClockShell shell(config);
    ASSERT_EQ(shell.Start(), StartResult::Running);
    QSystemTrayIcon* tray = shell.Tray();
    ASSERT_NE(tray, nullptr) << "the tray host is running, so the icon must be added";

    // Embedded: the icon's window has become a child of the tray host's panel.
    QRect icon;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(icon = EmbeddedIcon()).isEmpty(); }, 5000))
        << "the icon never appeared inside trayer's panel";
    EXPECT_LE(icon.width(), 64);
    icon = SettledIcon();
    ASSERT_FALSE(icon.isEmpty()) << "the tray host never settled the icon on the screen";
    const QString x = QString::number(icon.center().x()), y = QString::number(icon.center().y());

    // The tip shows when the pointer rests on the icon.
    // (Moved again a little while it does not show: a busy machine may miss the first hover.)
    bool tip = false;
    for (int attempt = 0; attempt < 4 && !tip; ++attempt) {
        Xdotool({"mousemove", x, y});
        QTest::qWait(100);
        Xdotool({"mousemove_relative", "--", "1", "1"});
        tip = QTest::qWaitFor([&] { return QToolTip::isVisible(); }, 3000);
    }
    ASSERT_TRUE(tip) << "no tip over the icon at " << x.toStdString() << "," << y.toStdString();
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Quillon Software Orbel - World clock"));

    // A right click opens the menu, with Hide first and bold.
    ClockWindow* window = shell.Window();
    ASSERT_TRUE(window->isVisible());
    Xdotool({"click", "3"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.Menu()->isVisible(); }, 5000));
    QTest::qWait(200);
    Shot("tray-menu.png");
    QAction* hide = shell.Action(kCmdShowHide);
    EXPECT_EQ(hide->text(), QStringLiteral("Hid&e\tV"));
    EXPECT_EQ(shell.Menu()->defaultAction(), hide);
    EXPECT_TRUE(shell.Action(kCmdOptions)->isEnabled());

    // Clicking Hide hides the window.
    const QRect item = shell.Menu()->actionGeometry(hide);
    const QPoint at = shell.Menu()->mapToGlobal(item.center());
    Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 5000));
    EXPECT_EQ(shell.Settings().visible, 0u);
    EXPECT_EQ(hide->text(), QStringLiteral("Sho&w\tV"));

    // A double-click on the icon shows it again.
    Xdotool({"mousemove", x, y, "click", "--repeat", "2", "--delay", "80", "1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 5000));
    EXPECT_EQ(shell.Settings().visible, 1u);
    shell.Quit(EndReason::Closed);
    EXPECT_EQ(shell.Tray(), nullptr); // the end removed the icon
}

} // namespace
} // namespace orbel

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The tray host may take a moment to claim the tray.
    QElapsedTimer waited;
    waited.start();
    while (!QSystemTrayIcon::isSystemTrayAvailable() && waited.elapsed() < 5000)
        QTest::qWait(100);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        std::cerr << "SKIPPED: no tray host claimed the system tray of this X server\n";
        return 77;
    }
    return RUN_ALL_TESTS();
}
