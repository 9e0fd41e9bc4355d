#pragma once
// Access to the program's own key of the registry store: "Software\<key name>\<profile>\"
// under a root, with typed reads that fall back to a default.
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/RegistryStore.h"

namespace orbel {

class CRegProfile {
public:
    // The names come from the program's identity: the first word of the maker ("Quillon")
    // and the application name ("Orbel").
    explicit CRegProfile(RegistryStore& store, std::string registryKey = "Quillon",
                         std::string profileName = "Orbel");
    virtual ~CRegProfile() = default;

    // Rebuilds the key path after the application has set its names.
    void SetNames(std::string registryKey, std::string profileName);
    // "Software\Quillon\Orbel\", or empty when a name is missing.
    const std::string& KeyPath() const { return keyPath_; }
    RegRoot Root() const { return root_; }
    void SetRoot(RegRoot root) { root_ = root; }
    RegistryStore& Store() const { return *store_; }

    // The value when it exists and is a DWORD, else the default.
    std::uint32_t GetDword(std::string_view subKey, std::string_view name, std::uint32_t def) const;
    bool SetDword(std::string_view subKey, std::string_view name, std::uint32_t value);
    // The value when it exists and is a text, else the default.
    std::string GetString(std::string_view subKey, std::string_view name,
                          std::string_view def) const;
    bool SetString(std::string_view subKey, std::string_view name, std::string_view value);

private:
    RegistryStore* store_;
    RegRoot root_ = RegRoot::LocalMachine;
    std::string keyPath_;
};

} // namespace orbel
