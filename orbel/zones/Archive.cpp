#include "zones/Archive.h"

#include <cstring>

#include "zones/CodePage.h"

namespace orbel {

void ArchiveWriter::U16(std::uint16_t v)
{
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::U32(std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ArchiveWriter::F64(double v)
{
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void ArchiveWriter::Bytes(const void* data, std::size_t size)
{
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

void ArchiveWriter::Text(std::string_view utf8)
{
    const std::optional<std::u16string> wide = WideFormOf(utf8);
    if (!wide) {
        RawText(Utf8ToCp1252(utf8));
        return;
    }
    // The wide marker (0xFF, then 0xFFFE where a 16-bit length would be), then the count of
    // UTF-16 units in the same three length forms, then the units.
    U8(0xFF);
    U16(0xFFFE);
    TextCount(wide->size());
    for (char16_t unit : *wide)
        U16(unit);
}

void ArchiveWriter::RawText(std::string_view bytes)
{
    TextCount(bytes.size());
    Bytes(bytes.data(), bytes.size());
}

void ArchiveWriter::TextCount(std::size_t n)
{
    if (n < 0xFF) {
        U8(static_cast<std::uint8_t>(n));
    } else {
        U8(0xFF);
        if (n < 0xFFFE) {
            U16(static_cast<std::uint16_t>(n));
        } else {
            if (n >= 0xFFFFFFFFu)
                throw ArchiveError("text too long to store");
            U16(0xFFFF);
            U32(static_cast<std::uint32_t>(n));
        }
    }
}

void ArchiveWriter::Date(const DateTime& value)
{
    I32(static_cast<std::int32_t>(value.status()));
    F64(value.days());
}

void ArchiveWriter::Count(std::size_t count)
{
    if (count < 0xFFFF) {
        U16(static_cast<std::uint16_t>(count));
    } else {
        if (count > 0xFFFFFFFFu)
            throw ArchiveError("list too long to store");
        U16(0xFFFF);
        U32(static_cast<std::uint32_t>(count));
    }
}

void ArchiveWriter::BeginObject(std::string_view className, std::uint16_t schema)
{
    auto it = classIndex_.find(className);
    if (it == classIndex_.end()) {
        if (className.size() > 0xFFFF)
            throw ArchiveError("class name too long");
        U16(kNewClassTag);
        U16(schema);
        U16(static_cast<std::uint16_t>(className.size()));
        Bytes(className.data(), className.size());
        classIndex_.emplace(std::string(className), nextIndex_++);
    } else if (it->second < kBigObjectTag) {
        U16(static_cast<std::uint16_t>(kClassTag | it->second));
    } else {
        U16(kBigObjectTag);
        U32(kBigClassTag | it->second);
    }
    ++nextIndex_; // the object's own index
}

void ArchiveReader::Need(std::size_t n) const
{
    if (n > size_ - pos_)
        throw ArchiveError("unexpected end of file");
}

std::uint8_t ArchiveReader::U8()
{
    Need(1);
    return data_[pos_++];
}

std::uint16_t ArchiveReader::U16()
{
    Need(2);
    const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ArchiveReader::U32()
{
    Need(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | data_[pos_ + i];
    pos_ += 4;
    return v;
}

double ArchiveReader::F64()
{
    Need(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | data_[pos_ + i];
    pos_ += 8;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void ArchiveReader::Bytes(void* out, std::size_t size)
{
    Need(size);
    if (size)
        std::memcpy(out, data_ + pos_, size);
    pos_ += size;
}

void ArchiveReader::Skip(std::size_t size)
{
    Need(size);
    pos_ += size;
}

std::uint32_t ArchiveReader::TextLength(bool& wide)
{
    wide = false;
    std::uint8_t b = U8();
    if (b < 0xFF)
        return b;
    std::uint16_t w = U16();
    if (w == 0xFFFE) {
        // Wide marker: the length follows again, counting UTF-16 units.
        wide = true;
        b = U8();
        if (b < 0xFF)
            return b;
        w = U16();
    }
    if (w < 0xFFFE)
        return w;
    const std::uint32_t d = U32();
    if (d == 0xFFFFFFFFu)
        throw ArchiveError("text length out of range");
    return d;
}

std::string ArchiveReader::Text()
{
    bool wide = false;
    const std::uint32_t n = TextLength(wide);
    if (!wide) {
        Need(n);
        std::string_view raw(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return Cp1252ToUtf8(raw);
    }
    Need(static_cast<std::size_t>(n) * 2);
    std::u16string units(n, u'\0');
    for (std::uint32_t i = 0; i < n; ++i)
        units[i] = U16();
    std::optional<std::string> text = Utf16ToUtf8(units);
    if (!text)
        throw ArchiveError("a wide text holds a broken surrogate pair");
    return std::move(*text);
}

DateTime ArchiveReader::Date()
{
    const std::int32_t status = I32();
    const double days = F64();
    if (status < 0 || status > 2)
        return DateTime(days, DateTimeStatus::Invalid);
    return DateTime(days, static_cast<DateTimeStatus>(status));
}

std::uint32_t ArchiveReader::Count()
{
    std::uint32_t n = U16();
    if (n == 0xFFFF)
        n = U32();
    if (static_cast<std::size_t>(n) > remaining() / 2)
        throw ArchiveError("list count runs past the end of the file");
    return n;
}

ObjectTag ArchiveReader::ReadObject()
{
    ObjectTag tag;
    const std::uint16_t w = U16();
    if (w == kNullTag)
        return tag;
    std::uint32_t classIndex = 0;
    if (w == kNewClassTag) {
        Entry e;
        e.isClass = true;
        e.schema = U16();
        const std::uint16_t length = U16();
        Need(length);
        e.className.assign(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        classIndex = static_cast<std::uint32_t>(entries_.size());
        entries_.push_back(std::move(e));
    } else {
        std::uint32_t index;
        bool isClass;
        if (w == kBigObjectTag) {
            const std::uint32_t d = U32();
            isClass = (d & kBigClassTag) != 0;
            index = d & ~kBigClassTag;
        } else {
            isClass = (w & kClassTag) != 0;
            index = w & ~kClassTag;
        }
        if (index == 0 || index >= entries_.size() || entries_[index].isClass != isClass)
            throw ArchiveError("reference to an object or class not yet read");
        if (!isClass) {
            tag.kind = ObjectTag::Reference;
            tag.className = entries_[index].className;
            tag.index = index;
            return tag;
        }
        classIndex = index;
    }
    const Entry& cls = entries_[classIndex];
    tag.kind = ObjectTag::New;
    tag.className = cls.className;
    tag.schema = cls.schema;
    tag.index = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back(Entry{false, cls.className, cls.schema});
    return tag;
}

} // namespace orbel
