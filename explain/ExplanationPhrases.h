// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Every word and sentence an explanation document is written with. The
// defaults are the English ones tavolin-cli prints; the steps window hands
// in its translations. Numbered places (%1, %2, ...) are filled in by
// PhraseTemplate; what each one holds is noted beside the sentence.
struct ExplanationPhrases
{
    std::string titleSumOfProducts = // %1 variables, %2 the expression
        "Minimizing a function of %1 variables as a sum of products: %2";
    std::string titleProductOfSums =
        "Minimizing a function of %1 variables as a product of sums: %2";
    std::string minterm = "minterm";
    std::string minterms = "minterms";
    std::string maxterm = "maxterm";
    std::string maxterms = "maxterms";
    std::string oneTerm = "%1 term";
    std::string manyTerms = "%1 terms";
    std::string oneLiteral = "%1 literal";
    std::string manyLiterals = "%1 literals";
    std::string cost = "%1, %2"; // terms, literals

    std::string tabulation = "Tabulation";
    std::string tabulationIntro = // %1 the value, 1 or 0
        "The cells that are %1 or don't care start the table, grouped by their number of ones. "
        "Each pass merges cubes of neighbouring groups that differ in one variable; merged cubes "
        "are checked (✓). Cubes never checked are the prime implicants.";
    std::vector<std::string> tabulationHeader{"Pass", "Ones", "Cube", "Covers", "Mark"};
    std::string primeMark = "prime %1"; // %1 the prime's name
    std::string nothingToMerge = "No cell takes part: there is nothing to merge.";

    std::string primes = "Prime implicants";
    std::vector<std::string> primesHeader{"Prime",    "Cube",   "Term",
                                          "Literals", "Covers", "Essential"};
    std::string yes = "yes";
    std::string noPrimes = "There are no prime implicants.";

    std::string chart = "Prime implicant chart";
    std::string chartIntro = // %1 the cell word's plural, %2 its singular
        "Rows: the %1 that must be covered (don't cares need no cover). Columns: the prime "
        "implicants; X marks a %2 a prime covers, (X) the only prime on its row, which makes "
        "that prime essential. The last row marks the primes \"Minimize!\" chose.";
    std::string nothingToCover = "No %1 needs covering."; // %1 the cell word
    std::string chosen = "chosen";
    std::string essentialPrime = // %1 prime, %2 its term, %3 the cell word, %4 the cell
        "%1 (%2) is essential: it is the only prime covering %3 %4.";
    std::string noEssentialPrime = "No prime is essential.";

    std::string choices = "Choices of \"Minimize!\"";
    std::vector<std::string> choicesHeader{"Step", "Prime", "Term", "Reason"};
    std::string nothingChosen = "Nothing needs covering, so nothing is chosen.";
    std::string essentialReason = // %1 the cell word, %2 the cell
        "essential: the only prime covering %1 %2";
    std::string mostReason = // %1 covered, %2 remaining, %3 the cell word's plural
        "covers %1 of the %2 remaining %3, the most";
    std::string mostTiedReason = // the same, %4 the number of tied primes
        "covers %1 of the %2 remaining %3, the most; leftmost of %4 tied primes";

    std::string solutions = "Solutions";
    std::vector<std::string> coversHeader{"Cover", "Primes", "Terms", "Literals", "Expression"};
    std::string windowCover = "Minimize!";
    std::string minimumCover = "Minimum";
    std::string windowIsMinimal = "The window's answer is minimal.";
    std::string shorterExists = // %1 the expression, %2 its cost, %3 the window's cost
        "A shorter answer exists: %1 (%2 instead of %3).";
    std::string notCounted = "The minimum solutions have not been counted.";
    std::string oneSolution = "There is exactly one minimum solution.";
    std::string solutionCount = "There are %1 minimum solutions.";
    std::string solutionCountStopped =
        "There are at least %1 minimum solutions (the count stopped there).";
    std::vector<std::string> solutionsHeader{"Solution", "Primes", "Expression"};
    std::string firstListed = "The first %1 are listed.";

    std::string hazardFree = "Hazard-free cover";
    std::string hazardFreeIntro = // %1 the value, 1 or 0
        "The fewest terms, then literals, such that every two adjacent cells that are both %1 "
        "lie in one term: changing a single input between them cannot make the output glitch.";
    std::string searchStopped = "The search was stopped before it finished.";

    // The joint cover of several outputs.
    std::string jointTitleSumOfProducts = // %1 outputs, %2 variables
        "Minimizing %1 outputs of %2 variables together as a sum of products";
    std::string jointTitleProductOfSums =
        "Minimizing %1 outputs of %2 variables together as a product of sums";
    std::string output = "output";
    std::string jointPrimes = "Multi-output prime implicants";
    std::string jointPrimesIntro = // %1 the cell word
        "Each product with the outputs it may serve: it is an implicant of each of them and "
        "covers a %1 of each. Dropping any of its literals would lose one of them.";
    std::vector<std::string> jointPrimesHeader{"Prime",    "Cube",    "Term",
                                               "Literals", "Outputs", "Covers"};
    std::string jointChart = "Joint prime implicant chart";
    std::string jointChartIntro = // %1 the cell word's plural, %2 its singular
        "Rows: each output's %1 that must be covered (don't cares need no cover). Columns: the "
        "multi-output prime implicants; X marks a prime that covers the %2 and may serve the "
        "output, (X) the only prime on its row. The last row marks the products of the joint "
        "cover.";
    std::string jointNothingToCover = "No output has a %1 to cover."; // %1 the cell word
    std::string jointCover = "Joint cover";
    std::string jointCoverIntro =
        "The fewest distinct products, then the fewest literals, then the fewest connections "
        "from a product to an output; a product shared by several outputs counts once.";
    std::vector<std::string> jointCoverHeader{"Product", "Prime", "Term", "Outputs", "Shared"};
    std::string oneProduct = "%1 product";
    std::string manyProducts = "%1 products";
    std::string oneConnection = "%1 connection";
    std::string manyConnections = "%1 connections";
    std::string jointCost = "%1, %2, %3."; // products, literals, connections
    std::string proven = "Proven minimal.";
    std::string notProven =
        "Not proven minimal: the search ran out of time; this is the best cover it found.";
    std::string notProvenStopped =
        "Not proven minimal: the search was stopped; this is the best cover it found.";
    std::vector<std::string> jointOutputsHeader{"Output", "Expression"};
};
