#include "widgets/ZonePicker.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "sun/ZoneCoordinates.h"
#include "widgets/PickerSearch.h"
#include "zones/ZoneSearch.h"

namespace orbel {

void FillZonePicker(QComboBox& picker, const CRegTimeZoneList& zones, std::uint32_t filter)
{
    const QSignalBlocker quiet(picker);
    picker.clear();
    for (const CRegTimeZone* zone : zones.PickerOrder(filter)) {
        picker.addItem(QString::fromStdString(zone->displayName),
                       QVariant::fromValue(reinterpret_cast<quintptr>(zone)));
        picker.setItemData(picker.count() - 1, ZoneSearchData(*zone), kSearchTextRole);
    }
    picker.setCurrentIndex(-1);
}

QString ZoneSearchData(const CRegTimeZone& zone)
{
    return QString::fromStdString(ZoneSearchText(zone, SystemZoneAtlas().CountryOf(zone.keyName)));
}

const CRegTimeZone* ZoneOfItem(const QComboBox& picker, int index)
{
    if (index < 0 || index >= picker.count())
        return nullptr;
    return reinterpret_cast<const CRegTimeZone*>(picker.itemData(index).value<quintptr>());
}

const CRegTimeZone* SelectedZone(const QComboBox& picker)
{
    return ZoneOfItem(picker, picker.currentIndex());
}

} // namespace orbel
