#include "zones/ZoneDatabase.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <cerrno>
#include <system_error>
#include <vector>

#include "zones/FileBytes.h"
#include "zones/StringTable.h"

namespace orbel {
namespace {

constexpr std::size_t kMaxFileSize = 16u << 20;
constexpr std::size_t kMaxErrorText = 255;

std::string Limit(std::string text)
{
    if (text.size() > kMaxErrorText) {
        std::size_t cut = kMaxErrorText;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut; // do not cut a UTF-8 character in two
        text.resize(cut);
    }
    return text;
}

} // namespace

ZoneDatabaseUsage UsageFromOptions(std::uint32_t options)
{
    if (options & kUsageMergeBit)
        return ZoneDatabaseUsage::Merge;
    if (options & kUsageReplaceBit)
        return ZoneDatabaseUsage::Replace;
    return ZoneDatabaseUsage::Ignore;
}

std::uint32_t WithUsage(std::uint32_t options, ZoneDatabaseUsage usage)
{
    options &= ~kUsageBits;
    if (usage == ZoneDatabaseUsage::Merge)
        options |= kUsageMergeBit;
    else if (usage == ZoneDatabaseUsage::Replace)
        options |= kUsageReplaceBit;
    return options;
}

std::filesystem::path ZoneDatabasePath(const std::filesystem::path& programFolder)
{
    return programFolder / std::string(LoadString(1030));
}

bool LoadZoneDatabase(CRegTimeZoneList& list, const std::filesystem::path& programFolder,
                      std::string& error)
{
    const std::filesystem::path path = ZoneDatabasePath(programFolder);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = Limit(FormatMessage(Tr("Files", "%1 was not found."), {path.string()}));
        return false;
    }
    std::vector<std::uint8_t> bytes;
    std::string readError;
    if (!ReadWholeFile(path, kMaxFileSize, bytes, readError)) {
        error = Limit(
            FormatMessage(Tr("Files", "An error occurred while reading %1."), {path.string()}));
        return false;
    }
    try {
        ArchiveReader in(bytes);
        list.Load(in);
    } catch (const ArchiveError&) {
        error = Limit(FormatMessage(Tr("Files", "%1 has a bad format."), {path.string()}));
        return false;
    }
    return true;
}

bool SaveZoneDatabase(CRegTimeZoneList& list, const std::filesystem::path& programFolder,
                      const DateTime& utcNow, std::string& error)
{
    ArchiveWriter out;
    try {
        list.Store(out, utcNow);
    } catch (const ArchiveError& e) {
        error = e.what();
        return false;
    }
    return WriteFileAtomically(ZoneDatabasePath(programFolder), out.bytes(), error);
}

void BuildZoneList(CRegTimeZoneList& list, ZoneDatabaseUsage usage, const ZoneSources& sources)
{
    list.Clear();
    std::string error;
    switch (usage) {
    case ZoneDatabaseUsage::Ignore:
        ReadSystemZones(list, sources.systemFolder, sources.referenceYear);
        break;
    case ZoneDatabaseUsage::Merge: {
        ReadSystemZones(list, sources.systemFolder, sources.referenceYear);
        CRegTimeZoneList file;
        if (!LoadZoneDatabase(file, sources.programFolder, error))
            break; // the system zones stay uncorrected
        for (const auto& f : file) {
            if (!(f->flags & CRegTimeZone::kCorrectionFlag))
                continue;
            if (CRegTimeZone* s = list.FindZone(*f, kZoneFilterAll))
                s->info = f->info; // key, display name, map id and flags stay
        }
        break;
    }
    case ZoneDatabaseUsage::Replace:
        if (LoadZoneDatabase(list, sources.programFolder, error))
            list.KeepOnly(kZoneFilterReplacement);
        break;
    }
}

} // namespace orbel
