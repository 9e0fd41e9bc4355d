#include "options/qt/CPPSynch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "options/AdjustTimeRules.h"
#include "options/qt/CPSOptions.h"
#include "settings/AppSettings.h"
#include "sync/ClockAdjustment.h"
#include "sync/SocketErrors.h"
#include "sync/TransferRoute.h"
#include "sync/qt/CSyncClient.h"
#include "widgets/SpinEdit.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

namespace T = AdjustTimeText;

// The controls' ids, which the checks name.
constexpr int kServerId = 3081;
constexpr int kEveryId = 3093;
constexpr int kAdjustId = 3094;

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// One of the page's captions in the user's language.
QString PageText(const char* caption)
{
    return Q(Tr("AdjustTime", caption));
}

// "Ser&ver:" read aloud: "Server".
QString Spoken(const std::string& caption)
{
    QString s = Q(caption);
    s.remove(QLatin1Char('&'));
    if (s.endsWith(QLatin1Char(':')))
        s.chop(1);
    return s;
}

QLineEdit* ReadOnly(QWidget* parent, const QString& name)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(name);
    return field;
}

} // namespace

CPPSynch::CPPSynch(CPSOptions& sheet) : CPPParent(sheet, "CPPSynch", PageText(T::kTab))
{
    // The controls are made in the order the Tab key visits them.
    QLabel* serverLabel = MakeServerBox();
    MakeButtons();
    QGroupBox* group = MakeAutomaticGroup();
    LayOut(serverLabel, group);
    ShowStoredValues();
    ConnectControls();
    FollowTransfers();
}

// The server box with the built-in servers, and its label.
QLabel* CPPSynch::MakeServerBox()
{
    server_ = new QComboBox(this);
    server_->setEditable(true);
    server_->setInsertPolicy(QComboBox::NoInsert);
    server_->setAccessibleName(Spoken(Tr("AdjustTime", T::kServer)));
    server_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    server_->setMinimumContentsLength(32);
    SetControlId(server_, kServerId);
    for (const std::string& line : ServerBoxItems())
        server_->addItem(Q(line));
    auto* label = new QLabel(PageText(T::kServer), this);
    label->setBuddy(server_);
    return label;
}

// The readings' rows (filled by ShowReading) and the three buttons beside them.
void CPPSynch::MakeButtons()
{
    readings_ = new QFormLayout;

    download_ = new QPushButton(PageText(T::kDownload), this);
    setFull_ = new QPushButton(PageText(T::kSetToLocalTime), this);
    setMinSec_ = new QPushButton(PageText(T::kAdjustMinSec), this);
    download_->setAccessibleName(tr("Download"));
    setFull_->setAccessibleName(tr("Set to Local Time"));
    setMinSec_->setAccessibleName(tr("Adjust Min. & Sec. Only"));
    for (QPushButton* b : {download_, setFull_, setMinSec_})
        b->setAutoDefault(false);
}

// "Adjust automatically", its interval and the last and next adjustments.
QGroupBox* CPPSynch::MakeAutomaticGroup()
{
    auto* group = new QGroupBox(PageText(T::kAutomaticGroup), this);
    adjust_ = new QCheckBox(PageText(T::kAdjust), group);
    adjust_->setAccessibleName(tr("Adjust automatically"));
    SetControlId(adjust_, kAdjustId);
    // An edit with arrows: what is typed reaches the range check.
    everyBox_ = new SpinEdit(kMinIntervalDays, kMaxIntervalDays, tr("Every (days)"), group);
    every_ = everyBox_->Edit();
    every_->setMaxLength(8);
    every_->setFixedWidth(every_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    SetControlId(every_, kEveryId);
    auto* everyLabel = new QLabel(PageText(T::kEvery), group);
    everyLabel->setBuddy(every_);
    last_ = ReadOnly(group, tr("Last adjustment"));
    next_ = ReadOnly(group, tr("Next adjustment"));
    auto* groupGrid = new QGridLayout(group);
    groupGrid->addWidget(adjust_, 0, 0);
    auto* everyRow = new QHBoxLayout;
    everyRow->addWidget(everyLabel);
    everyRow->addWidget(everyBox_);
    everyRow->addWidget(new QLabel(PageText(T::kDays), group));
    everyRow->addStretch();
    groupGrid->addLayout(everyRow, 0, 1);
    groupGrid->addWidget(new QLabel(PageText(T::kLast), group), 1, 0);
    groupGrid->addWidget(last_, 1, 1);
    groupGrid->addWidget(new QLabel(PageText(T::kNext), group), 2, 0);
    groupGrid->addWidget(next_, 2, 1);
    groupGrid->setColumnStretch(1, 1);
    return group;
}

void CPPSynch::LayOut(QLabel* serverLabel, QGroupBox* group)
{
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(download_);
    buttons->addWidget(setFull_);
    buttons->addWidget(setMinSec_);
    buttons->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(readings_, 1);
    middle->addLayout(buttons);
    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(serverLabel);
    serverRow->addWidget(server_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(serverRow);
    layout->addLayout(middle);
    layout->addWidget(group);
    layout->addStretch();
}

// The values the page edits, as the settings hold them now.
void CPPSynch::ShowStoredValues()
{
    const AdjustTimePageValues values = LoadAdjustTimePage(Settings());
    server_->setEditText(Q(values.server));
    adjust_->setChecked(values.automatic);
    every_->setText(Q(values.everyDays));
    ShowReading();
}

void CPPSynch::ConnectControls()
{
    connect(server_, &QComboBox::editTextChanged, this, [this] { SetModified(); });
    connect(everyBox_, &SpinEdit::edited, this, [this] { SetModified(); });
    connect(adjust_, &QCheckBox::toggled, this, [this](bool on) {
        SetModified();
        everyBox_->setEnabled(on);
    });
    connect(download_, &QPushButton::clicked, this, &CPPSynch::OnDownload);
    connect(setFull_, &QPushButton::clicked, this, [this] { OnAdjust(AdjustFull); });
    connect(setMinSec_, &QPushButton::clicked, this, [this] { OnAdjust(AdjustMinutesSeconds); });
}

// The ends of manual transfers and automatic successes, while the page exists. They are
// handled from the event loop (queued), after the transfer has let go of itself.
void CPPSynch::FollowTransfers()
{
    if (CSyncClient* sync = Env().sync) {
        connect(
            sync, &CSyncClient::transferEnded, this,
            [this](const TransferNotification& n) { OnTransferEnd(n.kind, n.code); },
            Qt::QueuedConnection);
        // A reading dropped because the computer's clock was stepped: the buttons go.
        connect(sync, &CSyncClient::readingDropped, this, &CPPSynch::ShowReading);
    } else {
        download_->setEnabled(false);
    }
}

void CPPSynch::OnSetActive()
{
    ShowReading();
}

QString CPPSynch::Reading(const QString& caption) const
{
    for (const Row& r : rows_)
        if (r.label->text() == caption)
            return r.field->text();
    return {};
}

void CPPSynch::ShowReading()
{
    const CAppSettings& s = Settings();
    const AdjustTimeFields f =
        AdjustTimePageFields(s.syncRecord, Env().localNow(), s.lastAdjusted, s.adjustmentInterval,
                             LocaleFormatter(Env().locale));
    // One row per text the core gives, in its order.
    const std::vector<ReadingRow> rows = ReadingRows(f);
    while (rows_.size() > rows.size()) {
        readings_->removeRow(static_cast<int>(rows_.size()) - 1);
        rows_.pop_back();
    }
    while (rows_.size() < rows.size()) {
        Row r{new QLabel(this), ReadOnly(this, {})};
        // Wide enough for the longest difference without scrolling.
        r.field->setMinimumWidth(
            r.field->fontMetrics().horizontalAdvance(tr("00:00:00 & 3650 day(s) behind")) + 12);
        readings_->addRow(r.label, r.field);
        rows_.push_back(r);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows_[i].label->setText(Q(rows[i].caption));
        rows_[i].field->setAccessibleName(Spoken(rows[i].caption));
        rows_[i].field->setText(Q(rows[i].text));
        rows_[i].field->setCursorPosition(0);
    }
    last_->setText(Q(f.last));
    next_->setText(Q(f.next));
    setFull_->setEnabled(f.setToLocalTimeEnabled);
    setMinSec_->setEnabled(f.adjustMinSecEnabled);
}

PageCheck CPPSynch::Store()
{
    AdjustTimePageValues v;
    v.server = server_->currentText().toStdString();
    v.automatic = adjust_->isChecked();
    v.everyDays = every_->text().toStdString();
    const PageCheck c = StoreAdjustTimePage(Settings(), v, Env().localNow());
    if (c.ok)
        ShowReading(); // Last and Next follow the automatic flag and the interval
    return c;
}

bool CPPSynch::StoreAndApply()
{
    const PageCheck c = Store();
    if (!c.ok) {
        ShowMessage(c.message);
        FocusControl(c.control);
        return false;
    }
    return PressApply();
}

void CPPSynch::OnDownload()
{
    if (!StoreAndApply() || !Env().sync)
        return;
    if (Env().sync->StartDownload(0, Settings().server) == DownloadStarted)
        download_->setText(Q(DownloadCaption(true)));
}

void CPPSynch::OnAdjust(int mode)
{
    if (!StoreAndApply() || !Env().systemClock)
        return;
    CAppSettings& s = Settings();
    SystemClock& clock = *Env().systemClock;
    bool modified = false;
    // Setting the clock may wait for the user's authorisation while events run; the program
    // may end meanwhile (SIGTERM, the session's end) and close the sheet with this page.
    const QPointer<CPPSynch> alive(this);
    const AdjustResult r = AdjustClock(mode, {s.syncRecord, s.lastAdjusted, modified}, clock);
    if (modified)
        s.SetModified();
    if (!alive)
        return;
    if (r == AdjustFailed) {
        std::string why = clock.LastErrorText();
        ShowMessage(why.empty() ? "The clock could not be set." : why);
    } else if (r == AdjustBusy) {
        ShowMessage(AdjustBusyText());
    } else {
        ShowReading();
    }
}

void CPPSynch::OnTransferEnd(int kind, int code)
{
    if (kind != TransferFinished && kind != TransferFailed)
        return;
    QPointer<CPPSynch> alive(this);
    if (code != 0)
        ShowMessage(SocketErrorMessage(code)); // the fields keep their values
    else
        ShowReading();
    if (alive)
        download_->setText(Q(DownloadCaption(false)));
}

} // namespace orbel
