#include "sun/ZoneCoordinates.h"

#include <set>
#include <sstream>
#include <vector>

#include "zones/FileBytes.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

// One signed angle of degreeDigits digits of degrees, two of minutes and optionally two of
// seconds; nullopt when the text has another shape.
std::optional<double> ParseAngle(const std::string& text, std::size_t degreeDigits)
{
    if (text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    auto number = [&](std::size_t at, std::size_t digits) {
        int n = 0;
        for (std::size_t i = 0; i < digits; ++i)
            n = n * 10 + (text[at + i] - '0');
        return n;
    };
    const int degrees = number(1, degreeDigits);
    const int minutes = number(1 + degreeDigits, 2);
    const int seconds = text.size() > 1 + degreeDigits + 2 ? number(3 + degreeDigits, 2) : 0;
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return text[0] == '-' ? -value : value;
}

std::vector<std::string> Lines(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, 1 << 20, bytes, error))
        return {};
    std::vector<std::string> lines;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

} // namespace

std::optional<GeoPoint> ParseZoneCoordinates(const std::string& text)
{
    // The longitude starts at the second sign.
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string::npos)
        return std::nullopt;
    const auto latitude = ParseAngle(text.substr(0, split), 2);
    const auto longitude = ParseAngle(text.substr(split), 3);
    if (!latitude || !longitude || *latitude < -90 || *latitude > 90 || *longitude < -180 ||
        *longitude > 180)
        return std::nullopt;
    return GeoPoint{*latitude, *longitude};
}

ZoneAtlas ZoneAtlas::Read(const std::filesystem::path& zoneFolder)
{
    std::map<std::string, std::string> countryNames;
    for (const auto& line : Lines(zoneFolder / "iso3166.tab")) {
        const auto fields = Fields(line);
        if (fields.size() >= 2 && fields[0].size() == 2)
            countryNames[fields[0]] = fields[1];
    }
    ZoneAtlas atlas;
    // zone.tab names one country for each of its zones, so it is read last and wins over
    // zone1970.tab, whose zones may serve several (Europe/Berlin: DE,DK,NO,SE,SJ).
    for (const char* table : {"zone1970.tab", "zone.tab"}) {
        for (const auto& line : Lines(zoneFolder / table)) {
            const auto fields = Fields(line);
            if (fields.size() < 3 || fields[2].empty())
                continue;
            const auto where = ParseZoneCoordinates(fields[1]);
            if (!where)
                continue;
            const std::string code = fields[0].substr(0, fields[0].find(','));
            const auto name = countryNames.find(code);
            atlas.zones_[fields[2]] =
                Place{*where, name != countryNames.end() ? name->second : code};
        }
    }
    std::set<std::string> listed;
    for (const auto& [key, place] : atlas.zones_)
        listed.insert(key);
    atlas.oldNames_ = ReadOldZoneNames(zoneFolder, listed);
    return atlas;
}

const ZoneAtlas::Place* ZoneAtlas::Lookup(const std::string& zoneKey) const
{
    auto found = zones_.find(zoneKey);
    if (found == zones_.end()) {
        const auto old = oldNames_.find(zoneKey);
        if (old != oldNames_.end())
            found = zones_.find(old->second);
    }
    return found != zones_.end() ? &found->second : nullptr;
}

std::optional<GeoPoint> ZoneAtlas::Find(const std::string& zoneKey) const
{
    const Place* place = Lookup(zoneKey);
    if (!place)
        return std::nullopt;
    return place->where;
}

std::string ZoneAtlas::CountryOf(const std::string& zoneKey) const
{
    const Place* place = Lookup(zoneKey);
    return place ? place->country : std::string();
}

const ZoneAtlas& SystemZoneAtlas()
{
    static const ZoneAtlas atlas = ZoneAtlas::Read(kSystemZoneFolder);
    return atlas;
}

} // namespace orbel
