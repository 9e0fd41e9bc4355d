#pragma once
// The registry stand-in kept in a file of the user's configuration folder
// ($XDG_CONFIG_HOME/orbel/registry.reg, or ~/.config/orbel/registry.reg). Like the
// registry, it is shared by every running copy of the program: a read takes in the file
// again when it changed, and a write re-reads the file, changes the one value and rewrites
// it through a temporary file, so a crash never leaves it half written and two programs
// writing different values do not undo each other. A write whose re-reading fails is
// refused, so a file that cannot be read is never replaced by the one value.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/RegistryStore.h"

namespace orbel {

class FileRegistryStore : public MemoryRegistryStore {
public:
    static constexpr const char* kFileName = "registry.reg";

    // Reads `folder`/registry.reg when it exists. The folder is created on the first write.
    explicit FileRegistryStore(std::filesystem::path folder);

    std::optional<RegValue> Query(RegRoot root, std::string_view key,
                                  std::string_view name) const override;
    bool Set(RegRoot root, std::string_view key, std::string_view name,
             const RegValue& value) override;

    const std::filesystem::path& FilePath() const { return file_; }
    // The reason of the last failed write, for diagnostics.
    const std::string& LastError() const { return lastError_; }

    // The folder for the store: $XDG_CONFIG_HOME/orbel when that is an absolute path, else
    // $HOME/.config/orbel; empty when neither is known. The two values are passed in so
    // the rule can be tested; DefaultFolder() reads them from the environment.
    static std::filesystem::path FolderFrom(const char* xdgConfigHome, const char* home);
    static std::filesystem::path DefaultFolder();

private:
    // Reads the file again when its size or time differs from the last reading (always
    // when `force`). A missing file is an empty store. False, with the reason in `error`,
    // when the file exists but could not be read: the store then holds no values.
    bool Refresh(bool force, std::string* error = nullptr) const;

    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        bool operator==(const Stamp&) const = default;
    };
    Stamp CurrentStamp() const;

    mutable Stamp loaded_;
    std::filesystem::path folder_;
    std::filesystem::path file_;
    std::string lastError_;
};

} // namespace orbel
