#pragma once
// The quick time window ("Time in Zone"): the current date and time of any zone of the zone
// list, without making a clock. Modal, centred on the desktop. The zone chosen last is
// chosen again the next time the window opens in the same run.
#include <QDialog>

#include <cstddef>
#include <functional>
#include <optional>

#include "widgets/HelpWindow.h"
#include "zones/DateTimeFormat.h"
#include "zones/RegTimeZoneList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace orbel {

class PickerSearch;

class TimeInZoneWindow : public QDialog, public HelpSource {
    Q_OBJECT
public:
    // `zones`: a zone list built for the current database usage mode; the window keeps it.
    TimeInZoneWindow(CRegTimeZoneList zones, std::function<DateTime()> utcNow, LocaleTexts locale,
                     QWidget* owner = nullptr);

    QComboBox* Picker() const { return picker_; }
    QLineEdit* CurrentTime() const { return time_; }
    QCheckBox* DaylightBox() const { return daylight_; }
    PickerSearch* Search() const { return search_; }
    // Today's sunrise and sunset at the zone's city and its next clock change.
    QLabel* SunAndChange() const { return sun_; }

    // The item chosen last in this run (none before the first choice).
    static std::optional<std::size_t> Remembered() { return remembered_; }
    static void Forget() { remembered_.reset(); }

    // The window's own help (its Help button, F1, and the Help command while it is up).
    void ShowHelp() override;

private:
    void Show();

    CRegTimeZoneList zones_;
    std::function<DateTime()> utcNow_;
    LocaleTexts locale_;
    QLineEdit* time_;
    QComboBox* picker_;
    PickerSearch* search_;
    QCheckBox* daylight_;
    QLabel* sun_;
    static std::optional<std::size_t> remembered_;
};

} // namespace orbel
