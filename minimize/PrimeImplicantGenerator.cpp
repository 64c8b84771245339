#include "PrimeImplicantGenerator.h"

#include <algorithm>
#include <bitset>
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

} // namespace

PrimeImplicantGenerator::PrimeImplicantGenerator()
{
    openIndex_.fill(-1);
    openValues_.fill(0);
    mergedInPass_.fill(0);
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

    nodes_.clear();
    current_.clear();
    for (int m = 0; m < cellCount; ++m) {
        if (cellCodes[m] != 0) {
            current_.push_back(static_cast<std::int32_t>(nodes_.size()));
            nodes_.push_back({static_cast<std::uint8_t>(m), 0, false, -1, -1});
        }
    }

    // Every start cube is open, so an empty start list is the only way to
    // skip the passes. Afterwards the open cubes are exactly the merges.
    bool anyOpen = !current_.empty();
    while (anyOpen) {
        anyOpen = runPass();
        current_.swap(next_);
    }

    // Existing entries are overwritten in place, so a caller that passes the
    // same vector again does not allocate for strings and lists anew.
    primes.resize(current_.size());
    auto prime = primes.begin();
    for (auto it = current_.rbegin(); it != current_.rend(); ++it, ++prime) {
        const Node &node = nodes_[*it];
        writeCube(node, n, prime->cube);
        prime->minterms.resize(std::size_t{1} << std::bitset<8>(node.dashes).count());
        writeMinterms(*it, prime->minterms.data());
    }
}

// One pass from current_ into next_; returns whether any merge was made.
// Primes can never repeat (a new prime has more dashes than the primes of
// earlier passes), so only merged cubes are checked for duplicates. All
// open cubes of a pass carry the same number of dashes, so two of them differ
// in exactly one position only if their dash masks are equal and their values
// differ in one undashed bit: the partners are found by flipping each bit.
bool PrimeImplicantGenerator::runPass()
{
    // A merged cube counts as made in this pass when its entry holds the
    // pass number, so the table never needs clearing.
    if (++passNumber_ == 0) {
        mergedInPass_.fill(0);
        passNumber_ = 1;
    }
    next_.clear();
    const int count = static_cast<int>(current_.size());
    for (int i = 0; i < count; ++i) {
        const Node &node = nodes_[current_[i]];
        if (!node.prime) {
            openIndex_[openKey(node.dashes, node.value)] = static_cast<std::int16_t>(i);
            openValues_[node.dashes] |= std::uint64_t{1} << node.value;
        }
    }

    bool anyMerged = false;
    for (int i = 0; i < count; ++i) {
        const std::int32_t id = current_[i];
        const Node node = nodes_[id];
        if (node.prime) {
            next_.push_back(id);
            continue;
        }
        const unsigned partners =
            partnerMask(openValues_[node.dashes], node.value) & ~static_cast<unsigned>(node.dashes);
        if (partners == 0) {
            // The cube only changes its marker; its minterm list stays.
            nodes_[id].prime = true;
            next_.push_back(id);
            continue;
        }

        // Partners further down the list, sorted by position so the merges
        // come out in the order of a scan over j > i. Partners further up
        // merged with this cube when they were processed.
        std::array<std::pair<int, int>, 6> later; // (position, bit mask)
        int laterCount = 0;
        for (unsigned rest = partners; rest != 0; rest &= rest - 1) {
            const int mask = static_cast<int>(rest & (~rest + 1));
            const int j = openIndex_[openKey(node.dashes, node.value ^ mask)];
            if (j < i)
                continue;
            int k = laterCount++;
            for (; k > 0 && later[k - 1].first > j; --k)
                later[k] = later[k - 1];
            later[k] = {j, mask};
        }
        for (int k = 0; k < laterCount; ++k) {
            const int mask = later[k].second;
            const int value = node.value & ~mask;
            const int dashes = node.dashes | mask;
            // The same cube merged again (from another pair) is a duplicate:
            // only its first occurrence, with its own minterm list, is kept.
            std::uint32_t &merged = mergedInPass_[openKey(dashes, value)];
            if (merged == passNumber_)
                continue;
            merged = passNumber_;
            next_.push_back(static_cast<std::int32_t>(nodes_.size()));
            Node &cube = nodes_.emplace_back();
            cube.value = static_cast<std::uint8_t>(value);
            cube.dashes = static_cast<std::uint8_t>(dashes);
            cube.prime = false;
            cube.left = id;
            cube.right = current_[later[k].first];
            anyMerged = true;
        }
    }

    for (int i = 0; i < count; ++i) {
        const Node &node = nodes_[current_[i]];
        openIndex_[openKey(node.dashes, node.value)] = -1;
        openValues_[node.dashes] = 0;
    }
    return anyMerged;
}

// Writes the cube's minterms to `out` in merge order (left cube's list, then
// the right cube's) and returns the position after the last one.
int *PrimeImplicantGenerator::writeMinterms(std::int32_t id, int *out) const
{
    const Node &node = nodes_[id];
    if (node.left < 0) {
        *out = node.value;
        return out + 1;
    }
    return writeMinterms(node.right, writeMinterms(node.left, out));
}

void PrimeImplicantGenerator::writeCube(const Node &node, int n, std::string &text) const
{
    text.resize(static_cast<std::size_t>(node.prime ? n + 1 : n));
    char *out = text.data();
    for (int k = 0; k < n; ++k) {
        const int mask = 1 << (n - 1 - k);
        out[k] = (node.dashes & mask) ? '-' : (node.value & mask) ? '1' : '0';
    }
    if (node.prime)
        out[n] = '*';
}
