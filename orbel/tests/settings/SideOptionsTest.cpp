// The options kept beside the settings file: read back as written, other lines kept, and a
// damaged or oversized file read as no options at all.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "../zones/ZoneTestFiles.h"
#include "settings/SideOptions.h"

using namespace orbel;

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SideOptionsTest, DayAndNightKeptBesideTheSettingsWithOtherLinesIntact)
{
    test::TempFolder folder;
    EXPECT_FALSE(SideOptions::Read(folder.path()).DayAndNight()); // off without a file
    folder.Write(kSideOptionsFileName, std::string("planner-hours=9-18\r\nno equals sign\n=x\n"));
    SideOptions options = SideOptions::Read(folder.path());
    options.SetDayAndNight(true);
    std::string error;
    ASSERT_TRUE(options.Save(error)) << error;
    EXPECT_EQ(Contents(folder.path() / kSideOptionsFileName),
              "# Orbel's options beyond Orbel.dat\nday-and-night=1\nplanner-hours=9-18\n");
    EXPECT_TRUE(SideOptions::Read(folder.path()).DayAndNight());
    options.SetDayAndNight(false);
    ASSERT_TRUE(options.Save(error)) << error;
    EXPECT_FALSE(SideOptions::Read(folder.path()).DayAndNight());

    // An oversized file is not read; a value other than 1 is off.
    folder.Write(kSideOptionsFileName, "day-and-night=1\n" + std::string(70000, '#'));
    EXPECT_FALSE(SideOptions::Read(folder.path()).DayAndNight());
    folder.Write(kSideOptionsFileName, std::string("day-and-night=yes\n"));
    EXPECT_FALSE(SideOptions::Read(folder.path()).DayAndNight());
    // A folder that cannot be written: the failure is said, not hidden.
    SideOptions lost = SideOptions::Read(folder.path() / "missing");
    lost.SetDayAndNight(true);
    EXPECT_FALSE(lost.Save(error));
    EXPECT_FALSE(error.empty());
}

} // namespace
