#pragma once
// The options sheet "Options": five pages (Clocks, View, Style, Adjust Time, TZI) over OK,
// Cancel, Apply and Help. Modeless, one at a time, owned by the clock window. It opens on
// the page used last and where it was last closed in this run (pulled back so that
// 32 x 32 pixels stay on the desktop), or centred the first time. Closing it stores the
// page index and saves the settings when they are modified. See CPPParent.h for how the
// pages plug in.
#include <QDialog>
#include <QPointer>

#include <array>
#include <optional>

#include "clocks/Rect.h"
#include "options/qt/CPPParent.h"
#include "widgets/HelpWindow.h"

class QPushButton;
class QTabWidget;

namespace orbel {

class CPSOptions : public QDialog, public HelpSource {
    Q_OBJECT
public:
    static constexpr int kPageCount = 5;

    // `lastRect` is the run's memory of where the sheet was closed (the shell keeps it).
    CPSOptions(OptionsEnvironment env, std::optional<Rect>* lastRect, QWidget* owner);
    ~CPSOptions() override;

    OptionsEnvironment& Env() { return env_; }
    CPPParent* Page(int index) { return pages_.at(static_cast<std::size_t>(index)); }
    CPPParent* ActivePage();
    int ActiveIndex() const;
    void SetActivePage(int index);

    // The buttons, as a user presses them. OK and Apply are false when a page refused.
    bool PressOk();
    bool PressApply();
    void PressCancel();
    void PressHelp();
    // The active page's help (the Help button, F1, and the Help command while the sheet is
    // the window in front).
    void ShowHelp() override { PressHelp(); }

    // A page's changed state moved: Apply follows it.
    void PageChanged();
    QPushButton* OkButton() { return ok_; }
    QPushButton* CancelButton() { return cancel_; }
    QPushButton* ApplyButton() { return apply_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Place();
    void Finish(); // stores the page and the rectangle, saves, and goes
    bool StoreOne(CPPParent* page);

    OptionsEnvironment env_;
    std::optional<Rect>* lastRect_;
    QTabWidget* tabs_;
    std::array<CPPParent*, kPageCount> pages_{};
    QPushButton *ok_, *cancel_, *apply_, *help_;
    bool finished_ = false;
};

// The Options command: brings the open sheet forward, or opens a new one on the stored
// page. `open` is the application's pointer to the open sheet.
CPSOptions* OpenOptionsSheet(QPointer<CPSOptions>& open, const OptionsEnvironment& env,
                             std::optional<Rect>* lastRect, QWidget* owner);

} // namespace orbel
