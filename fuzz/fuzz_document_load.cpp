// Fuzz target: a file loaded as a document into a store that holds one. A load that fails
// leaves the held document as it was; a load that succeeds gives a document whose text, saved
// and loaded again, is the same.
#include "fuzz_support.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"

namespace {

// The document's text as saving writes it (writing settles what saving settles).
CString DocumentText(CScheduleData& data) {
    CXmlDocument doc;
    data.WriteXml(doc);
    return doc.GetDoc();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemoryAppSettings settings;
    settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    CCautiousAnswerer answerer;
    CMemoryClipboard clipboard;
    ModelServices services;
    services.settings = &settings;
    services.answerer = &answerer;
    services.clipboard = &clipboard;

    CScheduleData store;
    store.SetServices(services);
    const CString base = ScratchFile("base.xml");
    WriteScratchFile(base, kFuzzBaseDocument);
    Check(store.Load(base, FALSE) != FALSE, "the base document does not load");
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
    again.SetServices(services);
    Check(again.Load(saved, FALSE) != FALSE, "a saved document does not load");
    Check(DocumentText(again) == first, "save, load and save give another text");
    return 0;
}
