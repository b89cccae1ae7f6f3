#pragma once
// CMagnetRow: one row of the magnet board, an entity with its working hours per plan day, its
// magnets, absences and open places. The board's layout pass writes the row's rectangle.
#include <vector>

#include "model/entity.h"
#include "planner/magnet_item.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/time64.h"
#include "timetable/item_time.h"

class CMagnetRow {
public:
    static constexpr int kDaySlots = 21;

    CMagnetRow() = default;
    // All times zero, the lists empty.
    CMagnetRow(int entityId, const CString& name, int entityType);

    // Sorts the magnets by CMagnetItem::LessByStart; a magnet that overlaps the one before it by
    // more than 5 minutes is shown inside it: it moves, with its own start and length, into that
    // magnet's merged entries, and the shown end grows to cover it.
    void Normalise();
    void ClearSelection();
    // The index of the first magnet whose rectangle holds (x + offset, y); -1 for none.
    int ItemAt(int x, int y, int offset) const;

    static bool LessById(const CMagnetRow& a, const CMagnetRow& b) { return a.m_nEntityId < b.m_nEntityId; }

    int m_nEntityId = 0;
    CString m_strName;
    CString m_strSecondName;
    int m_nEntityType = 0;
    CRect m_rect;  // content pixels, from the board's layout pass
    __time64_t m_tDayEnd[kDaySlots] = {};
    __time64_t m_tDayStart[kDaySlots] = {};
    std::vector<CMagnetItem> m_arrMagnets;
    std::vector<CItemTime> m_arrAbsences;
    std::vector<CItemTime> m_arrOpenPlaces;
};
