// Fuzz target: a clipboard text pasted on the contacts, tasks and timetable pages into a store
// that holds a document. A refused paste changes nothing; a paste leaves no dangling reference.
#include <vector>

#include "../tests/model/store_integrity.h"
#include "fuzz_support.h"
#include "model/clipboard_fragments.h"
#include "model/entity.h"
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
    // The clipboard carries Unicode text: the bytes are taken as UTF-8.
    const std::wstring wide = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));

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
    store.m_nCurrentEntity = 2;

    auto paste = [&](auto run) {
        clipboard.SetText(CString(wide));
        const CString before = DocumentText(store);
        const PasteOutcome outcome = run();
        if (outcome == PasteOutcome::Refused) Check(DocumentText(store) == before, "a refused paste changed the document");
        Check(FindStoreFaults(store).empty(), "a paste left a dangling reference");
    };
    paste([&] { return PasteContactsFragment(store); });
    paste([&] {
        std::vector<CEntity> keys;
        return PasteTasksFragment(store, keys);
    });
    paste([&] {
        std::vector<TimetableFragmentItem> items;
        return ReadTimetableFragment(store, items);
    });
    return 0;
}
