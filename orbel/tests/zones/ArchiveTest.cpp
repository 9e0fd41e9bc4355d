// The stored byte encodings: texts with their three length forms and the wide marker,
// date-times, object lists with class records, tags and the long index.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zones/Archive.h"
#include "zones/CodePage.h"

using namespace orbel;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes TextBytes(const std::string& s)
{
    ArchiveWriter w;
    w.RawText(s);
    return w.Take();
}

std::string ReadText(const Bytes& b)
{
    ArchiveReader r(b);
    std::string s = r.Text();
    EXPECT_TRUE(r.AtEnd());
    return s;
}

struct Item {
    int value = 0;
    std::uint16_t schema = 0;
};

void ReadItem(ArchiveReader& r, Item& item, std::uint16_t schema)
{
    item.value = r.I32();
    item.schema = schema;
}

} // namespace

TEST(ArchiveText, LengthPrefixFormsAtTheirBoundaries)
{
    // Below 255: one byte.
    Bytes b = TextBytes(std::string(254, 'a'));
    ASSERT_EQ(b.size(), 255u);
    EXPECT_EQ(b[0], 254);
    // 255 needs the 0xFF escape and a 16-bit length.
    b = TextBytes(std::string(255, 'a'));
    ASSERT_EQ(b.size(), 3u + 255);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 3), (Bytes{0xFF, 0xFF, 0x00}));
    b = TextBytes(std::string(0xFFFD, 'a'));
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 3), (Bytes{0xFF, 0xFD, 0xFF}));
    // 0xFFFE would read as the wide marker, so from there on the 32-bit form is used.
    b = TextBytes(std::string(0xFFFE, 'a'));
    ASSERT_EQ(b.size(), 7u + 0xFFFE);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 7), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}));
    for (std::size_t n : {0u, 1u, 254u, 255u, 0xFFFDu, 0xFFFEu, 0xFFFFu, 0x10000u})
        EXPECT_EQ(ReadText(TextBytes(std::string(n, 'x'))).size(), n) << n;
}

TEST(ArchiveText, CodePageWhereItHoldsTheTextWideFormElsewhere)
{
    ArchiveWriter w;
    w.Text("Zürich €");
    EXPECT_EQ(w.bytes(), (Bytes{8, 'Z', 0xFC, 'r', 'i', 'c', 'h', ' ', 0x80}));
    EXPECT_EQ(ReadText(w.bytes()), "Zürich €");
    // What the code page cannot hold goes in the wide form: marker, count of units, units.
    ArchiveWriter w2;
    w2.Text("Ωx");
    EXPECT_EQ(w2.bytes(), (Bytes{0xFF, 0xFE, 0xFF, 2, 0xA9, 0x03, 'x', 0}));
    EXPECT_EQ(ReadText(w2.bytes()), "Ωx");
    // Bytes that are no UTF-8 keep the code page, with '?'.
    ArchiveWriter w3;
    w3.Text("a\xC3");
    EXPECT_EQ(w3.bytes(), (Bytes{2, 'a', '?'}));
    // 255 units and more take the 16-bit count after the marker.
    std::string greek;
    for (int i = 0; i < 300; ++i)
        greek += "Ω";
    ArchiveWriter w4;
    w4.Text(greek);
    EXPECT_EQ(Bytes(w4.bytes().begin(), w4.bytes().begin() + 6),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
    EXPECT_EQ(ReadText(w4.bytes()), greek);
}

TEST(ArchiveText, WideTextsAreReadWholeAndBrokenPairsRefused)
{
    // 0xFF 0xFFFE marker, then a one-byte length of UTF-16 units.
    EXPECT_EQ(ReadText({0xFF, 0xFE, 0xFF, 3, 'A', 0, 0xE9, 0, 0xA9, 0x03}), "AéΩ");
    // A surrogate pair is one character.
    EXPECT_EQ(ReadText({0xFF, 0xFE, 0xFF, 2, 0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80");
    // The wide marker with a 16-bit length.
    Bytes b{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) {
        b.push_back('w');
        b.push_back(0);
    }
    EXPECT_EQ(ReadText(b), std::string(300, 'w'));
    // Half a pair is no text in either form.
    const std::vector<Bytes> broken = {
        {0xFF, 0xFE, 0xFF, 1, 0x3D, 0xD8},             // a first half at the end
        {0xFF, 0xFE, 0xFF, 2, 0x3D, 0xD8, 'x', 0},     // a first half before a letter
        {0xFF, 0xFE, 0xFF, 2, 0x00, 0xDE, 0x3D, 0xD8}, // the halves the wrong way round
    };
    for (const Bytes& bad : broken) {
        ArchiveReader r(bad);
        EXPECT_THROW(r.Text(), ArchiveError) << bad.size();
    }
}

TEST(ArchiveText, LengthsPastTheEndAreRefused)
{
    const std::vector<Bytes> bad = {
        {},                                                     // no length at all
        {3, 'a', 'b'},                                          // one byte short
        {0xFF, 0x00},                                           // cut inside the 16-bit length
        {0xFF, 0x00, 0x01, 'a'},                                // 256 announced
        {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40},             // a gigabyte announced
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},             // 0xFFFFFFFF
        {0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'},                     // wide, half a unit missing
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, // wide, 2^31 units
    };
    for (const Bytes& b : bad) {
        ArchiveReader r(b);
        EXPECT_THROW(r.Text(), ArchiveError) << b.size();
    }
}

TEST(ArchiveDate, StatusThenDouble)
{
    ArchiveWriter w;
    w.Date(DateTime(1.5));
    w.Date(DateTime::Null());
    const Bytes& b = w.bytes();
    ASSERT_EQ(b.size(), 24u);
    // 1.5 = 0x3FF8000000000000.
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 12), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(b[12], 2);
    ArchiveReader r(b);
    EXPECT_EQ(r.Date(), DateTime(1.5));
    EXPECT_TRUE(r.Date().null());
    // A status the format does not know reads as invalid.
    Bytes odd{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
    ArchiveReader r2(odd);
    EXPECT_EQ(r2.Date().status(), DateTimeStatus::Invalid);
}

TEST(ArchiveObjects, ClassRecordThenClassReferences)
{
    ArchiveWriter w;
    w.Count(2);
    w.BeginObject("CItem", 2);
    w.I32(10);
    w.BeginObject("CItem", 2);
    w.I32(20);
    // Count 2; new class (schema 2, name length 5, name) = index 1, object = index 2;
    // the second object names class index 1 (0x8001) and becomes index 3.
    const Bytes expected{2,   0,  0xFF, 0xFF, 2, 0,    5,    0,  'C', 'I', 't', 'e',
                         'm', 10, 0,    0,    0, 0x01, 0x80, 20, 0,   0,   0};
    EXPECT_EQ(w.bytes(), expected);
    ArchiveReader r(w.bytes());
    auto items = ReadObjectList<Item>(r, "CItem", ReadItem);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].value, 20);
    EXPECT_EQ(items[1].schema, 2);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ArchiveObjects, LongCountsAndLongIndices)
{
    // A count of 0xFFFF or more takes the 32-bit form.
    ArchiveWriter w;
    w.Count(0xFFFF);
    EXPECT_EQ(w.bytes(), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));

    // A class reference through the 0x7FFF escape (bit 31 set) and a null object.
    Bytes b{3,    0,    0xFF, 0xFF, 1, 0,    1, 0, 'K', 5, 0, 0, 0, // class 1, object 2
            0xFF, 0x7F, 0x01, 0,    0, 0x80, 6, 0, 0,   0,          // class 1 again, long form
            0,    0};                                               // no object
    ArchiveReader r(b);
    auto items = ReadObjectList<Item>(r, "K", ReadItem);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].value, 5);
    EXPECT_EQ(items[1].value, 6);
    EXPECT_EQ(items[1].schema, 1);
}

TEST(ArchiveObjects, ReferencesAreCheckedAgainstWhatWasRead)
{
    const Bytes unknownClass{0x05, 0x80}, unknownObject{0xFF, 0x7F, 9, 0, 0, 0};
    ArchiveReader fresh(unknownClass);
    EXPECT_THROW(fresh.ReadObject(), ArchiveError); // class 5 was never given
    ArchiveReader notYet(unknownObject);
    EXPECT_THROW(notYet.ReadObject(), ArchiveError); // object 9 was never given

    // An object reference names an object already read: the reader resolves it, but an
    // owning list refuses to hold one object twice.
    Bytes b{2, 0, 0xFF, 0xFF, 1, 0, 1, 0, 'K', 5, 0, 0, 0, 0x02, 0x00};
    ArchiveReader tags(b);
    tags.Count();
    EXPECT_EQ(tags.ReadObject().kind, ObjectTag::New);
    tags.I32();
    ObjectTag ref = tags.ReadObject();
    EXPECT_EQ(ref.kind, ObjectTag::Reference);
    EXPECT_EQ(ref.index, 2u);
    ArchiveReader list(b);
    EXPECT_THROW(ReadObjectList<Item>(list, "K", ReadItem), ArchiveError);

    // Naming a class index where an object is expected is refused too.
    const Bytes classAsObject{0xFF, 0xFF, 1, 0, 1, 0, 'K', 0x01, 0x00};
    ArchiveReader wrongKind(classAsObject);
    wrongKind.ReadObject();
    EXPECT_THROW(wrongKind.ReadObject(), ArchiveError);
}

TEST(ArchiveObjects, UnknownClassAndHugeCountsFail)
{
    ArchiveWriter w;
    w.Count(1);
    w.BeginObject("CStranger", 1);
    w.I32(1);
    ArchiveReader r(w.bytes());
    EXPECT_THROW(ReadObjectList<Item>(r, "CItem", ReadItem), ArchiveError);

    // Four billion objects announced in a few bytes.
    const Bytes hugeCount{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    ArchiveReader huge(hugeCount);
    EXPECT_THROW(huge.Count(), ArchiveError);
    // A class name longer than the file.
    const Bytes longName{0xFF, 0xFF, 1, 0, 0x00, 0x10, 'K'};
    ArchiveReader name(longName);
    EXPECT_THROW(name.ReadObject(), ArchiveError);
}

TEST(ArchiveObjects, ManyClassesUseTheLongClassTag)
{
    // 0x7FFF indices later, a class reference needs the 32-bit form with bit 31 set.
    ArchiveWriter w;
    w.BeginObject("K", 1); // class 1, object 2
    for (int i = 0; i < 0x7FFC; ++i)
        w.BeginObject("C" + std::to_string(i), 1); // each takes two indices
    w.BeginObject("K", 1);
    const Bytes& b = w.bytes();
    ASSERT_GE(b.size(), 2u);
    EXPECT_EQ(Bytes(b.end() - 2, b.end()), (Bytes{0x01, 0x80})); // class 1 is still short

    ArchiveWriter late;
    for (int i = 0; i < 0x4000; ++i)
        late.BeginObject("C" + std::to_string(i), 1); // indices 1 .. 0x8000
    late.BeginObject("C16383", 1);                    // class index 0x7FFF
    const Bytes& lb = late.bytes();
    EXPECT_EQ(Bytes(lb.end() - 6, lb.end()), (Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0, 0x80}));
    ArchiveReader r(lb);
    ObjectTag last;
    while (!r.AtEnd())
        last = r.ReadObject();
    EXPECT_EQ(last.kind, ObjectTag::New);
    EXPECT_EQ(last.className, "C16383");
}

TEST(CodePage, BrokenUtf8AndCharactersOutsideTheCodePage)
{
    // A cut-off sequence, a stray continuation byte and a character beyond the code page
    // each become one '?'; the rest stays.
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1252("\x80z"), "?z");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");
    // The five bytes the code page leaves undefined survive a round trip.
    const std::string undefined = "\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(undefined)), undefined);
    // Every defined byte survives too.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // The wide form is for valid UTF-8 beyond the code page only: not for the code page's
    // own characters, not for broken bytes, not for a surrogate written in UTF-8.
    EXPECT_FALSE(WideFormOf("\xE2\x82\xAC\xC5\x93 ?")); // €œ
    EXPECT_FALSE(WideFormOf("\xCE\xA9\xC3"));
    EXPECT_FALSE(WideFormOf("\xED\xA0\x80"));
    EXPECT_FALSE(WideFormOf("\xC1\x81")); // an overlong A
    EXPECT_EQ(WideFormOf("x\xF0\x9F\x98\x80"), std::u16string(u"x\xD83D\xDE00"));
    EXPECT_EQ(Utf16ToUtf8(u"x\xD83D\xDE00y"), "x\xF0\x9F\x98\x80y");
    EXPECT_FALSE(Utf16ToUtf8(u"\xDE00"));
}
