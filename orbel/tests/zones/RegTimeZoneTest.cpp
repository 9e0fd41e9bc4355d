// Zone records: the 172-byte zone information, the stored record in both schemas, the
// sameness tests, copying, the filters and the stored list.
#include <gtest/gtest.h>

#include <vector>

#include "zones/RegTimeZoneList.h"

using namespace orbel;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Paris as the platform holds it: daylight from the last Sunday of March 02:00, standard
// from the last Sunday of October 03:00.
CRegTimeZone Paris()
{
    CRegTimeZone z;
    z.keyName = "Romance Standard Time";
    z.displayName = "(GMT +01:00) Paris, Madrid";
    z.mapId = "map-paris";
    z.info.Bias = -60;
    z.info.DaylightBias = -60;
    z.info.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};
    z.info.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};
    return z;
}

std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

} // namespace

TEST(ZoneInformation, LayoutOf172Bytes)
{
    TimeZoneInformation z = Paris().info;
    z.StandardBias = 7;
    std::uint8_t raw[172];
    z.ToBytes(raw);
    const Bytes b(raw, raw + 172);
    EXPECT_EQ(Le32(b, 0), 0xFFFFFFC4u);   // Bias -60
    EXPECT_EQ(b[68 + 2], 10);             // StandardDate.wMonth
    EXPECT_EQ(b[68 + 6], 5);              // StandardDate.wDay
    EXPECT_EQ(b[68 + 8], 3);              // StandardDate.wHour
    EXPECT_EQ(Le32(b, 84), 7u);           // StandardBias
    EXPECT_EQ(b[152 + 2], 3);             // DaylightDate.wMonth
    EXPECT_EQ(Le32(b, 168), 0xFFFFFFC4u); // DaylightBias
    EXPECT_EQ(TimeZoneInformation::FromBytes(raw), z);
}

TEST(ZoneInformation, DaylightSavingNeedsBothRules)
{
    TimeZoneInformation z = Paris().info;
    EXPECT_TRUE(z.HasDaylightSaving());
    z.DaylightDate.wMonth = 0;
    EXPECT_FALSE(z.HasDaylightSaving());
    z = Paris().info;
    z.StandardDate.wMonth = 0;
    EXPECT_FALSE(z.HasDaylightSaving());
}

TEST(ZoneInformation, SamenessComparesBiasesAndRulesOnly)
{
    TimeZoneInformation a = Paris().info, b = a;
    b.StandardName[0] = 'X'; // names do not count
    EXPECT_TRUE(IsSameZoneInformation(a, b));
    b.DaylightDate.wMilliseconds = 1; // the rule is compared byte for byte
    EXPECT_FALSE(IsSameZoneInformation(a, b));
    b = a;
    b.StandardBias = -1;
    EXPECT_FALSE(IsSameZoneInformation(a, b));
}

TEST(ZoneRecord, StoredFormSchema2)
{
    CRegTimeZone z = Paris();
    z.flags = 3;
    ArchiveWriter w;
    z.Store(w);
    const Bytes& b = w.bytes();
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 4), (Bytes{'T', 'Z', 'E', 'T'}));
    EXPECT_EQ(Le32(b, 4), 0x00020000u);
    EXPECT_EQ(Le32(b, 8), 3u);
    EXPECT_EQ(Le32(b, 12), 0u);
    std::size_t at = 16;
    EXPECT_EQ(b[at], z.keyName.size());
    at += 1 + z.keyName.size();
    EXPECT_EQ(b[at], z.displayName.size());
    at += 1 + z.displayName.size();
    EXPECT_EQ(b[at], z.mapId.size());
    at += 1 + z.mapId.size();
    EXPECT_EQ(Le32(b, at), 0u);
    EXPECT_EQ(b.size(), at + 4 + 172);

    ArchiveReader r(b);
    CRegTimeZone back;
    back.Load(r, 2);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(back.flags, 3u);
    EXPECT_EQ(back.keyName, z.keyName);
    EXPECT_EQ(back.displayName, z.displayName);
    EXPECT_EQ(back.mapId, z.mapId);
    EXPECT_EQ(back.info, z.info);
}

TEST(ZoneRecord, Schema1RecordHasNoFlagsAndNoMapId)
{
    // The older record: one skipped word, key name, display name, the 172 bytes.
    ArchiveWriter w;
    w.U32(0xDEADBEEF);
    w.Text("Old Key");
    w.Text("(GMT) Old");
    std::uint8_t raw[172];
    Paris().info.ToBytes(raw);
    w.Bytes(raw, 172);
    ArchiveReader r(w.bytes());
    CRegTimeZone z;
    z.flags = 3;
    z.mapId = "stale";
    z.Load(r, 1);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(z.flags, 0u);
    EXPECT_EQ(z.mapId, "");
    EXPECT_EQ(z.keyName, "Old Key");
    EXPECT_EQ(z.info, Paris().info);
}

TEST(ZoneRecord, SameZoneByKeyThenDisplayThenBiasMapAndDaylight)
{
    const CRegTimeZone a = Paris();
    EXPECT_FALSE(IsSameZone(a, nullptr));

    CRegTimeZone b; // nothing in common but the key
    b.keyName = a.keyName;
    EXPECT_TRUE(IsSameZone(a, &b));
    EXPECT_TRUE(IsSameZone(a, &b, true));

    b = CRegTimeZone{}; // the display name alone
    b.displayName = a.displayName;
    EXPECT_TRUE(IsSameZone(a, &b));
    EXPECT_FALSE(IsSameZone(a, &b, true));

    b = Paris(); // other names, same bias, map id and daylight saving
    b.keyName = "Other";
    b.displayName = "Other";
    b.info.DaylightDate.wMonth = 4; // other rules do not matter
    EXPECT_TRUE(IsSameZone(a, &b));
    EXPECT_FALSE(IsSameZone(a, &b, true));
    b.mapId = "map-berlin";
    EXPECT_FALSE(IsSameZone(a, &b));
    b.mapId = a.mapId;
    b.info.Bias = -120;
    EXPECT_FALSE(IsSameZone(a, &b));
    b.info.Bias = -60;
    b.info.StandardDate.wMonth = 0; // no daylight saving any more
    EXPECT_FALSE(IsSameZone(a, &b));

    // Texts compare exactly.
    b = CRegTimeZone{};
    b.keyName = "romance standard time";
    b.mapId = "x";
    EXPECT_FALSE(IsSameZone(a, &b));
}

TEST(ZoneRecord, CopyKeepsTheFlagsOfTheTarget)
{
    CRegTimeZone to;
    to.flags = 2;
    CRegTimeZone from = Paris();
    from.flags = 1;
    CopyZone(to, from);
    EXPECT_EQ(to.flags, 2u);
    EXPECT_EQ(to.keyName, from.keyName);
    EXPECT_EQ(to.mapId, from.mapId);
    EXPECT_EQ(to.info, from.info);
    CopyZone(to, to);
    EXPECT_EQ(to.keyName, from.keyName);
}

TEST(ZoneList, FiltersAndFindZone)
{
    CRegTimeZoneList list;
    CRegTimeZone plain = Paris();
    CRegTimeZone corr = Paris();
    corr.flags = CRegTimeZone::kCorrectionFlag;
    corr.displayName = "corr";
    CRegTimeZone both = Paris();
    both.flags = 3;
    both.displayName = "both";
    list.Add(plain);
    list.Add(corr);
    list.Add(both);

    CRegTimeZone probe = Paris();
    EXPECT_EQ(list.FindZone(probe, kZoneFilterAll)->displayName, plain.displayName);
    EXPECT_EQ(list.FindZone(probe, kZoneFilterCorrection)->displayName, "corr");
    EXPECT_EQ(list.FindZone(probe, kZoneFilterReplacement)->displayName, "both");
    EXPECT_EQ(list.FindZone(probe, kZoneFilterCorrection | kZoneFilterReplacement)->displayName,
              "corr");

    // Key only: a probe with another key but the same display name is not found.
    CRegTimeZone other = Paris();
    other.keyName = "Renamed";
    EXPECT_NE(list.FindZone(other, kZoneFilterAll), nullptr);
    EXPECT_EQ(list.FindZone(other, kZoneFilterAll | kZoneFilterKeyOnly), nullptr);

    // The picker sorts by display name: "(GMT ..." before "both" before "corr".
    const auto shown = list.PickerOrder(kZoneFilterAll);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0]->displayName, plain.displayName);
    EXPECT_EQ(shown[1]->displayName, "both");
    EXPECT_EQ(shown[2]->displayName, "corr");
    EXPECT_EQ(list.PickerOrder(kZoneFilterCorrection).size(), 2u);

    list.KeepOnly(kZoneFilterReplacement);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].displayName, "both");
}

TEST(ZoneList, StoredListRoundTripsWithItsHeader)
{
    CRegTimeZoneList list;
    list.title = "Corrections 2026";
    list.headerFlags = 0x10;
    CRegTimeZone a = Paris();
    a.flags = 1;
    CRegTimeZone b = Paris();
    b.flags = 3;
    b.keyName = "Second";
    list.Add(a);
    list.Add(b);
    ArchiveWriter w;
    list.Store(w, DateTime(46000.5));
    EXPECT_EQ(list.headerFlags, 0x11u); // bit 0 recomputed: a record has the replacement flag
    const Bytes& bytes = w.bytes();
    EXPECT_EQ(Le32(bytes, 0), 0x42445A54u);
    EXPECT_EQ(Le32(bytes, 4), 0x00010000u);

    CRegTimeZoneList back;
    ArchiveReader r(bytes);
    back.Load(r);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(back.title, list.title);
    EXPECT_EQ(back.headerFlags, 0x11u);
    EXPECT_EQ(back.saveTime, DateTime(46000.5));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].keyName, "Second");
    EXPECT_EQ(back[1].flags, 3u);
    EXPECT_EQ(back[0].info, a.info);

    // Without replacement records, bit 0 is cleared on writing.
    back[1].flags = 1;
    ArchiveWriter w2;
    back.Store(w2, DateTime(1.0));
    EXPECT_EQ(back.headerFlags, 0x10u);

    // Cut anywhere, the stream is refused; what was read before the cut stays.
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CRegTimeZoneList partial;
        ArchiveReader pr(bytes.data(), cut);
        EXPECT_THROW(partial.Load(pr), ArchiveError) << cut;
        EXPECT_LE(partial.size(), 1u);
    }
}
