#include "options/qt/CPPDST.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPPClocks.h"
#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "widgets/ZonePicker.h"

namespace orbel {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QLineEdit* ReadOnly(QWidget* parent, const QString& name)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(name);
    return field;
}

// A group of two rows, Start and End.
QGroupBox* RulesGroup(QWidget* parent, const QString& title, QLineEdit* start, QLineEdit* end)
{
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->addRow(QCoreApplication::translate("orbel::CPPDST", "Start:"), start);
    form->addRow(QCoreApplication::translate("orbel::CPPDST", "End:"), end);
    return group;
}

} // namespace

CPPDST::CPPDST(CPSOptions& sheet) : CPPParent(sheet, "CPPDST", tr("TZI"))
{
    usage_ = new QComboBox(this);
    usage_->setAccessibleName(tr("Database usage"));
    status_ = ReadOnly(this, tr("Database status"));
    zone_ = new QComboBox(this);
    zone_->setAccessibleName(tr("Time zone"));
    zone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zone_->setMinimumContentsLength(32);
    zone_->setMaxVisibleItems(20);
    systemStart_ = ReadOnly(this, tr("Windows daylight saving start"));
    systemEnd_ = ReadOnly(this, tr("Windows daylight saving end"));
    orbelStart_ = ReadOnly(this, tr("Orbel daylight saving start"));
    orbelEnd_ = ReadOnly(this, tr("Orbel daylight saving end"));

    auto* top = new QFormLayout;
    top->addRow(tr("Database &usage:"), usage_);
    top->addRow(tr("Database status:"), status_);
    auto* bottom = new QFormLayout;
    bottom->addRow(tr("Time &zone:"), zone_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(
        RulesGroup(this, tr("Windows daylight saving time"), systemStart_, systemEnd_));
    layout->addWidget(RulesGroup(this, tr("Orbel daylight saving time"), orbelStart_, orbelEnd_));
    layout->addLayout(bottom);
    layout->addStretch();

    model_.Open(Env().zoneSources);
    status_->setText(Q(model_.StatusText()));
    status_->setCursorPosition(0);
    status_->setToolTip(status_->text());
    for (const std::string& item : model_.UsageItems())
        usage_->addItem(Q(item));
    // The current mode, when the file offers it; otherwise nothing is chosen and storing
    // leaves the mode as it is.
    const int current = static_cast<int>(UsageFromOptions(Settings().displayFlags));
    usage_->setCurrentIndex(current < usage_->count() ? current : -1);
    FillPicker();
    ShowRules();

    connect(usage_, &QComboBox::currentIndexChanged, this, [this] { SetModified(); });
    connect(zone_, &QComboBox::currentIndexChanged, this, [this] {
        ReadFields();
        ShowRules();
    });
}

void CPPDST::FillPicker()
{
    std::uint32_t filter = kZoneFilterAll;
    const CRegTimeZoneList& zones =
        model_.PickerZones(UsageFromOptions(Settings().displayFlags), filter);
    FillZonePicker(*zone_, zones, filter);
}

void CPPDST::ShowRules()
{
    const TziTransitionTexts t =
        model_.Describe(SelectedZone(*zone_), UsageFromOptions(Settings().displayFlags),
                        Env().localNow().Calendar().year, Env().locale);
    systemStart_->setText(Q(t.systemStart));
    systemEnd_->setText(Q(t.systemEnd));
    orbelStart_->setText(Q(t.orbelStart));
    orbelEnd_->setText(Q(t.orbelEnd));
}

void CPPDST::ReadFields()
{
    const int chosen = usage_->currentIndex();
    if (chosen < 0)
        return;
    UsageModeChange change = ApplyUsageMode(Settings(), static_cast<ZoneDatabaseUsage>(chosen),
                                            Env().zoneSources, &model_);
    if (!change.changed)
        return;
    {
        const QSignalBlocker quiet(zone_);
        FillZonePicker(*zone_, *change.tziPickerZones, change.tziPickerFilter);
    }
    // The Clocks page offers the new zones too.
    if (auto* clocks = dynamic_cast<CPPClocks*>(Sheet().Page(0)))
        clocks->TakeZones(std::move(change.zones));
    if (Env().clockWindow) {
        Env().clockWindow->LayOut();
        Env().clockWindow->update();
    }
}

PageCheck CPPDST::Store()
{
    ReadFields();
    ShowRules();
    return {};
}

} // namespace orbel
