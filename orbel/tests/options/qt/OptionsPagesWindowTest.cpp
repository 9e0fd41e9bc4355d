// The Clocks, View and Style pages as a user works them: clocks added, renamed, moved,
// removed and read back from the saved file; a zone chosen and the clock following it; each
// View option reaching the window at Apply; colours and a font stored; and every refused
// value keeping the sheet open on its page with nothing stored.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "clocks/qt/ClockWindow.h"
#include "options/qt/CPPClocks.h"
#include "options/qt/CPPFormat.h"
#include "options/qt/CPPStyle.h"
#include "options/qt/ColourPicker.h"
#include "options/qt/FontChooser.h"
#include "tests/options/qt/OptionsSheetFixture.h"
#include "widgets/SpinEdit.h"

namespace orbel::testing {
namespace {

class OptionsPagesWindow : public OptionsSheetFixture {
protected:
    template <typename Page> Page* Open(int index)
    {
        CPSOptions* sheet = OpenWithKey();
        EXPECT_NE(sheet, nullptr);
        sheet->SetActivePage(index);
        return static_cast<Page*>(sheet->Page(index));
    }
    // Replaces a field's text as typed keys.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    static void ClickLine(QListWidget* list, int row)
    {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center() + QPoint(20, 0));
    }
    static QStringList Lines(QListWidget* list)
    {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text() +
                         (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
        return lines;
    }
    // The settings as the next start reads them.
    std::unique_ptr<CAppSettings> ReadBack()
    {
        auto s = std::make_unique<CAppSettings>(store, Platform(), "/opt/orbel/orbel");
        s->SetDefaults();
        EXPECT_EQ(s->Load().status, LoadResult::Status::Loaded);
        return s;
    }
    void NameClocks(std::initializer_list<const char*> names)
    {
        CClockList& clocks = Settings().clocks;
        clocks.Clear();
        for (const char* n : names)
            clocks.Add().name = n;
    }
};

TEST_F(OptionsPagesWindow, ClocksAreAddedRenamedMovedAndRemovedThenReadBack)
{
    StartProgram();
    NameClocks({"Madrid", "London", "Lima"});
    auto* page = Open<CPPClocks>(0);
    QListWidget* list = page->List();
    EXPECT_EQ(Lines(list), (QStringList{"Madrid+", "London+", "Lima+"}));
    EXPECT_EQ(page->Title()->text(), QStringLiteral("Madrid"));
    EXPECT_FALSE(page->Button(3021)->isEnabled()); // Move Up, on the first line

    // Add: a fourth clock, selected, the focus on its zone.
    QTest::mouseClick(page->Button(3019), Qt::LeftButton);
    ASSERT_EQ(Settings().clocks.Count(), 4u);
    EXPECT_EQ(page->Selection(), 3u);
    EXPECT_EQ(QApplication::focusWidget(), page->ZonePicker());
    EXPECT_EQ(page->Sheet().CancelButton()->text(), QStringLiteral("&Close"));

    // A new title, then another line chosen: the title goes into the new clock first.
    Type(page->Title(), QStringLiteral("Tokyo"));
    Type(page->Supplement()->Edit(), QStringLiteral("-30"));
    ClickLine(list, 1);
    EXPECT_EQ(Settings().clocks.At(3).name, "Tokyo");
    EXPECT_EQ(Settings().clocks.At(3).supplement, -30);
    EXPECT_EQ(page->Title()->text(), QStringLiteral("London"));
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Tokyo"));

    // Tokyo moves up twice, the list and the clocks alike; London's check goes.
    ClickLine(list, 3);
    QTest::mouseClick(page->Button(3021), Qt::LeftButton);
    QTest::mouseClick(page->Button(3021), Qt::LeftButton);
    EXPECT_EQ(page->Selection(), 1u);
    list->item(2)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Lines(list), (QStringList{"Madrid+", "Tokyo+", "London-", "Lima+"}));

    // Removing the last line selects the one before; removing a middle one keeps the place.
    ClickLine(list, 3);
    QTest::mouseClick(page->Button(3020), Qt::LeftButton);
    EXPECT_EQ(page->Selection(), 2u);
    ClickLine(list, 0);
    QTest::mouseClick(page->Button(3020), Qt::LeftButton);
    EXPECT_EQ(page->Selection(), 0u);
    EXPECT_EQ(Lines(list), (QStringList{"Tokyo+", "London-"}));
    EXPECT_FALSE(page->Button(3021)->isEnabled());
    EXPECT_TRUE(page->Button(3022)->isEnabled());

    QTest::mouseClick(page->Sheet().OkButton(), Qt::LeftButton);
    ASSERT_TRUE(SheetGone());
    const auto saved = ReadBack();
    ASSERT_EQ(saved->clocks.Count(), 2u);
    EXPECT_EQ(saved->clocks.At(0).name, "Tokyo");
    EXPECT_EQ(saved->clocks.At(0).supplement, -30);
    EXPECT_TRUE(saved->clocks.At(0).IsActive());
    EXPECT_EQ(saved->clocks.At(1).name, "London");
    EXPECT_FALSE(saved->clocks.At(1).IsActive());
    // Only the active clock is on the window.
    EXPECT_EQ(shell->Window()->Areas().size(), 1u);

    // Removing the only clock leaves nothing selected and the fields off.
    page = Open<CPPClocks>(0);
    ClickLine(page->List(), 0);
    QTest::mouseClick(page->Button(3020), Qt::LeftButton);
    QTest::mouseClick(page->Button(3020), Qt::LeftButton);
    EXPECT_EQ(page->List()->count(), 0);
    EXPECT_EQ(page->Selection(), std::nullopt);
    EXPECT_FALSE(page->Title()->isEnabled());
    EXPECT_FALSE(page->ZonePicker()->isEnabled());
    EXPECT_FALSE(page->Button(3020)->isEnabled());
    EXPECT_EQ(Settings().clocks.Count(), 0u);
}

TEST_F(OptionsPagesWindow, AChosenZoneMovesTheClockToItsTime)
{
    StartProgram();
    NameClocks({"Here"});
    auto* page = Open<CPPClocks>(0);
    QComboBox* zones = page->ZonePicker();
    EXPECT_GT(zones->count(), 300); // this computer's tz database
    // The new clock's zone (UTC, no daylight saving): the box stays off.
    EXPECT_FALSE(page->DaylightBox()->isEnabled());

    const int tokyo = zones->findText(QStringLiteral("Asia/Tokyo"), Qt::MatchContains);
    ASSERT_GE(tokyo, 0);
    zones->setFocus();
    zones->setCurrentIndex(tokyo);
    emit zones->activated(tokyo); // as the user's choice in the list gives it
    QTest::mouseClick(page->Sheet().ApplyButton(), Qt::LeftButton);
    const CClock& clock = Settings().clocks.At(0);
    EXPECT_EQ(clock.zone.keyName, "Asia/Tokyo");
    // 10:15:20 UTC is 19:15:20 in Tokyo, which keeps no summer time.
    EXPECT_EQ(clock.GetTime(utc).Calendar().hour, 19);
    EXPECT_TRUE(shell->Window()->accessibleDescription().contains(QStringLiteral("Here 19:15")))
        << shell->Window()->accessibleDescription().toStdString();

    // Madrid has summer time: the box comes on, and the clock follows the choice again.
    const int madrid = zones->findText(QStringLiteral("Europe/Madrid"), Qt::MatchContains);
    ASSERT_GE(madrid, 0);
    zones->setCurrentIndex(madrid);
    emit zones->activated(madrid);
    EXPECT_TRUE(page->DaylightBox()->isEnabled());
    QTest::mouseClick(page->Sheet().ApplyButton(), Qt::LeftButton);
    EXPECT_TRUE(shell->Window()->accessibleDescription().contains(QStringLiteral("Here 11:15")));
    // Reopened, the page finds the clock's zone in its picker.
    page->Sheet().PressCancel();
    ASSERT_TRUE(SheetGone());
    page = Open<CPPClocks>(0);
    EXPECT_TRUE(page->ZonePicker()->currentText().contains(QStringLiteral("Europe/Madrid")));
}

TEST_F(OptionsPagesWindow, EveryViewOptionReachesTheWindowAtApply)
{
    StartProgram();
    ClockWindow* window = shell->Window();
    const QRect before = window->geometry();
    EXPECT_FALSE(window->accessibleDescription().contains(QStringLiteral("AM")));
    auto* page = Open<CPPFormat>(1);
    for (std::size_t i = 0; i < 9; ++i)
        QTest::mouseClick(page->Box(i), Qt::LeftButton, {}, QPoint(4, page->Box(i)->height() / 2));
    Type(page->Interval()->Edit(), QStringLiteral("5"));
    QTest::mouseClick(page->Sheet().ApplyButton(), Qt::LeftButton);

    const CAppSettings& s = Settings();
    EXPECT_EQ(s.onTop, 1u);
    EXPECT_EQ(s.borderless, 1u);
    EXPECT_EQ(s.antiTask, 1u);
    // 0x5100 with analog, date and day of year set, 24 hours, seconds and name cleared.
    EXPECT_EQ(s.displayFlags, 0x2201u);
    EXPECT_EQ(s.updateInterval, 5u);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_TRUE(window->isVisible());
    // Without its border the window shrinks by the border on each side: the clocks stay put.
    const int b = ClockWindow::kBorder;
    EXPECT_EQ(window->geometry(), before.adjusted(b, b, -b, -b));
    EXPECT_EQ(window->ClientRect(), window->rect());
    EXPECT_TRUE(window->accessibleDescription().contains(QStringLiteral("AM")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->TimerInterval() == 5000; }, 3000));

    // And back: each option undone at the next Apply.
    for (std::size_t i = 0; i < 9; ++i)
        QTest::mouseClick(page->Box(i), Qt::LeftButton, {}, QPoint(4, page->Box(i)->height() / 2));
    QTest::mouseClick(page->Sheet().ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(s.displayFlags, 0x5100u);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowType(), Qt::Window);
    EXPECT_EQ(window->geometry(), before);
}

TEST_F(OptionsPagesWindow, FlashClocksFlashesAVisibleWindowAndExplainsAHiddenOne)
{
    StartProgram();
    auto* page = Open<CPPFormat>(1);
    ClockWindow* window = shell->Window();
    QTest::mouseClick(page->FlashButton(), Qt::LeftButton);
    EXPECT_TRUE(window->FlashOutlineOn()); // the first step at once
    EXPECT_FALSE(page->FlashButton()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Flashing(); }, 3000));
    EXPECT_EQ(window->FlashStepsShown(), 10);
    EXPECT_FALSE(window->FlashOutlineOn()); // the tenth step erased the outline
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(page->FlashButton()->isEnabled());
    EXPECT_TRUE(messages.empty());

    window->hide();
    QTest::mouseClick(page->FlashButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], FlashNeedsVisibleWindowMessage());
    EXPECT_FALSE(window->Flashing());
}

TEST_F(OptionsPagesWindow, ColoursAndAFontAreChosenAndStoredButNeverTheSize)
{
    StartProgram();
    Settings().colours[kColourTitle] = 0x123456; // a colour no picker item holds
    auto* page = Open<CPPStyle>(2);
    EXPECT_EQ(page->Picker(0)->Choice(), 0u); // Default
    EXPECT_EQ(page->Picker(1)->Choice(), std::nullopt);
    // Background: ten steps down from Default is red; Date: the last item, white.
    page->Picker(0)->setFocus();
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(page->Picker(0), Qt::Key_Down);
    page->Picker(2)->setFocus();
    QTest::keyClick(page->Picker(2), Qt::Key_End);
    EXPECT_EQ(page->Picker(0)->currentText(), QStringLiteral("Red")); // what a reader says
    EXPECT_TRUE(page->Sheet().ApplyButton()->isEnabled());

    const std::int32_t previewHeight = page->FontCopy().height;
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<FontChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooser->Choose(QStringLiteral("DejaVu Serif"), QStringLiteral("Bold"));
        chooser->accept();
    });
    QTest::mouseClick(page->BrowseButton(), Qt::LeftButton);
    EXPECT_EQ(page->FontCopy().Face(), "DejaVu Serif");
    EXPECT_EQ(page->FontCopy().height, previewHeight);

    QTest::mouseClick(page->Sheet().OkButton(), Qt::LeftButton);
    ASSERT_TRUE(SheetGone());
    const auto saved = ReadBack();
    EXPECT_EQ(saved->Colour(kColourBackground), 0x0000FF);
    EXPECT_EQ(saved->Colour(kColourTitle), 0x123456); // kept, not reset to Default
    EXPECT_EQ(saved->Colour(kColourDate), 0xFFFFFF);
    EXPECT_EQ(saved->Colour(kColourTime1), -1);
    EXPECT_EQ(saved->Font(0).Face(), "DejaVu Serif");
    EXPECT_EQ(saved->Font(0).weight, 700);
    EXPECT_EQ(saved->Font(0).height, 16);
    // The window paints its background red.
    ClockWindow* window = shell->Window();
    const QPoint inside = window->ClientRect().topLeft() + QPoint(2, 2);
    EXPECT_EQ(window->grab().toImage().pixelColor(inside), QColor(255, 0, 0));
}

TEST_F(OptionsPagesWindow, RefusedValuesKeepTheSheetOnTheirPageAndStoreNothing)
{
    struct Case {
        int page;
        const char* text;
        const char* message;
    } cases[] = {
        {0, "Tokyo Metropolis", nullptr}, // 16 characters: the title takes it
        {0, "Tokyo Metropolis!", "Please enter no more than 16 characters."},
        {1, "-1441", "Please enter an integer between -1440 and 1440."},
        {1, "1441", "Please enter an integer between -1440 and 1440."},
        {1, "ten", "Please enter an integer between -1440 and 1440."},
        {1, "", "Please enter an integer between -1440 and 1440."},
        {2, "0", "Please enter an integer between 1 and 3600."},
        {2, "3601", "Please enter an integer between 1 and 3600."},
        {2, "5s", "Please enter an integer between 1 and 3600."},
        {2, "", "Please enter an integer between 1 and 3600."},
    };
    StartProgram();
    NameClocks({"Madrid", "Lima"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages.clear();
        const int sheetPage = c.page == 2 ? 1 : 0;
        CPSOptions* sheet = OpenWithKey();
        ASSERT_NE(sheet, nullptr);
        sheet->SetActivePage(sheetPage);
        QLineEdit* field = c.page == 0 ? static_cast<CPPClocks*>(sheet->Page(0))->Title()
                           : c.page == 1
                               ? static_cast<CPPClocks*>(sheet->Page(0))->Supplement()->Edit()
                               : static_cast<CPPFormat*>(sheet->Page(1))->Interval()->Edit();
        Type(field, QString::fromUtf8(c.text));
        // Pressed from another page, OK brings the page with the bad value back.
        sheet->SetActivePage(2);
        const bool closed = sheet->PressOk();
        if (!c.message) {
            EXPECT_TRUE(closed);
            ASSERT_TRUE(SheetGone());
            EXPECT_EQ(Settings().clocks.At(0).name, c.text);
            Settings().clocks.At(0).name = "Madrid";
            continue;
        }
        EXPECT_FALSE(closed);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message);
        EXPECT_EQ(shell->Options(), sheet);
        EXPECT_EQ(sheet->ActiveIndex(), sheetPage);
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(Settings().clocks.At(0).name, "Madrid");
        EXPECT_EQ(Settings().clocks.At(0).supplement, 0);
        EXPECT_EQ(Settings().updateInterval, 1u);
        // A refused line change keeps the line the bad value belongs to.
        if (c.page < 2) {
            ClickLine(static_cast<CPPClocks*>(sheet->Page(0))->List(), 1);
            EXPECT_EQ(static_cast<CPPClocks*>(sheet->Page(0))->Selection(), 0u);
            EXPECT_EQ(static_cast<CPPClocks*>(sheet->Page(0))->List()->currentRow(), 0);
        }
        sheet->PressCancel();
        ASSERT_TRUE(SheetGone());
    }
}

} // namespace
} // namespace orbel::testing
