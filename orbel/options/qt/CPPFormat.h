#pragma once
// The View page: the clock window's frame options (on top, border, task bar), what each
// clock shows, how often the clocks are redrawn, and "Flash Clocks" to find the window.
#include <array>

#include "options/qt/CPPParent.h"

class QCheckBox;
class QPushButton;

namespace orbel {

class SpinEdit;

class CPPFormat : public CPPParent {
    Q_OBJECT
public:
    explicit CPPFormat(CPSOptions& sheet);
    PageCheck Store() override;

    // The check boxes in the order of ViewPageValues: on top, hide border, exclude from the
    // task bar, analog, 24 hours, seconds, name, date, day of year.
    QCheckBox* Box(std::size_t i) { return boxes_.at(i); }
    SpinEdit* Interval() { return interval_; }
    QPushButton* FlashButton() { return flash_; }
    void FlashClocks();

private:
    ViewPageValues Values() const;

    std::array<QCheckBox*, 9> boxes_{};
    SpinEdit* interval_;
    QPushButton* flash_;
};

} // namespace orbel
