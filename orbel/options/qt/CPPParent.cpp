#include "options/qt/CPPParent.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "options/qt/CPSOptions.h"

namespace orbel {
namespace {

const char* const kControlId = "orbelControlId";

} // namespace

CPPParent::CPPParent(CPSOptions& sheet, std::string className, QString caption)
    : sheet_(sheet), className_(std::move(className)), caption_(std::move(caption))
{
    setAccessibleName(caption_);
}

OptionsEnvironment& CPPParent::Env()
{
    return sheet_.Env();
}

void CPPParent::SetModified(bool changed)
{
    if (modified_ == changed)
        return;
    modified_ = changed;
    sheet_.PageChanged();
}

bool CPPParent::PressApply()
{
    return sheet_.PressApply();
}

void CPPParent::ShowMessage(const std::string& text, MessageIcon icon)
{
    if (Env().showMessage) {
        Env().showMessage(this, text, icon);
        return;
    }
    const QString title = sheet_.windowTitle();
    const QString body = QString::fromStdString(text);
    switch (icon) {
    case MessageIcon::Stop:
        QMessageBox::critical(&sheet_, title, body);
        break;
    case MessageIcon::Information:
        QMessageBox::information(&sheet_, title, body);
        break;
    case MessageIcon::Exclamation:
        QMessageBox::warning(&sheet_, title, body);
        break;
    }
}

void CPPParent::SetControlId(QWidget* control, int id)
{
    control->setProperty(kControlId, id);
}

void CPPParent::FocusControl(int id)
{
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property(kControlId).toInt() == id && id != 0) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->selectAll();
            return;
        }
}

PlaceholderPage::PlaceholderPage(CPSOptions& sheet, std::string className, QString caption)
    : CPPParent(sheet, std::move(className), std::move(caption))
{
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("This page is not available yet."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}

} // namespace orbel
