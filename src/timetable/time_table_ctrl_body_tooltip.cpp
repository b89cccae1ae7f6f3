// The text of the timetable body's tooltip: a drag tip that warns of clashes and of people who
// are not free in the hour where a moved item would land, the tip of the item under the pointer,
// or the tip of the cancelled entry behind a freed interval.
#include "controls/app_document.h"
#include "htmllite/html_tool_tip.h"
#include "model/description_texts.h"
#include "model/participation_rules.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/entry_tip_sections.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_header.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

const wchar_t* const kActivityImage = L"<ilst index=2 width=16 height=16>";

// The text with its first occurrence of what replaced by with.
CString ReplaceFirst(const CString& text, const CString& what, const CString& with) {
    const int at = text.Find(what);
    if (at < 0) return text;
    return text.Left(at) + with + text.Mid(at + what.GetLength());
}

const CTimetableEntry* EntryBySerial(const CScheduleData& data, std::uint64_t serial) {
    const auto entry = data.FindEntryBySerial(serial);
    return entry == data.m_arrEntries.end() ? nullptr : &*entry;
}

CString ActivityTitle(const CScheduleData& data, const CActivity& activity, int leftOut) {
    return EscapeHtmlLiteText(FormatActivityTitle(data, activity, leftOut));
}

}  // namespace

BOOL CTimeTableCtrlBody::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    const CString text = BuildToolTipText();
    if (!text.IsEmpty() && nm->pToolInfo) nm->pToolInfo->m_text = text;
    if (result) *result = 0;
    return TRUE;
}

CString CTimeTableCtrlBody::BuildToolTipText() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = GetPane();
    if (!m_bToolTips || !data || !pane) return CString();
    // The index follows the document; it is rebuilt only after the pane was refilled from it.
    if (m_bTipIndexStale) {
        data->RebuildReplacementIndex();
        m_bTipIndexStale = 0;
    }
    if (m_nDragMode == kDragMove && pane->m_arrSelection.size() == 1) return DragTipText(*data, *pane);
    if (m_bPressed) return CString();
    const CString text = ItemTipText(*data, *pane);
    return text.IsEmpty() ? FreedIntervalTipText(*data, *pane) : text;
}

CString CTimeTableCtrlBody::ItemTipText(CScheduleData& data, const CTimeTableCtrlView& pane) {
    const CPoint point = GetCurrentPoint();
    for (const CTimeTableItem& item : pane.m_arrItems) {
        if (!item.m_rect.PtInRect(point)) continue;
        if (item.m_bGroupItem) {
            if (data.FindGroup(item.m_nGroup) == data.m_arrGroups.end()) continue;
            CString text;
            for (const CTimetableEntry& entry : data.m_arrEntries) {
                if (!IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), item.m_dtStart, item.GetEndTime())) continue;
                const auto activity = data.FindActivity(entry.m_nActivity);
                if (activity == data.m_arrActivities.end() || activity->m_nGroup != item.m_nGroup) continue;
                if (TakesPartInGroupEntry(data, *activity, entry, pane.m_nEntity))
                    text += BuildTimetableEntryTip(data, *activity, true, &entry, true);
            }
            return text;
        }
        const auto activity = data.FindActivity(item.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        const CTimetableEntry* entry = EntryBySerial(data, item.m_nSource);
        if (!entry) return CString();
        CString text = BuildTimetableEntryTip(data, *activity, true, entry, true);
        if (pane.m_nChimeSet == 0) {
            CString times;
            times.Format(L" %s-%s %s", entry->GetLessonStart(data).Format(L"%H:%M").GetString(),
                         entry->GetLessonEnd(data).Format(L"%H:%M").GetString(), TipImage(21).GetString());
            text = ReplaceFirst(text, kActivityImage, times);
        }
        if (data.HasDefaultStartDate()) return text;
        return text + EntryRemarkAndMoveTip(data, *entry, item.m_strRemark);
    }
    return CString();
}

CString CTimeTableCtrlBody::FreedIntervalTipText(CScheduleData& data, const CTimeTableCtrlView& pane) {
    const CPoint point = GetCurrentPoint();
    for (const CFreedInterval& interval : pane.m_arrFreedIntervals) {
        if (!interval.m_rect.PtInRect(point)) continue;
        const CTimetableEntry* entry = EntryBySerial(data, interval.m_nSource);
        if (!entry) continue;
        const auto activity = data.FindActivity(entry->m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        return ReplaceFirst(BuildTimetableEntryTip(data, *activity, true, entry, true), kActivityImage, TipImage(15));
    }
    return CString();
}

CString CTimeTableCtrlBody::DragTipText(CScheduleData& data, const CTimeTableCtrlView& pane) {
    const CTimeTableItem* moved = pane.GetCurrentItem();
    if (!moved || !m_pTitle || !m_pHeader) return CString();
    // The hour under the moved item's top left corner.
    const CPoint corner(m_nCurrentX - m_nGrabX, m_nCurrentY - m_nGrabY);
    COleDateTime hourStart = m_pTitle->GetDateAt(corner.x);
    COleDateTimeSpan hourLength(0.0);
    m_pHeader->YToHourTime(hourStart, hourLength, corner.y);
    const COleDateTime hourEnd = hourStart + COleDateTimeSpan(0, 1, 0, 0);
    if (IntervalsOverlap(hourStart, hourEnd, moved->m_dtStart, moved->GetEndTime())) return CString();

    auto blockInHour = [&](const CItemTime& block) {
        return IntervalsOverlap(block.m_dtStart, block.GetEndTime(), hourStart, hourEnd);
    };
    CString clashes, participants;
    if (!moved->m_bGroupItem) {
        for (const CItemTime& block : pane.m_arrClashBlocks) {
            const auto activity = data.FindActivity(block.m_nDayIndex);
            if (!blockInHour(block) || activity == data.m_arrActivities.end()) continue;
            clashes += L"<br>" + ActivityTitle(data, *activity, data.m_nCurrentEntity) + kActivityImage;
        }
        if (const CTimetableEntry* entry = EntryBySerial(data, moved->m_nSource))
            participants += ParticipantsNotFree(data, *entry, hourStart, hourEnd);
    } else {
        if (data.FindGroup(moved->m_nGroup) == data.m_arrGroups.end()) return CString();
        for (const CActivity& activity : data.m_arrActivities) {
            if (activity.m_nGroup != moved->m_nGroup) continue;
            const auto entry = data.FindOverlappingEntry(activity.m_nId, moved->m_dtStart, moved->GetEndTime());
            if (entry == data.m_arrEntries.end()) continue;
            const CString title = ActivityTitle(data, activity, pane.m_nEntity);
            CString ownClashes;
            for (const CItemTime& block : pane.m_arrClashBlocks) {
                const auto other = data.FindActivity(block.m_nDayIndex);
                if (!blockInHour(block) || other == data.m_arrActivities.end() ||
                    !ActivitiesShareLimitedMember(data, activity, *other))
                    continue;
                ownClashes += L"<br>" + title + kActivityImage;
            }
            const CString notFree = ParticipantsNotFree(data, *entry, hourStart, hourEnd);
            const CString heading = GroupActivityTipHeading(title);
            if (!notFree.IsEmpty()) participants += heading + notFree;
            if (!ownClashes.IsEmpty()) clashes += heading + ownClashes;
        }
    }
    return ComposeDragTip(clashes, participants);
}

void CTimeTableCtrlBody::SetToolTipsOn(int on) {
    m_bToolTips = on;
    if (m_toolTip.GetSafeHwnd()) m_toolTip.EnableWindow(on);
}
