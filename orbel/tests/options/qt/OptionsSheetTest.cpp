// The options sheet as a whole: opened by the O key on the stored page, one at a time; Apply,
// Cancel becoming Close, the page and settings kept when it closes; where it reopens; help.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "tests/options/qt/OptionsSheetFixture.h"
#include "widgets/HelpWindow.h"

namespace orbel::testing {
namespace {

class OptionsSheet : public OptionsSheetFixture {};

TEST_F(OptionsSheet, OpensOnTheStoredPageOnceAndKeepsThePageAndAppliedValuesWhenClosed)
{
    StartProgram();
    Settings().page = 2;
    CPSOptions* sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Options"));
    auto* tabs = sheet->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Clocks", "View", "Style", "Adjust Time", "TZI"}));
    EXPECT_EQ(sheet->ActiveIndex(), 2);
    // A second Options brings the same sheet forward.
    EXPECT_EQ(OpenWithKey(), sheet);

    // Nothing changed yet: Apply is off and Cancel cancels.
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    EXPECT_EQ(sheet->CancelButton()->text(), QStringLiteral("Cancel"));
    sheet->Page(2)->SetModified();
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    QTest::mouseClick(sheet->ApplyButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    EXPECT_EQ(sheet->CancelButton()->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(Settings().IsModified());

    // Closing after the Apply saves what was applied, with the page last shown.
    sheet->SetActivePage(4);
    QTest::mouseClick(sheet->CancelButton(), Qt::LeftButton);
    ASSERT_TRUE(SheetGone());
    EXPECT_EQ(Settings().page, 4u);
    EXPECT_FALSE(Settings().IsModified());
    EXPECT_EQ(Settings().GetDword("Window", "Page", 99), 4u);

    // A stored page beyond the last opens the first.
    Settings().page = 9;
    sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->ActiveIndex(), 0);
}

TEST_F(OptionsSheet, FirstOpensCentredThenWhereItWasClosedPulledBackOnScreen)
{
    StartProgram();
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    CPSOptions* sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    const QRect first = sheet->geometry();
    EXPECT_LE(std::abs(first.center().x() - desktop.center().x()), 1);
    EXPECT_LE(std::abs(first.center().y() - desktop.center().y()), 1);

    // Closed almost entirely off the left and bottom edges: 32 pixels come back.
    sheet->setGeometry(desktop.left() - 5000, desktop.bottom() + 100, first.width(),
                       first.height());
    sheet->PressCancel();
    ASSERT_TRUE(SheetGone());
    sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    // (The platform may nudge a window by its frame's couple of pixels.)
    const QRect onScreen = sheet->geometry() & desktop;
    EXPECT_GE(onScreen.width(), 32);
    EXPECT_LE(onScreen.width(), 36);
    EXPECT_GE(onScreen.height(), 32);
    EXPECT_LE(onScreen.height(), 36);
    EXPECT_EQ(sheet->geometry().size(), first.size());

    // Closed where it fits: it comes back at the same place.
    sheet->setGeometry(desktop.left() + 40, desktop.top() + 30, first.width(), first.height());
    sheet->PressCancel();
    ASSERT_TRUE(SheetGone());
    sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->geometry().topLeft(), desktop.topLeft() + QPoint(40, 30));
}

TEST_F(OptionsSheet, HelpOpensTheActivePagesTextWithTheSheetAndPageInTheTitle)
{
    StartProgram();
    CPSOptions* sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    const char* const titles[] = {"Clocks", "View", "Style", "Adjust Time", "TZI"};
    for (int i = 0; i < CPSOptions::kPageCount; ++i) {
        sheet->SetActivePage(i);
        sheet->activateWindow();
        QTest::keyClick(sheet, Qt::Key_F1);
        HelpWindow* help = HelpWindow::Current();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Orbel Help > Options > ") + titles[i]);
        EXPECT_TRUE(help->Text().startsWith(QStringLiteral("INTRODUCTION"))) << titles[i];
    }
    HelpWindow::Current()->close();
}

} // namespace
} // namespace orbel::testing
