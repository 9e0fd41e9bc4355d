#include "options/qt/CPPFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "settings/AppSettings.h"
#include "widgets/SpinEdit.h"

namespace orbel {
namespace {

struct Box {
    const char* caption;
    const char* name; // without the mnemonic
    int id;
};
constexpr std::array<Box, 9> kBoxes{{
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Stay on &top of other windows"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Stay on top of other windows"), 3012},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Hide &border"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Hide border"), 3014},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "&Exclude from task bar and list"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Exclude from task bar and list"), 3013},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Anal&og style"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Analog style"), 3015},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Use &24 hour convention"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Use 24 hour convention"), 3022},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show &seconds"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show seconds"), 3021},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show &name"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show name"), 3028},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show &date"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show date"), 3018},
    {QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show date as day of &year"),
     QT_TRANSLATE_NOOP("orbel::CPPFormat", "Show date as day of year"), 3023},
}};

} // namespace

CPPFormat::CPPFormat(CPSOptions& sheet) : CPPParent(sheet, "CPPFormat", tr("View"))
{
    const ViewPageValues v = LoadViewPage(Settings());
    const std::array<bool, 9> on{v.onTop,   v.borderless, v.antiTask, v.analog,   v.twentyFourHour,
                                 v.seconds, v.name,       v.date,     v.dayOfYear};
    auto* window = new QGroupBox(tr("Window"), this);
    auto* windowBoxes = new QVBoxLayout(window);
    auto* format = new QGroupBox(tr("Time format"), this);
    auto* formatBoxes = new QGridLayout(format);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        QWidget* group = i < 3 ? window : format;
        auto* box = new QCheckBox(tr(kBoxes[i].caption), group);
        box->setAccessibleName(tr(kBoxes[i].name));
        box->setChecked(on[i]);
        SetControlId(box, kBoxes[i].id);
        connect(box, &QCheckBox::toggled, this, [this] { SetModified(); });
        if (i < 3)
            windowBoxes->addWidget(box);
        else // two columns of three
            formatBoxes->addWidget(box, static_cast<int>((i - 3) % 3),
                                   static_cast<int>((i - 3) / 3));
        boxes_[i] = box;
    }

    interval_ = new SpinEdit(kMinUpdateSeconds, kMaxUpdateSeconds, tr("Update clocks every"), this);
    interval_->setText(QString::fromStdString(v.interval));
    SetControlId(interval_->Edit(), 3010);
    connect(interval_, &SpinEdit::edited, this, [this] { SetModified(); });
    auto* label = new QLabel(tr("&Update clocks every"), this);
    label->setBuddy(interval_->Edit());
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(label);
    intervalRow->addWidget(interval_);
    intervalRow->addWidget(new QLabel(tr("second(s)"), this));
    intervalRow->addStretch();

    flash_ = new QPushButton(tr("&Flash Clocks"), this);
    flash_->setAccessibleName(tr("Flash Clocks"));
    SetControlId(flash_, 3100);
    connect(flash_, &QPushButton::clicked, this, &CPPFormat::FlashClocks);
    auto* flashRow = new QHBoxLayout;
    flashRow->addStretch();
    flashRow->addWidget(flash_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(window);
    layout->addWidget(format);
    layout->addLayout(intervalRow);
    layout->addStretch();
    layout->addLayout(flashRow);
}

ViewPageValues CPPFormat::Values() const
{
    ViewPageValues v;
    bool* flags[] = {&v.onTop,   &v.borderless, &v.antiTask, &v.analog,   &v.twentyFourHour,
                     &v.seconds, &v.name,       &v.date,     &v.dayOfYear};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        *flags[i] = boxes_[i]->isChecked();
    v.interval = interval_->text().toStdString();
    return v;
}

PageCheck CPPFormat::Store()
{
    const ViewPageStore s = StoreViewPage(Settings(), Values());
    if (!s.ok)
        return s;
    // The window changes at once.
    if (ClockWindow* w = Env().clockWindow) {
        if (s.onTopChanged || s.antiTaskChanged)
            w->ApplyFrameFlags();
        if (s.borderlessChanged)
            w->ApplyBorder();
        if (s.restartTimer)
            w->StartTimer();
    }
    return s;
}

void CPPFormat::FlashClocks()
{
    ClockWindow* w = Env().clockWindow;
    if (!w || !w->isVisible()) {
        ShowMessage(FlashNeedsVisibleWindowMessage());
        return;
    }
    if (w->Flashing())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    flash_->setEnabled(false);
    // The sheet may close while the window flashes.
    w->Flash([page = QPointer<CPPFormat>(this)] {
        QApplication::restoreOverrideCursor();
        if (page)
            page->flash_->setEnabled(true);
    });
}

} // namespace orbel
