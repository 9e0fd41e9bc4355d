// The zone tables read into cities and countries: both tables, old names, damaged lines.
#include <gtest/gtest.h>

#include <string>

#include "../zones/ZoneTestFiles.h"
#include "sun/ZoneCoordinates.h"

using namespace orbel;

namespace {

TEST(ZoneAtlasTest, CoordinatesOfBothFormsAndRefusedShapes)
{
    struct Case {
        const char* text;
        bool valid;
        double latitude, longitude;
    } cases[] = {
        {"+4043-07400", true, 40 + 43 / 60.0, -74.0},
        {"+404251-0740023", true, 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 23 / 3600.0)},
        {"-3352+15113", true, -(33 + 52 / 60.0), 151 + 13 / 60.0},
        {"-9000+00000", true, -90.0, 0.0},
        {"+4043-0740", false, 0, 0},    // longitude one digit short
        {"+9130-07400", false, 0, 0},   // beyond the pole
        {"+4060-07400", false, 0, 0},   // sixty minutes
        {"4043-07400", false, 0, 0},    // no sign
        {"+40a3-07400", false, 0, 0},   // not a digit
        {"+4043-07400+1", false, 0, 0}, // trailing rubbish
        {"", false, 0, 0},
    };
    for (const auto& c : cases) {
        const auto where = ParseZoneCoordinates(c.text);
        ASSERT_EQ(where.has_value(), c.valid) << c.text;
        if (c.valid) {
            EXPECT_NEAR(where->latitude, c.latitude, 1e-9) << c.text;
            EXPECT_NEAR(where->longitude, c.longitude, 1e-9) << c.text;
        }
    }
}

TEST(ZoneAtlasTest, TablesOldNamesAndCountries)
{
    test::TempFolder tz;
    tz.Write("iso3166.tab", std::string("#code\tname\nDE\tGermany\nNO\tNorway\nUA\tUkraine\n"));
    tz.Write("zone1970.tab",
             std::string("# comment\n"
                         "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
                         "UA\t+5026+03031\tEurope/Kyiv\tmost of Ukraine\r\n"
                         "XX\tnonsense\tEurope/Nowhere\n"
                         "YY\t+0100+00100\tAsia/Unnamed\n"));
    tz.Write("zone.tab", std::string("DE\t+5230+01322\tEurope/Berlin\n"
                                     "NO\t+5955+01045\tEurope/Oslo\n"));
    tz.Write("tzdata.zi", std::string("L Europe/Kyiv Europe/Kiev\nL Europe/Berlin Arctic/Oslo2\n"));
    const ZoneAtlas atlas = ZoneAtlas::Read(tz.path());

    EXPECT_EQ(atlas.size(), 4u); // Berlin, Kyiv, Oslo, Unnamed
    ASSERT_TRUE(atlas.Find("Europe/Oslo"));
    EXPECT_NEAR(atlas.Find("Europe/Oslo")->latitude, 59 + 55 / 60.0, 1e-9);
    EXPECT_EQ(atlas.CountryOf("Europe/Oslo"), "Norway");
    // zone.tab's one country wins over zone1970.tab's list.
    EXPECT_EQ(atlas.CountryOf("Europe/Berlin"), "Germany");
    // An old name finds the zone's city; a line with a carriage return is read.
    ASSERT_TRUE(atlas.Find("Europe/Kiev"));
    EXPECT_NEAR(atlas.Find("Europe/Kiev")->longitude, 30 + 31 / 60.0, 1e-9);
    EXPECT_EQ(atlas.CountryOf("Europe/Kiev"), "Ukraine");
    // A country iso3166.tab does not name keeps its code.
    EXPECT_EQ(atlas.CountryOf("Asia/Unnamed"), "YY");
    // Zones without a city: none, said by an empty answer.
    for (const char* key : {"Europe/Nowhere", "Etc/GMT+5", "Custom zone", ""}) {
        EXPECT_FALSE(atlas.Find(key)) << key;
        EXPECT_EQ(atlas.CountryOf(key), "") << key;
    }
    // A folder without tables: an empty atlas, not a failure.
    EXPECT_EQ(ZoneAtlas::Read(tz.path() / "missing").size(), 0u);
}

} // namespace
