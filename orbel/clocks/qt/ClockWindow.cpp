#include "clocks/qt/ClockWindow.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include <chrono>
#include <cmath>

#include "clocks/ClockFace.h"
#include "clocks/ClockSun.h"
#include "clocks/qt/SunTexts.h"
#include "settings/AppSettings.h"
#include "sun/SunTimes.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

int HourOf(const DateTime& t)
{
    return t.Calendar().hour;
}

QColor Mix(const QColor& a, const QColor& b, double share)
{
    const auto mix = [share](int x, int y) { return static_cast<int>(x + (y - x) * share + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// A clock's background under the sun: a touch of sunlight by day, a deep blue by night,
// mixed into the chosen background so that its texts stay readable.
QColor Shaded(const QColor& background, double light)
{
    static const QColor night(40, 52, 96), day(255, 232, 150);
    return Mix(background, Mix(night, day, light), 0.45 - 0.15 * light);
}

std::int64_t UnixMinute(const DateTime& utc)
{
    return static_cast<std::int64_t>(std::floor(utc.ToUnixSeconds() / 60.0));
}

} // namespace

QFont FontFromRecord(const LogFont& record, int pixelHeight)
{
    QFont f;
    const std::string face = record.Face();
    if (!face.empty())
        f.setFamily(Q(face)); // a face that does not exist falls back to the default
    f.setPixelSize(std::max(pixelHeight, 1));
    if (record.weight > 0)
        f.setWeight(static_cast<QFont::Weight>(std::clamp(record.weight, 100, 900)));
    f.setItalic(record.italic != 0);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

ClockWindow::ClockWindow(CAppSettings& settings, ClockWindowEnv env, QWidget* parent)
    : QWidget(parent), settings_(settings), env_(std::move(env))
{
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted by paintEvent
    setMinimumSize(16, 16);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The clocks sit beside other work: their tooltips show without clicking them first.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAccessibleName(tr("Clocks"));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClockWindow::Tick);
    flashTimer_.setInterval(kFlashStepMilliseconds);
    connect(&flashTimer_, &QTimer::timeout, this, &ClockWindow::FlashStep);
    ApplyFrameFlags();
}

void ClockWindow::ApplyBorder()
{
    const int b = settings_.borderless ? kBorder : -kBorder;
    const QRect now = geometry();
    QRect next = now.adjusted(b, b, -b, -b);
    if (next.width() < minimumWidth() || next.height() < minimumHeight())
        next.setSize(now.size());
    setGeometry(next);
    LayOut();
}

void ClockWindow::Flash(std::function<void()> done)
{
    flashDone_ = std::move(done);
    flashStep_ = 0;
    flashOutline_ = false;
    flashTimer_.start();
    FlashStep(); // the first step at once
}

void ClockWindow::FlashStep()
{
    ++flashStep_;
    flashOutline_ = FlashOutlineShown(flashStep_);
    repaint();
    if (flashStep_ >= kFlashSteps) {
        flashTimer_.stop();
        if (auto done = std::move(flashDone_))
            done();
    }
}

void ClockWindow::ApplyFrameFlags()
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags f = Qt::Window | Qt::FramelessWindowHint;
    if (settings_.antiTask)
        f |= Qt::Tool;
    if (settings_.onTop)
        f |= Qt::WindowStaysOnTopHint;
    setWindowFlags(f);
    if (wasVisible)
        show();
    LayOut();
}

QRect ClockWindow::ClientRect() const
{
    const int b = settings_.borderless ? 0 : kBorder;
    return rect().adjusted(b, b, -b, -b);
}

QRect ClockWindow::ToQ(const Rect& r) const
{
    const QPoint o = ClientRect().topLeft();
    return QRect(r.left + o.x(), r.top + o.y(), r.right - r.left, r.bottom - r.top);
}

QColor ClockWindow::Slot(int slot) const
{
    const QPalette& pal = palette();
    SystemColours sys;
    sys.buttonFace = pal.color(QPalette::Button).rgb() & 0xFFFFFF;
    sys.buttonText = pal.color(QPalette::ButtonText).rgb() & 0xFFFFFF;
    sys.buttonHighlight = pal.color(QPalette::Highlight).rgb() & 0xFFFFFF;
    sys.buttonShadow = pal.color(QPalette::Dark).rgb() & 0xFFFFFF;
    return QColor::fromRgb(SlotColour(slot, settings_.Colour(slot), sys));
}

void ClockWindow::LayOut()
{
    bits_ = DisplayBitsFrom(settings_.displayFlags);
    const QRect client = ClientRect();
    const std::size_t n = settings_.clocks.CountWithFlags(CClock::kActive);
    areas_ = LayoutClockAreas(n, client.width(), client.height());
    faces_.assign(areas_.size(), Face{});

    if (!areas_.empty()) {
        const Rect& first = areas_.front();
        const auto a = static_cast<std::int32_t>(first.Height());
        std::int32_t h = BandFontHeight(a, bits_);
        const LogFont record = settings_.Font(0);
        const std::string sample =
            ClockTimeText(SampleTime(), bits_, env_.timeSeparator, env_.locale);
        const QFontMetrics probe(FontFromRecord(record, 32));
        const int sampleWidth = probe.horizontalAdvance(Q(sample));
        h = LimitFontHeight(h, bits_.analog, TextRoom(static_cast<std::int32_t>(first.Width())),
                            probe.height(), sampleWidth);
        fontHeight_ = h;
        // Heights are cell heights (the line's full height, as the probe measured it); Qt
        // sizes fonts by their em, so scale by the probe's ratio.
        const auto cell = [&](std::int32_t height) {
            return std::max(1, height * 32 / std::max(probe.height(), 1));
        };
        main_ = FontFromRecord(record, cell(h));
        small_ = FontFromRecord(record, cell(SmallFontHeight(h)));
        const DialGeometry dial = AnalogDial(
            {first.left, first.top, first.right,
             first.top + TimeBandHeight(static_cast<std::int32_t>(first.Height()), bits_)});
        designator_ = FontFromRecord(record, cell(DesignatorHeight(SmallFontHeight(h), dial)));
        fixedOffset_ = 0;
        if (!bits_.analog && bits_.seconds)
            fixedOffset_ = FixedLeftOffset(static_cast<std::int32_t>(first.Width()),
                                           QFontMetrics(main_).horizontalAdvance(Q(sample)));
    }

    const DateTime utc = env_.utcNow();
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        Face& f = faces_[i];
        f.area = areas_[i];
        f.band = f.area;
        f.band.bottom =
            f.band.top + TimeBandHeight(static_cast<std::int32_t>(f.area.Height()), bits_);
        f.dial = AnalogDial(f.band);
        if (CClock* c = settings_.clocks.NthActive(i)) {
            c->area = f.area;
            c->lastDrawn = c->GetTime(utc);
            if (dayAndNight_)
                f.city = ClockCity(*c, SystemZoneAtlas());
        }
    }
    ShadeFaces(false);
    InvalidateAll();
    RefreshTitle();
    DescribeClocks();
}

void ClockWindow::SetDayAndNight(bool on)
{
    if (on == dayAndNight_)
        return;
    dayAndNight_ = on;
    LayOut();
}

void ClockWindow::ShadeFaces(bool redraw)
{
    const DateTime utc = env_.utcNow();
    lastShadeMinute_ = UnixMinute(utc);
    const auto seconds = static_cast<std::int64_t>(std::llround(utc.ToUnixSeconds()));
    const QColor plain = Slot(kColourBackground);
    for (Face& f : faces_) {
        const QColor background =
            dayAndNight_ && f.city ? Shaded(plain, DaylightShare(*f.city, seconds)) : plain;
        if (background == f.background)
            continue;
        f.background = background;
        f.stillValid = false;
        if (redraw)
            update(ToQ(f.area));
    }
}

QColor ClockWindow::FaceBackground(std::size_t i) const
{
    return i < faces_.size() && faces_[i].background.isValid() ? faces_[i].background
                                                               : Slot(kColourBackground);
}

QString ClockWindow::ClockToolTip(std::size_t i) const
{
    const CClock* c = settings_.clocks.NthActive(i);
    if (!c)
        return {};
    const DateTime utc = env_.utcNow();
    return QStringList{Q(c->name), SunText(ClockSunToday(*c, SystemZoneAtlas(), utc)),
                       ChangeText(NextChangeOfClock(*c, kSystemZoneFolder, utc))}
        .join(QLatin1Char('\n'));
}

void ClockWindow::InvalidateAll()
{
    for (Face& f : faces_)
        f.stillValid = false;
    update();
}

void ClockWindow::RefreshTitle()
{
    const QString title = Q(WindowTitle(CAppSettings::kAppName, env_.localNow(), env_.locale));
    if (title != windowTitle())
        setWindowTitle(title);
}

void ClockWindow::StartTimer()
{
    const int ms = TimerIntervalMs(settings_.updateInterval);
    if (timer_.isActive() && timer_.interval() == ms)
        return;
    // Ticks fall just after the computer's second changes, so every tick shows a new second
    // and none is skipped as the timer drifts.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto intoSecond =
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % 1000;
    timer_.stop();
    // The interval is read when the shot fires: a start still waiting from before must not
    // bring back an interval changed since.
    QTimer::singleShot(static_cast<int>(1000 - intoSecond + 15), Qt::PreciseTimer, this, [this] {
        timer_.start(TimerIntervalMs(settings_.updateInterval));
        Tick();
    });
}

void ClockWindow::DescribeClocks()
{
    // What a screen reader says of the window: each clock's name and time to the minute.
    DisplayBits minutes = bits_;
    minutes.seconds = false;
    QStringList parts;
    for (std::size_t i = 0; i < faces_.size(); ++i)
        if (const CClock* c = settings_.clocks.NthActive(i))
            parts << Q(c->name + " " +
                       ClockTimeText(c->lastDrawn, minutes, env_.timeSeparator, env_.locale));
    const QString text = parts.join(QStringLiteral(", "));
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

void ClockWindow::Tick()
{
    const DateTime local = env_.localNow();
    emit ticked(local);
    RefreshTitle(); // set only when the day changed it
    const DateTime utc = env_.utcNow();
    // The sun moves little in a minute: the shading follows it once a minute.
    if (dayAndNight_ && UnixMinute(utc) != lastShadeMinute_)
        ShadeFaces(true);
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        CClock* c = settings_.clocks.NthActive(i);
        const Face& f = faces_[i];
        if (!c || f.area.Empty())
            continue;
        const DateTime now = c->GetTime(utc);
        switch (PlanTick(c->lastDrawn, now, bits_)) {
        case TickDraw::Nothing:
            break;
        case TickDraw::TimeBand:
            c->lastDrawn = now;
            update(ToQ(f.band));
            break;
        case TickDraw::Hands:
            c->lastDrawn = now;
            if (!f.dial.empty)
                update(ToQ(f.dial.inner).adjusted(-1, -1, 1, 1));
            break;
        case TickDraw::SecondsHand: {
            if (f.dial.empty)
                break;
            const int was = c->lastDrawn.Calendar().second;
            const int is = now.Calendar().second;
            c->lastDrawn = now;
            if (was != is)
                update(ToQ(HandBounds(f.dial.centre, f.dial.secondLength, was, 1)) |
                       ToQ(HandBounds(f.dial.centre, f.dial.secondLength, is, 1)));
            break;
        }
        }
    }
    DescribeClocks();
}

void ClockWindow::PaintNameAndDate(QPainter& p, std::size_t i, const QRect& area)
{
    const Face& f = faces_[i];
    const CClock* c = settings_.clocks.NthActive(i);
    if (!c || !bits_.nameOrDate)
        return;
    const QRect below(area.left(), area.top() + static_cast<int>(f.band.Height()), area.width(),
                      area.height() - static_cast<int>(f.band.Height()));
    if (bits_.date) {
        p.setFont(small_);
        p.setPen(Slot(kColourDate));
        const Qt::Alignment v = bits_.name ? Qt::AlignTop : Qt::AlignBottom;
        p.drawText(below, Qt::AlignHCenter | v | Qt::TextSingleLine,
                   Q(ClockDateText(c->lastDrawn, bits_, env_.locale)));
    }
    if (bits_.name) {
        p.setFont(main_);
        p.setPen(Slot(kColourTitle));
        p.drawText(below, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, Q(c->name));
    }
}

void ClockWindow::BuildStill(std::size_t i)
{
    Face& f = faces_[i];
    const QRect area = ToQ(f.area);
    const qreal dpr = devicePixelRatioF();
    f.still = QPixmap(area.size() * dpr);
    f.still.setDevicePixelRatio(dpr);
    f.still.fill(FaceBackground(i));
    QPainter p(&f.still);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect local(QPoint(0, 0), area.size());
    PaintNameAndDate(p, i, local);
    if (bits_.analog && !f.dial.empty) {
        const QPoint o = area.topLeft();
        p.translate(-o);
        for (const DialMark& m : f.dial.marks) {
            const QColor colour = Slot(m.slot);
            const QPointF at(
                ToQ({m.centre.x, m.centre.y, m.centre.x + 1, m.centre.y + 1}).topLeft());
            if (m.radius == 0) {
                p.fillRect(QRectF(at, QSizeF(1, 1)), colour);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(colour);
                p.drawEllipse(at + QPointF(0.5, 0.5), m.radius, m.radius);
            }
        }
    }
    f.stillValid = true;
}

void ClockWindow::PaintDigitalTime(QPainter& p, std::size_t i, const DateTime& t)
{
    const Face& f = faces_[i];
    const QRect band = ToQ(f.band);
    p.fillRect(band, FaceBackground(i));
    p.setFont(main_);
    p.setPen(Slot(kColourTime1));
    const QString text = Q(ClockTimeText(t, bits_, env_.timeSeparator, env_.locale));
    const Qt::Alignment v = bits_.nameOrDate ? Qt::AlignTop : Qt::AlignVCenter;
    if (bits_.seconds)
        p.drawText(band.adjusted(fixedOffset_, 0, 0, 0), Qt::AlignLeft | v | Qt::TextSingleLine,
                   text);
    else
        p.drawText(band, Qt::AlignHCenter | v | Qt::TextSingleLine, text);
}

void ClockWindow::PaintHands(QPainter& p, std::size_t i, const DateTime& t)
{
    const DialGeometry& d = faces_[i].dial;
    if (d.empty)
        return;
    CalendarTime c;
    if (!t.ToCalendar(c))
        return;
    const QPoint o = ClientRect().topLeft();
    const QPointF centre(d.centre.x + o.x() + 0.5, d.centre.y + o.y() + 0.5);
    auto end = [&](std::int32_t length, int position) {
        const Point e = HandEnd(d.centre, length, position);
        return QPointF(e.x + o.x() + 0.5, e.y + o.y() + 0.5);
    };
    if (!bits_.hour24) {
        p.setFont(designator_);
        p.setPen(Slot(kColourTime2));
        p.drawText(ToQ(d.designatorBox), Qt::AlignCenter | Qt::TextSingleLine,
                   Q(c.hour < 12 ? env_.locale.am : env_.locale.pm));
    }
    const qreal pen = std::max<qreal>(d.handPen, 1.0);
    p.setPen(QPen(Slot(kColourTime1), pen, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, end(d.hourLength, HourPosition(c.hour, c.minute)));
    p.drawLine(centre, end(d.minuteLength, c.minute));
    if (bits_.seconds) {
        p.setPen(QPen(Slot(kColourTime2), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, end(d.secondLength, c.second));
    }
    // A small hub where the hands meet.
    p.setPen(Qt::NoPen);
    p.setBrush(Slot(kColourTime1));
    p.drawEllipse(centre, pen * 0.75, pen * 0.75);
}

void ClockWindow::PaintFrame(QPainter& p)
{
    if (settings_.borderless)
        return;
    const QPalette& pal = palette();
    const QRect r = rect();
    p.fillRect(r, pal.color(QPalette::Window));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // While the program is active, a strip of the top border in the active caption colour.
    if (isActiveWindow()) {
        const int c = (width() - ClientRect().width()) / 2;
        const int b = (height() - ClientRect().height()) / 2;
        p.fillRect(QRect(QPoint(c, 1), QPoint(width() - c - 1, b - 2)),
                   pal.color(QPalette::Active, QPalette::Highlight));
    }
}

void ClockWindow::paintEvent(QPaintEvent* e)
{
    const DateTime local = env_.localNow();
    if (PaintRedrawsAll(lastPaintHour_, HourOf(local))) {
        // Everything is drawn again at least once an hour.
        lastPaintHour_ = HourOf(local);
        for (Face& f : faces_)
            f.stillValid = false;
        if (e->rect() != rect()) {
            update();
            return;
        }
    }
    QPainter p(this);
    p.setClipRegion(e->region());
    PaintFrame(p);
    const QRect client = ClientRect();
    p.fillRect(client, Slot(kColourBackground));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        const QRect area = ToQ(faces_[i].area);
        const CClock* c = settings_.clocks.NthActive(i);
        if (!c || area.isEmpty() || !e->region().intersects(area))
            continue;
        if (!faces_[i].stillValid)
            BuildStill(i);
        p.drawPixmap(area.topLeft(), faces_[i].still);
        if (bits_.analog)
            PaintHands(p, i, c->lastDrawn);
        else
            PaintDigitalTime(p, i, c->lastDrawn);
    }
    if (flashOutline_) {
        // An outline of the window, inverted so it shows on any colour.
        p.setClipping(false);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ClockWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayOut();
}

Qt::Edges ClockWindow::EdgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (settings_.borderless)
        return edges;
    const int grip = kBorder + 2; // a little inside the border still resizes
    if (pos.x() < grip)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - grip)
        edges |= Qt::RightEdge;
    if (pos.y() < grip)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - grip)
        edges |= Qt::BottomEdge;
    return edges;
}

void ClockWindow::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    const Qt::Edges edges = EdgesAt(e->position().toPoint());
    QWindow* w = windowHandle();
    if (edges && w && w->startSystemResize(edges))
        return;
    if (!edges && w && w->startSystemMove())
        return;
    // The platform cannot move the window itself: follow the pointer.
    dragging_ = true;
    dragFrom_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void ClockWindow::mouseMoveEvent(QMouseEvent* e)
{
    if (dragging_) {
        move(e->globalPosition().toPoint() - dragFrom_);
        return;
    }
    const Qt::Edges edges = EdgesAt(e->position().toPoint());
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) ||
        (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* e)
{
    dragging_ = false;
    QWidget::mouseReleaseEvent(e);
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ClockWindow::keyPressEvent(QKeyEvent* e)
{
    // Shift+F10 stands in for the menu key, which X and Wayland do not turn into it.
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        emit menuRequested(mapToGlobal(ClientRect().topLeft() + QPoint(5, 5)));
        return;
    }
    int dx = 0, dy = 0;
    switch (e->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return QWidget::keyPressEvent(e);
    }
    if (e->modifiers() & Qt::ShiftModifier)
        resize(std::max(width() + dx, minimumWidth()), std::max(height() + dy, minimumHeight()));
    else
        move(pos() + QPoint(dx, dy));
}

void ClockWindow::contextMenuEvent(QContextMenuEvent* e)
{
    if (e->reason() == QContextMenuEvent::Keyboard)
        emit menuRequested(mapToGlobal(ClientRect().topLeft() + QPoint(5, 5)));
    else
        emit menuRequested(e->globalPos());
}

void ClockWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange)
        update(QRect(0, 0, width(), kBorder)); // the active-caption strip
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange)
        LayOut();
    QWidget::changeEvent(e);
}

bool ClockWindow::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent*>(e)->pos();
        for (std::size_t i = 0; i < faces_.size(); ++i)
            if (ToQ(faces_[i].area).contains(at)) {
                QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), ClockToolTip(i), this,
                                   ToQ(faces_[i].area));
                return true;
            }
        QToolTip::hideText();
        return true;
    }
    if (e->type() == QEvent::LocaleChange) {
        // The user changed the locale: its texts are read again before the clocks are.
        if (env_.readLocale) {
            env_.locale = env_.readLocale();
            env_.timeSeparator = env_.locale.timeSeparator;
            settings_.timeSeparator = env_.locale.timeSeparator;
            settings_.amDesignator = env_.locale.am;
            settings_.pmDesignator = env_.locale.pm;
        }
        LayOut();
    }
    return QWidget::event(e);
}

} // namespace orbel
