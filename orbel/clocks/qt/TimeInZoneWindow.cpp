#include "clocks/qt/TimeInZoneWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "clocks/ClockSun.h"
#include "clocks/Conversion.h"
#include "clocks/qt/ConvertWindow.h"
#include "clocks/qt/SunTexts.h"
#include "widgets/HelpWindow.h"
#include "widgets/PickerSearch.h"
#include "widgets/ZonePicker.h"
#include "zones/SystemZones.h"

namespace orbel {

std::optional<std::size_t> TimeInZoneWindow::remembered_;

TimeInZoneWindow::TimeInZoneWindow(CRegTimeZoneList zones, std::function<DateTime()> utcNow,
                                   LocaleTexts locale, QWidget* owner)
    : QDialog(owner), zones_(std::move(zones)), utcNow_(std::move(utcNow)),
      locale_(std::move(locale))
{
    setWindowTitle(tr("Time in Zone"));
    time_ = new QLineEdit(this);
    time_->setReadOnly(true);
    time_->setAccessibleName(tr("Current time"));
    picker_ = new QComboBox(this);
    picker_->setAccessibleName(tr("Time zone"));
    search_ = new PickerSearch({picker_}, this);
    search_->setAccessibleName(tr("Find zone"));
    setTabOrder(time_, search_);
    setTabOrder(search_, picker_);
    picker_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    picker_->setMinimumContentsLength(40);
    picker_->setMaxVisibleItems(20);
    daylight_ = new QCheckBox(tr("Aut&omatically adjust clock daylight saving changes"), this);
    daylight_->setAccessibleName(tr("Automatically adjust clock daylight saving changes"));
    daylight_->setChecked(true);
    sun_ = new QLabel(this);
    sun_->setAccessibleName(tr("Sun and clock change"));
    sun_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(tr("Current &time:"), time_);
    form->addRow(tr("Fi&nd zone:"), search_);
    form->addRow(tr("Time &zone:"), picker_);
    form->addRow(QString(), daylight_);
    form->addRow(QString(), sun_);

    auto* close = new QPushButton(tr("&Close"), this);
    auto* help = new QPushButton(tr("&Help"), this);
    close->setAccessibleName(tr("Close"));
    help->setAccessibleName(tr("Help"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    BindHelpKey(*this, *this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(help);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    FillZonePicker(*picker_, zones_);
    if (const auto first =
            QuickTimeInitialSelection(remembered_, static_cast<std::size_t>(picker_->count())))
        picker_->setCurrentIndex(static_cast<int>(*first));
    connect(picker_, &QComboBox::currentIndexChanged, this, [this] { Show(); });
    connect(daylight_, &QCheckBox::toggled, this, [this] { Show(); });
    Show();
    picker_->setFocus();
    CentreOnScreen(*this);
}

void TimeInZoneWindow::ShowHelp()
{
    HelpWindow::Open(this, "1010", true);
}

void TimeInZoneWindow::Show()
{
    const CRegTimeZone* zone = SelectedZone(*picker_);
    const QuickTimeView view = QuickTimeShow(zone, daylight_->isChecked(), utcNow_(), locale_);
    if (zone)
        remembered_ = static_cast<std::size_t>(picker_->currentIndex());
    time_->setText(QString::fromStdString(view.currentTime));
    daylight_->setEnabled(view.daylightBoxEnabled);
    // The zone seen as a clock would show it, for its sun and its next change.
    QString sun;
    if (zone) {
        CClock asClock;
        asClock.zone = *zone;
        asClock.flags = daylight_->isChecked() ? CClock::kAdjustForDst : 0;
        const DateTime utc = utcNow_();
        sun = SunText(ClockSunToday(asClock, SystemZoneAtlas(), utc)) + QLatin1Char('\n') +
              ChangeText(NextChangeOfClock(asClock, kSystemZoneFolder, utc));
    }
    sun_->setText(sun);
}

} // namespace orbel
