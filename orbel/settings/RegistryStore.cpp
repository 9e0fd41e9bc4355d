#include "settings/RegistryStore.h"

#include <cstdio>
#include <vector>

namespace orbel {
namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

void AppendQuoted(std::string& out, std::string_view s)
{
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out += hex;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at s[pos] == '"'. Advances pos past the closing quote.
bool ReadQuoted(std::string_view s, std::size_t& pos, std::string& out)
{
    if (pos >= s.size() || s[pos] != '"')
        return false;
    ++pos;
    out.clear();
    while (pos < s.size()) {
        const char c = s[pos++];
        if (c == '"')
            return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= s.size())
            return false;
        const char e = s[pos++];
        switch (e) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            if (pos + 2 > s.size())
                return false;
            const int hi = HexDigit(s[pos]), lo = HexDigit(s[pos + 1]);
            if (hi < 0 || lo < 0)
                return false;
            out += static_cast<char>(hi * 16 + lo);
            pos += 2;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

bool ParseDword(std::string_view s, std::uint32_t& value)
{
    if (s.empty() || s.size() > 8)
        return false;
    std::uint32_t v = 0;
    for (char c : s) {
        const int d = HexDigit(c);
        if (d < 0)
            return false;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    value = v;
    return true;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string_view RootName(RegRoot root)
{
    return root == RegRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string CanonicalKey(std::string_view key)
{
    std::string out;
    for (char c : key) {
        if (c == '\\') {
            if (!out.empty() && out.back() != '\\')
                out += '\\';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

std::pair<std::string, std::string> MemoryRegistryStore::Index(RegRoot root, std::string_view key,
                                                               std::string_view name)
{
    std::string full(RootName(root));
    const std::string canonical = CanonicalKey(key);
    if (!canonical.empty())
        full += "\\" + canonical;
    return {Lower(full), Lower(name)};
}

std::optional<RegValue> MemoryRegistryStore::Query(RegRoot root, std::string_view key,
                                                   std::string_view name) const
{
    const auto it = values_.find(Index(root, key, name));
    if (it == values_.end())
        return std::nullopt;
    return it->second.value;
}

bool MemoryRegistryStore::Set(RegRoot root, std::string_view key, std::string_view name,
                              const RegValue& value)
{
    if (readOnly_)
        return false;
    auto index = Index(root, key, name);
    auto it = values_.find(index);
    if (it != values_.end()) {
        it->second.value = value;
        return true;
    }
    std::string full(RootName(root));
    const std::string canonical = CanonicalKey(key);
    if (!canonical.empty())
        full += "\\" + canonical;
    values_.emplace(std::move(index), Entry{std::move(full), std::string(name), value});
    return true;
}

std::string MemoryRegistryStore::Serialize() const
{
    std::string out =
        "; Orbel's settings store: the values a Windows build keeps in the registry.\n";
    const std::string* section = nullptr;
    for (const auto& [index, entry] : values_) {
        if (!section || *section != index.first) {
            section = &index.first;
            out += "\n[" + entry.key + "]\n";
        }
        AppendQuoted(out, entry.name);
        out += '=';
        if (entry.value.type == RegType::Dword) {
            char hex[24];
            std::snprintf(hex, sizeof hex, "dword:%08X", entry.value.dword);
            out += hex;
        } else {
            AppendQuoted(out, entry.value.text);
        }
        out += '\n';
    }
    return out;
}

void MemoryRegistryStore::Parse(std::string_view text) const
{
    values_.clear();
    // The section as written; a malformed section header leaves no section in force, so
    // its values are skipped rather than filed under the wrong key.
    std::optional<std::string> section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            section.reset();
            if (line.back() != ']')
                continue;
            const std::string_view inner = line.substr(1, line.size() - 2);
            const std::size_t slash = inner.find('\\');
            const std::string_view rootText = inner.substr(0, slash);
            RegRoot root;
            if (Lower(rootText) == "hkey_local_machine")
                root = RegRoot::LocalMachine;
            else if (Lower(rootText) == "hkey_current_user")
                root = RegRoot::CurrentUser;
            else
                continue;
            std::string full(RootName(root));
            if (slash != std::string_view::npos) {
                const std::string canonical = CanonicalKey(inner.substr(slash + 1));
                if (!canonical.empty())
                    full += "\\" + canonical;
            }
            section = full;
            continue;
        }
        if (!section)
            continue;
        std::size_t pos = 0;
        std::string name;
        if (!ReadQuoted(line, pos, name) || pos >= line.size() || line[pos] != '=')
            continue;
        ++pos;
        const std::string_view rest = line.substr(pos);
        Entry entry{*section, name, {}};
        if (rest.substr(0, 6) == "dword:") {
            if (!ParseDword(rest.substr(6), entry.value.dword))
                continue;
            entry.value.type = RegType::Dword;
        } else {
            std::size_t p = 0;
            if (!ReadQuoted(rest, p, entry.value.text) || p != rest.size())
                continue;
            entry.value.type = RegType::String;
        }
        auto index = std::make_pair(Lower(entry.key), Lower(entry.name));
        values_.insert_or_assign(std::move(index), std::move(entry));
    }
}

} // namespace orbel
