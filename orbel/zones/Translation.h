#pragma once
// The language of the world clock's texts. The rules hold every text in English and ask for
// it through Tr where they compose or return it; at start the window layer installs the
// translation the user's locale chooses. Without one every text stays English.
//
// scripts/update-translations.sh collects the texts for the translators: what Tr is given
// with a literal text, what ORBEL_TEXT marks, and the windows' own tr().
#include <string>

// Marks an English text that is defined here and translated where it is shown, by
// Tr(context, text) with the same context.
#define ORBEL_TEXT(context, text) text

namespace orbel {

// Gives the text of `text` (English, UTF-8) in the user's language, or nothing when it has
// none.
using Translator = std::string (*)(const char* context, const char* text);

// The translation every later Tr uses; nullptr returns to English.
void InstallTranslator(Translator translator);

// `text` in the user's language; the English text when there is no translation of it.
std::string Tr(const char* context, const char* text);

} // namespace orbel
