#include "clocks/qt/ConvertWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <vector>

#include "clocks/ClockFace.h"
#include "settings/AppSettings.h"
#include "widgets/HelpWindow.h"
#include "widgets/PickerSearch.h"
#include "widgets/ZonePicker.h"
#include "zones/Translation.h"
#include "zones/ZoneSearch.h"

namespace orbel {
namespace {

constexpr int kTimeFieldLength = 12;
constexpr const char* kHelpName = "1008";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Every clock of the list by name, sorted alphabetically (ties in list order), each item
// carrying its index in the list.
void FillClockPicker(QComboBox& picker, const CClockList& clocks)
{
    std::vector<std::size_t> order(clocks.Count());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return Q(clocks.At(a).name).localeAwareCompare(Q(clocks.At(b).name)) < 0;
    });
    const QSignalBlocker quiet(picker);
    picker.clear();
    for (std::size_t i : order) {
        // The search finds a clock by its name and by its zone's city, country and key.
        const CClock& clock = clocks.At(i);
        picker.addItem(Q(clock.name), static_cast<int>(i));
        picker.setItemData(picker.count() - 1,
                           Q(FoldForSearch(clock.name)) + QLatin1Char('\n') +
                               ZoneSearchData(clock.zone),
                           kSearchTextRole);
    }
    picker.setCurrentIndex(-1);
}

void SelectClock(QComboBox& picker, int clock)
{
    const QSignalBlocker quiet(picker);
    picker.setCurrentIndex(clock < 0 ? -1 : picker.findData(clock));
}

QLineEdit* ReadOnlyField(QWidget* parent, const QString& name)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAccessibleName(name);
    return field;
}

} // namespace

void CentreOnScreen(QWidget& window)
{
    window.adjustSize();
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

ConvertWindow::ConvertWindow(CAppSettings& settings, ClockWindowEnv env, const ConversionRows& rows,
                             QWidget* owner)
    : QDialog(owner), settings_(settings), env_(std::move(env))
{
    setWindowTitle(tr("Convert"));
    QLabel* clockLabel = MakeRows();
    QVBoxLayout* buttons = MakeButtons();
    LayOut(clockLabel, buttons);

    FillClockPicker(*picker1_, settings_.clocks);
    FillClockPicker(*picker2_, settings_.clocks);
    SelectClock(*picker1_, rows.row1);
    SelectClock(*picker2_, rows.row2);

    connect(time1_, &QLineEdit::textChanged, this, [this] { Convert(); });
    connect(time2_, &QLineEdit::textChanged, this, [this] { Convert(); });
    connect(picker1_, &QComboBox::currentIndexChanged, this, [this] { ClockChanged(1); });
    connect(picker2_, &QComboBox::currentIndexChanged, this, [this] { ClockChanged(2); });

    ResetRow(1);
    time1_->setFocus();
    CentreOnScreen(*this);
}

// Two rows of clock, time and day, and the label over the clocks.
QLabel* ConvertWindow::MakeRows()
{
    picker1_ = new QComboBox(this);
    picker2_ = new QComboBox(this);
    time1_ = new QLineEdit(this);
    time2_ = new QLineEdit(this);
    day1_ = ReadOnlyField(this, tr("Day 1"));
    day2_ = ReadOnlyField(this, tr("Day 2"));
    picker1_->setAccessibleName(tr("Clock 1"));
    picker2_->setAccessibleName(tr("Clock 2"));
    time1_->setAccessibleName(tr("Time 1"));
    time2_->setAccessibleName(tr("Time 2"));
    for (QLineEdit* time : {time1_, time2_})
        time->setMaxLength(kTimeFieldLength);
    for (QComboBox* picker : {picker1_, picker2_})
        picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int dayWidth = fontMetrics().horizontalAdvance(QStringLiteral("Wed 30")) * 3 / 2;
    day1_->setFixedWidth(dayWidth);
    day2_->setFixedWidth(dayWidth);
    const int timeWidth = fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 AM")) * 3 / 2;
    time1_->setMinimumWidth(timeWidth);
    time2_->setMinimumWidth(timeWidth);

    auto* label = new QLabel(tr("Cloc&k:"), this);
    label->setBuddy(picker1_);
    return label;
}

// Close (the default), Reset and Help, in a column.
QVBoxLayout* ConvertWindow::MakeButtons()
{
    close_ = new QPushButton(tr("&Close"), this);
    auto* reset = new QPushButton(tr("&Reset"), this);
    auto* help = new QPushButton(tr("&Help"), this);
    close_->setAccessibleName(tr("Close"));
    reset->setAccessibleName(tr("Reset"));
    help->setAccessibleName(tr("Help"));
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, [this] { ResetRow(1); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    BindHelpKey(*this, *this);
    auto* column = new QVBoxLayout;
    column->addWidget(close_);
    column->addWidget(reset);
    column->addWidget(help);
    column->addStretch();
    return column;
}

void ConvertWindow::LayOut(QLabel* clockLabel, QVBoxLayout* buttons)
{
    auto* grid = new QGridLayout;
    grid->addWidget(clockLabel, 0, 0);
    grid->addWidget(picker1_, 1, 0);
    grid->addWidget(time1_, 1, 1);
    grid->addWidget(day1_, 1, 2);
    grid->addWidget(picker2_, 2, 0);
    grid->addWidget(time2_, 2, 1);
    grid->addWidget(day2_, 2, 2);
    search_ = new PickerSearch({picker1_, picker2_}, this);
    search_->setAccessibleName(tr("Find clock"));
    auto* searchLabel = new QLabel(tr("Fi&nd clock:"), this);
    searchLabel->setBuddy(search_);
    auto* searchLine = new QHBoxLayout;
    searchLine->addWidget(searchLabel);
    searchLine->addWidget(search_, 1);
    grid->addLayout(searchLine, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setTabOrder(picker1_, time1_);
    setTabOrder(time1_, picker2_);
    setTabOrder(picker2_, time2_);
    setTabOrder(time2_, search_);
    setTabOrder(search_, close_);
}

void ConvertWindow::Run(QWidget* owner, CAppSettings& settings, const ClockWindowEnv& env,
                        const TimeZoneInformation& computerZone,
                        std::optional<PointerInClockWindow> pointer)
{
    const ConversionRows rows = ConversionStartRows(settings.clocks, computerZone, pointer);
    if (rows.refused) {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(CAppSettings::kAppName),
                        QString::fromStdString(Tr("Conversion", kTwoClocksMessage)),
                        QMessageBox::Ok, owner);
        box.exec();
        return;
    }
    ConvertWindow window(settings, env, rows, owner);
    window.exec();
}

void ConvertWindow::ShowHelp()
{
    HelpWindow::Open(this, kHelpName, true);
}

int ConvertWindow::RowClock(int row) const
{
    const QComboBox* picker = Picker(row);
    return picker->currentIndex() < 0 ? -1 : picker->currentData().toInt();
}

void ConvertWindow::SetQuietly(QLineEdit* field, const std::string& text)
{
    const QSignalBlocker quiet(field);
    field->setText(Q(text));
}

void ConvertWindow::ResetRow(int row)
{
    const int clock = RowClock(row);
    if (clock >= 0 && static_cast<std::size_t>(clock) < settings_.clocks.Count()) {
        const DateTime now =
            settings_.clocks.At(static_cast<std::size_t>(clock)).GetTime(env_.utcNow());
        SetQuietly(Time(row), ClockTimeText(now, DisplayBitsFrom(settings_.displayFlags),
                                            env_.timeSeparator, env_.locale));
        Time(row)->setFocus();
        Time(row)->selectAll();
    }
    Convert(row == 1 ? ConversionFocus::Time1 : ConversionFocus::Time2);
}

ConversionFocus ConvertWindow::FocusNow() const
{
    const QWidget* f = focusWidget();
    if (f == time1_)
        return ConversionFocus::Time1;
    if (f == time2_)
        return ConversionFocus::Time2;
    if (f == picker1_)
        return ConversionFocus::Picker1;
    if (f == picker2_)
        return ConversionFocus::Picker2;
    return ConversionFocus::Elsewhere;
}

void ConvertWindow::Convert(std::optional<ConversionFocus> focus)
{
    if (converting_)
        return;
    const int clock1 = RowClock(1), clock2 = RowClock(2);
    if (clock1 < 0 || clock2 < 0)
        return;
    converting_ = true;
    const int source = ConversionSourceRow(focus ? *focus : FocusNow());
    const int target = source == 1 ? 2 : 1;
    const CClock& from =
        settings_.clocks.At(static_cast<std::size_t>(source == 1 ? clock1 : clock2));
    const CClock& to = settings_.clocks.At(static_cast<std::size_t>(source == 1 ? clock2 : clock1));
    const DisplayBits bits = DisplayBitsFrom(settings_.displayFlags);
    const ConversionResult r = ConvertTypedTime(
        from, to, Time(source)->text().toStdString(), env_.utcNow(), env_.locale,
        [&](const DateTime& t) { return ClockTimeText(t, bits, env_.timeSeparator, env_.locale); });
    SetQuietly(Time(target), r.targetTime);
    SetQuietly(Day(source), r.sourceDay);
    SetQuietly(Day(target), r.targetDay);
    converting_ = false;
}

void ConvertWindow::ClockChanged(int row)
{
    // The row's own text still reads: recompute that row from the other; else reset it.
    if (AfterClockChange(Time(row)->text().toStdString(), env_.locale) ==
        ClockChangeAction::Convert)
        Convert(row == 1 ? ConversionFocus::Picker1 : ConversionFocus::Picker2);
    else
        ResetRow(row);
}

} // namespace orbel
