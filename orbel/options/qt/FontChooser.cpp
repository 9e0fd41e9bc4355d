#include "options/qt/FontChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "options/OptionsPages.h"

namespace orbel {

FontChooser::FontChooser(const LogFont& font, QWidget* parent) : QDialog(parent), font_(font)
{
    setWindowTitle(tr("Font"));
    family_ = new QFontComboBox(this);
    family_->setEditable(false); // only fonts that exist
    family_->setAccessibleName(tr("Font"));
    style_ = new QComboBox(this);
    style_->setAccessibleName(tr("Font style"));
    sample_ = new QLabel(this);
    sample_->setAccessibleName(tr("Sample"));
    sample_->setMinimumHeight(font_.height + 8);
    sample_->setFrameShape(QFrame::StyledPanel);
    auto* size = new QLabel(QString::number(font_.height) + tr(" pixels"), this);
    size->setAccessibleName(tr("Size"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), family_);
    form->addRow(tr("Font st&yle:"), style_);
    form->addRow(tr("Size:"), size);
    form->addRow(tr("Sample:"), sample_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const QFont current = FontFromRecord(font_, font_.height);
    family_->setCurrentFont(current);
    FillStyles();
    const QString currentStyle = QFontDatabase::styleString(current);
    if (const int i = style_->findText(currentStyle); i >= 0)
        style_->setCurrentIndex(i);
    connect(family_, &QFontComboBox::currentFontChanged, this, [this] {
        FillStyles();
        ShowSample();
    });
    connect(style_, &QComboBox::currentIndexChanged, this, [this] { ShowSample(); });
    ShowSample();
}

void FontChooser::FillStyles()
{
    const QSignalBlocker block(style_);
    style_->clear();
    style_->addItems(QFontDatabase::styles(family_->currentFont().family()));
    if (const int regular = style_->findText(QStringLiteral("Regular")); regular >= 0)
        style_->setCurrentIndex(regular);
}

void FontChooser::Choose(const QString& family, const QString& style)
{
    family_->setCurrentFont(QFont(family));
    if (!style.isEmpty())
        if (const int i = style_->findText(style); i >= 0)
            style_->setCurrentIndex(i);
}

LogFont FontChooser::Chosen() const
{
    LogFont f = font_;
    const QString family = family_->currentFont().family();
    const QString style = style_->currentText();
    f.SetFace(family.toStdString());
    f.weight = QFontDatabase::weight(family, style);
    if (f.weight <= 0)
        f.weight = QFont::Normal;
    f.italic = QFontDatabase::italic(family, style) ? 1 : 0;
    return f;
}

void FontChooser::ShowSample()
{
    sample_->setFont(FontFromRecord(Chosen(), font_.height));
    sample_->setText(QString::fromUtf8(kFontPreviewText.data(),
                                       static_cast<qsizetype>(kFontPreviewText.size())));
}

std::optional<LogFont> FontChooser::Ask(const LogFont& font, QWidget* parent)
{
    FontChooser chooser(font, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Chosen();
}

} // namespace orbel
