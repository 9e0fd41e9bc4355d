#pragma once
// Where each zone's clocks are: the principal city that the tz database's zone tables name
// for every zone ("+5955+01045" for Europe/Oslo), and the country it belongs to. Zones
// without a city (Etc/GMT+5, a user's own zone) have no coordinates.
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace orbel {

// Degrees; north and east are positive.
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// "+4043-07400" or "+404251-0740023" (degrees, minutes and optionally seconds, latitude
// first); nullopt for anything else or a point off the globe.
std::optional<GeoPoint> ParseZoneCoordinates(const std::string& text);

// The coordinates of the principal city of each zone of zone.tab and zone1970.tab, the
// country names of iso3166.tab, and the database's old names of zones (Europe/Kiev).
class ZoneAtlas {
public:
    // A folder without the tables gives an empty atlas (every zone without coordinates).
    static ZoneAtlas Read(const std::filesystem::path& zoneFolder);

    // The zone's city, also under an old name of the zone; nullopt when the tables do not
    // place it.
    std::optional<GeoPoint> Find(const std::string& zoneKey) const;
    // The name of the zone's country ("Norway" for Europe/Oslo); "" when none is known.
    std::string CountryOf(const std::string& zoneKey) const;

    std::size_t size() const { return zones_.size(); }

private:
    struct Place {
        GeoPoint where;
        std::string country; // name, or the two-letter code when iso3166.tab lacks it
    };
    const Place* Lookup(const std::string& zoneKey) const;

    std::map<std::string, Place> zones_;
    std::map<std::string, std::string> oldNames_; // old name -> listed zone
};

// The atlas of this computer's tz database, read once on first use.
const ZoneAtlas& SystemZoneAtlas();

} // namespace orbel
