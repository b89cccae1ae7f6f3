#include "model/schedule_data.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr COLORREF kDefaultSlotColours[CScheduleData::kStateSlots] = {
    RGB(0, 0, 0),     RGB(0, 0, 255),   RGB(0, 128, 0),    RGB(255, 0, 0),   RGB(255, 255, 0),
    RGB(128, 255, 255), RGB(255, 128, 64), RGB(196, 196, 196), RGB(128, 0, 255), RGB(128, 255, 255),
};

// Weekday names in the language pack run from this id to kLastWeekdayId.
constexpr UINT kFirstWeekdayId = 60642;
constexpr UINT kLastWeekdayId = 60648;

__time64_t DefaultDayStart() {
    const __time64_t t = MakeTimeOfDay(7, 0);
    if (t == -1) throw std::invalid_argument("day start cannot be made");
    return t;
}

}  // namespace

CScheduleData::CScheduleData()
    : m_pHost(&m_defaultHost),
      m_pSettings(&m_defaultSettings),
      m_pAnswerer(&m_defaultAnswerer),
      m_pClipboard(&m_defaultClipboard) {
    std::fill(std::begin(m_bReportSwitches), std::end(m_bReportSwitches), 1);
    for (int i = 0; i < kStateSlots; ++i) {
        m_crSlotColours[i] = i < kStateSlots - 1 ? kDefaultSlotColours[i] : 0;
        m_nSlotBrushes[i] = i < kStateSlots - 1 ? i : 0;
        m_nStateSlots[i] = i;
    }
    CFile::GetStatus(LoadResString(kDefaultDocumentNameId), m_fileStatus);
    m_dtStartDate = Settings().GetDefaultPlanDate();
    m_dtFirstWeekday = Settings().GetDefaultPlanDate();
    m_tDayStart = DefaultDayStart();
}

CScheduleData::~CScheduleData() {
    // The undo copies go first, then the live collections.
    DiscardUndo();
}

void CScheduleData::SetServices(const ModelServices& services) {
    m_pHost = services.host ? services.host : &m_defaultHost;
    m_pSettings = services.settings ? services.settings : &m_defaultSettings;
    m_pAnswerer = services.answerer ? services.answerer : &m_defaultAnswerer;
    m_pClipboard = services.clipboard ? services.clipboard : &m_defaultClipboard;
}

void CScheduleData::ReadDefaultFileStatus() {
    CFileStatus status;
    if (CFile::GetStatus(LoadResString(kDefaultDocumentNameId), status))
        m_fileStatus = status;
    else
        m_fileStatus.m_szFullName = status.m_szFullName;
}

void CScheduleData::ResetDisplayScheme() {
    for (int i = 0; i < kStateSlots; ++i) {
        m_crSlotColours[i] = kDefaultSlotColours[i];
        m_nSlotBrushes[i] = i < kStateSlots - 1 ? i : 5;
        m_nStateSlots[i] = i < kStateSlots - 1 ? i : 5;
    }
}

void CScheduleData::ResetToNew(BOOL refresh) {
    ReadDefaultFileStatus();
    m_bUntitled = true;

    m_nCurrentEntity = 0;
    m_nDays = 6;
    m_dtFirstWeekday = Settings().GetDefaultPlanDate();
    m_dtStartDate = Settings().GetDefaultPlanDate();
    m_tDayStart = DefaultDayStart();
    m_nTitleFormat = 0;

    ResetDisplayScheme();
    m_nSolverSelection = 0;
    m_dwSolverWord = 0;

    DiscardUndo();
    m_arrEntities.clear();
    m_arrActivities.clear();
    m_arrChimeSets.clear();
    m_arrKeys.clear();
    m_arrEntries.clear();
    m_arrGroups.clear();
    ClearDerivedLists();

    if (refresh) Host().RefreshPages(PageRefresh::AfterReset);
}

void CScheduleData::ClearDerivedLists() {
    m_arrProblems.clear();
    m_arrSolverIds.clear();
    m_arrUnderPlanned.clear();
    m_arrActivityWeights.clear();
    m_arrEntityWeights.clear();
    m_arrFreeSlots.clear();
}

// Lookups ------------------------------------------------------------------------------------

CEntityArray::iterator CScheduleData::FindEntity(int id) {
    return id == 0 ? m_arrEntities.end() : m_arrEntities.Find(id);
}

CEntityArray::const_iterator CScheduleData::FindEntity(int id) const {
    return id == 0 ? m_arrEntities.end() : m_arrEntities.Find(id);
}

CActivityArray::iterator CScheduleData::FindActivity(int id) { return m_arrActivities.Find(id); }
CActivityArray::const_iterator CScheduleData::FindActivity(int id) const { return m_arrActivities.Find(id); }
CChimeSetArray::iterator CScheduleData::FindChimeSet(int id) { return m_arrChimeSets.Find(id); }
CChimeSetArray::const_iterator CScheduleData::FindChimeSet(int id) const { return m_arrChimeSets.Find(id); }
CActivityGroupArray::iterator CScheduleData::FindGroup(int id) { return m_arrGroups.Find(id); }
CActivityGroupArray::const_iterator CScheduleData::FindGroup(int id) const { return m_arrGroups.Find(id); }

CTimetableEntryArray::iterator CScheduleData::FindEntryBySerial(std::uint64_t serial) {
    return m_arrEntries.Find(static_cast<long long>(serial));
}

CTimetableEntryArray::const_iterator CScheduleData::FindEntryBySerial(std::uint64_t serial) const {
    return m_arrEntries.Find(static_cast<long long>(serial));
}

CEntityArray::iterator CScheduleData::FindEntityByName(const CString& name, int type) {
    return std::find_if(m_arrEntities.begin(), m_arrEntities.end(),
                        [&](const CEntity& e) { return e.m_nType == type && e.m_strName == name; });
}

CEntityArray::const_iterator CScheduleData::FindEntityByName(const CString& name, int type) const {
    return std::find_if(m_arrEntities.begin(), m_arrEntities.end(),
                        [&](const CEntity& e) { return e.m_nType == type && e.m_strName == name; });
}

bool CScheduleData::HasEntityNamed(const CString& name, int type) const {
    return FindEntityByName(name, type) != m_arrEntities.end();
}

CEntityArray::iterator CScheduleData::FindCurrentEntity() { return FindEntity(m_nCurrentEntity); }
CEntityArray::const_iterator CScheduleData::FindCurrentEntity() const { return FindEntity(m_nCurrentEntity); }

CEntityArray::iterator CScheduleData::GetNextEntity() {
    auto current = FindCurrentEntity();
    if (current == m_arrEntities.end()) return current;
    return current + 1;
}

CEntityArray::iterator CScheduleData::GetPreviousEntity() {
    auto current = FindCurrentEntity();
    if (current == m_arrEntities.end() || current == m_arrEntities.begin()) return m_arrEntities.end();
    return current - 1;
}

CActivityArray::iterator CScheduleData::FindSimilarActivity(const CActivity& activity, CActivityArray::iterator start) {
    const auto current = FindCurrentEntity();
    if (current == m_arrEntities.end()) return m_arrActivities.end();
    return std::find_if(start, m_arrActivities.end(), [&](const CActivity& other) {
        if (other.m_nId == activity.m_nId || !other.HasEntity(*current)) return false;
        return other.m_strName.CompareNoCase(activity.m_strName) == 0 || other.m_strName.Find(activity.m_strName) >= 0 ||
               activity.m_strName.Find(other.m_strName) >= 0;
    });
}

int CScheduleData::GetEntityChimeSetId(int entityId, const CPlanIndex* index) const {
    if (m_arrChimeSets.size() == 1) return m_arrChimeSets.front().m_nId;
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return 0;
    if (entity->m_nType == 0) return entity->m_nChimeSet != 0 ? entity->m_nChimeSet : m_nDefaultChimeSet;
    int shared = 0;
    const auto share = [&](const CActivity& activity) {
        const int chimeSet = activity.m_nChimeSet != 0 ? activity.m_nChimeSet : activity.m_nDerivedChimeSet;
        if (chimeSet == 0) return true;
        if (shared != 0 && shared != chimeSet) return false;
        shared = chimeSet;
        return true;
    };
    if (index) {
        for (std::size_t position : index->ActivitiesOf(entityId))
            if (!share(m_arrActivities[position])) return 0;
        return shared;
    }
    for (const CActivity& activity : m_arrActivities)
        if (activity.HasEntity(*entity) && !share(activity)) return 0;
    return shared;
}

// Plan days ------------------------------------------------------------------------------------

COleDateTime CScheduleData::GetStartDate() const {
    return m_arrEntities.empty() ? Settings().GetDefaultPlanDate() : m_dtStartDate;
}

COleDateTime CScheduleData::GetFirstWeekdayDate() const {
    return m_arrEntities.empty() ? Settings().GetDefaultPlanDate() : m_dtFirstWeekday;
}

COleDateTime CScheduleData::GetDayDate(int n) const { return m_dtStartDate + COleDateTimeSpan(static_cast<double>(n)); }

int CScheduleData::GetDayIndex(const COleDateTime& t) const {
    const COleDateTime start = GetStartDate();
    if (CompareTimesApprox(t, start) != 1) return -1;
    // Whole days that can be taken off t while it stays later than the start: begin just below
    // the estimate and step up, so the answer is the tolerant comparison's own.
    const double estimate = std::floor(static_cast<double>(t - start));
    int n = estimate > 1 ? static_cast<int>(std::min(estimate, 1e9)) - 1 : 0;
    while (n > 0 && CompareTimesApprox(t - COleDateTimeSpan(static_cast<double>(n)), start) != 1) --n;
    while (CompareTimesApprox(t - COleDateTimeSpan(static_cast<double>(n + 1)), start) == 1) ++n;
    return n;
}

bool CScheduleData::HasDefaultStartDate() const {
    if (m_arrEntities.empty()) return true;
    const COleDateTime start = GetStartDate();
    if (start.GetStatus() != COleDateTime::valid) return false;
    return start.GetYear() == 2000 && start.GetMonth() == 1;
}

bool CScheduleData::IsInPlanDaytime(const COleDateTime& t) const {
    if (t.GetStatus() != COleDateTime::valid) return false;
    const COleDateTime start = GetStartDate();
    const COleDateTime firstDay(start.GetYear(), start.GetMonth(), start.GetDay(), 0, 0, 0);
    if (CompareTimesApprox(t, firstDay) == -1) return false;
    if (CompareTimesApprox(t, firstDay + COleDateTimeSpan(static_cast<double>(m_nDays))) == 1) return false;
    const int hour = t.GetHour();
    return hour >= 6 && hour <= 17;
}

CString CScheduleData::FormatDayTitle(int n) const {
    static const UINT kWeekdayByFirstIndex[] = {kLastWeekdayId, kFirstWeekdayId, kFirstWeekdayId + 1};
    const UINT first = kWeekdayByFirstIndex[GetFirstWeekDayIndex(GetFirstWeekdayDate())];
    const UINT span = kLastWeekdayId - kFirstWeekdayId + 1;
    const UINT steps = n > 0 ? static_cast<UINT>(n) % span : 0;
    const UINT weekdayId = kFirstWeekdayId + (first - kFirstWeekdayId + steps) % span;

    const CString weekday = LoadResString(weekdayId);
    CString title;
    switch (m_nTitleFormat) {
    case 0: title.Format(L"%s", weekday); break;
    case 1: title.Format(L"%s %s", weekday, GetDayDate(n).Format(L"%d/%m/%Y")); break;
    case 2: title = GetDayDate(n).Format(L"%d/%m/%Y"); break;
    default: break;
    }
    return title;
}

// Texts, notification and whole-document operations --------------------------------------------

void CScheduleData::NotifyAllViews(int kind) { Host().BroadcastUpdate(kind); }

void CScheduleData::SetActivityColoursByName(const CString& text, BOOL setBackground, COLORREF background,
                                             BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch) {
    bool matched = false;
    for (CActivity& activity : m_arrActivities) {
        if (activity.m_strName.Find(text) < 0) continue;
        matched = true;
        if (setBackground) activity.m_crBackground = background;
        if (setForeground) activity.m_crForeground = foreground;
        if (setHatch) activity.m_nHatch = hatch;
    }
    if (matched) NotifyAllViews(1);
}

void CScheduleData::ClearAbsencesAndReplacements() {
    for (CEntity& entity : m_arrEntities) entity.m_arrAbsences.clear();
    for (CTimetableEntry& entry : m_arrEntries) {
        entry.m_arrReplacements.clear();
        entry.m_bLinked = 0;
        if (entry.m_nState == 7) entry.m_nState = 2;
    }
}

COleDateTimeSpan CScheduleData::GetActivityTotalDuration(int activityId) const {
    COleDateTimeSpan total(0.0);
    for (const CTimetableEntry& entry : m_arrEntries)
        if (entry.m_nActivity == activityId && !entry.m_bLinked) total += entry.m_tsLength;
    return total;
}

namespace {

bool CountsForSolver(const CScheduleData& data, const CTimetableEntry& entry) {
    const int state = entry.GetState(data);
    return state != 0 && state != 5 && state != 7 && entry.m_arrReplacements.empty() && !entry.m_arrSlots.empty();
}

}  // namespace

int CScheduleData::CountEntriesToPlace() const {
    int count = 0;
    for (const CTimetableEntry& entry : m_arrEntries)
        if (CountsForSolver(*this, entry)) ++count;
    return count;
}

double CScheduleData::GetClashRatio(int n) const {
    if (n == 0) return 0.0;
    std::vector<const CTimetableEntry*> counted;
    for (const CTimetableEntry& entry : m_arrEntries)
        if (CountsForSolver(*this, entry)) counted.push_back(&entry);
    long long pairs = 0;
    for (const CTimetableEntry* e : counted) {
        const auto a = FindActivity(e->m_nActivity);
        for (const CTimetableEntry* r : counted) {
            if (e == r) continue;
            if (e->m_nActivity == r->m_nActivity) {
                ++pairs;
                continue;
            }
            const auto b = FindActivity(r->m_nActivity);
            if (a == m_arrActivities.end() || b == m_arrActivities.end()) continue;
            const bool sameGroup = a->m_nGroup != 0 && a->m_nGroup == b->m_nGroup;
            if (!sameGroup && ActivitiesShareLimitedMember(*this, *a, *b)) ++pairs;
        }
    }
    return static_cast<double>(pairs) * 0.5 / n;
}

bool CScheduleData::HasEntryInStateOne() const {
    return std::any_of(m_arrEntries.begin(), m_arrEntries.end(),
                       [&](const CTimetableEntry& entry) { return entry.GetState(*this) == 1; });
}

void CScheduleData::RefreshFileStatus(const CString& path) {
    CFileStatus status;
    CFile::GetStatus(path, status);
    m_fileStatus = status;
}
