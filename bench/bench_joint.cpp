// SPDX-License-Identifier: GPL-3.0-or-later
// Times the joint minimization of several outputs: the textbook 7-segment
// decoders (BCD with the codes 10..15 don't care, and hexadecimal) and
// random functions of six inputs and eight outputs, half ones. Prints the
// cost found, whether it is proven minimal, and the times against targets.

#include "minimize/JointMinimization.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// Segments a..g per hexadecimal digit, segment a first.
constexpr std::array<const char *, 16> segments = {
    "1111110", "0110000", "1101101", "1111001", "0110011", "1011011", "1011111", "1110000",
    "1111111", "1111011", "1110111", "0011111", "1001110", "0111101", "1001111", "1000111"};

std::vector<std::vector<int>> decoder(int digits)
{
    std::vector<std::vector<int>> outputs(7, std::vector<int>(16, 2));
    for (int d = 0; d < digits; ++d) {
        for (std::size_t s = 0; s < 7; ++s)
            outputs[s][static_cast<std::size_t>(d)] =
                segments[static_cast<std::size_t>(d)][s] == '1' ? 1 : 0;
    }
    return outputs;
}

struct Timed
{
    JointCover cover;
    double milliseconds = 0;
};

Timed timed(int n, const std::vector<std::vector<int>> &outputs, MinimizationForm form, int repeats)
{
    Timed best;
    best.milliseconds = 1e30;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        JointCover cover = JointMinimization::minimize(n, outputs, form);
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        if (elapsed.count() < best.milliseconds) {
            best.milliseconds = elapsed.count();
            best.cover = std::move(cover);
        }
    }
    return best;
}

void print(const char *label, const Timed &t)
{
    std::printf("  %-34s %3zu products %4d literals %4d connections %-10s %9.3f ms\n", label,
                t.cover.products.size(), t.cover.literals, t.cover.connections,
                t.cover.proven ? "proven" : "NOT proven", t.milliseconds);
    (void)std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const int seeds =
        argc > 1 ? std::max(1, static_cast<int>(std::strtol(argv[1], nullptr, 10))) : 20;
    std::printf("bench_joint: joint minimization of several outputs\n");
    std::printf(" 7-segment decoders (target: BCD <= 5 ms)\n");
    print("BCD, SOP", timed(4, decoder(10), MinimizationForm::SumOfProducts, 20));
    print("BCD, POS", timed(4, decoder(10), MinimizationForm::ProductOfSums, 20));
    print("hexadecimal, SOP", timed(4, decoder(16), MinimizationForm::SumOfProducts, 20));
    print("hexadecimal, POS", timed(4, decoder(16), MinimizationForm::ProductOfSums, 20));

    std::printf(" random, 6 inputs, 8 outputs, half ones, %d seeds (target: median <= 200 ms)\n",
                seeds);
    std::vector<double> times;
    int proven = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        std::vector<std::vector<int>> outputs(8, std::vector<int>(64));
        for (std::vector<int> &output : outputs) {
            for (int &code : output)
                code = static_cast<int>(random() & 1);
        }
        const Timed t = timed(6, outputs, MinimizationForm::SumOfProducts, 1);
        const std::string label = "seed " + std::to_string(seed);
        print(label.c_str(), t);
        times.push_back(t.milliseconds);
        proven += t.cover.proven ? 1 : 0;
    }
    std::sort(times.begin(), times.end());
    std::printf("  median %.1f ms, worst %.1f ms, %d of %d proven minimal\n",
                times[times.size() / 2], times.back(), proven, seeds);
    return 0;
}
