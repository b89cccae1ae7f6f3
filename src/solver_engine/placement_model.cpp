#include "solver_engine/placement_model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

bool IsPlaced(const CTimetableEntry& entry) {
    return entry.m_dtStart.GetStatus() == COleDateTime::valid && !IsUnplacedDate(entry.m_dtStart);
}

// Whether the entry occupies its participants: placed and not called off.
bool TakesUpTime(const CTimetableEntry& entry) { return IsPlaced(entry) && !entry.m_bLinked; }

long long KeyOf(int a, int b) { return (static_cast<long long>(a) << 32) | static_cast<unsigned>(b); }

}  // namespace

// What the constructor learns of the document before it builds variables.
struct CPlacementModel::Tally {
    std::unordered_map<int, int> activityIndex;  // activity id -> dense index
    std::unordered_map<int, int> resourceIndex;  // entity id -> resource
    std::unordered_map<long long, int> blockIndex;  // (resource, group) -> block
};

CPlacementModel::CPlacementModel(CScheduleData& data, bool open) : m_data(data) {
    Tally tally;
    for (std::size_t a = 0; a < data.m_arrActivities.size(); ++a) {
        const CActivity& activity = data.m_arrActivities[a];
        tally.activityIndex.emplace(activity.m_nId, static_cast<int>(a));
        m_arrDispersion.push_back(data.m_nSolverOption != 0 ? std::max(activity.m_nDispersion, 0) : 0);
    }
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.m_bUnavailable || entity.m_nOverlaps <= 0) continue;
        if (tally.resourceIndex.emplace(entity.m_nId, static_cast<int>(m_arrCapacity.size())).second)
            m_arrCapacity.push_back(entity.m_nOverlaps);
    }
    m_nDays = std::clamp(data.m_nDays, 0, kMaxPlanDays);
    const COleDateTime first = data.GetStartDate();
    m_dBase = COleDateTime::ToLinear(COleDateTime(first.GetYear(), first.GetMonth(), first.GetDay(), 0, 0, 0).m_dt);

    // The step divides every start and length that is counted, so loads are exact.
    auto minutesOf = [&](const COleDateTime& t) {
        return std::llround((COleDateTime::ToLinear(t.m_dt) - m_dBase) * 1440.0);
    };
    long long step = 1440;
    auto divide = [&](long long minutes) { step = std::gcd(step, std::llabs(minutes) % 1440); };
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        for (const CCandidateSlot& slot : entry.m_arrSlots)
            if (slot.m_dtStart.GetStatus() == COleDateTime::valid) divide(minutesOf(slot.m_dtStart));
        if (TakesUpTime(entry) || !entry.m_arrSlots.empty()) {
            divide(WholeMinutes(entry.m_tsLength.m_span));
            if (TakesUpTime(entry)) divide(minutesOf(entry.m_dtStart));
        }
    }
    m_nStepMinutes = static_cast<int>(std::max<long long>(step, 1));
    m_nStepsPerDay = 1440 / m_nStepMinutes;

    // The participants of an entry that have a limit, each once, with the block of its group for
    // a type-0 participant: another activity of the same group may run beside it.
    auto usesOf = [&](const CTimetableEntry& entry, std::vector<std::pair<int, int>>& out) {
        out.clear();
        const auto activity = data.FindActivity(entry.m_nActivity);
        const int group = activity != data.m_arrActivities.end() ? activity->m_nGroup : 0;
        auto add = [&](int id) {
            const auto r = tally.resourceIndex.find(id);
            if (r == tally.resourceIndex.end()) return;
            int block = -1;
            const auto entity = data.FindEntity(id);
            if (group != 0 && entity != data.m_arrEntities.end() && entity->m_nType == 0) {
                block = tally.blockIndex.emplace(KeyOf(r->second, group), static_cast<int>(tally.blockIndex.size()))
                            .first->second;
            }
            const std::pair<int, int> use(r->second, block);
            if (std::find(out.begin(), out.end(), use) == out.end()) out.push_back(use);
        };
        if (activity != data.m_arrActivities.end())
            for (int id : activity->m_arrMembers) add(id);
        for (const CReplacement& replacement : entry.m_arrReplacements) add(replacement.m_nEntity);
        // The rooms the entry books as the room roles read them: its own, else its activity's;
        // every room of a list counts, as each may be the one taken.
        if (activity == data.m_arrActivities.end() || !activity->m_strLocation.IsEmpty()) return;
        for (const CRoomPair& pair : entry.m_arrPairs) add(pair.m_nRoom);
        for (int id : entry.m_arrRooms) add(id);
        if (!entry.m_arrRooms.empty()) return;
        for (const CRoomPair& pair : activity->m_arrPairs) add(pair.m_nRoom);
        for (int id : activity->m_arrRooms) add(id);
    };
    auto stepsOf = [&](const CTimetableEntry& entry) {
        const int minutes = std::max(WholeMinutes(entry.m_tsLength.m_span), 1);
        return (minutes + m_nStepMinutes - 1) / m_nStepMinutes;
    };

    // The links: per dense activity its link and whether it is one of the link's full ones.
    std::vector<int> linkOf(data.m_arrActivities.size(), -1);
    std::vector<bool> fullOf(data.m_arrActivities.size(), false);
    if (open) {
        std::unordered_map<int, int> entriesOf;
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (!entry.m_bLinked) ++entriesOf[entry.m_nActivity];
        for (const auto& activities : LinkedActivities(data)) {
            Link link;
            for (int id : activities) link.m_nStarts = std::max(link.m_nStarts, entriesOf[id]);
            const int index = static_cast<int>(m_arrLinks.size());
            for (int id : activities) {
                const int a = tally.activityIndex.at(id);
                linkOf[static_cast<std::size_t>(a)] = index;
                fullOf[static_cast<std::size_t>(a)] = entriesOf[id] == link.m_nStarts;
                if (fullOf[static_cast<std::size_t>(a)]) link.m_arrFull.push_back(a);
            }
            m_arrLinks.push_back(std::move(link));
        }
    }
    const auto activityOf = [&](const CTimetableEntry& entry) {
        const auto a = tally.activityIndex.find(entry.m_nActivity);
        return a != tally.activityIndex.end() ? a->second : -1;
    };
    const auto linkOfEntry = [&](const CTimetableEntry& entry) {
        const int a = activityOf(entry);
        return a >= 0 && !entry.m_bLinked ? linkOf[static_cast<std::size_t>(a)] : -1;
    };

    // Everything that stays loads the counters as it stands.
    struct Staying {
        std::vector<Use> uses;
        int activity = -1;
        int link = -1;
        int step = 0;
    };
    std::vector<Staying> staying;
    std::vector<std::pair<int, int>> uses;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        usesOf(entry, uses);  // makes every block known before the counters are sized
        if ((open && !entry.m_arrSlots.empty()) || !TakesUpTime(entry)) continue;
        const long long minutes = minutesOf(entry.m_dtStart);
        if (minutes < 0 || minutes / 1440 >= m_nDays) continue;
        Staying fixed;
        fixed.activity = activityOf(entry);
        fixed.link = linkOfEntry(entry);
        const int day = static_cast<int>(minutes / 1440);
        fixed.step = static_cast<int>(minutes / m_nStepMinutes);
        // A fixed entry that runs past midnight loads its own day to the end.
        const int length = std::min(stepsOf(entry), (day + 1) * m_nStepsPerDay - fixed.step);
        for (const auto& [resource, block] : uses) fixed.uses.push_back({resource, block, length});
        staying.push_back(std::move(fixed));
    }
    // The blocks are all known now.
    const std::size_t steps = StepCount();
    m_arrLoad.assign(m_arrCapacity.size() * steps, 0);
    m_arrBlock.assign(tally.blockIndex.size() * steps, 0);
    m_arrPerDay.assign(m_arrDispersion.size() * static_cast<std::size_t>(std::max(m_nDays, 1)), 0);
    m_arrStarts.assign(m_arrDispersion.size() * steps, 0);
    m_arrLinkLoad.assign(m_arrLinks.size() * steps, 0);
    m_arrLinkSteps.assign(m_arrLinks.size(), {});
    for (const Staying& fixed : staying) AddLoad(fixed.uses, fixed.activity, fixed.link, fixed.step, +1, false);

    // Each open entry: a slot at which it alone already clashes with what stays is no choice.
    m_arrActivityVariables.assign(data.m_arrActivities.size(), {});
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (!open || entry.m_arrSlots.empty()) continue;
        Variable var;
        var.m_pEntry = &entry;
        var.m_nActivity = activityOf(entry);
        var.m_nLink = linkOfEntry(entry);
        var.m_bLinkFull = var.m_nLink >= 0 && fullOf[static_cast<std::size_t>(var.m_nActivity)];
        var.m_dPressure = entry.m_dWorkWeight;
        const int length = stepsOf(entry);
        usesOf(entry, uses);
        for (const auto& [resource, block] : uses) var.m_arrUses.push_back({resource, block, length});
        std::erase_if(entry.m_arrSlots, [&](const CCandidateSlot& slot) {
            const long long minutes = minutesOf(slot.m_dtStart);
            if (minutes < 0 || minutes % m_nStepMinutes != 0 || minutes / 1440 >= m_nDays) return false;
            return !AddLoad(var.m_arrUses, var.m_nActivity, -1, static_cast<int>(minutes / m_nStepMinutes), 0, true);
        });
        // One option per start, the first slot there; only starts that leave the lesson inside its day.
        for (std::size_t s = 0; s < entry.m_arrSlots.size(); ++s) {
            const CCandidateSlot& slot = entry.m_arrSlots[s];
            if (slot.m_dtStart.GetStatus() != COleDateTime::valid) continue;
            const long long minutes = minutesOf(slot.m_dtStart);
            if (minutes < 0 || minutes % m_nStepMinutes != 0 || minutes / 1440 >= m_nDays) continue;
            Option option;
            option.m_nStep = static_cast<int>(minutes / m_nStepMinutes);
            option.m_nDay = option.m_nStep / m_nStepsPerDay;
            if ((option.m_nStep % m_nStepsPerDay) + length > m_nStepsPerDay) continue;
            option.m_dtStart = slot.m_dtStart;
            option.m_nSlot = static_cast<int>(s);
            option.m_dWeight = slot.m_dScore;
            var.m_arrOptions.push_back(std::move(option));
        }
        std::stable_sort(var.m_arrOptions.begin(), var.m_arrOptions.end(),
                         [](const Option& a, const Option& b) { return a.m_nStep < b.m_nStep; });
        var.m_arrOptions.erase(std::unique(var.m_arrOptions.begin(), var.m_arrOptions.end(),
                                           [](const Option& a, const Option& b) { return a.m_nStep == b.m_nStep; }),
                               var.m_arrOptions.end());
        const int v = VariableCount();
        if (var.m_nActivity >= 0) m_arrActivityVariables[static_cast<std::size_t>(var.m_nActivity)].push_back(v);
        if (var.m_nLink >= 0) m_arrLinks[static_cast<std::size_t>(var.m_nLink)].m_arrVariables.push_back(v);
        m_arrVariables.push_back(std::move(var));
    }

    // Classes: an entry joins the first entry of its activity with the same uses and starts.
    const auto sameUses = [](const Use& a, const Use& b) {
        return a.m_nResource == b.m_nResource && a.m_nBlock == b.m_nBlock && a.m_nSteps == b.m_nSteps;
    };
    const auto sameStep = [](const Option& a, const Option& b) { return a.m_nStep == b.m_nStep; };
    for (int v = 0; v < VariableCount(); ++v) {
        Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
        var.m_nClass = v;
        if (var.m_nActivity < 0) continue;
        for (int w : m_arrActivityVariables[static_cast<std::size_t>(var.m_nActivity)]) {
            if (w >= v) break;
            const Variable& other = m_arrVariables[static_cast<std::size_t>(w)];
            if (other.m_nClass != w) continue;
            if (std::equal(var.m_arrUses.begin(), var.m_arrUses.end(), other.m_arrUses.begin(), other.m_arrUses.end(),
                           sameUses) &&
                std::equal(var.m_arrOptions.begin(), var.m_arrOptions.end(), other.m_arrOptions.begin(),
                           other.m_arrOptions.end(), sameStep)) {
                var.m_nClass = w;
                break;
            }
        }
    }

    // Neighbours: the variables that share a resource or an activity.
    std::unordered_map<long long, std::vector<int>> sharing;
    for (int v = 0; v < VariableCount(); ++v) {
        const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
        for (const Use& use : var.m_arrUses) sharing[KeyOf(0, use.m_nResource)].push_back(v);
        if (var.m_nActivity >= 0) sharing[KeyOf(1, var.m_nActivity)].push_back(v);
    }
    for (const auto& [key, list] : sharing) {
        (void)key;
        for (int v : list) {
            auto& neighbours = m_arrVariables[static_cast<std::size_t>(v)].m_arrNeighbours;
            for (int w : list)
                if (w != v) neighbours.push_back(w);
        }
    }
    for (Variable& var : m_arrVariables) {
        std::sort(var.m_arrNeighbours.begin(), var.m_arrNeighbours.end());
        var.m_arrNeighbours.erase(std::unique(var.m_arrNeighbours.begin(), var.m_arrNeighbours.end()),
                                  var.m_arrNeighbours.end());
    }
}

int CPlacementModel::OptionAt(int v, int step) const {
    const auto& options = m_arrVariables[static_cast<std::size_t>(v)].m_arrOptions;
    const auto it = std::lower_bound(options.begin(), options.end(), step,
                                     [](const Option& option, int s) { return option.m_nStep < s; });
    return it != options.end() && it->m_nStep == step ? static_cast<int>(it - options.begin()) : -1;
}

bool CPlacementModel::Starts(int activity, int step) const {
    return m_arrStarts[static_cast<std::size_t>(activity) * StepCount() + static_cast<std::size_t>(step)] > 0;
}

std::size_t CPlacementModel::StepCount() const {
    return static_cast<std::size_t>(m_nDays) * static_cast<std::size_t>(m_nStepsPerDay);
}

int CPlacementModel::StepOf(const COleDateTime& t) const {
    return static_cast<int>(std::llround((COleDateTime::ToLinear(t.m_dt) - m_dBase) * 1440.0) / m_nStepMinutes);
}

bool CPlacementModel::AddLoad(const std::vector<Use>& uses, int activity, int link, int step, int sign,
                              bool check) const {
    const std::size_t steps = StepCount();
    const int day = step / m_nStepsPerDay;
    for (const Use& use : uses) {
        const std::size_t row = static_cast<std::size_t>(use.m_nResource) * steps;
        const std::size_t blockRow = use.m_nBlock >= 0 ? static_cast<std::size_t>(use.m_nBlock) * steps : 0;
        const int cap = m_arrCapacity[static_cast<std::size_t>(use.m_nResource)];
        for (int k = step; k < step + use.m_nSteps; ++k) {
            if (k < 0 || static_cast<std::size_t>(k) >= steps) continue;
            std::uint16_t& load = m_arrLoad[row + static_cast<std::size_t>(k)];
            if (use.m_nBlock >= 0) {
                // Entries of one group share a type-0 participant's block.
                std::uint16_t& block = m_arrBlock[blockRow + static_cast<std::size_t>(k)];
                if (check) {
                    if (block == 0 && load + 1 > cap) return false;
                } else if (sign > 0) {
                    if (block++ == 0) ++load;
                } else if (--block == 0) {
                    --load;
                }
            } else if (check) {
                if (load + 1 > cap) return false;
            } else {
                load = static_cast<std::uint16_t>(load + sign);
            }
        }
    }
    if (step < 0 || static_cast<std::size_t>(step) >= steps) return true;
    if (activity >= 0) {
        std::uint16_t& starts = m_arrStarts[static_cast<std::size_t>(activity) * steps + static_cast<std::size_t>(step)];
        std::uint16_t& perDay = m_arrPerDay[static_cast<std::size_t>(activity) * static_cast<std::size_t>(m_nDays) +
                                            static_cast<std::size_t>(day)];
        const int limit = m_arrDispersion[static_cast<std::size_t>(activity)];
        if (check) {
            if (starts > 0 || (limit > 0 && perDay + 1 > limit)) return false;
        } else {
            starts = static_cast<std::uint16_t>(starts + sign);
            perDay = static_cast<std::uint16_t>(perDay + sign);
        }
    }
    if (link >= 0) {
        // A start the link does not have yet counts against its full activities' entries.
        std::uint16_t& load = m_arrLinkLoad[static_cast<std::size_t>(link) * steps + static_cast<std::size_t>(step)];
        std::vector<int>& linkSteps = m_arrLinkSteps[static_cast<std::size_t>(link)];
        if (check) {
            if (load == 0 && static_cast<int>(linkSteps.size()) >= m_arrLinks[static_cast<std::size_t>(link)].m_nStarts)
                return false;
        } else if (sign > 0) {
            if (load++ == 0) linkSteps.push_back(step);
        } else if (--load == 0) {
            std::erase(linkSteps, step);
        }
    }
    return true;
}

bool CPlacementModel::Fits(int v, int option) const {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    return AddLoad(var.m_arrUses, var.m_nActivity, var.m_nLink,
                   var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep, 0, true);
}

void CPlacementModel::Place(int v, int option) {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    AddLoad(var.m_arrUses, var.m_nActivity, var.m_nLink, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep,
            +1, false);
}

void CPlacementModel::Unplace(int v, int option) {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    AddLoad(var.m_arrUses, var.m_nActivity, var.m_nLink, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep,
            -1, false);
}

void CPlacementModel::WriteStarts(const std::vector<int>& options) const {
    for (std::size_t v = 0; v < m_arrVariables.size() && v < options.size(); ++v) {
        if (options[v] < 0) continue;
        const Variable& var = m_arrVariables[v];
        const Option& option = var.m_arrOptions[static_cast<std::size_t>(options[v])];
        var.m_pEntry->m_dtStart = var.m_pEntry->m_arrSlots[static_cast<std::size_t>(option.m_nSlot)].m_dtStart;
    }
}

std::vector<int> CPlacementModel::ReadStarts() const {
    std::vector<int> options(m_arrVariables.size(), -1);
    for (std::size_t v = 0; v < m_arrVariables.size(); ++v) {
        const CTimetableEntry& entry = *m_arrVariables[v].m_pEntry;
        if (!IsPlaced(entry)) continue;
        const int o = OptionAt(static_cast<int>(v), StepOf(entry.m_dtStart));
        if (o >= 0 && CompareTimesApprox(entry.m_dtStart, m_arrVariables[v].m_arrOptions[static_cast<std::size_t>(o)].m_dtStart) == 0)
            options[v] = o;
    }
    return options;
}

int CPlacementModel::CountHardFaults(CScheduleData& data) {
    const CPlacementModel model(data, false);
    long long faults = 0;
    const std::size_t steps = static_cast<std::size_t>(model.m_nDays) * static_cast<std::size_t>(model.m_nStepsPerDay);
    for (std::size_t r = 0; r < model.m_arrCapacity.size(); ++r)
        for (std::size_t k = 0; k < steps; ++k)
            faults += std::max(0, model.m_arrLoad[r * steps + k] - model.m_arrCapacity[r]);
    for (const std::uint16_t count : model.m_arrStarts) faults += std::max(0, count - 1);
    for (std::size_t a = 0; a < model.m_arrDispersion.size(); ++a) {
        const int limit = model.m_arrDispersion[a];
        if (limit <= 0) continue;
        for (int d = 0; d < model.m_nDays; ++d)
            faults += std::max(0, model.m_arrPerDay[a * static_cast<std::size_t>(model.m_nDays) + static_cast<std::size_t>(d)] - limit);
    }
    faults += CountLinkFaults(data);
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (!TakesUpTime(entry)) continue;
        const COleDateTime end = entry.GetEndTime();
        std::vector<int> participants;
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end()) participants = activity->m_arrMembers;
        participants.insert(participants.end(), entry.m_arrRooms.begin(), entry.m_arrRooms.end());
        for (const CReplacement& replacement : entry.m_arrReplacements) participants.push_back(replacement.m_nEntity);
        const bool away = std::any_of(participants.begin(), participants.end(), [&](int id) {
            const auto entity = data.FindEntity(id);
            return entity != data.m_arrEntities.end() && !entity->m_bUnavailable &&
                   !entity->IsAvailable(data, entry.m_dtStart, end);
        });
        faults += away;
    }
    return static_cast<int>(std::min<long long>(faults, 1000000000LL));
}

std::vector<std::vector<int>> CPlacementModel::LinkedActivities(const CScheduleData& data) {
    std::map<int, std::vector<int>> groups;
    for (const CActivity& activity : data.m_arrActivities)
        if (activity.m_nGroup != 0) groups[activity.m_nGroup].push_back(activity.m_nId);
    std::vector<std::vector<int>> linked;
    for (auto& [group, activities] : groups)
        if (activities.size() > 1) linked.push_back(std::move(activities));
    return linked;
}

int CPlacementModel::CountLinkFaults(const CScheduleData& data) {
    std::unordered_map<int, std::vector<const CTimetableEntry*>> entriesOf;
    for (const CTimetableEntry& entry : data.m_arrEntries)
        if (!entry.m_bLinked) entriesOf[entry.m_nActivity].push_back(&entry);
    int faults = 0;
    for (const auto& activities : LinkedActivities(data)) {
        std::size_t most = 0;
        for (int id : activities) most = std::max(most, entriesOf[id].size());
        // Each placed entry whose start a full activity of the group does not have, nor could
        // still get from an entry of its own that is not placed yet.
        std::vector<std::vector<COleDateTime>> full;
        for (int id : activities) {
            if (entriesOf[id].size() != most) continue;
            std::vector<COleDateTime> starts;
            for (const CTimetableEntry* entry : entriesOf[id])
                if (IsPlaced(*entry)) starts.push_back(entry->m_dtStart);
            if (starts.size() == most) full.push_back(std::move(starts));
        }
        for (int id : activities) {
            for (const CTimetableEntry* entry : entriesOf[id]) {
                if (!IsPlaced(*entry)) continue;
                faults += std::any_of(full.begin(), full.end(), [&](const std::vector<COleDateTime>& starts) {
                    return std::none_of(starts.begin(), starts.end(),
                                        [&](const COleDateTime& t) { return CompareTimesApprox(t, entry->m_dtStart) == 0; });
                });
            }
        }
    }
    return faults;
}
