#pragma once
// The document store: every record collection of the open schedule, the calendar settings of
// the plan period, the solver and display settings that travel with the document, the problem
// list of the plan check, the one-level undo snapshot and the status of the document file.
//
// The store owns its records by value. Lookups give a position in a collection (its end when
// nothing matches); a position stays valid until that collection changes, so windows keep ids
// or copies. Lookups by id take constant time: the collections keep a map from id to position
// (see CRecordArray). Timetable entries have no id; each carries a serial number instead,
// through which work lists name their entry.
#include <cstdint>
#include <vector>

#include "model/activity.h"
#include "model/activity_group.h"
#include "model/activity_key.h"
#include "model/chime_set.h"
#include "model/entity.h"
#include "model/model_host.h"
#include "model/problem.h"
#include "model/record_array.h"
#include "model/timetable_entry.h"
#include "model/work_weights.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/file.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

using CEntityArray = CRecordArray<CEntity>;
using CActivityArray = CRecordArray<CActivity>;
using CChimeSetArray = CRecordArray<CChimeSet>;
using CActivityGroupArray = CRecordArray<CActivityGroup>;
using CTimetableEntryArray = CRecordArray<CTimetableEntry, EntrySerialKey>;

class CScheduleData {
public:
    static constexpr int kReportSwitches = 21;
    static constexpr int kStateSlots = 10;
    // String id of the name a new document has.
    static constexpr UINT kDefaultDocumentNameId = 60401;

    CScheduleData();
    ~CScheduleData();
    CScheduleData(const CScheduleData&) = delete;
    CScheduleData& operator=(const CScheduleData&) = delete;

    // Services of the rest of the program. Members left null keep the store's defaults.
    void SetServices(const ModelServices& services);
    IModelHost& Host() const { return *m_pHost; }
    IAppSettings& Settings() const { return *m_pSettings; }
    IMessageAnswerer& Answerer() const { return *m_pAnswerer; }
    IClipboard& Clipboard() const { return *m_pClipboard; }

    // Makes the store a new empty document; with refresh the pages show it.
    void ResetToNew(BOOL refresh);

    // Lookups. Each gives the first matching record's position, or the end of its collection.
    CEntityArray::iterator FindEntity(int id);  // id 0 never matches
    CEntityArray::const_iterator FindEntity(int id) const;
    CActivityArray::iterator FindActivity(int id);
    CActivityArray::const_iterator FindActivity(int id) const;
    CChimeSetArray::iterator FindChimeSet(int id);
    CChimeSetArray::const_iterator FindChimeSet(int id) const;
    CActivityGroupArray::iterator FindGroup(int id);
    CActivityGroupArray::const_iterator FindGroup(int id) const;
    CTimetableEntryArray::iterator FindEntryBySerial(std::uint64_t serial);
    CTimetableEntryArray::const_iterator FindEntryBySerial(std::uint64_t serial) const;
    // The first entity of the type whose name equals the text exactly.
    CEntityArray::iterator FindEntityByName(const CString& name, int type);
    CEntityArray::const_iterator FindEntityByName(const CString& name, int type) const;
    bool HasEntityNamed(const CString& name, int type) const;
    // The current entity; the end when it is 0 or missing.
    CEntityArray::iterator FindCurrentEntity();
    CEntityArray::const_iterator FindCurrentEntity() const;
    // The entity after (before) the current one; the end when it is last (first), 0 or missing.
    CEntityArray::iterator GetNextEntity();
    CEntityArray::iterator GetPreviousEntity();
    // From start on, the first other activity of the current entity whose name equals the
    // activity's ignoring case, contains it or is contained in it.
    CActivityArray::iterator FindSimilarActivity(const CActivity& activity, CActivityArray::iterator start);
    int GetChimeSetCount() const { return static_cast<int>(m_arrChimeSets.size()); }
    // The chime set that applies to an entity: the only one when there is one; a type-0
    // entity's own (or the default); otherwise the one all its activities share, else 0.
    int GetEntityChimeSetId(int entityId) const;

    // Plan days.
    // The start date; the application's default plan date while the store holds no entity.
    COleDateTime GetStartDate() const;
    void SetStartDate(const COleDateTime& date) { m_dtStartDate = date; }
    COleDateTime GetFirstWeekdayDate() const;
    // The stored start date plus n days.
    COleDateTime GetDayDate(int n) const;
    // The plan day of t: -1 unless t is later than the start date by 3 minutes or more.
    int GetDayIndex(const COleDateTime& t) const;
    // A week template: no entities, or a start date in January 2000.
    bool HasDefaultStartDate() const;
    // Whether t lies within the plan period and its hour is 6 to 17.
    bool IsInPlanDaytime(const COleDateTime& t) const;
    // The caption of plan day n by the title format: weekday, weekday and date, or date.
    CString FormatDayTitle(int n) const;

    // Passes the update kind 0 to 8 to every page through the frame's broadcast.
    void NotifyAllViews(int kind);

    // Whole-document operations.
    // Colours and hatch (those whose flag is set) of every activity whose name contains the
    // text; broadcasts update kind 1 when any matched.
    void SetActivityColoursByName(const CString& text, BOOL setBackground, COLORREF background,
                                  BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch);
    // Empties every absence list and every entry's replacements; links are undone.
    void ClearAbsencesAndReplacements();
    // The summed lengths of the activity's entries that are not linked.
    COleDateTimeSpan GetActivityTotalDuration(int activityId) const;

    // The document file.
    CString GetFilePath() const { return m_fileStatus.m_szFullName; }
    void RefreshFileStatus(const CString& path);

    // Undo, one level deep.
    // Copies the six collections and the current entity into the snapshot.
    void SaveUndo();
    // Drops the snapshot.
    void DiscardUndo();
    // Swaps the snapshot with the live collections, so a second Undo redoes; does nothing
    // without a snapshot.
    void Undo(BOOL refresh);
    // Whether a snapshot is held.
    bool HasUndoSnapshot() const { return m_bHasUndo; }
    // Whether Undo is offered: the snapshot holds an entry, an activity or an entity.
    bool CanUndo() const;

    // Fields, in the order of the document's settings.
    int m_nSolverOption = 1;
    int m_nSolverSelection = 0;
    int m_bReportSwitches[kReportSwitches];
    std::vector<int> m_arrSelectedDays;
    CFileStatus m_fileStatus;
    COLORREF m_crSlotColours[kStateSlots];
    int m_nSlotBrushes[kStateSlots];
    int m_nStateSlots[kStateSlots];
    std::vector<CProblem> m_arrProblems;
    int m_nPopulation = 250;
    int m_nDuration = 100;
    int m_nMode = 0;
    int m_nDispersion = 2;
    int m_nHourIndex = 0;
    CEntityArray m_arrEntities;
    CEntityArray m_arrEntitiesCopy;
    CActivityArray m_arrActivities;
    CActivityArray m_arrActivitiesCopy;
    CChimeSetArray m_arrChimeSets;
    CChimeSetArray m_arrChimeSetsCopy;
    std::vector<CActivityKey> m_arrKeys;
    std::vector<CActivityKey> m_arrKeysCopy;
    CTimetableEntryArray m_arrEntries;
    CTimetableEntryArray m_arrEntriesCopy;
    CActivityGroupArray m_arrGroups;
    CActivityGroupArray m_arrGroupsCopy;
    std::vector<int> m_arrSolverIds;          // the ids a solver run works on
    std::vector<int> m_arrUnderPlanned;       // activities a solver run left short
    int m_nCurrentEntity = 0;
    int m_nCurrentEntityCopy = 0;
    int m_nCurrentChimeSet = 0;
    int m_nDefaultChimeSet = 0;
    std::vector<CActivityWeight> m_arrActivityWeights;
    std::vector<CEntityWeight> m_arrEntityWeights;
    std::vector<CFreeSlot> m_arrFreeSlots;
    int m_nDays = 6;
    int m_nTitleFormat = 0;  // 0 weekday, 1 weekday and date, 2 date
    COleDateTime m_dtStartDate;
    __time64_t m_tDayStart = 0;  // when every plan day begins; a time of day
    std::uint32_t m_dwSolverWord = 0;
    int m_nViewType = 0;
    COleDateTime m_dtFirstWeekday;

private:
    void ReadDefaultFileStatus();
    void ResetDisplayScheme();

    IModelHost* m_pHost;
    IAppSettings* m_pSettings;
    IMessageAnswerer* m_pAnswerer;
    IClipboard* m_pClipboard;
    IModelHost m_defaultHost;
    CMemoryAppSettings m_defaultSettings;
    CCautiousAnswerer m_defaultAnswerer;
    CMemoryClipboard m_defaultClipboard;
    bool m_bHasUndo = false;
};
