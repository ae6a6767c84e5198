// The moment of a run as the window writes it beside the time slider: the
// dimensionless time and the seconds, each to two decimals, with the user's
// decimal separator.

#include "ui/text/captions.h"
#include "ui/look/controlstyle.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

TEST(Captions, MomentInBothUnits)
{
    const struct {
        double t, omega;
        const char* decimalPoint;
        const char* text;
    } rows[] = {
        {0, 20, ",", "t = 0,00  (0,00 с)"},
        {7.534, 20, ",", "t = 7,53  (0,38 с)"},   // 0.3767 s rounds up
        {7.534, 20, ".", "t = 7.53  (0.38 с)"},
        {19.996, 20, ",", "t = 20,00  (1,00 с)"},  // rounding carries into the units
        {125.6, 0.5, ",", "t = 125,60  (251,20 с)"},
        // The longest runs keep the label within its 133 pixels.
        {10000, 20, ",", "t = 10000  (500,00 с)"},
        {1234.56, 0.5, ",", "t = 1234,6  (2469,1 с)"},
        // Without a frequency there are no seconds to give.
        {7.534, 0, ",", "t = 7,53"},
    };
    const QFontMetrics label(serifFont(11.25));
    for (const auto& r : rows) {
        const QString text = momentText(r.t, r.omega, QString::fromLatin1(r.decimalPoint));
        EXPECT_EQ(text, QString::fromUtf8(r.text)) << r.t << " " << r.omega;
        EXPECT_LE(label.horizontalAdvance(text), 133) << r.t;
    }
}

}  // namespace
}  // namespace dryfriction::test
