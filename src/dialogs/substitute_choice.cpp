#include "dialogs/substitute_choice.h"

#include "model/replacement.h"
#include "model/schedule_data.h"
#include "model/timetable_entry.h"

int StoreSubstituteChoice(CScheduleData& data, const CSubstituteRowValues& rows, const std::vector<int>& optionIds,
                          const CTimetableEntry& entry, CReplacement& replacement, int& roomToTie) {
    roomToTie = 0;
    const int option = rows.checkedOption;
    replacement.m_nReplacing = option > 0 && option < static_cast<int>(optionIds.size()) ? optionIds[option] : 0;
    replacement.m_bPaid = rows.paid ? 1 : 0;
    if (rows.extending) replacement.m_bExtending = *rows.extending ? 1 : 0;
    replacement.m_strRemark = rows.remark;
    replacement.m_strFund = rows.fund;
    replacement.m_strFund.Trim(L' ');

    const auto room = data.FindKind4EntityByName(rows.room);
    if (room != data.m_arrEntities.end()) {
        roomToTie = room->m_nId;
        return 1;
    }
    if (entry.CountRooms(data) <= 1) return 1;
    const int replaced = replacement.m_nReplacing;
    if (replaced == 0) return 0;
    // The stand-in takes the room of the member it replaces, when that member has one.
    if (!entry.IsRoomAssociatedWith(data, replaced)) return 1;
    if (const std::vector<CRoomPair>* pairs = entry.GetAssociationPairs(data))
        for (const CRoomPair& pair : *pairs)
            if (pair.m_nEntity == replaced) {
                roomToTie = pair.m_nRoom;
                return 1;
            }
    return 0;
}
