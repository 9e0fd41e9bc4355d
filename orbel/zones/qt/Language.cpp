#include "zones/qt/Language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "zones/Translation.h"

namespace orbel {
namespace {

// Qt's own texts that the windows show (standard buttons, the edit boxes' menu): the
// program's translation carries them, so that no second file is needed.
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

QTranslator& ProgramTranslator()
{
    static QTranslator translator;
    return translator;
}

std::string TranslateText(const char* context, const char* text)
{
    return ProgramTranslator().translate(context, text).toStdString();
}

} // namespace

bool InstallLanguage(const QLocale& locale)
{
    QTranslator& translator = ProgramTranslator();
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(&translator);
    // orbel_es.qm and the like, built into the program; "C" and languages without a file
    // find none.
    if (!translator.load(locale, QStringLiteral("orbel"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))) {
        InstallTranslator(nullptr);
        return false;
    }
    InstallTranslator(&TranslateText);
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace orbel
