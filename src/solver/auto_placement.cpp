#include "solver/auto_placement.h"

#include <cmath>
#include <unordered_map>
#include <vector>

#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

// An entry the solver moved: its start is no longer the start it had before it was moved.
bool WasMoved(const CTimetableEntry& entry) {
    return IsUnplacedDate(entry.m_dtUnmovedStart) || CompareTimesApprox(entry.m_dtStart, entry.m_dtUnmovedStart) != 0;
}

// A start to the minute, with every date that is not a placement as one key.
long long StartKey(const COleDateTime& start) {
    if (start.GetStatus() != COleDateTime::valid || IsUnplacedDate(start)) return -1;
    return std::llround(static_cast<double>(start) * 1440.0);
}

// Where an entry of an activity stood before the run.
struct PlaceBefore {
    long long key = 0;
    COleDateTime start;
    COleDateTime unmovedStart;
    COleDateTimeSpan length;
    int state = 2;
    bool taken = false;  // an entry of the activity still stands there, or went back there
};

// The places of the entries before the run, by activity. The snapshot the solver wizard takes
// holds them; without one the entries as they are now are the plan before.
std::unordered_map<int, std::vector<PlaceBefore>> PlacesBefore(const CScheduleData& data) {
    const CTimetableEntryArray* snapshot = data.GetUndoEntries();
    const CTimetableEntryArray& before = snapshot ? *snapshot : data.m_arrEntries;
    std::unordered_map<int, std::vector<PlaceBefore>> places;
    for (const CTimetableEntry& entry : before)
        places[entry.m_nActivity].push_back(
            {StartKey(entry.m_dtStart), entry.m_dtStart, entry.m_dtUnmovedStart, entry.m_tsLength, entry.m_nState});
    return places;
}

// Takes the place of the activity at the key, if one is free there.
bool TakePlaceAt(std::vector<PlaceBefore>& places, long long key) {
    for (PlaceBefore& place : places) {
        if (place.taken || place.key != key) continue;
        place.taken = true;
        return true;
    }
    return false;
}

// A free place of the activity for an entry that cannot stay where the run put it: one of the
// same length first.
PlaceBefore* FreePlaceFor(std::vector<PlaceBefore>& places, const CTimetableEntry& entry) {
    PlaceBefore* any = nullptr;
    for (PlaceBefore& place : places) {
        if (place.taken) continue;
        if (WholeMinutes(place.length) == WholeMinutes(entry.m_tsLength)) return &place;
        if (!any) any = &place;
    }
    return any;
}

// Whether an entry fits beside the entries placed so far. Only entries of the same day that
// involve one of the activity's members can stop it, so just those are handed to the store's
// test, which otherwise walks every placed entry for every entry of the pass.
class CPlacementProbe {
public:
    CPlacementProbe(CScheduleData& data, CTimetableEntryArray& pool) : m_data(data), m_pool(pool), m_placed(pool.size(), 0) {
        // The positions an entity's entries have in the pool, read from an index of the pool
        // while it stands in the store.
        m_data.m_arrEntries.swap(m_pool);
        {
            const CPlanIndex index(m_data);
            CPlanIndex::Positions positions;
            for (const CEntity& entity : m_data.m_arrEntities) {
                positions.clear();
                index.GetEntriesInvolving(entity.m_nId, positions);
                if (!positions.empty()) m_involving.emplace(entity.m_nId, positions);
            }
        }
        m_data.m_arrEntries.swap(m_pool);
        m_inProbe.assign(m_pool.size(), 0);
    }

    void SetPlaced(std::size_t position) { m_placed[position] = 1; }

    bool CanPlace(std::size_t position) {
        const CTimetableEntry& entry = m_pool[position];
        const auto activity = m_data.FindActivity(entry.m_nActivity);
        if (activity != m_data.m_arrActivities.end()) {
            for (const int member : activity->m_arrMembers) {
                const auto found = m_involving.find(member);
                if (found == m_involving.end()) continue;
                for (const std::size_t p : found->second) {
                    if (!m_placed[p] || m_inProbe[p] || !IsSameDay(m_pool[p].m_dtStart, entry.m_dtStart)) continue;
                    m_inProbe[p] = 1;
                    m_taken.push_back(p);
                }
            }
        }
        CTimetableEntryArray probe;
        probe.reserve(m_taken.size());
        for (const std::size_t p : m_taken) probe.push_back(std::move(m_pool[p]));
        m_data.m_arrEntries.swap(probe);
        const bool fits = m_data.CanPlaceEntry(entry.m_nActivity, 0, entry) != 0;
        m_data.m_arrEntries.swap(probe);
        for (std::size_t i = 0; i < m_taken.size(); ++i) {
            m_pool[m_taken[i]] = std::move(probe[i]);
            m_inProbe[m_taken[i]] = 0;
        }
        m_taken.clear();
        return fits;
    }

private:
    CScheduleData& m_data;
    CTimetableEntryArray& m_pool;
    std::vector<char> m_placed;
    std::vector<char> m_inProbe;
    std::vector<std::size_t> m_taken;
    std::unordered_map<int, CPlanIndex::Positions> m_involving;
};

}  // namespace

bool CompareCandidateCount(const CTimetableEntry& a, const CTimetableEntry& b) {
    return a.m_arrSlots.size() < b.m_arrSlots.size();
}

int RunAutoPlacement(CScheduleData& data) {
    IModelHost& host = data.Host();
    host.BeginWaitCursor();
    IProgress& progress = host.ShowProgress(LoadResString(IDS_AUTO_PLACEMENT_PROGRESS));
    progress.SetRange(0, static_cast<int>(data.m_arrEntries.size()));
    progress.SetPos(0);
    progress.SetStep(1);

    std::unordered_map<int, std::vector<PlaceBefore>> before = PlacesBefore(data);
    CTimetableEntryArray pool;
    pool.swap(data.m_arrEntries);
    pool.StableSort(CompareCandidateCount);

    // An entry standing where an entry of its activity stood before the run is one the plan
    // held; the others the run moved or made.
    std::vector<char> held(pool.size(), 0);
    for (std::size_t i = 0; i < pool.size(); ++i)
        held[i] = TakePlaceAt(before[pool[i].m_nActivity], StartKey(pool[i].m_dtStart));

    CPlacementProbe probe(data, pool);
    std::vector<char> kept(pool.size(), 0);
    int returned = 0;
    const bool dated = !data.HasDefaultStartDate();
    for (std::size_t i = 0; i < pool.size(); ++i) {
        CTimetableEntry& entry = pool[i];
        progress.StepIt();
        if (!IsUnplacedDate(entry.m_dtStart)) {
            if (!probe.CanPlace(i)) {
                // An entry of the plan stays where it was, and the plan check reports the clash.
                // One the run moved goes back to where its activity's entry stood before the
                // run; one the run made, with no such place left, is left out.
                if (!held[i]) {
                    PlaceBefore* place = FreePlaceFor(before[entry.m_nActivity], entry);
                    if (!place) continue;
                    place->taken = true;
                    entry.m_dtStart = place->start;
                    entry.m_dtUnmovedStart = place->unmovedStart;
                    entry.m_tsLength = place->length;
                    entry.m_nState = place->state;
                    ++returned;
                }
            } else if (dated && WasMoved(entry)) {
                entry.SetState(4);
                entry.m_dtUnmovedStart = GetUnplacedDate();
            }
        }
        kept[i] = 1;
        probe.SetPlaced(i);
    }
    for (std::size_t i = 0; i < pool.size(); ++i)
        if (kept[i]) data.m_arrEntries.push_back(std::move(pool[i]));

    data.RebuildEntityItems(2);
    host.HideProgress();
    host.EndWaitCursor();
    RecheckAndRefresh(data, TRUE);
    if (returned > 0) {
        CString text;
        text.Format(LoadResString(IDS_AUTO_PLACEMENT_RETURNED), returned);
        data.Answerer().Ask(text, LoadResString(IDS_APP_CAPTION), MessageButtons::Ok, MessageIcon::Information);
    }
    return returned;
}
