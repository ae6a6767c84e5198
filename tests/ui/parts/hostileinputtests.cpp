// Hostile input through the real window: every field gets the texts a careless or
// malicious user can produce. Each edit either is accepted or ends in a message with
// its correction; no caption or field ever shows a NaN, an infinity or a broken
// number, and the value in force always passes the field's rules.

#include "windowharness.h"

#include "model/inputrules.h"
#include "model/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace dryfriction::test {
namespace {

struct FieldInfo {
    const char* name;
    InputField field;
    const char* startText;
};

constexpr FieldInfo kFields[] = {
    {"massEdit", InputField::Mass, " .1"},          {"stiffnessEdit", InputField::Stiffness, " 40"},
    {"frictionEdit", InputField::Friction, " .2"}, {"coordinateEdit", InputField::X0, " 9.5"},
    {"velocityEdit", InputField::V0, " 6"},         {"timeEdit", InputField::Time, " 20"},
};

void PrintTo(const FieldInfo& f, std::ostream* os)
{
    *os << f.name;
}

QStringList hostileTexts()
{
    QStringList texts = {
        QString(), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("."),
        QStringLiteral("1e"), QStringLiteral("1e999"), QStringLiteral("-1e999"),
        QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-inf"),
        QStringLiteral("1e-400"), QStringLiteral("-1e-400"), QStringLiteral("0,5"),
        QStringLiteral("１２"), QStringLiteral("1\t2"), QStringLiteral("3\n4"),
        QStringLiteral("\t"), QStringLiteral("1e-45"), QStringLiteral("4.9e-324"),
        QStringLiteral("1.7976931348623157e308"), QStringLiteral("--5"), QStringLiteral("5-"),
        QStringLiteral("1..2"), QStringLiteral("e5"), QStringLiteral("0x1p3"),
        QStringLiteral("٣"),  // an Arabic-Indic digit
        QString(10000, QLatin1Char('1')),
        QStringLiteral("1.") + QString(9998, QLatin1Char('0')),
        QStringLiteral(".") + QString(9998, QLatin1Char('0')) + QStringLiteral("7"),
        QString(5000, QChar(0x0416)) + QString(5000, QLatin1Char('9')),
    };
    return texts;
}

QString describe(const QString& text)
{
    return text.size() > 40 ? QStringLiteral("%1 characters starting %2").arg(text.size()).arg(text.left(12))
                            : QStringLiteral("[%1]").arg(text);
}

double inForce(const WindowHarness& h, InputField field)
{
    return storedInput(field, h.parameters());
}

// The edit is over: the value in force is finite and passes the field's rules, the
// field shows its canonical text, nothing shows garbage, and whatever was rejected
// was said in an error box.
void expectSoundOutcome(const WindowHarness& h, const FieldInfo& f, const QString& text,
                        std::size_t messagesBefore)
{
    SCOPED_TRACE(describe(text).toStdString());
    ASSERT_TRUE(std::isfinite(inForce(h, f.field)));
    EXPECT_EQ(h.field(f.name)->text().toStdString(), fieldText(f.field, h.parameters()));
    EXPECT_FALSE(checkInput(f.field, h.parameters()).has_value());
    const QString garbage = firstGarbage(*h.window);
    EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
    for (std::size_t i = messagesBefore; i < h.messages.shown.size(); ++i) {
        EXPECT_EQ(h.messages.shown[i].title, QStringLiteral("Ошибка"));
        EXPECT_FALSE(h.messages.shown[i].text.isEmpty());
    }
}

class HostileInputTest : public ::testing::TestWithParam<FieldInfo> {};

// Set whole into a field the user is not in, a text is an edit at once; set into
// the field the user is in, it is held as it stands, changing nothing the rules
// would reject, until Enter.
TEST_P(HostileInputTest, PastedTextIsAcceptedOrCorrected)
{
    const FieldInfo& f = GetParam();
    for (const bool inTheField : {false, true}) {
        WindowHarness h;
        QLineEdit* edit = h.field(f.name);
        if (inTheField)
            edit->setFocus();
        for (const QString& text : hostileTexts()) {
            const std::size_t before = h.messages.shown.size();
            edit->setText(text);
            EXPECT_FALSE(checkInput(f.field, h.parameters()).has_value()) << describe(text).toStdString();
            if (inTheField)
                QTest::keyClick(edit, Qt::Key_Return);
            expectSoundOutcome(h, f, text, before);
            edit->setText(QString::fromLatin1(f.startText));
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }
}

TEST_P(HostileInputTest, TypedTextIsHandledKeyByKey)
{
    const FieldInfo& f = GetParam();
    WindowHarness h;
    QLineEdit* edit = h.field(f.name);
    edit->setFocus();
    // The field holds what was typed; the value in force always passes the
    // rules, and Enter leaves a canonical text. Refused keys are left out.
    for (const QString& text : {QStringLiteral("1e999"), QStringLiteral("-1e999"),
                                QStringLiteral("nan"), QStringLiteral("0,5"),
                                QStringLiteral("1e-400"), QStringLiteral("-."),
                                QStringLiteral("１２"), QStringLiteral("9ю5б")}) {
        const std::size_t before = h.messages.shown.size();
        edit->selectAll();
        for (const QChar ch : text) {
            typeText(edit, QString(ch));
            const QString garbage = firstGarbage(*h.window, edit);
            ASSERT_TRUE(garbage.isEmpty()) << describe(text).toStdString() << ": " << garbage.toStdString();
            EXPECT_FALSE(checkInput(f.field, h.parameters()).has_value());
        }
        QTest::keyClick(edit, Qt::Key_Return);
        expectSoundOutcome(h, f, text, before);
        edit->setText(QString::fromLatin1(f.startText));
        QTest::keyClick(edit, Qt::Key_Return);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryField, HostileInputTest, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

// The largest accepted values together: every characteristic, range and caption stays
// finite, and so do the smallest.
TEST(HostileInputBounds, ExtremeCombinationsKeepEveryCaptionFinite)
{
    const char* const extremes[][6] = {
        {"1e6", "1e-6", "1e6", "1000", "1000", "10000"},
        {"1e-6", "1e6", "1e-6", "1000", "-1000", "10000"},
        {"1e-6", "1e-6", "1e-6", "1.0000001", "0", "1e-45"},
        {"1e6", "1e6", "1e6", "0", "1e-300", "1e-30"},
    };
    for (const auto& row : extremes) {
        WindowHarness h;
        for (int i = 0; i < 6; ++i)
            h.field(kFieldNames[i])->setText(QString::fromLatin1(row[i]));
        SCOPED_TRACE(row[0]);
        EXPECT_TRUE(h.messages.shown.empty()) << h.messages.shown.front().text.toStdString();
        const QString garbage = firstGarbage(*h.window);
        EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
        const PlotRanges& r = h.window->problem().ranges();
        for (double v : std::initializer_list<double>{r.xMax, r.pathMax, r.graphRight, r.xTop, r.xBottom, r.vTop,
                 r.vBottom, static_cast<double>(r.wTop), r.pathTop, r.animLeft, r.animRight}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

}  // namespace
}  // namespace dryfriction::test
