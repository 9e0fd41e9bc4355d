#pragma once
// The meeting planner window ("Plan"): the hours of a chosen day for every clock side by
// side, a column cursor that shows the chosen instant in every clock, a date picker, and
// "Copy" that puts the chosen instant in every clock on the clipboard. Modal; Escape closes.
#include <QDialog>

#include <cstdint>
#include <vector>

#include "planner/DayPlan.h"
#include "widgets/HelpWindow.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace orbel {

class PlanGrid;

class PlannerWindow : public QDialog, public HelpSource {
    Q_OBJECT
public:
    // `clocks`: the rows, first clock first; the window opens on the first clock's day at
    // `nowUnix` with the cursor on the hour that holds it.
    PlannerWindow(std::vector<PlanClock> clocks, std::int64_t nowUnix, LocaleTexts locale,
                  QWidget* owner = nullptr);

    PlanGrid* Grid() const { return grid_; }
    QDateEdit* DateField() const { return date_; }
    QPushButton* CopyButton() const { return copy_; }
    // The texts under the hours: the chosen instant in each clock.
    const std::vector<QLabel*>& InstantLabels() const { return instants_; }
    // The instant of the cursor (seconds since 1970, UTC); 0 without columns.
    std::int64_t ChosenInstant() const;

    void ShowDate(const PlanDate& date);
    void Copy();
    // The window's own help (its Help button, F1, and the Help command while it is up).
    void ShowHelp() override;

private:
    void ShowInstant();

    std::vector<PlanClock> clocks_;
    LocaleTexts locale_;
    PlanGrid* grid_;
    QDateEdit* date_;
    QPushButton* copy_;
    std::vector<QLabel*> instants_;
};

} // namespace orbel
