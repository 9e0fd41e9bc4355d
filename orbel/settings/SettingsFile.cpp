#include "settings/SettingsFile.h"

#include "zones/StringTable.h"
#include "zones/Translation.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "zones/Archive.h"
#include "zones/FileBytes.h"

namespace orbel {

SettingsReadResult ReadSettingsBytes(const std::uint8_t* data, std::size_t size,
                                     SettingsFileContent& out)
{
    try {
        ArchiveReader in(data, size);
        std::uint32_t format = in.U32();
        if (format == kSettingsFormatEarly)
            format = kSettingsFormat;
        if (format > kSettingsFormat)
            return {SettingsReadResult::Status::NewerFormat, "newer format"};
        out.formatVersion = format;
        out.displayFlags = in.U32();
        out.saveStamp = in.U32();
        out.adjustmentInterval = in.U32();
        out.server = in.Text();
        out.updateInterval = in.U32();
        in.Skip(8);

        const std::uint32_t fontCount = in.U32();
        if (fontCount > in.remaining() / LogFont::kRecordSize)
            throw ArchiveError("font count runs past the end of the file");
        out.fonts.assign(fontCount, LogFont{});
        for (LogFont& f : out.fonts)
            f.Read(in);

        const std::uint32_t colourCount = in.U32();
        if (colourCount > in.remaining() / 4)
            throw ArchiveError("colour count runs past the end of the file");
        out.colours.assign(colourCount, 0);
        for (std::int32_t& c : out.colours)
            c = in.I32();

        out.clocks.Read(in);
    } catch (const ArchiveError& e) {
        return {SettingsReadResult::Status::Damaged, e.what()};
    }
    return {};
}

std::vector<std::uint8_t> WriteSettingsBytes(const SettingsFileContent& c)
{
    ArchiveWriter out;
    out.U32(kSettingsFormat);
    out.U32(c.displayFlags);
    out.U32(c.saveStamp);
    out.U32(c.adjustmentInterval);
    out.Text(c.server);
    out.U32(c.updateInterval);
    out.U32(0);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(c.fonts.size()));
    for (const LogFont& f : c.fonts)
        f.Write(out);
    out.U32(static_cast<std::uint32_t>(c.colours.size()));
    for (std::int32_t colour : c.colours)
        out.I32(colour);
    c.clocks.Write(out);
    return out.Take();
}

std::filesystem::path BackupName(const std::filesystem::path& file, std::uint32_t version)
{
    return file.string() + "." + std::to_string(version >> 16) + "." +
           std::to_string(version & 0xFFFF) + ".bak";
}

std::filesystem::path FreeBackupName(const std::filesystem::path& file, std::uint32_t version)
{
    const std::string base = BackupName(file, version).string();
    std::filesystem::path name = base;
    std::error_code ec;
    for (unsigned counter = 1; std::filesystem::exists(std::filesystem::symlink_status(name, ec));
         ++counter)
        name = base + std::to_string(counter);
    return name;
}

namespace {

// A settings file is a few kilobytes; the limit only keeps a stray huge file out of memory.
constexpr std::size_t kMaxBackupSize = 64u << 20;

// Gives `source` (an existing file) the free backup name without ever replacing a file:
// link() refuses an existing name, so a name taken between the search and the link only
// moves on to the next counter. The source keeps its own name too unless the file system
// has no links, in which case it has been moved.
std::filesystem::path LinkToFreeBackup(const std::filesystem::path& source,
                                       const std::filesystem::path& file, std::uint32_t version)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::filesystem::path name = FreeBackupName(file, version);
        if (::link(source.c_str(), name.c_str()) == 0)
            return name;
        if (errno == EEXIST)
            continue;
        // File systems without hard links (a program folder on a FAT stick): move the
        // source instead, after one more look that the name is still free.
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(name, ec)))
            continue;
        if (std::rename(source.c_str(), name.c_str()) == 0)
            return name;
        return {};
    }
    return {};
}

} // namespace

std::filesystem::path MakeVersionBackup(const std::filesystem::path& file, std::uint32_t version)
{
    if (version == 0 || version == 0xFFFFFFFFu)
        return {};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {};
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, kMaxBackupSize, bytes, error))
        return {};
    // The copy is written whole under a temporary name first, then linked to its name.
    const std::filesystem::path temp = file.string() + ".backup-tmp";
    if (!WriteFileAtomically(temp, bytes, error))
        return {};
    const std::filesystem::path made = LinkToFreeBackup(temp, file, version);
    std::filesystem::remove(temp, ec);
    return made;
}

std::filesystem::path RetireBadSettingsFile(const std::filesystem::path& file,
                                            std::uint32_t version)
{
    const std::filesystem::path made = LinkToFreeBackup(file, file, version);
    if (made.empty())
        return {};
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return made;
}

std::string BadSettingsMessage(const std::string& error, const std::string& appName)
{
    return error + "\n\n" +
           FormatMessage(Tr("Settings", "%1 will now close.\n\nPlease run the program again and "
                                        "it will start fresh with default settings."),
                         {appName});
}

std::string BadSettingsKeptMessage(const std::string& error, const std::string& appName,
                                   const std::filesystem::path& file)
{
    return error + "\n\n" +
           FormatMessage(Tr("Settings", "%1 will now close.\n\n%2 could not be moved aside, so "
                                        "%1 cannot start fresh. Move or delete that file and run "
                                        "the program again."),
                         {appName, file.string()});
}

} // namespace orbel
