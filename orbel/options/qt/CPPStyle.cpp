#include "options/qt/CPPStyle.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/ColourPicker.h"
#include "options/qt/FontChooser.h"
#include "settings/AppSettings.h"

namespace orbel {
namespace {

constexpr std::array<const char*, 5> kCaptions{QT_TRANSLATE_NOOP("orbel::CPPStyle", "&Background:"),
                                               QT_TRANSLATE_NOOP("orbel::CPPStyle", "&Title:"),
                                               QT_TRANSLATE_NOOP("orbel::CPPStyle", "&Date:"),
                                               QT_TRANSLATE_NOOP("orbel::CPPStyle", "Time &1:"),
                                               QT_TRANSLATE_NOOP("orbel::CPPStyle", "Time &2:")};
constexpr std::array<const char*, 5> kNames{
    QT_TRANSLATE_NOOP("orbel::CPPStyle", "Background colour"),
    QT_TRANSLATE_NOOP("orbel::CPPStyle", "Title colour"),
    QT_TRANSLATE_NOOP("orbel::CPPStyle", "Date colour"),
    QT_TRANSLATE_NOOP("orbel::CPPStyle", "Time 1 colour"),
    QT_TRANSLATE_NOOP("orbel::CPPStyle", "Time 2 colour")};
constexpr std::array<int, 5> kIds{3052, 3053, 3056, 3050, 3051};

} // namespace

CPPStyle::CPPStyle(CPSOptions& sheet) : CPPParent(sheet, "CPPStyle", tr("Style"))
{
    auto* colours = new QGroupBox(tr("Colors"), this);
    auto* grid = new QGridLayout(colours);
    for (std::size_t i = 0; i < pickers_.size(); ++i) {
        auto* picker = new ColourPicker(colours);
        picker->setAccessibleName(tr(kNames[i]));
        SetControlId(picker, kIds[i]);
        picker->ShowStored(Settings().Colour(static_cast<std::size_t>(kStyleSlots[i])));
        auto* label = new QLabel(tr(kCaptions[i]), colours);
        label->setBuddy(picker);
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(picker, static_cast<int>(i), 1);
        connect(picker, &QComboBox::activated, this, [this] { SetModified(); });
        pickers_[i] = picker;
    }
    grid->setColumnStretch(2, 1);

    auto* font = new QGroupBox(tr("Font"), this);
    auto* fontGrid = new QGridLayout(font);
    name_ = new QLabel(font);
    name_->setAccessibleName(tr("Font name"));
    SetControlId(name_, 3059);
    preview_ = new QLabel(
        QString::fromUtf8(kFontPreviewText.data(), static_cast<qsizetype>(kFontPreviewText.size())),
        font);
    preview_->setAccessibleName(tr("Font preview"));
    SetControlId(preview_, 3054);
    browse_ = new QPushButton(tr("B&rowse..."), font);
    browse_->setAccessibleName(tr("Browse fonts"));
    SetControlId(browse_, 3055);
    fontGrid->addWidget(new QLabel(tr("Name:"), font), 0, 0);
    fontGrid->addWidget(name_, 0, 1);
    fontGrid->addWidget(browse_, 0, 2, Qt::AlignRight | Qt::AlignTop);
    fontGrid->addWidget(new QLabel(tr("Preview:"), font), 1, 0, Qt::AlignTop);
    fontGrid->addWidget(preview_, 1, 1, 1, 2);
    fontGrid->setColumnStretch(1, 1);
    connect(browse_, &QPushButton::clicked, this, [this] {
        if (const std::optional<LogFont> chosen = FontChooser::Ask(font_, this))
            TakeFont(*chosen);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(colours);
    layout->addWidget(font);
    layout->addStretch();

    // The page's copy of record 0, at twice the height of the page's own font.
    font_ = Settings().Font(0);
    font_.height = FontPreviewHeight(QFontInfo(this->font()).pixelSize());
    ShowFont();
}

void CPPStyle::ShowFont()
{
    const QFont f = FontFromRecord(font_, font_.height);
    name_->setFont(f);
    preview_->setFont(f);
    name_->setText(QString::fromStdString(font_.Face()));
    preview_->setMinimumHeight(QFontMetrics(f).height());
}

void CPPStyle::TakeFont(const LogFont& chosen)
{
    const std::int32_t previewHeight = font_.height;
    font_ = chosen;
    font_.height = previewHeight;
    ShowFont();
    SetModified();
}

PageCheck CPPStyle::Store()
{
    StylePageValues v;
    for (std::size_t i = 0; i < pickers_.size(); ++i)
        v.colours[i] = pickers_[i]->Choice();
    v.font = font_;
    StoreStylePage(Settings(), v);
    return {};
}

} // namespace orbel
