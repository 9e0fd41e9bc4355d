// The zone search: words found anywhere in key, shown name and country, without regard to
// case or accents, the items' order kept.
#include <gtest/gtest.h>

#include "zones/ZoneSearch.h"

using namespace orbel;

namespace {

CRegTimeZone Zone(const std::string& key, const std::string& offset)
{
    CRegTimeZone z;
    z.keyName = key;
    z.displayName = "(UTC" + offset + ") " + key;
    return z;
}

} // namespace

TEST(ZoneSearch, FindsByCityCountryKeyAndOffsetInTheGivenOrder)
{
    const std::vector<std::pair<CRegTimeZone, std::string>> zones = {
        {Zone("America/New_York", "-05:00"), "United States"},
        {Zone("America/Sao_Paulo", "-03:00"), "Brazil"},
        {Zone("Europe/Mariehamn", "+02:00"), "\xC3\x85land Islands"},
        {Zone("Europe/Oslo", "+01:00"), "Norway"},
        {Zone("Asia/Kolkata", "+05:30"), "India"},
        {Zone("Asia/Tokyo", "+09:00"), "Japan"},
        {Zone("Etc/UTC", "+00:00"), ""},
    };
    std::vector<std::string> items;
    for (const auto& [zone, country] : zones)
        items.push_back(ZoneSearchText(zone, country));

    const std::vector<std::pair<std::string, std::vector<std::size_t>>> cases = {
        {"osl", {3}},
        {"Japan", {5}},
        {"new york", {0}},   // the key's '_' reads as a blank
        {"NEW_YORK", {0}},   // and so does the typed one
        {"s\xC3\xA3o", {1}}, // "são": accents typed or not
        {"aland", {2}},      // "Åland" in the country
        {"utc+05:30", {4}},  // the shown offset
        {"america", {0, 1}}, // the items' own order
        {"asia japan", {5}}, // every word must be found
        {"asia norway", {}},
        {"", {0, 1, 2, 3, 4, 5, 6}},
        {"   ", {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(MatchingItems(items, ZoneQuery(typed)), expected) << typed;
}

TEST(ZoneSearch, FoldsLatinLettersAndLeavesOtherTextAlone)
{
    EXPECT_EQ(FoldForSearch("C\xC3\xB4te d'Ivoire"), "cote d'ivoire"); // Côte
    EXPECT_EQ(FoldForSearch("Cura\xC3\xA7"
                            "ao"),
              "curacao"); // Curaçao
    EXPECT_EQ(FoldForSearch("\xC5\x81\xC3\xB3"
                            "d\xC5\xBA"),
              "lodz"); // Łódź
    EXPECT_EQ(FoldForSearch("R\xC3\xA9union"), "reunion");
    EXPECT_EQ(FoldForSearch("\xC3\x97"), "\xC3\x97");                                 // the sign ×
    EXPECT_EQ(FoldForSearch("\xE6\x9D\xB1\xE4\xBA\xAC"), "\xE6\x9D\xB1\xE4\xBA\xAC"); // 東京
    EXPECT_EQ(FoldForSearch("\xC3"), "\xC3"); // a sequence cut short stays as it is
}
