// The world clock in Spanish: the language follows the locale (Spanish for a Spanish one,
// English, silently, for any other) and reaches the rules' texts and the windows' alike,
// and in Spanish every window's captions fit their controls.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "options/AdjustTimeRules.h"
#include "shell/Shell.h"
#include "shell/qt/AboutBox.h"
#include "sync/SocketErrors.h"
#include "tests/options/qt/OptionsSheetFixture.h"
#include "tests/widgets/qt/WhenModal.h"
#include "zones/Translation.h"
#include "zones/qt/Language.h"

namespace orbel {
namespace {

// What does not fit in `window`: a window wider than a small screen leaves (800 pixels), and
// each shown caption (labels, buttons, check boxes) cut short, with its text and widths.
std::vector<std::string> ClippedTexts(QWidget* window)
{
    std::vector<std::string> clipped;
    QCoreApplication::processEvents();
    if (window->width() > 800)
        clipped.push_back("the window is " + std::to_string(window->width()) + " pixels wide");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        if (text.isEmpty() || w->width() >= w->sizeHint().width())
            continue;
        clipped.push_back(text.toStdString() + " (" + std::to_string(w->width()) + " < " +
                          std::to_string(w->sizeHint().width()) + ")");
    }
    return clipped;
}

TEST(Language, SpanishForASpanishLocaleAndEnglishForAnyOther)
{
    struct Case {
        const char* locale;
        bool spanish;
    } cases[] = {
        {"es_ES", true}, {"es_MX", true}, {"fr_FR", false}, {"en_US", false}, {"C", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(InstallLanguage(QLocale(QString::fromLatin1(c.locale))), c.spanish);
        // The rules' texts, composed ones included, and the windows' own.
        const std::vector<MenuEntry> menu = CommandMenu({});
        EXPECT_EQ(menu.back().text, c.spanish ? "&Cerrar\tAlt+F4" : "&Close\tAlt+F4");
        EXPECT_EQ(AboutTitle("Orbel"), c.spanish ? "Acerca de Orbel" : "About Orbel");
        EXPECT_EQ(SocketErrorMessage(10061), c.spanish ? "Error n.º 10061: Conexión rechazada."
                                                       : "Error #10061: Connection refused.");
        // The computer 1 day and 5 seconds behind the server.
        const DateTime server = DateTime::FromCalendar(2026, 12, 9, 12, 0, 0);
        EXPECT_EQ(DifferenceText(server - DateTimeSpan::FromSeconds(86405), server),
                  c.spanish ? "00:00:05 y 1 día(s) de retraso" : "00:00:05 & 1 day(s) behind");
        EXPECT_EQ(QCoreApplication::translate("orbel::CPSOptions", "Options"),
                  QString::fromUtf8(c.spanish ? "Opciones" : "Options"));
    }
    InstallLanguage(QLocale::c());
    EXPECT_EQ(Tr("Shell", "World clock"), "World clock");
}

class SpanishWindows : public testing::OptionsSheetFixture {
protected:
    void SetUp() override { ASSERT_TRUE(InstallLanguage(QLocale(QStringLiteral("es_ES")))); }
    void TearDown() override { InstallLanguage(QLocale::c()); }
};

using testing::WhenModal;

TEST_F(SpanishWindows, EveryWindowShowsSpanishThatFits)
{
    StartProgram();
    // The menu, as the clock window and the tray show it.
    QStringList items;
    for (QAction* a : shell->Menu()->actions())
        items << a->text();
    for (const char* item : {"&Opciones...\tO", "&Planificar...\tP", "&Día y noche\tD"})
        EXPECT_TRUE(items.contains(QString::fromUtf8(item))) << items.join(u'|').toStdString();

    CPSOptions* sheet = OpenWithKey();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Opciones"));
    const QStringList tabs{QStringLiteral("Relojes"), QStringLiteral("Vista"),
                           QStringLiteral("Estilo"), QStringLiteral("Ajustar hora"),
                           QStringLiteral("TZI")};
    auto* tabWidget = sheet->findChild<QTabWidget*>();
    ASSERT_NE(tabWidget, nullptr);
    for (int i = 0; i < CPSOptions::kPageCount; ++i) {
        sheet->SetActivePage(i);
        EXPECT_EQ(tabWidget->tabText(i), tabs[i]);
        const std::vector<std::string> clipped = ClippedTexts(sheet);
        EXPECT_TRUE(clipped.empty()) << "page " << i << ": " << clipped.front();
    }
    sheet->PressCancel();
    ASSERT_TRUE(SheetGone());

    // The about box is as narrow as its two lines allow: its title ("Acerca de Orbel") still
    // needs room beside the title bar's icon and three buttons (about 80 pixels).
    QDialog* about = OpenAboutBox(shell->Window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Acerca de Orbel"));
    EXPECT_GE(about->width(), about->fontMetrics().horizontalAdvance(about->windowTitle()) + 80);
    about->close();

    struct Case {
        int command;
        const char* title;
    } cases[] = {
        {kCmdConvert, "Convertir"}, {kCmdTimeInZone, "Hora en zona"}, {kCmdPlan, "Planificar"}};
    for (const Case& c : cases) {
        bool seen = false;
        WhenModal([&](QWidget* modal) {
            seen = true;
            EXPECT_EQ(modal->windowTitle().toStdString(), c.title);
            const std::vector<std::string> clipped = ClippedTexts(modal);
            EXPECT_TRUE(clipped.empty()) << c.title << ": " << clipped.front();
        });
        shell->Action(c.command)->trigger(); // returns when the window has closed
        EXPECT_TRUE(seen) << c.title;
    }
}

} // namespace
} // namespace orbel
