#pragma once
// A zone picker: a drop-down list of zone records in the order PickerOrder gives (west to
// east, then by display name), each item carrying its record and what the zone search looks
// in (PickerSearch). The list the records live in must outlive the picker's items.
#include <QString>

#include <cstdint>

#include "zones/RegTimeZoneList.h"

class QComboBox;

namespace orbel {

// Replaces the picker's items by the records of `zones` that pass `filter`; nothing is
// selected afterwards.
void FillZonePicker(QComboBox& picker, const CRegTimeZoneList& zones,
                    std::uint32_t filter = kZoneFilterAll);

// What the zone search looks in for a zone: key, shown name and country (kSearchTextRole).
QString ZoneSearchData(const CRegTimeZone& zone);

// The record an item carries; null for an index outside the picker (-1: no selection).
const CRegTimeZone* ZoneOfItem(const QComboBox& picker, int index);
// The record of the selected item, or null.
const CRegTimeZone* SelectedZone(const QComboBox& picker);

} // namespace orbel
