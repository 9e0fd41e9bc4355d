#include "planner/qt/PlannerWindow.h"

#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "planner/qt/PlanGrid.h"

namespace orbel {
namespace {

QDate ToQDate(const PlanDate& d)
{
    return {d.year, d.month, d.day};
}

PlanDate FromQDate(const QDate& d)
{
    return {d.year(), d.month(), d.day()};
}

} // namespace

PlannerWindow::PlannerWindow(std::vector<PlanClock> clocks, std::int64_t nowUnix,
                             LocaleTexts locale, QWidget* owner)
    : QDialog(owner), clocks_(std::move(clocks)), locale_(std::move(locale))
{
    setWindowTitle(tr("Plan"));
    date_ = new QDateEdit(this);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    date_->setAccessibleName(tr("Date"));
    auto* dateLabel = new QLabel(tr("&Date:"), this);
    dateLabel->setBuddy(date_);
    auto* hint = new QLabel(tr("Left and Right choose the hour; the time of each clock shows "
                               "below."),
                            this);
    hint->setForegroundRole(QPalette::PlaceholderText); // a hint, greyed but not disabled

    grid_ = new PlanGrid(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(grid_);
    scroll->setWidgetResizable(false);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The names stay at the left edge: they are painted again after every scroll.
    connect(scroll->horizontalScrollBar(), &QScrollBar::valueChanged, grid_,
            qOverload<>(&QWidget::update));

    auto* chosen = new QVBoxLayout;
    for (const PlanClock& clock : clocks_) {
        (void)clock;
        auto* label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        instants_.push_back(label);
        chosen->addWidget(label);
    }

    copy_ = new QPushButton(tr("&Copy"), this);
    copy_->setAccessibleName(tr("Copy"));
    copy_->setAutoDefault(false);
    auto* close = new QPushButton(tr("C&lose"), this);
    close->setAccessibleName(tr("Close"));
    close->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, &PlannerWindow::Copy);
    copy_->setEnabled(!clocks_.empty()); // no clock shown: nothing to copy
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton(tr("&Help"), this);
    help->setAccessibleName(tr("Help"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    BindHelpKey(*this, *this);

    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(date_);
    top->addSpacing(16);
    top->addWidget(hint, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addLayout(chosen);
    layout->addLayout(buttons);

    // Today in the first clock, the cursor on the hour that holds the present.
    PlanDate today{2026, 1, 1};
    if (!clocks_.empty()) {
        const std::int64_t local = nowUnix + 60 * PlanOffsetMinutes(clocks_.front(), nowUnix);
        const CalendarTime c = DateTime::FromUnixSeconds(double(local)).Calendar();
        today = {c.year, c.month, c.day};
    }
    date_->setDate(ToQDate(today));
    ShowDate(today);
    if (const auto column = ColumnOf(grid_->Plan(), nowUnix))
        grid_->SetCursor(static_cast<int>(*column));
    ShowInstant();

    connect(grid_, &PlanGrid::cursorMoved, this, [this, scroll](int column) {
        // On a narrow screen the hours scroll to keep the cursor in sight.
        const QRect cell = grid_->CellRect(0, column);
        scroll->ensureVisible(cell.center().x(), 0,
                              cell.left() - grid_->CellRect(0, 0).left() + cell.width(), 0);
        ShowInstant();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        ShowDate(FromQDate(d));
        ShowInstant();
    });

    // Room for the whole grid, and for the scroll bar where the screen is narrower.
    scroll->setMinimumSize(grid_->sizeHint() +
                           QSize(2, 2 + scroll->horizontalScrollBar()->sizeHint().height()));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        scroll->setMinimumWidth(
            std::min(scroll->minimumWidth(), screen->availableGeometry().width() * 9 / 10));
    grid_->setFocus();
}

void PlannerWindow::ShowDate(const PlanDate& date)
{
    grid_->SetPlan(MakeDayPlan(clocks_, date, locale_));
    grid_->resize(grid_->sizeHint());
}

std::int64_t PlannerWindow::ChosenInstant() const
{
    const auto& columns = grid_->Plan().columns;
    if (columns.empty())
        return 0;
    return columns[static_cast<std::size_t>(grid_->Cursor())];
}

void PlannerWindow::ShowInstant()
{
    const std::int64_t at = ChosenInstant();
    QString all;
    for (std::size_t i = 0; i < clocks_.size(); ++i) {
        const QString text = QString::fromStdString(InstantInClock(clocks_[i], at, locale_));
        instants_[i]->setText(text);
        all += text + QLatin1Char('\n');
    }
    grid_->setAccessibleDescription(all.trimmed());
}

void PlannerWindow::ShowHelp()
{
    HelpWindow::Open(this, "PLAN", true);
}

void PlannerWindow::Copy()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(PlanCopyText(clocks_, ChosenInstant(), locale_)));
}

} // namespace orbel
