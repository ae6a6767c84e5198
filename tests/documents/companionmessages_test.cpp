#include "upravtable.h"

#include "table/rulemessages.h"
#include "table/tablecommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

namespace dryfriction::test {
namespace {

// The companion rejects the same values with the messages uprav lists for
// the window, in the same field.
TEST(UpravMessages, AreTheCompanionsMessages)
{
    const std::vector<Row> rows = upravMessageTable();
    ASSERT_FALSE(rows.empty()) << "no message table in uprav.md";
    for (const Rejected& r : kRejected) {
        // The companion reads all its options before it checks them, and a
        // start at rest inside the zone is always told as the coordinate's fault.
        if (r.rule == InputRule::V0InStagnationZone)
            continue;
        std::vector<std::string_view> args;
        if (r.atRest)
            args = {"--v0", "0"};
        args.push_back(r.option);
        args.push_back(r.text);
        std::ostringstream out, err;
        ASSERT_EQ(runTable(args, out, err), kTableUsage) << r.option << " " << r.text;
        const std::string said = err.str();
        int found = 0;
        for (const Row& row : rows) {
            if (said.find(row.message) == std::string::npos || row.message.empty())
                continue;
            ++found;
            EXPECT_EQ(row.field, r.caption) << said;
        }
        EXPECT_EQ(found, 1) << "the companion says \"" << said << "\"";
        EXPECT_NE(said.find(std::string(ruleMessage(r.rule))), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace dryfriction::test
