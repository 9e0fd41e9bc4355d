#pragma once
// A font description as the settings file stores it: the 60-byte logical-font record
// (five signed 32-bit fields, eight single bytes, a 32-byte zero-terminated face name).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbel {

class ArchiveReader;
class ArchiveWriter;

struct LogFont {
    static constexpr std::size_t kRecordSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    std::array<char, kFaceSize> faceName{}; // code-page bytes, zero-terminated

    // The face name up to its terminator (at most 31 bytes are kept when set).
    std::string Face() const;
    void SetFace(std::string_view face);

    void Write(ArchiveWriter& out) const;
    void Read(ArchiveReader& in);
    bool operator==(const LogFont&) const = default;
};

} // namespace orbel
