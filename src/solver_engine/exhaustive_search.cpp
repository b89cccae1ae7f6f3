#include "solver_engine/exhaustive_search.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"
#include "solver_engine/ejection_repair.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_log.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

namespace {
using Option = CPlacementModel::Option;
}  // namespace

CExhaustiveSearch::CExhaustiveSearch(CScheduleData& data, const CSolverWork& work, CSolverControl& control,
                                     ISolverSink& sink, int limit)
    : m_data(data), m_work(work), m_control(control), m_sink(sink), m_nLimit(limit), m_model(data) {
    const int count = m_model.VariableCount();
    m_arrAssigned.assign(static_cast<std::size_t>(count), -1);
    m_arrStruck.resize(static_cast<std::size_t>(count));
    m_arrLive.assign(static_cast<std::size_t>(count), 0);
    m_arrFailures.assign(static_cast<std::size_t>(count), 0);
    m_arrClassSeen.assign(static_cast<std::size_t>(count), -1);
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
    }
    // Starts of a link that one of its full activities cannot take go for good from all its entries.
    m_arrBlockNeed.assign(static_cast<std::size_t>(m_model.BlockCount()), 0);
    m_arrIsDirty.assign(static_cast<std::size_t>(m_model.ResourceCount()), 0);
    for (int pass = 0; pass < 2; ++pass) {
        m_arrSearched.clear();
        for (int v = 0; v < count; ++v)
            if (m_arrLive[static_cast<std::size_t>(v)] > 0) m_arrSearched.push_back(v);
        // A full activity of a link that cannot place all its entries need not fill every start.
        m_arrSpare.assign(m_data.m_arrActivities.size(), 0);
        for (int link = 0; link < m_model.LinkCount(); ++link) {
            for (int a : m_model.GetLink(link).m_arrFull) {
                int& spare = m_arrSpare[static_cast<std::size_t>(a)];
                spare = m_model.GetLink(link).m_nStarts;
                for (int step : m_model.LinkSteps(link)) spare -= m_model.Starts(a, step);
                for (int v : m_model.ActivityVariables(a)) spare -= m_arrLive[static_cast<std::size_t>(v)] > 0;
            }
        }
        RecountUnits();
        if (pass == 1) break;
        for (int link = 0; link < m_model.LinkCount(); ++link)
            for (int v : m_model.GetLink(link).m_arrVariables)
                for (const auto& option : m_model.GetVariable(v).m_arrOptions) m_arrSupport.emplace_back(link, option.m_nStep);
        HoldSupport();
        for (const auto& [v, o] : m_arrTrail) m_arrStruck[static_cast<std::size_t>(v)][static_cast<std::size_t>(o)] = -1;
        m_arrTrail.clear();
    }
    m_nUnplaceable = count - static_cast<int>(m_arrSearched.size());
    m_nOpen = static_cast<int>(m_arrSearched.size());
    // A class in a full activity of a link holds its block of the group at every start the
    // activity gets.
    for (int link = 0; link < m_model.LinkCount(); ++link) {
        for (int a : m_model.GetLink(link).m_arrFull) {
            const int starts = m_model.GetLink(link).m_nStarts - m_arrSpare[static_cast<std::size_t>(a)];
            for (int v : m_model.ActivityVariables(a))
                for (const auto& use : m_model.GetVariable(v).m_arrUses)
                    if (use.m_nBlock >= 0)
                        m_arrBlockNeed[static_cast<std::size_t>(use.m_nBlock)] =
                            std::max(m_arrBlockNeed[static_cast<std::size_t>(use.m_nBlock)], starts);
        }
    }
    m_arrResourceVariables.assign(static_cast<std::size_t>(m_model.ResourceCount()), {});
    for (int v : m_arrSearched)
        for (const auto& use : m_model.GetVariable(v).m_arrUses)
            m_arrResourceVariables[static_cast<std::size_t>(use.m_nResource)].push_back(v);
    RecountUnits();
}

void CExhaustiveSearch::MarkDirty(int resource) {
    if (m_arrIsDirty[static_cast<std::size_t>(resource)]) return;
    m_arrIsDirty[static_cast<std::size_t>(resource)] = 1;
    m_arrDirty.push_back(resource);
}

void CExhaustiveSearch::Cover(int v, int option, int sign) {
    const auto& var = m_model.GetVariable(v);
    const int step = var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep;
    const int steps = static_cast<int>(m_model.StepCount());
    for (const auto& use : var.m_arrUses) {
        const int r = use.m_nResource;
        for (int k = std::max(step, 0); k < step + use.m_nSteps && k < steps; ++k) {
            int& cover = m_arrCover[static_cast<std::size_t>(r) * static_cast<std::size_t>(steps) + static_cast<std::size_t>(k)];
            if (sign < 0 ? --cover == 0 : cover++ == 0)
                m_arrAvail[static_cast<std::size_t>(r)] += sign * std::max(0, m_model.Free(r, k));
        }
        MarkDirty(r);
    }
}

void CExhaustiveSearch::Release(int v, int sign) {
    const auto& var = m_model.GetVariable(v);
    const auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
    for (std::size_t o = 0; o < struck.size(); ++o)
        if (struck[o] == 0) Cover(v, static_cast<int>(o), sign);
    for (const auto& use : var.m_arrUses)
        if (use.m_nBlock < 0) m_arrDemand[static_cast<std::size_t>(use.m_nResource)] += sign * use.m_nSteps;
}

void CExhaustiveSearch::LoadUnits(int v, int option, int sign) {
    const auto& var = m_model.GetVariable(v);
    const int step = var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep;
    const int steps = static_cast<int>(m_model.StepCount());
    const auto covered = [&](int r, int k) {
        return m_arrCover[static_cast<std::size_t>(r) * static_cast<std::size_t>(steps) + static_cast<std::size_t>(k)] > 0;
    };
    std::vector<char>& held = m_arrHeld;
    held.clear();
    for (const auto& use : var.m_arrUses) {
        for (int k = std::max(step, 0); k < step + use.m_nSteps && k < steps; ++k) {
            if (covered(use.m_nResource, k))
                m_arrAvail[static_cast<std::size_t>(use.m_nResource)] -= std::max(0, m_model.Free(use.m_nResource, k));
            if (use.m_nBlock >= 0) held.push_back(m_model.BlockLoad(use.m_nBlock, k) > 0);
        }
    }
    if (sign > 0)
        m_model.Place(v, option);
    else
        m_model.Unplace(v, option);
    std::size_t i = 0;
    for (const auto& use : var.m_arrUses) {
        const int r = use.m_nResource;
        for (int k = std::max(step, 0); k < step + use.m_nSteps && k < steps; ++k) {
            if (covered(r, k)) m_arrAvail[static_cast<std::size_t>(r)] += std::max(0, m_model.Free(r, k));
            if (use.m_nBlock < 0) continue;
            const bool now = m_model.BlockLoad(use.m_nBlock, k) > 0;
            if (now == static_cast<bool>(held[i++])) continue;
            const int need = m_arrBlockNeed[static_cast<std::size_t>(use.m_nBlock)];
            int& n = m_arrBlockSteps[static_cast<std::size_t>(use.m_nBlock)];
            const int before = std::max(0, need - n);
            n += now ? 1 : -1;
            m_arrDemand[static_cast<std::size_t>(r)] += std::max(0, need - n) - before;
        }
        MarkDirty(r);
    }
}

void CExhaustiveSearch::Occupy(int v, int option) {
    Release(v, -1);
    LoadUnits(v, option, +1);
}

void CExhaustiveSearch::Vacate(int v, int option) {
    LoadUnits(v, option, -1);
    Release(v, +1);
}

void CExhaustiveSearch::RecountUnits() {
    const std::size_t steps = m_model.StepCount();
    const std::size_t resources = static_cast<std::size_t>(m_model.ResourceCount());
    m_arrCover.assign(resources * steps, 0);
    m_arrAvail.assign(resources, 0);
    m_arrDemand.assign(resources, 0);
    m_arrBlockSteps.assign(static_cast<std::size_t>(m_model.BlockCount()), 0);
    for (int v : m_arrSearched) {
        if (m_arrAssigned[static_cast<std::size_t>(v)] != -1) continue;
        const auto& var = m_model.GetVariable(v);
        const auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
        for (std::size_t o = 0; o < struck.size(); ++o) {
            if (struck[o] != 0) continue;
            const int step = var.m_arrOptions[o].m_nStep;
            for (const auto& use : var.m_arrUses)
                for (int k = std::max(step, 0); k < step + use.m_nSteps && static_cast<std::size_t>(k) < steps; ++k)
                    ++m_arrCover[static_cast<std::size_t>(use.m_nResource) * steps + static_cast<std::size_t>(k)];
        }
        for (const auto& use : var.m_arrUses)
            if (use.m_nBlock < 0) m_arrDemand[static_cast<std::size_t>(use.m_nResource)] += use.m_nSteps;
    }
    for (std::size_t r = 0; r < resources; ++r)
        for (std::size_t k = 0; k < steps; ++k)
            if (m_arrCover[r * steps + k] > 0)
                m_arrAvail[r] += std::max(0, m_model.Free(static_cast<int>(r), static_cast<int>(k)));
    for (int b = 0; b < m_model.BlockCount(); ++b) {
        int& n = m_arrBlockSteps[static_cast<std::size_t>(b)];
        for (std::size_t k = 0; k < steps; ++k) n += m_model.BlockLoad(b, static_cast<int>(k)) > 0;
        m_arrDemand[static_cast<std::size_t>(m_model.BlockResource(b))] +=
            std::max(0, m_arrBlockNeed[static_cast<std::size_t>(b)] - n);
    }
    for (int r : m_arrDirty) m_arrIsDirty[static_cast<std::size_t>(r)] = 0;
    m_arrDirty.clear();
}

bool CExhaustiveSearch::UnitsSuffice() {
    bool suffice = true;
    for (int r : m_arrDirty) {
        m_arrIsDirty[static_cast<std::size_t>(r)] = 0;
        if (m_arrAvail[static_cast<std::size_t>(r)] < m_arrDemand[static_cast<std::size_t>(r)]) suffice = false;
    }
    m_arrDirty.clear();
    return suffice;
}

bool CExhaustiveSearch::ShouldStop() const {
    return !m_control.IsRunning() || m_dBestCost == 0.0 || m_nCounter > m_nLimit ||
           m_nNodesSinceComplete > kNodesPerLimit * std::max(m_nLimit, 1);
}

int CExhaustiveSearch::ChooseVariable() {
    const long long look = ++m_nLooks;
    int best = -1;
    for (int v : m_arrSearched) {
        if (m_arrAssigned[static_cast<std::size_t>(v)] != -1) continue;
        // The first open entry of a class stands for the others, which have the same options.
        long long& seen = m_arrClassSeen[static_cast<std::size_t>(m_model.GetVariable(v).m_nClass)];
        if (seen == look) continue;
        seen = look;
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

bool CExhaustiveSearch::NextDecision(Frame& frame) {
    frame.m_arrOrder.clear();
    const int best = ChooseVariable();
    // Fills, when they have no more alternatives than the best entry has options: the start of
    // a link that a full activity lacks, and a free step of a resource whose open entries need
    // every unit it has left. Either must get one of the entries that can take it.
    std::size_t most = best >= 0 ? static_cast<std::size_t>(m_arrLive[static_cast<std::size_t>(best)]) : m_arrLive.size();
    bool filling = false;
    const auto collect = [&](int v, int option, long long look) {
        if (m_arrAssigned[static_cast<std::size_t>(v)] != -1 || m_arrLive[static_cast<std::size_t>(v)] == 0 || option < 0 ||
            m_arrStruck[static_cast<std::size_t>(v)][static_cast<std::size_t>(option)] != 0)
            return;
        long long& seen = m_arrClassSeen[static_cast<std::size_t>(m_model.GetVariable(v).m_nClass)];
        if (seen == look) return;
        seen = look;
        m_arrFill.emplace_back(v, option);
    };
    for (int link = 0; link < m_model.LinkCount() && most > 1; ++link) {
        const auto& steps = m_model.LinkSteps(link);
        if (steps.empty()) continue;
        for (int a : m_model.GetLink(link).m_arrFull) {
            if (m_arrSpare[static_cast<std::size_t>(a)] > 0) continue;
            for (int step : steps) {
                if (m_model.Starts(a, step)) continue;
                const long long look = ++m_nLooks;
                m_arrFill.clear();
                for (int v : m_model.ActivityVariables(a)) collect(v, m_model.OptionAt(v, step), look);
                if (m_arrFill.empty()) return false;
                if (m_arrFill.size() > most || (filling && m_arrFill.size() == most)) continue;
                most = m_arrFill.size();
                filling = true;
                frame.m_arrOrder.swap(m_arrFill);
            }
        }
    }
    // The resource step with the fewest live options of open entries over it.
    const std::size_t steps = m_model.StepCount();
    int resource = -1, at = -1;
    for (int r = 0; r < m_model.ResourceCount() && most > 1; ++r) {
        if (m_arrDemand[static_cast<std::size_t>(r)] == 0 ||
            m_arrAvail[static_cast<std::size_t>(r)] != m_arrDemand[static_cast<std::size_t>(r)])
            continue;
        for (std::size_t k = 0; k < steps; ++k) {
            const int cover = m_arrCover[static_cast<std::size_t>(r) * steps + k];
            if (cover == 0 || static_cast<std::size_t>(cover) >= most || m_model.Free(r, static_cast<int>(k)) <= 0) continue;
            most = static_cast<std::size_t>(cover);
            resource = r;
            at = static_cast<int>(k);
        }
    }
    if (resource >= 0) {
        const long long look = ++m_nLooks;
        m_arrFill.clear();
        for (int v : m_arrResourceVariables[static_cast<std::size_t>(resource)]) {
            const auto& var = m_model.GetVariable(v);
            int length = 1;
            for (const auto& use : var.m_arrUses)
                if (use.m_nResource == resource) length = use.m_nSteps;
            for (int step = std::max(at - length + 1, 0); step <= at; ++step) collect(v, m_model.OptionAt(v, step), look);
        }
        if (m_arrFill.empty()) return false;
        filling = true;
        frame.m_arrOrder.swap(m_arrFill);
    }
    if (filling) {
        // The entries with the fewest options first: they have the least choice elsewhere.
        m_arrKeys.resize(std::max(m_arrKeys.size(), m_arrLive.size()));
        for (const auto& [v, option] : frame.m_arrOrder) {
            double key = m_arrLive[static_cast<std::size_t>(v)];
            if (m_nRestarts > 0) key += static_cast<double>(m_random() % 1000) / 1000.0;
            m_arrKeys[static_cast<std::size_t>(v)] = key;
        }
        std::stable_sort(frame.m_arrOrder.begin(), frame.m_arrOrder.end(), [&](const auto& x, const auto& y) {
            return m_arrKeys[static_cast<std::size_t>(x.first)] < m_arrKeys[static_cast<std::size_t>(y.first)];
        });
    } else if (best >= 0) {
        OrderOptions(best, frame.m_arrOrder);
    }
    return true;
}

void CExhaustiveSearch::OrderOptions(int v, std::vector<std::pair<int, int>>& order) {
    const auto& struck = m_arrStruck[static_cast<std::size_t>(v)];
    order.clear();
    for (std::size_t o = 0; o < struck.size(); ++o)
        if (struck[o] == 0) order.emplace_back(v, static_cast<int>(o));
    // Where the entry's link starts already first: such a start needs an entry of each full
    // activity anyway, a new one takes one of the link's starts. Then the options that clash
    // least with the other entries' options; after a restart, options of nearly the same weight
    // come in a new order.
    const auto& var = m_model.GetVariable(v);
    const auto& options = var.m_arrOptions;
    m_arrKeys.resize(std::max(m_arrKeys.size(), options.size()));
    for (const auto& [w, o] : order) {
        const Option& option = options[static_cast<std::size_t>(o)];
        double key = option.m_dWeight;
        if (m_nRestarts > 0) key += 0.5 * static_cast<double>(m_random() % 1000) / 1000.0;
        m_arrKeys[static_cast<std::size_t>(o)] = key;
    }
    const auto opens = [&](int o) {
        if (var.m_nLink < 0) return false;
        const auto& steps = m_model.LinkSteps(var.m_nLink);
        return std::find(steps.begin(), steps.end(), options[static_cast<std::size_t>(o)].m_nStep) == steps.end();
    };
    std::stable_sort(order.begin(), order.end(), [&](const auto& x, const auto& y) {
        const bool a = opens(x.second), b = opens(y.second);
        if (a != b) return b;
        return m_arrKeys[static_cast<std::size_t>(x.second)] < m_arrKeys[static_cast<std::size_t>(y.second)];
    });
}

void CExhaustiveSearch::Strike(int v, int option) {
    m_arrStruck[static_cast<std::size_t>(v)][static_cast<std::size_t>(option)] = m_nDepth + 1;  // above 0 also outside the search
    m_arrTrail.emplace_back(v, option);
    --m_arrLive[static_cast<std::size_t>(v)];
    Cover(v, option, -1);
    const auto& var = m_model.GetVariable(v);
    if (var.m_bLinkFull && m_arrSpare[static_cast<std::size_t>(var.m_nActivity)] == 0)
        m_arrSupport.emplace_back(var.m_nLink, var.m_arrOptions[static_cast<std::size_t>(option)].m_nStep);
}

bool CExhaustiveSearch::HoldSupport() {
    while (!m_arrSupport.empty()) {
        const auto [link, step] = m_arrSupport.back();
        m_arrSupport.pop_back();
        const auto supported = [&](int a) {
            if (m_arrSpare[static_cast<std::size_t>(a)] > 0 || m_model.Starts(a, step)) return true;
            for (int w : m_model.ActivityVariables(a)) {
                if (m_arrAssigned[static_cast<std::size_t>(w)] != -1 || m_arrLive[static_cast<std::size_t>(w)] == 0) continue;
                const int o = m_model.OptionAt(w, step);
                if (o >= 0 && m_arrStruck[static_cast<std::size_t>(w)][static_cast<std::size_t>(o)] == 0) return true;
            }
            return false;
        };
        const auto& full = m_model.GetLink(link).m_arrFull;
        if (std::all_of(full.begin(), full.end(), supported)) continue;
        const auto& steps = m_model.LinkSteps(link);
        bool held = std::find(steps.begin(), steps.end(), step) == steps.end();
        for (int w : m_model.GetLink(link).m_arrVariables) {
            if (!held) break;
            if (m_arrAssigned[static_cast<std::size_t>(w)] != -1 || m_arrLive[static_cast<std::size_t>(w)] == 0) continue;
            const int o = m_model.OptionAt(w, step);
            if (o < 0 || m_arrStruck[static_cast<std::size_t>(w)][static_cast<std::size_t>(o)] != 0) continue;
            Strike(w, o);
            held = m_arrLive[static_cast<std::size_t>(w)] > 0;
        }
        if (!held) {
            m_arrSupport.clear();
            return false;
        }
    }
    return true;
}

void CExhaustiveSearch::UndoTrail(std::size_t mark) {
    m_arrSupport.clear();
    while (m_arrTrail.size() > mark) {
        const auto [n, o] = m_arrTrail.back();
        m_arrTrail.pop_back();
        m_arrStruck[static_cast<std::size_t>(n)][static_cast<std::size_t>(o)] = 0;
        ++m_arrLive[static_cast<std::size_t>(n)];
        Cover(n, o, +1);
    }
}

bool CExhaustiveSearch::Choose(int v, int option) {
    const std::size_t mark = m_arrTrail.size();
    const auto& var = m_model.GetVariable(v);
    const Option& chosen = var.m_arrOptions[static_cast<std::size_t>(option)];
    const bool opens = var.m_nLink >= 0 && m_model.LinkSteps(var.m_nLink).end() ==
                                               std::find(m_model.LinkSteps(var.m_nLink).begin(),
                                                         m_model.LinkSteps(var.m_nLink).end(), chosen.m_nStep);
    Occupy(v, option);
    m_arrAssigned[static_cast<std::size_t>(v)] = option;
    ++m_nDepth;
    const auto fail = [&](int n) {
        ++m_arrFailures[static_cast<std::size_t>(n)];
        ++m_arrFailures[static_cast<std::size_t>(v)];
        TakeBack(v, option, mark);
        return false;
    };
    for (int n : var.m_arrNeighbours) {
        if (m_arrAssigned[static_cast<std::size_t>(n)] != -1 || m_arrLive[static_cast<std::size_t>(n)] == 0) continue;
        const auto& options = m_model.GetVariable(n).m_arrOptions;
        const auto& struck = m_arrStruck[static_cast<std::size_t>(n)];
        for (std::size_t o = 0; o < options.size(); ++o) {
            // Loads, starts and the per-day limit are all of one day.
            if (struck[o] != 0 || options[o].m_nDay != chosen.m_nDay || m_model.Fits(n, static_cast<int>(o))) continue;
            Strike(n, static_cast<int>(o));
            if (m_arrLive[static_cast<std::size_t>(n)] == 0) return fail(n);
        }
    }
    // A link with all its starts: its open entries take no other.
    if (opens && static_cast<int>(m_model.LinkSteps(var.m_nLink).size()) >= m_model.GetLink(var.m_nLink).m_nStarts) {
        for (int n : m_model.GetLink(var.m_nLink).m_arrVariables) {
            if (m_arrAssigned[static_cast<std::size_t>(n)] != -1 || m_arrLive[static_cast<std::size_t>(n)] == 0) continue;
            const auto& struck = m_arrStruck[static_cast<std::size_t>(n)];
            for (std::size_t o = 0; o < struck.size(); ++o) {
                if (struck[o] != 0 || m_model.Fits(n, static_cast<int>(o))) continue;
                Strike(n, static_cast<int>(o));
                if (m_arrLive[static_cast<std::size_t>(n)] == 0) return fail(n);
            }
        }
    }
    if (!HoldSupport()) {
        ++m_arrFailures[static_cast<std::size_t>(v)];
        TakeBack(v, option, mark);
        return false;
    }
    if (!UnitsSuffice()) {
        ++m_arrFailures[static_cast<std::size_t>(v)];
        TakeBack(v, option, mark);
        return false;
    }
    return true;
}

bool CExhaustiveSearch::Refute(int v, int option) {
    const auto& var = m_model.GetVariable(v);
    const auto refute = [&](int w) {
        if (m_arrAssigned[static_cast<std::size_t>(w)] != -1 ||
            m_arrStruck[static_cast<std::size_t>(w)][static_cast<std::size_t>(option)] != 0)
            return true;
        Strike(w, option);
        return m_arrLive[static_cast<std::size_t>(w)] > 0;
    };
    if (var.m_nActivity < 0) return refute(v) && HoldSupport();
    for (int w : m_model.ActivityVariables(var.m_nActivity))
        if (m_model.GetVariable(w).m_nClass == var.m_nClass && !refute(w)) return false;
    return HoldSupport();
}

void CExhaustiveSearch::TakeBack(int v, int option, std::size_t mark) {
    UndoTrail(mark);
    Vacate(v, option);
    m_arrAssigned[static_cast<std::size_t>(v)] = -1;
    --m_nDepth;
}

double CExhaustiveSearch::CostOfCurrent() {
    m_model.WriteStarts(m_arrAssigned);
    if (m_arrMoving.empty() && m_dFixedCost < 0.0) {
        // Only the entities in open entries can cost differently from one placement to the next:
        // the rest is taken once.
        std::unordered_set<int> moving;
        for (int v = 0; v < m_model.VariableCount(); ++v) {
            const auto activity = m_data.FindActivity(m_model.GetVariable(v).m_pEntry->m_nActivity);
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
        frame.m_nBaseMark = m_arrTrail.size();
        // A start no entry can fill any more: the choice above led to a dead end.
        if (!NextDecision(frame) && !stack.empty() && stack.back().m_nVariable >= 0)
            ++m_arrFailures[static_cast<std::size_t>(stack.back().m_nVariable)];
        stack.push_back(std::move(frame));
    };
    auto unwind = [&] {
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
            if (it->m_nVariable >= 0) TakeBack(it->m_nVariable, it->m_nChosen, it->m_nTrailMark);
            UndoTrail(it->m_nBaseMark);
        }
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
        if (frame.m_nVariable >= 0) {
            // Back from the alternative placed: it is struck for the rest of the level, with the
            // same option of the entries interchangeable with it.
            const int v = frame.m_nVariable, option = frame.m_nChosen;
            TakeBack(v, option, frame.m_nTrailMark);
            frame.m_nVariable = frame.m_nChosen = -1;
            --placed;
            if (!Refute(v, option)) frame.m_nNext = frame.m_arrOrder.size();
        }
        if (frame.m_nNext >= frame.m_arrOrder.size()) {
            UndoTrail(frame.m_nBaseMark);
            stack.pop_back();
            continue;
        }
        const auto [v, option] = frame.m_arrOrder[frame.m_nNext++];
        if (m_arrStruck[static_cast<std::size_t>(v)][static_cast<std::size_t>(option)] != 0) continue;
        frame.m_nTrailMark = m_arrTrail.size();
        if (!Choose(v, option)) {
            if (!Refute(v, option)) frame.m_nNext = frame.m_arrOrder.size();
            continue;
        }
        frame.m_nVariable = v;
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
    std::vector<std::pair<int, int>> order;
    for (;;) {
        const int v = ChooseVariable();
        if (v < 0) break;
        OrderOptions(v, order);
        int taken = -1;
        for (const auto& [w, option] : order) {
            if (m_model.Fits(v, option) && Choose(v, option)) {
                taken = option;
                break;
            }
        }
        if (taken < 0) {
            // Nothing fits without leaving another entry empty: the first option that fits at
            // all, else none; either way the entry is decided.
            for (const auto& [w, option] : order) {
                if (!m_model.Fits(v, option)) continue;
                Occupy(v, option);
                taken = option;
                break;
            }
            if (taken < 0) Release(v, -1);
            m_arrAssigned[static_cast<std::size_t>(v)] = taken >= 0 ? taken : -2;
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
    RecountUnits();
    return result;
}

std::vector<int> CExhaustiveSearch::RepairPlacement(std::vector<int> options) {
    options.resize(m_arrAssigned.size(), -1);
    std::vector<int> placed(options.size(), -1);
    std::vector<int> moving;
    for (int v = 0; v < m_model.VariableCount(); ++v) {
        const int o = options[static_cast<std::size_t>(v)];
        if (o >= 0 && m_model.Fits(v, o)) {
            m_model.Place(v, o);
            placed[static_cast<std::size_t>(v)] = o;
        } else {
            moving.push_back(v);
        }
    }
    // The variables with the fewest options first, as the search takes them; each to a start its
    // link has already, else to the lightest.
    std::stable_sort(moving.begin(), moving.end(), [&](int a, int b) {
        return m_arrLive[static_cast<std::size_t>(a)] < m_arrLive[static_cast<std::size_t>(b)];
    });
    std::vector<std::pair<int, int>> order;
    for (int v : moving) {
        OrderOptions(v, order);
        for (const auto& [w, option] : order) {
            if (!m_model.Fits(v, option)) continue;
            m_model.Place(v, option);
            placed[static_cast<std::size_t>(v)] = option;
            break;
        }
    }
    for (int v = 0; v < m_model.VariableCount(); ++v)
        if (placed[static_cast<std::size_t>(v)] >= 0) m_model.Unplace(v, placed[static_cast<std::size_t>(v)]);
    return placed;
}

bool RunExhaustiveSearch(CScheduleData& data, CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                         int limit) {
    CExhaustiveSearch search(data, work, control, sink, limit);
    const int entries = search.Model().VariableCount();
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
        const auto entriesPlaced = [](const std::vector<int>& options) {
            return static_cast<int>(std::count_if(options.begin(), options.end(), [](int o) { return o >= 0; }));
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
        // Then entries left out push placed ones out of their way for a while.
        std::mt19937 random(static_cast<unsigned>(entries));
        partial = RepairByEjection(search.Model(), std::move(partial),
                                   CExhaustiveSearch::kEjectionsPerLimit * std::max(limit, 1), random,
                                   [&] { return control.IsRunning(); });
        placed = entriesPlaced(partial);
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
        CTimetableEntry* entry = model.GetVariable(v).m_pEntry;
        const auto it = before.find(entry->GetSerial());
        if (it != before.end()) entry->m_dtStart = it->second->m_dtStart;
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
    EraseUnplacedCreatedEntries(data, work);
}

void EraseUnplacedCreatedEntries(CScheduleData& data, const CSolverWork& work) {
    const std::unordered_set<std::uint64_t> created(work.m_arrCreated.begin(), work.m_arrCreated.end());
    data.m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        return created.count(entry.GetSerial()) != 0 && IsUnplacedDate(entry.m_dtStart);
    });
}
