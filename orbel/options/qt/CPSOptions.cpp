#include "options/qt/CPSOptions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPPClocks.h"
#include "options/qt/CPPDST.h"
#include "options/qt/CPPFormat.h"
#include "options/qt/CPPStyle.h"
#include "options/qt/CPPSynch.h"
#include "settings/AppSettings.h"
#include "widgets/HelpWindow.h"

namespace orbel {
namespace {

// The pages in tab order. The Adjust Time and TZI pages come in their own files: put
// `return new CPPSynch(sheet);` and `return new CPPDST(sheet);` in place of their
// placeholders.
CPPParent* MakePage(int index, CPSOptions& sheet)
{
    switch (index) {
    case 0:
        return new CPPClocks(sheet);
    case 1:
        return new CPPFormat(sheet);
    case 2:
        return new CPPStyle(sheet);
    case 3:
        return new CPPSynch(sheet);
    case 4:
        return new CPPDST(sheet);
    default:
        return nullptr;
    }
}

Rect FromQ(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

CPSOptions::CPSOptions(OptionsEnvironment env, std::optional<Rect>* lastRect, QWidget* owner)
    : QDialog(owner), env_(std::move(env)), lastRect_(lastRect)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Options"));
    setAccessibleName(tr("Options"));

    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(tr("Options pages"));
    tabs_->setUsesScrollButtons(false);
    for (int i = 0; i < kPageCount; ++i) {
        CPPParent* page = MakePage(i, *this);
        pages_[static_cast<std::size_t>(i)] = page;
        tabs_->addTab(page, page->Caption());
    }

    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(QString::fromStdString(CancelButtonText(false)), this);
    apply_ = new QPushButton(tr("&Apply"), this);
    help_ = new QPushButton(tr("Help"), this);
    for (QPushButton* b : {ok_, cancel_, apply_, help_})
        b->setAutoDefault(false);
    ok_->setDefault(true);
    ok_->setAccessibleName(tr("OK"));
    cancel_->setAccessibleName(tr("Cancel"));
    apply_->setAccessibleName(tr("Apply"));
    help_->setAccessibleName(tr("Help"));
    apply_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, [this] { PressOk(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { PressCancel(); });
    connect(apply_, &QPushButton::clicked, this, [this] { PressApply(); });
    connect(help_, &QPushButton::clicked, this, [this] { PressHelp(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { PressHelp(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok_, cancel_, apply_, help_})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    SetActivePage(static_cast<int>(StartPageIndex(env_.settings->page)));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (CPPParent* p = Page(i))
            p->OnSetActive();
    });
    Place();
}

CPSOptions::~CPSOptions()
{
    // The clock window went first (the end of the program): the page is still kept.
    if (!finished_)
        env_.settings->page = static_cast<std::uint32_t>(ActiveIndex());
    // The tabs go with the sheet's children, after this: their last changes of page must not
    // reach the sheet. A page's connections to the time-server client end with the page.
    disconnect(tabs_, nullptr, this, nullptr);
}

void CPSOptions::Place()
{
    adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    const Rect desktop = screen ? FromQ(screen->availableGeometry()) : Rect{0, 0, 640, 480};
    Rect r = SheetRect(lastRect_ ? *lastRect_ : std::nullopt, width(), height(), desktop);
    setGeometry(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
}

CPPParent* CPSOptions::ActivePage()
{
    return qobject_cast<CPPParent*>(tabs_->currentWidget());
}

int CPSOptions::ActiveIndex() const
{
    return tabs_->currentIndex();
}

void CPSOptions::SetActivePage(int index)
{
    if (index == tabs_->currentIndex()) {
        if (CPPParent* p = Page(index))
            p->OnSetActive();
        return;
    }
    tabs_->setCurrentIndex(index);
}

void CPSOptions::PageChanged()
{
    bool any = false;
    for (CPPParent* p : pages_)
        any = any || (p && p->IsModified());
    apply_->setEnabled(any);
}

bool CPSOptions::StoreOne(CPPParent* page)
{
    const PageCheck check = page->Store();
    if (!check.ok) {
        SetActivePage(tabs_->indexOf(page));
        page->ShowMessage(check.message);
        page->FocusControl(check.control);
        return false;
    }
    env_.settings->SetModified();
    return true;
}

bool CPSOptions::PressApply()
{
    // The page shown first, then every other page with changes.
    CPPParent* active = ActivePage();
    std::vector<CPPParent*> order;
    if (active)
        order.push_back(active);
    for (CPPParent* p : pages_)
        if (p && p != active && p->IsModified())
            order.push_back(p);
    bool ok = true;
    std::vector<CPPParent*> stored;
    for (CPPParent* p : order) {
        if (!StoreOne(p)) {
            ok = false;
            break;
        }
        stored.push_back(p);
    }
    if (!stored.empty() && env_.settings->IsModified()) {
        if (env_.clockWindow)
            env_.clockWindow->LayOut();
        for (CPPParent* p : stored)
            p->SetModified(false);
        cancel_->setText(QString::fromStdString(CancelButtonText(true)));
        cancel_->setAccessibleName(tr("Close"));
    }
    return ok;
}

bool CPSOptions::PressOk()
{
    if (!PressApply())
        return false;
    close();
    return true;
}

void CPSOptions::PressCancel()
{
    close();
}

void CPSOptions::PressHelp()
{
    if (CPPParent* p = ActivePage())
        HelpWindow::Open(this, p->ClassName(), true, p->Caption().toStdString());
}

void CPSOptions::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        PressCancel();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        e->modifiers() == Qt::NoModifier) {
        PressOk();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CPSOptions::closeEvent(QCloseEvent* e)
{
    Finish();
    QDialog::closeEvent(e);
}

void CPSOptions::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    env_.settings->page = static_cast<std::uint32_t>(ActiveIndex());
    if (lastRect_)
        *lastRect_ = FromQ(geometry());
    if (env_.settings->IsModified()) {
        const SaveResult r = env_.settings->Save();
        if (!r.ok && ActivePage())
            ActivePage()->ShowMessage(r.error);
    }
}

CPSOptions* OpenOptionsSheet(QPointer<CPSOptions>& open, const OptionsEnvironment& env,
                             std::optional<Rect>* lastRect, QWidget* owner)
{
    if (!open) {
        open = new CPSOptions(env, lastRect, owner);
        open->show();
    } else {
        open->showNormal();
    }
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace orbel
