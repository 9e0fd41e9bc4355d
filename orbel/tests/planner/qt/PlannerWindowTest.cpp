// The planner window as a user meets it: the cursor moved by keys and the mouse, the chosen
// instant shown for every clock, another date, Copy, and Escape.
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "planner/qt/PlanGrid.h"
#include "planner/qt/PlannerWindow.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

PlanClock Clock(const std::string& name, const std::string& posix)
{
    PlanClock c;
    c.name = name;
    std::string inexact, error;
    const auto rule = ParsePosixTz(posix);
    EXPECT_TRUE(rule && ZoneInformationFromPosix(*rule, 2026, c.zone, inexact, error));
    return c;
}

std::vector<PlanClock> FourClocks()
{
    return {Clock("Madrid", "CET-1CEST,M3.5.0,M10.5.0/3"),
            Clock("New York", "EST5EDT,M3.2.0,M11.1.0"), Clock("Kolkata", "IST-5:30"),
            Clock("Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3")};
}

std::vector<QString> Texts(const PlannerWindow& w)
{
    std::vector<QString> out;
    for (QLabel* l : w.InstantLabels())
        out.push_back(l->text());
    return out;
}

} // namespace

TEST(PlannerWindow, CursorDateCopyAndEscape)
{
    // 28 March 2026, 23:40 UTC: already Sunday the 29th in Madrid, the day it springs forward.
    const std::int64_t now = DaysFromCivil(2026, 3, 28) * 86400 + 23 * 3600 + 40 * 60;
    PlannerWindow w(FourClocks(), now, LocaleTexts{});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    PlanGrid* grid = w.Grid();
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(w.DateField()->date(), QDate(2026, 3, 29));
    EXPECT_EQ(grid->Plan().columns.size(), 23u);
    EXPECT_EQ(grid->Cursor(), 0); // the hour that holds the present
    EXPECT_EQ(Texts(w)[2], "Kolkata: Sun 29 Mar 2026 04:30 (UTC+05:30)");

    // Two steps right skip the hour that does not exist: Madrid reads 03:00 (summer time).
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->Cursor(), 2);
    const std::vector<QString> at2 = {
        "Madrid: Sun 29 Mar 2026 03:00 (UTC+02:00)", "New York: Sat 28 Mar 2026 21:00 (UTC-04:00)",
        "Kolkata: Sun 29 Mar 2026 06:30 (UTC+05:30)", "Sydney: Sun 29 Mar 2026 12:00 (UTC+11:00)"};
    EXPECT_EQ(Texts(w), at2);
    EXPECT_TRUE(grid->accessibleDescription().contains(at2[3]));
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(grid->Cursor(), 22);
    QTest::keyClick(grid, Qt::Key_Right); // stays on the last hour
    EXPECT_EQ(grid->Cursor(), 22);

    // Home scrolls back where the screen is narrow; a click chooses the column under the
    // mouse.
    QTest::keyClick(grid, Qt::Key_Home);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 5).center());
    EXPECT_EQ(grid->Cursor(), 5);

    // Madrid's long day: 25 columns, the cursor stays on its column.
    w.DateField()->setDate(QDate(2026, 10, 25));
    EXPECT_EQ(grid->Plan().columns.size(), 25u);
    EXPECT_EQ(Texts(w)[0], "Madrid: Sun 25 Oct 2026 04:00 (UTC+01:00)"); // 02:00 came twice

    QApplication::clipboard()->clear();
    QTest::mouseClick(w.CopyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "Madrid: Sun 25 Oct 2026 04:00 (UTC+01:00)\n"
                                                 "New York: Sat 24 Oct 2026 23:00 (UTC-04:00)\n"
                                                 "Kolkata: Sun 25 Oct 2026 08:30 (UTC+05:30)\n"
                                                 "Sydney: Sun 25 Oct 2026 14:00 (UTC+11:00)\n");

    std::vector<QWidget*> controls = {grid, w.DateField()};
    for (QPushButton* b : w.findChildren<QPushButton*>())
        controls.push_back(b);
    for (QWidget* c : controls)
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className();
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

} // namespace orbel
