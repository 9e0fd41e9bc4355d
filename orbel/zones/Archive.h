#pragma once
// The byte encodings of the world clock's stored files (the zone database file and the
// settings file): little-endian integers, length-prefixed single-byte texts, date-times and
// object lists whose objects are introduced by class records and tags.
//
// The reader checks every length and count against what is left before it trusts it and
// throws ArchiveError on anything it cannot read; callers turn that into their load failure.
#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "zones/DateTime.h"

namespace orbel {

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Object tags.
inline constexpr std::uint16_t kNullTag = 0x0000;
inline constexpr std::uint16_t kNewClassTag = 0xFFFF;
inline constexpr std::uint16_t kClassTag = 0x8000;
inline constexpr std::uint16_t kBigObjectTag = 0x7FFF;
inline constexpr std::uint32_t kBigClassTag = 0x80000000u;

class ArchiveWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F64(double v);
    void Bytes(const void* data, std::size_t size);
    // A UTF-8 text with its length prefix: in the single-byte code page when that holds
    // every character (or the bytes are no UTF-8), else in the wide form (UTF-16).
    void Text(std::string_view utf8);
    // Raw code-page bytes with the length prefix (no conversion).
    void RawText(std::string_view bytes);
    void Date(const DateTime& value);
    // The count of an object list.
    void Count(std::size_t count);
    // Introduces one new object of a class: the class record the first time the class
    // is written in this stream, a class reference afterwards. The object's own fields
    // follow.
    void BeginObject(std::string_view className, std::uint16_t schema);
    void NullObject() { U16(kNullTag); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    // A text's count (of bytes, or of UTF-16 units) in the three length forms: one byte
    // below 0xFF, else 0xFF and 16 bits below 0xFFFE, else 0xFF, 0xFFFF and 32 bits.
    void TextCount(std::size_t n);

    std::vector<std::uint8_t> bytes_;
    std::map<std::string, std::uint32_t, std::less<>> classIndex_;
    std::uint32_t nextIndex_ = 1; // indices are shared by class records and objects
};

// One object's introduction as read from a stream.
struct ObjectTag {
    enum Kind { None, New, Reference } kind = None;
    std::string className;    // New and Reference: the object's class
    std::uint16_t schema = 0; // New: the schema the stream announced for the class
    std::uint32_t index = 0;  // New: the index the object received; Reference: the one named
};

class ArchiveReader {
public:
    ArchiveReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ArchiveReader(const std::vector<std::uint8_t>& data)
        : ArchiveReader(data.data(), data.size())
    {
    }
    // The reader keeps a view of the bytes: they must outlive it.
    explicit ArchiveReader(std::vector<std::uint8_t>&&) = delete;

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    double F64();
    void Bytes(void* out, std::size_t size);
    void Skip(std::size_t size);
    // A text as UTF-8, from the code page or from the wide form. Wide units that are no text
    // (half a surrogate pair) are a format error.
    std::string Text();
    DateTime Date();
    // The count of an object list. Every object takes at least two bytes, so a count that
    // cannot fit in what is left is refused at once.
    std::uint32_t Count();
    ObjectTag ReadObject();

    std::size_t remaining() const { return size_ - pos_; }
    std::size_t position() const { return pos_; }
    bool AtEnd() const { return pos_ == size_; }

private:
    void Need(std::size_t n) const;
    std::uint32_t TextLength(bool& wide);

    struct Entry {
        bool isClass = false;
        std::string className;
        std::uint16_t schema = 0;
    };
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::vector<Entry> entries_{Entry{}}; // index 0 is never handed out
};

// Reads an owning object list whose objects are all of one class. ReadFields(reader, T&,
// schema) reads one object's fields. A null object is dropped; a reference to an object
// already read would put one object twice into an owning list and is a format error, as
// is any other class.
template <class T, class ReadFields>
std::vector<T> ReadObjectList(ArchiveReader& in, std::string_view className, ReadFields read)
{
    std::vector<T> out;
    const std::uint32_t count = in.Count();
    for (std::uint32_t i = 0; i < count; ++i) {
        ObjectTag tag = in.ReadObject();
        if (tag.kind == ObjectTag::None)
            continue;
        if (tag.kind == ObjectTag::Reference)
            throw ArchiveError("an object is listed twice");
        if (tag.className != className)
            throw ArchiveError("unknown class " + tag.className);
        T object{};
        read(in, object, tag.schema);
        out.push_back(std::move(object));
    }
    return out;
}

} // namespace orbel
