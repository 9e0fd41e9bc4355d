#include "options/qt/CPPClocks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "settings/AppSettings.h"
#include "widgets/PickerSearch.h"
#include "widgets/SpinEdit.h"
#include "widgets/ZonePicker.h"

namespace orbel {
namespace {

// Runs `f` with the page's reactions to its own control changes held back.
template <typename F> void Quietly(bool& loading, F f)
{
    const bool was = loading;
    loading = true;
    f();
    loading = was;
}

} // namespace

CPPClocks::CPPClocks(CPSOptions& sheet) : CPPParent(sheet, "CPPClocks", tr("Clocks"))
{
    // The controls are made in the order the Tab key visits them.
    QLabel* listLabel = MakeList();
    MakeButtons();
    MakeFields();
    LayOut(listLabel);
    ConnectControls();
    ShowClocks();
}

// The list of clocks, each with the check that makes it active, and its label.
QLabel* CPPClocks::MakeList()
{
    list_ = new QListWidget(this);
    list_->setAccessibleName(tr("Clocks"));
    SetControlId(list_, 3013);
    auto* label = new QLabel(tr("Cloc&ks:"), this);
    label->setBuddy(list_);
    return label;
}

// Add, Remove, Move Up and Move Down.
void CPPClocks::MakeButtons()
{
    auto makeButton = [this](const char* caption, const char* name, int id) {
        auto* b = new QPushButton(tr(caption), this);
        b->setAccessibleName(tr(name));
        b->setAutoDefault(false);
        SetControlId(b, id);
        return b;
    };
    add_ = makeButton(QT_TR_NOOP("A&dd..."), QT_TR_NOOP("Add"), 3019);
    remove_ = makeButton(QT_TR_NOOP("&Remove"), QT_TR_NOOP("Remove"), 3020);
    up_ = makeButton(QT_TR_NOOP("Move &Up"), QT_TR_NOOP("Move Up"), 3021);
    down_ = makeButton(QT_TR_NOOP("Move Do&wn"), QT_TR_NOOP("Move Down"), 3022);
}

// The chosen clock's title, supplement, zone and daylight-saving check.
void CPPClocks::MakeFields()
{
    title_ = new QLineEdit(this); // no length limit: the check says what is too long
    title_->setAccessibleName(tr("Title"));
    SetControlId(title_, 3016);
    supplement_ =
        new SpinEdit(kMinSupplementMinutes, kMaxSupplementMinutes, tr("Supplement"), this);
    SetControlId(supplement_->Edit(), 3017);
    zone_ = new QComboBox(this);
    zone_->setAccessibleName(tr("Time zone"));
    zone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zone_->setMinimumContentsLength(32);
    // A list of twenty lines under the box, not one that covers the screen.
    zone_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    zone_->setMaxVisibleItems(20);
    SetControlId(zone_, 3034);
    // The search is visited just before the zones it narrows.
    search_ = new PickerSearch({zone_}, this);
    search_->setAccessibleName(tr("Find zone"));
    setTabOrder(search_, zone_);
    daylight_ = new QCheckBox(tr("Aut&omatically adjust clock daylight saving changes"), this);
    daylight_->setAccessibleName(tr("Automatically adjust clock daylight saving changes"));
    SetControlId(daylight_, 3035);
}

void CPPClocks::LayOut(QLabel* listLabel)
{
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add_, remove_, up_, down_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* top = new QGridLayout;
    top->addWidget(listLabel, 0, 0);
    top->addWidget(list_, 1, 0);
    top->addLayout(buttons, 1, 1);

    auto* fields = new QGridLayout;
    auto addRow = [&](int row, const char* caption, QWidget* field, QWidget* after = nullptr) {
        auto* label = new QLabel(tr(caption), this);
        label->setBuddy(field->focusProxy() ? field->focusProxy() : field);
        fields->addWidget(label, row, 0);
        if (!after) {
            fields->addWidget(field, row, 1, 1, 2);
            return;
        }
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        line->addWidget(after);
        line->addStretch();
        fields->addLayout(line, row, 1, 1, 2);
    };
    addRow(0, QT_TR_NOOP("&Title:"), title_);
    addRow(1, QT_TR_NOOP("&Supplement:"), supplement_, new QLabel(tr("minute(s)"), this));
    addRow(2, QT_TR_NOOP("Fi&nd zone:"), search_);
    addRow(3, QT_TR_NOOP("Time &zone:"), zone_);
    fields->addWidget(daylight_, 4, 1, 1, 2);
    fields->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(fields);
}

void CPPClocks::ConnectControls()
{
    connect(add_, &QPushButton::clicked, this, &CPPClocks::Add);
    connect(remove_, &QPushButton::clicked, this, &CPPClocks::Remove);
    connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { Move(1); });

    connect(list_, &QListWidget::currentRowChanged, this, &CPPClocks::LineChosen);
    connect(list_, &QListWidget::itemChanged, this, [this] {
        if (!loading_)
            SetModified(); // a check toggled
    });
    connect(title_, &QLineEdit::textEdited, this, [this] { SetModified(); });
    connect(supplement_, &SpinEdit::edited, this, [this] { SetModified(); });
    connect(daylight_, &QCheckBox::clicked, this, [this] { SetModified(); });
    connect(zone_, &QComboBox::activated, this, [this] {
        SetModified();
        RefreshEnabled();
    });
}

// The clocks of the settings, the zones of the usage mode, and the first clock chosen.
void CPPClocks::ShowClocks()
{
    FillList();
    BuildZoneList(zones_, UsageFromOptions(Settings().displayFlags), Env().zoneSources);
    FillZonePicker();
    SelectLine(list_->count() > 0 ? std::optional<std::size_t>(0) : std::nullopt);
}

QPushButton* CPPClocks::Button(int id)
{
    switch (id) {
    case 3019:
        return add_;
    case 3020:
        return remove_;
    case 3021:
        return up_;
    case 3022:
        return down_;
    default:
        return nullptr;
    }
}

void CPPClocks::FillList()
{
    Quietly(loading_, [&] {
        list_->clear();
        const CClockList& clocks = Settings().clocks;
        for (std::size_t i = 0; i < clocks.Count(); ++i) {
            auto* item = new QListWidgetItem(QString::fromStdString(clocks.At(i).name), list_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(clocks.At(i).IsActive() ? Qt::Checked : Qt::Unchecked);
        }
    });
}

void CPPClocks::FillZonePicker()
{
    entries_.clear();
    QStringList names;
    for (const CRegTimeZone* z : zones_.PickerOrder(kZoneFilterAll)) {
        // The page owns its list: loading a clock may copy the clock's zone data into it.
        entries_.push_back(const_cast<CRegTimeZone*>(z));
        names << QString::fromStdString(z->displayName);
    }
    Quietly(loading_, [&] {
        zone_->clear();
        zone_->addItems(names);
        for (std::size_t i = 0; i < entries_.size(); ++i)
            zone_->setItemData(static_cast<int>(i), ZoneSearchData(*entries_[i]), kSearchTextRole);
        zone_->setCurrentIndex(-1);
    });
}

void CPPClocks::TakeZones(CRegTimeZoneList zones)
{
    zones_ = std::move(zones);
    FillZonePicker();
    RefreshEnabled();
}

const CRegTimeZone* CPPClocks::ChosenZone() const
{
    const int i = zone_->currentIndex();
    return i >= 0 && static_cast<std::size_t>(i) < entries_.size() ? entries_[i] : nullptr;
}

void CPPClocks::SelectLine(std::optional<std::size_t> line)
{
    Quietly(loading_, [&] { list_->setCurrentRow(line ? static_cast<int>(*line) : -1); });
    selection_ = line;
    LoadControls();
}

void CPPClocks::LoadControls()
{
    Quietly(loading_, [&] {
        if (selection_ && *selection_ < Settings().clocks.Count()) {
            const CClock& c = Settings().clocks.At(*selection_);
            title_->setText(QString::fromStdString(c.name));
            supplement_->setText(QString::number(c.supplement));
            daylight_->setChecked(c.AdjustsForDst());
            const std::optional<std::size_t> entry = ChooseClockZone(entries_, c.zone);
            zone_->setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
        } else {
            title_->clear();
            supplement_->setText(QStringLiteral("0"));
            daylight_->setChecked(false);
            zone_->setCurrentIndex(-1);
        }
    });
    RefreshEnabled();
}

void CPPClocks::RefreshEnabled()
{
    const ClockPageEnabled e =
        ClockPageEnabledState(selection_, static_cast<std::size_t>(list_->count()), ChosenZone());
    for (QWidget* w : {static_cast<QWidget*>(title_), static_cast<QWidget*>(supplement_),
                       static_cast<QWidget*>(search_), static_cast<QWidget*>(zone_),
                       static_cast<QWidget*>(remove_)})
        w->setEnabled(e.edits);
    daylight_->setEnabled(e.daylightBox);
    up_->setEnabled(e.moveUp);
    down_->setEnabled(e.moveDown);
}

void CPPClocks::LineChosen(int row)
{
    if (loading_)
        return;
    const std::optional<std::size_t> line =
        row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
    if (line == selection_)
        return;
    // The edits go into the clock shown so far before the new one is shown.
    SetModified();
    if (!PressApply()) {
        Quietly(loading_,
                [&] { list_->setCurrentRow(selection_ ? static_cast<int>(*selection_) : -1); });
        return;
    }
    selection_ = line;
    LoadControls();
}

PageCheck CPPClocks::Store()
{
    CAppSettings& s = Settings();
    if (selection_ && *selection_ < s.clocks.Count()) {
        ClockPageValues v;
        v.title = title_->text().toStdString();
        v.supplement = supplement_->text().toStdString();
        v.adjustForDst = daylight_->isChecked();
        const QListWidgetItem* line = list_->item(static_cast<int>(*selection_));
        v.active = line && line->checkState() == Qt::Checked;
        v.zone = ChosenZone();
        const ClockPageStore stored = StoreClockPage(s, *selection_, v);
        if (!stored.ok)
            return stored;
        if (stored.renamed)
            Quietly(loading_, [&] {
                list_->item(static_cast<int>(*selection_))
                    ->setText(QString::fromStdString(s.clocks.At(*selection_).name));
            });
    }
    std::vector<bool> checked;
    for (int i = 0; i < list_->count(); ++i)
        checked.push_back(list_->item(i)->checkState() == Qt::Checked);
    StoreClockChecks(s, checked);
    return {};
}

void CPPClocks::Add()
{
    if (!PressApply())
        return;
    CAppSettings& s = Settings();
    const CClock& c = s.clocks.Add();
    s.SetModified();
    Quietly(loading_, [&] {
        auto* item = new QListWidgetItem(QString::fromStdString(c.name), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(c.IsActive() ? Qt::Checked : Qt::Unchecked);
    });
    SelectLine(static_cast<std::size_t>(list_->count() - 1));
    PressApply();
    zone_->setFocus(Qt::OtherFocusReason);
}

void CPPClocks::Remove()
{
    if (!selection_ || !PressApply())
        return;
    const std::size_t removed = *selection_;
    const auto lines = static_cast<std::size_t>(list_->count());
    CAppSettings& s = Settings();
    if (!s.clocks.Remove(removed))
        return;
    s.SetModified();
    Quietly(loading_, [&] { delete list_->takeItem(static_cast<int>(removed)); });
    SelectLine(SelectionAfterRemove(removed, lines));
    PressApply();
}

void CPPClocks::Move(int by)
{
    if (!selection_)
        return;
    const std::size_t from = *selection_;
    const auto lines = static_cast<std::size_t>(list_->count());
    if ((by < 0 && from == 0) || (by > 0 && from + 1 >= lines) || !PressApply())
        return;
    CAppSettings& s = Settings();
    if (!(by < 0 ? s.clocks.MoveUp(from) : s.clocks.MoveDown(from)))
        return;
    s.SetModified();
    const std::size_t to = by < 0 ? from - 1 : from + 1;
    Quietly(loading_, [&] {
        QListWidgetItem* item = list_->takeItem(static_cast<int>(from));
        list_->insertItem(static_cast<int>(to), item);
    });
    SelectLine(to);
    if (ClockWindow* w = Env().clockWindow)
        w->LayOut();
}

} // namespace orbel
