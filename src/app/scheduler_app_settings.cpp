// The settings of the application object: read at start-up, written back at exit.
#include <algorithm>
#include <cwchar>

#include "app/scheduler_app.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

constexpr const wchar_t* kSection = L"Settings";
constexpr int kAutoSaveSettings = 4;  // off, 5, 10 and 15 minutes
constexpr int kFirstWeekDays = 3;     // Saturday, Sunday, Monday

// The decimal value at the start of the text, 0 when there is none.
int ToInt(const CString& text) { return static_cast<int>(std::wcstol(text.GetString(), nullptr, 10)); }

// The text's value when the whole text is a number in [low, high]; otherwise -1.
int BoundedValue(CString text, int low, int high) {
    text.Trim();
    if (text.IsEmpty()) return -1;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.GetString(), &end, 10);
    if (!end || *end != L'\0' || value < low || value > high) return -1;
    return static_cast<int>(value);
}

CString Flag(int on, const wchar_t* text) { return on ? CString(text) : CString(); }

bool AnyBreak(const std::vector<CString>& lessons) {
    return std::any_of(lessons.begin(), lessons.end(), [](const CString& s) { return !s.IsEmpty() && s[0] == L'!'; });
}

}  // namespace

void AddUniqueString(const CString& text, CSchedulerApp& app) {
    for (const CString& item : app.m_arrRewards)
        if (item.CompareNoCase(text) == 0) return;
    app.m_arrRewards.push_back(text);
}

COleDateTime GetFirstWeekDayDate(int index) {
    return COleDateTime(2000, 1, 1 + std::clamp(index, 0, kFirstWeekDays - 1), 0, 0, 0);
}

std::vector<CString>& CSchedulerApp::GetWordList(WordList list) {
    switch (list) {
    case WordList::Lessons: return m_arrLessons;
    case WordList::Categories: return m_arrCategories;
    case WordList::Activities: return m_arrActivities;
    case WordList::Funders: return m_arrFunders;
    case WordList::Rewards: break;
    }
    return m_arrRewards;
}

void CSchedulerApp::ReadLanguageSetting() {
    m_strLanguage = GetProfileString(kSection, L"Language", L"English");
    m_strLanguageFile = GetProfileString(kSection, L"LanguageFile");
}

void CSchedulerApp::LoadSettings() {
    LoadHolidays();
    m_strLanguage = GetProfileString(kSection, L"Language", L"English");
    SplitList(GetProfileString(kSection, L"Categories"), m_arrCategories, L';');
    GetProfileString(kSection, L"Reasons");
    SplitList(GetProfileString(kSection, L"Activities"), m_arrActivities, L';');
    SplitList(GetProfileString(kSection, L"Lessons"), m_arrLessons, L';');
    SplitList(GetProfileString(kSection, L"Funders"), m_arrFunders, L';');
    const CString autoSave = GetProfileString(kSection, L"AutoSave");
    const int maxTabs = ToInt(GetProfileString(kSection, L"MaxTabs"));
    const int minColumnWidth = ToInt(GetProfileString(kSection, L"MinColumnWidth"));
    const CString filter = GetProfileString(kSection, L"Filter");
    SplitList(GetProfileString(kSection, L"Rewards"), m_arrRewards, L';');
    // The pack's default applies when the stored first weekday is missing or out of range.
    const CString packDefault = LoadResString(IDS_DEFAULT_FIRST_WEEKDAY);
    int weekday = BoundedValue(GetProfileString(kSection, L"FirstWeekDay", packDefault), 0, kFirstWeekDays - 1);
    if (weekday < 0) weekday = std::max(0, BoundedValue(packDefault, 0, kFirstWeekDays - 1));
    m_dtFirstWeekDay = GetFirstWeekDayDate(weekday);
    m_bTts = GetProfileString(kSection, L"TTS").IsEmpty() ? 0 : 1;
    m_strRss = GetProfileString(kSection, L"RSS");
    m_bClock = GetProfileString(kSection, L"Clock").IsEmpty() ? 0 : 1;
    m_bContactsTt = GetProfileString(kSection, L"ContactsTT").IsEmpty() ? 0 : 1;
    m_bSeparatePages = GetProfileString(kSection, L"SeperatePages").IsEmpty() ? 0 : 1;
    m_strSite = GetProfileString(kSection, L"Site");
    m_strFontName = GetProfileString(kSection, L"FontName");
    m_nFontSize = ToInt(GetProfileString(kSection, L"FontSize"));
    m_nTabStyle = ToInt(GetProfileString(kSection, L"TabStyle"));
    m_nExplorerBarStyle = ToInt(GetProfileString(kSection, L"DirectUIStyle", L"3"));

    // An index out of range (a hand-edited file) switches the reminder off.
    if (!autoSave.IsEmpty()) m_nAutoSave = std::max(0, BoundedValue(autoSave, 0, kAutoSaveSettings - 1));
    if (maxTabs > 1 && maxTabs < 100) m_nMaxTabs = maxTabs;
    if (minColumnWidth > 100 && minColumnWidth < 501) m_nMinColumnWidth = minColumnWidth;
    m_bLessonsHaveBreaks = AnyBreak(m_arrLessons) ? 1 : 0;
    m_nFilter = ToInt(filter);
    if (m_nFilter == 0) m_nFilter = 15;
    if (m_strFontName.IsEmpty()) {
        m_strFontName = L"Arial";
        m_nFontSize = 32;
    }

    m_arrRecentDocuments.clear();
    const CString mru = GetProfileString(kSection, L"MRU");
    if (!mru.IsEmpty()) {
        CXmlDocument doc;
        if (doc.SetDocumentText(mru) && doc.FindElement(L"DOCUMENT") && doc.EnterElement()) {
            while (doc.FindElement(L"MRU")) {
                CRecentDocument entry;
                entry.m_strPath = doc.GetAttribute(L"PATH");
                entry.m_strName = doc.GetAttribute(L"NAME");
                m_arrRecentDocuments.push_back(entry);
            }
        }
    }
    m_bSettingsLoaded = true;
}

BOOL CSchedulerApp::SaveSettings() {
    const BOOL holidaysWritten = SaveHolidays();
    m_bLessonsHaveBreaks = AnyBreak(m_arrLessons) ? 1 : 0;
    CString number;
    auto numberText = [&number](int value) -> LPCTSTR {
        number.Format(L"%d", value);
        return number.GetString();
    };
    BOOL ok = TRUE;
    auto write = [&](LPCTSTR name, const CString& value) { ok = WriteProfileString(kSection, name, value) && ok; };
    write(L"FirstWeekDay", numberText(GetFirstWeekDayIndex(m_dtFirstWeekDay)));
    write(L"Categories", JoinList(m_arrCategories, L';'));
    write(L"Activities", JoinList(m_arrActivities, L';'));
    write(L"Lessons", JoinList(m_arrLessons, L';'));
    write(L"Funders", JoinList(m_arrFunders, L';'));
    write(L"Rewards", JoinList(m_arrRewards, L';'));
    write(L"Site", m_strSite);
    write(L"AutoSave", numberText(m_nAutoSave));
    write(L"MinColumnWidth", numberText(m_nMinColumnWidth));
    write(L"Clock", Flag(m_bClock, L"Yes"));
    write(L"SeperatePages", Flag(m_bSeparatePages, L"Yes"));
    write(L"ContactsTT", Flag(m_bContactsTt, L"Yes"));
    write(L"MaxTabs", numberText(m_nMaxTabs));
    write(L"Fontname", m_strFontName);
    write(L"RSS", m_strRss);
    write(L"Language", m_strLanguage);
    write(L"TTS", Flag(m_bTts, L"TRUE"));
    write(L"Filter", numberText(m_nFilter));
    write(L"FontSize", numberText(m_nFontSize));
    write(L"TabStyle", numberText(m_nTabStyle));
    write(L"DirectUIStyle", numberText(m_nExplorerBarStyle));
    if (!m_strLanguageFile.IsEmpty()) write(L"LanguageFile", m_strLanguageFile);

    // The recent documents, newest first; an empty list is written empty.
    CString mru;
    if (!m_arrRecentDocuments.empty()) {
        CXmlDocument doc;
        doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n");
        doc.AddElement(L"DOCUMENT");
        doc.EnterElement();
        const std::size_t count = std::min<std::size_t>(m_arrRecentDocuments.size(), kMaxStoredRecent);
        for (std::size_t i = 0; i < count; ++i) {
            doc.AddElement(L"MRU");
            doc.SetAttributeAt(doc.GetMainPos(), L"NAME", m_arrRecentDocuments[i].m_strName);
            doc.SetAttributeAt(doc.GetMainPos(), L"PATH", m_arrRecentDocuments[i].m_strPath);
        }
        mru = doc.GetDoc();
    }
    write(L"MRU", mru);
    m_bSettingsSaved = true;
    if (!ok) ReportWriteFailure(IDS_SETTINGS_WRITE_ERROR);
    return ok && holidaysWritten;
}

void CSchedulerApp::MergeActivityNames() {
    std::vector<CString> names;
    m_data.GetActivityNames(names);
    for (CString entry : m_arrActivities) {
        entry.TrimRight(L"- 1234567890");
        names.erase(std::remove_if(names.begin(), names.end(), [&](const CString& n) { return n.CompareNoCase(entry) == 0; }),
                    names.end());
    }
    m_arrActivities.insert(m_arrActivities.end(), names.begin(), names.end());
}
