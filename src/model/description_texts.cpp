#include "model/description_texts.h"

#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"

namespace {

constexpr UINT kActivityWithMembersId = 60471;
constexpr UINT kMembersLineId = 60472;
constexpr UINT kMembersLineTrimId = 60473;
constexpr UINT kTitleWithGroupId = 60474;
constexpr UINT kTitleId = 60475;
constexpr UINT kTitleRoomId = 60476;
constexpr UINT kTitleTrimId = 60477;
constexpr UINT kStaffHeaderId = 60478;
constexpr UINT kActivityHeaderId = 60842;

// An image of the owner's 16 x 16 strip.
CString Icon(int index) {
    CString text;
    text.Format(L"<ilst index=%d width=16 height=16>", index);
    return text;
}

// The interval of an entry; with no entry, the unplaced mark for both ends.
COleDateTime IntervalStart(const CTimetableEntry* entry) { return entry ? entry->m_dtStart : GetUnplacedDate(); }
COleDateTime IntervalEnd(const CTimetableEntry* entry) { return entry ? entry->GetEndTime() : GetUnplacedDate(); }

bool IsNamedInPairs(const CEntity& entity, const std::vector<CRoomPair>& pairs) {
    for (const CRoomPair& pair : pairs)
        if ((entity.m_nType == 4 ? pair.m_nRoom : pair.m_nEntity) == entity.m_nId) return true;
    return false;
}

bool HasFreePairedRoom(const CScheduleData& data, const CEntity& entity, const std::vector<CRoomPair>& pairs,
                       const CTimetableEntry& entry) {
    for (const CRoomPair& pair : pairs)
        if (pair.m_nEntity == entity.m_nId && !entry.IsRoomTakenElsewhere(data, pair.m_nRoom))
            return true;
    return false;
}

}  // namespace

CString EscapeHtmlLiteText(const CString& text) {
    std::wstring out;
    out.reserve(text.GetLength());
    for (wchar_t c : text.str()) {
        switch (c) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'\r':
        case L'\n':
        case L'\t': out += L' '; break;
        default: out += c;
        }
    }
    return CString(std::move(out));
}

CString UnescapeHtmlLiteText(const CString& text) {
    static const struct {
        const wchar_t* entity;
        wchar_t ch;
    } kEntities[] = {{L"&amp;", L'&'}, {L"&lt;", L'<'}, {L"&gt;", L'>'}};
    const std::wstring& in = text.str();
    std::wstring out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        bool replaced = false;
        if (in[i] == L'&') {
            for (const auto& e : kEntities) {
                if (in.compare(i, std::wcslen(e.entity), e.entity) == 0) {
                    out += e.ch;
                    i += std::wcslen(e.entity);
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += in[i++];
    }
    return CString(std::move(out));
}

CString GetActivityRemarkText(const CScheduleData& data, const CActivity& activity) {
    if (!activity.m_strRemark.IsEmpty()) return activity.m_strRemark;
    return data.JoinMemberNames(activity.m_arrMembers);
}

CString GetActivitySupervisorText(const CScheduleData& data, const CActivity& activity, const CTimetableEntry* entry,
                                  const CPlanIndex* index) {
    if (!activity.m_strSupervisor.IsEmpty()) return activity.m_strSupervisor;
    return data.GetSingleMemberName(activity.m_arrMembers, entry, index);
}

CString FormatActivityWithMembers(const CScheduleData& data, CActivity& activity) {
    std::sort(activity.m_arrMembers.begin(), activity.m_arrMembers.end(), LessEntityByTypeName(data));
    CString names = data.JoinMemberNames(activity.m_arrMembers);
    names.Replace(L"<br>", L"");
    if (names.IsEmpty()) return activity.m_strName;
    CString text;
    text.Format(kActivityWithMembersId, activity.m_strName, names);
    return text;
}

CString FormatActivityMembersLine(const CScheduleData& data, const CActivity& activity, int leftOutId) {
    CString text;
    text.Format(kMembersLineId, activity.m_strName);
    for (int id : activity.m_arrMembers) {
        if (id == leftOutId) continue;
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_nType == 4) continue;
        text.AppendFormat(L" %s,", entity->m_strName);
    }
    text.TrimRight(L" ,");
    text.TrimRight(LoadResString(kMembersLineTrimId));
    return text;
}

CString FormatActivityTitle(const CScheduleData& data, const CActivity& activity, int leftOutId) {
    CString text;
    const auto group = data.FindGroup(activity.m_nGroup);
    if (group != data.m_arrGroups.end())
        text.Format(kTitleWithGroupId, group->m_strName, activity.m_strName);
    else
        text.Format(kTitleId, activity.m_strName);

    CString room;
    for (int id : activity.m_arrMembers) {
        if (id == leftOutId) continue;
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        if (entity->m_nType == 4)
            room.Format(kTitleRoomId, entity->m_strName);
        else
            text.AppendFormat(L" %s,", entity->m_strName);
    }
    if (!activity.m_strLocation.IsEmpty()) room.Format(kTitleRoomId, activity.m_strLocation);
    text += room;
    text.TrimRight(L" ,");
    text.TrimRight(LoadResString(kTitleTrimId));
    return text;
}

CString FormatActivityMembersOfType(const CScheduleData& data, const CActivityWeight& record, int type) {
    const auto activity = data.FindActivity(record.m_nActivity);
    if (activity == data.m_arrActivities.end()) return CString();
    CString text;
    for (int id : activity->m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        const int t = entity->m_nType;
        if (t == type || (t > 2 && type > 2) || (type == 1 && t == 2)) text += entity->m_strName + L", ";
    }
    text.Trim(L", ");
    return text;
}

CString BuildActivityHtml(const CScheduleData& data, const CActivity& activity, const CTimetableEntry* entry,
                          bool showRooms, int entityId, int layout, const CPlanIndex* index) {
    CString html;
    html.Format(L"<b>%s</b> ", EscapeHtmlLiteText(activity.GetDisplayName()));

    const CString supervisor = EscapeHtmlLiteText(GetActivitySupervisorText(data, activity, entry, index));
    const CString remark = EscapeHtmlLiteText(GetActivityRemarkText(data, activity));
    const CString rooms = entry ? BuildEntryRoomsText(data, *entry, layout == 0 ? 0 : entityId, true, index) : CString();
    auto add = [&html](const CString& part) {
        if (!part.IsEmpty()) html += L"<br>" + part;
    };
    switch (layout) {
    case 0:
        add(supervisor);
        if (showRooms) add(rooms);
        break;
    case 1:
    case 2:
        add(remark);
        if (showRooms) add(rooms);
        break;
    case 3:
        add(supervisor);
        add(remark);
        if (showRooms) add(rooms);
        break;
    case 4:
        add(supervisor);
        add(remark);
        break;
    default: break;
    }
    return html;
}

CString FormatActivityEntryPlainText(const CScheduleData& data, const CActivity& activity, int entityId,
                                     const CTimetableEntry* entry, int layout, const CPlanIndex* index) {
    CString text = BuildActivityHtml(data, activity, entry, true, entityId, layout, index);
    text.Replace(L"<b>", L"");
    text.Replace(L"</b>", L"");
    text.Replace(L"<br>", L" - ");
    // Record texts come back as written only after the markup is gone.
    text = UnescapeHtmlLiteText(text);
    text.Trim(L"-, ");
    return text;
}

CString FormatActivityPlainText(const CScheduleData& data, const CActivity& activity, int layout) {
    return FormatActivityEntryPlainText(data, activity, 0, nullptr, layout);
}

CString BuildEntityKindColumn(CScheduleData& data, const CActivity& activity, const std::vector<int>& ids, int kind,
                              const CTimetableEntry* entry, bool stateFlag) {
    const bool dated = !data.HasDefaultStartDate();
    if (stateFlag && dated) data.RebuildReplacementIndex();
    const COleDateTime start = IntervalStart(entry);
    const COleDateTime end = IntervalEnd(entry);

    CString lines;
    for (int id : ids) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) continue;
        const int type = entity->m_nType;
        if (type != kind && !(kind == 2 && type != 0 && type != 4)) continue;
        const CString name = EscapeHtmlLiteText(entity->m_strName);
        if (kind == 4) {
            if (!entry) {
                lines += name + Icon(type + 6) + L"<br>";
            } else if (!entry->IsRoomTakenElsewhere(data, id)) {
                const bool ownBooking = entry->GetRoomRole(data, id) == 1;
                lines += name + Icon(ownBooking ? 20 : type + 6) + L"<br>";
            }
            continue;
        }
        lines += name + Icon(type + 6);
        if (!activity.HasEntityId(data, id) ||
            entity->IsReplacedOut(data, start, end, activity.m_nId))
            lines += Icon(17);
        if (stateFlag && entry) {
            if (!entity->TakesPartIn(data, *entry) || entity->IsAbsent(start, end) ||
                !entity->IsAvailable(data, start, end) ||
                (dated && data.IsEntityReplacingElsewhere(*entry, entity->m_nId)))
                lines += Icon(15);
        }
        lines += L"<br>";
    }
    if (lines.GetLength() >= 4 && lines.Right(4) == L"<br>") lines.Truncate(lines.GetLength() - 4);
    CString column;
    column.Format(L"<table><tr><td>%s</td></tr></table>", lines);
    return column;
}

CString BuildRoomPairsColumn(const CScheduleData& data, const CActivity& activity, const std::vector<int>& rooms,
                             const std::vector<CRoomPair>& pairs, const CTimetableEntry* entry, bool stateFlag) {
    const COleDateTime start = IntervalStart(entry);
    const COleDateTime end = IntervalEnd(entry);
    CString headers;
    CString bodies;
    for (int roomId : rooms) {
        const auto room = data.FindEntity(roomId);
        if (room == data.m_arrEntities.end()) continue;
        if (stateFlag && entry && entry->IsRoomTakenElsewhere(data, roomId)) continue;
        CString body;
        for (const CRoomPair& pair : pairs) {
            if (pair.m_nRoom != roomId) continue;
            const auto entity = data.FindEntity(pair.m_nEntity);
            if (entity == data.m_arrEntities.end()) continue;
            if (!body.IsEmpty()) body += L"<br>";
            body += EscapeHtmlLiteText(entity->m_strName) + L" " + Icon(entity->m_nType + 6);
            if (stateFlag && entry) {
                if (entity->IsAbsent(start, end) ||
                    !entity->IsAvailable(data, start, end))
                    body += Icon(15);
                if (!activity.HasEntityId(data, entity->m_nId)) body += Icon(17);
            }
        }
        if (body.IsEmpty()) continue;
        headers.AppendFormat(L"<td> %s %s<br><hr color=blue></td>", EscapeHtmlLiteText(room->m_strName),
                             Icon(room->m_nType + 6));
        bodies += L"<td>" + body + L"</td>";
    }
    if (headers.IsEmpty()) return CString();
    CString column;
    column.Format(L"<table><tr>%s</tr><tr>%s</tr></table>", headers, bodies);
    return column;
}

CString BuildStaffColumn(const CScheduleData& data, const CActivity& activity, const std::vector<CRoomPair>& pairs,
                         const CTimetableEntry* entry, bool stateFlag) {
    if (!entry || pairs.empty()) return CString();
    std::vector<int> ids;
    auto collectStaff = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || (entity->m_nType != 1 && entity->m_nType != 2)) return;
        if (!IsNamedInPairs(*entity, pairs) || (stateFlag && !HasFreePairedRoom(data, *entity, pairs, *entry)))
            ids.push_back(id);
    };
    auto collectRoom = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && !IsNamedInPairs(*entity, pairs)) ids.push_back(id);
    };
    for (int id : activity.m_arrMembers) collectStaff(id);
    for (int id : activity.m_arrRooms) collectRoom(id);
    for (const CReplacement& replacement : entry->m_arrReplacements) collectStaff(replacement.m_nEntity);
    for (int id : entry->m_arrRooms) collectRoom(id);
    if (ids.empty()) return CString();

    std::sort(ids.begin(), ids.end(), LessEntityByTypeName(data));
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    const COleDateTime start = entry->m_dtStart;
    const COleDateTime end = entry->GetEndTime();
    CString entries;
    for (int id : ids) {
        const CEntity& entity = *data.FindEntity(id);
        entries += EscapeHtmlLiteText(entity.m_strName) + L" " + Icon(entity.m_nType + 6);
        if (entity.IsAbsent(start, end) || !entity.IsAvailable(data, start, end))
            entries += Icon(15);
        if (!activity.HasEntity(entity) || entity.IsReplacedOut(data, start, end, activity.m_nId))
            entries += Icon(17);
    }
    CString column;
    column.Format(L"<table><tr><td>%s<ilst index=12 width=16 height=16><br><hr color=red><br>%s</td></tr></table>",
                  LoadResString(kStaffHeaderId), entries);
    return column;
}

CString BuildTimetableEntryTip(CScheduleData& data, const CActivity& activity, bool namedHeader,
                               const CTimetableEntry* entry, bool type0Column) {
    CString header = LoadResString(kActivityHeaderId);
    if (namedHeader) header.Format(L"%s <ilst index=2 width=16 height=16>", EscapeHtmlLiteText(activity.GetDisplayName()));
    CString tip;
    tip.Format(L"<td><center><h2>%s</h2></center><br><hr color=green></td><right>", header);

    std::vector<int> ids = activity.m_arrMembers;
    if (entry)
        for (const CReplacement& replacement : entry->m_arrReplacements) ids.push_back(replacement.m_nEntity);
    std::sort(ids.begin(), ids.end(), LessEntityByTypeName(data));

    tip += L"<table><tr>";
    auto column = [&tip](const CString& text) { tip += L"<td>" + text + L"</td>"; };
    if (type0Column) column(BuildEntityKindColumn(data, activity, ids, 0, entry, true));
    if (!activity.m_strLocation.IsEmpty()) {
        column(BuildEntityKindColumn(data, activity, ids, 2, entry, namedHeader));
        tip += L"<td>" + EscapeHtmlLiteText(activity.m_strLocation) + Icon(10) + L"</td>";
    } else {
        std::vector<int> rooms;
        std::vector<CRoomPair> pairs;
        if (entry) {
            entry->GetRoomsByAssociation(data, rooms);
            if (const std::vector<CRoomPair>* applying = entry->GetAssociationPairs(data)) pairs = *applying;
        } else {
            rooms = activity.m_arrRooms;
            pairs = activity.m_arrPairs;
        }
        std::sort(rooms.begin(), rooms.end(), LessEntityByTypeName(data));
        if (!pairs.empty()) {
            column(BuildRoomPairsColumn(data, activity, rooms, pairs, entry, namedHeader));
            const CString staff = BuildStaffColumn(data, activity, pairs, entry, namedHeader);
            if (!staff.IsEmpty()) column(staff);
        } else {
            column(BuildEntityKindColumn(data, activity, ids, 2, entry, namedHeader));
            if (!rooms.empty()) column(BuildEntityKindColumn(data, activity, rooms, 4, entry, namedHeader));
        }
    }
    tip += L"</tr></table></right>";
    return tip;
}
