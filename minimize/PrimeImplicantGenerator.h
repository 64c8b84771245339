// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrimeImplicant.h"

#include <array>
#include <cstdint>
#include <vector>

// Finds every prime implicant by repeated pairwise merging of cubes in one
// flat list per pass (no grouping by weight). The order of that list is part
// of the result: the cover selection numbers the primes by it and breaks ties
// by that number, so the passes keep the order of a plain "every pair i < j"
// comparison even though partners are found by table lookup.
//
// An object keeps its scratch tables between calls; reuse it when minimizing
// many functions.
class PrimeImplicantGenerator
{
public:
    PrimeImplicantGenerator();

    // cellCodes holds at least 2^n entries: 0 = function is 0, anything else
    // (1 or don't care) takes part in the merging. n is 1..6. The primes come
    // back in stored order, the reverse of the final list of the passes.
    std::vector<PrimeImplicant> generate(int n, const std::vector<int> &cellCodes);
    // The same into an existing vector, reusing its entries' storage.
    void generate(int n, const std::vector<int> &cellCodes, std::vector<PrimeImplicant> &primes);

private:
    // A cube is a value and a dash mask over the n variable bits (the first
    // variable is the most significant bit); dashed value bits are kept 0.
    // Merged cubes remember the two cubes they came from instead of a minterm
    // list, which is materialised only for the final primes.
    struct Node
    {
        std::uint8_t value;
        std::uint8_t dashes;
        bool prime;
        std::int32_t left;  // -1 for a start cube (a single minterm)
        std::int32_t right; // -1 for a start cube
    };

    // Every cube over six variables (3^6) is made at most once, so storage of
    // that size, taken once, holds all nodes and every list: no growth checks
    // in the passes, which are most of the work. It lives on the heap: the
    // browser page has a small stack.
    static constexpr std::size_t maxCubes = 729;

    // The ids of one pass's cubes, in order.
    struct CubeList
    {
        std::vector<std::int32_t> ids = std::vector<std::int32_t>(maxCubes);
        std::size_t size = 0;
        void push(std::int32_t id) { ids[size++] = id; }
        const std::int32_t *begin() const { return ids.data(); }
        const std::int32_t *end() const { return ids.data() + size; }
    };

    bool runPass(const CubeList &current, CubeList &next);
    int *writeMinterms(std::int32_t id, int *out) const;
    void writeCube(const Node &node, int n, std::string &text) const;
    std::int32_t addNode(const Node &node)
    {
        nodes_[nodeCount_] = node;
        return static_cast<std::int32_t>(nodeCount_++);
    }

    std::vector<Node> nodes_ = std::vector<Node>(maxCubes);
    std::size_t nodeCount_ = 0;
    std::array<CubeList, 2> lists_;
    // The values of the open cubes, one set per dash mask, and the node of
    // each open cube (dashes, value). Entries whose value is not in the set
    // are stale and never read.
    std::array<std::uint64_t, 64> openValues_;
    std::array<std::int32_t, std::size_t{64} * 64> openNode_;
};
