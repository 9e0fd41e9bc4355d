// The settings file reader on arbitrary bytes: it must refuse or read, never crash, and what
// it reads must write back into a file it reads again the same way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/SettingsFile.h"
#include "zones/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbel;
    SettingsFileContent content;
    if (ReadSettingsBytes(data, size, content).status != SettingsReadResult::Status::Ok)
        return 0;
    std::vector<std::uint8_t> again;
    try {
        again = WriteSettingsBytes(content);
    } catch (const ArchiveError&) {
        return 0; // a text too long to store cannot come from a file this small
    }
    SettingsFileContent back;
    if (ReadSettingsBytes(again.data(), again.size(), back).status !=
            SettingsReadResult::Status::Ok ||
        back.clocks.Count() != content.clocks.Count() || back.fonts != content.fonts ||
        back.colours != content.colours)
        std::abort();
    return 0;
}
