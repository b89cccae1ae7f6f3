#include "solver_engine/ejection_repair.h"

#include <algorithm>
#include <limits>

#include "solver_engine/placement_model.h"

std::vector<int> RepairByEjection(CPlacementModel& model, std::vector<int> options, long long steps,
                                  std::mt19937& random, const std::function<bool()>& running) {
    const int count = model.VariableCount();
    options.resize(static_cast<std::size_t>(count), -1);
    const int stepCount = static_cast<int>(model.StepCount());
    const auto& variable = [&](int v) -> const CPlacementModel::Variable& { return model.GetVariable(v); };
    const auto startOf = [&](int v, int o) { return variable(v).m_arrOptions[static_cast<std::size_t>(o)].m_nStep; };
    // Options that do not fit with nothing placed never will.
    std::vector<std::vector<char>> possible(static_cast<std::size_t>(count));
    for (int v = 0; v < count; ++v) {
        auto& fits = possible[static_cast<std::size_t>(v)];
        fits.resize(variable(v).m_arrOptions.size());
        for (std::size_t o = 0; o < fits.size(); ++o) fits[o] = model.Fits(v, static_cast<int>(o));
    }
    // The variables placed at each resource step.
    std::vector<std::vector<int>> occupants(static_cast<std::size_t>(model.ResourceCount()) *
                                            static_cast<std::size_t>(stepCount));
    const auto forSteps = [&](int v, int o, auto&& visit) {
        const int start = startOf(v, o);
        for (const auto& use : variable(v).m_arrUses)
            for (int k = std::max(start, 0); k < start + use.m_nSteps && k < stepCount; ++k) visit(use, k);
    };
    const auto cell = [&](int resource, int k) -> std::vector<int>& {
        return occupants[static_cast<std::size_t>(resource) * static_cast<std::size_t>(stepCount) + static_cast<std::size_t>(k)];
    };
    int placed = 0;
    const auto place = [&](int v, int o) {
        model.Place(v, o);
        options[static_cast<std::size_t>(v)] = o;
        forSteps(v, o, [&](const CPlacementModel::Use& use, int k) { cell(use.m_nResource, k).push_back(v); });
        ++placed;
    };
    const auto remove = [&](int v) {
        const int o = options[static_cast<std::size_t>(v)];
        model.Unplace(v, o);
        forSteps(v, o, [&](const CPlacementModel::Use& use, int k) { std::erase(cell(use.m_nResource, k), v); });
        options[static_cast<std::size_t>(v)] = -1;
        --placed;
    };
    std::vector<int> pool;  // the variables left out that could be placed
    for (int v = 0; v < count; ++v) {
        const int o = options[static_cast<std::size_t>(v)];
        options[static_cast<std::size_t>(v)] = -1;
        if (o >= 0 && model.Fits(v, o)) place(v, o);
    }
    for (int v = 0; v < count; ++v) {
        const auto& fits = possible[static_cast<std::size_t>(v)];
        if (options[static_cast<std::size_t>(v)] < 0 && std::find(fits.begin(), fits.end(), 1) != fits.end())
            pool.push_back(v);
    }
    std::vector<int> best = options;
    int bestPlaced = placed;
    std::vector<int> ejections(static_cast<std::size_t>(count), 0);
    // An entry just placed is not put out again at once, so that two entries do not take turns.
    constexpr long long kTenure = 20;
    std::vector<long long> placedAt(static_cast<std::size_t>(count), -kTenure);
    std::vector<int> victims, chosen, linkVictims;
    std::vector<std::pair<int, int>> out;  // ejected (variable, option), to put back if need be
    // Entries of one activity differ at most in their rooms: one that is placed may make way for
    // the entry left out, moving to a step free for it while the other takes its start, so that
    // nothing is put out.
    const auto makeWay = [&](int u) {
        const int activity = variable(u).m_nActivity;
        if (activity < 0) return false;
        for (int e : model.ActivityVariables(activity)) {
            const int oe = options[static_cast<std::size_t>(e)];
            if (e == u || oe < 0) continue;
            const int ou = model.OptionAt(u, startOf(e, oe));
            if (ou < 0 || !possible[static_cast<std::size_t>(u)][static_cast<std::size_t>(ou)]) continue;
            remove(e);
            if (model.Fits(u, ou)) {
                place(u, ou);
                for (int o = 0; o < static_cast<int>(variable(e).m_arrOptions.size()); ++o) {
                    if (o == oe || !possible[static_cast<std::size_t>(e)][static_cast<std::size_t>(o)] || !model.Fits(e, o))
                        continue;
                    place(e, o);
                    return true;
                }
                remove(u);
            }
            place(e, oe);
        }
        return false;
    };
    // The pool's entry at the index was placed at the step: it leaves the pool, and the placement
    // is kept when it places the most so far.
    const auto placedFromPool = [&](std::size_t index, long long step) {
        placedAt[static_cast<std::size_t>(pool[index])] = step;
        pool[index] = pool.back();
        pool.pop_back();
        if (placed > bestPlaced) {
            best = options;
            bestPlaced = placed;
        }
    };
    for (long long step = 0; step < steps && !pool.empty() && running(); ++step) {
        // Of two entries left out, drawn at random, the one put out less often goes first.
        std::size_t index = random() % pool.size();
        if (const std::size_t other = random() % pool.size();
            ejections[static_cast<std::size_t>(pool[other])] < ejections[static_cast<std::size_t>(pool[index])])
            index = other;
        const int u = pool[index];
        const auto& var = variable(u);
        if (makeWay(u)) {
            placedFromPool(index, step);
            continue;
        }
        // A link with all its starts: a new one needs one of them to go, with every entry placed
        // there (none kept).
        static const std::vector<int> kNone;
        const auto& starts = var.m_nLink >= 0 ? model.LinkSteps(var.m_nLink) : kNone;
        linkVictims.clear();
        if (var.m_nLink >= 0 && static_cast<int>(starts.size()) >= model.GetLink(var.m_nLink).m_nStarts) {
            const auto& members = model.GetLink(var.m_nLink).m_arrVariables;
            double cheapest = std::numeric_limits<double>::max();
            int gone = -1;
            for (int s : starts) {
                double cost = 0.0;
                int there = 0;
                for (int w : members) {
                    const int o = options[static_cast<std::size_t>(w)];
                    if (o < 0 || startOf(w, o) != s) continue;
                    ++there;
                    cost += 1.0 + ejections[static_cast<std::size_t>(w)];
                }
                if (there < model.LinkLoad(var.m_nLink, s) || cost >= cheapest) continue;
                cheapest = cost;
                gone = s;
            }
            for (int w : members) {
                const int o = options[static_cast<std::size_t>(w)];
                if (gone >= 0 && o >= 0 && startOf(w, o) == gone) linkVictims.push_back(w);
            }
        }
        // The option that puts out the placed entries ejected least so far.
        double lowest = std::numeric_limits<double>::max();
        int take = -1;
        for (int o = 0; o < static_cast<int>(var.m_arrOptions.size()); ++o) {
            if (!possible[static_cast<std::size_t>(u)][static_cast<std::size_t>(o)]) continue;
            const int start = startOf(u, o);
            victims.clear();
            if (var.m_nLink >= 0 && std::find(starts.begin(), starts.end(), start) == starts.end() &&
                static_cast<int>(starts.size()) >= model.GetLink(var.m_nLink).m_nStarts) {
                if (linkVictims.empty()) continue;
                victims = linkVictims;
            }
            forSteps(u, o, [&](const CPlacementModel::Use& use, int k) {
                if (use.m_nBlock >= 0 && model.BlockLoad(use.m_nBlock, k) > 0) return;
                if (model.Free(use.m_nResource, k) > 0) return;
                const auto& here = cell(use.m_nResource, k);
                victims.insert(victims.end(), here.begin(), here.end());
            });
            if (var.m_nActivity >= 0)
                for (int w : model.ActivityVariables(var.m_nActivity))
                    if (options[static_cast<std::size_t>(w)] >= 0 && startOf(w, options[static_cast<std::size_t>(w)]) == start)
                        victims.push_back(w);
            std::sort(victims.begin(), victims.end());
            victims.erase(std::unique(victims.begin(), victims.end()), victims.end());
            double cost = static_cast<double>(random() % 1000) / 1000.0;
            for (int w : victims) {
                cost += 1.0 + ejections[static_cast<std::size_t>(w)];
                if (placedAt[static_cast<std::size_t>(w)] + kTenure > step) cost += 1000.0;
            }
            if (cost < lowest) {
                lowest = cost;
                take = o;
                chosen = victims;
            }
        }
        if (take < 0) continue;
        out.clear();
        for (int w : chosen) {
            out.emplace_back(w, options[static_cast<std::size_t>(w)]);
            remove(w);
        }
        // The per-day limit: another entry of the activity that day goes too.
        if (!model.Fits(u, take) && var.m_nActivity >= 0) {
            const int day = var.m_arrOptions[static_cast<std::size_t>(take)].m_nDay;
            for (int w : model.ActivityVariables(var.m_nActivity)) {
                const int o = options[static_cast<std::size_t>(w)];
                if (o < 0 || variable(w).m_arrOptions[static_cast<std::size_t>(o)].m_nDay != day) continue;
                out.emplace_back(w, o);
                remove(w);
                if (model.Fits(u, take)) break;
            }
        }
        if (!model.Fits(u, take)) {
            for (auto it = out.rbegin(); it != out.rend(); ++it) place(it->first, it->second);
            continue;
        }
        place(u, take);
        placedFromPool(index, step);
        for (const auto& [w, o] : out) {
            ++ejections[static_cast<std::size_t>(w)];
            pool.push_back(w);
        }
    }
    for (int v = 0; v < count; ++v)
        if (options[static_cast<std::size_t>(v)] >= 0) model.Unplace(v, options[static_cast<std::size_t>(v)]);
    return best;
}
