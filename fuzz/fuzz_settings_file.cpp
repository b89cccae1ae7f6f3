// Fuzz target: the bytes of a settings file parsed by the settings store. What the store writes
// for the settings it read, it reads back as the same settings.
#include <string>

#include "fuzz_support.h"
#include "platform/core/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSettingsStore store(ScratchFile("unused.ini"));
    store.Parse(std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = store.Serialize();
    CSettingsStore again(ScratchFile("unused.ini"));
    again.Parse(written);
    Check(again.Serialize() == written, "written settings read back as other settings");
    return 0;
}
