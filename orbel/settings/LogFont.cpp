#include "settings/LogFont.h"

#include <algorithm>

#include "zones/Archive.h"

namespace orbel {

std::string LogFont::Face() const
{
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return std::string(faceName.begin(), end);
}

void LogFont::SetFace(std::string_view face)
{
    faceName.fill('\0');
    std::copy_n(face.begin(), std::min(face.size(), kFaceSize - 1), faceName.begin());
}

void LogFont::Write(ArchiveWriter& out) const
{
    out.I32(height);
    out.I32(width);
    out.I32(escapement);
    out.I32(orientation);
    out.I32(weight);
    for (std::uint8_t b : {italic, underline, strikeOut, charSet, outPrecision, clipPrecision,
                           quality, pitchAndFamily})
        out.U8(b);
    out.Bytes(faceName.data(), faceName.size());
}

void LogFont::Read(ArchiveReader& in)
{
    height = in.I32();
    width = in.I32();
    escapement = in.I32();
    orientation = in.I32();
    weight = in.I32();
    for (std::uint8_t* b : {&italic, &underline, &strikeOut, &charSet, &outPrecision,
                            &clipPrecision, &quality, &pitchAndFamily})
        *b = in.U8();
    in.Bytes(faceName.data(), faceName.size());
}

} // namespace orbel
