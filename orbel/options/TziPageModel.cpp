#include "options/TziPageModel.h"

#include <system_error>

#include "zones/StringTable.h"
#include "zones/TransitionText.h"

namespace orbel {

void TziPageModel::Open(const ZoneSources& sources)
{
    ReadSystemZones(system_, sources.systemFolder, sources.referenceYear);
    file_.Clear();
    std::string error;
    if (LoadZoneDatabase(file_, sources.programFolder, error)) {
        // The file's full path, even when the program folder was given relative.
        std::error_code ec;
        const std::filesystem::path path = ZoneDatabasePath(sources.programFolder);
        const std::filesystem::path full = std::filesystem::absolute(path, ec);
        status_ = FormatMessage(LoadString(1033),
                                {std::to_string(file_.size()), (ec ? path : full).string()});
        offeredModes_ = (file_.headerFlags & CRegTimeZoneList::kHasReplacementRecords) ? 3 : 2;
    } else {
        status_ = error;
        offeredModes_ = 1;
    }
}

std::vector<std::string> TziPageModel::UsageItems() const
{
    std::vector<std::string> items;
    for (int i = 0; i < offeredModes_; ++i)
        items.push_back(StringItem(1032, static_cast<std::size_t>(i)));
    return items;
}

const CRegTimeZoneList& TziPageModel::PickerZones(ZoneDatabaseUsage usage,
                                                  std::uint32_t& filter) const
{
    if (usage == ZoneDatabaseUsage::Replace) {
        filter = kZoneFilterReplacement;
        return file_;
    }
    filter = kZoneFilterAll;
    return system_;
}

TziTransitionTexts TziPageModel::Describe(const CRegTimeZone* selected, ZoneDatabaseUsage usage,
                                          int year, const LocaleTexts& locale) const
{
    TziTransitionTexts t;
    if (!selected)
        return t;
    const CRegTimeZone* system = system_.FindZone(*selected, kZoneFilterAll);
    t.systemStart = DescribeTransition(system, TransitionKind::DaylightStart, year, locale);
    t.systemEnd = DescribeTransition(system, TransitionKind::StandardStart, year, locale);
    const CRegTimeZone* orbel = nullptr;
    if (usage == ZoneDatabaseUsage::Merge)
        orbel = file_.FindZone(*selected, kZoneFilterCorrection);
    else if (usage == ZoneDatabaseUsage::Replace)
        orbel = file_.FindZone(*selected, kZoneFilterReplacement);
    if (orbel) {
        t.orbelStart = DescribeTransition(orbel, TransitionKind::DaylightStart, year, locale);
        t.orbelEnd = DescribeTransition(orbel, TransitionKind::StandardStart, year, locale);
    } else {
        t.orbelStart = t.orbelEnd = std::string(LoadString(1040));
    }
    return t;
}

} // namespace orbel
