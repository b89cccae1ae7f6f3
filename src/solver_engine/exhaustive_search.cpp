#include "solver_engine/exhaustive_search.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_log.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

CExhaustiveSearch::CExhaustiveSearch(CScheduleData& data, const CSolverWork& work, CSolverControl& control,
                                     ISolverSink& sink, int limit)
    : m_data(data), m_work(work), m_control(control), m_sink(sink), m_nLimit(limit), m_model(data) {
    const int count = m_model.VariableCount();
    m_arrAssigned.assign(static_cast<std::size_t>(count), -1);
    m_arrStruck.resize(static_cast<std::size_t>(count));
    m_arrLive.assign(static_cast<std::size_t>(count), 0);
    m_arrFailures.assign(static_cast<std::size_t>(count), 0);
    // Options that clash with what stays go for good; an entry left with none is not searched.
    for (int v = 0; v < count; ++v) {
        const auto options = m_model.GetVariable(v).m_arrOptions.size();
        auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
        struck.assign(options, 0);
        int live = 0;
        for (std::size_t o = 0; o < options; ++o) {
            if (m_model.Fits(v, static_cast<int>(o)))
                ++live;
            else
                struck[o] = -1;
        }
        m_arrLive[static_cast<std::size_t>(v)] = live;
        if (live > 0)
            m_arrSearched.push_back(v);
        else
            ++m_nUnplaceable;
    }
    m_nOpen = static_cast<int>(m_arrSearched.size());
    CountOpenLinks();
}

void CExhaustiveSearch::CountOpenLinks() {
    m_arrOpenBundles.assign(static_cast<std::size_t>(m_model.LinkCount()), 0);
    for (int link = 0; link < m_model.LinkCount(); ++link) {
        for (int v : m_model.LinkFullVariables(link))
            m_arrOpenBundles[static_cast<std::size_t>(link)] += m_arrLive[static_cast<std::size_t>(v)] > 0;
        if (m_arrOpenBundles[static_cast<std::size_t>(link)] > 0) continue;
        // Nothing of the link moves: its short entries take starts where its full activities stay.
        for (int v : m_model.LinkShortVariables(link)) {
            auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
            int& live = m_arrLive[static_cast<std::size_t>(v)];
            for (std::size_t o = 0; o < struck.size(); ++o) {
                if (struck[o] != 0 || m_model.LinkAllows(v, static_cast<int>(o), m_arrAssigned)) continue;
                struck[o] = -1;
                if (--live == 0) {
                    std::erase(m_arrSearched, v);
                    ++m_nUnplaceable;
                }
            }
        }
    }
    m_nOpen = static_cast<int>(m_arrSearched.size());
}

bool CExhaustiveSearch::StrikeUnlinked(int link) {
    bool left = true;
    for (int v : m_model.LinkShortVariables(link)) {
        if (m_arrAssigned[static_cast<std::size_t>(v)] != -1 || m_arrLive[static_cast<std::size_t>(v)] == 0) continue;
        auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
        for (std::size_t o = 0; o < struck.size(); ++o) {
            if (struck[o] != 0 || m_model.LinkAllows(v, static_cast<int>(o), m_arrAssigned)) continue;
            struck[o] = m_nDepth + 1;  // above 0 also outside the search
            m_arrTrail.emplace_back(v, static_cast<int>(o));
            if (--m_arrLive[static_cast<std::size_t>(v)] == 0) {
                ++m_arrFailures[static_cast<std::size_t>(v)];
                left = false;
            }
        }
        if (!left) return false;
    }
    return true;
}

bool CExhaustiveSearch::ShouldStop() const {
    return !m_control.IsRunning() || m_dBestCost == 0.0 || m_nCounter > m_nLimit ||
           m_nNodesSinceComplete > kNodesPerLimit * std::max(m_nLimit, 1);
}

int CExhaustiveSearch::ChooseVariable() const {
    int best = -1;
    for (int v : m_arrSearched) {
        if (m_arrAssigned[static_cast<std::size_t>(v)] != -1) continue;
        const auto& var = m_model.GetVariable(v);
        if (var.m_nLink >= 0 && !var.m_bLinkFull && m_arrOpenBundles[static_cast<std::size_t>(var.m_nLink)] > 0)
            continue;
        if (best < 0) {
            best = v;
            continue;
        }
        // Fewest options left first, for each time the entry took part in a dead end; among
        // equals the entry under the most pressure.
        const long long a = static_cast<long long>(m_arrLive[static_cast<std::size_t>(v)]) *
                            (1 + m_arrFailures[static_cast<std::size_t>(best)]);
        const long long b = static_cast<long long>(m_arrLive[static_cast<std::size_t>(best)]) *
                            (1 + m_arrFailures[static_cast<std::size_t>(v)]);
        if (a < b || (a == b && m_model.GetVariable(v).m_dPressure > m_model.GetVariable(best).m_dPressure))
            best = v;
    }
    return best;
}

void CExhaustiveSearch::OrderOptions(Frame& frame) {
    const auto& struck = m_arrStruck[static_cast<std::size_t>(frame.m_nVariable)];
    frame.m_arrOrder.clear();
    for (std::size_t o = 0; o < struck.size(); ++o)
        if (struck[o] == 0) frame.m_arrOrder.push_back(static_cast<int>(o));
    // The options that clash least with the other entries' options first.
    // After a restart, options of nearly the same weight come in a new order.
    const auto& options = m_model.GetVariable(frame.m_nVariable).m_arrOptions;
    m_arrKeys.resize(options.size());
    for (int o : frame.m_arrOrder) {
        double key = options[static_cast<std::size_t>(o)].m_dWeight;
        if (m_nRestarts > 0) key += 0.5 * static_cast<double>(m_random() % 1000) / 1000.0;
        m_arrKeys[static_cast<std::size_t>(o)] = key;
    }
    std::stable_sort(frame.m_arrOrder.begin(), frame.m_arrOrder.end(), [&](int a, int b) {
        return m_arrKeys[static_cast<std::size_t>(a)] < m_arrKeys[static_cast<std::size_t>(b)];
    });
}

bool CExhaustiveSearch::Choose(int v, int option) {
    const std::size_t mark = m_arrTrail.size();
    m_model.Place(v, option);
    m_arrAssigned[static_cast<std::size_t>(v)] = option;
    ++m_nDepth;
    const auto& var = m_model.GetVariable(v);
    if (var.m_bLinkFull && --m_arrOpenBundles[static_cast<std::size_t>(var.m_nLink)] == 0 &&
        !StrikeUnlinked(var.m_nLink)) {
        ++m_arrFailures[static_cast<std::size_t>(v)];
        TakeBack(v, option, mark);
        return false;
    }
    const int day = m_model.GetVariable(v).m_arrOptions[static_cast<std::size_t>(option)].m_nDay;
    for (int n : m_model.GetVariable(v).m_arrNeighbours) {
        if (m_arrAssigned[static_cast<std::size_t>(n)] != -1 || m_arrLive[static_cast<std::size_t>(n)] == 0) continue;
        const auto& options = m_model.GetVariable(n).m_arrOptions;
        auto& struck = m_arrStruck[static_cast<std::size_t>(n)];
        for (std::size_t o = 0; o < options.size(); ++o) {
            // Loads, starts and the per-day limit are all of one day.
            if (struck[o] != 0 || options[o].m_nDay != day || m_model.Fits(n, static_cast<int>(o))) continue;
            struck[o] = m_nDepth;
            m_arrTrail.emplace_back(n, static_cast<int>(o));
            if (--m_arrLive[static_cast<std::size_t>(n)] == 0) {
                ++m_arrFailures[static_cast<std::size_t>(n)];
                ++m_arrFailures[static_cast<std::size_t>(v)];
                TakeBack(v, option, mark);
                return false;
            }
        }
    }
    return true;
}

void CExhaustiveSearch::TakeBack(int v, int option, std::size_t mark) {
    while (m_arrTrail.size() > mark) {
        const auto [n, o] = m_arrTrail.back();
        m_arrTrail.pop_back();
        m_arrStruck[static_cast<std::size_t>(n)][static_cast<std::size_t>(o)] = 0;
        ++m_arrLive[static_cast<std::size_t>(n)];
    }
    m_model.Unplace(v, option);
    m_arrAssigned[static_cast<std::size_t>(v)] = -1;
    --m_nDepth;
    const auto& var = m_model.GetVariable(v);
    if (var.m_bLinkFull) ++m_arrOpenBundles[static_cast<std::size_t>(var.m_nLink)];
}

double CExhaustiveSearch::CostOfCurrent() {
    m_model.WriteStarts(m_arrAssigned);
    if (m_arrMoving.empty() && m_dFixedCost < 0.0) {
        // Only the entities in open entries can cost differently from one placement to the next:
        // the rest is taken once.
        std::unordered_set<int> moving;
        for (int v = 0; v < m_model.VariableCount(); ++v)
            for (const CTimetableEntry* entry : m_model.GetVariable(v).m_arrEntries) {
                const auto activity = m_data.FindActivity(entry->m_nActivity);
                if (activity != m_data.m_arrActivities.end())
                    moving.insert(activity->m_arrMembers.begin(), activity->m_arrMembers.end());
            }
        RefreshEntityItems(m_data);
        m_dFixedCost = 0.0;
        for (CEntity& entity : m_data.m_arrEntities) {
            if (moving.count(entity.m_nId) != 0) {
                m_arrMoving.push_back(&entity);
                m_arrMovingPlanned.push_back(entity.SumActivityTime(m_data));
            } else
                m_dFixedCost += CostEntityHoursOf(m_data, entity, 100.0);
        }
        for (const CGroupHourLimit& limit : m_work.m_arrGroupHourLimits) {
            if (moving.count(limit.m_nEntity) != 0)
                m_arrMovingLimits.push_back(&limit);
            else
                m_dFixedCost += CostGroupHoursOverLimitOf(m_data, limit, 500.0);
        }
    }
    double cost = m_dFixedCost;
    for (std::size_t i = 0; i < m_arrMoving.size(); ++i) {
        CEntity& entity = *m_arrMoving[i];
        entity.RefreshItemTimes(m_data);
        SortEntityItems(entity);
        cost += CostEntityHoursOf(m_data, entity, 100.0, m_arrMovingPlanned[i]);
    }
    for (const CGroupHourLimit* limit : m_arrMovingLimits) cost += CostGroupHoursOverLimitOf(m_data, *limit, 500.0);
    return cost;
}

bool CExhaustiveSearch::SolverBranchAndBound() {
    std::vector<Frame> stack;
    int placed = 0;
    auto complete = [&] {
        m_nNodesSinceComplete = 0;
        const double cost = CostOfCurrent();
        if (m_dBestCost < 0.0 || cost < m_dBestCost) {
            m_arrBest = m_arrAssigned;
            m_dBestCost = cost;
            m_nCounter = 0;
            m_sink.OnImproved(0, static_cast<long long>(cost));
        } else {
            ++m_nCounter;
        }
    };
    auto push = [&] {
        Frame frame;
        frame.m_nVariable = ChooseVariable();
        OrderOptions(frame);
        stack.push_back(std::move(frame));
    };
    auto unwind = [&] {
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if (it->m_nChosen >= 0) TakeBack(it->m_nVariable, it->m_nChosen, it->m_nTrailMark);
        stack.clear();
        placed = 0;
    };
    if (m_nOpen == 0) {
        complete();
        return true;
    }
    // Until the first complete placement the search starts again now and then with what the
    // dead ends taught it: a search that went wrong near the root rarely recovers by going back.
    long long restartLength = kFirstRestart;
    long long restartAt = restartLength;
    push();
    while (!stack.empty()) {
        ++m_nNodes;
        ++m_nNodesSinceComplete;
        m_control.m_nEvaluations.fetch_add(1, std::memory_order_relaxed);
        if (ShouldStop()) break;
        if (m_dBestCost < 0.0 && m_nNodesSinceComplete >= restartAt) {
            unwind();
            ++m_nRestarts;
            restartLength += restartLength / 2;
            restartAt = m_nNodesSinceComplete + restartLength;
            push();
            continue;
        }
        Frame& frame = stack.back();
        if (frame.m_nChosen >= 0) {
            TakeBack(frame.m_nVariable, frame.m_nChosen, frame.m_nTrailMark);
            frame.m_nChosen = -1;
            --placed;
        }
        if (frame.m_nNext >= frame.m_arrOrder.size()) {
            stack.pop_back();
            continue;
        }
        const int option = frame.m_arrOrder[frame.m_nNext++];
        if (!m_model.Fits(frame.m_nVariable, option)) continue;
        frame.m_nTrailMark = m_arrTrail.size();
        if (!Choose(frame.m_nVariable, option)) continue;
        frame.m_nChosen = option;
        ++placed;
        if (placed > m_nDeepest) {
            m_nDeepest = placed;
            m_arrDeepest = m_arrAssigned;
        }
        m_control.SetProgress(placed);
        if (placed == m_nOpen)
            complete();
        else
            push();
    }
    // Leave the counters as they were before the search.
    unwind();
    return m_dBestCost >= 0.0;
}

std::vector<int> CExhaustiveSearch::GreedyPlacement() {
    std::vector<std::pair<int, int>> chosen;
    std::vector<int> result(m_arrAssigned.size(), -1);
    for (;;) {
        const int v = ChooseVariable();
        if (v < 0) break;
        Frame frame;
        frame.m_nVariable = v;
        OrderOptions(frame);
        int taken = -1;
        for (int option : frame.m_arrOrder) {
            if (m_model.Fits(v, option) && Choose(v, option)) {
                taken = option;
                break;
            }
        }
        if (taken < 0) {
            // Nothing fits without leaving another entry empty: the first option that fits at
            // all, else none; either way the entry is decided.
            for (int option : frame.m_arrOrder) {
                if (!m_model.Fits(v, option)) continue;
                m_model.Place(v, option);
                taken = option;
                break;
            }
            m_arrAssigned[static_cast<std::size_t>(v)] = taken >= 0 ? taken : -2;
            // The link's short entries may follow once its bundles are decided.
            const auto& var = m_model.GetVariable(v);
            if (var.m_bLinkFull && --m_arrOpenBundles[static_cast<std::size_t>(var.m_nLink)] == 0)
                StrikeUnlinked(var.m_nLink);
        }
        result[static_cast<std::size_t>(v)] = taken;
        chosen.emplace_back(v, taken);
    }
    // Take everything back so that the search could still run from the start.
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        if (it->second >= 0) m_model.Unplace(it->first, it->second);
        m_arrAssigned[static_cast<std::size_t>(it->first)] = -1;
    }
    m_arrTrail.clear();
    for (std::size_t v = 0; v < m_arrStruck.size(); ++v) {
        int live = 0;
        for (int& s : m_arrStruck[v]) {
            if (s > 0) s = 0;
            live += s == 0;
        }
        m_arrLive[v] = live;
    }
    m_nDepth = 0;
    CountOpenLinks();
    return result;
}

std::vector<int> CExhaustiveSearch::RepairPlacement(std::vector<int> options) {
    options.resize(m_arrAssigned.size(), -1);
    std::vector<int> placed(options.size(), -1);
    std::vector<int> moving;
    // The entries of short linked activities after the rest: they start where bundles are.
    auto waits = [&](int v) {
        const auto& var = m_model.GetVariable(v);
        return var.m_nLink >= 0 && !var.m_bLinkFull;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int v = 0; v < m_model.VariableCount(); ++v) {
            if (waits(v) != (pass == 1)) continue;
            const int o = options[static_cast<std::size_t>(v)];
            if (o >= 0 && m_model.Fits(v, o) && m_model.LinkAllows(v, o, placed)) {
                m_model.Place(v, o);
                placed[static_cast<std::size_t>(v)] = o;
            } else {
                moving.push_back(v);
            }
        }
    }
    // The variables with the fewest options first, as the search takes them.
    std::stable_sort(moving.begin(), moving.end(), [&](int a, int b) {
        if (waits(a) != waits(b)) return waits(b);
        return m_arrLive[static_cast<std::size_t>(a)] < m_arrLive[static_cast<std::size_t>(b)];
    });
    for (int v : moving) {
        const auto& list = m_model.GetVariable(v).m_arrOptions;
        int lightest = -1;
        for (std::size_t o = 0; o < list.size(); ++o) {
            if (m_arrStruck[static_cast<std::size_t>(v)][o] != 0 || !m_model.Fits(v, static_cast<int>(o)) ||
                !m_model.LinkAllows(v, static_cast<int>(o), placed))
                continue;
            if (lightest < 0 || list[o].m_dWeight < list[static_cast<std::size_t>(lightest)].m_dWeight)
                lightest = static_cast<int>(o);
        }
        if (lightest < 0) continue;
        m_model.Place(v, lightest);
        placed[static_cast<std::size_t>(v)] = lightest;
    }
    for (int v = 0; v < m_model.VariableCount(); ++v)
        if (placed[static_cast<std::size_t>(v)] >= 0) m_model.Unplace(v, placed[static_cast<std::size_t>(v)]);
    return placed;
}

bool RunExhaustiveSearch(CScheduleData& data, CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                         int limit) {
    CExhaustiveSearch search(data, work, control, sink, limit);
    int entries = 0;
    for (int v = 0; v < search.Model().VariableCount(); ++v)
        entries += static_cast<int>(search.Model().GetVariable(v).m_arrEntries.size());
    control.m_nProgressRange.store(search.Model().VariableCount() - search.m_nUnplaceable);
    control.SetProgress(0);
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_STARTED));
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_SEARCH_ENTRIES, entries));
    const bool found = search.SolverBranchAndBound();
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_FINISHED));
    if (found) {
        search.Model().WriteStarts(search.m_arrBest);
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_SEARCH_APPLIED, FormatNow(L"%d/%m/%Y %H:%M").GetString()));
        return true;
    }
    // Without a complete placement a partial one is better than nothing: the deepest the search
    // reached or the best of a few greedy descents (after restarts each draws its option order
    // anew), each with whatever still fits added; the one that places the most entries. A run
    // stopped before it placed anything changes nothing.
    if (search.m_nDeepest > 0 || control.IsRunning()) {
        // Nothing was written yet: the entries stand as before the run.
        const int faultsBefore = CPlacementModel::CountHardFaults(data);
        const auto entriesPlaced = [&](const std::vector<int>& options) {
            int n = 0;
            for (int v = 0; v < search.Model().VariableCount(); ++v)
                if (options[static_cast<std::size_t>(v)] >= 0)
                    n += static_cast<int>(search.Model().GetVariable(v).m_arrEntries.size());
            return n;
        };
        std::vector<int> partial = search.RepairPlacement(search.m_arrDeepest);
        int placed = entriesPlaced(partial);
        const int passes = search.m_nRestarts > 0 ? CExhaustiveSearch::kGreedyPasses : 1;
        for (int pass = 0; pass < passes && control.IsRunning(); ++pass) {
            std::vector<int> greedy = search.RepairPlacement(search.GreedyPlacement());
            const int n = entriesPlaced(greedy);
            if (n <= placed) continue;
            partial = std::move(greedy);
            placed = n;
        }
        if (placed > 0) {
            if (WritePlacement(data, work, search.Model(), partial) <= faultsBefore) {
                sink.AddLogLine(FormatLogLine(IDS_SOLVER_SEARCH_PARTIAL, placed, entries - placed));
                return true;
            }
            RestoreUnsolvedEntries(data, work);
            sink.AddLogLine(LoadResString(IDS_SOLVER_RESULT_REFUSED));
            return false;
        }
    }
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_FAILED));
    RestoreUnsolvedEntries(data, work);
    return false;
}

int WritePlacement(CScheduleData& data, const CSolverWork& work, const CPlacementModel& model,
                   const std::vector<int>& options) {
    model.WriteStarts(options);
    std::unordered_map<std::uint64_t, const CEntryBefore*> before;
    for (const CEntryBefore& b : work.m_arrBefore) before.emplace(b.m_nSerial, &b);
    for (int v = 0; v < model.VariableCount(); ++v) {
        if (static_cast<std::size_t>(v) < options.size() && options[static_cast<std::size_t>(v)] >= 0) continue;
        for (CTimetableEntry* entry : model.GetVariable(v).m_arrEntries) {
            const auto it = before.find(entry->GetSerial());
            if (it != before.end()) entry->m_dtStart = it->second->m_dtStart;
        }
    }
    return CPlacementModel::CountHardFaults(data);
}

void RestoreUnsolvedEntries(CScheduleData& data, const CSolverWork& work) {
    for (const CEntryBefore& before : work.m_arrBefore) {
        const auto entry = data.FindEntryBySerial(before.m_nSerial);
        if (entry == data.m_arrEntries.end()) continue;
        entry->m_dtStart = before.m_dtStart;
        entry->m_dtUnmovedStart = before.m_dtUnmovedStart;
    }
    const std::unordered_set<std::uint64_t> created(work.m_arrCreated.begin(), work.m_arrCreated.end());
    data.m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        return created.count(entry.GetSerial()) != 0 && IsUnplacedDate(entry.m_dtStart);
    });
}
