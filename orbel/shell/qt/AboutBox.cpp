#include "shell/qt/AboutBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "settings/AppSettings.h"
#include "shell/Shell.h"
#include "widgets/ProgramIcon.h"
#include "zones/Translation.h"

namespace orbel {

QDialog* OpenAboutBox(QWidget* owner)
{
    static QPointer<QDialog> box;
    if (!box) {
        const ProgramIdentity id;
        box = new QDialog(owner);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowTitle(QString::fromStdString(AboutTitle(CAppSettings::kAppName)));
        box->setWindowIcon(ProgramIcon());
        auto* icon = new QLabel(box);
        icon->setPixmap(ProgramIcon().pixmap(48, 48));
        icon->setAccessibleName(QCoreApplication::translate("AboutBox", "Orbel icon"));
        auto* version = new QLabel(QString::fromStdString(AboutVersionLine(id)), box);
        QFont bold = version->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        version->setFont(bold);
        auto* description =
            new QLabel(QString::fromStdString(Tr("Shell", id.fileDescription.c_str())), box);
        // Wide enough for the title beside the window manager's buttons, in every language
        // ("Acerca de Orbel" was cut short in a box as narrow as its two lines).
        version->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->windowTitle()) + 60);
        auto* texts = new QVBoxLayout;
        texts->addWidget(version);
        texts->addWidget(description);
        auto* top = new QHBoxLayout;
        top->addWidget(icon, 0, Qt::AlignTop);
        top->addSpacing(12);
        top->addLayout(texts);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
        QObject::connect(buttons, &QDialogButtonBox::accepted, box.data(), &QDialog::accept);
        auto* layout = new QVBoxLayout(box);
        layout->addLayout(top);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

} // namespace orbel
