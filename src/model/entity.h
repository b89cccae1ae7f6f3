#pragma once
// One record kind for every entity (people, classes, rooms...), told apart by its type 0 to 5:
// types 1 and 2 are staff, type 4 a room.
#include <cstdint>
#include <vector>

#include "model/absence.h"
#include "model/category_spans.h"
#include "model/entity_item.h"
#include "model/fund.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CXmlDocument;
class CScheduleData;
class CTimetableEntry;

// Day windows an entity keeps: one per possible plan day.
inline constexpr int kMaxPlanDays = 21;

class CActivity;
class CPlanIndex;
class CTimetableEntry;

class CEntity {
public:
    // Windows as in a new document: from 07:00 to 16:00 on the first 6 days, empty after.
    CEntity();
    // Windows from the local hour of dayStart to 16:00 on the first dayCount days; the other
    // windows are empty (they end where they start). Throws std::invalid_argument when a time
    // of day cannot be made.
    CEntity(__time64_t dayStart, int dayCount);

    // The name of the entity's type from the language pack; empty for an unknown type.
    CString GetTypeName() const;
    // " (address)" of the entity this entity names as its default place, when it exists and has
    // an address; otherwise empty.
    CString FormatDefaultAddress(const CScheduleData& data) const;

    // Description texts
    // "department/code" for a type-0 entity with both set; otherwise the code.
    CString GetFullCode() const;
    // The HTML-lite information tip with the entity's figures; rebuilds its items first.
    CString BuildInfoTip(CScheduleData& data);

    // Clipboard fragments
    // Reads ID, TAG and TYPE of the current element of the XML document into key; false when ID
    // or TYPE is not a number.
    static bool ReadXmlKey(const CXmlDocument& xml, CEntity& key);
    // Appends a pasted entity to the store with a fresh id and no default place; asks first when
    // an entity of that name and type exists. 0 when the user cancels, else 1.
    int AddPasted(CScheduleData& data);

    // Document file
    // Adds an ENTITY element after the document's main position (the last child when there is
    // none) with its attributes and day windows. The windows are written as the store will hold
    // them after saving: a day start before the document's day start counts as that day start.
    void WriteXml(CXmlDocument& doc, const CScheduleData& data) const;
    // Reads the ENTITY element at the document's main position. Chime sets are found by name;
    // day windows are placed by their DAY against the document's start date. Throws
    // CDocumentFormatError for a clock time that cannot be a time of day.
    void ReadXml(CXmlDocument& doc, const CScheduleData& data);

    // Entry states and participation
    // Whether the entity takes part in the entry: a room by its role, anybody else as a
    // participant or as a member that is not replaced out. The rules that walk the timetable
    // take an optional index of the store from callers that ask many of them while nothing
    // changes (see CPlanIndex); the answers are the same with or without it.
    bool TakesPartIn(const CScheduleData& data, const CTimetableEntry& entry, const CPlanIndex* index = nullptr) const;
    // Unavailable, or staff (types 1 and 2) that no activity has.
    bool HasNoActivity(const CScheduleData& data) const;

    // Availability, absences and replacements
    // Not unavailable, not absent, and (except rooms) within the day window of a plan day that
    // is no holiday. A start outside the 21 plan days is not available.
    bool IsAvailable(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const;
    // Unavailable, or an absence overlaps the interval (or is whole-day on its start day).
    // Unplaced times (1979 and earlier) are never absent.
    bool IsAbsent(const COleDateTime& start, const COleDateTime& end) const;
    bool IsFreeAt(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const;
    bool CanTakeEntry(const CScheduleData& data, const CTimetableEntry& entry, const CPlanIndex* index = nullptr) const;
    bool TakesPartDuring(const CScheduleData& data, const CTimetableEntry& entry,
                         const CPlanIndex* index = nullptr) const;
    // Whether a linked entry of the activity (0: of any activity) overlapping the interval
    // names the entity as standing in for somebody.
    bool IsReplacedOut(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end, int activityId,
                       const CPlanIndex* index = nullptr) const;
    bool IsReplacedOutOnDay(const CScheduleData& data, int day) const;
    bool IsReplacingInOverlap(const CScheduleData& data, const CTimetableEntry& entry) const;
    bool HasEntryInInterval(const CScheduleData& data, const COleDateTime& start, const COleDateTime& end) const;
    void RemoveAbsenceOverlapping(const CAbsence& absence);
    bool SetWholeDayAbsence(const CScheduleData& data, int day, bool set, const CAbsence& model, bool force);
    // The index, when given, must hold the entries' current times; it only speeds up the walk.
    void DropClashingReplacements(CScheduleData& data, const CPlanIndex* index = nullptr) const;
    // The day windows less the absences that fall on the plan days.
    COleDateTimeSpan GetNetAvailableTime(const CScheduleData& data) const;
    // Idle time before the first item of each day, between items, after the last, and the
    // span from first start to last end, summed over the days of the item list.
    void SumGapTimes(const CScheduleData& data, COleDateTimeSpan& before, COleDateTimeSpan& between,
                     COleDateTimeSpan& after, COleDateTimeSpan& spans) const;

    // Rooms and associations
    bool IsRoomFreeFor(const CScheduleData& data, const CTimetableEntry& entry) const;

    // Timetable entry operations
    // Adds the absence; 0 for an unavailable entity, or when it overlaps another absence and
    // split is not set. With split, the parts of other absences that it covers are taken out.
    int AddAbsence(const CAbsence& absence, BOOL split);

    COLORREF m_crBackground = GetSysColor(COLOR_WINDOW);
    COLORREF m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    int m_nHatch = 6;
    int m_nId = 0;
    int m_nDefaultPlace = 0;  // another entity; 0 none
    int m_nChimeSet = 0;
    int m_nOverlaps = 1;      // entries that may run at once; 0 unlimited
    CString m_strName;
    CString m_strAddress;
    CString m_strCompany;
    CString m_strDepartment;
    CString m_strEmail;
    CString m_strFax;
    CString m_strEducator;
    CString m_strJob;
    CString m_strOffice;
    CString m_strPhone;
    CString m_strPhone2;
    CString m_strCode;
    COleDateTime m_dtRegistration;
    COleDateTime m_dtCompletion;
    int m_bUnavailable = 0;
    __time64_t m_tDayEnd[kMaxPlanDays] = {};    // times of day
    __time64_t m_tDayStart[kMaxPlanDays] = {};  // times of day
    int m_nDays = 100;
    int m_nAllowedWindows = 0;
    int m_nAllowedDoors = 0;
    std::vector<CEntityItem> m_arrItems;  // derived from the timetable
    std::vector<CAbsence> m_arrAbsences;
    std::vector<CFund> m_arrFunds;
    int m_nType = 0;

    // Clashes in time, entity items and positions
    // The unlinked entries the entity takes part in that clash in time with the entry (a stored
    // copy of the entry counts itself); 0 for an unavailable entity. The index, when given, must
    // describe the unchanged store; only the entries of the entry's calendar day are looked at.
    int CountClashingEntries(const CScheduleData& data, int chimeSetId, const CTimetableEntry& entry,
                             const CPlanIndex* index = nullptr) const;
    // The serial of the entry of the first item (in item order) that clashes with more items
    // of its day than OVERLAPS allows; 0 when there is none or OVERLAPS is 0. With refresh the
    // items are taken at their entries' current times. The item list itself is not changed.
    std::uint64_t FindOverlapViolation(const CScheduleData& data, bool refresh) const;
    // The solver's cost of the items over the limit: weight x item weight x minutes x excess,
    // at the entries' current times. The item list itself is not changed.
    double GetOverlapCost(const CScheduleData& data, double weight) const;
    // Appends an item for the entry of the activity.
    void AddEntityItem(const CScheduleData& data, const CTimetableEntry& entry, const CActivity& activity);
    // The same with what depends on the activity alone worked out by the caller, who appends
    // many entries of one activity: whether it has more than one member of type 0, and whether
    // the entity is a member (or room) of it.
    void AddEntityItem(const CScheduleData& data, const CTimetableEntry& entry, const CActivity& activity,
                       bool severalClasses, int member);
    // The items of every entry the entity takes part in, sorted.
    void RebuildItems(const CScheduleData& data);
    // Gives each item whose entry still exists that entry's current start and end.
    void RefreshItemTimes(const CScheduleData& data);
    // Whether an item, at its entry's current time, overlaps the entry by more than 5 minutes.
    bool HasItemOverlapping(const CScheduleData& data, const CTimetableEntry& entry) const;
    // Whether a one-hour slot from the start suits the POSITION rule (1 first, 2 last, 3 at an
    // edge, 4 inside the day; anything else always suits).
    bool MatchesPosition(const CScheduleData& data, const COleDateTime& slotStart, int rule) const;

    // Time accounting. The index, when given, must describe the unchanged store; it only
    // speeds up the walks.
    CCategorySpans SumActivityTime(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    CCategorySpans SumItemTime(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    CCategorySpans SumItemTimeMerged(const CScheduleData& data) const;
    CCategorySpans SumAbsenceLoss(const CScheduleData& data) const;
    COleDateTimeSpan SumFundTime() const;
    // Absences that start before the first plan day or after the 21st count nothing for a
    // whole-day absence (it has no day window there).
    COleDateTimeSpan SumAbsenceTime(const CScheduleData& data) const;
    int CountItemDays() const;
    int CountWorkingDays(const CScheduleData& data) const;
    COleDateTimeSpan GetWeeklyAvailableTime() const;
    COleDateTimeSpan SumUncoveredTime(const CScheduleData& data) const;
    // The same with the activity time already summed (SumActivityTime), which only changes with
    // the activities, not with where their entries lie.
    COleDateTimeSpan SumUncoveredTime(const CScheduleData& data, const CCategorySpans& planned) const;
    // Whether the whole minutes of the activity time equal those of the net available time.
    bool IsLoadBalanced(const CScheduleData& data, const CPlanIndex* index = nullptr) const;
    COleDateTimeSpan SumGroupHourSteps(const CScheduleData& data, int groupId) const;
};
