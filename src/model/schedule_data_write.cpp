// Writing the whole document into its XML text.
#include <algorithm>

#include "model/document_values.h"
#include "model/schedule_data.h"
#include "model/settle_moved_entry_states.h"
#include "model/time_values.h"
#include "model/xml_document.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kWritingLabelId = 60404;

// A whole-day absence reads back at 01:00 for one hour unless its own start time and length
// are written beside the older form.
constexpr int kWholeDayStartMinutes = 60;
constexpr int kWholeDayLengthMinutes = 60;

// The state an entry is written with: its computed state, where a moved entry of a dated plan
// counts as settled.
int StateForFile(const CScheduleData& data, const CTimetableEntry& entry) {
    int state = entry.GetState(data);
    if (state == 4 && !data.HasDefaultStartDate()) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        state = activity != data.m_arrActivities.end() && activity->m_nGroup != 0 ? 8 : 2;
    }
    return state;
}

// Makes room in the document for about the text the store will give, so that a large plan is
// not copied again and again while it grows. The sizes are those of plain records; long
// names and remarks only make the text grow once more.
void ReserveDocumentText(const CScheduleData& data, CXmlDocument& doc) {
    const std::size_t days = static_cast<std::size_t>(std::clamp(data.m_nDays, 0, kMaxPlanDays));
    std::size_t length = 400 + 150 * data.m_arrChimeSets.size() + 80 * data.m_arrGroups.size() +
                         60 * data.m_arrKeys.size();
    std::size_t elements = 12 + data.m_arrChimeSets.size() + data.m_arrGroups.size() + data.m_arrKeys.size();
    for (const CChimeSet& chimeSet : data.m_arrChimeSets) {
        length += 60 * chimeSet.m_arrIntervals.size();
        elements += chimeSet.m_arrIntervals.size();
    }
    for (const CEntity& entity : data.m_arrEntities) {
        const std::size_t children = entity.m_arrAbsences.size() + entity.m_arrFunds.size();
        length += 100 + 50 * days + 150 * children;
        elements += 1 + days + children;
    }
    for (const CActivity& activity : data.m_arrActivities) {
        const std::size_t children = activity.m_arrMembers.size() + activity.m_arrRooms.size() + activity.m_arrPairs.size();
        length += 150 + 60 * children;
        elements += 1 + children;
    }
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const std::size_t children = entry.m_arrReplacements.size() + entry.m_arrRooms.size() + entry.m_arrPairs.size();
        length += 100 + 80 * children;
        elements += 1 + (children ? 2 + children : 0);
    }
    doc.Reserve(length, elements);
}

class CSectionWriter {
public:
    explicit CSectionWriter(CXmlDocument& doc) : m_doc(doc) {}
    // Adds an element after the current one; its attributes are set with Set.
    void Add(const wchar_t* name, const wchar_t* text = nullptr) {
        m_doc.AddElement(name, text);
        m_pos = m_doc.GetMainPos();
    }
    void Set(const wchar_t* name, const CString& value) { m_doc.SetAttributeAt(m_pos, name, value); }
    void SetInt(const wchar_t* name, int value) { Set(name, FormatFileInt(value)); }
    void Enter() { m_doc.EnterElement(); }
    void Leave() {
        m_doc.LeaveElement();
        m_pos = m_doc.GetMainPos();
    }
    // Adds an element and lets body write its children inside it.
    template <class Body>
    void Section(const wchar_t* name, Body body) {
        Add(name);
        Enter();
        body();
        Leave();
    }
    // Adds an element that names its entity.
    void AddForEntity(const wchar_t* name, int entityId) {
        Add(name);
        SetInt(L"ENTITY", entityId);
    }

private:
    CXmlDocument& m_doc;
    int m_pos = 0;
};

}  // namespace

void CScheduleData::PrepareForWrite() {
    SettleMovedEntryStates(*this);

    const int days = std::clamp(m_nDays, 0, kMaxPlanDays);
    for (CEntity& entity : m_arrEntities) {
        if (entity.m_nType == 4) continue;
        for (int i = 0; i < days; ++i)
            if (entity.m_tDayStart[i] < m_tDayStart) entity.m_tDayStart[i] = m_tDayStart;
    }

    // A single chime set is written with id 1; the references to it follow it there.
    RenumberSoleChimeSet();
}

void CScheduleData::WriteXml(CXmlDocument& doc) {
    PrepareForWrite();
    BuildDocumentText(doc);
}

void CScheduleData::BuildDocumentText(CXmlDocument& doc) const {
    IProgress& progress = Host().ShowProgress(LoadResString(kWritingLabelId));
    progress.SetRange(0, 6);
    progress.SetStep(1);

    doc.SetDocumentText(L"<?xml version=\"1.0\" encoding=\"UTF-16LE\"?>\r\n");
    ReserveDocumentText(*this, doc);
    CSectionWriter w(doc);
    w.Add(L"DOCUMENT");
    w.Set(L"VERSION", L"1.0");
    w.Enter();
    progress.StepIt();

    w.Add(L"GENERAL");
    w.Set(L"FIRST_WEEKDAY", FormatFileDate(GetFirstWeekdayDate()));
    w.Set(L"DATE", FormatFileDate(GetStartDate()));
    w.SetInt(L"DAYS", m_nDays);
    w.SetInt(L"POPULATION", m_nPopulation);
    w.SetInt(L"DURATION", m_nDuration);
    w.SetInt(L"DISPERSION", m_nDispersion);
    w.SetInt(L"HOUR_INDX", m_nHourIndex);
    if (m_nTitleFormat != 0) w.Set(L"TITLE_FORMAT", m_nTitleFormat == 1 ? L"DATE" : L"DAYS");
    progress.StepIt();

    const bool singleChimeSet = m_arrChimeSets.size() == 1;
    w.Add(L"CHIMES");
    w.SetInt(L"DEFAULT", singleChimeSet ? 1 : m_nDefaultChimeSet);
    w.Enter();
    for (const CChimeSet& chimeSet : m_arrChimeSets) chimeSet.WriteXml(doc, singleChimeSet ? 1 : chimeSet.m_nId);
    w.Leave();

    w.Section(L"ENTITIES", [&] {
        for (const CEntity& entity : m_arrEntities) entity.WriteXml(doc, *this);
    });

    w.Section(L"AVAILABILITY", [&] {
        for (const CEntity& entity : m_arrEntities) {
            for (const CAbsence& absence : entity.m_arrAbsences) {
                w.AddForEntity(L"ABSENCE", entity.m_nId);
                w.Set(L"DAY", FormatFileDate(absence.m_dtStart));
                if (!absence.m_bWholeDay) {
                    w.Set(L"START", absence.m_dtStart.Format(L"%H:%M"));
                    w.Set(L"DURATION", FormatHoursMinutes(absence.m_tsLength));
                }
                w.Set(L"CATEGORY", absence.m_strCategory);
                w.Set(L"REASON", absence.m_strReason);
                w.Set(L"FUND", absence.m_strFund);
                if (absence.m_bApproved) w.Set(L"APPROVED", L"YES");
                if (absence.m_bPaid) w.Set(L"PAID", L"YES");
                w.Set(L"REMARK", absence.m_strRemark);
                if (absence.m_bWholeDay && absence.m_dtStart.GetStatus() == COleDateTime::valid) {
                    // The older form keeps only the day; the time and length go beside it when they
                    // are not the ones the reader supplies.
                    const int startMinutes = absence.m_dtStart.GetHour() * 60 + absence.m_dtStart.GetMinute();
                    if (startMinutes != kWholeDayStartMinutes ||
                        WholeMinutes(absence.m_tsLength.m_span) != kWholeDayLengthMinutes) {
                        w.Set(L"WHOLE_DAY_START", absence.m_dtStart.Format(L"%H:%M"));
                        w.Set(L"WHOLE_DAY_DURATION", FormatHoursMinutes(absence.m_tsLength));
                    }
                }
            }
        }
    });
    progress.StepIt();

    w.Section(L"REWARDS", [&] {
        for (const CEntity& entity : m_arrEntities) {
            for (const CFund& fund : entity.m_arrFunds) {
                w.AddForEntity(L"FUND", entity.m_nId);
                w.Set(L"TAG", fund.m_strName);
                w.Set(L"DURATION", FormatHoursMinutes(fund.m_tsLength));
            }
        }
    });
    progress.StepIt();

    w.Section(L"GROUPS", [&] {
        for (const CActivityGroup& group : m_arrGroups) group.WriteXml(doc);
    });
    progress.StepIt();

    w.Section(L"ACTIVITIES", [&] {
        for (const CActivity& activity : m_arrActivities) activity.WriteXml(doc, *this);
    });
    progress.StepIt();

    const bool dated = !HasDefaultStartDate();
    const COleDateTime startDate = GetStartDate();
    w.Section(L"TIMETABLE", [&] {
        for (const CTimetableEntry& entry : m_arrEntries) {
            w.Add(L"ENTRY");
            w.SetInt(L"ACTIVITY", entry.m_nActivity);
            w.SetInt(L"STATUS", StateForFile(*this, entry));
            w.Set(L"DAY", FormatFileDate(entry.m_dtStart));
            w.Set(L"START", entry.m_dtStart.Format(L"%H:%M"));
            if (dated && CompareTimesApprox(entry.m_dtStart, entry.m_dtUnmovedStart) != 0) {
                const COleDateTime& unmoved = entry.m_dtUnmovedStart;
                if (unmoved.GetStatus() == COleDateTime::valid && IsUnplacedDate(unmoved))
                    w.Set(L"ORIGINAL", L"0");
                else
                    w.SetInt(L"ORIGINAL", WholeMinutes((unmoved - startDate).m_span));
            }
            w.Set(L"DURATION", FormatHoursMinutes(entry.m_tsLength));
            if (!entry.m_strRemark.IsEmpty()) w.Set(L"REMARK", entry.m_strRemark);

            const bool hasReplacements = !entry.m_arrReplacements.empty() || !entry.m_arrRooms.empty();
            if (!hasReplacements && entry.m_arrPairs.empty()) continue;
            w.Enter();
            if (hasReplacements) {
                w.Section(L"REPLACEMENTS", [&] {
                    for (const CReplacement& replacement : entry.m_arrReplacements) {
                        w.AddForEntity(L"REPLACE", replacement.m_nEntity);
                        if (replacement.m_nReplacing != 0) w.SetInt(L"REPLACING", replacement.m_nReplacing);
                        if (replacement.m_bPaid) w.Set(L"PAID", L"TRUE");
                        if (replacement.m_bExtending) w.Set(L"EXTENDING", L"TRUE");
                        if (!replacement.m_strFund.IsEmpty()) w.Set(L"FUND", replacement.m_strFund);
                        if (!replacement.m_strRemark.IsEmpty()) w.Set(L"REMARK", replacement.m_strRemark);
                    }
                    for (int room : entry.m_arrRooms) w.AddForEntity(L"REPLACE", room);
                });
            }
            if (!entry.m_arrPairs.empty()) {
                w.Section(L"ASSOCIATIONS", [&] {
                    for (const CRoomPair& pair : entry.m_arrPairs) {
                        w.Add(L"ASSOCIATE");
                        w.SetInt(L"ROOM", pair.m_nRoom);
                        w.SetInt(L"ENTITY", pair.m_nEntity);
                    }
                });
            }
            w.Leave();
        }
    });

    if (!m_arrKeys.empty()) {
        w.Section(L"KEYS", [&] {
            for (const CActivityKey& key : m_arrKeys) {
                if (FindEntity(key.m_nEntity) == m_arrEntities.end()) continue;
                if (FindActivity(key.m_nActivity) == m_arrActivities.end()) continue;
                w.AddForEntity(L"KEY", key.m_nEntity);
                w.SetInt(L"ACTIVITY", key.m_nActivity);
                w.Set(L"CODE", key.m_strCode);
            }
        });
    }
    w.Leave();
    progress.StepIt();

    Host().HideProgress();
}
