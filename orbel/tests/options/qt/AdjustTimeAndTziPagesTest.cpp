// The Adjust Time and TZI pages inside the options sheet, as a user meets them: transfers
// against time servers on loopback, the clock set through a clock of the test's own (never
// this machine's), the automatic schedule's fields, the usage of a real corrected zone
// database file in a temporary folder, and what bad input leaves behind.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include <gtest/gtest.h>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPPClocks.h"
#include "options/qt/CPPDST.h"
#include "options/qt/CPPSynch.h"
#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "sync/ServerSetting.h"
#include "sync/SystemClock.h"
#include "sync/qt/CSyncClient.h"
#include "tests/sync/FakeSystemClock.h"
#include "zones/SystemZones.h"
#include "zones/ZoneDatabase.h"

namespace orbel {
namespace {

constexpr int kBoundMs = 5000;

// A Time Protocol server on 127.0.0.1 that sends `bytes` to each connection and closes.
class LoopbackServer {
public:
    explicit LoopbackServer(QByteArray bytes)
    {
        QObject::connect(&server_, &QTcpServer::newConnection, [this, bytes] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->write(bytes);
                s->disconnectFromHost();
            }
        });
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    }
    QString Setting() const
    {
        return QStringLiteral("127.0.0.1:%1 loopback").arg(server_.serverPort());
    }
    void Close() { server_.close(); }

private:
    QTcpServer server_;
};

// Seconds since 1900 of a UTC instant, in network order.
QByteArray TimeProtocolAnswer(int y, int mo, int d, int h, int mi, int s)
{
    const double since1900 =
        (DateTime::FromCalendar(y, mo, d, h, mi, s) - DateTime::FromCalendar(1900, 1, 1)).days() *
        86400.0;
    const auto v = static_cast<quint32>(std::llround(since1900));
    QByteArray b(4, '\0');
    b[0] = char(v >> 24), b[1] = char(v >> 16), b[2] = char(v >> 8), b[3] = char(v);
    return b;
}

// The clock the page and its transfers see: the standing fake unless a test hands in another.
class ChosenClock : public SystemClock {
public:
    explicit ChosenClock(SystemClock& initial) : to(&initial) {}
    CalendarTime LocalNow() override { return to->LocalNow(); }
    CalendarTime UtcNow() override { return to->UtcNow(); }
    bool SetTimeWithPrivilege(const CalendarTime& utc, bool ask) override
    {
        return to->SetTimeWithPrivilege(utc, ask);
    }
    std::string LastErrorText() const override { return to->LastErrorText(); }
    SystemClock* to;
};

class Pages : public ::testing::Test {
protected:
    Pages()
    {
        platform.dataFolder = dir.path().toStdString();
        platform.utcNow = [this] { return DateTimeFromCalendar(chosen.UtcNow()); };
        platform.localZone = [] { return TimeZoneInformation{}; };
        platform.defaultGuiFont.weight = 400;
        platform.defaultGuiFont.height = 16;
        platform.defaultGuiFont.SetFace("DejaVu Sans");
        settings.SetDefaults();
        settings.modified = 0;
        ClockWindowEnv windowEnv;
        windowEnv.utcNow = platform.utcNow;
        windowEnv.localNow = [this] { return DateTimeFromCalendar(chosen.LocalNow()); };
        window = std::make_unique<ClockWindow>(settings, windowEnv);
        env.settings = &settings;
        env.clockWindow = window.get();
        env.sync = &sync;
        env.systemClock = &chosen;
        env.zoneSources.programFolder = dir.path().toStdString();
        env.zoneSources.referenceYear = 2026;
        env.utcNow = windowEnv.utcNow;
        env.localNow = windowEnv.localNow;
        env.showMessage = [this](QWidget*, const std::string& text, MessageIcon) {
            messages.push_back(text);
        };
    }

    // The sheet open on a page.
    template <class Page> Page* Open(int index)
    {
        sheet = std::make_unique<CPSOptions>(env, &lastRect, window.get());
        sheet->SetActivePage(index);
        sheet->show();
        auto* page = dynamic_cast<Page*>(sheet->Page(index));
        EXPECT_NE(page, nullptr);
        return page;
    }

    std::string At(const DateTime& t, const char* format)
    {
        return FormatDateTime(t, format, env.locale);
    }

    QTemporaryDir dir;
    SettingsPlatform platform;
    MemoryRegistryStore store;
    CAppSettings settings{store, platform, "/opt/orbel/orbel"};
    test::FakeSystemClock clock;
    ChosenClock chosen{clock};
    CSyncClient sync{settings.syncRecord, chosen};
    std::unique_ptr<ClockWindow> window;
    OptionsEnvironment env;
    std::optional<Rect> lastRect;
    std::unique_ptr<CPSOptions> sheet;
    std::vector<std::string> messages;
};

// Download through the page, then set the minutes and seconds from the reading.
TEST_F(Pages, DownloadShowsTheReadingAndAdjustingUsesIt)
{
    // The server is 61 seconds ahead of this computer.
    LoopbackServer server(TimeProtocolAnswer(2026, 12, 8, 20, 1, 2));
    CPPSynch* page = Open<CPPSynch>(3);
    EXPECT_EQ(page->Server()->itemText(0).toStdString(), DefaultServerSetting());
    EXPECT_FALSE(page->SetToLocalTime()->isEnabled()); // no reading yet
    EXPECT_EQ(page->Reading(QStringLiteral("UTC:")), QString());

    page->Server()->setEditText(server.Setting());
    page->Download()->click();
    EXPECT_EQ(page->Download()->text(), QStringLiteral("Cance&l"));
    EXPECT_EQ(settings.server, server.Setting().toStdString()); // stored first
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return page->Download()->text() == QStringLiteral("Down&load"); }, kBoundMs));
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(page->Reading(QStringLiteral("UTC:")).toStdString(),
              At(DateTime::FromCalendar(2026, 12, 8, 20, 1, 2), "%X %x"));
    EXPECT_EQ(page->Reading(QStringLiteral("Local:")).toStdString(),
              At(DateTime::FromCalendar(2026, 12, 8, 21, 1, 2), "%X %x"));
    // 21:00:00.700 shows as the nearest second.
    EXPECT_EQ(page->Reading(QStringLiteral("This PC:")).toStdString(),
              At(DateTime::FromCalendar(2026, 12, 8, 21, 0, 1), "%X %x"));
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QStringLiteral("00:01:01 behind"));
    EXPECT_TRUE(page->SetToLocalTime()->isEnabled());
    EXPECT_TRUE(page->AdjustMinSec()->isEnabled());

    // Minutes and seconds only: 21:00:00.700 becomes 21:01:01.700 (20:01:01.700 UTC), hour
    // and date kept.
    page->AdjustMinSec()->click();
    ASSERT_EQ(clock.set.size(), 1u);
    EXPECT_EQ(clock.set[0].hour, 20);
    EXPECT_EQ(clock.set[0].minute, 1);
    EXPECT_EQ(clock.set[0].second, 1);
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QStringLiteral("00:00:00 OK"));
    EXPECT_FALSE(page->SetToLocalTime()->isEnabled());
    EXPECT_FALSE(page->AdjustMinSec()->isEnabled());
    EXPECT_EQ(page->Last()->text().toStdString(),
              At(DateTimeFromCalendar(clock.LocalNow()), "%X %x"));
    EXPECT_TRUE(settings.IsModified());
}

// In Madrid at 02:58 CEST on 25 October 2026, the last minutes before the clocks go back,
// a server 5 minutes ahead: Set to Local Time lands on 02:03 CET, an hour later by the
// instant and not two. Then, in the repeated hour, a server 1 h 2 min ahead: Adjust Min. &
// Sec. Only moves the clock two minutes and leaves the hour.
TEST_F(Pages, SettingTheClockInTheRepeatedHourLandsOnTheServersInstant)
{
    const test::ZoneForTest madrid("Europe/Madrid");
    test::ZonedFakeClock zoned;
    zoned.utcMs = test::ZonedFakeClock::Ms(2026, 10, 25, 0, 58, 0);
    chosen.to = &zoned;
    LoopbackServer fiveAhead(TimeProtocolAnswer(2026, 10, 25, 1, 3, 0));
    LoopbackServer hourAhead(TimeProtocolAnswer(2026, 10, 25, 2, 5, 0));
    CPPSynch* page = Open<CPPSynch>(3);

    auto download = [&](const LoopbackServer& server) {
        page->Server()->setEditText(server.Setting());
        page->Download()->click();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return page->Download()->text() == QStringLiteral("Down&load"); }, kBoundMs));
        EXPECT_TRUE(messages.empty()) << messages.front();
    };
    download(fiveAhead);
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QStringLiteral("00:05:00 behind"));
    page->SetToLocalTime()->click();
    ASSERT_EQ(zoned.set.size(), 1u);
    EXPECT_EQ(zoned.set[0], test::ZonedFakeClock::Ms(2026, 10, 25, 1, 3, 0));
    EXPECT_EQ(zoned.LocalNow().hour, 2); // 02:03 CET

    download(hourAhead);
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QStringLiteral("01:02:00 behind"));
    page->AdjustMinSec()->click();
    ASSERT_EQ(zoned.set.size(), 2u);
    EXPECT_EQ(zoned.set[1], test::ZonedFakeClock::Ms(2026, 10, 25, 1, 5, 0));
    EXPECT_EQ(page->Reading(QStringLiteral("Difference:")), QStringLiteral("01:00:00 behind"));
    EXPECT_EQ(page->Last()->text().toStdString(),
              At(DateTime::FromCalendar(2026, 10, 25, 2, 3, 0), "%X %x"));
}

TEST_F(Pages, TransferErrorsAndARefusedSettingAreShownAndChangeNothing)
{
    LoopbackServer threeBytes(QByteArray("\xE1\x00\x00", 3));
    LoopbackServer refusing(QByteArray(4, '\0'));
    const QString refused = refusing.Setting();
    refusing.Close(); // nothing listens there any more
    CPPSynch* page = Open<CPPSynch>(3);

    struct Case {
        QString server;
        std::string message;
    } cases[] = {
        {refused, "Error #10061: Connection refused."},
        {threeBytes.Setting(),
         "Error #11004: Valid name, no data record of requested type (missing A record?)."},
    };
    for (const Case& c : cases) {
        messages.clear();
        page->Server()->setEditText(c.server);
        page->Download()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, kBoundMs));
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        EXPECT_EQ(page->Download()->text(), QStringLiteral("Down&load"));
        EXPECT_EQ(settings.syncRecord.status, 1);
        EXPECT_EQ(page->Reading(QStringLiteral("UTC:")), QString());
    }

    // The system refuses to set the clock: its own words, nothing recorded as adjusted.
    settings.syncRecord.status = 0;
    settings.syncRecord.serverLocal = DateTime::FromCalendar(2026, 12, 8, 21, 5, 0);
    settings.syncRecord.pcLocal = DateTime::FromCalendar(2026, 12, 8, 21, 0, 0);
    page->OnSetActive();
    clock.refusal = TimedatedRefusalText("org.freedesktop.timedate1.AutomaticTimeSyncEnabled", "");
    messages.clear();
    page->SetToLocalTime()->click();
    EXPECT_EQ(messages, std::vector<std::string>{clock.refusal});
    EXPECT_TRUE(clock.set.empty());
    EXPECT_EQ(settings.syncRecord.status, 0);
    EXPECT_FALSE(settings.lastAdjusted.valid());
}

TEST_F(Pages, TheAutomaticFlagStoresLastAndNextAndBadValuesAreRefused)
{
    CPPSynch* page = Open<CPPSynch>(3);
    EXPECT_EQ(page->Every()->text(), QStringLiteral("7"));
    EXPECT_EQ(page->Last()->text(), QString());
    page->Adjust()->setChecked(true);
    page->Every()->setText(QStringLiteral("3"));
    ASSERT_TRUE(sheet->PressApply());
    const DateTime now = DateTimeFromCalendar(clock.LocalNow());
    EXPECT_NE(settings.displayFlags & kOptionAutoAdjust, 0u);
    EXPECT_EQ(settings.lastAdjusted, now); // the first interval starts now
    EXPECT_EQ(settings.adjustmentInterval, 3u * 86400u);
    EXPECT_EQ(page->Last()->text().toStdString(), At(now, "%X %x"));
    EXPECT_EQ(page->Next()->text().toStdString(),
              At(now + DateTimeSpan::FromSeconds(3 * 86400), "%x"));
    EXPECT_EQ(sheet->CancelButton()->text(), QStringLiteral("&Close"));

    // One beyond each end, letters, nothing, and a name the name service cannot take: the
    // message, the sheet stays open on the page, the settings as they were.
    const std::string server = settings.server;
    struct Case {
        QString every, server;
        std::string message;
    } cases[] = {
        {"0", {}, "Please enter an integer between 1 and 365."},
        {"366", {}, "Please enter an integer between 1 and 365."},
        {"three", {}, "Please enter an integer between 1 and 365."},
        {"", {}, "Please enter an integer between 1 and 365."},
        {"5", QString(300, QLatin1Char('n')), "Please enter no more than 255 characters."},
    };
    for (const Case& c : cases) {
        messages.clear();
        page->Every()->setText(c.every);
        page->Server()->setEditText(c.server.isEmpty() ? QString::fromStdString(server) : c.server);
        EXPECT_FALSE(sheet->PressOk()) << c.every.toStdString();
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->ActiveIndex(), 3);
        EXPECT_EQ(settings.adjustmentInterval, 3u * 86400u);
        EXPECT_EQ(settings.server, server);
        EXPECT_EQ(settings.lastAdjusted, now);
    }
}

// A corrected database with a Madrid correction (Merge) and a Tokyo record for Replace.
void WriteDatabase(const std::filesystem::path& folder, const CRegTimeZoneList& system)
{
    CRegTimeZoneList file;
    for (const auto& z : system) {
        if (z->keyName != "Europe/Madrid" && z->keyName != "Asia/Tokyo")
            continue;
        CRegTimeZone r = *z;
        r.flags = z->keyName == "Asia/Tokyo" ? 3u : CRegTimeZone::kCorrectionFlag;
        r.info.DaylightBias = -60;
        r.info.DaylightDate = {0, 4, 0, 1, 2, 0, 0, 0}; // first Sunday of April
        r.info.StandardDate = {0, 9, 0, 5, 3, 0, 0, 0}; // last Sunday of September
        file.Add(r);
    }
    std::string error;
    ASSERT_TRUE(SaveZoneDatabase(file, folder, DateTime::FromCalendar(2026, 1, 2), error)) << error;
}

TEST_F(Pages, SwitchingToReplaceRebuildsZonesAndClocks)
{
    CRegTimeZoneList system;
    ReadSystemZones(system, kSystemZoneFolder, 2026);
    WriteDatabase(dir.path().toStdString(), system);
    settings.clocks.Clear();
    CClock& tokyo = settings.clocks.Add();
    for (const auto& z : system)
        if (z->keyName == "Asia/Tokyo")
            CopyZone(tokyo.zone, *z);
    EXPECT_FALSE(tokyo.zone.HasDaylightSaving());

    CPPDST* page = Open<CPPDST>(4);
    EXPECT_EQ(page->Status()->text().toStdString(),
              "2 record(s) found in " + (dir.path().toStdString() + "/OrbelTZI.dat"));
    ASSERT_EQ(page->Usage()->count(), 3);
    EXPECT_EQ(page->Usage()->currentIndex(), 0); // Ignore
    EXPECT_GT(page->Zone()->count(), 300);
    page->Zone()->setCurrentIndex(
        page->Zone()->findText(QStringLiteral("(UTC+01:00) Europe/Madrid")));
    EXPECT_EQ(page->SystemStart()->text(), QStringLiteral("Last Sunday of March at 02:00:00"));
    EXPECT_EQ(page->OrbelStart()->text(), QStringLiteral("Same as Windows"));

    page->Usage()->setCurrentIndex(2); // Replace (use Orbel records)
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    ASSERT_TRUE(sheet->PressApply());
    EXPECT_EQ(settings.displayFlags & kOptionUsageMask, kOptionReplace);
    // Only the file's replacement record is offered, and the clock took its rules.
    ASSERT_EQ(page->Zone()->count(), 1);
    EXPECT_EQ(page->Zone()->currentIndex(), -1);
    EXPECT_TRUE(settings.clocks.At(0).zone.HasDaylightSaving());
    // The Clocks page offers the same single zone.
    auto* clocksPage = dynamic_cast<CPPClocks*>(sheet->Page(0));
    ASSERT_NE(clocksPage, nullptr);
    EXPECT_EQ(clocksPage->ZonePicker()->count(), 1);
    page->Zone()->setCurrentIndex(0);
    EXPECT_EQ(page->SystemStart()->text(), QStringLiteral("None"));
    EXPECT_EQ(page->OrbelStart()->text(), QStringLiteral("1st Sunday of April at 02:00:00"));
}

TEST_F(Pages, ADamagedOrMissingDatabaseOffersOnlyIgnoreAndKeepsTheMode)
{
    settings.displayFlags = (settings.displayFlags & ~kOptionUsageMask) | kOptionMerge;
    const std::uint32_t flags = settings.displayFlags;
    const std::string path = dir.path().toStdString() + "/OrbelTZI.dat";
    for (const bool damaged : {true, false}) {
        if (damaged) {
            std::ofstream(path, std::ios::binary) << "TZDB\x01\x00\x01\x00\xFF\xFF\xFF";
        } else {
            std::filesystem::remove(path);
        }
        CPPDST* page = Open<CPPDST>(4);
        EXPECT_FALSE(page->Status()->text().isEmpty());
        EXPECT_EQ(page->Status()->text().indexOf(QStringLiteral("record(s) found")), -1);
        ASSERT_EQ(page->Usage()->count(), 1);
        EXPECT_EQ(page->Usage()->itemText(0), QStringLiteral("Ignore (use system records)"));
        EXPECT_EQ(page->Usage()->currentIndex(), -1); // Merge is not on offer
        EXPECT_TRUE(sheet->PressOk());
        EXPECT_EQ(settings.displayFlags, flags) << (damaged ? "damaged" : "missing");
    }
}

} // namespace
} // namespace orbel
