// Renumbering the ids of every collection before a save.
#include <algorithm>
#include <unordered_map>

#include "model/record_orders.h"
#include "model/schedule_data.h"
#include "model/strict_order.h"
#include "platform/core/load_res_string.h"

namespace {

// Labels of the renumbering stages, in order.
constexpr UINT kFirstStageLabelId = 60428;
constexpr int kStages = 10;

// Old id to new id of one collection; a reference to an id it does not hold becomes 0.
class CIdMap {
public:
    template <class Collection>
    void Number(Collection& collection) {
        m_map.clear();
        m_map.reserve(collection.size());
        int next = 0;
        for (const auto& record : collection) m_map.emplace(record.m_nId, ++next);
    }
    int operator()(int old) const {
        const auto hit = m_map.find(old);
        return hit == m_map.end() ? 0 : hit->second;
    }
    template <class Collection>
    static void Apply(Collection& collection) {
        int next = 0;
        for (auto& record : collection) record.m_nId = ++next;
        collection.InvalidateIndex();
    }

private:
    std::unordered_map<int, int> m_map;
};

// Maps every id of the list; ids of no record are dropped.
void MapIds(std::vector<int>& ids, const CIdMap& map) {
    std::vector<int> mapped;
    mapped.reserve(ids.size());
    for (int id : ids)
        if (const int n = map(id)) mapped.push_back(n);
    ids.swap(mapped);
}

void MapPairs(std::vector<CRoomPair>& pairs, const CIdMap& map) {
    std::vector<CRoomPair> mapped;
    mapped.reserve(pairs.size());
    for (const CRoomPair& pair : pairs) {
        const int room = map(pair.m_nRoom);
        const int entity = map(pair.m_nEntity);
        if (room && entity) mapped.push_back(CRoomPair{room, entity});
    }
    pairs.swap(mapped);
}

}  // namespace

void CScheduleData::RenumberIds() {
    IProgress& progress = Host().ShowProgress(LoadResString(kFirstStageLabelId));
    progress.SetRange(0, kStages - 2);
    progress.SetStep(1);
    int stage = 0;
    auto nextStage = [&]() {
        ++stage;
        Host().ShowProgress(LoadResString(kFirstStageLabelId + stage)).StepIt();
    };

    // 1. No undo past a save; groups that no activity names go.
    DiscardUndo();
    DeleteUnusedGroups();

    // 2. Sort orders, each made strict by its ids so that a saved file sorts the same way again.
    nextStage();
    m_arrEntities.Sort(StrictById(CompareEntities()));
    m_arrActivities.Sort(StrictById(CompareActivities(*this)));
    m_arrGroups.Sort(StrictById(CompareGroupNames()));

    // 3. Groups.
    nextStage();
    CIdMap groups;
    groups.Number(m_arrGroups);
    for (CActivity& activity : m_arrActivities) activity.m_nGroup = groups(activity.m_nGroup);
    CIdMap::Apply(m_arrGroups);

    // 4. Chime sets, in collection order.
    nextStage();
    CIdMap chimeSets;
    chimeSets.Number(m_arrChimeSets);

    // 5. Entities, in their sorted order.
    nextStage();
    CIdMap entities;
    entities.Number(m_arrEntities);

    // 6. Activities and what they name.
    nextStage();
    CIdMap activities;
    activities.Number(m_arrActivities);
    for (CActivity& activity : m_arrActivities) {
        MapIds(activity.m_arrMembers, entities);
        MapIds(activity.m_arrRooms, entities);
        MapPairs(activity.m_arrPairs, entities);
        activity.m_nChimeSet = chimeSets(activity.m_nChimeSet);
        activity.m_nDerivedChimeSet = chimeSets(activity.m_nDerivedChimeSet);
    }

    // 7. The participants of the entries.
    nextStage();
    for (CTimetableEntry& entry : m_arrEntries) {
        std::vector<CReplacement> replacements;
        replacements.reserve(entry.m_arrReplacements.size());
        for (CReplacement& replacement : entry.m_arrReplacements) {
            replacement.m_nEntity = entities(replacement.m_nEntity);
            replacement.m_nReplacing = entities(replacement.m_nReplacing);
            if (replacement.m_nEntity != 0) replacements.push_back(replacement);
        }
        entry.m_arrReplacements.swap(replacements);
        MapIds(entry.m_arrRooms, entities);
        MapPairs(entry.m_arrPairs, entities);
    }

    // 8. The entities' own references and the store's current records.
    nextStage();
    for (CEntity& entity : m_arrEntities) {
        entity.m_nDefaultPlace = entities(entity.m_nDefaultPlace);
        entity.m_nChimeSet = chimeSets(entity.m_nChimeSet);
    }
    m_nCurrentEntity = entities(m_nCurrentEntity);
    m_nCurrentChimeSet = chimeSets(m_nCurrentChimeSet);
    m_nDefaultChimeSet = chimeSets(m_nDefaultChimeSet);
    CIdMap::Apply(m_arrEntities);

    // 9. Keys; a key whose activity or entity is gone goes with it.
    nextStage();
    std::vector<CActivityKey> keys;
    keys.reserve(m_arrKeys.size());
    for (CActivityKey& key : m_arrKeys) {
        key.m_nEntity = entities(key.m_nEntity);
        key.m_nActivity = activities(key.m_nActivity);
        if (key.m_nEntity != 0 && key.m_nActivity != 0) keys.push_back(key);
    }
    m_arrKeys.swap(keys);

    // 10. The entries' activities; an entry of no activity goes.
    nextStage();
    for (CTimetableEntry& entry : m_arrEntries) entry.m_nActivity = activities(entry.m_nActivity);
    m_arrEntries.EraseIf([](const CTimetableEntry& entry) { return entry.m_nActivity == 0; });
    CIdMap::Apply(m_arrActivities);
    CIdMap::Apply(m_arrChimeSets);

    Host().HideProgress();
}
