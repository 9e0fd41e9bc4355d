#pragma once
// The conversion window ("Convert"): two rows of clock, time and day. Typing a time in one
// row shows in the other row the time its clock shows at that moment. Modal, centred on the
// desktop; every rule it follows is in clocks/Conversion.
#include <QDialog>

#include <optional>

#include "clocks/Conversion.h"
#include "clocks/qt/ClockWindow.h"
#include "widgets/HelpWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orbel {

class CAppSettings;
class PickerSearch;

class ConvertWindow : public QDialog, public HelpSource {
    Q_OBJECT
public:
    // The window with its rows' clocks chosen (rows.refused must be false).
    ConvertWindow(CAppSettings& settings, ClockWindowEnv env, const ConversionRows& rows,
                  QWidget* owner = nullptr);

    // The Convert command: the window, modal, or the warning when fewer than two clocks are
    // shown. `pointer`: where the mouse is in the clock window's client area, if it exists.
    static void Run(QWidget* owner, CAppSettings& settings, const ClockWindowEnv& env,
                    const TimeZoneInformation& computerZone,
                    std::optional<PointerInClockWindow> pointer);

    // Row 1 or 2.
    QComboBox* Picker(int row) const { return row == 1 ? picker1_ : picker2_; }
    QLineEdit* Time(int row) const { return row == 1 ? time1_ : time2_; }
    QLineEdit* Day(int row) const { return row == 1 ? day1_ : day2_; }
    PickerSearch* Search() const { return search_; }
    // The clock of a row's selected item (an index of the whole clock list), or -1.
    int RowClock(int row) const;

    // The row's clock's current time into its time field, the focus there, then a
    // conversion ("&Reset" resets row 1).
    void ResetRow(int row);
    // The window's own help (its Help button, F1, and the Help command while it is up).
    void ShowHelp() override;

private:
    // The steps of the constructor.
    QLabel* MakeRows();
    QVBoxLayout* MakeButtons();
    void LayOut(QLabel* clockLabel, QVBoxLayout* buttons);

    void Convert(std::optional<ConversionFocus> focus = std::nullopt);
    void ClockChanged(int row);
    ConversionFocus FocusNow() const;
    void SetQuietly(QLineEdit* field, const std::string& text);

    CAppSettings& settings_;
    ClockWindowEnv env_;
    QComboBox* picker1_;
    QComboBox* picker2_;
    QLineEdit* time1_;
    QLineEdit* time2_;
    QLineEdit* day1_;
    QLineEdit* day2_;
    QPushButton* close_ = nullptr;
    PickerSearch* search_ = nullptr;
    bool converting_ = false;
};

// Puts a dialog in the middle of the desktop it is shown on.
void CentreOnScreen(QWidget& window);

} // namespace orbel
