#pragma once
// The zone search of the pickers. What the user types is cut into words at blanks; an item
// is shown when every word is found somewhere in its text (key, shown name, city, country),
// without regard to case or accents, '_' reading as a blank. Items keep their order: the
// search only leaves some out.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zones/RegTimeZone.h"

namespace orbel {

// Lower case, the accents of Latin letters taken off ("Åland" -> "aland"), '_' as a blank.
// Characters it does not know stay as they are.
std::string FoldForSearch(std::string_view text);

class ZoneQuery {
public:
    explicit ZoneQuery(std::string_view typed);
    // Nothing typed but blanks: every item matches.
    bool Empty() const { return words_.empty(); }
    // `folded`: an item's text as FoldForSearch gives it.
    bool Matches(std::string_view folded) const;

private:
    std::vector<std::string> words_;
};

// What the search looks in for a zone: its key ("America/New_York" also reads "new york"),
// its shown name and the name of its country, if known ("Japan").
std::string ZoneSearchText(const CRegTimeZone& zone, std::string_view country);

// The positions of the items that match, in their order.
std::vector<std::size_t> MatchingItems(const std::vector<std::string>& foldedItems,
                                       const ZoneQuery& query);

} // namespace orbel
