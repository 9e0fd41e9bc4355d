// The registry store's text file on arbitrary bytes: parsed without crashing, and what was
// understood survives writing and reading again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/RegistryStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbel;
    MemoryRegistryStore store;
    store.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = store.Serialize();
    MemoryRegistryStore back;
    back.Parse(text);
    if (back.Count() != store.Count() || back.Serialize() != text)
        std::abort();
    return 0;
}
