// Fuzz target: a clipboard text pasted on the contacts, tasks and timetable pages into a store
// that holds a document. A refused paste changes nothing; a paste leaves no dangling reference.
#include <vector>

#include "../tests/model/store_integrity.h"
#include "fuzz_support.h"
#include "model/clipboard_fragments.h"
#include "model/entity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The clipboard carries Unicode text: the bytes are taken as UTF-8.
    const std::wstring wide = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));

    CFuzzServices services;
    CScheduleData store;
    store.SetServices(services.Get());
    LoadBaseDocument(store);
    store.m_nCurrentEntity = 2;

    auto paste = [&](auto run) {
        services.m_clipboard.SetText(CString(wide));
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
