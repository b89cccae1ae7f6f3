// Fuzz target: a file loaded as a document into a store that holds one. A load that fails
// leaves the held document as it was; a load that succeeds gives a document whose text, saved
// and loaded again, is the same.
#include "fuzz_support.h"
#include "model/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzServices services;
    CScheduleData store;
    store.SetServices(services.Get());
    LoadBaseDocument(store);
    const CString held = DocumentText(store);

    const CString path = ScratchFile("document.xml");
    WriteScratchFile(path, data, size);
    if (!store.Load(path, FALSE)) {
        Check(DocumentText(store) == held, "a failed load changed the held document");
        return 0;
    }

    // Save, load and save again.
    const CString first = DocumentText(store);
    const CString saved = ScratchFile("saved.xml");
    int flags = CXmlDocument::kUtf16LeFile;
    Check(CXmlDocument::WriteFileText(saved, first, nullptr, &flags), "the loaded document cannot be written");
    CScheduleData again;
    again.SetServices(services.Get());
    Check(again.Load(saved, FALSE) != FALSE, "a saved document does not load");
    Check(DocumentText(again) == first, "save, load and save give another text");
    return 0;
}
