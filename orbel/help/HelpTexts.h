#pragma once
// The help texts of every window, by name, and the titles of the help window that shows
// them.
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// Help texts by name and the titles of the help window.
struct HelpText {
    std::string name;
    std::string text; // plain text, sections under capital headings
};
// The whole text of a help name, in the user's language ("HELP", "CPPCLOCKS", "CPPFORMAT",
// "CPPSTYLE", "CPPSYNCH", "CPPDST", "1008", "1010"); empty when there is none.
std::string HelpTextOf(std::string_view name);
std::vector<std::string> HelpTextNames();
// "Orbel Help", extended with " > " and the owner's caption when it has one, and " > " and
// the active page's caption when the owner is a sheet of pages ("Orbel Help > Options >
// Clocks").
std::string HelpWindowTitle(const std::string& appName, bool extend,
                            const std::string& ownerCaption, const std::string& pageCaption);

} // namespace orbel
