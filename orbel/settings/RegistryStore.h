#pragma once
// The typed value store that stands in for the registry: keys are backslash paths under a
// root, each holding named values that are either a 32-bit number (DWORD) or a text.
// Key and value names compare without regard to ASCII letter case, as the registry does.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orbel {

enum class RegRoot { LocalMachine, CurrentUser };

enum class RegType { Dword, String };

struct RegValue {
    RegType type = RegType::Dword;
    std::uint32_t dword = 0;
    std::string text; // UTF-8

    static RegValue Dword(std::uint32_t v) { return {RegType::Dword, v, {}}; }
    static RegValue String(std::string v) { return {RegType::String, 0, std::move(v)}; }
    bool operator==(const RegValue&) const = default;
};

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string_view RootName(RegRoot root);

// A key path made canonical: separators collapsed, no leading or trailing backslash.
std::string CanonicalKey(std::string_view key);

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // The value, or none when the key or the value does not exist.
    virtual std::optional<RegValue> Query(RegRoot root, std::string_view key,
                                          std::string_view name) const = 0;
    // Creates the key when missing and writes the value. False when it could not be stored.
    virtual bool Set(RegRoot root, std::string_view key, std::string_view name,
                     const RegValue& value) = 0;
};

// The values themselves, kept in memory. Also the store of tests, and of actions that must
// not change anything (writes can be refused).
class MemoryRegistryStore : public RegistryStore {
public:
    std::optional<RegValue> Query(RegRoot root, std::string_view key,
                                  std::string_view name) const override;
    bool Set(RegRoot root, std::string_view key, std::string_view name,
             const RegValue& value) override;

    // When set, every write fails and changes nothing.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    std::size_t Count() const { return values_.size(); }

    // The text form kept on disk:
    //   [HKEY_LOCAL_MACHINE\Software\Quillon\Orbel\Window]
    //   "Visible"=dword:00000001
    //   "Path"="/usr/bin/orbel"
    // Texts escape backslash, quote and control characters. Parse skips lines it cannot
    // understand, so a damaged file loses only its damaged values.
    std::string Serialize() const;
    void Parse(std::string_view text) const;

protected:
    struct Entry {
        std::string key;  // root name + "\" + canonical key, as first written
        std::string name; // as first written
        RegValue value;
    };
    // Indexed by the lower-cased key and name.
    using Map = std::map<std::pair<std::string, std::string>, Entry>;
    // Mutable: a store kept in a file takes in the file's newer contents when it is read.
    mutable Map values_;
    bool readOnly_ = false;

    static std::pair<std::string, std::string> Index(RegRoot root, std::string_view key,
                                                     std::string_view name);
};

} // namespace orbel
