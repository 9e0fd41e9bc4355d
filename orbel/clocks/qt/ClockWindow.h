#pragma once
// The program's main window: the active clocks side by side, digital or analog, kept up to
// date by a timer. It has no caption; it is moved by its face and resized by its border
// through the platform's own move and resize. Every rule it follows is in clocks/ClockFace.
#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "clocks/ClockFace.h"
#include "sun/ZoneCoordinates.h"
#include "zones/DateTimeFormat.h"

namespace orbel {

class CAppSettings;

// What the window needs of the computer, handed in so tests can fix it.
struct ClockWindowEnv {
    std::function<DateTime()> utcNow;   // the computer's UTC time
    std::function<DateTime()> localNow; // the computer's local time
    LocaleTexts locale;
    std::string timeSeparator = ":";
    // Reads the locale's texts again when the platform reports a change of the locale;
    // without it the texts stay as given.
    std::function<LocaleTexts()> readLocale;
};

class ClockWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 4; // the sizing border, when the window has one

    ClockWindow(CAppSettings& settings, ClockWindowEnv env, QWidget* parent = nullptr);

    // Recomputes areas, fonts and the title (size, options or locale changed).
    void LayOut();
    // The computer and the locale texts the window shows now (the windows opened from it
    // take them too).
    const ClockWindowEnv& Env() const { return env_; }
    // Frame options from the settings: on top, borderless, out of the task bar.
    void ApplyFrameFlags();
    // The borderless setting changed: the window shrinks (or grows) by its border on every
    // side, so the clocks stay where they are on the screen.
    void ApplyBorder();
    // "Flash Clocks": an outline inverted over the face on every odd step of the flash
    // (kFlashSteps steps, kFlashStepMilliseconds apart); `done` runs after the last step.
    void Flash(std::function<void()> done);
    bool Flashing() const { return flashTimer_.isActive(); }
    bool FlashOutlineOn() const { return flashOutline_; }
    int FlashStepsShown() const { return flashStep_; }
    // One tick of the clock timer: what changed is redrawn. Also run at once when the
    // computer's clock is changed.
    void Tick();
    // Restarts the timer when the interval changed or it does not run.
    void StartTimer();
    void StopTimer() { timer_.stop(); }
    bool TimerRunning() const { return timer_.isActive(); }
    int TimerInterval() const { return timer_.interval(); }

    // The client area: inside the sizing border.
    QRect ClientRect() const;
    // The areas the clocks were laid out in, in list order of the active clocks.
    const std::vector<Rect>& Areas() const { return areas_; }
    int FontHeight() const { return fontHeight_; }

    // "Day and night": each clock's background shaded by whether the sun is up at its
    // zone's city, dawn and dusk in between; a clock whose zone names no city keeps the
    // plain background.
    void SetDayAndNight(bool on);
    bool DayAndNight() const { return dayAndNight_; }
    // The background the i-th active clock is drawn on now.
    QColor FaceBackground(std::size_t i) const;
    // The tooltip of the i-th active clock: name, today's sunrise and sunset, next change.
    QString ClockToolTip(std::size_t i) const;

signals:
    // Menu 1000 is asked for at a point (the context-menu key or a right click); the shell
    // shows it.
    void menuRequested(const QPoint& global);
    // A double-click on the clocks (the Convert command).
    void doubleClicked();
    // Each tick, before the clocks are redrawn: the schedule of the automatic adjustment
    // (with the local time now).
    void ticked(const orbel::DateTime& localNow);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    struct Face {
        Rect area, band;
        DialGeometry dial;
        QPixmap still; // background, marks, name and date
        bool stillValid = false;
        std::optional<GeoPoint> city; // with day and night on, where the sun is reckoned
        QColor background;
    };
    QColor Slot(int slot) const;
    QRect ToQ(const Rect& r) const;
    void BuildStill(std::size_t i);
    void PaintDigitalTime(QPainter& p, std::size_t i, const DateTime& t);
    void PaintHands(QPainter& p, std::size_t i, const DateTime& t);
    void PaintNameAndDate(QPainter& p, std::size_t i, const QRect& area);
    void PaintFrame(QPainter& p);
    void RefreshTitle();
    void DescribeClocks();
    Qt::Edges EdgesAt(const QPoint& pos) const;
    void InvalidateAll();
    // Each face's background from the sun at its city (day and night on) or slot 0.
    void ShadeFaces(bool redraw);

    CAppSettings& settings_;
    ClockWindowEnv env_;
    void FlashStep();

    QTimer timer_;
    QTimer flashTimer_;
    int flashStep_ = 0;
    bool flashOutline_ = false;
    std::function<void()> flashDone_;
    std::vector<Rect> areas_;
    std::vector<Face> faces_;
    DisplayBits bits_;
    QFont main_, small_, designator_;
    int fontHeight_ = 1;
    int fixedOffset_ = 0;
    int lastPaintHour_ = -1;
    bool dayAndNight_ = false;
    std::int64_t lastShadeMinute_ = -1;
    QPoint dragFrom_;
    bool dragging_ = false;
};

// A font from the stored description, at a pixel height.
QFont FontFromRecord(const struct LogFont& record, int pixelHeight);

} // namespace orbel
