#pragma once
// The planner's hours: one row per clock, one column per hour of the day, every column the
// same instant in all rows; working hours, off hours and night in their own shades, and a
// column cursor moved by the arrow keys (Home, End) or the mouse.
#include <QWidget>

#include "planner/DayPlan.h"

namespace orbel {

class PlanGrid : public QWidget {
    Q_OBJECT
public:
    explicit PlanGrid(QWidget* parent = nullptr);

    void SetPlan(DayPlan plan);
    const DayPlan& Plan() const { return plan_; }
    int Cursor() const { return cursor_; }
    // The column, kept within the day.
    void SetCursor(int column);
    // The column under a point of the widget, or -1.
    int ColumnAt(const QPoint& at) const;
    QRect CellRect(int row, int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void cursorMoved(int column);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Measure();
    void PaintRow(class QPainter& p, int row);
    void PaintLegend(QPainter& p);
    void PaintNames(QPainter& p);
    int NamesLeft() const;

    DayPlan plan_;
    int cursor_ = 0;
    QFont nameFont_, smallFont_;
    int nameWidth_ = 0, cellWidth_ = 0, rowHeight_ = 0, smallHeight_ = 0, legendHeight_ = 0;
};

} // namespace orbel
