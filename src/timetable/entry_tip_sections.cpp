#include "timetable/entry_tip_sections.h"

#include <vector>

#include "model/description_texts.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

CString TipImage(int index) {
    CString text;
    text.Format(L"<ilst index=%d width=16 height=16>", index);
    return text;
}

CString ParticipantsNotFree(const CScheduleData& data, const CTimetableEntry& entry, const COleDateTime& start,
                            const COleDateTime& end) {
    std::vector<int> ids;
    entry.GetParticipantsByType(data, ids, 6);
    CString text;
    for (const int id : ids) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        if (entity->IsAbsent(start, end) || !entity->IsAvailable(data, start, end) ||
            data.IsEntityReplacingElsewhere(entry, id))
            text += L"<br>" + EscapeHtmlLiteText(entity->m_strName) + TipImage(entity->m_nType + 6);
    }
    return text;
}

bool TakesPartInGroupEntry(const CScheduleData& data, const CActivity& activity, const CTimetableEntry& entry,
                           int entityId) {
    if (activity.HasEntityId(data, entityId) || entry.HasParticipant(entityId)) return true;
    const auto entity = data.FindEntity(entityId);
    return entity != data.m_arrEntities.end() && entity->m_nType == 4 && entry.HasRoomPriority(data, entityId);
}

CString EntryRemarkAndMoveTip(CScheduleData& data, const CTimetableEntry& entry, const CString& remark) {
    CString text;
    if (!remark.IsEmpty()) {
        text.Format(L"<br>%s:<br><hr color=black><br>%s", LoadResString(IDS_TIP_REMARK).GetString(),
                    EscapeHtmlLiteText(remark).GetString());
    }
    const COleDateTime& original = entry.m_dtUnmovedStart;
    if (CompareTimesApprox(entry.m_dtStart, original) != 0 && original.GetYear() != 1970) {
        CTimetableEntry probe(original, entry.m_tsLength);
        probe.m_nActivity = entry.m_nActivity;
        CString part;
        part.Format(L"<br>%s %s<br><hr color=red><br>%s", LoadResString(IDS_TIP_ORIGINAL_TIME).GetString(),
                    TipImage(2).GetString(), probe.FormatWhenText(data, 0, 0).GetString());
        text += part;
    }
    return text;
}

CString GroupActivityTipHeading(const CString& title) {
    return L"<br><td><center><h2>" + LoadResString(IDS_TIP_GROUP_ACTIVITY) + L" " + title + TipImage(5) +
           L"</h2></center><br><hr color=blue></td><right>";
}

CString ComposeDragTip(const CString& clashes, const CString& participants) {
    if (clashes.IsEmpty() && participants.IsEmpty()) return CString();
    CString clashPart, participantPart;
    if (!clashes.IsEmpty())
        clashPart.Format(L"<td><center><h2> %s %s</h2></center><br><hr color=red></td><right>%s",
                         LoadResString(IDS_TIP_CLASHES).GetString(), TipImage(4).GetString(), clashes.GetString());
    if (!participants.IsEmpty())
        participantPart.Format(L"<td><center><h2>%s%s</h2></center><br><hr color=red></td><right>%s",
                               LoadResString(IDS_TIP_NOT_FREE).GetString(), TipImage(15).GetString(),
                               participants.GetString());
    return clashPart + L"<br>" + participantPart;
}
