// The Convert and Time in Zone windows as a user meets them: opened from the shell (its
// command, key and the double-click), typed into, with the real tz database's zones.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "clocks/qt/ConvertWindow.h"
#include "clocks/qt/TimeInZoneWindow.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "shell/qt/ClockShell.h"
#include "sync/SystemClock.h"
#include "tests/widgets/qt/WhenModal.h"
#include "zones/SystemZones.h"
#include "zones/ZoneDatabase.h"

namespace orbel {
namespace {

class NoClock : public SystemClock {
public:
    CalendarTime LocalNow() override { return {}; }
    CalendarTime UtcNow() override { return {}; }
    bool SetTimeWithPrivilege(const CalendarTime&, bool) override { return false; }
    std::string LastErrorText() const override { return {}; }
};

using testing::WhenModal;

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

QPushButton* Button(QWidget* window, const char* caption)
{
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == QLatin1String(caption))
            return b;
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
}

class ConversionWindows : public ::testing::Test {
protected:
    ConversionWindows()
    {
        ReadSystemZones(system, kSystemZoneFolder, 2026);
        config.platform.dataFolder = dir.path().toStdString();
        config.platform.utcNow = [this] { return utc; };
        config.platform.localToUnix = [](const DateTime& l) {
            return std::int64_t(l.ToUnixSeconds()) - 3600;
        };
        config.platform.unixToLocal = [](std::int64_t s) {
            return DateTime::FromUnixSeconds(double(s + 3600));
        };
        // The computer runs in Madrid.
        config.platform.localZone = [this] { return Zone("Europe/Madrid").info; };
        config.platform.defaultGuiFont.weight = 400;
        config.platform.defaultGuiFont.height = 16;
        config.platform.defaultGuiFont.SetFace("DejaVu Sans");
        config.store = &store;
        config.programPath = "/opt/orbel/orbel";
        config.systemClock = &noClock;
        config.window.utcNow = [this] { return utc; };
        config.window.localNow = [this] { return utc + DateTimeSpan::FromSeconds(3600); };
        config.useTray = false;
        TimeInZoneWindow::Forget();
    }

    const CRegTimeZone& Zone(const char* key)
    {
        for (const auto& z : system)
            if (z->keyName == key)
                return *z;
        ADD_FAILURE() << key << " is not in the tz database";
        return *system.begin()->get();
    }

    // The shell running with these clocks (name, zone, shown), 24-hour time.
    std::unique_ptr<ClockShell>
    Start(std::vector<std::tuple<const char*, const char*, bool>> clocks)
    {
        auto shell = std::make_unique<ClockShell>(config);
        EXPECT_EQ(shell->Start(), StartResult::Running);
        CAppSettings& s = shell->Settings();
        s.clocks.Clear();
        for (const auto& [name, zone, shown] : clocks) {
            CClock& c = s.clocks.Add();
            c.name = name;
            CopyZone(c.zone, Zone(zone));
            if (!shown)
                c.flags &= ~CClock::kActive;
        }
        s.displayFlags = (s.displayFlags & ~kOptionSeconds) | kOption24Hour;
        shell->Window()->resize(300, 60);
        shell->Window()->LayOut();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shell->Window()));
        shell->Window()->activateWindow(); // its keys are the commands'
        EXPECT_TRUE(QTest::qWaitForWindowActive(shell->Window()));
        return shell;
    }

    QTemporaryDir dir;
    CRegTimeZoneList system;
    MemoryRegistryStore store;
    NoClock noClock;
    ShellConfig config;
    DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 20); // Tuesday
};

TEST_F(ConversionWindows, ConvertWorksInBothRowsOnEveryKeystroke)
{
    auto shell = Start({{"Madrid", "Europe/Madrid", true},
                        {"Tokyo", "Asia/Tokyo", true},
                        {"New York", "America/New_York", true}});
    ASSERT_TRUE(shell->Action(kCmdConvert)->isEnabled());
    bool seen = false;
    WhenModal([&](QWidget* modal) {
        auto* w = qobject_cast<ConvertWindow*>(modal);
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Convert"));
        // Row 1 is the computer's own zone, row 2 (from the menu) the next shown clock; the
        // pickers list the clocks alphabetically.
        EXPECT_EQ(w->Picker(1)->currentText(), QStringLiteral("Madrid"));
        EXPECT_EQ(w->Picker(2)->currentText(), QStringLiteral("Tokyo"));
        EXPECT_EQ(w->Picker(1)->itemText(1), QStringLiteral("New York"));
        // Row 1 starts with Madrid's time now, converted at once.
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("11:15"));
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("19:15"));

        // Late evening in Madrid is the next morning in Tokyo, and each keystroke converts.
        Type(w->Time(1), QStringLiteral("23:3"));
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("07:03"));
        QTest::keyClick(w->Time(1), Qt::Key_0);
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("07:30"));
        EXPECT_EQ(w->Day(1)->text(), QStringLiteral("Tue 08"));
        EXPECT_EQ(w->Day(2)->text(), QStringLiteral("Wed 09"));

        // Typed in row 2: row 1 follows, a day earlier.
        Type(w->Time(2), QStringLiteral("8:00"));
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("00:00"));
        EXPECT_EQ(w->Day(1)->text(), QStringLiteral("Tue 08"));
        Type(w->Time(2), QStringLiteral("7:00"));
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("23:00"));
        EXPECT_EQ(w->Day(1)->text(), QStringLiteral("Mon 07"));
        EXPECT_EQ(w->Day(2)->text(), QStringLiteral("Tue 08"));

        // What does not read as a time: "Undefined", both days empty.
        for (const QString& bad : {QStringLiteral("seven"), QString(), QStringLiteral("24:00")}) {
            Type(w->Time(2), bad);
            EXPECT_EQ(w->Time(1)->text(), QStringLiteral("Undefined")) << bad.toStdString();
            EXPECT_EQ(w->Day(1)->text(), QString());
            EXPECT_EQ(w->Day(2)->text(), QString());
        }

        // Row 2's text does not read: choosing New York there resets it to New York's time.
        w->Picker(2)->setFocus();
        w->Picker(2)->setCurrentIndex(w->Picker(2)->findText(QStringLiteral("New York")));
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("05:15"));
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("11:15"));
        // Row 1's text reads: choosing Tokyo there recomputes row 1 from row 2.
        w->Picker(1)->setFocus();
        w->Picker(1)->setCurrentIndex(w->Picker(1)->findText(QStringLiteral("Tokyo")));
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("19:15"));
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("05:15"));

        // Reset: row 1's clock's time now, converted into row 2.
        utc = utc + DateTimeSpan::FromSeconds(3600);
        QTest::mouseClick(Button(w, "&Reset"), Qt::LeftButton);
        EXPECT_EQ(w->Time(1)->text(), QStringLiteral("20:15"));
        EXPECT_EQ(w->Time(2)->text(), QStringLiteral("06:15"));
        EXPECT_EQ(w->focusWidget(), w->Time(1));
    });
    QTest::keyClick(shell->Window(), Qt::Key_N);
    EXPECT_TRUE(seen);
}

TEST_F(ConversionWindows, DoubleClickChoosesTheClockUnderThePointer)
{
    auto shell = Start({{"Madrid", "Europe/Madrid", true},
                        {"Hidden", "Asia/Tokyo", false},
                        {"Tokyo", "Asia/Tokyo", true},
                        {"New York", "America/New_York", true}});
    QString row2;
    WhenModal([&](QWidget* modal) {
        if (auto* w = qobject_cast<ConvertWindow*>(modal))
            row2 = w->Picker(2)->currentText();
    });
    // Three shown clocks side by side: the third column is New York.
    const QRect client = shell->Window()->ClientRect();
    QTest::mouseDClick(shell->Window(), Qt::LeftButton, {},
                       QPoint(client.left() + client.width() * 5 / 6, client.center().y()));
    EXPECT_EQ(row2, QStringLiteral("New York"));
}

TEST_F(ConversionWindows, OneShownClockIsRefusedWithAWarning)
{
    auto shell = Start({{"Madrid", "Europe/Madrid", true},
                        {"Tokyo", "Asia/Tokyo", false},
                        {"Paris", "Europe/Paris", false},
                        {"New York", "America/New_York", false}});
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            icon = box->icon();
        }
    });
    shell->Action(kCmdConvert)->trigger();
    EXPECT_EQ(text, QStringLiteral("It takes 2 clocks to tango."));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(ConversionWindows, TimeInZoneRemembersItsZoneForTheRun)
{
    utc = DateTime::FromCalendar(2026, 7, 1, 12, 0, 0); // summer in Madrid
    auto shell = Start({{"Madrid", "Europe/Madrid", true}, {"Tokyo", "Asia/Tokyo", true}});
    const LocaleTexts locale = config.window.locale;
    auto shows = [&](int y, int mo, int d, int h) {
        return QString::fromStdString(
            FormatDateTime(DateTime::FromCalendar(y, mo, d, h, 0, 0), "%#c", locale));
    };
    bool opened = false;
    WhenModal([&](QWidget* modal) {
        auto* w = qobject_cast<TimeInZoneWindow*>(modal);
        ASSERT_NE(w, nullptr);
        opened = true;
        // The first time: no zone, no time, the box checked but not to be changed.
        EXPECT_EQ(w->Picker()->currentIndex(), -1);
        EXPECT_GT(w->Picker()->count(), 300);
        EXPECT_EQ(w->CurrentTime()->text(), QString());
        EXPECT_TRUE(w->DaylightBox()->isChecked());
        EXPECT_FALSE(w->DaylightBox()->isEnabled());

        w->Picker()->setCurrentIndex(
            w->Picker()->findText(QStringLiteral("(UTC+01:00) Europe/Madrid")));
        EXPECT_EQ(w->CurrentTime()->text(), shows(2026, 7, 1, 14));
        EXPECT_TRUE(w->DaylightBox()->isEnabled());
        w->DaylightBox()->setChecked(false); // standard time all year
        EXPECT_EQ(w->CurrentTime()->text(), shows(2026, 7, 1, 13));
        w->Picker()->setCurrentIndex(
            w->Picker()->findText(QStringLiteral("(UTC+09:00) Asia/Tokyo")));
        EXPECT_EQ(w->CurrentTime()->text(), shows(2026, 7, 1, 21));
        EXPECT_FALSE(w->DaylightBox()->isEnabled()); // Tokyo keeps no summer time
    });
    QTest::keyClick(shell->Window(), Qt::Key_T);
    ASSERT_TRUE(opened);

    QString again;
    WhenModal([&](QWidget* modal) {
        if (auto* w = qobject_cast<TimeInZoneWindow*>(modal))
            again = w->Picker()->currentText() + QLatin1Char('|') + w->CurrentTime()->text();
    });
    shell->Action(kCmdTimeInZone)->trigger();
    EXPECT_EQ(again, QStringLiteral("(UTC+09:00) Asia/Tokyo|") + shows(2026, 7, 1, 21));
}

// Not a test: writes an Orbel.dat with clocks in Madrid, Tokyo and New York into
// $ORBEL_SHOT_DIR, to run the program on and look at its windows (run with
// --gtest_also_run_disabled_tests --gtest_filter=*ShotSettings*).
TEST_F(ConversionWindows, DISABLED_ShotSettings)
{
    config.platform.dataFolder = qEnvironmentVariable("ORBEL_SHOT_DIR", dir.path()).toStdString();
    CAppSettings s(store, config.platform, config.programPath);
    s.SetDefaults();
    s.clocks.Clear();
    for (const auto& [name, zone] : {std::pair{"Madrid", "Europe/Madrid"},
                                     {"Tokyo", "Asia/Tokyo"},
                                     {"New York", "America/New_York"}}) {
        CClock& c = s.clocks.Add();
        c.name = name;
        CopyZone(c.zone, Zone(zone));
    }
    // A time server started by hand: loopback_time_server.py --port 3737 --offset 3725
    s.server = "127.0.0.1:3737 loopback";
    s.SetModified();
    EXPECT_TRUE(s.Save().ok);
    // And a corrected database: Madrid corrected, Tokyo replaced.
    CRegTimeZoneList file;
    for (const char* key : {"Europe/Madrid", "Asia/Tokyo"}) {
        CRegTimeZone r = Zone(key);
        r.flags = std::string(key) == "Asia/Tokyo" ? 3u : CRegTimeZone::kCorrectionFlag;
        r.info.DaylightBias = -60;
        r.info.DaylightDate = {0, 4, 0, 1, 2, 0, 0, 0};
        r.info.StandardDate = {0, 9, 0, 5, 3, 0, 0, 0};
        file.Add(r);
    }
    std::string error;
    EXPECT_TRUE(SaveZoneDatabase(file, config.platform.dataFolder, utc, error)) << error;
}

} // namespace
} // namespace orbel
