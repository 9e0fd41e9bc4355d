#include "planner/qt/PlanGrid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orbel {
namespace {

constexpr int kPad = 6;

// The shades: bright for working hours, pale for the rest of the day, blue at dusk and dawn,
// dark at night; working hours in the dark keep a green cast.
struct Shade {
    QColor fill;
    QColor text;
};
Shade ShadeOf(const PlanCell& c)
{
    const bool night = c.sky == Sky::Night;
    const bool twilight = c.sky == Sky::Twilight;
    if (c.work)
        return night      ? Shade{QColor(0x4f, 0x7a, 0x5a), Qt::white}
               : twilight ? Shade{QColor(0x86, 0xb8, 0x90), Qt::black}
                          : Shade{QColor(0xbf, 0xe8, 0xc4), Qt::black};
    return night      ? Shade{QColor(0x2c, 0x36, 0x52), QColor(0xe8, 0xec, 0xf4)}
           : twilight ? Shade{QColor(0x8e, 0x9c, 0xc0), Qt::black}
                      : Shade{QColor(0xf1, 0xf2, 0xf4), QColor(0x30, 0x30, 0x30)};
}

QFont Smaller(const QFont& f)
{
    QFont small = f;
    small.setPointSizeF(f.pointSizeF() > 0 ? f.pointSizeF() * 0.8 : 8);
    return small;
}

} // namespace

PlanGrid::PlanGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Hours of the day"));
    Measure();
}

void PlanGrid::SetPlan(DayPlan plan)
{
    plan_ = std::move(plan);
    Measure();
    cursor_ = std::clamp(cursor_, 0, std::max(0, static_cast<int>(plan_.columns.size()) - 1));
    updateGeometry();
    update();
}

void PlanGrid::SetCursor(int column)
{
    const int last = static_cast<int>(plan_.columns.size()) - 1;
    column = std::clamp(column, 0, std::max(0, last));
    if (column == cursor_)
        return;
    cursor_ = column;
    update();
    emit cursorMoved(cursor_);
}

// The sizes of names, cells and rows, measured once for each plan and font.
void PlanGrid::Measure()
{
    nameFont_ = font();
    nameFont_.setBold(true);
    smallFont_ = Smaller(font());
    const QFontMetrics names(nameFont_);
    int widest = names.horizontalAdvance(QStringLiteral("Madrid"));
    for (const PlanRow& r : plan_.rows)
        widest = std::max(widest, names.horizontalAdvance(QString::fromStdString(r.name)));
    nameWidth_ = widest + 2 * kPad;
    cellWidth_ = fontMetrics().horizontalAdvance(QStringLiteral("23:45")) + kPad;
    smallHeight_ = QFontMetrics(smallFont_).height();
    rowHeight_ = smallHeight_ + fontMetrics().height() + 2 * kPad;
    legendHeight_ = fontMetrics().height() + 2 * kPad;
}

void PlanGrid::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange) {
        Measure();
        updateGeometry();
    }
    QWidget::changeEvent(e);
}

QRect PlanGrid::CellRect(int row, int column) const
{
    return {nameWidth_ + column * cellWidth_, row * rowHeight_, cellWidth_, rowHeight_};
}

int PlanGrid::ColumnAt(const QPoint& at) const
{
    const int x = at.x() - nameWidth_;
    if (x < 0 || at.x() < NamesLeft() + nameWidth_ || plan_.columns.empty())
        return -1;
    const int column = x / cellWidth_;
    return column < static_cast<int>(plan_.columns.size()) ? column : -1;
}

QSize PlanGrid::sizeHint() const
{
    const int columns = std::max<int>(24, static_cast<int>(plan_.columns.size()));
    const int rows = std::max<int>(1, static_cast<int>(plan_.rows.size()));
    return {nameWidth_ + columns * cellWidth_ + 2, rows * rowHeight_ + legendHeight_ + 2};
}

void PlanGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (int r = 0; r < static_cast<int>(plan_.rows.size()); ++r)
        PaintRow(p, r);
    if (!plan_.columns.empty()) {
        // The cursor: the chosen instant down every row.
        const QRect top = CellRect(0, cursor_);
        const QRect column(top.left(), 0, top.width(),
                           static_cast<int>(plan_.rows.size()) * rowHeight_);
        QPen pen(hasFocus() ? QColor(0xd0, 0x40, 0x10) : QColor(0x90, 0x50, 0x30));
        pen.setWidth(3);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(column.adjusted(1, 1, -2, -2));
    }
    PaintLegend(p);
    PaintNames(p);
}

int PlanGrid::NamesLeft() const
{
    // In a scroll area the names stay at the left edge of what shows.
    return std::max(0, visibleRegion().boundingRect().left());
}

void PlanGrid::PaintNames(QPainter& p)
{
    const int left = NamesLeft();
    p.fillRect(QRect(left, 0, nameWidth_, static_cast<int>(plan_.rows.size()) * rowHeight_),
               palette().window());
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(nameFont_);
    for (int r = 0; r < static_cast<int>(plan_.rows.size()); ++r)
        p.drawText(QRect(left + kPad, r * rowHeight_, nameWidth_ - 2 * kPad, rowHeight_),
                   Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(plan_.rows[r].name));
}

void PlanGrid::PaintRow(QPainter& p, int r)
{
    const PlanRow& row = plan_.rows[r];
    const QFont& small = smallFont_;
    const int smallHeight = smallHeight_;
    for (int k = 0; k < static_cast<int>(row.cells.size()); ++k) {
        const PlanCell& c = row.cells[k];
        const QRect cell = CellRect(r, k);
        const Shade shade = ShadeOf(c);
        p.fillRect(cell.adjusted(0, 1, -1, -1), shade.fill);
        p.setPen(shade.text);
        if (c.newDay) {
            // A new local day: its date over the cell and a line before it.
            p.setFont(small);
            p.drawText(QRect(cell.left() + 2, cell.top() + 1, cell.width() * 3, smallHeight),
                       Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(c.dayText));
            if (k > 0)
                p.fillRect(QRect(cell.left(), cell.top(), 2, cell.height()),
                           palette().color(QPalette::WindowText));
        }
        p.setFont(c.minuteText.empty() ? font() : small);
        const QRect hour(cell.left(), cell.top() + smallHeight, cell.width(),
                         cell.height() - smallHeight - kPad / 2);
        p.drawText(hour, Qt::AlignCenter, QString::fromStdString(c.hourText + c.minuteText));
    }
}

void PlanGrid::PaintLegend(QPainter& p)
{
    const int top = static_cast<int>(plan_.rows.size()) * rowHeight_ + kPad;
    const int box = fontMetrics().height() - 2;
    int x = NamesLeft() + nameWidth_; // in sight however far the hours scroll
    PlanCell work, workDark, off, twilight, night;
    work.work = true;
    workDark.work = true;
    workDark.sky = Sky::Night;
    twilight.sky = Sky::Twilight;
    night.sky = Sky::Night;
    const std::pair<PlanCell, QString> keys[] = {{work, tr("Working hours (9 to 18)")},
                                                 {workDark, tr("Working hours in the dark")},
                                                 {off, tr("Off hours")},
                                                 {twilight, tr("Dawn and dusk")},
                                                 {night, tr("Night")}};
    p.setFont(font());
    for (const auto& [cell, text] : keys) {
        p.fillRect(QRect(x, top, box, box), ShadeOf(cell).fill);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(QRect(x, top, box, box));
        p.setPen(palette().color(QPalette::WindowText));
        x += box + kPad;
        p.drawText(QPoint(x, top + fontMetrics().ascent() - 1), text);
        x += fontMetrics().horizontalAdvance(text) + 3 * kPad;
    }
}

void PlanGrid::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
        SetCursor(cursor_ - 1);
        break;
    case Qt::Key_Right:
        SetCursor(cursor_ + 1);
        break;
    case Qt::Key_Home:
        SetCursor(0);
        break;
    case Qt::Key_End:
        SetCursor(static_cast<int>(plan_.columns.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void PlanGrid::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    if (const int column = ColumnAt(e->position().toPoint()); column >= 0)
        SetCursor(column);
}

void PlanGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        if (const int column = ColumnAt(e->position().toPoint()); column >= 0)
            SetCursor(column);
}

} // namespace orbel
