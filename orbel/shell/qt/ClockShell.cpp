#include "shell/qt/ClockShell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <iostream>

#include "clocks/qt/ConvertWindow.h"
#include "clocks/qt/TimeChangeWatch.h"
#include "clocks/qt/TimeInZoneWindow.h"
#include "planner/qt/PlannerWindow.h"
#include "settings/SettingsStartup.h"
#include "settings/SideOptions.h"
#include "shell/qt/AboutBox.h"
#include "shell/qt/Display.h"
#include "sun/ZoneCoordinates.h"
#include "sync/ClockAdjustment.h"
#include "sync/qt/CSyncClient.h"
#include "widgets/HelpWindow.h"
#include "widgets/ProgramIcon.h"
#include "zones/ZoneDatabase.h"

namespace orbel {
namespace {

int g_termPipe[2] = {-1, -1};

void OnTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_termPipe[1], &byte, 1);
}

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

Rect FromQ(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QKeySequence KeyOf(int id)
{
    for (const Accelerator& a : Accelerators())
        if (a.id == id)
            return QKeySequence(QChar(a.key));
    if (id == kCmdHelp)
        return QKeySequence(Qt::Key_F1);
    if (id == kCmdExit)
        return QKeySequence(Qt::ALT | Qt::Key_F4);
    return {};
}

} // namespace

void ClockShell::InstallTerminationHandler()
{
    if (g_termPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_termPipe) != 0)
        return;
    struct sigaction sa {};
    sa.sa_handler = OnTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
}

ClockShell::ClockShell(ShellConfig config) : config_(std::move(config))
{
    settings_ =
        std::make_unique<CAppSettings>(*config_.store, config_.platform, config_.programPath);
    sync_ = std::make_unique<CSyncClient>(settings_->syncRecord, *config_.systemClock);
    connect(sync_.get(), &CSyncClient::automaticSuccess, this, [this] {
        if (ended_)
            return; // the program is ending: the clock is not set on the way out
        bool modified = false;
        AdjustClock(AdjustMinutesSeconds,
                    {settings_->syncRecord, settings_->lastAdjusted, modified},
                    *config_.systemClock, AdjustOrigin::Automatic); // nobody is asked
        if (modified)
            settings_->SetModified();
    });
    if (!config_.showError)
        config_.showError = [](const std::string& text) {
            QMessageBox::critical(nullptr, QString::fromUtf8(CAppSettings::kAppName), Q(text));
        };
    if (g_termPipe[0] >= 0) {
        auto* n = new QSocketNotifier(g_termPipe[0], QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this] {
            char byte;
            [[maybe_unused]] const ssize_t r = ::read(g_termPipe[0], &byte, 1);
            Quit(EndReason::Terminated);
        });
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The session ends: keep the placement and what changed before the desktop goes.
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            CapturePlacement();
            if (SettingsModified())
                SaveSettings(EndReason::SessionEnd);
        });
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { Quit(EndReason::SessionEnd); });
    }
    BuildActions();
}

ClockShell::~ClockShell()
{
    if (options_)
        options_->PressCancel();
    if (!ended_ && window_)
        EndProgram(*this, EndReason::Closed);
    delete tray_; // before the menu it shows
    if (window_)
        window_->removeEventFilter(this);
    window_.reset();
}

StartResult ClockShell::Start()
{
    return StartProgram(*this, ProgramIdentity{});
}

void ClockShell::Quit(EndReason why)
{
    if (ended_)
        return;
    ended_ = true;
    if (options_)
        options_->PressCancel(); // what was not applied is dropped, as with Cancel
    if (window_)
        EndProgram(*this, why);
    if (window_)
        window_->hide();
    QCoreApplication::quit();
}

void ClockShell::BuildActions()
{
    ShellState built;
    built.optionsBuilt = true;
    for (const MenuEntry& e : CommandMenu(built)) {
        if (e.separator) {
            menu_.addSeparator();
            continue;
        }
        auto* a = new QAction(this);
        a->setCheckable(e.checkable);
        a->setShortcut(KeyOf(e.id));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, id = e.id] { Run(id); });
        actions_[e.id] = a;
        menu_.addAction(a);
        if (e.isDefault)
            menu_.setDefaultAction(a); // drawn bold
    }
    menu_.setAccessibleName(tr("Orbel menu"));
    UpdateMenu();
}

void ClockShell::UpdateMenu()
{
    ShellState s;
    s.windowHidden = !window_ || !window_->isVisible();
    s.trayAvailable = tray_ != nullptr;
    s.convertBuilt = true;
    s.timeInZoneBuilt = true;
    s.planBuilt = true;
    s.optionsBuilt = true;
    s.dayAndNight = window_ && window_->DayAndNight();
    for (const MenuEntry& e : CommandMenu(s)) {
        if (e.separator)
            continue;
        QAction* a = actions_.at(e.id);
        // The menu shows the key after the tab; the shortcut itself is the action's.
        a->setText(Q(e.text));
        a->setEnabled(e.enabled);
        a->setChecked(e.checked);
    }
}

void ClockShell::Run(int id)
{
    switch (id) {
    case kCmdShowHide:
        ToggleWindow();
        break;
    case kCmdHelp:
        ShowHelp();
        break;
    case kCmdAbout:
        OpenAboutBox(window_.get());
        break;
    case kCmdExit:
        Quit(EndReason::Closed);
        break;
    case kCmdConvert:
        OpenConvert();
        break;
    case kCmdTimeInZone:
        OpenTimeInZone();
        break;
    case kCmdPlan:
        OpenPlan();
        break;
    case kCmdOptions:
        OpenOptions();
        break;
    case kCmdDayAndNight:
        ToggleDayAndNight();
        break;
    default:
        break;
    }
}

void ClockShell::ShowHelp()
{
    // The window in front: a modal window (Convert, Time in Zone, a message over the
    // sheet), else the last of the clock window and the sheet to be active.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = lastFront_;
    if (!ShowHelpOf(front))
        HelpWindow::Open(window_.get(), "HELP", false);
}

void ClockShell::OpenConvert()
{
    // Where the pointer is in the clock window's client area: a double-click there chooses
    // the clock under it for the second row.
    std::optional<PointerInClockWindow> pointer;
    if (window_ && window_->isVisible()) {
        const QRect client = window_->ClientRect();
        const QPoint at = doubleClickAt_ ? *doubleClickAt_ : window_->mapFromGlobal(QCursor::pos());
        pointer = PointerInClockWindow{at.x() - client.left(), at.y() - client.top(),
                                       client.width(), client.height()};
    }
    doubleClickAt_.reset();
    ConvertWindow::Run(window_.get(), *settings_, WindowEnv(), config_.platform.localZone(),
                       pointer);
}

void ClockShell::OpenTimeInZone()
{
    ZoneSources sources;
    sources.programFolder = config_.platform.dataFolder;
    sources.referenceYear = config_.window.utcNow().Calendar().year;
    CRegTimeZoneList zones;
    BuildZoneList(zones, UsageFromOptions(settings_->displayFlags), sources);
    TimeInZoneWindow window(std::move(zones), config_.window.utcNow, WindowEnv().locale,
                            window_.get());
    window.exec();
}

void ClockShell::OpenPlan()
{
    // One row per clock the clock window shows, in its order.
    std::vector<PlanClock> clocks;
    for (std::size_t i = 0; i < settings_->clocks.Count(); ++i)
        if (const CClock& c = settings_->clocks.At(i); c.IsActive())
            clocks.push_back(PlanClockOf(c, SkyOver(SystemZoneAtlas().Find(c.zone.keyName))));
    const std::int64_t now = std::llround(config_.window.utcNow().ToUnixSeconds());
    PlannerWindow window(std::move(clocks), now, WindowEnv().locale, window_.get());
    window.exec();
}

const ClockWindowEnv& ClockShell::WindowEnv() const
{
    return window_ ? window_->Env() : config_.window;
}

OptionsEnvironment ClockShell::OptionsEnv()
{
    OptionsEnvironment env;
    env.settings = settings_.get();
    env.clockWindow = window_.get();
    env.sync = sync_.get();
    env.systemClock = config_.systemClock;
    env.zoneSources.programFolder = config_.platform.dataFolder;
    env.zoneSources.referenceYear = config_.window.utcNow().Calendar().year;
    env.utcNow = config_.window.utcNow;
    env.localNow = config_.window.localNow;
    env.locale = WindowEnv().locale;
    env.showMessage = config_.showMessage;
    return env;
}

CPSOptions* ClockShell::OpenOptions()
{
    if (!window_)
        return nullptr;
    CPSOptions* sheet = OpenOptionsSheet(options_, OptionsEnv(), &sheetRect_, window_.get());
    sheet->removeEventFilter(this);
    sheet->installEventFilter(this);
    lastFront_ = sheet; // brought forward
    return sheet;
}

void ClockShell::ToggleWindow()
{
    if (!window_)
        return;
    if (window_->isHidden()) {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    } else if (tray_) {
        window_->hide();
    }
    const std::uint32_t visible = window_->isVisible() ? 1 : 0;
    if (visible != settings_->visible) {
        settings_->visible = visible;
        settings_->SetModified();
    }
    UpdateMenu();
}

void ClockShell::CheckSchedule(const DateTime& localNow)
{
    const auto o = schedule_.Check(localNow, (settings_->displayFlags & kOptionAutoAdjust) != 0,
                                   settings_->lastAdjusted, settings_->adjustmentInterval,
                                   sync_->TransferExists());
    if (o.lastAdjustedStarted)
        settings_->SetModified();
    if (o.startDownload)
        sync_->StartDownload(3, settings_->server);
}

bool ClockShell::LoadSettings()
{
    const StartupLoad load = LoadSettingsAtStart(*settings_);
    if (!load.ok) {
        config_.showError(load.message);
        return false;
    }
    return true;
}

bool ClockShell::CreateClockWindow()
{
    window_ = std::make_unique<ClockWindow>(*settings_, config_.window);
    window_->setWindowIcon(ProgramIcon());
    window_->SetDayAndNight(SideOptions::Read(config_.platform.dataFolder).DayAndNight());
    for (const auto& [id, action] : actions_)
        window_->addAction(action);
    connect(window_.get(), &ClockWindow::menuRequested, this, [this](const QPoint& at) {
        UpdateMenu();
        menu_.popup(at);
    });
    connect(window_.get(), &ClockWindow::doubleClicked, this, [this] {
        if (QAction* convert = actions_.at(kCmdConvert); convert->isEnabled())
            convert->trigger();
    });
    connect(window_.get(), &ClockWindow::ticked, this,
            [this](const DateTime& local) { CheckSchedule(local); });
    window_->installEventFilter(this);
    timeWatch_ = std::make_unique<TimeChangeWatch>();
    connect(timeWatch_.get(), &TimeChangeWatch::timeChanged, window_.get(), &ClockWindow::Tick);
    connect(timeWatch_.get(), &TimeChangeWatch::timeChanged, this,
            [this] { sync_->ComputerClockStepped(); });
    return true;
}

void ClockShell::ToggleDayAndNight()
{
    if (!window_)
        return;
    const bool on = !window_->DayAndNight();
    window_->SetDayAndNight(on);
    UpdateMenu();
    // Kept beside the settings file at once; the settings file itself is not touched.
    SideOptions options = SideOptions::Read(config_.platform.dataFolder);
    options.SetDayAndNight(on);
    std::string error;
    if (!options.Save(error) && config_.showError)
        config_.showError(tr("The Day and Night option could not be kept for the next start: %1")
                              .arg(Q(error))
                              .toStdString());
}

bool ClockShell::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::WindowActivate &&
        (watched == window_.get() || (options_ && watched == options_.data())))
        lastFront_ = static_cast<QWidget*>(watched);
    if (watched == window_.get()) {
        if (e->type() == QEvent::Close) {
            // Alt+F4 or the window manager's close: the program ends.
            e->ignore();
            Quit(EndReason::Closed);
            return true;
        }
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
            UpdateMenu();
        if (e->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            doubleClickAt_ = static_cast<QMouseEvent*>(e)->position().toPoint();
    }
    return QObject::eventFilter(watched, e);
}

void ClockShell::PlaceWindow()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const Rect desktop = screen ? FromQ(screen->availableGeometry()) : Rect{0, 0, 640, 480};
    if (settings_->bounds.Width() <= 0 || settings_->bounds.Height() <= 0)
        settings_->SetBounds(DefaultWindowRect(settings_->Font(0).height, desktop));
    // A stored placement is kept only where a screen still shows it.
    Rect r = UsableStoredRect(settings_->bounds);
    bool shown = false;
    for (QScreen* s : QGuiApplication::screens())
        shown = shown || s->availableGeometry().intersects(
                             QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    if (!shown)
        r = CentreOnDesktop(r, desktop);
    window_->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void ClockShell::LayOutClocks()
{
    window_->LayOut();
}

void ClockShell::ShowOrHideWindow()
{
    if (settings_->visible)
        window_->show();
    else
        window_->hide();
}

void ClockShell::AddTrayIcon(const std::string& tip)
{
    QApplication::setQuitOnLastWindowClosed(false);
    if (!config_.useTray || !QSystemTrayIcon::isSystemTrayAvailable()) {
        // Nothing could show a hidden window again: it stays reachable.
        if (window_->isHidden())
            window_->show();
        UpdateMenu();
        return;
    }
    tray_ = new QSystemTrayIcon(ProgramIconPixmap(16), this);
    tray_->setToolTip(Q(tip));
    tray_->setContextMenu(&menu_);
    // Qt shows the icon as an item when a watcher of items is on the session bus.
    const TrayKind kind = TrayWatcherOnSessionBus() ? TrayKind::Item : TrayKind::Embedded;
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this, kind](QSystemTrayIcon::ActivationReason r) {
                const TrayClick click = r == QSystemTrayIcon::Trigger       ? TrayClick::Single
                                        : r == QSystemTrayIcon::DoubleClick ? TrayClick::Double
                                                                            : TrayClick::Other;
                if (TrayClickRunsFirstItem(click, kind))
                    Run(kCmdShowHide); // the menu's first item
            });
    connect(&menu_, &QMenu::aboutToShow, this, &ClockShell::UpdateMenu);
    tray_->show();
    UpdateMenu();
}

void ClockShell::RefreshClockZones()
{
    ZoneSources sources;
    sources.programFolder = config_.platform.dataFolder;
    sources.referenceYear = config_.window.utcNow().Calendar().year;
    if (RefreshZonesAtStart(*settings_, sources))
        window_->update();
}

void ClockShell::StartClockTimer()
{
    window_->StartTimer();
    window_->Tick();
}

bool ClockShell::TransferRunningWithoutError()
{
    return sync_->CurrentTransfer() && sync_->CurrentTransfer()->ErrorCode() == 0;
}

void ClockShell::CancelTransfer()
{
    sync_->CurrentTransfer()->Cancel();
}

void ClockShell::StopClockTimer()
{
    window_->StopTimer();
}

void ClockShell::CapturePlacement()
{
    if (!window_)
        return;
    WindowPlacement p;
    p.normal =
        PlacementToKeep(settings_->bounds, FromQ(window_->geometry()), CompositorPlacesWindows());
    settings_->CapturePlacement(p);
}

void ClockShell::RemoveTrayIcon()
{
    if (tray_) {
        tray_->hide();
        delete tray_;
    }
}

bool ClockShell::SettingsModified()
{
    return settings_->IsModified();
}

bool ClockShell::SaveSettings(EndReason why)
{
    const SaveResult r = settings_->Save();
    if (r.ok)
        return true;
    if (why != EndReason::Closed)
        std::cerr << r.error << "\n";
    else if (config_.showMessage)
        config_.showMessage(window_.get(), r.error, MessageIcon::Exclamation);
    else
        QMessageBox::warning(nullptr, QString::fromUtf8(CAppSettings::kAppName), Q(r.error));
    return false;
}

} // namespace orbel
