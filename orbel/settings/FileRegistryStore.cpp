#include "settings/FileRegistryStore.h"

#include <cstdlib>
#include <system_error>

#include "zones/FileBytes.h"

namespace orbel {

FileRegistryStore::FileRegistryStore(std::filesystem::path folder)
    : folder_(std::move(folder)), file_(folder_ / kFileName)
{
    Refresh(true);
}

FileRegistryStore::Stamp FileRegistryStore::CurrentStamp() const
{
    Stamp s;
    std::error_code ec;
    if (folder_.empty() || !std::filesystem::is_regular_file(file_, ec))
        return s;
    s.exists = true;
    s.size = std::filesystem::file_size(file_, ec);
    s.time = std::filesystem::last_write_time(file_, ec);
    return s;
}

bool FileRegistryStore::Refresh(bool force, std::string* error) const
{
    const Stamp now = CurrentStamp();
    if (!force && now == loaded_)
        return true;
    loaded_ = now;
    values_.clear();
    if (!now.exists)
        return true;
    std::vector<std::uint8_t> bytes;
    std::string reason;
    // A store file is small; anything beyond a megabyte is not ours and is not read.
    if (!ReadWholeFile(file_, 1u << 20, bytes, reason)) {
        if (error)
            *error = reason;
        return false;
    }
    Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

std::optional<RegValue> FileRegistryStore::Query(RegRoot root, std::string_view key,
                                                 std::string_view name) const
{
    Refresh(false);
    return MemoryRegistryStore::Query(root, key, name);
}

bool FileRegistryStore::Set(RegRoot root, std::string_view key, std::string_view name,
                            const RegValue& value)
{
    if (readOnly_ || folder_.empty())
        return false;
    if (!Refresh(true, &lastError_))
        return false;
    const Map before = values_;
    if (!MemoryRegistryStore::Set(root, key, name, value))
        return false;
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    const std::string text = Serialize();
    if (!WriteFileAtomically(file_, std::vector<std::uint8_t>(text.begin(), text.end()),
                             lastError_)) {
        // What is in memory stays what is on disk.
        values_ = before;
        return false;
    }
    loaded_ = CurrentStamp();
    return true;
}

std::filesystem::path FileRegistryStore::FolderFrom(const char* xdgConfigHome, const char* home)
{
    // The base directory rules: a relative XDG_CONFIG_HOME is invalid and ignored.
    if (xdgConfigHome && *xdgConfigHome == '/')
        return std::filesystem::path(xdgConfigHome) / "orbel";
    if (home && *home == '/')
        return std::filesystem::path(home) / ".config" / "orbel";
    return {};
}

std::filesystem::path FileRegistryStore::DefaultFolder()
{
    return FolderFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

} // namespace orbel
