#include "core/BestPaths.h"

#include <algorithm>

namespace Numra {

PathGraph::PathGraph(const std::vector<std::vector<Edge>> &edges)
{
    const int goal = static_cast<int>(edges.size()) - 1;
    m_best.assign(edges.size(), -1);
    if (goal < 0)
        return;
    m_best[goal] = 0;
    // From the goal back, so that every edge's end is settled before the edge is.
    std::vector<std::vector<Edge>> live(edges.size());
    for (int k = goal - 1; k >= 0; --k) {
        for (const Edge &edge : edges[k]) {
            if (m_best[edge.end] >= 0)
                live[k].push_back(edge);
        }
        const auto completion = [this](const Edge &e) { return e.cost + m_best[e.end]; };
        std::sort(live[k].begin(), live[k].end(), [&](const Edge &a, const Edge &b) {
            const auto ca = completion(a), cb = completion(b);
            return ca != cb ? ca < cb : a.item < b.item;
        });
        if (!live[k].empty())
            m_best[k] = completion(live[k].front());
    }
    m_first.reserve(edges.size() + 1);
    for (std::size_t k = 0; k < live.size(); ++k) {
        m_first.push_back(static_cast<std::uint32_t>(m_edges.size()));
        m_edges.insert(m_edges.end(), live[k].begin(), live[k].end());
        m_from.insert(m_from.end(), live[k].size(), static_cast<int>(k));
    }
    m_first.push_back(static_cast<std::uint32_t>(m_edges.size()));
}

// A popped entry's path is handed out, and the entries that follow it in order go into the heap:
// the next edge at the node where it leaves its parent's way, the next detour from its parent's
// way, and the first detour from its own. None comes before the entry, and every path is reached
// by one such chain, so the paths come out in order.
bool BestPaths::Next()
{
    if (!m_started) {
        m_started = true;
        if (m_graph.Goal() > 0 && m_graph.Best(0) >= 0)
            push(-1, m_graph.FirstEdge(0), m_graph.Best(0));
    }
    if (m_heap.empty())
        return false;
    std::pop_heap(m_heap.begin(), m_heap.end(),
                  [this](std::int32_t a, std::int32_t b) { return later(a, b); });
    const std::int32_t at = m_heap.back();
    m_heap.pop_back();
    const Entry entry = entryAt(at);
    const int from = m_graph.From(entry.edge);
    if (entry.edge + 1 < m_graph.FirstEdge(from + 1))
        push(entry.parent, entry.edge + 1,
             entry.cost - m_graph.Completion(entry.edge) + m_graph.Completion(entry.edge + 1));
    // A detour by a second edge has the detours after it as its cousins.
    if (entry.parent >= 0 && entry.edge == m_graph.FirstEdge(from) + 1) {
        const Entry parent = entryAt(entry.parent);
        const int next = firstDetour(endOf(parent.edge), from);
        if (next >= 0)
            push(entry.parent, m_graph.FirstEdge(next) + 1, parent.cost + detour(next));
    }
    const int first = firstDetour(endOf(entry.edge));
    if (first >= 0)
        push(at, m_graph.FirstEdge(first) + 1, entry.cost + detour(first));
    m_current = at;
    return true;
}

void BestPaths::Edges(std::vector<std::uint32_t> &edges) const
{
    std::vector<std::uint32_t> detours;
    for (std::int32_t at = m_current; at >= 0; at = entryAt(at).parent)
        detours.push_back(entryAt(at).edge);
    edges.clear();
    int node = 0;
    const auto cheapestTo = [&](int stop) {
        for (; node != stop; node = endOf(edges.back()))
            edges.push_back(m_graph.FirstEdge(node));
    };
    for (auto d = detours.rbegin(); d != detours.rend(); ++d) {
        cheapestTo(m_graph.From(*d));
        edges.push_back(*d);
        node = endOf(*d);
    }
    cheapestTo(m_graph.Goal());
}

std::int64_t BestPaths::detour(int node) const
{
    return m_graph.Completion(m_graph.FirstEdge(node) + 1) - m_graph.Best(node);
}

bool BestPaths::detourBefore(int a, int b) const
{
    const std::int64_t da = detour(a), db = detour(b);
    if (da != db)
        return da < db;
    // The two paths part at the nearer node, where one of them keeps to the first edge.
    const int nearer = std::min(a, b);
    const std::uint32_t first = m_graph.FirstEdge(nearer);
    const bool detourLater = itemOf(first + 1) > itemOf(first);
    return a == nearer ? !detourLater : detourLater;
}

int BestPaths::firstDetour(int start, int after) const
{
    int best = -1;
    for (int node = start; node != m_graph.Goal(); node = endOf(m_graph.FirstEdge(node))) {
        if (m_graph.EdgeCount(node) < 2 || node == after ||
            (after >= 0 && !detourBefore(after, node)))
            continue;
        if (best < 0 || detourBefore(node, best))
            best = node;
    }
    return best;
}

void BestPaths::push(std::int32_t parent, std::uint32_t edge, std::int64_t cost)
{
    if (m_entryCount >> BlockBits == static_cast<std::int32_t>(m_blocks.size()))
        m_blocks.push_back(std::make_unique<Entry[]>(std::size_t(1) << BlockBits));
    entryAt(m_entryCount) = {parent, edge, cost, parent < 0 ? 0 : entryAt(parent).depth + 1};
    m_heap.push_back(m_entryCount++);
    std::push_heap(m_heap.begin(), m_heap.end(),
                   [this](std::int32_t a, std::int32_t b) { return later(a, b); });
}

bool BestPaths::later(std::int32_t a, std::int32_t b) const
{
    if (entryAt(a).cost != entryAt(b).cost)
        return entryAt(a).cost > entryAt(b).cost;
    // Up to the first detours the two do not share, which leave one parent's way. An entry taken
    // from the heap is the only kind with children, so two in the heap are never one the other's
    // ancestor.
    std::int32_t x = a, y = b;
    while (entryAt(x).depth > entryAt(y).depth)
        x = entryAt(x).parent;
    while (entryAt(y).depth > entryAt(x).depth)
        y = entryAt(y).parent;
    while (x != y && entryAt(x).parent != entryAt(y).parent) {
        x = entryAt(x).parent;
        y = entryAt(y).parent;
    }
    if (x == y)
        return a > b;
    // Along their parent's way the two part at the nearer detour, where the other keeps to the
    // first edge.
    const std::uint32_t ex = entryAt(x).edge, ey = entryAt(y).edge;
    const int fx = m_graph.From(ex), fy = m_graph.From(ey);
    const int itemA = itemOf(fx <= fy ? ex : m_graph.FirstEdge(fy));
    const int itemB = itemOf(fy <= fx ? ey : m_graph.FirstEdge(fx));
    return itemA != itemB ? itemA > itemB : a > b;
}

} // namespace Numra
