#include "timetable/timetable_panel_apply.h"

#include <algorithm>

#include "model/description_texts.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/timetable_panel_lists.h"

namespace {

void AddProblem(CScheduleData& data, int kind, const CString& text, int record) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_strText = text;
    problem.m_nRecord = record;
    data.m_arrProblems.push_back(problem);
}

CString Formatted(UINT id, const CString& a, const CString& b = CString()) {
    CString text;
    text.Format(LoadResString(id), a.GetString(), b.GetString());
    return text;
}

bool Overlaps(const CTimeTableItem& item, const CItemTime& range) {
    return IntervalsOverlap(item.m_dtStart, item.GetEndTime(), range.m_dtStart, range.GetEndTime());
}

// Whether the chosen ids all go with the group: the group itself (mode 4), or activities that
// belong to it (mode 1; ids that name no activity are passed over).
bool ChoiceIsInGroup(const CScheduleData& data, int mode, const std::vector<int>& ids, int group) {
    return std::all_of(ids.begin(), ids.end(), [&](int id) {
        if (mode == 4) return id == group;
        const auto activity = data.FindActivity(id);
        return activity == data.m_arrActivities.end() || activity->m_nGroup == group;
    });
}

int RefuseWith(CScheduleData& data, int kind, UINT textId, int record) {
    AddProblem(data, kind, LoadResString(textId), record);
    return 0;
}

// The activities the id puts into a range: those of the group (mode 4) or the activity (mode 1),
// of which the entity is a member.
std::vector<const CActivity*> ChosenActivities(const CScheduleData& data, int mode, int id, int entityId) {
    std::vector<const CActivity*> chosen;
    for (const CActivity& activity : data.m_arrActivities) {
        const bool named = mode == 4 ? activity.m_nGroup == id : activity.m_nId == id;
        if (named && activity.HasEntityId(data, entityId)) chosen.push_back(&activity);
    }
    return chosen;
}

}  // namespace

int CanApplyPanelSelection(CScheduleData& data, const CTimeTableCtrlView& first, int mode,
                           const std::vector<int>& ids) {
    data.m_arrProblems.clear();
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return RefuseWith(data, 13, IDS_TT_APPLY_NO_ENTITY, 0);
    const int current = entity->m_nId;

    if (mode == 1 || mode == 4) {
        if (first.m_nSelectionMode != 2) return RefuseWith(data, 12, IDS_TT_APPLY_NO_RANGES, current);
        if (mode == 1 && ids.size() >= 2) {
            int group = -1;
            for (const int id : ids) {
                const auto activity = data.FindActivity(id);
                if (activity == data.m_arrActivities.end()) continue;
                if (activity->m_nGroup == 0 || (group != -1 && activity->m_nGroup != group))
                    return RefuseWith(data, 13, IDS_TT_APPLY_MIXED_GROUPS, current);
                group = activity->m_nGroup;
            }
        }
        for (const CItemTime& range : first.m_arrSelectedRanges) {
            const COleDateTime end = range.GetEndTime();
            if (!entity->IsAvailable(data, range.m_dtStart, end) || entity->IsAbsent(range.m_dtStart, end))
                return RefuseWith(data, 13, IDS_TT_APPLY_ENTITY_BUSY, current);
            for (const CTimeTableItem& item : first.m_arrItems) {
                if (item.m_nState == 7 || !Overlaps(item, range)) continue;
                const auto activity = data.FindActivity(item.m_nActivity);
                const int group = item.m_bGroupItem                           ? item.m_nGroup
                                  : activity != data.m_arrActivities.end() ? activity->m_nGroup
                                                                           : 0;
                if (group != 0) {
                    if (ChoiceIsInGroup(data, mode, ids, group)) continue;
                    CTimetableEntry probe(range.m_dtStart, range.m_tsDuration);
                    probe.m_nActivity = item.m_nActivity;
                    AddProblem(data, 13, Formatted(IDS_TT_APPLY_OTHER_GROUP, probe.FormatTitle(data, 0, 0)), current);
                } else {
                    const auto entry = data.FindEntryBySerial(item.m_nSource);
                    const CString title =
                        entry != data.m_arrEntries.end() ? entry->FormatTitle(data, 0, 0) : item.m_strTitle;
                    AddProblem(data, 13, Formatted(IDS_TT_APPLY_TIME_TAKEN, title), current);
                }
            }
        }
        return 1;
    }

    if (first.m_nSelectionMode != 1) return RefuseWith(data, 13, IDS_TT_APPLY_NO_ITEMS, current);
    const bool dated = !data.HasDefaultStartDate();
    for (const CTimeTableItem* item : SelectedItemsOf(first)) {
        if (item->m_bGroupItem) continue;
        const auto entry = data.FindEntryBySerial(item->m_nSource);
        if (entry == data.m_arrEntries.end()) continue;
        for (const int id : ids) {
            const auto chosen = data.FindEntity(id);
            if (chosen == data.m_arrEntities.end()) continue;
            if (!dated) {
                const auto activity = data.FindActivity(entry->m_nActivity);
                if (activity != data.m_arrActivities.end() && !data.CanAddEntityToActivity(activity->m_nId, id))
                    AddProblem(data, 13,
                               Formatted(IDS_TT_APPLY_CANNOT_JOIN, chosen->m_strName,
                                         FormatActivityTitle(data, *activity, id)),
                               id);
            } else if (mode == 3) {
                if (!chosen->IsRoomFreeFor(data, *entry))
                    AddProblem(data, 13,
                               Formatted(IDS_TT_APPLY_ROOM_NOT_FREE, entry->FormatTitle(data, 0, 0), chosen->m_strName),
                               id);
            } else if (!chosen->IsFreeAt(data, item->m_dtStart, item->GetEndTime()) ||
                       chosen->TakesPartIn(data, *entry)) {
                AddProblem(data, 13, Formatted(IDS_TT_APPLY_NOT_FREE, chosen->m_strName, entry->FormatTitle(data, 0, 0)),
                           id);
            }
        }
    }
    return 1;
}

MessageAnswer AskPanelSelectionPlacing(CScheduleData& data, int mode) {
    if (mode != 1 && mode != 4) return MessageAnswer::Yes;
    return data.Answerer().Ask(LoadResString(IDS_TT_APPLY_ONE_ENTRY), LoadResString(IDS_TT_APPLY_CAPTION),
                               MessageButtons::YesNoCancel, MessageIcon::Question);
}

int ApplyPanelSelection(CScheduleData& data, const CTimeTableCtrlView& first, int mode, const std::vector<int>& ids,
                        std::optional<MessageAnswer> placing) {
    const int current = data.m_nCurrentEntity;
    const bool dated = !data.HasDefaultStartDate();
    if (mode == 1 || mode == 4) {
        const MessageAnswer answer = placing ? *placing : AskPanelSelectionPlacing(data, mode);
        if (answer == MessageAnswer::Cancel) return 0;
        // An entry that puts somebody over the limit is taken out again. Limits broken before
        // the apply do not count against it.
        int overLimit = data.CheckOverlapLimits(FALSE);
        auto place = [&](int activityId, const COleDateTime& start, const COleDateTimeSpan& length) {
            CTimetableEntry entry(start, length);
            entry.m_nActivity = activityId;
            data.AddEntry(entry, FALSE);
            const int now = data.CheckOverlapLimits(FALSE);
            if (now <= overLimit) {
                overLimit = now;
                return;
            }
            // The entry just added is the last one.
            data.RemoveEntryByPointer(&data.m_arrEntries.back());
        };
        for (const CItemTime& range : first.m_arrSelectedRanges) {
            const COleDateTime end = range.GetEndTime();
            for (const int id : ids) {
                for (const CActivity* activity : ChosenActivities(data, mode, id, current)) {
                    const COleDateTimeSpan meeting = activity->m_tsMeeting;
                    // Without a meeting length one entry takes the whole range.
                    if (answer == MessageAnswer::Yes || WholeMinutes(meeting) < 1) {
                        place(activity->m_nId, range.m_dtStart, range.m_tsDuration);
                        continue;
                    }
                    for (COleDateTime start = range.m_dtStart; CompareTimesApprox(start, end) == -1; start += meeting)
                        place(activity->m_nId, start, meeting);
                }
            }
        }
    }

    for (const CTimeTableItem* item : SelectedItemsOf(first)) {
        const auto entry = data.FindEntryBySerial(item->m_nSource);
        if (item->m_bGroupItem || entry == data.m_arrEntries.end()) continue;
        const auto activity = data.FindActivity(entry->m_nActivity);
        for (const int id : ids) {
            const auto chosen = data.FindEntity(id);
            if (chosen == data.m_arrEntities.end()) continue;
            if (!dated) {
                if (activity != data.m_arrActivities.end() && data.CanAddEntityToActivity(activity->m_nId, id))
                    activity->AddEntity(data, id);
            } else if (mode == 3) {
                if (activity != data.m_arrActivities.end() && activity->m_strLocation.IsEmpty() &&
                    chosen->IsRoomFreeFor(data, *entry))
                    entry->m_arrRooms.push_back(id);
            } else if (mode == 2) {
                if (!chosen->IsFreeAt(data, entry->m_dtStart, entry->GetEndTime()) || chosen->TakesPartIn(data, *entry))
                    continue;
                CReplacement record;
                record.m_nEntity = id;
                record.m_bExtending = chosen->IsReplacingInOverlap(data, *entry) ? 1 : 0;
                entry->m_arrReplacements.push_back(record);
            }
        }
    }
    return 1;
}

void ApplyDroppedEntity(CScheduleData& data, const CTimeTableCtrlView& pane, int entityId) {
    std::vector<int> activities;
    for (const CTimeTableItem* item : SelectedItemsOf(pane))
        if (std::find(activities.begin(), activities.end(), item->m_nActivity) == activities.end())
            activities.push_back(item->m_nActivity);
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return;
    // The snapshot is taken just before the first change, so a drop that changes nothing keeps
    // the user's previous undo level.
    bool snapshot = false;
    bool refused = false;
    for (const int id : activities) {
        const auto activity = data.FindActivity(id);
        if (activity == data.m_arrActivities.end()) continue;
        if (data.CanAddEntityToActivity(id, entityId)) {
            if (!snapshot) data.SaveUndo();
            snapshot = true;
            activity->AddEntity(data, entityId);
            continue;
        }
        AddProblem(data, 13,
                   Formatted(IDS_TT_DROP_CANNOT_JOIN, entity->m_strName, FormatActivityPlainText(data, *activity, 0)),
                   entityId);
        refused = true;
    }
    // The refusals stay listed through the check.
    RecheckAndRefresh(data, refused ? FALSE : TRUE);
}
