#include "dialogs/association_pairs.h"

void RebuildPairs(const std::vector<CAssociationCheck>& rows, std::vector<CRoomPair>& pairs) {
    std::vector<CRoomPair>().swap(pairs);
    for (const CAssociationCheck& row : rows)
        if (row.ticked) pairs.push_back(CRoomPair{row.room, row.entity});
}
