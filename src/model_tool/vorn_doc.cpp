// vorn-doc <document>: loads a schedule document, prints its counts and any load error, and
// exits with 1 when the document could not be loaded (2 for a wrong command line).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "model/schedule_data.h"
#include "platform/core/language_pack.h"

namespace {

// Prints every message the store would show, and remembers whether there was one.
class CPrintingAnswerer : public IMessageAnswerer {
public:
    MessageAnswer Ask(const CString& text, const CString& caption, MessageButtons buttons, MessageIcon icon) override {
        (void)buttons, (void)icon;
        std::fprintf(stderr, "%s: %s\n", caption.IsEmpty() ? "message" : caption.ToUtf8().c_str(), text.ToUtf8().c_str());
        m_asked = true;
        return MessageAnswer::Cancel;
    }
    bool m_asked = false;
};

CString ProgramFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) exe = std::filesystem::absolute(argv0);
    return CString(exe.parent_path().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorn-doc <document>\n");
        return 2;
    }

    // The texts of the messages come from the language pack beside the program.
    CLanguagePack pack;
    const CPackResult result = pack.LoadFromSearchOrder(ProgramFolder(argv[0]), L"English", L"vorn-doc");
    if (pack.IsLoaded())
        CLanguagePack::SetCurrent(&pack);
    else
        std::fprintf(stderr, "vorn-doc: no language pack found; messages have no text\n");
    (void)result;

    CMemoryAppSettings settings;
    settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    CPrintingAnswerer answerer;
    CScheduleData data;
    ModelServices services;
    services.settings = &settings;
    services.answerer = &answerer;
    data.SetServices(services);

    const CString path(std::filesystem::absolute(argv[1]).c_str());
    const bool loaded = data.Load(path, FALSE) != FALSE;
    if (!loaded) {
        if (!answerer.m_asked) std::fprintf(stderr, "vorn-doc: %s was not loaded\n", argv[1]);
        CLanguagePack::SetCurrent(nullptr);
        return 1;
    }

    std::map<int, int> byType;
    std::size_t absences = 0;
    for (const CEntity& entity : data.m_arrEntities) {
        ++byType[entity.m_nType];
        absences += entity.m_arrAbsences.size();
    }
    std::printf("document: %s\n", data.GetFilePath().ToUtf8().c_str());
    std::printf("plan: %s, %d days from %s\n", data.HasDefaultStartDate() ? "week template" : "dated", data.m_nDays,
                data.GetStartDate().Format(L"%d/%m/%Y").ToUtf8().c_str());
    std::printf("entities: %zu\n", data.m_arrEntities.size());
    for (const auto& [type, count] : byType) {
        CEntity probe;
        probe.m_nType = type;
        const CString name = probe.GetTypeName();
        std::printf("  type %d%s%s: %d\n", type, name.IsEmpty() ? "" : " ", name.ToUtf8().c_str(), count);
    }
    std::printf("activities: %zu\n", data.m_arrActivities.size());
    std::printf("entries: %zu\n", data.m_arrEntries.size());
    std::printf("chime sets: %zu\n", data.m_arrChimeSets.size());
    std::printf("groups: %zu\n", data.m_arrGroups.size());
    std::printf("absences: %zu\n", absences);
    CLanguagePack::SetCurrent(nullptr);
    return 0;
}
