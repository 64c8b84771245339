// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/VerdictJson.h"

#include "check/VerdictText.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

const char *reasonKey(AnswerShapeFault fault)
{
    switch (fault) {
    case AnswerShapeFault::Xor:
        return "xor";
    case AnswerShapeFault::NegatedGroup:
        return "negated-group";
    case AnswerShapeFault::SumInProduct:
        return "sum-in-product";
    case AnswerShapeFault::ProductInSum:
        return "product-in-sum";
    case AnswerShapeFault::None:
        break;
    }
    return "";
}

Json costOf(const AnswerCost &cost)
{
    return {{"terms", cost.terms}, {"literals", cost.literals}};
}

void addVerdict(Json &object, const AnswerVerdict &verdict)
{
    object["form"] = verdict.form == MinimizationForm::ProductOfSums ? "POS" : "SOP";
    object["equivalent"] = verdict.equivalent;
    object["minimal"] = verdict.minimal;
    object["extra"] = verdict.extra;
    object["missing"] = verdict.missing;
    object["minimum"] = costOf(verdict.minimum);
    object["answer"] = verdict.inForm ? costOf(verdict.answer) : Json(nullptr);
    Json terms = Json::array();
    for (const TermVerdict &term : verdict.terms) {
        Json entry = {{"text", term.text},
                      {"literals", term.literals},
                      {"cells", term.cells},
                      {"implicant", term.implicant},
                      {"prime", term.prime},
                      {"redundant", verdict.equivalent ? Json(term.redundant) : Json(nullptr)}};
        if (!term.drop.empty())
            entry["drop"] = term.drop;
        if (term.wrongCell >= 0)
            entry["wrongCell"] = term.wrongCell;
        terms.push_back(std::move(entry));
    }
    object["terms"] = std::move(terms);
    if (!verdict.inForm)
        object["notInForm"] = {{"reason", reasonKey(verdict.shapeFault)},
                               {"position", verdict.faultColumn + 1}};
    object["sentences"] = VerdictText::sentences(verdict);
}

// Compact, keys in order; bytes that are not UTF-8 (an id in another
// encoding) become U+FFFD instead of failing the call.
std::string compact(const Json &value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string VerdictJson::text(const AnswerVerdict &verdict)
{
    Json object = Json::object();
    addVerdict(object, verdict);
    return compact(object);
}

std::string VerdictJson::row(const std::string &id, const std::string &verdictWord,
                             const AnswerVerdict *verdict, const std::string &error)
{
    Json object = Json::object();
    object["id"] = id;
    object["verdict"] = verdictWord;
    if (verdict != nullptr)
        addVerdict(object, *verdict);
    if (!error.empty())
        object["error"] = error;
    return compact(object);
}
