#include "widgets/HelpWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "help/HelpTexts.h"
#include "settings/AppSettings.h"
#include "widgets/ProgramIcon.h"

namespace orbel {

QPointer<HelpWindow> HelpWindow::current_;

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setObjectName(QStringLiteral("helpText")); // id 100
    text_->setAccessibleName(tr("Help text"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The texts line their columns up with blanks.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_->setFont(fixed);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setAccessibleName(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(row);
    const QFontMetrics fm(fixed);
    // The texts' lines hold at most 92 characters: all of them fit without scrolling sideways.
    resize(fm.horizontalAdvance(QString(92, QLatin1Char('x'))) +
               style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 48,
           fm.height() * 32);
}

HelpWindow* HelpWindow::Open(QWidget* owner, const std::string& name, bool extend,
                             const std::string& page)
{
    const std::string ownerCaption =
        owner && extend ? owner->windowTitle().toStdString() : std::string();
    const QString title =
        QString::fromStdString(HelpWindowTitle(CAppSettings::kAppName, extend, ownerCaption, page));
    if (!current_)
        current_ = new HelpWindow(owner);
    current_->Show(name, title);
    return current_;
}

void HelpWindow::Show(const std::string& name, const QString& title)
{
    setWindowTitle(title);
    const std::string text = HelpTextOf(name);
    text_->setPlainText(text.empty()
                            ? tr("This help text is missing: ") + QString::fromStdString(name)
                            : QString::fromStdString(text));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::Text() const
{
    return text_->toPlainText();
}

void BindHelpKey(QWidget& window, HelpSource& source)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(f1, &QShortcut::activated, &window, [&source] { source.ShowHelp(); });
}

bool ShowHelpOf(QWidget* front)
{
    for (QWidget* w = front; w; w = w->parentWidget()) {
        if (auto* source = dynamic_cast<HelpSource*>(w)) {
            source->ShowHelp();
            return true;
        }
    }
    return false;
}

} // namespace orbel
