// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrimeImplicantGenerator.h"

#include <stdexcept>

namespace {

int openKey(int dashes, int value)
{
    return dashes * 64 + value;
}

// Bit b of the result is set when `values` holds `value` with bit b flipped.
// Written out for all six bits: flipping a bit at or above n gives a value
// that is never in the set.
unsigned partnerMask(std::uint64_t values, unsigned value)
{
    const auto has = [values](unsigned v) { return static_cast<unsigned>(values >> v) & 1u; };
    return has(value ^ 1u) | has(value ^ 2u) << 1 | has(value ^ 4u) << 2 | has(value ^ 8u) << 3 |
           has(value ^ 16u) << 4 | has(value ^ 32u) << 5;
}

int dashCount(unsigned dashes)
{
    int count = 0;
    for (; dashes != 0; dashes &= dashes - 1)
        ++count;
    return count;
}

} // namespace

PrimeImplicantGenerator::PrimeImplicantGenerator()
{
    openNode_.fill(-1);
    openValues_.fill(0);
}

std::vector<PrimeImplicant> PrimeImplicantGenerator::generate(int n,
                                                              const std::vector<int> &cellCodes)
{
    std::vector<PrimeImplicant> primes;
    generate(n, cellCodes, primes);
    return primes;
}

void PrimeImplicantGenerator::generate(int n, const std::vector<int> &cellCodes,
                                       std::vector<PrimeImplicant> &primes)
{
    if (n < 1 || n > 6)
        throw std::invalid_argument("variable count must be 1..6");
    const int cellCount = 1 << n;
    if (static_cast<int>(cellCodes.size()) < cellCount)
        throw std::invalid_argument("fewer cell codes than 2^n");

    // Node m is minterm m; the start list holds those that are not 0.
    nodeCount_ = 0;
    CubeList *current = lists_.data();
    CubeList *next = current + 1;
    current->size = 0;
    openValues_.fill(0);
    for (int m = 0; m < cellCount; ++m) {
        addNode({static_cast<std::uint8_t>(m), 0, false, -1, -1});
        openNode_[openKey(0, m)] = m;
        const bool start = cellCodes[m] != 0;
        openValues_[0] |= static_cast<std::uint64_t>(start) << m;
        current->ids[current->size] = m;
        current->size += start;
    }

    // Every start cube is open, so an empty start list is the only way to
    // skip the passes. Afterwards the open cubes are exactly the merges.
    bool anyOpen = current->size != 0;
    while (anyOpen) {
        anyOpen = runPass(*current, *next);
        std::swap(current, next);
    }

    // Existing entries are overwritten in place, so a caller that passes the
    // same vector again does not allocate for strings and lists anew.
    primes.resize(current->size);
    auto prime = primes.begin();
    for (std::size_t i = current->size; i-- > 0; ++prime) {
        const std::int32_t id = current->ids[i];
        const Node &node = nodes_[static_cast<std::size_t>(id)];
        writeCube(node, n, prime->cube);
        prime->minterms.resize(std::size_t{1} << dashCount(node.dashes));
        writeMinterms(id, prime->minterms.data());
    }
}

// One pass from `current` into `next`; returns whether any merge was made.
//
// All open cubes of a pass carry the same number of dashes, so two of them
// differ in exactly one position only if their dash masks are equal and their
// values differ in one undashed bit: the partners are found by flipping each
// bit. The open cubes of every list come in order of non-decreasing value
// (the start list does; a merge takes the value of its left cube, and merges
// are appended in the order of their left cubes), and within one dash mask
// the values are distinct. So the partners further down the list are those
// with a 0 in the flipped bit, and they come in the order of that bit; the
// partners further up merged with this cube when they were processed.
//
// The open cubes of the list being built are recorded in openValues_ and
// openNode_ as they are made, ready for the next pass. They carry one dash
// more than the cubes of this pass, so the two never share a dash mask. The
// record also finds duplicates: a merged cube that is already recorded was
// made before by another pair, and only its first occurrence, with its own
// minterm list, is kept. Primes can never repeat (a new prime has more dashes
// than the primes of earlier passes).
bool PrimeImplicantGenerator::runPass(const CubeList &current, CubeList &next)
{
    next.size = 0;
    bool anyMerged = false;
    for (const std::int32_t id : current) {
        const Node node = nodes_[static_cast<std::size_t>(id)];
        if (node.prime) {
            next.push(id);
            continue;
        }
        const unsigned partners = partnerMask(openValues_[node.dashes], node.value);
        if (partners == 0) {
            // The cube only changes its marker; its minterm list stays.
            nodes_[static_cast<std::size_t>(id)].prime = true;
            next.push(id);
            continue;
        }
        for (unsigned later = partners & ~static_cast<unsigned>(node.value); later != 0;
             later &= later - 1) {
            const int mask = static_cast<int>(later & (~later + 1));
            const int dashes = node.dashes | mask;
            std::uint64_t &made = openValues_[dashes];
            const std::uint64_t bit = std::uint64_t{1} << node.value;
            if (made & bit)
                continue;
            made |= bit;
            const std::int32_t merged =
                addNode({node.value, static_cast<std::uint8_t>(dashes), false, id,
                         openNode_[openKey(node.dashes, node.value | mask)]});
            openNode_[openKey(dashes, node.value)] = merged;
            next.push(merged);
            anyMerged = true;
        }
    }

    // This pass's cubes are done with; masks of fewer dashes are clear
    // already.
    for (const std::int32_t id : current)
        openValues_[nodes_[static_cast<std::size_t>(id)].dashes] = 0;
    return anyMerged;
}

// Writes the cube's minterms to `out` in merge order (left cube's list, then
// the right cube's) and returns the position after the last one.
int *PrimeImplicantGenerator::writeMinterms(std::int32_t id, int *out) const
{
    const Node &node = nodes_[static_cast<std::size_t>(id)];
    if (node.left < 0) {
        *out = node.value;
        return out + 1;
    }
    return writeMinterms(node.right, writeMinterms(node.left, out));
}

void PrimeImplicantGenerator::writeCube(const Node &node, int n, std::string &text) const
{
    const auto length = static_cast<std::size_t>(node.prime ? n + 1 : n);
    if (text.size() != length)
        text.resize(length);
    char *out = text.data();
    // Dashed value bits are 0, so dash and value bit pick one of "01-".
    for (int k = 0; k < n; ++k) {
        const int bit = n - 1 - k;
        out[k] = "01-"[((node.dashes >> bit) & 1) * 2 + ((node.value >> bit) & 1)];
    }
    if (node.prime)
        out[n] = '*';
}
