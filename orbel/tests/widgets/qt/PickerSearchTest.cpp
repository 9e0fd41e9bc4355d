// The zone search as a user meets it in Time in Zone, on the real tz database: typing
// narrows the list in its order, Down and Return choose a match, a refill keeps the search.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <gtest/gtest.h>

#include "clocks/qt/TimeInZoneWindow.h"
#include "widgets/PickerSearch.h"
#include "widgets/ZonePicker.h"
#include "zones/SystemZones.h"

namespace orbel {
namespace {

CRegTimeZoneList SystemList()
{
    CRegTimeZoneList zones;
    ReadSystemZones(zones, kSystemZoneFolder, 2026);
    return zones;
}

// The items the search leaves shown, in the list's order.
QStringList Shown(const QComboBox& picker)
{
    const auto* view = qobject_cast<QListView*>(picker.view());
    QStringList out;
    for (int row = 0; row < picker.count(); ++row)
        if (!view->isRowHidden(row))
            out << picker.itemText(row);
    return out;
}

} // namespace

TEST(PickerSearch, NarrowsTheZonesAndChoosesFromTheKeyboard)
{
    TimeInZoneWindow::Forget();
    const DateTime utc = DateTime::FromCalendar(2026, 12, 8, 10, 15, 0);
    TimeInZoneWindow w(
        SystemList(), [&] { return utc; }, LocaleTexts{});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QComboBox* picker = w.Picker();
    const int all = picker->count();
    ASSERT_GT(all, 300);
    PickerSearch* search = w.Search();
    EXPECT_FALSE(search->accessibleName().isEmpty());

    const std::pair<const char*, QStringList> cases[] = {
        {"osl", {"(UTC+01:00) Europe/Oslo"}},
        {"Japan", {"(UTC+09:00) Asia/Tokyo"}},
        {"new york", {"(UTC-05:00) America/New_York"}},
        // West to east as the list shows them, whatever the country's own order.
        {"australia adel", {"(UTC+09:30) Australia/Adelaide"}},
        {"no such place", {}},
    };
    for (const auto& [typed, expected] : cases) {
        search->clear();
        QTest::keyClicks(search, QString::fromUtf8(typed));
        EXPECT_EQ(Shown(*picker).join(" | ").toStdString(), expected.join(" | ").toStdString())
            << typed;
        EXPECT_EQ(picker->currentIndex(), -1) << "typing chose a zone: " << typed;
    }
    // Nothing matches: Down leaves the list closed and the focus in the search.
    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_FALSE(picker->view()->isVisible());
    search->clear();
    QTest::keyClicks(search, QStringLiteral("nepal"));
    const QStringList nepal = Shown(*picker);
    ASSERT_EQ(nepal, QStringList{"(UTC+05:45) Asia/Kathmandu"});

    // Down opens the list on the match, Return chooses it: the time shows Kathmandu's.
    QTest::keyClick(search, Qt::Key_Down);
    ASSERT_TRUE(picker->view()->isVisible());
    QTest::keyClick(picker->view(), Qt::Key_Return);
    EXPECT_EQ(picker->currentText(), nepal.front());
    EXPECT_TRUE(w.CurrentTime()->text().contains(QStringLiteral("16:00")))
        << w.CurrentTime()->text().toStdString();

    // The arrow keys of the closed list skip what the search hides.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(picker->currentText(), nepal.front());

    // A refill (the Clocks page after a change of usage mode) stays narrowed.
    const CRegTimeZoneList again = SystemList();
    FillZonePicker(*picker, again);
    EXPECT_EQ(Shown(*picker), nepal);
    search->clear();
    EXPECT_EQ(Shown(*picker).size(), all);
}

} // namespace orbel
