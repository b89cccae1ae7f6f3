#pragma once
// The association dialog's check rows and the (room, staff member) pairs they stand for.
#include <vector>

#include "model/room_pair.h"

struct CAssociationCheck {
    int entity = 0;
    int room = 0;
    bool ticked = false;
};

// The pairs become exactly the ticked rows, in row order: room by room, staff under each.
void RebuildPairs(const std::vector<CAssociationCheck>& rows, std::vector<CRoomPair>& pairs);
