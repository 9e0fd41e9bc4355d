#include "settings/SideOptions.h"

#include <sstream>
#include <vector>

#include "zones/FileBytes.h"

namespace orbel {
namespace {

constexpr std::size_t kMaxFileSize = 64 * 1024;
constexpr const char* kDayAndNight = "day-and-night";

} // namespace

SideOptions SideOptions::Read(const std::filesystem::path& dataFolder)
{
    SideOptions options;
    options.file_ = dataFolder / kSideOptionsFileName;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(options.file_, kMaxFileSize, bytes, error))
        return options;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == 0 || equals == std::string::npos)
            continue;
        options.values_[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return options;
}

bool SideOptions::DayAndNight() const
{
    const auto found = values_.find(kDayAndNight);
    return found != values_.end() && found->second == "1";
}

void SideOptions::SetDayAndNight(bool on)
{
    values_[kDayAndNight].assign(1, on ? '1' : '0');
}

bool SideOptions::Save(std::string& error) const
{
    std::string text = "# Orbel's options beyond Orbel.dat\n";
    for (const auto& [name, value] : values_)
        text += name + "=" + value + "\n";
    return WriteFileAtomically(file_, std::vector<std::uint8_t>(text.begin(), text.end()), error);
}

} // namespace orbel
