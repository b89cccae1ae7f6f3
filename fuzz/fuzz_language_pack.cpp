// Fuzz target: a language pack file read by the pack reader. Whatever it holds, the reader
// answers with the pack or with an error; it never throws or stops the program.
#include "fuzz_support.h"
#include "platform/core/language_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CString path = ScratchFile("pack.rc");
    WriteScratchFile(path, data, size);
    CLanguagePack pack;
    const CPackResult result = pack.Load(path);
    Check(result.ok == pack.IsLoaded(), "the pack's state does not follow the reader's answer");
    if (!result.ok) Check(!result.message.IsEmpty(), "a refused pack has no message");
    return 0;
}
