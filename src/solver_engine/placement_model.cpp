#include "solver_engine/placement_model.h"

#include <algorithm>
#include <iterator>
#include <cmath>
#include <map>
#include <numeric>
#include <unordered_set>

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
    const std::size_t steps = static_cast<std::size_t>(m_nDays) * static_cast<std::size_t>(m_nStepsPerDay);

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

    // Everything that stays loads the counters as it stands.
    std::vector<std::pair<Variable, int>> staying;
    std::vector<std::pair<int, int>> uses;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        usesOf(entry, uses);  // makes every block known before the counters are sized
        if ((open && !entry.m_arrSlots.empty()) || !TakesUpTime(entry)) continue;
        const long long minutes = minutesOf(entry.m_dtStart);
        if (minutes < 0 || minutes / 1440 >= m_nDays) continue;
        Variable fixed;
        const auto a = tally.activityIndex.find(entry.m_nActivity);
        fixed.m_arrActivities.push_back(a != tally.activityIndex.end() ? a->second : -1);
        const int day = static_cast<int>(minutes / 1440);
        const int startStep = static_cast<int>(minutes / m_nStepMinutes);
        // A fixed entry that runs past midnight loads its own day to the end.
        const int length = std::min(stepsOf(entry), (day + 1) * m_nStepsPerDay - startStep);
        for (const auto& [resource, block] : uses) fixed.m_arrUses.push_back({resource, block, 1, length});
        staying.emplace_back(std::move(fixed), startStep);
    }
    // The blocks are all known now.
    m_arrLoad.assign(m_arrCapacity.size() * steps, 0);
    m_arrBlock.assign(tally.blockIndex.size() * steps, 0);
    m_arrPerDay.assign(m_arrDispersion.size() * static_cast<std::size_t>(std::max(m_nDays, 1)), 0);
    for (const auto& [fixed, startStep] : staying) AddLoad(fixed, startStep, +1, false);

    // A slot at which an entry alone already clashes with what stays is no choice.
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (!open || entry.m_arrSlots.empty()) continue;
        Variable alone;
        const auto a = tally.activityIndex.find(entry.m_nActivity);
        alone.m_arrActivities.push_back(a != tally.activityIndex.end() ? a->second : -1);
        usesOf(entry, uses);
        for (const auto& [resource, block] : uses) alone.m_arrUses.push_back({resource, block, 1, stepsOf(entry)});
        std::erase_if(entry.m_arrSlots, [&](const CCandidateSlot& slot) {
            const long long minutes = minutesOf(slot.m_dtStart);
            if (minutes < 0 || minutes % m_nStepMinutes != 0 || minutes / 1440 >= m_nDays) return false;
            return !AddLoad(alone, static_cast<int>(minutes / m_nStepMinutes), 0, true);
        });
    }

    // Linked entries: the activities of a group run in step. Those with the most entries (the
    // full ones) share every start; the others take some of those starts. A placed entry
    // without options pins the open entries of the full activities to its start.
    std::vector<std::vector<CTimetableEntry*>> bundles;
    std::unordered_set<const CTimetableEntry*> bundled;
    // The link of the bundles of full activities (by their first entry) and of short entries.
    std::unordered_map<const CTimetableEntry*, int> linkFull, linkShort;
    {
        std::unordered_map<int, std::vector<CTimetableEntry*>> entriesOf;
        for (CTimetableEntry& entry : data.m_arrEntries)
            if (!entry.m_bLinked) entriesOf[entry.m_nActivity].push_back(&entry);
        int link = 0;
        for (const auto& activities : LinkedActivities(data)) {
            if (!open) break;
            std::size_t most = 0;
            for (int id : activities) most = std::max(most, entriesOf[id].size());
            std::vector<std::vector<CTimetableEntry*>> loose(activities.size()), fixed(activities.size());
            std::vector<long long> fixedStarts;
            for (std::size_t i = 0; i < activities.size(); ++i) {
                for (CTimetableEntry* entry : entriesOf[activities[i]]) {
                    if (!entry->m_arrSlots.empty()) {
                        loose[i].push_back(entry);
                    } else if (IsPlaced(*entry)) {
                        fixed[i].push_back(entry);
                        fixedStarts.push_back(minutesOf(entry->m_dtStart));
                    }
                }
            }
            std::sort(fixedStarts.begin(), fixedStarts.end());
            fixedStarts.erase(std::unique(fixedStarts.begin(), fixedStarts.end()), fixedStarts.end());
            std::vector<long long> keptStarts;
            m_arrLinkSteps.emplace_back();
            auto keepStarts = [&](CTimetableEntry* entry, auto&& keeps) {
                std::erase_if(entry->m_arrSlots, [&](const CCandidateSlot& slot) { return !keeps(minutesOf(slot.m_dtStart)); });
            };
            for (long long start : fixedStarts) {
                std::vector<CTimetableEntry*> bundle;
                for (std::size_t i = 0; i < activities.size(); ++i) {
                    auto it = std::find_if(fixed[i].begin(), fixed[i].end(),
                                           [&](CTimetableEntry* e) { return minutesOf(e->m_dtStart) == start; });
                    if (it != fixed[i].end()) {
                        fixed[i].erase(it);
                    } else if (entriesOf[activities[i]].size() == most && !loose[i].empty()) {
                        // Preferably an entry that can start then.
                        auto pick = std::find_if(loose[i].begin(), loose[i].end(), [&](CTimetableEntry* e) {
                            return std::any_of(e->m_arrSlots.begin(), e->m_arrSlots.end(),
                                               [&](const CCandidateSlot& slot) { return minutesOf(slot.m_dtStart) == start; });
                        });
                        if (pick == loose[i].end()) pick = loose[i].begin();
                        bundle.push_back(*pick);
                        loose[i].erase(pick);
                    }
                }
                if (bundle.empty()) {
                    keptStarts.push_back(start);
                    continue;
                }
                linkFull.emplace(bundle.front(), link);
                for (CTimetableEntry* entry : bundle) {
                    keepStarts(entry, [&](long long minutes) { return minutes == start; });
                    bundled.insert(entry);
                }
                bundles.push_back(std::move(bundle));
            }
            std::size_t free = 0;  // bundles of the full activities still to be placed
            for (std::size_t i = 0; i < activities.size(); ++i)
                if (entriesOf[activities[i]].size() == most) free = std::max(free, loose[i].size());
            // Entries join the bundle that lacks their activity, shares no participant with them
            // outside a group block (an entry's own rooms differ from entry to entry) and has the
            // most starts in common with them.
            std::vector<std::vector<CTimetableEntry*>> made(free);
            std::vector<std::vector<std::pair<int, int>>> taken(free);
            std::vector<std::vector<long long>> common(free);
            std::vector<std::pair<int, int>> own;
            std::vector<long long> starts, both;
            // The activities whose entries have the fewest starts left choose first.
            std::vector<std::size_t> byChoice(activities.size());
            std::vector<std::size_t> slotsLeft(activities.size(), 0);
            for (std::size_t i = 0; i < activities.size(); ++i) {
                byChoice[i] = i;
                for (CTimetableEntry* entry : loose[i]) slotsLeft[i] += entry->m_arrSlots.size();
            }
            std::stable_sort(byChoice.begin(), byChoice.end(), [&](std::size_t a, std::size_t b) {
                return slotsLeft[a] * std::max<std::size_t>(loose[b].size(), 1) <
                       slotsLeft[b] * std::max<std::size_t>(loose[a].size(), 1);
            });
            for (std::size_t i : byChoice) {
                if (entriesOf[activities[i]].size() != most) continue;
                std::vector<bool> used(free, false);
                const std::size_t joining = std::min(loose[i].size(), free);
                for (std::size_t j = 0; j < joining; ++j) {
                    CTimetableEntry* entry = loose[i][j];
                    usesOf(*entry, own);
                    std::erase_if(own, [](const std::pair<int, int>& use) { return use.second >= 0; });
                    starts.clear();
                    for (const CCandidateSlot& slot : entry->m_arrSlots) starts.push_back(minutesOf(slot.m_dtStart));
                    std::sort(starts.begin(), starts.end());
                    std::size_t target = free;
                    long long score = -1;
                    for (std::size_t b = 0; b < free; ++b) {
                        if (used[b]) continue;
                        const bool clash = std::any_of(own.begin(), own.end(), [&](const std::pair<int, int>& use) {
                            return std::find(taken[b].begin(), taken[b].end(), use) != taken[b].end();
                        });
                        both.clear();
                        if (made[b].empty())
                            both = starts;
                        else
                            std::set_intersection(starts.begin(), starts.end(), common[b].begin(), common[b].end(),
                                                  std::back_inserter(both));
                        const long long value = (clash ? 0 : 1000000LL) + static_cast<long long>(both.size());
                        if (value > score) {
                            score = value;
                            target = b;
                        }
                    }
                    used[target] = true;
                    if (made[target].empty()) {
                        common[target] = starts;
                    } else {
                        both.clear();
                        std::set_intersection(starts.begin(), starts.end(), common[target].begin(), common[target].end(),
                                              std::back_inserter(both));
                        common[target] = both;
                    }
                    made[target].push_back(entry);
                    taken[target].insert(taken[target].end(), own.begin(), own.end());
                    bundled.insert(entry);
                }
            }
            for (auto& bundle : made) {
                if (bundle.empty()) continue;
                for (CTimetableEntry* entry : bundle) linkFull.emplace(entry, link);
                bundles.push_back(std::move(bundle));
            }
            // The open entries of a short activity take a start the full ones have: one where
            // they stay, or one a bundle of them gets during the search.
            for (std::size_t i = 0; i < activities.size(); ++i) {
                if (entriesOf[activities[i]].size() == most) continue;
                std::vector<long long> own;
                for (CTimetableEntry* entry : entriesOf[activities[i]])
                    if (entry->m_arrSlots.empty() && IsPlaced(*entry)) own.push_back(minutesOf(entry->m_dtStart));
                for (CTimetableEntry* entry : loose[i]) {
                    if (bundled.count(entry) != 0) continue;
                    keepStarts(entry, [&](long long minutes) {
                        return std::find(own.begin(), own.end(), minutes) == own.end();
                    });
                    linkShort.emplace(entry, link);
                }
            }
            for (long long start : keptStarts) m_arrLinkSteps[static_cast<std::size_t>(link)].push_back(StepOfMinutes(start));
            ++link;
        }
        m_arrLinkSteps.resize(static_cast<std::size_t>(link));
        for (CTimetableEntry& entry : data.m_arrEntries)
            if (open && !entry.m_arrSlots.empty() && bundled.count(&entry) == 0) bundles.push_back({&entry});
        // Variables follow the timetable order of their first entry.
        std::unordered_map<const CTimetableEntry*, std::size_t> position;
        for (std::size_t e = 0; e < data.m_arrEntries.size(); ++e) position.emplace(&data.m_arrEntries[e], e);
        for (auto& bundle : bundles)
            std::sort(bundle.begin(), bundle.end(),
                      [&](const CTimetableEntry* a, const CTimetableEntry* b) { return position[a] < position[b]; });
        std::sort(bundles.begin(), bundles.end(), [&](const auto& a, const auto& b) {
            return position[a.front()] < position[b.front()];
        });
    }

    for (auto& bundle : bundles) {
        Variable var;
        var.m_arrEntries = bundle;
        for (const CTimetableEntry* entry : bundle) {
            if (const auto full = linkFull.find(entry); full != linkFull.end()) {
                var.m_nLink = full->second;
                var.m_bLinkFull = true;
            } else if (const auto part = linkShort.find(entry); part != linkShort.end()) {
                var.m_nLink = part->second;
            }
        }
        std::map<std::pair<int, int>, Use> merged;
        // Starts every entry of the bundle has a slot at, with the slot of each.
        std::map<long long, std::vector<int>> common;
        for (std::size_t i = 0; i < bundle.size(); ++i) {
            const CTimetableEntry& entry = *bundle[i];
            const auto a = tally.activityIndex.find(entry.m_nActivity);
            var.m_arrActivities.push_back(a != tally.activityIndex.end() ? a->second : -1);
            var.m_dPressure += entry.m_dWorkWeight;
            usesOf(entry, uses);
            for (const auto& [resource, block] : uses) {
                const auto [it, fresh] = merged.try_emplace({resource, block});
                Use& use = it->second;
                if (fresh) {
                    use.m_nResource = resource;
                    use.m_nBlock = block;
                    use.m_nAmount = 0;
                    use.m_nSteps = 0;
                }
                // Entries of one group share a type-0 participant's block; others add up.
                if (block < 0 || use.m_nAmount == 0) ++use.m_nAmount;
                use.m_nSteps = std::max(use.m_nSteps, stepsOf(entry));
            }
            for (std::size_t s = 0; s < entry.m_arrSlots.size(); ++s) {
                const COleDateTime& start = entry.m_arrSlots[s].m_dtStart;
                if (start.GetStatus() != COleDateTime::valid) continue;
                std::vector<int>& slots = common[minutesOf(start)];
                if (slots.size() == i) slots.push_back(static_cast<int>(s));
            }
        }
        for (const auto& [key, use] : merged) var.m_arrUses.push_back(use);
        for (const auto& [minutes, slots] : common) {
            if (slots.size() != bundle.size() || minutes < 0 || minutes % m_nStepMinutes != 0) continue;
            Option option;
            option.m_nStep = static_cast<int>(minutes / m_nStepMinutes);
            option.m_nDay = option.m_nStep / m_nStepsPerDay;
            if (option.m_nDay >= m_nDays) continue;
            const bool inside = std::all_of(var.m_arrUses.begin(), var.m_arrUses.end(), [&](const Use& use) {
                return (option.m_nStep % m_nStepsPerDay) + use.m_nSteps <= m_nStepsPerDay;
            });
            if (!inside) continue;
            option.m_dtStart = bundle.front()->m_arrSlots[static_cast<std::size_t>(slots.front())].m_dtStart;
            option.m_arrSlots = slots;
            for (std::size_t i = 0; i < bundle.size(); ++i)
                option.m_dWeight += bundle[i]->m_arrSlots[static_cast<std::size_t>(slots[i])].m_dScore;
            var.m_arrOptions.push_back(std::move(option));
        }
        m_arrVariables.push_back(std::move(var));
    }

    m_arrLinkFull.resize(m_arrLinkSteps.size());
    m_arrLinkShort.resize(m_arrLinkSteps.size());
    for (int v = 0; v < VariableCount(); ++v) {
        const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
        if (var.m_nLink < 0) continue;
        (var.m_bLinkFull ? m_arrLinkFull : m_arrLinkShort)[static_cast<std::size_t>(var.m_nLink)].push_back(v);
    }

    // Neighbours: the variables that share a resource or an activity.
    std::unordered_map<long long, std::vector<int>> sharing;
    for (int v = 0; v < VariableCount(); ++v) {
        const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
        for (const Use& use : var.m_arrUses) sharing[KeyOf(0, use.m_nResource)].push_back(v);
        for (int a : var.m_arrActivities)
            if (a >= 0) sharing[KeyOf(1, a)].push_back(v);
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

bool CPlacementModel::LinkAllows(int v, int option, const std::vector<int>& options) const {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    if (var.m_nLink < 0 || var.m_bLinkFull) return true;
    const int step = var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep;
    const auto& kept = m_arrLinkSteps[static_cast<std::size_t>(var.m_nLink)];
    if (std::find(kept.begin(), kept.end(), step) != kept.end()) return true;
    for (int w : m_arrLinkFull[static_cast<std::size_t>(var.m_nLink)]) {
        const int o = static_cast<std::size_t>(w) < options.size() ? options[static_cast<std::size_t>(w)] : -1;
        if (o >= 0 && m_arrVariables[static_cast<std::size_t>(w)].m_arrOptions[static_cast<std::size_t>(o)].m_nStep == step)
            return true;
    }
    return false;
}

int CPlacementModel::StepOfMinutes(long long minutes) const { return static_cast<int>(minutes / m_nStepMinutes); }

int CPlacementModel::StepOf(const COleDateTime& t) const {
    return static_cast<int>(std::llround((COleDateTime::ToLinear(t.m_dt) - m_dBase) * 1440.0) / m_nStepMinutes);
}

bool CPlacementModel::AddLoad(const Variable& var, int step, int sign, bool check) const {
    const std::size_t steps = static_cast<std::size_t>(m_nDays) * static_cast<std::size_t>(m_nStepsPerDay);
    const int day = step / m_nStepsPerDay;
    for (const Use& use : var.m_arrUses) {
        const std::size_t row = static_cast<std::size_t>(use.m_nResource) * steps;
        const std::size_t blockRow = use.m_nBlock >= 0 ? static_cast<std::size_t>(use.m_nBlock) * steps : 0;
        const int cap = m_arrCapacity[static_cast<std::size_t>(use.m_nResource)];
        for (int k = step; k < step + use.m_nSteps; ++k) {
            if (k < 0 || static_cast<std::size_t>(k) >= steps) continue;
            std::uint16_t& load = m_arrLoad[row + static_cast<std::size_t>(k)];
            if (use.m_nBlock >= 0) {
                std::uint16_t& block = m_arrBlock[blockRow + static_cast<std::size_t>(k)];
                if (check) {
                    if (block == 0 && load + 1 > cap) return false;
                } else if (sign > 0) {
                    if (block++ == 0) ++load;
                } else if (--block == 0) {
                    --load;
                }
            } else if (check) {
                if (load + use.m_nAmount > cap) return false;
            } else {
                load = static_cast<std::uint16_t>(load + sign * use.m_nAmount);
            }
        }
    }
    for (std::size_t i = 0; i < var.m_arrActivities.size(); ++i) {
        const int a = var.m_arrActivities[i];
        if (a < 0) continue;
        const long long key = KeyOf(a, step);
        if (check) {
            const auto found = m_starts.find(key);
            if (found != m_starts.end() && found->second > 0) return false;
        } else {
            m_starts[key] += sign;
        }
        if (day < 0 || day >= m_nDays) continue;
        std::uint16_t& perDay = m_arrPerDay[static_cast<std::size_t>(a) * static_cast<std::size_t>(m_nDays) +
                                            static_cast<std::size_t>(day)];
        const int limit = m_arrDispersion[static_cast<std::size_t>(a)];
        if (check) {
            if (limit > 0 && perDay + 1 > limit) return false;
        } else {
            perDay = static_cast<std::uint16_t>(perDay + sign);
        }
    }
    return true;
}

bool CPlacementModel::Fits(int v, int option) const {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    return AddLoad(var, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep, 0, true);
}

void CPlacementModel::Place(int v, int option) {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    AddLoad(var, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep, +1, false);
}

void CPlacementModel::Unplace(int v, int option) {
    const Variable& var = m_arrVariables[static_cast<std::size_t>(v)];
    AddLoad(var, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep, -1, false);
}

void CPlacementModel::WriteStarts(const std::vector<int>& options) const {
    for (std::size_t v = 0; v < m_arrVariables.size() && v < options.size(); ++v) {
        if (options[v] < 0) continue;
        const Variable& var = m_arrVariables[v];
        const Option& option = var.m_arrOptions[static_cast<std::size_t>(options[v])];
        for (std::size_t i = 0; i < var.m_arrEntries.size(); ++i)
            var.m_arrEntries[i]->m_dtStart = var.m_arrEntries[i]->m_arrSlots[static_cast<std::size_t>(option.m_arrSlots[i])].m_dtStart;
    }
}

std::vector<int> CPlacementModel::ReadStarts() const {
    std::vector<int> options(m_arrVariables.size(), -1);
    for (std::size_t v = 0; v < m_arrVariables.size(); ++v) {
        const Variable& var = m_arrVariables[v];
        for (std::size_t o = 0; o < var.m_arrOptions.size() && options[v] < 0; ++o) {
            const Option& option = var.m_arrOptions[o];
            bool all = true;
            for (std::size_t i = 0; i < var.m_arrEntries.size() && all; ++i) {
                const CTimetableEntry& entry = *var.m_arrEntries[i];
                all = IsPlaced(entry) && StepOf(entry.m_dtStart) == option.m_nStep &&
                      CompareTimesApprox(entry.m_dtStart, entry.m_arrSlots[static_cast<std::size_t>(option.m_arrSlots[i])].m_dtStart) == 0;
            }
            if (all) options[v] = static_cast<int>(o);
        }
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
    for (const auto& [key, count] : model.m_starts) {
        (void)key;
        faults += std::max(0, count - 1);
    }
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
