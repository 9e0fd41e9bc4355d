#pragma once
// The base of every page of the options sheet (CPSOptions).
//
// How a page is made and what it gets:
// - Each page class derives from CPPParent and takes the sheet in its constructor:
//   `explicit CPPSynch(CPSOptions& sheet) : CPPParent(sheet, "CPPSynch", "Adjust Time")`.
//   The class name names the page's help text (matched without regard to case); the
//   caption is the tab's. CPSOptions.cpp makes the five pages in tab order in MakePage.
// - Everything a page needs comes from Env() (OptionsEnvironment below): the settings,
//   the clock window, the time-server client and the clock it sets, where zone lists are
//   built from, the computer's time and locale texts, and how to show a message. Other
//   pages are reached through Sheet().Page(index) (the TZI page refills the Clocks
//   page's zone picker through CPPClocks::TakeZones).
// - A page builds its controls and loads its values in its constructor. OnSetActive runs
//   each time it becomes the page shown.
// - Every edit calls SetModified(): the page is changed and the sheet's Apply button is
//   enabled.
// - Storing: the sheet calls Store() on the active page and on every changed page when
//   OK or Apply is pressed. Store checks the page's fields first; when a check fails it
//   returns the core's PageCheck (message and control id) and stores nothing: the sheet
//   then shows the message, keeps itself open on that page and puts the focus on the
//   control given that id with SetControlId. After storing, the settings are marked
//   modified, the clock window is refreshed, the changed state is cleared and Cancel
//   reads "&Close".
// - A page presses Apply itself with PressApply() before an action that needs the
//   stored settings (the Clocks page's list buttons, the Adjust Time page's buttons); it
//   returns false when a page refused, and the action should then stop.
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "options/OptionsPages.h"
#include "zones/DateTimeFormat.h"
#include "zones/ZoneDatabase.h"

namespace orbel {

class CAppSettings;
class CPSOptions;
class CSyncClient;
class ClockWindow;
class SystemClock;

enum class MessageIcon { Exclamation, Stop, Information };

// What the pages work on, handed to the sheet by the shell (tests fill it themselves).
struct OptionsEnvironment {
    CAppSettings* settings = nullptr;
    ClockWindow* clockWindow = nullptr; // refreshed after Apply; the View page restyles it
    CSyncClient* sync = nullptr;        // the Adjust Time page's transfers
    SystemClock* systemClock = nullptr; // the computer's clock, which that page sets
    ZoneSources zoneSources;            // the Clocks and TZI pages build their zone lists
    std::function<DateTime()> utcNow, localNow;
    LocaleTexts locale;
    // A message box over the sheet (tests listen instead).
    std::function<void(QWidget* over, const std::string& text, MessageIcon icon)> showMessage;
};

class CPPParent : public QWidget {
    Q_OBJECT
public:
    CPPParent(CPSOptions& sheet, std::string className, QString caption);

    const std::string& ClassName() const { return className_; }
    const QString& Caption() const { return caption_; }
    CPSOptions& Sheet() { return sheet_; }
    OptionsEnvironment& Env();
    CAppSettings& Settings() { return *Env().settings; }

    // The page's changed state; any changed page enables Apply.
    void SetModified(bool changed = true);
    bool IsModified() const { return modified_; }

    // Presses the sheet's Apply button. False when a page refused to store.
    bool PressApply();

    // Checks and stores the page's fields into the settings (see above).
    virtual PageCheck Store() = 0;
    // The page becomes the one shown.
    virtual void OnSetActive() {}

    // Shows a message over the sheet.
    void ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::Exclamation);
    // The control a failed check names by `id` gets the focus.
    void FocusControl(int id);

protected:
    // Names a control by the id the checks give (3010, 3016, ...).
    static void SetControlId(QWidget* control, int id);

private:
    CPSOptions& sheet_;
    std::string className_;
    QString caption_;
    bool modified_ = false;
};

// A page still to be built: its caption and a line saying so.
class PlaceholderPage : public CPPParent {
    Q_OBJECT
public:
    PlaceholderPage(CPSOptions& sheet, std::string className, QString caption);
    PageCheck Store() override { return {}; }
};

} // namespace orbel
