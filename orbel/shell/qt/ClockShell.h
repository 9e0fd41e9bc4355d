#pragma once
// The world clock as a running program: the settings, the clock window, the tray icon, the
// command menu, help and about, the automatic adjustment and the end of the run. The steps
// of the start and the end are the core's (shell/Shell.h); this class carries them out.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "shell/Shell.h"
#include "sync/SyncSchedule.h"

namespace orbel {

class CSyncClient;
class SystemClock;
class TimeChangeWatch;

struct ShellConfig {
    SettingsPlatform platform;
    RegistryStore* store = nullptr; // the registry stand-in
    std::string programPath;
    SystemClock* systemClock = nullptr; // sets the computer's clock
    ClockWindowEnv window;              // the clock and locale the window shows
    // Whether to look for a tray host; tests of the window alone switch it off.
    bool useTray = true;
    // How a message reaches the user (a message box unless a test listens).
    std::function<void(const std::string&)> showError;
    // How the options pages show their messages (a message box over the sheet unless a
    // test listens).
    std::function<void(QWidget* over, const std::string&, MessageIcon)> showMessage;
};

class ClockShell : public QObject, private ShellHost {
    Q_OBJECT
public:
    explicit ClockShell(ShellConfig config);
    ~ClockShell() override;

    // The start sequence. Running: the event loop may run.
    StartResult Start();
    // The end sequence (once), then the event loop ends.
    void Quit(EndReason why);

    CAppSettings& Settings() { return *settings_; }
    ClockWindow* Window() { return window_.get(); }
    QSystemTrayIcon* Tray() { return tray_; }
    QMenu* Menu() { return &menu_; }
    QAction* Action(int id) { return actions_.at(id); }
    CSyncClient* Sync() { return sync_.get(); }
    TimeChangeWatch* TimeWatch() { return timeWatch_.get(); }
    bool Ended() const { return ended_; }
    // The open options sheet, or null.
    CPSOptions* Options() { return options_; }

    // The Options command (2000): the open sheet brought forward, or a new one.
    CPSOptions* OpenOptions();
    // What the options pages work on.
    OptionsEnvironment OptionsEnv();

    // Show/Hide (command 1).
    void ToggleWindow();
    // Day and Night (command 2010): the shading switched, and kept for the next start.
    void ToggleDayAndNight();
    // The schedule's check, run each tick with the local time.
    void CheckSchedule(const DateTime& localNow);

    // SIGTERM ends the program through Quit: call once, early in main.
    static void InstallTerminationHandler();

private:
    bool LoadSettings() override;
    bool CreateClockWindow() override;
    void PlaceWindow() override;
    void LayOutClocks() override;
    void ShowOrHideWindow() override;
    void AddTrayIcon(const std::string& tip) override;
    void RefreshClockZones() override;
    void StartClockTimer() override;
    bool TransferRunningWithoutError() override;
    void CancelTransfer() override;
    void StopClockTimer() override;
    void CapturePlacement() override;
    void RemoveTrayIcon() override;
    bool SettingsModified() override;
    bool SaveSettings(EndReason why) override;

    // The clock and locale texts of the clock window (read again at a change of the locale).
    const ClockWindowEnv& WindowEnv() const;
    void BuildActions();
    void UpdateMenu();
    void Run(int id);
    void OpenConvert();
    void OpenTimeInZone();
    void OpenPlan();
    void ShowHelp();
    bool eventFilter(QObject* watched, QEvent* e) override;

    ShellConfig config_;
    std::unique_ptr<CAppSettings> settings_;
    std::unique_ptr<ClockWindow> window_;
    QPointer<QSystemTrayIcon> tray_;
    QMenu menu_;
    std::map<int, QAction*> actions_;
    SyncSchedule schedule_;
    std::unique_ptr<CSyncClient> sync_;
    std::unique_ptr<TimeChangeWatch> timeWatch_;
    bool ended_ = false;
    // Where the last double-click on the clock window was (it opens Convert).
    std::optional<QPoint> doubleClickAt_;
    QPointer<CPSOptions> options_;
    // The last of the clock window and the options sheet to be the active window: the Help
    // command goes there when no modal window is up.
    QPointer<QWidget> lastFront_;
    std::optional<Rect> sheetRect_; // where the sheet was last closed in this run
};

} // namespace orbel
