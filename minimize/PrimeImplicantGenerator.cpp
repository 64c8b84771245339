#include "PrimeImplicantGenerator.h"

#include <algorithm>
#include <bitset>
#include <stdexcept>

namespace {

int openKey(int dashes, int value)
{
    return dashes * 64 + value;
}

} // namespace

PrimeImplicantGenerator::PrimeImplicantGenerator()
{
    openIndex_.fill(-1);
    seenInPass_.fill(0);
}

std::vector<PrimeImplicant> PrimeImplicantGenerator::generate(int n,
                                                              const std::vector<int> &cellCodes)
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
    // skip the passes.
    bool anyOpen = !current_.empty();
    while (anyOpen) {
        runPass(n);
        anyOpen = std::any_of(next_.begin(), next_.end(),
                              [this](std::int32_t node) { return !nodes_[node].prime; });
        current_.swap(next_);
        removeDuplicates();
    }

    std::vector<PrimeImplicant> primes;
    primes.reserve(current_.size());
    for (auto it = current_.rbegin(); it != current_.rend(); ++it) {
        PrimeImplicant prime;
        prime.cube = cubeText(nodes_[*it], n);
        prime.minterms.reserve(std::size_t{1} << std::bitset<8>(nodes_[*it].dashes).count());
        appendMinterms(*it, prime.minterms);
        primes.push_back(std::move(prime));
    }
    return primes;
}

// One pass from current_ into next_. All open cubes of a pass carry the same
// number of dashes, so two of them differ in exactly one position only if
// their dash masks are equal and their values differ in one undashed bit:
// the candidates are found by flipping each undashed bit.
void PrimeImplicantGenerator::runPass(int n)
{
    next_.clear();
    const int count = static_cast<int>(current_.size());
    for (int i = 0; i < count; ++i) {
        const Node &node = nodes_[current_[i]];
        if (!node.prime)
            openIndex_[openKey(node.dashes, node.value)] = static_cast<std::int16_t>(i);
    }

    for (int i = 0; i < count; ++i) {
        const std::int32_t id = current_[i];
        const Node node = nodes_[id];
        if (node.prime) {
            next_.push_back(id);
            continue;
        }
        bool merged = false;
        // Later partners, kept sorted by position so the merges come out in
        // the order of a scan over j > i.
        std::array<std::pair<int, int>, 6> later{}; // (position, bit)
        int laterCount = 0;
        for (int bit = 0; bit < n; ++bit) {
            const int mask = 1 << bit;
            if (node.dashes & mask)
                continue;
            const int j = openIndex_[openKey(node.dashes, node.value ^ mask)];
            if (j < 0)
                continue;
            merged = true;
            if (j > i) {
                int k = laterCount++;
                for (; k > 0 && later[k - 1].first > j; --k)
                    later[k] = later[k - 1];
                later[k] = {j, mask};
            }
        }
        for (int k = 0; k < laterCount; ++k) {
            const int mask = later[k].second;
            next_.push_back(static_cast<std::int32_t>(nodes_.size()));
            Node &merged = nodes_.emplace_back();
            merged.value = static_cast<std::uint8_t>(node.value & ~mask);
            merged.dashes = static_cast<std::uint8_t>(node.dashes | mask);
            merged.prime = false;
            merged.left = id;
            merged.right = current_[later[k].first];
        }
        if (!merged) {
            // The cube only changes its marker; its minterm list stays.
            nodes_[id].prime = true;
            next_.push_back(id);
        }
    }

    for (int i = 0; i < count; ++i) {
        const Node &node = nodes_[current_[i]];
        openIndex_[openKey(node.dashes, node.value)] = -1;
    }
}

// Keeps the first occurrence of every cube (marker included) with its own
// minterm list, in list order.
void PrimeImplicantGenerator::removeDuplicates()
{
    // A cube counts as seen when its entry holds the number of this pass,
    // so the table never needs clearing.
    if (++passNumber_ == 0) {
        seenInPass_.fill(0);
        passNumber_ = 1;
    }
    auto kept = current_.begin();
    for (const std::int32_t id : current_) {
        const Node &node = nodes_[id];
        const int key = (node.prime ? 64 * 64 : 0) + openKey(node.dashes, node.value);
        if (seenInPass_[key] == passNumber_)
            continue;
        seenInPass_[key] = passNumber_;
        *kept++ = id;
    }
    current_.erase(kept, current_.end());
}

void PrimeImplicantGenerator::appendMinterms(std::int32_t id, std::vector<int> &minterms) const
{
    const Node &node = nodes_[id];
    if (node.left < 0) {
        minterms.push_back(node.value);
        return;
    }
    appendMinterms(node.left, minterms);
    appendMinterms(node.right, minterms);
}

std::string PrimeImplicantGenerator::cubeText(const Node &node, int n) const
{
    std::string text(static_cast<std::size_t>(n), '0');
    for (int k = 0; k < n; ++k) {
        const int mask = 1 << (n - 1 - k);
        if (node.dashes & mask)
            text[k] = '-';
        else if (node.value & mask)
            text[k] = '1';
    }
    if (node.prime)
        text += '*';
    return text;
}
