// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pla/PlaFunction.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The faults a PLA file can have; each has a sentence with numbered places.
enum class PlaFault
{
    None,
    UnsupportedKind,          // %1 the directive
    CountOutOfRange,          // %1 the quoted word after ".i"
    CountMissing,             //
    CountDisagreesWithLabels, // %1 the count, %2 the labels named
    OutputsMissing,           //
    TypeAfterProducts,        //
    TypeUnsupported,          // %1 the quoted type
    TooManyLabels,            // %1 the count
    TooFewLabels,             // %1 the labels named, %2 the count
    NoOutputPart,             // %1 the quoted product line
    BadInputPart,             // %1 the quoted input part, %2 the count
    TooManyOutputs,           // %1 the count of outputs
};

// What went wrong in a PLA file: the 1-based line, the fault with the values
// of its places (already made safe to show), and the English sentence.
struct PlaError
{
    int line = 1;
    PlaFault fault = PlaFault::None;
    std::vector<std::string> values;
    std::string message;
};

// The ".ilb" labels that could not serve as names: the quoted labels and the
// default names taken instead, each as a list separated by ", ".
struct PlaLabelsNote
{
    std::size_t count = 0;
    std::string labels;
    std::string names;
};

struct PlaReadResult
{
    std::optional<PlaFunction> function;
    PlaError error; // meaningful only when `function` is empty

    bool ok() const { return function.has_value(); }
};

struct PlaOutputsResult
{
    std::optional<PlaOutputs> outputs;
    PlaError error; // meaningful only when `outputs` is empty

    bool ok() const { return outputs.has_value(); }
};

// Reads the text of a PLA file as a whole and either returns the function it
// describes or the first fault, never anything in between.
//
// Understood: ".i n" (2 ... 6; clears the function), ".o k", ".ilb labels"
// (one per variable; when one is not a valid name here the variables keep
// the default names and the labels are reported), ".ob labels", ".type"
// (f, fd, fr or fdr, before the first product line), comments from a word
// starting with '#' to the end of its line, ".e"/".end" (end of the function)
// and product lines. Blanks, tabs and '|' inside a product line are skipped:
// its characters are the input plane (0, 1, and '-' or '2' covering both
// values) then the output plane, though the first word may not run past the
// input plane. An output character means, for the cells the inputs cover:
// '1' or '4' ON; '0' OFF for the types fr and fdr and nothing otherwise; '3'
// and '~' nothing; anything else a don't care. The lines combine as a union
// whatever their order: a don't care wins over ON and ON over OFF; with the
// types fr and fdr the cells no line names are don't cares. ".mv", ".kiss"
// and ".symbolic" are refused; every other word starting with '.' is a
// directive this program has no use for and is skipped with its line.
class PlaReader
{
public:
    // `currentCount` is the count the program shows now; it applies until a
    // ".i" line says otherwise. A value outside 2 ... 6 counts as 4.
    // `output` picks the output read, 0 for the first.
    static PlaReadResult read(const std::string &text, int currentCount, int output = 0);
    static PlaReadResult read(std::istream &in, int currentCount, int output = 0);

    // Every output in one pass, each as read() gives it; a file of more
    // than 64 outputs is refused. An ".ob" label that is not a valid name,
    // is an input's name or repeats an earlier label makes every output take
    // its default name ("f", "f1", ...); labels beyond the outputs are not
    // used, and outputs beyond the labels get default names.
    static PlaOutputsResult readOutputs(const std::string &text, int currentCount);

    // A sentence saying which ".ilb" labels were replaced by which default
    // names; empty when the file's labels serve as they are.
    static std::string replacedLabelsNote(const PlaFunction &function);
    static PlaLabelsNote replacedLabels(const PlaFunction &function);
    static std::string replacedLabelsNote(const PlaOutputs &outputs);
    // The same for the ".ob" labels and the outputs' default names.
    static std::string replacedOutputLabelsNote(const PlaOutputs &outputs);
    static PlaLabelsNote replacedOutputLabels(const PlaOutputs &outputs);

    // The English sentence of a fault, with its numbered places.
    static std::string englishPattern(PlaFault fault);
    static constexpr const char *englishOneLabelNote =
        "The label %1 is not a valid variable name (1 to 3 letters or digits, all different), "
        "so the variables have the default names %2.";
    static constexpr const char *englishLabelsNote =
        "The labels %1 are not valid variable names (1 to 3 letters or digits, all different), "
        "so the variables have the default names %2.";
    static constexpr const char *englishOneOutputLabelNote =
        "The output label %1 is not a valid output name (1 to 3 letters or digits, all "
        "different and none an input's name), so the outputs have the default names %2.";
    static constexpr const char *englishOutputLabelsNote =
        "The output labels %1 are not valid output names (1 to 3 letters or digits, all "
        "different and none an input's name), so the outputs have the default names %2.";
};
