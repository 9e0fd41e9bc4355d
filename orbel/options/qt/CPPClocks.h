#pragma once
// The Clocks page: the clocks in display order with their check (shown or not), and the
// selected clock's title, supplement, zone and daylight-saving flag; Add, Remove, Move Up
// and Move Down.
#include <optional>
#include <vector>

#include "options/qt/CPPParent.h"
#include "zones/RegTimeZoneList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbel {

class PickerSearch;
class SpinEdit;

class CPPClocks : public CPPParent {
    Q_OBJECT
public:
    explicit CPPClocks(CPSOptions& sheet);
    PageCheck Store() override;

    // The zone list the picker shows, built for another usage mode (the TZI page's change
    // of mode): the picker refills and is left without a choice.
    void TakeZones(CRegTimeZoneList zones);

    // The list's actions, as their buttons give them.
    void Add();
    void Remove();
    void Move(int by); // -1 up, +1 down

    QListWidget* List() { return list_; }
    QLineEdit* Title() { return title_; }
    SpinEdit* Supplement() { return supplement_; }
    QComboBox* ZonePicker() { return zone_; }
    PickerSearch* Search() { return search_; }
    QCheckBox* DaylightBox() { return daylight_; }
    QPushButton* Button(int id); // 3019 Add, 3020 Remove, 3021 Move Up, 3022 Move Down
    std::optional<std::size_t> Selection() const { return selection_; }

private:
    // The steps of the constructor, in order.
    QLabel* MakeList();
    void MakeButtons();
    void MakeFields();
    void LayOut(QLabel* listLabel);
    void ConnectControls();
    void ShowClocks();

    void FillList();
    void FillZonePicker();
    void LoadControls();
    void RefreshEnabled();
    void SelectLine(std::optional<std::size_t> line);
    void LineChosen(int row);
    const CRegTimeZone* ChosenZone() const;

    QListWidget* list_;
    QLineEdit* title_;
    SpinEdit* supplement_;
    QComboBox* zone_;
    PickerSearch* search_;
    QCheckBox* daylight_;
    QPushButton *add_, *remove_, *up_, *down_;
    CRegTimeZoneList zones_;               // the page's own zone list
    std::vector<CRegTimeZone*> entries_;   // the picker's entries, in its order
    std::optional<std::size_t> selection_; // the clock the controls show
    bool loading_ = false;
};

} // namespace orbel
