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
#include <functional>
#include <thread>
#include <vector>

#include "model/activity.h"
#include "model/activity_group.h"
#include "model/activity_key.h"
#include "model/chime_set.h"
#include "model/entity.h"
#include "model/model_host.h"
#include "model/problem.h"
#include "model/replacement.h"
#include "model/record_array.h"
#include "model/timetable_entry.h"
#include "model/work_weights.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/file.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"

class CPlanIndex;

using CEntityArray = CRecordArray<CEntity>;
using CActivityArray = CRecordArray<CActivity>;
using CChimeSetArray = CRecordArray<CChimeSet>;
using CActivityGroupArray = CRecordArray<CActivityGroup>;
using CTimetableEntryArray = CRecordArray<CTimetableEntry, EntrySerialKey>;

class CXmlDocument;

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
    // The index, when given, must describe the unchanged store; it only speeds up the walk.
    int GetEntityChimeSetId(int entityId, const CPlanIndex* index = nullptr) const;

    // Lesson hours and chime sets
    // The default chime set; with exactly one chime set, that set's id. The id is left as it
    // is, so every reference to the set stays valid and the solver's worker may ask.
    int GetDefaultChimeSetId() const;
    // The current chime set; with exactly one chime set, that set's id.
    int GetCurrentChimeSetId() const;
    // With exactly one chime set whose id is not 1: gives it id 1 and moves every reference
    // (entities, activities, the default and current ids) along. For the document writer.
    void RenumberSoleChimeSet();

    // Availability, absences and replacements
    void RebuildReplacementIndex();
    // Whether the index has the entity standing in for another activity during the entry.
    bool IsEntityReplacingElsewhere(const CTimetableEntry& entry, int entityId) const;
    // Whether the caller runs on the thread that made the store (the user interface).
    bool IsOwnerThread() const { return std::this_thread::get_id() == m_ownerThread; }
    std::vector<CReplacementIndexRecord> m_arrReplacementIndex;

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

    // Description texts
    // The one staff member (type 1 or 2) among the ids who is present for the entry (entry may
    // be null), then among the entry's replacements; empty for none or several.
    // The index, when given, must describe the unchanged store; it only speeds up the walk.
    CString GetSingleMemberName(const std::vector<int>& ids, const CTimetableEntry* entry,
                                const CPlanIndex* index = nullptr) const;
    // The names of the type-0 entities among the ids, joined by ", ".
    CString JoinMemberNames(const std::vector<int>& ids) const;

    // Clipboard fragments
    // Gives the first chime set of the same name (ignoring case) copies of the set's intervals,
    // or adds the set as a new one.
    void MergeChimeSet(const CChimeSet& set);
    // Adds a pasted activity for the current entity, offering to replace similar activities of a
    // type-0 current entity. 0 without a current entity or when the user cancels, else 1.
    int PasteActivity(CActivity activity);

    // Whole-document operations.
    // Colours and hatch (those whose flag is set) of every activity whose name contains the
    // text; broadcasts update kind 1 when any matched.
    void SetActivityColoursByName(const CString& text, BOOL setBackground, COLORREF background,
                                  BOOL setForeground, COLORREF foreground, BOOL setHatch, int hatch);
    // Empties every absence list and every entry's replacements; links are undone.
    void ClearAbsencesAndReplacements();
    // The summed lengths of the activity's entries that are not linked.
    COleDateTimeSpan GetActivityTotalDuration(int activityId) const;

    // Counts for the solver. An entry counts when its computed state is not 0, 5 or 7, it has
    // no replacements and it has candidate slots.
    int CountEntriesToPlace() const;
    // Half the ordered pairs of distinct counted entries that share the activity, or whose
    // activities are not in one group and share a member with an overlap limit, per n; 0 for n 0.
    double GetClashRatio(int n) const;
    // Whether any entry's computed state is 1.
    bool HasEntryInStateOne() const;

    // The document file.
    CString GetFilePath() const { return m_fileStatus.m_szFullName; }
    void RefreshFileStatus(const CString& path);
    // Whether the document has no file of its own yet: a new document, or one made from a
    // template. Set by ResetToNew, cleared by a successful Load.
    bool IsUntitled() const { return m_bUntitled; }
    void SetUntitled(bool untitled) { m_bUntitled = untitled; }

    // Undo, one level deep.
    // Copies the six collections, the current entity and the plan's calendar settings (start
    // date, days, hour index, title format, first weekday) into the snapshot: entries are dated by
    // those settings, so they go back together.
    void SaveUndo();
    // Drops the snapshot.
    void DiscardUndo();
    // Swaps the snapshot with the live collections and settings, so a second Undo redoes; does nothing
    // without a snapshot.
    void Undo(BOOL refresh);
    // Takes back a refused edit whole: lists its problems in the message panel, restores the
    // snapshot taken before it, and makes the level that snapshot replaced the undo level again,
    // so nothing of the edit stays to redo and the edit before it can still be undone.
    void RollBackEdit();
    // For an action that took the snapshot and then changed nothing (a paste that placed nothing,
    // a clean-up that found nothing): the level the snapshot replaced is the undo level again.
    void RestorePreviousUndo();
    // Whether a snapshot is held.
    bool HasUndoSnapshot() const { return m_bHasUndo; }
    // The entries of the snapshot, as they were when it was taken; null without a snapshot.
    const CTimetableEntryArray* GetUndoEntries() const { return m_bHasUndo ? &m_arrEntriesCopy : nullptr; }
    // Whether Undo is offered: the snapshot holds an entry, an activity or an entity.
    bool CanUndo() const;

    // Plan check and problem list
    // The data check before a solver run: empties the problem list, deletes unused groups and
    // lists every entity and activity whose time cannot work out. True unless the first
    // problem (in panel order) is of kind 13.
    bool CheckData();
    // Counts the entities (rooms and unavailable ones left out) that take part in more
    // entries at once than OVERLAPS allows. With report the problem list is emptied first and
    // gets one problem per such entity, and in a dated plan the replacement records that make
    // an entity stand in where it is busy are dropped. Without report nothing but the derived
    // item lists changes: the solver's worker thread calls it for every candidate.
    int CheckOverlapLimits(BOOL report);
    // The ids (ascending) of the entities over their OVERLAPS limit now, before any
    // replacement record is dropped; rooms and unavailable entities left out.
    std::vector<int> FindEntitiesOverLimit();
    // The reporting overlap check after an edit: TRUE when it puts an entity over its limit
    // that was not over it before the edit (overLimitBefore from FindEntitiesOverLimit), so
    // that a plan already booked beyond a limit elsewhere stays editable.
    BOOL PutsNewEntityOverLimit(const std::vector<int>& overLimitBefore);
    // Sorts the problem list into panel order and refills the message panel from it; a long
    // list that holds nothing worse than kind 14 is dropped.
    void PublishProblems();

    // Placement and conflict tests. The tests that walk the timetable take an optional index of
    // the store (CPlanIndex) from callers that ask many of them while nothing changes.
    // 1 when every member of the activity can take the proposed entry: it exists, is available
    // and not absent then, and does not clash (EntityHasClash); 1 for an activity without
    // members, 0 for a missing one.
    int CanPlaceEntry(int activityId, int excludedId, const CTimetableEntry& entry,
                      const CPlanIndex* index = nullptr) const;
    // The same, with each member's clashing entries counted against its OVERLAPS (0: no limit).
    int CanPlaceEntryByOverlaps(int activityId, const CTimetableEntry& entry) const;
    // 1 when the entity may join the activity.
    int CanAddEntityToActivity(int activityId, int entityId, const CPlanIndex* index = nullptr) const;
    // 1 when the entity would clash at the entry as a member of the activity: a type-0 entity by
    // time against its other activities (those of the activity's group left out), any other
    // by its count of overlaps against OVERLAPS (0: no limit).
    int EntityHasClash(int entityId, int activityId, const CTimetableEntry& entry, int excludedId,
                       const CPlanIndex* index = nullptr) const;
    // The unlinked entries of the list (null: the store's entries) on the entry's day that clash
    // with it in time and involve the entity, those of the excluded activity left out.
    int CountEntityOverlaps(int entityId, int activityId, int excludedId,
                            const std::vector<const CTimetableEntry*>* list, const CTimetableEntry& entry,
                            const CPlanIndex* index = nullptr) const;
    // The most of the entity's unlinked entries that clash with one of them, that one included.
    int GetEntityMaxOverlap(int entityId) const;
    // The first participant of the entry that makes it conflict with an overlapping entry; the
    // end of the entities when there is none. Entities with OVERLAPS 0 never conflict.
    CEntityArray::const_iterator FindConflictingEntity(const CTimetableEntry& entry) const;
    // 1 when the entity takes part in an unlinked entry of another activity overlapping the entry.
    int IsEntityBusyDuring(int entityId, const CTimetableEntry& entry) const;
    // 1 when the two entities meet in an activity or an entry.
    int AreEntitiesLinked(int entityId, int otherId) const;
    // 1 when the activity exists and its room conflict for the entity is not 2.
    int CanEntityUseActivity(int activityId, int entityId) const;
    // Whether placing an entry of the activity at the entry's time leaves the rest of the plan
    // placeable (the warning mark of the timetable's cell list).
    bool IsPlacementSafe(int activityId, const CTimetableEntry& entry, const CPlanIndex* index = nullptr) const;

    // Time accounting and derived tables
    // 1 when the entries that take place cover DURATION to within 5 minutes.
    int IsActivityComplete(int activityId) const;
    // " (placed)duration" of the activity.
    CString FormatActivityTime(int activityId) const;
    // The merged time of the group's entries in which the entity takes part.
    COleDateTimeSpan GetPlacedGroupTime(int groupId, int entityId, const CPlanIndex* index = nullptr) const;
    // The longest DURATION total the entity shares with one limited member of the group,
    // divided by that member's OVERLAPS.
    COleDateTimeSpan GetRequiredGroupTime(int groupId, int entityId, const CPlanIndex* index = nullptr) const;
    // "(placed)required" of the group for the current entity. The index, when given, must
    // describe the unchanged store; it only speeds up the walks.
    CString FormatGroupTime(int groupId, const CPlanIndex* index = nullptr) const;
    // The entity's day windows, widened to the entries in state 6 of its activities. Entries
    // outside the 21 plan days are left out. Throws std::invalid_argument for a time of day
    // that cannot be made.
    void DeriveEntityWeekHours(int entityId, __time64_t starts[kMaxPlanDays], __time64_t ends[kMaxPlanDays]) const;
    // Rebuilds every entity's item list; mode 1 adds the stand-ins of replacement records, mode 2
    // every replacement entity. The index, when given, must describe the store; the item lists
    // are no part of it.
    void RebuildEntityItems(int mode, const CPlanIndex* index = nullptr);
    void BuildActivityWeights();
    void BuildEntityWeights();
    // The free hours of every type-0 entity with the activities that could use them; the
    // progress bar, when given, steps once per entity.
    void BuildFreeSlotList(IProgress* progress);
    // Store edit operations: entities, chime sets, groups, activities and keys --------------
    // Every delete also clears what referred to the erased record, so no reference dangles.
    // A selection is a list of ids; ids that name no record are skipped.

    // The largest id of the collection plus 1 (1 when empty; the smallest free id when the
    // largest id leaves no room above it).
    int GetNextEntityId() const;
    int GetNextActivityId() const;
    int GetNextGroupId() const;
    int GetNextChimeSetId() const;

    // Gives the entity the next id and no default place, adds it, re-sorts the entities, makes
    // it current and broadcasts update kind 1. Gives the new id.
    int AddEntity(CEntity entity);
    // Gives the entity the next id and appends it; no sort, no broadcast. Gives the new id.
    int AppendEntity(CEntity entity);
    // Makes an entity current; 0 when it is current already, missing, or a room.
    BOOL SetCurrentEntity(int id);
    // The stored entity takes the edited copy but keeps its own id and day windows; an entity
    // that becomes a room, or stops being one, moves between the member and room lists.
    void ApplyEntityEdit(CEntity edited, CEntity& stored);
    BOOL CanDeleteEntity(int id) const;
    void DeleteEntities(const std::vector<int>& selection);
    void ResetEntityColours(const std::vector<int>& selection);
    // Day windows from the day start for 9 hours on the plan days, empty after them.
    void ResetEntityWeekHours(const std::vector<int>& selection);
    void RemoveEntityFromActivities(int entityId);
    void AddEntityToActivity(int activityId, int entityId, BOOL recheck);
    // Makes a room for every selected entity and links it as the entity's default place,
    // reporting what it did and refused in the problem list.
    void CreateRoomsForEntities(const std::vector<int>& selection);
    // The first room whose name equals the text ignoring case; 0 when none.
    int FindRoomByName(const CString& name) const;
    bool HasRooms() const;
    bool IsEntityInAnyActivity(int entityId) const;
    bool IsEntityInAnyEntry(int entityId) const;

    // Appends a chime set with a new name under the next id, or replaces the set of that name
    // (which takes the new set's id unless another set holds it); refreshes the pages. Gives
    // the id the set ends with.
    int AddOrReplaceChimeSet(CChimeSet chimeSet);
    void ApplyChimeSetEdit(const CChimeSet& edited, CChimeSet& stored);
    BOOL CanDeleteChimeSet(int id) const;
    void DeleteChimeSets(const std::vector<int>& selection);

    void DeleteGroup(int groupId);
    void DeleteUnusedGroups();
    void DeleteSingleUseGroups();
    // Erases the activity with its entries and keys.
    void DeleteActivity(int activityId);
    void ClearActivityRooms(int activityId);
    // The activity that can take in the imported activity for the entity; the end when none.
    CActivityArray::iterator FindMatchingActivity(const CActivity& activity, int entityId);
    // Whether the candidate can take in the imported activity for the entity (the test that
    // FindMatchingActivity applies to each activity in table order).
    bool IsMatchingActivity(const CActivity& candidate, const CActivity& activity, int entityId) const;

    // Clean-ups of the options page.
    void DeleteActivitiesWithoutMembers();
    void DeleteEntitiesWithoutActivities();
    void DeleteActivitiesWithoutEntries();
    void DeleteEntitiesWithoutEntries();

    // Lookups by name and lists for the dialogs and the report filters. An empty name finds
    // nothing.
    CEntityArray::iterator FindKind4EntityByName(const CString& name);
    CEntityArray::iterator FindKind0EntityByName(const CString& name);
    CEntityArray::iterator FindKind1Or2EntityByName(const CString& name);
    CChimeSetArray::iterator FindChimeSetByName(const CString& name);
    CChimeSetArray::const_iterator FindChimeSetByName(const CString& name) const;
    int FindEntityIdByNameAndCode(const CString& name, const CString& code) const;
    void CollectKind4Names(std::vector<CString>& names, BOOL allNames) const;
    void CollectChimeNames(std::vector<CString>& names) const;
    void GetActivityNames(std::vector<CString>& names) const;
    void CollectAbsenceCategories(std::vector<CString>& names) const;
    void CollectCompanies(std::vector<CString>& names) const;
    void CollectFunds(std::vector<CString>& names) const;
    bool EntityHasActivityLike(int entityId, const CString& text) const;
    int CountReportFlags() const;

    // Timetable entry operations -----------------------------------------------------------
    // Entries passed by value are found by identity: the first entry with the same activity,
    // the same start and the same length (equal status and, when valid, equal value).

    // In a dated plan the entry first gets STATUS 4 and the unplaced ORIGINAL; appended; with
    // notify, update broadcast kind 1.
    void AddEntry(CTimetableEntry entry, BOOL notify);
    // Writes the new values into the stored entry (given by address; 0 when it is not one of
    // the collection). State 4 keeps the stored state, an empty remark the stored remark. 1
    // when the start or the whole minutes of the length changed.
    int UpdateEntry(CTimetableEntry* entry, int activityId, const COleDateTime& start, const COleDateTimeSpan& length,
                    int state, const CString& remark);
    void RemoveEntry(const CTimetableEntry& entry);
    void RemoveEntityFromEntry(int entityId, const CTimetableEntry& entry);
    void RemoveActivityEntries(int activityId);
    void RemoveEntryByPointer(const CTimetableEntry* entry);
    CTimetableEntryArray::iterator FindEntryByPointer(const CTimetableEntry* entry);
    CTimetableEntryArray::const_iterator FindEntryByPointer(const CTimetableEntry* entry) const;
    CTimetableEntryArray::iterator FindEntryAt(int activityId, const COleDateTime& start);
    // The first entry of the activity sharing more than 5 minutes with the interval.
    CTimetableEntryArray::iterator FindOverlappingEntry(int activityId, const COleDateTime& start,
                                                        const COleDateTime& end);
    bool ActivityHasOverlappingEntry(int activityId, const COleDateTime& start, const COleDateTimeSpan& length) const;
    // Frees the interval in the activity's timetable: removes the entries inside it, or cuts
    // or splits the first entry it covers in part.
    void ClearActivityInterval(int activityId, const COleDateTime& start, const COleDateTimeSpan& length);
    // Moves the group's entries of a dragged block to the new start and length; 1 when
    // something changed.
    int MoveGroupEntries(int groupId, const COleDateTime& rangeStart, const COleDateTime& rangeEnd,
                         const COleDateTime& newStart, const COleDateTimeSpan& newLength);
    void RemoveGroupEntriesInRange(int groupId, const COleDateTime& rangeStart, const COleDateTime& rangeEnd);
    // How far the entry (by address) may be stretched from t, its current end. With an index of
    // the unchanged store only the entries near the stretch are looked at.
    COleDateTime GetLatestEndTime(const CTimetableEntry* entry, const COleDateTime& t,
                                  const CPlanIndex* index = nullptr) const;
    void RemoveUnplacedEntries();
    // In a week template, adds unplaced entries for the time each activity still lacks; false
    // (and nothing done) in a dated plan.
    bool CreateUnplacedEntries();
    void RemoveUnplacedEntriesOutsideSelection();
    void RemoveEntriesOfEntity(int entityId);
    void RemoveEntityReplacements(int entityId);
    bool HasAbsences() const;
    bool HasReplacements() const;
    void ShiftEntriesByDays(int days);
    void RemoveEntriesOutsidePlan();
    void ResetForNewStartDate();
    // Links the entries in the range that lose all their people through the listed entities.
    void CancelEntriesOfAbsentEntities(const COleDateTime& rangeStart, const COleDateTime& rangeEnd,
                                       const std::vector<int>& entityIds);
    // Document file, loading and saving
    // Replaces the document's text with the whole schedule. Before it writes, it settles the
    // states of moved entries, raises day starts that lie before the document's day start and
    // gives a single chime set the id 1 (references to it follow).
    void WriteXml(CXmlDocument& doc);
    // Reads the DOCUMENT element of a parsed document into the store, appending to what it
    // holds. Records that refer to nothing are dropped or their references cleared, ids are made
    // unique and non-zero, so that renumbering can never re-point a reference. Throws
    // CDocumentFormatError for a value that cannot be taken (a clock time of 99:00).
    void ReadXml(CXmlDocument& doc);
    // Section readers, each called with the document positioned on its section element.
    void ReadGeneralSection(CXmlDocument& doc);
    void ReadChimesSection(CXmlDocument& doc);
    void ReadEntitiesSection(CXmlDocument& doc);
    void ReadAvailabilitySection(CXmlDocument& doc);
    void ReadRewardsSection(CXmlDocument& doc);
    void ReadGroupsSection(CXmlDocument& doc);
    void ReadActivitiesSection(CXmlDocument& doc);
    void ReadTimetableSection(CXmlDocument& doc);
    void ReadReplacementsSection(CXmlDocument& doc);
    void ReadKeysSection(CXmlDocument& doc);
    // Reads the file into a fresh store and, only when the whole file was read, makes it the
    // open document with the file's status; otherwise shows the load error and leaves the open
    // document and its path as they were. An empty path does nothing. TRUE when loaded. asNew:
    // the plan is read as after ResetToNew, and the open document is reset once the file has been
    // read (a file that cannot be read resets nothing).
    BOOL Load(const CString& path, BOOL refresh, bool asNew = false);
    // Renumbers the ids and writes the document to the path of its file status, asking first when
    // the file changed on disk (in time or size) since it was read or written. beforeWrite runs
    // once the save goes ahead, just before the file is written. TRUE when the file was written.
    BOOL Save(BOOL refresh, const std::function<void()>& beforeWrite = {});
    // 1 when the document differs from its file, else 0; a store without entities is never
    // modified. The store is not changed.
    int IsModified() const;
    // Every entry's unmoved start becomes its start.
    void StoreOriginalStarts();
    // Prepares a save: drops the undo snapshot and unused groups, sorts the collections and
    // renumbers the ids of every collection from 1, rewriting every reference through the record
    // it named. References to missing records are dropped rather than left to name another one.
    void RenumberIds();

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
    // The entities of a page's report request (view types 4 and 5), in the page's order.
    std::vector<int> m_arrReportIds;
    COleDateTime m_dtFirstWeekday;

private:
    // The calendar settings of the undo snapshot.
    COleDateTime m_dtStartDateCopy;
    COleDateTime m_dtFirstWeekdayCopy;
    int m_nDaysCopy = 6;
    int m_nHourIndexCopy = 0;
    int m_nTitleFormatCopy = 0;
    // The undo level that the latest SaveUndo replaced, held until the next SaveUndo so that a
    // refused or empty action can put it back.
    struct CPriorUndo {
        bool m_bHeld = false;
        CEntityArray m_arrEntities;
        CActivityArray m_arrActivities;
        CChimeSetArray m_arrChimeSets;
        std::vector<CActivityKey> m_arrKeys;
        CTimetableEntryArray m_arrEntries;
        CActivityGroupArray m_arrGroups;
        int m_nCurrentEntity = 0;
        COleDateTime m_dtStartDate;
        COleDateTime m_dtFirstWeekday;
        int m_nDays = 6;
        int m_nHourIndex = 0;
        int m_nTitleFormat = 0;
    };
    CPriorUndo m_priorUndo;
    void SwapSnapshotWithPrior();

    // Store edit operations: the plan check with page refresh, the page refresh alone, and
    // the clean-up of references to erased records.
    void RecheckAfterEdit();
    void RefreshPagesAfterEdit();
    void PublishEditProblems();
    void SortEntities();
    void ForgetEntity(int id);
    void ForgetChimeSet(int id);
    void ForgetActivity(int id);
    void ReplaceChimeSet(CChimeSet& target, const CChimeSet& source);
    void MoveEntityBetweenRoomAndMemberLists(int id, bool becameRoom);
    // Document file, loading and saving
    void BuildDocumentText(CXmlDocument& doc) const;
    void PrepareForWrite();
    void TakeDocumentFrom(CScheduleData& other);
    void MakeIdsUnique(int section);
    void DropDanglingReferences();
    bool ShowLoadError(UINT textId);

    void ReadDefaultFileStatus();
    void ResetDisplayScheme();
    // Empties the problem list and the lists derived from the plan.
    void ClearDerivedLists();

    IModelHost* m_pHost;
    IAppSettings* m_pSettings;
    IMessageAnswerer* m_pAnswerer;
    IClipboard* m_pClipboard;
    IModelHost m_defaultHost;
    CMemoryAppSettings m_defaultSettings;
    CCautiousAnswerer m_defaultAnswerer;
    CMemoryClipboard m_defaultClipboard;
    bool m_bHasUndo = false;
    bool m_bUntitled = true;
    std::thread::id m_ownerThread = std::this_thread::get_id();
};

// Store edit operations: the application's Categories list, followed by the category unless an
// entry equals it ignoring case.
void BuildAbsenceCategoryList(std::vector<CString>& names, IAppSettings& settings, const CString& category);
// Document file names
// True when the path is not empty, does not contain the default document name and has a
// three-letter extension.
bool HasDocumentFileName(const CString& path);
