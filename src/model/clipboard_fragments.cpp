#include "model/clipboard_fragments.h"

#include <stdexcept>
#include <variant>

#include "model/document_values.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/text_scan.h"

namespace {

constexpr UINT kNotAFragmentId = 60444;
constexpr UINT kPasteCaptionId = 60445;
constexpr const wchar_t* kDeclaration = L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n";

// A new fragment: the declaration and an entered DOCUMENT element.
CXmlDocument StartFragment(const CString* period) {
    CXmlDocument xml;
    xml.SetDocFlags(xml.GetDocFlags() | CXmlDocument::kUtf16LeFile);
    xml.SetDocumentText(kDeclaration);
    xml.AddElement(L"DOCUMENT");
    if (period) xml.SetAttributeAt(xml.GetMainPos(), L"PERIOD", *period);
    xml.EnterElement();
    return xml;
}

CString FormatPeriod(const CScheduleData& data) { return data.GetStartDate().Format(L"%d/%m/%Y"); }

bool ReadDate(const CString& text, COleDateTime& date) {
    int v[3];
    if (!ReadFragmentNumbers(text, L"/", 3, v)) return false;
    date = COleDateTime(v[2], v[1], v[0], 0, 0, 0);
    return date.GetStatus() == COleDateTime::valid;
}

bool ReadStart(const CString& text, COleDateTime& start) {
    int v[5];
    if (!ReadFragmentNumbers(text, L"/:", 5, v)) return false;
    start = COleDateTime(v[2], v[1], v[0], v[3], v[4], 0);
    return start.GetStatus() == COleDateTime::valid;
}

bool ReadLength(const CString& text, COleDateTimeSpan& length) {
    int v[2];
    if (!ReadFragmentNumbers(text, L":", 2, v)) return false;
    length = COleDateTimeSpan(v[0] / 24.0 + v[1] / 1440.0);
    return length.GetStatus() == COleDateTimeSpan::valid;
}

PasteOutcome Refuse(CScheduleData& data) {
    CString text;
    text.LoadString(kNotAFragmentId);
    CString caption;
    caption.LoadString(kPasteCaptionId);
    data.Answerer().Ask(text, caption, MessageButtons::Ok, MessageIcon::Warning);
    return PasteOutcome::Refused;
}

// Reads the clipboard into xml and enters its DOCUMENT. False when the clipboard cannot be read;
// refused (with its message) when the text is no well-formed document with a DOCUMENT root.
enum class LoadResult { Unreadable, Foreign, Loaded };
LoadResult LoadFragment(CScheduleData& data, CXmlDocument& xml) {
    if (!xml.LoadFromClipboard(data.Clipboard())) return LoadResult::Unreadable;
    if (!xml.IsWellFormed() || !xml.FindElement(L"DOCUMENT")) return LoadResult::Foreign;
    return LoadResult::Loaded;
}

// Reads an entity card against the plan start date of the document it was copied from, so that
// its day windows fall on the same plan days as there.
CEntity ReadPastedEntity(CScheduleData& data, CXmlDocument& xml, const COleDateTime& period) {
    struct StartDateScope {
        CScheduleData& data;
        COleDateTime saved;
        ~StartDateScope() { data.m_dtStartDate = saved; }
    } scope{data, data.m_dtStartDate};
    data.m_dtStartDate = period;
    CEntity entity;
    entity.ReadXml(xml, data);
    return entity;
}

}  // namespace

bool ReadFragmentNumbers(CString text, const wchar_t* separators, int count, int* values) {
    for (const wchar_t* s = separators; *s; ++s) text.Replace(*s, L' ');
    int start = 0;
    int n = 0;
    for (CString token = text.Tokenize(L" ", start); start >= 0; token = text.Tokenize(L" ", start)) {
        if (n == count) return false;
        const int first = (token[0] == L'-' || token[0] == L'+') ? 1 : 0;
        if (first == token.GetLength() || token.GetLength() - first > 9) return false;
        for (int i = first; i < token.GetLength(); ++i)
            if (token[i] < L'0' || token[i] > L'9') return false;
        values[n++] = _wtoi(token);
    }
    return n == count;
}

void SetClipboardText(IClipboard& clipboard, const CString& text) { clipboard.SetText(text); }

BOOL GetClipboardText(IClipboard& clipboard, CString& text) {
    if (!clipboard.GetText(text)) text.Empty();
    return TRUE;
}

CString BuildContactsEntityFragment(const CScheduleData& data, const std::vector<int>& entityIds) {
    const CString period = FormatPeriod(data);
    CXmlDocument xml = StartFragment(&period);
    for (int id : entityIds) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end()) entity->WriteXml(xml, data);
    }
    return xml.GetDoc();
}

CString BuildContactsChimeSetFragment(const CScheduleData& data, const std::vector<int>& chimeSetIds) {
    const CString period = FormatPeriod(data);
    CXmlDocument xml = StartFragment(&period);
    for (int id : chimeSetIds) {
        const auto set = data.FindChimeSet(id);
        if (set != data.m_arrChimeSets.end()) set->WriteXml(xml, set->m_nId);
    }
    return xml.GetDoc();
}

CString BuildTasksActivityFragment(const CScheduleData& data, const std::vector<int>& activityIds) {
    CXmlDocument xml = StartFragment(nullptr);
    for (int id : activityIds) {
        const auto activity = data.FindActivity(id);
        if (activity != data.m_arrActivities.end()) activity->WriteXml(xml, data);
    }
    return xml.GetDoc();
}

CString BuildTasksEntityFragment(const CScheduleData& data, const std::vector<int>& entityIds) {
    CXmlDocument xml = StartFragment(nullptr);
    for (int id : entityIds) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end()) entity->WriteXml(xml, data);
    }
    return xml.GetDoc();
}

CString BuildTimetableFragment(const CScheduleData& data, const std::vector<const CTimetableEntry*>& entries) {
    CXmlDocument xml = StartFragment(nullptr);
    for (const CTimetableEntry* entry : entries) {
        if (!entry) continue;
        const auto activity = data.FindActivity(entry->m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        xml.AddElement(L"SCHEDULE");
        const int pos = xml.GetMainPos();
        xml.SetAttributeAt(pos, L"ACTIVITY", activity->m_strName);
        xml.SetAttributeAt(pos, L"LEVEL", activity->m_strLevel);
        xml.SetAttributeAt(pos, L"START", entry->m_dtStart.Format(L"%d/%m/%Y %H:%M"));
        xml.SetAttributeAt(pos, L"DURATION", FormatHoursMinutes(entry->m_tsLength));
    }
    return xml.GetDoc();
}

PasteOutcome PasteContactsFragment(CScheduleData& data) {
    CXmlDocument xml;
    const LoadResult loaded = LoadFragment(data, xml);
    if (loaded == LoadResult::Unreadable) return PasteOutcome::Cancelled;
    COleDateTime period;
    if (loaded == LoadResult::Foreign || !ReadDate(xml.GetAttribute(L"PERIOD"), period)) return Refuse(data);

    // Everything is read before anything is added, so a damaged fragment adds nothing.
    std::vector<std::variant<CEntity, CChimeSet>> records;
    xml.EnterElement();
    try {
        while (xml.FindElement()) {
            const CString name = xml.GetNodeName();
            if (name == L"ENTITY")
                records.emplace_back(ReadPastedEntity(data, xml, period));
            else if (name == L"CHIME")
                {
                CChimeSet set;
                set.ReadXml(xml);
                records.emplace_back(std::move(set));
            }
        }
    } catch (const CDocumentFormatError&) {
        return Refuse(data);
    } catch (const std::invalid_argument&) {
        return Refuse(data);
    }
    if (records.empty()) return Refuse(data);

    for (auto& record : records) {
        if (CEntity* entity = std::get_if<CEntity>(&record)) {
            if (!entity->AddPasted(data)) return PasteOutcome::Cancelled;
        } else {
            data.MergeChimeSet(std::get<CChimeSet>(record));
        }
    }
    return PasteOutcome::Done;
}

PasteOutcome PasteTasksFragment(CScheduleData& data, std::vector<CEntity>& entityKeys) {
    entityKeys.clear();
    CXmlDocument xml;
    const LoadResult loaded = LoadFragment(data, xml);
    if (loaded == LoadResult::Unreadable) return PasteOutcome::Cancelled;
    if (loaded == LoadResult::Foreign) return Refuse(data);

    std::vector<CActivity> activities;
    std::vector<CEntity> keys;
    xml.EnterElement();
    try {
        while (xml.FindElement()) {
            const CString name = xml.GetNodeName();
            if (name == L"ACTIVITY") {
                CActivity activity;
                activity.ReadXml(xml, data);
                activity.m_nGroup = 0;
                activities.push_back(std::move(activity));
            } else if (name == L"ENTITY") {
                // A key whose numbers cannot be read is left out.
                CEntity key;
                if (CEntity::ReadXmlKey(xml, key)) keys.push_back(std::move(key));
            }
        }
    } catch (const CDocumentFormatError&) {
        return Refuse(data);
    } catch (const std::invalid_argument&) {
        return Refuse(data);
    }
    if (activities.empty() && keys.empty()) return Refuse(data);

    for (CActivity& activity : activities)
        if (!data.PasteActivity(std::move(activity))) return PasteOutcome::Cancelled;
    entityKeys = std::move(keys);
    return PasteOutcome::Done;
}

PasteOutcome ReadTimetableFragment(CScheduleData& data, std::vector<TimetableFragmentItem>& items) {
    items.clear();
    CXmlDocument xml;
    const LoadResult loaded = LoadFragment(data, xml);
    if (loaded == LoadResult::Unreadable) return PasteOutcome::Cancelled;
    if (loaded == LoadResult::Foreign) return Refuse(data);

    xml.EnterElement();
    while (xml.FindElement(L"SCHEDULE")) {
        TimetableFragmentItem item;
        item.m_strActivity = xml.GetAttribute(L"ACTIVITY");
        if (ReadStart(xml.GetAttribute(L"START"), item.m_dtStart) &&
            ReadLength(xml.GetAttribute(L"DURATION"), item.m_tsLength))
            items.push_back(std::move(item));
    }
    if (items.empty()) return Refuse(data);
    return PasteOutcome::Done;
}
