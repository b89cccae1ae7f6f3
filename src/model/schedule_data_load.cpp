// Loading the document from its file, saving it and the modified test.
#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/document_values.h"
#include "model/schedule_data.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kErrorCaptionId = 60005;
constexpr UINT kLoadNotAPlanId = 60402;
constexpr UINT kLoadFileErrorId = 60403;
constexpr UINT kSaveCaptionId = 60405;
constexpr UINT kSaveFileChangedId = 60406;
constexpr UINT kSaveFileErrorId = 60407;

// The frame as the store being loaded sees it: the progress bar only. Pages keep showing the
// open document until the new one replaces it.
class CProgressOnlyHost : public IModelHost {
public:
    explicit CProgressOnlyHost(IModelHost& host) : m_host(host) {}
    IProgress& ShowProgress(const CString& label) override { return m_host.ShowProgress(label); }
    void HideProgress() override { m_host.HideProgress(); }

private:
    IModelHost& m_host;
};

// The settings as the store being loaded sees them: reward names are collected apart and join
// the application's list only when the whole file was read.
class CLoadSettings : public IAppSettings {
public:
    explicit CLoadSettings(IAppSettings& settings) : m_settings(settings) {}
    COleDateTime GetDefaultPlanDate() const override { return m_settings.GetDefaultPlanDate(); }
    std::vector<CString>& GetWordList(WordList list) override {
        if (list == WordList::Rewards) return m_rewards;
        return m_settings.GetWordList(list);
    }
    bool IsHoliday(const COleDateTime& date) const override { return m_settings.IsHoliday(date); }
    int GetAutoSave() const override { return m_settings.GetAutoSave(); }
    int GetTimeAxisMode() const override { return m_settings.GetTimeAxisMode(); }
    void SetTimeAxisMode(int mode) override { m_settings.SetTimeAxisMode(mode); }
    int GetCaptionMode() const override { return m_settings.GetCaptionMode(); }
    void SetCaptionMode(int mode) override { m_settings.SetCaptionMode(mode); }
    int GetReportFlag() const override { return m_settings.GetReportFlag(); }
    void SetReportFlag(int flag) override { m_settings.SetReportFlag(flag); }
    void AddRecentDocument(const CString& name, const CString& path, bool isTemplate) override {
        m_settings.AddRecentDocument(name, path, isTemplate);
    }

    // Adds the reward names the file named to the application's list.
    void Commit() {
        std::vector<CString>& list = m_settings.GetWordList(WordList::Rewards);
        for (const CString& name : m_rewards) {
            bool present = false;
            for (const CString& item : list) present = present || item.CompareNoCase(name) == 0;
            if (!present) list.push_back(name);
        }
    }

private:
    IAppSettings& m_settings;
    std::vector<CString> m_rewards;
};

}  // namespace

bool CScheduleData::ShowLoadError(UINT textId) {
    Answerer().Ask(LoadResString(textId), LoadResString(kErrorCaptionId), MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

BOOL CScheduleData::Load(const CString& path, BOOL refresh, bool asNew) {
    if (path.IsEmpty()) return FALSE;

    CProgressOnlyHost host(Host());
    CLoadSettings settings(Settings());
    std::unique_ptr<CScheduleData> fresh;
    try {
        CXmlDocument doc;
        CString text;
        int flags = 0;
        if (!CXmlDocument::ReadFileText(nullptr, path, text, nullptr, &flags)) return ShowLoadError(kLoadNotAPlanId);
        if (!doc.SetDocumentText(text)) return ShowLoadError(kLoadNotAPlanId);
        text.Empty();

        // The file is read into a store of its own with the settings a reset keeps, so that a
        // damaged file leaves the open document as it was.
        fresh = std::make_unique<CScheduleData>();
        ModelServices services;
        services.host = &host;
        services.settings = &settings;
        services.answerer = m_pAnswerer;
        services.clipboard = m_pClipboard;
        fresh->SetServices(services);
        fresh->m_nPopulation = m_nPopulation;
        fresh->m_nDuration = m_nDuration;
        fresh->m_nDispersion = m_nDispersion;
        fresh->m_nHourIndex = m_nHourIndex;
        fresh->m_nCurrentChimeSet = m_nCurrentChimeSet;
        fresh->m_nDefaultChimeSet = m_nDefaultChimeSet;
        fresh->m_tDayStart = m_tDayStart;
        // What a file leaves out (a missing GENERAL, the state slots it does not reset) stays
        // as the caller's reset made it.
        fresh->m_nDays = m_nDays;
        fresh->m_nTitleFormat = m_nTitleFormat;
        fresh->m_dtStartDate = m_dtStartDate;
        fresh->m_dtFirstWeekday = m_dtFirstWeekday;
        std::copy(std::begin(m_nStateSlots), std::end(m_nStateSlots), std::begin(fresh->m_nStateSlots));
        // A plan opened as new starts from what a reset leaves, but the open one is reset only
        // once the file has been read.
        if (asNew) fresh->ResetToNew(FALSE);
        fresh->ReadXml(doc);
    } catch (const CFileException&) {
        return ShowLoadError(kLoadFileErrorId);
    } catch (const std::bad_alloc&) {
        return ShowLoadError(kLoadFileErrorId);
    } catch (...) {
        // A value that cannot be taken (a clock time of 99:00): the file is damaged.
        return ShowLoadError(kLoadNotAPlanId);
    }

    if (asNew) ResetToNew(refresh);
    TakeDocumentFrom(*fresh);
    settings.Commit();
    RefreshFileStatus(path);
    m_bUntitled = false;
    if (refresh) Host().RefreshPages(PageRefresh::AfterLoad);
    return TRUE;
}

void CScheduleData::TakeDocumentFrom(CScheduleData& other) {
    DiscardUndo();
    m_arrEntities.swap(other.m_arrEntities);
    m_arrActivities.swap(other.m_arrActivities);
    m_arrChimeSets.swap(other.m_arrChimeSets);
    m_arrKeys.swap(other.m_arrKeys);
    m_arrEntries.swap(other.m_arrEntries);
    m_arrGroups.swap(other.m_arrGroups);
    for (int i = 0; i < kStateSlots; ++i) m_nStateSlots[i] = other.m_nStateSlots[i];
    ClearDerivedLists();
    m_nPopulation = other.m_nPopulation;
    m_nDuration = other.m_nDuration;
    m_nHourIndex = other.m_nHourIndex;
    m_nCurrentEntity = other.m_nCurrentEntity;
    m_nCurrentChimeSet = other.m_nCurrentChimeSet;
    m_nDefaultChimeSet = other.m_nDefaultChimeSet;
    m_nDays = other.m_nDays;
    m_nTitleFormat = other.m_nTitleFormat;
    m_dtStartDate = other.m_dtStartDate;
    m_dtFirstWeekday = other.m_dtFirstWeekday;
}

BOOL CScheduleData::Save(BOOL refresh, const std::function<void()>& beforeWrite) {
    const CString path = GetFilePath();
    RenumberIds();
    CXmlDocument doc;
    WriteXml(doc);

    // A file that changed on disk since it was read or written is not overwritten unasked.
    CFileStatus disk;
    if (CFile::GetStatus(path, disk) && !IsSameFileVersion(disk, m_fileStatus)) {
        switch (Answerer().Ask(LoadResString(kSaveFileChangedId), LoadResString(kSaveCaptionId), MessageButtons::YesNoCancel,
                               MessageIcon::Question)) {
        case MessageAnswer::Yes: break;
        case MessageAnswer::No:
            // The file on disk replaces the edits in memory; the pages then show it as after a save.
            Load(path, TRUE);
            if (refresh) Host().RefreshPages(PageRefresh::AfterSave);
            return FALSE;
        default: return FALSE;
        }
    }

    if (beforeWrite) beforeWrite();
    bool written = false;
    try {
        int flags = CXmlDocument::kUtf16LeFile;
        written = CXmlDocument::WriteFileText(path, doc.GetDoc(), nullptr, &flags);
    } catch (const CFileException&) {
        written = false;
    }
    if (written)
        RefreshFileStatus(path);
    else
        Answerer().Ask(LoadResString(kSaveFileErrorId), LoadResString(kSaveCaptionId), MessageButtons::Ok, MessageIcon::Stop);

    if (refresh) Host().RefreshPages(PageRefresh::AfterSave);
    return written ? TRUE : FALSE;
}

int CScheduleData::IsModified() const {
    if (m_arrEntities.empty()) return 0;
    CXmlDocument doc;
    BuildDocumentText(doc);

    std::ifstream file(GetFilePath().ToUtf8(), std::ios::binary | std::ios::ate);
    if (!file) return 1;
    const std::streamoff size = file.tellg();
    if (size < 0) return 1;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    if (!file.read(bytes.data(), size)) return 1;
    const std::size_t skip = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE' ? 2 : 0;

    // The text as UTF-16 little-endian against the file, a slice at a time: a large document
    // is not copied whole once more.
    const std::wstring_view text = doc.GetDoc().str();
    constexpr std::size_t kSlice = 65536;
    std::size_t at = skip;
    for (std::size_t from = 0; from < text.size(); from += kSlice) {
        const std::u16string units = WideToUtf16(text.substr(from, kSlice));
        if (bytes.size() - at < units.size() * 2) return 1;
        for (char16_t unit : units) {
            const auto low = static_cast<unsigned char>(bytes[at]);
            const auto high = static_cast<unsigned char>(bytes[at + 1]);
            if (static_cast<char16_t>(low | (high << 8)) != unit) return 1;
            at += 2;
        }
    }
    return at == bytes.size() ? 0 : 1;
}

void CScheduleData::StoreOriginalStarts() {
    for (CTimetableEntry& entry : m_arrEntries) entry.m_dtUnmovedStart = entry.m_dtStart;
}

bool HasDocumentFileName(const CString& path) {
    if (path.IsEmpty()) return false;
    const CString defaultName = LoadResString(CScheduleData::kDefaultDocumentNameId);
    if (!defaultName.IsEmpty() && path.Find(defaultName) >= 0) return false;
    const int length = path.GetLength();
    return length >= 4 && path[length - 4] == L'.';
}
