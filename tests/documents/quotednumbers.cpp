#include "quotednumbers.h"

#include "table/tablecommand.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

namespace dryfriction::test {

namespace {

std::string trimmed(std::string s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Line breaks and runs of blanks as one blank, for a text that wraps.
std::string collapsed(const std::string& s)
{
    std::string out;
    for (char c : s) {
        const bool blank = c == ' ' || c == '\n' || c == '\t';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return trimmed(out);
}

// A non-breaking space between an option and its value reads as a blank.
std::string withPlainBlanks(std::string s)
{
    static const std::string nbsp = "\xC2\xA0";
    for (auto at = s.find(nbsp); at != std::string::npos; at = s.find(nbsp, at))
        s.replace(at, nbsp.size(), " ");
    return s;
}

struct Command {
    std::string text;
    int status = 0;
    std::map<std::string, std::string> values;
    std::vector<std::vector<double>> rows;
    std::string error;
};

Command run(const std::string& line)
{
    Command c;
    c.text = line;
    std::istringstream words(withPlainBlanks(line));
    std::vector<std::string> storage;
    for (std::string w; words >> w;)
        storage.push_back(w);
    std::vector<std::string_view> args(storage.begin() + 1, storage.end());
    std::ostringstream out, err;
    c.status = runTable(args, out, err);
    c.error = err.str();
    std::istringstream lines(out.str());
    for (std::string l; std::getline(lines, l);) {
        const auto eq = l.find('=');
        if (eq != std::string::npos) {
            c.values[l.substr(0, eq)] = l.substr(eq + 1);
        } else if (!l.empty() && (std::isdigit(static_cast<unsigned char>(l[0])) || l[0] == '-')) {
            std::vector<double> row;
            std::istringstream fields(l);
            for (std::string f; std::getline(fields, f, ',');)
                row.push_back(std::strtod(f.c_str(), nullptr));
            c.rows.push_back(row);
        }
    }
    return c;
}

// Half a unit of the last digit written: "0.16227765" 5e-9, "6.271E+01" 5e-3.
double halfLastDigit(const std::string& number)
{
    const auto e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(number.c_str() + e + 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

std::optional<double> numberIn(const std::string& s)
{
    static const std::regex pattern(R"(-?\d+(\.\d+)?([eE][-+]?\d+)?)");
    if (!std::regex_match(s, pattern))
        return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

bool matches(const std::string& quoted, double printed)
{
    const std::optional<double> q = numberIn(quoted);
    // A little more than half a digit, for the binary value of the decimal quoted.
    return q && std::abs(*q - printed) <= halfLastDigit(quoted) * (1 + 1e-9) + 1e-15;
}

}  // namespace

namespace {

// What a line of the document holds, in reading order.
struct Item {
    enum Kind { Command, KeyValue, SampleRow, Caption } kind;
    int line;
    std::string text;  // the command, the quote, or the caption as written
    std::string key, value;
};

// The window's captions a document quotes in prose ("X_end=-9.066E-01",
// "a= 4.907E-03") and the companion's lines that carry the same value.
std::vector<std::string> captionKeys(const std::string& caption)
{
    if (caption == "|X_end|")
        return {"Xend_an"};
    if (caption == "П_end")
        return {"P_end", "Pend_an"};
    if (caption == "Ao/a")
        return {"Ao"};
    return {caption};
}

void scanProse(const std::string& prose, int line, std::vector<Item>& items)
{
    static const std::regex caption(R"((\|X_end\||X_end|П_end|w|To|a|Va|Ao/a|tau_0|t_m)= ?(-?\d\.\d+E[-+]\d\d))");
    for (std::sregex_iterator it(prose.begin(), prose.end(), caption), end; it != end; ++it) {
        // "Va=" in "Va= 9.814E-02" but not the "a=" inside it.
        const auto at = static_cast<std::size_t>(it->position());
        if (at > 0 && std::isalnum(static_cast<unsigned char>(prose[at - 1])))
            continue;
        items.push_back({Item::Caption, line, (*it)[0].str(), (*it)[1].str(), (*it)[2].str()});
    }
}

}  // namespace

QuoteCheck checkQuotedNumbers(std::string_view markdown)
{
    static const std::regex codeSpan("`([^`]+)`");
    static const std::regex keyValue(R"(^([A-Za-z_][A-Za-z_0-9]*)=(\S+)$)");
    static const std::regex sampleRow(R"(^-?[0-9.]+(,-?[0-9.eE+-]+)+$)");
    static const std::regex blockStart(R"(^(#|\d+\. |- |\|))");
    const std::string text(markdown);

    // The document cut into blocks (a section's paragraphs, a list item, a
    // table row), each a list of its commands and quotes.
    std::vector<std::vector<Item>> blocks(1);
    bool fenced = false;
    int lineNumber = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        const std::string t = withPlainBlanks(trimmed(line));
        if (t.rfind("```", 0) == 0) {
            fenced = !fenced;
            continue;
        }
        if (fenced) {
            if (t.rfind("dryfriction-table", 0) == 0)
                blocks.back().push_back({Item::Command, lineNumber, t, {}, {}});
            continue;
        }
        if (std::regex_search(t, blockStart))
            blocks.emplace_back();
        std::size_t from = 0;
        for (std::sregex_iterator it(t.begin(), t.end(), codeSpan), end; it != end; ++it) {
            scanProse(t.substr(from, static_cast<std::size_t>(it->position()) - from), lineNumber, blocks.back());
            from = static_cast<std::size_t>(it->position() + it->length());
            const std::string span = (*it)[1].str();
            std::smatch kv;
            if (span.rfind("dryfriction-table", 0) == 0)
                blocks.back().push_back({Item::Command, lineNumber, span, {}, {}});
            else if (std::regex_match(span, kv, keyValue))
                blocks.back().push_back({Item::KeyValue, lineNumber, span, kv[1].str(), kv[2].str()});
            else if (std::regex_match(span, sampleRow))
                blocks.back().push_back({Item::SampleRow, lineNumber, span, {}, {}});
        }
        scanProse(t.substr(from), lineNumber, blocks.back());
    }

    QuoteCheck check;
    std::map<std::string, Command> runs;
    auto problem = [&](int line, const std::string& what) {
        check.problems.push_back("line " + std::to_string(line) + ": " + what);
    };
    for (const std::vector<Item>& block : blocks) {
        // A quote belongs to the last command before it in its block, or,
        // when it leads into its command ("X_end=-9.998E-01 ... command"), to
        // the block's first.
        const Item* first = nullptr;
        for (const Item& item : block) {
            if (item.kind != Item::Command)
                continue;
            if (!first)
                first = &item;
            if (runs.count(item.text))
                continue;
            const Command& c = runs.emplace(item.text, run(item.text)).first->second;
            if (c.status == 0)
                continue;
            // The companion's message follows the program name and the option.
            const std::string message = trimmed(c.error.substr(c.error.rfind(": ") + 2));
            if (collapsed(text).find(collapsed(message)) == std::string::npos)
                problem(item.line, "`" + item.text + "` is rejected and the document does not say so: " + c.error);
        }
        const Item* current = nullptr;
        for (const Item& item : block) {
            if (item.kind == Item::Command) {
                current = &item;
                continue;
            }
            ++check.quotes;
            const Item* owner = current ? current : first;
            if (!owner) {
                problem(item.line, "`" + item.text + "` quotes no command");
                continue;
            }
            const Command& c = runs.at(owner->text);
            if (item.kind == Item::SampleRow) {
                std::vector<std::string> fields;
                std::istringstream parts(item.text);
                for (std::string f; std::getline(parts, f, ',');)
                    fields.push_back(f);
                bool found = false;
                for (const std::vector<double>& row : c.rows) {
                    bool same = row.size() >= fields.size();
                    for (std::size_t i = 0; same && i < fields.size(); ++i)
                        same = matches(fields[i], row[i]);
                    found = found || same;
                }
                if (!found)
                    problem(item.line, "`" + item.text + "`: no such row from `" + c.text + "`");
                continue;
            }
            const std::vector<std::string> keys =
                item.kind == Item::Caption ? captionKeys(item.key) : std::vector<std::string>{item.key};
            bool printed = false, same = false;
            std::string said;
            for (const std::string& key : keys) {
                const auto value = c.values.find(key);
                if (value == c.values.end())
                    continue;
                printed = true;
                said += " " + key + "=" + value->second;
                const std::optional<double> number = numberIn(value->second);
                same = same || value->second == item.value || (number && matches(item.value, *number));
            }
            if (!printed)
                problem(item.line, "`" + c.text + "` prints no " + item.key);
            else if (!same)
                problem(item.line, "\"" + item.text + "\": `" + c.text + "` prints" + said);
        }
    }
    return check;
}

}  // namespace dryfriction::test
