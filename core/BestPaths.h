#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The cheapest paths through a graph of steps, one at a time, without listing them all. The
// phrases of a number are such paths (a node for each count of digits covered, an edge for each
// word), and so is any ranking whose nodes carry more of the state.
namespace Numra {

// A graph whose nodes are numbered so that every edge leads to a higher node; its paths run from
// node 0 to the last node, its goal. Only edges on such a path are kept, each node's cheapest
// completion first and, on equal cost, the lower item first: the first edges make the cheapest
// way from every node.
class PathGraph
{
public:
    struct Edge
    {
        int end = 0;  // the node it leads to
        int item = 0; // what the step stands for, numbered in the order that wins ties
        std::int64_t cost = 0;
    };

    PathGraph() = default;
    // edges[k]: the edges from node k, in any order; node edges.size() - 1 is the goal.
    explicit PathGraph(const std::vector<std::vector<Edge>> &edges);

    int Goal() const { return static_cast<int>(m_best.size()) - 1; }
    // The cheapest completion from `node` to the goal; -1 when there is none.
    std::int64_t Best(int node) const { return m_best[node]; }
    std::span<const Edge> EdgesFrom(int node) const
    {
        return {m_edges.data() + m_first[node], m_edges.data() + m_first[node + 1]};
    }
    // Edges by their index in one list of all, node 0's first.
    std::uint32_t FirstEdge(int node) const { return m_first[node]; }
    std::uint32_t EdgeCount(int node) const { return m_first[node + 1] - m_first[node]; }
    const Edge &EdgeAt(std::uint32_t index) const { return m_edges[index]; }
    int From(std::uint32_t index) const { return m_from[index]; }
    // The cheapest path that starts with this edge, from its node on.
    std::int64_t Completion(std::uint32_t index) const
    {
        return m_edges[index].cost + m_best[m_edges[index].end];
    }

private:
    std::vector<std::uint32_t> m_first; // node k's edges: m_edges[m_first[k]] to m_first[k + 1]
    std::vector<Edge> m_edges;
    std::vector<int> m_from;
    std::vector<std::int64_t> m_best;
};

// The paths of a graph from node 0 to its goal, cheapest first; equal costs go to the path whose
// first differing edge has the lower item. A path is held as where it leaves the cheapest way:
// an entry names the path it leaves (its parent), the edge it leaves by and the cost, and follows
// the cheapest way before and after. Each path found makes three entries at most, 24 bytes each
// and 4 in the heap of those not yet taken, however long the paths are.
class BestPaths
{
public:
    explicit BestPaths(const PathGraph &graph) : m_graph(graph) {}

    // Finds the next path; false when every path has been found.
    bool Next();
    // The path found last: its cost, and its edges from node 0 on as indices for EdgeAt.
    std::int64_t Cost() const { return entryAt(m_current).cost; }
    void Edges(std::vector<std::uint32_t> &edges) const;

private:
    struct Entry
    {
        std::int32_t parent; // -1: leaves the cheapest way from node 0, at node 0
        std::uint32_t edge;
        std::int64_t cost;  // of the whole path
        std::int32_t depth; // the entries above it
    };

    // What leaving the cheapest way at `node` by its second edge adds to the cost.
    std::int64_t detour(int node) const;
    // The order of the paths that leave one path's cheapest way at two nodes of it.
    bool detourBefore(int a, int b) const;
    // The first detour (by detourBefore) on the cheapest way from `start`; after one, the next.
    int firstDetour(int start, int after = -1) const;
    void push(std::int32_t parent, std::uint32_t edge, std::int64_t cost);
    // True when a's path comes after b's.
    bool later(std::int32_t a, std::int32_t b) const;
    int itemOf(std::uint32_t edge) const { return m_graph.EdgeAt(edge).item; }
    int endOf(std::uint32_t edge) const { return m_graph.EdgeAt(edge).end; }

    // In blocks of one size: growing never holds an old and a new copy at once, and an index
    // finds its block by a shift.
    static constexpr int BlockBits = 12;
    Entry &entryAt(std::int32_t index) const
    {
        return m_blocks[index >> BlockBits][index & ((1 << BlockBits) - 1)];
    }

    const PathGraph &m_graph;
    std::vector<std::unique_ptr<Entry[]>> m_blocks;
    std::int32_t m_entryCount = 0;
    std::vector<std::int32_t> m_heap;
    std::int32_t m_current = -1;
    bool m_started = false;
};

} // namespace Numra
