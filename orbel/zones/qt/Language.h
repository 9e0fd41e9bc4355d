#pragma once
// The language of the program's texts, chosen from the user's locale: the Spanish
// translation built into the program for a Spanish locale, the texts as written (English)
// for any other.
#include <QLocale>

namespace orbel {

// Loads the translation `locale` asks for and makes every text use it: the rules' (Tr) and,
// once the application object exists, the windows' (tr). False, and every text English,
// when the program has no translation for the locale; nothing is reported then.
// Called again after the application object is made, it reaches the windows too.
bool InstallLanguage(const QLocale& locale = QLocale::system());

} // namespace orbel
