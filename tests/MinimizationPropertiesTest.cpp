// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the minimizer over many functions: every function of four
// variables, and random functions of five and six variables with don't cares,
// in both forms. A plain string-and-chart version of the tabulation, written
// step by step without any of the library's shortcuts, checks that the
// library's bit-mask version gives identical results, order included.

#include "MinimizationFixtures.h"
#include "minimize/Minimization.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <random>

using namespace MinimizationFixtures;

namespace {

using MintermSet = std::uint64_t;

MintermSet bitOf(int m)
{
    return MintermSet{1} << m;
}

// The minterms of a cube written over '0', '1', '-' (marker ignored).
MintermSet mintermsOfCube(const std::string &cube, int n)
{
    int fixed = 0; // positions that are not dashes, as minterm bits
    int value = 0;
    for (int k = 0; k < n; ++k) {
        const int bit = 1 << (n - 1 - k);
        if (cube[k] != '-')
            fixed |= bit;
        if (cube[k] == '1')
            value |= bit;
    }
    MintermSet set = 0;
    for (int m = 0; m < (1 << n); ++m) {
        if ((m & fixed) == value)
            set |= bitOf(m);
    }
    return set;
}

// Every cube of n variables, numbered in base 3 (digit k is position k:
// 0, 1 or dash), with its minterms.
struct AllCubes
{
    explicit AllCubes(int n)
    {
        int total = 1;
        for (int k = 0; k < n; ++k) {
            weights.push_back(total);
            total *= 3;
        }
        for (int code = 0; code < total; ++code) {
            std::string cube;
            for (int k = 0, rest = code; k < n; ++k, rest /= 3)
                cube += "01-"[rest % 3];
            masks.push_back(mintermsOfCube(cube, n));
        }
    }
    std::vector<int> weights;
    std::vector<MintermSet> masks;
};

// Every cube that lies inside `allowed` and cannot be widened.
std::vector<MintermSet> allPrimes(MintermSet allowed, int n)
{
    static const std::vector<AllCubes> cubesOf = {
        AllCubes(0), AllCubes(1), AllCubes(2), AllCubes(3), AllCubes(4), AllCubes(5), AllCubes(6)};
    const AllCubes &cubes = cubesOf[n];
    std::vector<MintermSet> primes;
    for (std::size_t code = 0; code < cubes.masks.size(); ++code) {
        if ((cubes.masks[code] & ~allowed) != 0)
            continue;
        bool widenable = false;
        for (int k = 0; k < n && !widenable; ++k) {
            const int digit = static_cast<int>(code) / cubes.weights[k] % 3;
            if (digit == 2)
                continue;
            const std::size_t wider =
                code + static_cast<std::size_t>((2 - digit) * cubes.weights[k]);
            widenable = (cubes.masks[wider] & ~allowed) == 0;
        }
        if (!widenable)
            primes.push_back(cubes.masks[code]);
    }
    std::sort(primes.begin(), primes.end());
    return primes;
}

// Returns a description of the first property that fails, or "".
std::string checkProperties(int n, const std::vector<int> &codes, MinimizationForm form,
                            const MinimizationResult &result)
{
    const bool pos = form == MinimizationForm::ProductOfSums;
    MintermSet allowed = 0; // ones and don't cares (zeros and don't cares for POS)
    MintermSet needed = 0;  // ones (zeros for POS)
    for (int m = 0; m < (1 << n); ++m) {
        if (codes[m] != (pos ? 1 : 0))
            allowed |= bitOf(m);
        if (codes[m] == (pos ? 0 : 1))
            needed |= bitOf(m);
    }

    std::vector<MintermSet> found;
    for (const PrimeImplicant &prime : result.primes) {
        MintermSet list = 0;
        for (const int m : prime.minterms)
            list |= bitOf(m);
        if (prime.cube.size() != static_cast<std::size_t>(n) + 1 || prime.cube.back() != '*')
            return "malformed prime " + prime.cube;
        if (list != mintermsOfCube(prime.cube, n) ||
            prime.minterms.size() != static_cast<std::size_t>(std::bitset<64>(list).count()))
            return "minterm list " + listText(prime.minterms) + " does not match " + prime.cube;
        found.push_back(list);
    }
    std::sort(found.begin(), found.end());
    if (std::adjacent_find(found.begin(), found.end()) != found.end())
        return "a prime is stored twice";
    if (found != allPrimes(allowed, n))
        return "the primes are not exactly the prime implicants";

    if (result.groups.size() != result.selection.size())
        return "one group per chosen prime expected";
    MintermSet covered = 0;
    for (std::size_t g = 0; g < result.groups.size(); ++g) {
        const int number = result.selection[g];
        if (number < 1 || number > static_cast<int>(result.primes.size()))
            return "selection names no prime";
        if (result.groups[g] != result.primes[number - 1].minterms)
            return "group " + listText(result.groups[g]) + " is not its prime's list";
        for (const int m : result.groups[g]) {
            if (!(allowed & bitOf(m)))
                return "group " + listText(result.groups[g]) + " leaves the allowed cells";
            covered |= bitOf(m);
        }
    }
    if ((needed & ~covered) != 0)
        return "the groups leave a cell uncovered";

    const ResultExpression expression(result.text, n, Minimization::defaultNames());
    for (int m = 0; m < (1 << n); ++m) {
        if (codes[m] == 2)
            continue;
        if (expression.valueAt(m) != (codes[m] == 1))
            return "text " + result.text + " is wrong at minterm " + std::to_string(m);
    }
    return "";
}

bool sameResult(const MinimizationResult &a, const MinimizationResult &b)
{
    const auto samePrime = [](const PrimeImplicant &x, const PrimeImplicant &y) {
        return x.cube == y.cube && x.minterms == y.minterms;
    };
    return a.text == b.text && a.groups == b.groups && a.selection == b.selection &&
           std::equal(a.primes.begin(), a.primes.end(), b.primes.begin(), b.primes.end(),
                      samePrime);
}

// The tabulation with cube strings in flat lists, a nested-vector chart with
// physical deletion and linear row lookup, exactly in the order of its steps.
namespace PlainTabulation {

struct Cube
{
    std::string text;
    std::vector<int> minterms;
};

int sameCharacters(const std::string &a, const std::string &b, int n)
{
    int same = 0;
    for (int k = 0; k < n; ++k)
        same += a[k] == b[k];
    return same;
}

MinimizationResult run(int n, const std::vector<int> &cells, MinimizationForm form)
{
    const int cellCount = 1 << n;
    MinimizationResult result;
    std::vector<Cube> list;
    for (int m = 0; m < cellCount; ++m) {
        int code = cells[m];
        if (form == MinimizationForm::ProductOfSums && code != 2)
            code = 1 - code;
        result.cellCodes.push_back(code);
        if (code != 0) {
            std::string text;
            for (int k = n - 1; k >= 0; --k)
                text += ((m >> k) & 1) ? '1' : '0';
            list.push_back({text, {m}});
        }
    }

    bool open = !list.empty();
    while (open) {
        std::vector<Cube> next;
        const auto isOpen = [&](std::size_t i) { return list[i].text.size() == std::size_t(n); };
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!isOpen(i)) {
                next.push_back(list[i]);
                continue;
            }
            bool merged = false;
            for (std::size_t j = i + 1; j < list.size(); ++j) {
                if (!isOpen(j) || sameCharacters(list[i].text, list[j].text, n) != n - 1)
                    continue;
                Cube cube = list[i];
                for (int k = 0; k < n; ++k) {
                    if (cube.text[k] != list[j].text[k])
                        cube.text[k] = '-';
                }
                cube.minterms.insert(cube.minterms.end(), list[j].minterms.begin(),
                                     list[j].minterms.end());
                next.push_back(cube);
                merged = true;
            }
            for (std::size_t p = 0; p < i; ++p) {
                if (isOpen(p) && sameCharacters(list[p].text, list[i].text, n) == n - 1)
                    merged = true;
            }
            if (!merged)
                next.push_back({list[i].text + '*', list[i].minterms});
        }
        list = next;
        open = std::any_of(list.begin(), list.end(),
                           [&](const Cube &c) { return c.text.size() == std::size_t(n); });
        for (std::size_t f = 0; f < list.size(); ++f) {
            for (std::size_t later = f + 1; later < list.size();) {
                if (list[later].text == list[f].text)
                    list.erase(list.begin() + static_cast<std::ptrdiff_t>(later));
                else
                    ++later;
            }
        }
    }
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        result.primes.push_back({it->text, it->minterms});

    const int primeCount = static_cast<int>(result.primes.size());
    std::vector<std::vector<int>> chart(1);
    for (int p = 0; p <= primeCount; ++p)
        chart[0].push_back(p);
    for (int m = 0; m < cellCount; ++m) {
        if (result.cellCodes[m] == 1) {
            chart.emplace_back(primeCount + 1, 0);
            chart.back()[0] = m;
        }
    }
    const auto rowOf = [&](int m) {
        for (std::size_t r = 1; r < chart.size(); ++r) {
            if (chart[r][0] == m)
                return static_cast<int>(r);
        }
        return -1;
    };
    std::vector<int> count(64, 0);
    for (int p = 1; p <= primeCount; ++p) {
        for (const int m : result.primes[p - 1].minterms) {
            const int row = rowOf(m);
            if (row >= 0) {
                chart[row][p] = 1;
                ++count[m];
            }
        }
    }
    const auto choose = [&](std::size_t k) {
        result.selection.push_back(chart[0][k]);
        chart[0].erase(chart[0].begin() + static_cast<std::ptrdiff_t>(k));
        for (std::size_t r = 1; r < chart.size();) {
            if (chart[r][k] == 1) {
                chart.erase(chart.begin() + static_cast<std::ptrdiff_t>(r));
            } else {
                chart[r].erase(chart[r].begin() + static_cast<std::ptrdiff_t>(k));
                ++r;
            }
        }
    };
    std::vector<int> essentialMinterms;
    for (int m = 0; m < 64; ++m) {
        if (count[m] == 1)
            essentialMinterms.push_back(m);
    }
    for (const int m : essentialMinterms) {
        for (std::size_t k = 1; k < chart[0].size(); ++k) {
            const int row = rowOf(m);
            if (row >= 0 && chart[row][k] == 1)
                choose(k);
        }
    }
    while (chart.size() > 1) {
        std::size_t best = 1;
        int bestCount = -1;
        for (std::size_t k = 1; k < chart[0].size(); ++k) {
            int ones = 0;
            for (std::size_t r = 1; r < chart.size(); ++r)
                ones += chart[r][k];
            if (ones > bestCount) {
                best = k;
                bestCount = ones;
            }
        }
        choose(best);
    }
    for (const int number : result.selection)
        result.groups.push_back(result.primes[number - 1].minterms);
    result.text = resultText(result.cellCodes, result.primes, result.selection, form,
                             Minimization::defaultNames());
    return result;
}

} // namespace PlainTabulation

// Each cell 0, 1 or don't care; the don't-care share varies from function to
// function so that sparse and dense tables both occur.
std::vector<int> randomCells(std::mt19937 &random, int n)
{
    static const std::array<int, 5> dontCarePercent{0, 10, 30, 60, 90};
    const int percent = dontCarePercent[random() % 5];
    std::vector<int> cells;
    for (int m = 0; m < (1 << n); ++m) {
        if (static_cast<int>(random() % 100) < percent)
            cells.push_back(2);
        else
            cells.push_back(static_cast<int>(random() % 2));
    }
    return cells;
}

} // namespace

class TestMinimizationProperties : public QObject
{
    Q_OBJECT

private slots:
    void everyFourVariableFunction_data();
    void everyFourVariableFunction();
    void randomFunctionsWithDontCares_data();
    void randomFunctionsWithDontCares();
    void sameAsPlainTabulation_data();
    void sameAsPlainTabulation();
};

static void addForms()
{
    QTest::addColumn<bool>("pos");
    QTest::newRow("SOP") << false;
    QTest::newRow("POS") << true;
}

void TestMinimizationProperties::everyFourVariableFunction_data()
{
    addForms();
}

void TestMinimizationProperties::everyFourVariableFunction()
{
    QFETCH(bool, pos);
    const MinimizationForm form =
        pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    // Results are reused from function to function, so nothing of an
    // earlier function may survive in them.
    const VariableNames names = Minimization::defaultNames();
    Minimization minimization;
    MinimizationResult result;
    MinimizationResult again;
    std::vector<int> cells(16);
    for (int function = 0; function < (1 << 16); ++function) {
        for (int m = 0; m < 16; ++m)
            cells[m] = (function >> m) & 1;
        minimization.run(4, cells, form, names, result);
        const std::string failure = checkProperties(4, cells, form, result);
        if (!failure.empty())
            QFAIL((listText(cells) + ": " + failure).c_str());
        minimization.run(4, cells, form, names, again);
        if (!sameResult(result, again))
            QFAIL((listText(cells) + ": second run differs").c_str());
    }
}

void TestMinimizationProperties::randomFunctionsWithDontCares_data()
{
    addForms();
}

void TestMinimizationProperties::randomFunctionsWithDontCares()
{
    QFETCH(bool, pos);
    const MinimizationForm form =
        pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    std::mt19937 random(20261208);
    const VariableNames names = Minimization::defaultNames();
    Minimization minimization;
    MinimizationResult result;
    MinimizationResult again;
    for (int run = 0; run < 20000; ++run) {
        const int n = 5 + run % 2;
        const std::vector<int> cells = randomCells(random, n);
        minimization.run(n, cells, form, names, result);
        const std::string failure = checkProperties(n, cells, form, result);
        if (!failure.empty())
            QFAIL((listText(cells) + ": " + failure).c_str());
        minimization.run(n, cells, form, names, again);
        if (!sameResult(result, again))
            QFAIL((listText(cells) + ": second run differs").c_str());
    }
}

void TestMinimizationProperties::sameAsPlainTabulation_data()
{
    addForms();
}

void TestMinimizationProperties::sameAsPlainTabulation()
{
    QFETCH(bool, pos);
    const MinimizationForm form =
        pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    std::mt19937 random(4711);
    Minimization minimization;
    // One result filled again and again, for tables of 2..6 variables in
    // turn: a smaller table must not keep anything of a larger one.
    MinimizationResult actual;
    std::vector<std::vector<int>> tables = {std::vector<int>(64, 1), std::vector<int>(64, 2)};
    for (int run = 0; run < 1000; ++run)
        tables.push_back(randomCells(random, 2 + run % 5));
    for (const std::vector<int> &cells : tables) {
        int n = 0;
        while ((1 << n) < static_cast<int>(cells.size()))
            ++n;
        const MinimizationResult expected = PlainTabulation::run(n, cells, form);
        minimization.run(n, cells, form, Minimization::defaultNames(), actual);
        QCOMPARE(primesText(actual.primes), primesText(expected.primes));
        QCOMPARE(actual.selection, expected.selection);
        QCOMPARE(actual.groups, expected.groups);
        QCOMPARE(actual.text, expected.text);
        QCOMPARE(actual.cellCodes, expected.cellCodes);
    }
}

QTEST_GUILESS_MAIN(TestMinimizationProperties)
#include "MinimizationPropertiesTest.moc"
