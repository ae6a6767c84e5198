#include "upravtable.h"

#include "ui/text/rulemessages.h"

#include "model/inputrules.h"
#include "model/parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

// uprav lists every message the window gives, letter for
// letter, in the field that gives it, with the program's beep and correction.
TEST(UpravMessages, AreTheProgramsMessages)
{
    const std::vector<Row> rows = upravMessageTable();
    ASSERT_FALSE(rows.empty()) << "no message table in uprav.md";
    for (const Rejected& r : kRejected) {
        const std::string window = ruleMessage(r.rule).toStdString();
        ProblemParameters inForce = kStartupParameters;
        if (r.atRest) {
            inForce.v0 = 0;
            inForce.x0 = 0.5;
        }
        const EditOutcome outcome = applyFieldText(r.field, r.text, inForce);
        ASSERT_FALSE(outcome.passes.empty());
        ASSERT_TRUE(outcome.passes[0].correction.has_value()) << r.caption << " " << r.text;
        const Correction& c = *outcome.passes[0].correction;
        ASSERT_EQ(c.rule, r.rule) << r.caption << " " << r.text;

        int found = 0;
        for (const Row& row : rows) {
            if (row.message != window)
                continue;
            ++found;
            EXPECT_EQ(row.field, r.caption) << window;
            EXPECT_EQ(row.beep, c.beep ? "да" : "нет") << window;
            if (row.correction.rfind("|X", 0) == 0)  // the modulus of what was typed
                EXPECT_EQ(c.value, std::fabs(std::strtod(r.text, nullptr))) << window;
            else
                EXPECT_EQ(std::strtod(row.correction.c_str(), nullptr), c.value) << window << ": " << row.correction;
        }
        EXPECT_EQ(found, 1) << "uprav.md lists \"" << window << "\" " << found << " times";
    }
    // No row for a message the program no longer gives.
    EXPECT_EQ(rows.size(), std::size(kRejected));
}

}  // namespace
}  // namespace dryfriction::test
