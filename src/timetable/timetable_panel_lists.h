#pragma once
// The side panel's lists of the timetable page, built from the document and the grid's first
// pane: the activities of the current entity, the activities that fit the selected time, the
// people and rooms that may join the selected lessons, the people of the current lesson and the
// activity groups with their time accounts. The page hands a list to its panel as it stands.
#include <cstdint>
#include <vector>

#include "frame/panel_item.h"
#include "platform/core/win_types.h"

class CScheduleData;
class CTimeTableCtrlView;
class CTimeTableItem;

struct CPanelListGroup {
    int m_nId = 0;
    UINT m_nTitle = 0;  // string id
};

struct CPanelList {
    UINT m_nColumnTitle = 0;  // string id; 0 keeps the column's title
    int m_nColumnWidth = 0;   // 0 keeps the column's width
    int m_nMenuFlags = -1;    // the list's context-menu flags; -1 keeps them
    std::vector<CPanelListGroup> m_arrGroups;
    std::vector<CPanelItem> m_arrItems;
    std::uint64_t m_nCurrentEntry = 0;  // the entry whose people the list shows (mode 5)
};

// Panel colours.
inline constexpr COLORREF kPanelLinked = 0x00FFFF;     // linked with the current entity
inline constexpr COLORREF kPanelLikeActivity = 0xFF00FF;
inline constexpr COLORREF kPanelFreed = 0xFFFF00;      // freed by a cancelled entry
inline constexpr COLORREF kPanelShortOfTime = 0xC4C4FF;
inline constexpr COLORREF kPanelUnpaid = 0xC4FFC4;

// The selected items of the pane, in item order.
std::vector<const CTimeTableItem*> SelectedItemsOf(const CTimeTableCtrlView& pane);

// The activities of the current entity (mode 1 without a selection).
CPanelList ListEntityActivities(const CScheduleData& data);
// The activities of the current entity that every selected range of the first pane can take.
CPanelList ListPlaceableActivities(const CScheduleData& data, const CTimeTableCtrlView& first);
// The people who may join the selected items or ranges of the first pane; without a selection
// there, the activities of the current entity.
CPanelList ListJoinableEntities(CScheduleData& data, const CTimeTableCtrlView& first);
// The rooms free for the selected items of the first pane.
CPanelList ListFreeRooms(const CScheduleData& data, const CTimeTableCtrlView& first);
// The people and own rooms of the item's entry (mode 5); empty without an item or entry.
CPanelList ListEntryPeople(const CScheduleData& data, const CTimeTableItem* current);
// The activity groups of the entity with their placed and required time (mode 4).
CPanelList ListGroupTimes(const CScheduleData& data, int entityId);
