#include "zones/Translation.h"

namespace orbel {
namespace {

Translator g_translator = nullptr;

} // namespace

void InstallTranslator(Translator translator)
{
    g_translator = translator;
}

std::string Tr(const char* context, const char* text)
{
    if (g_translator && text && *text) {
        std::string translated = g_translator(context, text);
        if (!translated.empty())
            return translated;
    }
    return text ? std::string(text) : std::string();
}

} // namespace orbel
