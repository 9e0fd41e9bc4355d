// The program itself, run as a user runs it: a settings file with clocks named outside the
// code page and holding yesterday's zone rules, the program started and ended by SIGTERM,
// then listed with --clocks and read back.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "settings/AppSettings.h"
#include "settings/RegistryStore.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

const std::string kMoscow = "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"; // Москва
const std::string kTokyo = "\xE6\x9D\xB1\xE4\xBA\xAC";                          // 東京
const std::string kSaoPaulo = "S\xC3\xA3o Paulo";                               // São Paulo

SettingsPlatform PlatformIn(const QString& folder)
{
    SettingsPlatform p;
    p.dataFolder = folder.toStdString();
    p.localZone = [] { return TimeZoneInformation{}; };
    return p;
}

CClock ClockOn(const std::string& name, const std::string& key, TimeZoneInformation info)
{
    CClock c;
    c.name = name;
    c.zone.keyName = key;
    c.zone.displayName = key;
    c.zone.info = info;
    return c;
}

class ClockProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    }
    // Started, left to run, ended by SIGTERM: exit code 0.
    void RunUntilTerm()
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, {"--data-dir", dir.path()});
        ASSERT_TRUE(p.waitForStarted(5000));
        QTest::qWait(1500);
        ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    QString Clocks()
    {
        QProcess list;
        list.setProcessEnvironment(env);
        list.start(program, {"--data-dir", dir.path(), "--clocks"});
        EXPECT_TRUE(list.waitForFinished(10000));
        EXPECT_EQ(list.exitCode(), 0) << list.readAllStandardError().toStdString();
        return QString::fromUtf8(list.readAllStandardOutput());
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
    const QString program = QStringLiteral(TEST_PROGRAM_DIR "/orbel");
};

// Names in Cyrillic and Japanese come back whole after a restart, and every clock takes
// the rules of today's tz database by its key at start (Ignore mode): Brazil's dropped
// daylight saving and the right offset of a clock stored on the all-zero zone.
TEST_F(ClockProgramTest, NamesOutsideTheCodePageAndTodaysZoneRulesSurviveARestart)
{
    for (const char* zone : {"Asia/Tokyo", "Europe/Moscow", "America/Sao_Paulo"})
        if (!std::filesystem::exists(kSystemZoneFolder / zone))
            GTEST_SKIP() << "no tz database on this system";
    {
        MemoryRegistryStore store;
        CAppSettings s(store, PlatformIn(dir.path()), "/p");
        s.SetDefaults();
        // Moscow as it was before 2011: daylight saving from the last Sunday of March.
        TimeZoneInformation oldMoscow;
        oldMoscow.Bias = -180;
        oldMoscow.DaylightBias = -60;
        oldMoscow.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
        oldMoscow.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
        // São Paulo as it was before 2019: summer time from the first Sunday of November.
        TimeZoneInformation oldSaoPaulo;
        oldSaoPaulo.Bias = 180;
        oldSaoPaulo.DaylightBias = -60;
        oldSaoPaulo.StandardDate = {0, 2, 0, 3, 0, 0, 0, 0};
        oldSaoPaulo.DaylightDate = {0, 11, 0, 1, 0, 0, 0, 0};
        s.clocks.Add(ClockOn(kMoscow, "Europe/Moscow", oldMoscow));
        s.clocks.Add(ClockOn(kTokyo, "Asia/Tokyo", TimeZoneInformation{}));
        s.clocks.Add(ClockOn(kSaoPaulo, "America/Sao_Paulo", oldSaoPaulo));
        ASSERT_TRUE(s.Save().ok);
    }

    RunUntilTerm();

    const QString listed = Clocks();
    const QStringList lines = listed.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << listed.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QString::fromStdString(kMoscow) + "\t"))
        << listed.toStdString();
    EXPECT_TRUE(lines[1].startsWith(QString::fromStdString(kTokyo) + "\t")) << listed.toStdString();
    EXPECT_TRUE(lines[2].startsWith(QString::fromStdString(kSaoPaulo) + "\t"))
        << listed.toStdString();

    // The program saved the refreshed rules at its end.
    MemoryRegistryStore store;
    CAppSettings read(store, PlatformIn(dir.path()), "/p");
    read.SetDefaults();
    ASSERT_EQ(read.Load().status, LoadResult::Status::Loaded);
    ASSERT_EQ(read.clocks.Count(), 3u);
    EXPECT_EQ(read.clocks.At(0).name, kMoscow);
    EXPECT_EQ(read.clocks.At(0).zone.info.Bias, -180);
    EXPECT_FALSE(read.clocks.At(0).zone.HasDaylightSaving());
    EXPECT_EQ(read.clocks.At(1).name, kTokyo);
    EXPECT_EQ(read.clocks.At(1).zone.info.Bias, -540);
    EXPECT_EQ(read.clocks.At(2).name, kSaoPaulo);
    EXPECT_EQ(read.clocks.At(2).zone.info.Bias, 180);
    EXPECT_FALSE(read.clocks.At(2).zone.HasDaylightSaving());
}

} // namespace
} // namespace orbel
