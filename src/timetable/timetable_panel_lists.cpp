#include "timetable/timetable_panel_lists.h"

#include <algorithm>
#include <unordered_set>

#include "model/description_texts.h"
#include "model/linked_entities.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

constexpr int kRoomType = 4;
constexpr int kEveryKind = -1;

COLORREF WindowColour() { return GetSysColor(COLOR_WINDOW); }

void AddGroups(CPanelList& list, std::initializer_list<CPanelListGroup> groups) {
    list.m_arrGroups.insert(list.m_arrGroups.end(), groups);
}

void AddItem(CPanelList& list, int image, const CString& caption, const CString& text, COLORREF back, int kind,
             int group, int id) {
    list.m_arrItems.push_back(CPanelItem{caption, text, kind, image, group, back, id});
}

CString PlainText(const CScheduleData& data, const CActivity& activity, const CEntity& entity) {
    return FormatActivityEntryPlainText(data, activity, entity.m_nId, nullptr, entity.m_nType);
}

CTimetableEntry EntryOver(int activityId, const CItemTime& range) {
    CTimetableEntry entry(range.m_dtStart, range.m_tsDuration);
    entry.m_nActivity = activityId;
    return entry;
}

// The cancelled entries that overlap one of the intervals; the people they involve are freed.
std::vector<const CTimetableEntry*> CancelledEntriesOver(const CScheduleData& data,
                                                         const std::vector<CItemTime>& intervals) {
    std::vector<const CTimetableEntry*> cancelled;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (!entry.IsLinkedState(data)) continue;
        for (const CItemTime& interval : intervals) {
            if (IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), interval.m_dtStart, interval.GetEndTime())) {
                cancelled.push_back(&entry);
                break;
            }
        }
    }
    return cancelled;
}

bool FreedBy(const CScheduleData& data, const CEntity& entity, const std::vector<const CTimetableEntry*>& cancelled) {
    return std::any_of(cancelled.begin(), cancelled.end(),
                       [&](const CTimetableEntry* entry) { return entity.TakesPartIn(data, *entry); });
}

// The display name up to its first blank.
CString FirstWord(const CString& name) {
    CString word = name;
    const int blank = word.Find(L' ');
    if (blank >= 0) word = word.Left(blank);
    word.TrimRight();
    return word;
}

}  // namespace

std::vector<const CTimeTableItem*> SelectedItemsOf(const CTimeTableCtrlView& pane) {
    std::vector<const CTimeTableItem*> items;
    for (const CTimeTableItem& item : pane.m_arrItems)
        if (item.m_bSelected) items.push_back(&item);
    return items;
}

CPanelList ListEntityActivities(const CScheduleData& data) {
    CPanelList list;
    AddGroups(list, {{1, IDS_TT_PANEL_IN_GROUPS}, {2, IDS_TT_PANEL_SINGLE}, {3, IDS_TT_PANEL_NO_DURATION}});
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return list;
    for (const CActivity& activity : data.m_arrActivities) {
        if (!activity.HasEntityId(data, entity->m_nId)) continue;
        const bool complete = data.IsActivityComplete(activity.m_nId) != 0;
        CString caption = PlainText(data, activity, *entity);
        if (!complete) caption.Format(L"%s %s", caption.GetString(), data.FormatActivityTime(activity.m_nId).GetString());
        const int group = WholeMinutes(activity.m_tsDuration) == 0 ? 3 : activity.m_nGroup != 0 ? 1 : 2;
        AddItem(list, activity.m_nGroup != 0 ? 5 : 2, caption, CString(), complete ? WindowColour() : kPanelShortOfTime,
                0, group, activity.m_nId);
    }
    return list;
}

CPanelList ListPlaceableActivities(const CScheduleData& data, const CTimeTableCtrlView& first) {
    if (first.m_arrSelectedRanges.empty()) return ListEntityActivities(data);
    CPanelList list;
    list.m_nColumnTitle = IDS_TT_PLACEABLE_COLUMN;
    list.m_nColumnWidth = 105;
    list.m_nMenuFlags = 0;
    AddGroups(list, {{1, IDS_TT_PLACEABLE},
                     {2, IDS_TT_PLACED_COMPLETE},
                     {3, IDS_TT_PLACEMENT_UNSAFE},
                     {4, IDS_TT_PANEL_NO_DURATION}});
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return list;
    const CPlanIndex index(data);
    for (const CActivity& activity : data.m_arrActivities) {
        if (!activity.HasEntityId(data, entity->m_nId)) continue;
        const bool fits = std::all_of(first.m_arrSelectedRanges.begin(), first.m_arrSelectedRanges.end(),
                                      [&](const CItemTime& range) {
                                          return data.CanPlaceEntry(activity.m_nId, 0, EntryOver(activity.m_nId, range),
                                                                    &index) != 0;
                                      });
        if (!fits) continue;
        const bool complete =
            WholeMinutes(data.GetActivityTotalDuration(activity.m_nId)) >= WholeMinutes(activity.m_tsDuration);
        bool unsafe = false;
        if (!complete)
            for (const CItemTime& range : first.m_arrSelectedRanges)
                unsafe = unsafe || !data.IsPlacementSafe(activity.m_nId, EntryOver(activity.m_nId, range), &index);
        int group = 1, image = 2;
        if (complete)
            group = WholeMinutes(activity.m_tsDuration) == 0 ? 4 : 2;
        else if (unsafe)
            group = 3, image = 15;
        if (activity.m_nGroup != 0) image = 5;
        AddItem(list, image, PlainText(data, activity, *entity), data.FormatActivityTime(activity.m_nId),
                WindowColour(), kEveryKind, group, activity.m_nId);
    }
    return list;
}

CPanelList ListJoinableEntities(CScheduleData& data, const CTimeTableCtrlView& first) {
    const std::vector<const CTimeTableItem*> items = SelectedItemsOf(first);
    const bool ranges = first.m_nSelectionMode == 2 && !first.m_arrSelectedRanges.empty();
    if (!ranges && (first.m_nSelectionMode != 1 || items.empty())) return ListEntityActivities(data);
    CPanelList list;
    const bool dated = !data.HasDefaultStartDate();
    list.m_nColumnTitle = dated ? IDS_TT_JOINABLE_DATED : IDS_TT_JOINABLE_TEMPLATE;
    list.m_nColumnWidth = 195;
    AddGroups(list, {{0, IDS_GROUP_CLASSES}, {1, IDS_GROUP_STAFF}, {2, IDS_GROUP_ASSISTANTS}});
    const int current = data.m_nCurrentEntity;

    auto add = [&](const CEntity& entity, bool linked, bool like, bool freed) {
        const int group = entity.m_nType == 3 ? 2 : (entity.m_nType == 1 || entity.m_nType == 2) ? 1 : 0;
        int kind = (linked ? 5 : 1) | (like ? 2 : 0);
        COLORREF colour = like ? kPanelLikeActivity : linked ? kPanelLinked : WindowColour();
        if (freed) {
            kind |= 8;
            colour = kPanelFreed;
        }
        AddItem(list, 6 + entity.m_nType, entity.m_strName, CString(), colour, kind, group, entity.m_nId);
    };

    if (ranges) {
        list.m_nMenuFlags = 13;
        const CPlanIndex index(data);
        const std::vector<const CTimetableEntry*> cancelled = CancelledEntriesOver(data, first.m_arrSelectedRanges);
        for (const CEntity& entity : data.m_arrEntities) {
            if (entity.m_nId == current || entity.m_nType == kRoomType || entity.m_nType == 5) continue;
            const bool free = std::all_of(
                first.m_arrSelectedRanges.begin(), first.m_arrSelectedRanges.end(),
                [&](const CItemTime& range) { return entity.CanTakeEntry(data, EntryOver(0, range), &index); });
            if (!free) continue;
            add(entity, false, false, FreedBy(data, entity, cancelled));
        }
        return list;
    }

    list.m_nMenuFlags = items.size() == 1 ? 15 : 13;
    const CPlanIndex index(data);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(data, index, current);
    const CTimeTableItem& single = *items.front();
    const std::vector<const CTimetableEntry*> cancelled =
        CancelledEntriesOver(data, {CItemTime(single.m_dtStart, single.m_tsLength, 0, 0)});
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.m_nType == kRoomType || entity.m_nType == 5) continue;
        const bool joins = std::all_of(items.begin(), items.end(), [&](const CTimeTableItem* item) {
            if (!dated) return data.CanAddEntityToActivity(item->m_nActivity, entity.m_nId) != 0;
            const auto entry = data.FindEntryBySerial(item->m_nSource);
            if (item->m_bGroupItem || entry == data.m_arrEntries.end()) return false;
            return !index.TakesPartIn(entity, *entry) && !entity.IsAbsent(item->m_dtStart, item->GetEndTime()) &&
                   entity.CanTakeEntry(data, *entry, &index);
        });
        if (!joins) continue;
        bool linked = false, like = false, freed = false;
        if (items.size() == 1) {
            linked = linkedToCurrent.count(entity.m_nId) != 0;
            const auto activity = data.FindActivity(single.m_nActivity);
            if (activity != data.m_arrActivities.end())
                like = data.EntityHasActivityLike(entity.m_nId, FirstWord(activity->GetDisplayName()));
            freed = FreedBy(data, entity, cancelled);
        }
        add(entity, linked, like, freed);
    }
    return list;
}

CPanelList ListFreeRooms(const CScheduleData& data, const CTimeTableCtrlView& first) {
    CPanelList list;
    list.m_nColumnTitle = IDS_TT_FREE_ROOMS_COLUMN;
    list.m_nColumnWidth = 195;
    list.m_nMenuFlags = 13;
    AddGroups(list, {{1, IDS_TT_ROOMS_FREE}, {2, IDS_TT_ROOMS_SHARED}});
    if (first.m_nSelectionMode != 1) return list;
    const std::vector<const CTimeTableItem*> items = SelectedItemsOf(first);
    const CPlanIndex index(data);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(data, index, data.m_nCurrentEntity);
    for (const CEntity& room : data.m_arrEntities) {
        if (room.m_nType != kRoomType || room.m_nId == data.m_nCurrentEntity) continue;
        bool excluded = false, shared = false;
        for (const CTimeTableItem* item : items) {
            const auto entry = data.FindEntryBySerial(item->m_nSource);
            if (item->m_bGroupItem || entry == data.m_arrEntries.end()) {
                excluded = true;
                break;
            }
            const int role = entry->GetRoomRole(data, room.m_nId);
            if (role >= 1 && role <= 3) continue;
            const int elsewhere = entry->GetBestRoomRoleElsewhere(data, room.m_nId, &index);
            if (elsewhere == 1 || elsewhere == 2) {
                excluded = true;
                break;
            }
            if (elsewhere == 3 || elsewhere == 4) shared = true;
        }
        if (excluded) continue;
        const bool linked = linkedToCurrent.count(room.m_nId) != 0;
        AddItem(list, 6 + kRoomType, room.m_strName, CString(), linked ? kPanelLinked : WindowColour(), linked ? 5 : 1,
                shared ? 2 : 1, room.m_nId);
    }
    return list;
}

CPanelList ListEntryPeople(const CScheduleData& data, const CTimeTableItem* current) {
    CPanelList list;
    list.m_nColumnTitle = IDS_TT_ENTRY_PEOPLE_COLUMN;
    list.m_nColumnWidth = 195;
    AddGroups(list, {{0, IDS_TT_ENTRY_REPLACING},
                     {1, IDS_TT_ENTRY_ADDED},
                     {2, IDS_TT_ENTRY_EXTENDING},
                     {3, IDS_TT_ENTRY_OTHERS},
                     {4, IDS_TT_ENTRY_ROOMS}});
    if (!current || current->m_bGroupItem) return list;
    const auto entry = data.FindEntryBySerial(current->m_nSource);
    if (entry == data.m_arrEntries.end()) return list;
    list.m_nCurrentEntry = entry->GetSerial();
    for (const CReplacement& record : entry->m_arrReplacements) {
        const auto entity = data.FindEntity(record.m_nEntity);
        if (entity == data.m_arrEntities.end()) continue;
        int group = record.m_bExtending ? 2 : record.m_nReplacing == 0 ? 1 : 0;
        if (entity->m_nType != 1 && entity->m_nType != 2) group = 3;
        AddItem(list, 6 + entity->m_nType, entity->m_strName, CString(), record.m_bPaid ? WindowColour() : kPanelUnpaid,
                0, group, entity->m_nId);
    }
    for (const int id : entry->m_arrRooms) {
        const auto room = data.FindEntity(id);
        if (room != data.m_arrEntities.end())
            AddItem(list, 6 + kRoomType, room->m_strName, CString(), WindowColour(), 0, 4, id);
    }
    return list;
}

CPanelList ListGroupTimes(const CScheduleData& data, int entityId) {
    CPanelList list;
    AddGroups(list, {{1, IDS_TT_GROUP_NOTHING_PLACED},
                     {2, IDS_TT_GROUP_SHORT},
                     {3, IDS_TT_GROUP_COMPLETE},
                     {4, IDS_TT_GROUP_OVER},
                     {5, IDS_TT_PANEL_NO_DURATION}});
    std::vector<int> groups;
    for (const CActivity& activity : data.m_arrActivities)
        if (activity.m_nGroup != 0 && activity.HasEntityId(data, entityId) &&
            std::find(groups.begin(), groups.end(), activity.m_nGroup) == groups.end())
            groups.push_back(activity.m_nGroup);
    const CPlanIndex index(data);
    for (const int id : groups) {
        const auto group = data.FindGroup(id);
        if (group == data.m_arrGroups.end()) continue;
        const COleDateTimeSpan required = data.GetRequiredGroupTime(id, entityId, &index);
        const COleDateTimeSpan placed = data.GetPlacedGroupTime(id, entityId, &index);
        const int requiredMinutes = WholeMinutes(required), placedMinutes = WholeMinutes(placed);
        int listGroup = placedMinutes <= 4                  ? 1
                        : requiredMinutes > placedMinutes   ? 2
                        : requiredMinutes < placedMinutes   ? 4
                                                            : 3;
        if (requiredMinutes == 0) listGroup = 5;
        CString caption = group->m_strName;
        COLORREF colour = WindowColour();
        if (listGroup != 3) {
            caption.Format(L"%s (%s)%s", group->m_strName.GetString(), FormatHoursMinutes(placed).GetString(),
                           FormatHoursMinutes(required).GetString());
            colour = kPanelShortOfTime;
        }
        AddItem(list, 16, caption, CString(), colour, 0, listGroup, id);
    }
    return list;
}
