// Any bytes handed to the configuration loader either fail to load or give a tree whose saved
// form loads again to the very same saved form.
#include "storage/config_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigFile file;
    if (!file.load_from_memory(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string saved = file.to_document();
    ConfigFile reloaded;
    if (!reloaded.load_from_memory(saved) || reloaded.to_document() != saved)
        std::abort();
    return 0;
}
