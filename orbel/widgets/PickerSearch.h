#pragma once
// A search field for drop-down lists: as the user types, each list keeps only the items
// whose search text holds every typed word (ZoneQuery), in their order; the others are
// hidden in the list and skipped by the arrow keys, and nothing chosen changes. Down or
// Return in the field opens the first list on its first match, where Return chooses it.
// The items carry their search text (FoldForSearch) under kSearchTextRole; a list that is
// filled again is filtered again.
#include <QLineEdit>
#include <QPointer>

#include <vector>

class QComboBox;

namespace orbel {

inline constexpr int kSearchTextRole = Qt::UserRole + 7;

class PickerSearch : public QLineEdit {
    Q_OBJECT
public:
    PickerSearch(std::vector<QComboBox*> pickers, QWidget* parent);

    // Items of the first list that the search leaves shown.
    int ShownCount() const;
    // Opens the first list with its first shown item current.
    void OpenFirstList();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Filter();
    void FilterPicker(QComboBox& picker);
    void FilterRows(QComboBox& picker, int first, int last);

    std::vector<QPointer<QComboBox>> pickers_;
};

} // namespace orbel
