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

std::optional<double> number(const std::string& s)
{
    static const std::regex pattern(R"(-?\d+(\.\d+)?([eE][-+]?\d+)?)");
    if (!std::regex_match(s, pattern))
        return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

bool matches(const std::string& quoted, double printed)
{
    const std::optional<double> q = number(quoted);
    // A little more than half a digit, for the binary value of the decimal quoted.
    return q && std::abs(*q - printed) <= halfLastDigit(quoted) * (1 + 1e-9) + 1e-15;
}

}  // namespace

QuoteCheck checkQuotedNumbers(std::string_view markdown)
{
    static const std::regex codeSpan("`([^`]+)`");
    static const std::regex keyValue(R"(^([A-Za-z_][A-Za-z_0-9]*)=(\S+)$)");
    static const std::regex sampleRow(R"(^-?[0-9.]+(,-?[0-9.eE+-]+)+$)");
    static const std::regex scopeEnd(R"(^(#|\d+\. |- |\|))");
    const std::string text(markdown);

    QuoteCheck check;
    std::optional<Command> command;
    bool fenced = false;
    int lineNumber = 0;
    std::istringstream lines(text);
    auto problem = [&](const std::string& what) {
        check.problems.push_back("line " + std::to_string(lineNumber) + ": " + what);
    };
    auto start = [&](const std::string& line) {
        command = run(line);
        if (command->status == 0)
            return;
        // The companion's message follows the program name and the option.
        const std::string message = trimmed(command->error.substr(command->error.rfind(": ") + 2));
        if (collapsed(text).find(collapsed(message)) == std::string::npos)
            problem("`" + line + "` is rejected and the document does not say so: " + command->error);
    };
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        const std::string t = trimmed(line);
        if (t.rfind("```", 0) == 0) {
            fenced = !fenced;
            continue;
        }
        if (fenced) {
            if (t.rfind("dryfriction-table", 0) == 0)
                start(t);
            continue;
        }
        if (std::regex_search(t, scopeEnd))
            command.reset();
        for (std::sregex_iterator it(t.begin(), t.end(), codeSpan), end; it != end; ++it) {
            const std::string span = withPlainBlanks((*it)[1].str());
            std::smatch kv;
            if (span.rfind("dryfriction-table", 0) == 0) {
                start(span);
            } else if (std::regex_match(span, kv, keyValue)) {
                ++check.quotes;
                if (!command) {
                    problem("`" + span + "` quotes no command");
                    continue;
                }
                const auto printed = command->values.find(kv[1].str());
                if (printed == command->values.end()) {
                    problem("`" + command->text + "` prints no " + kv[1].str());
                } else if (printed->second != kv[2].str()) {
                    const std::optional<double> value = number(printed->second);
                    if (!value || !matches(kv[2].str(), *value))
                        problem("`" + span + "`: `" + command->text + "` prints " + printed->first + "=" +
                                printed->second);
                }
            } else if (std::regex_match(span, sampleRow)) {
                ++check.quotes;
                if (!command || command->rows.empty()) {
                    problem("`" + span + "` quotes no --samples command");
                    continue;
                }
                std::vector<std::string> fields;
                std::istringstream parts(span);
                for (std::string f; std::getline(parts, f, ',');)
                    fields.push_back(f);
                bool found = false;
                for (const std::vector<double>& row : command->rows) {
                    bool same = row.size() >= fields.size();
                    for (std::size_t i = 0; same && i < fields.size(); ++i)
                        same = matches(fields[i], row[i]);
                    found = found || same;
                }
                if (!found)
                    problem("`" + span + "`: no such row from `" + command->text + "`");
            }
        }
    }
    return check;
}

}  // namespace dryfriction::test
