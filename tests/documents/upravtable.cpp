#include "upravtable.h"

#include "documentsource.h"

#include <sstream>

namespace dryfriction::test {

namespace {

std::string plain(std::string cell)
{
    std::string out;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] == '\\' && i + 1 < cell.size())
            out += cell[++i];
        else if (cell[i] != '*')
            out += cell[i];
    }
    const auto first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// The cells of a table row "| a | b \| c |": an escaped bar is text.
std::vector<std::string> cells(const std::string& line)
{
    std::vector<std::string> out;
    std::string cell;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            cell += line.substr(i, 2);
            ++i;
        } else if (line[i] == '|') {
            out.push_back(plain(cell));
            cell.clear();
        } else {
            cell += line[i];
        }
    }
    return out;
}

}  // namespace

std::vector<Row> upravMessageTable()
{
    std::istringstream lines(documentSource("uprav"));
    std::vector<Row> rows;
    bool inTable = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("| Поле | Когда | Сигнал | Сообщение | Исправление |", 0) == 0) {
            inTable = true;
            continue;
        }
        if (!inTable || line.rfind("|---", 0) == 0)
            continue;
        if (line.rfind("|", 0) != 0)
            break;
        const std::vector<std::string> c = cells(line);
        if (c.size() >= 5)
            rows.push_back({c[0], c[1], c[2], c[3], c[4]});
    }
    return rows;
}

}  // namespace dryfriction::test
