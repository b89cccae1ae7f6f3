#include "planner/magnet_row.h"

#include "model/merge_sort.h"
#include "model/time_values.h"

CMagnetRow::CMagnetRow(int entityId, const CString& name, int entityType)
    : m_nEntityId(entityId), m_strName(name), m_nEntityType(entityType) {}

void CMagnetRow::Normalise() {
    StableMergeSort(m_arrMagnets, &CMagnetItem::LessByStart);
    std::vector<CMagnetItem> shown;
    shown.reserve(m_arrMagnets.size());
    for (CMagnetItem& magnet : m_arrMagnets) {
        if (!shown.empty()) {
            CMagnetItem& previous = shown.back();
            if (IntervalsOverlap(previous.m_dtEntryStart, previous.GetShownEnd(), magnet.m_dtEntryStart,
                                 magnet.GetShownEnd())) {
                previous.m_arrMerged.push_back(
                    {magnet.m_nEntry, magnet.m_nActivity, magnet.m_nState, magnet.m_dtEntryStart, magnet.m_tsEntryLength,
                     magnet.m_bGroupItem, magnet.m_nGroup});
                for (const CMergedEntry& inner : magnet.m_arrMerged) previous.m_arrMerged.push_back(inner);
                continue;
            }
        }
        shown.push_back(std::move(magnet));
    }
    m_arrMagnets = std::move(shown);
}

void CMagnetRow::ClearSelection() {
    for (CMagnetItem& magnet : m_arrMagnets) magnet.m_bSelected = 0;
}

int CMagnetRow::ItemAt(int x, int y, int offset) const {
    const CPoint point(x + offset, y);
    for (std::size_t i = 0; i < m_arrMagnets.size(); ++i)
        if (m_arrMagnets[i].m_rect.PtInRect(point)) return static_cast<int>(i);
    return -1;
}
