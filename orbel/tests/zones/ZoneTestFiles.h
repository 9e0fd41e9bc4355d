#pragma once
// Files for the zone tests: compiled zone files and a temporary folder.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace orbel::test {

// A minimal version-2 TZif file: one local time type, no transitions, and the rule.
inline std::vector<std::uint8_t> Tzif(const std::string& footer, char version = '2')
{
    std::vector<std::uint8_t> b;
    auto header = [&] {
        const char magic[] = "TZif";
        b.insert(b.end(), magic, magic + 4);
        b.push_back(static_cast<std::uint8_t>(version));
        b.insert(b.end(), 15, 0);
        // isutcnt, isstdcnt, leapcnt, timecnt = 0; typecnt 1; charcnt 4.
        for (std::uint32_t v : {0u, 0u, 0u, 0u, 1u, 4u}) {
            b.push_back(std::uint8_t(v >> 24));
            b.push_back(std::uint8_t(v >> 16));
            b.push_back(std::uint8_t(v >> 8));
            b.push_back(std::uint8_t(v));
        }
        b.insert(b.end(), {0, 0, 0, 0, 0, 0}); // utoff 0, isdst 0, abbreviation 0
        b.insert(b.end(), {'U', 'T', 'C', 0});
    };
    header();
    if (version >= '2') {
        header();
        b.push_back('\n');
        b.insert(b.end(), footer.begin(), footer.end());
        b.push_back('\n');
    }
    return b;
}

class TempFolder {
public:
    TempFolder()
    {
        path_ = std::filesystem::temp_directory_path() /
                ("orbel-zones-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void Write(const std::string& name, const std::string& text) const
    {
        Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    }

private:
    std::filesystem::path path_;
};

} // namespace orbel::test
