#include "widgets/PickerSearch.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QStandardItemModel>

#include <algorithm>

#include "zones/ZoneSearch.h"

namespace orbel {

PickerSearch::PickerSearch(std::vector<QComboBox*> pickers, QWidget* parent) : QLineEdit(parent)
{
    setClearButtonEnabled(true);
    setPlaceholderText(tr("City, country or zone"));
    for (QComboBox* picker : pickers) {
        pickers_.emplace_back(picker);
        // A refill brings every item back: the search applies to the new ones too.
        QAbstractItemModel* model = picker->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this, picker](const QModelIndex&, int first, int last) {
                    FilterRows(*picker, first, last);
                });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this, picker](const QModelIndex& from, const QModelIndex& to,
                               const QList<int>& roles) {
                    if (roles.contains(kSearchTextRole))
                        FilterRows(*picker, from.row(), to.row());
                });
    }
    connect(this, &QLineEdit::textChanged, this, &PickerSearch::Filter);
}

void PickerSearch::Filter()
{
    for (const auto& picker : pickers_)
        if (picker)
            FilterPicker(*picker);
}

void PickerSearch::FilterPicker(QComboBox& picker)
{
    FilterRows(picker, 0, picker.count() - 1);
}

void PickerSearch::FilterRows(QComboBox& picker, int first, int last)
{
    auto* model = qobject_cast<QStandardItemModel*>(picker.model());
    auto* view = qobject_cast<QListView*>(picker.view());
    if (!model || !view)
        return;
    const ZoneQuery query(text().toStdString());
    for (int row = std::max(first, 0); row <= last && row < model->rowCount(); ++row) {
        QStandardItem* item = model->item(row);
        const bool shown =
            query.Empty() || query.Matches(item->data(kSearchTextRole).toString().toStdString());
        // Disabled items are skipped by the arrow keys of the closed list.
        if (item->isEnabled() != shown)
            item->setEnabled(shown);
        if (view->isRowHidden(row) == shown)
            view->setRowHidden(row, !shown);
    }
}

int PickerSearch::ShownCount() const
{
    if (pickers_.empty() || !pickers_.front())
        return 0;
    const auto* view = qobject_cast<QListView*>(pickers_.front()->view());
    int shown = 0;
    for (int row = 0; row < pickers_.front()->count(); ++row)
        shown += view && view->isRowHidden(row) ? 0 : 1;
    return shown;
}

void PickerSearch::OpenFirstList()
{
    if (pickers_.empty() || !pickers_.front())
        return;
    QComboBox& picker = *pickers_.front();
    auto* view = qobject_cast<QListView*>(picker.view());
    if (ShownCount() == 0)
        return; // nothing matches: an empty list would only hide the field
    picker.setFocus();
    picker.showPopup();
    if (!view)
        return;
    const int current = picker.currentIndex();
    if (current >= 0 && !view->isRowHidden(current))
        return; // the chosen item is among the matches: the list opens on it
    for (int row = 0; row < picker.count(); ++row)
        if (!view->isRowHidden(row)) {
            view->setCurrentIndex(picker.model()->index(row, picker.modelColumn()));
            return;
        }
}

void PickerSearch::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Return would otherwise press the window's default button.
        if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
            OpenFirstList();
            e->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace orbel
