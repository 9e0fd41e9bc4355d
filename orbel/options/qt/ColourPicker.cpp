#include "options/qt/ColourPicker.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "options/OptionsPages.h"

namespace orbel {
namespace {

QColor FromBgr(std::int32_t v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

// Draws one item into `r`: on the highlight when selected, else on the window colour;
// "Default" as text, the others as a swatch inset by 2 pixels.
void PaintItem(QPainter& p, const QRect& r, int index, bool selected, const QPalette& pal)
{
    p.fillRect(r, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    if (index < 0 || index >= static_cast<int>(kColourChoiceCount))
        return;
    const ColourChoice& c = ColourChoices()[static_cast<std::size_t>(index)];
    if (c.value == kSystemColour) {
        p.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
        p.drawText(r.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromStdString(ColourChoiceName(static_cast<std::size_t>(index))));
        return;
    }
    const QRect swatch = r.adjusted(2, 2, -2, -2);
    p.fillRect(swatch, FromBgr(c.value));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}

class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        p->save();
        PaintItem(*p, option.rect, index.row(), option.state & QStyle::State_Selected,
                  option.palette);
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(std::max(s.height(), option.fontMetrics.height() + 4));
        return s;
    }
};

} // namespace

ColourPicker::ColourPicker(QWidget* parent) : QComboBox(parent)
{
    for (std::size_t i = 0; i < kColourChoiceCount; ++i) {
        // The name is the item's text for screen readers and keyboard search; it is never
        // drawn.
        addItem(QString::fromStdString(ColourChoiceName(i)));
    }
    setItemDelegate(new SwatchDelegate(this));
    setMinimumWidth(
        fontMetrics().horizontalAdvance(QString::fromStdString(ColourChoiceName(0))) * 2 + 24);
    setCurrentIndex(-1);
}

std::optional<std::size_t> ColourPicker::Choice() const
{
    if (currentIndex() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(currentIndex());
}

void ColourPicker::ShowStored(std::int32_t stored)
{
    const std::optional<std::size_t> i = ColourChoiceIndex(stored);
    setCurrentIndex(i ? static_cast<int>(*i) : -1);
}

void ColourPicker::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    p.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintItem(p, field, currentIndex(), hasFocus(), palette());
}

} // namespace orbel
