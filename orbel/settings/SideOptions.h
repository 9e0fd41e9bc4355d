#pragma once
// Options of the world clock that its settings file does not hold, kept beside that file in
// the data folder ("Orbel-options.txt"), so that Orbel.dat keeps its own layout. One
// "name=value" a line; names this release does not know are kept as they are.
#include <filesystem>
#include <map>
#include <string>

namespace orbel {

inline constexpr const char* kSideOptionsFileName = "Orbel-options.txt";

class SideOptions {
public:
    // Reads the folder's file; a missing, oversized or unreadable file gives no options.
    static SideOptions Read(const std::filesystem::path& dataFolder);

    // "Day and night": each clock shaded by whether the sun is up at its zone's city.
    bool DayAndNight() const;
    void SetDayAndNight(bool on);

    // Writes the file whole (a temporary file renamed over the old one); false with `error`
    // set when it cannot be written.
    bool Save(std::string& error) const;

private:
    std::filesystem::path file_;
    std::map<std::string, std::string> values_;
};

} // namespace orbel
