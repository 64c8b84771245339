// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/ExplanationRenderer.h"

#include <algorithm>

namespace {

// Characters, not bytes, so that "✓" takes one column.
std::size_t displayWidth(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string &text, std::size_t width)
{
    return text + std::string(width - std::min(width, displayWidth(text)), ' ');
}

std::string textTable(const DocumentTable &table)
{
    std::vector<std::size_t> widths(table.header.size(), 0);
    const auto measure = [&](const std::vector<std::string> &row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    };
    measure(table.header);
    for (const auto &row : table.rows)
        measure(row);
    const auto line = [&](const std::vector<std::string> &row) {
        std::string text;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = c < row.size() ? row[c] : std::string();
            text += c + 1 < widths.size() ? padded(cell, widths[c]) + "  " : cell;
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text + "\n";
    };
    std::string text = line(table.header);
    std::vector<std::string> rule;
    rule.reserve(widths.size());
    for (const std::size_t width : widths)
        rule.emplace_back(width, '-');
    text += line(rule);
    for (const auto &row : table.rows)
        text += line(row);
    return text;
}

std::string renderText(const ExplanationDocument &document)
{
    std::string text =
        document.title + "\n" + std::string(displayWidth(document.title), '=') + "\n";
    for (const DocumentSection &section : document.sections) {
        text += "\n" + section.title + "\n" + std::string(displayWidth(section.title), '-') + "\n";
        for (const DocumentBlock &block : section.blocks) {
            text += "\n";
            text += block.kind == DocumentBlock::Kind::Table ? textTable(block.table)
                                                             : block.text + "\n";
        }
    }
    return text;
}

// Characters that Markdown would read as emphasis, code or a table border.
std::string markdownEscaped(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == '|' || c == '*' || c == '_' || c == '`' || c == '<' || c == '[')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string markdownRow(const std::vector<std::string> &cells)
{
    std::string text = "|";
    for (const std::string &cell : cells)
        text += " " + markdownEscaped(cell) + " |";
    return text + "\n";
}

std::string renderMarkdown(const ExplanationDocument &document)
{
    std::string text = "# " + markdownEscaped(document.title) + "\n";
    for (const DocumentSection &section : document.sections) {
        text += "\n## " + markdownEscaped(section.title) + "\n";
        for (const DocumentBlock &block : section.blocks) {
            text += "\n";
            if (block.kind == DocumentBlock::Kind::Paragraph) {
                text += markdownEscaped(block.text) + "\n";
                continue;
            }
            text += markdownRow(block.table.header);
            text += "|";
            for (std::size_t c = 0; c < block.table.header.size(); ++c)
                text += " --- |";
            text += "\n";
            for (const auto &row : block.table.rows)
                text += markdownRow(row);
        }
    }
    return text;
}

std::string htmlEscaped(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string renderHtml(const ExplanationDocument &document)
{
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                       htmlEscaped(document.title) +
                       "</title>\n<style>\ntable { border-collapse: collapse; }\n"
                       "th, td { border: 1px solid #888; padding: 2px 6px; }\n"
                       "th { background: #eee; }\n</style>\n</head>\n<body>\n<h1>" +
                       htmlEscaped(document.title) + "</h1>\n";
    for (const DocumentSection &section : document.sections) {
        html += "<h2 id=\"" + section.id + "\">" + htmlEscaped(section.title) + "</h2>\n";
        for (const DocumentBlock &block : section.blocks) {
            if (block.kind == DocumentBlock::Kind::Paragraph) {
                html += "<p>" + htmlEscaped(block.text) + "</p>\n";
                continue;
            }
            html += "<table>\n<tr>";
            for (const std::string &cell : block.table.header)
                html += "<th>" + htmlEscaped(cell) + "</th>";
            html += "</tr>\n";
            for (const auto &row : block.table.rows) {
                html += "<tr>";
                for (const std::string &cell : row)
                    html += "<td>" + htmlEscaped(cell) + "</td>";
                html += "</tr>\n";
            }
            html += "</table>\n";
        }
    }
    return html + "</body>\n</html>\n";
}

} // namespace

std::string renderDocument(const ExplanationDocument &document, ExplanationFormat format)
{
    switch (format) {
    case ExplanationFormat::Markdown:
        return renderMarkdown(document);
    case ExplanationFormat::Html:
        return renderHtml(document);
    case ExplanationFormat::Text:
        break;
    }
    return renderText(document);
}

std::string renderExplanation(const Explanation &explanation, ExplanationFormat format,
                              const ExplanationPhrases &phrases)
{
    return renderDocument(explanationDocument(explanation, phrases), format);
}

std::string renderExplanation(const JointExplanation &explanation, ExplanationFormat format,
                              const ExplanationPhrases &phrases)
{
    return renderDocument(explanationDocument(explanation, phrases), format);
}
