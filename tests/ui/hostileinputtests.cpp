// Hostile input through the real window: every field gets the texts a careless or
// malicious user can produce. Each edit either is accepted or ends in a message with
// its correction; no caption or field ever shows a NaN, an infinity or a broken
// number; every edit is handled within 100 ms.

#include "abuseharness.h"

#include "inputrules.h"
#include "numbertext.h"

#include <QElapsedTimer>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dryfriction::test {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kEditBudgetMs = 500;  // the sanitizers slow everything down several times
#else
constexpr qint64 kEditBudgetMs = 100;
#endif

struct FieldInfo {
    const char* name;
    InputField field;
    const char* startText;
    double correction;  // of the limit checks
};

constexpr FieldInfo kFields[] = {
    {"Text1", InputField::Mass, " .1", 0.1},      {"Text2", InputField::Stiffness, " 40", 40},
    {"Text3", InputField::Friction, " .2", 0.25}, {"Text4", InputField::X0, " 9.5", 1.1},
    {"Text5", InputField::V0, " 6", 1},           {"Text6", InputField::Time, " 20", 40},
};

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

double inForce(const Form1& form, InputField field)
{
    return storedInput(field, form.parameters());
}

// The edit is over: either accepted as typed or corrected with a message; the field
// shows the canonical text of the value in force; nothing shows garbage.
void expectSoundOutcome(AbuseHarness& h, const FieldInfo& f, const QString& text,
                        std::size_t messagesBefore, qint64 elapsedMs)
{
    SCOPED_TRACE(describe(text).toStdString());
    EXPECT_LE(elapsedMs, kEditBudgetMs);
    const double value = inForce(*h.form, f.field);
    ASSERT_TRUE(std::isfinite(value));
    const std::string shown = f.field == InputField::Time
                                  ? canonicalText(h.form->parameters().tCalc)
                                  : canonicalText(value);
    EXPECT_EQ(h.child<QLineEdit>(f.name)->text().toStdString(), shown);
    EXPECT_FALSE(checkInput(f.field, h.form->parameters()).has_value());
    const QString garbage = firstGarbage(*h.form);
    EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();

    if (h.messages.shown.size() == messagesBefore) {
        // Accepted: the value in force is the value read (the time in single precision).
        double typed = readNumber(text.toStdString());
        if (f.field == InputField::Time)
            typed = static_cast<float>(typed);
        EXPECT_EQ(value, typed);
    } else {
        for (std::size_t i = messagesBefore; i < h.messages.shown.size(); ++i) {
            EXPECT_EQ(h.messages.shown[i].title, QStringLiteral("Ошибка"));
            EXPECT_FALSE(h.messages.shown[i].text.isEmpty());
        }
    }
}

// QTest knows only ASCII keys; a full-width digit comes as a key event with its text,
// the way an input method delivers it.
void typeCharacter(QLineEdit* edit, QChar ch)
{
    if (ch.unicode() < 128) {
        QTest::keyClick(edit, ch.toLatin1());
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(edit, &press);
    QCoreApplication::sendEvent(edit, &release);
}

class HostileInputTest : public ::testing::TestWithParam<FieldInfo> {};

TEST_P(HostileInputTest, PastedTextIsAcceptedOrCorrected)
{
    const FieldInfo& f = GetParam();
    AbuseHarness h;
    QLineEdit* edit = h.child<QLineEdit>(f.name);
    ASSERT_NE(edit, nullptr);
    for (const QString& text : hostileTexts()) {
        const std::size_t before = h.messages.shown.size();
        QElapsedTimer timer;
        timer.start();
        edit->setText(text);
        expectSoundOutcome(h, f, text, before, timer.elapsed());
        edit->setText(QString::fromLatin1(f.startText));
    }
}

TEST_P(HostileInputTest, TypedTextIsHandledKeyByKey)
{
    const FieldInfo& f = GetParam();
    AbuseHarness h;
    QLineEdit* edit = h.child<QLineEdit>(f.name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    // Every keystroke is an edit of its own, so each must be handled in time; the
    // typed texts end with whatever the corrections left in the field.
    qint64 slowest = 0;
    for (const QString& text : {QStringLiteral("1e999"), QStringLiteral("-1e999"),
                                QStringLiteral("nan"), QStringLiteral("0,5"),
                                QStringLiteral("1e-400"), QStringLiteral("-."),
                                QStringLiteral("１２")}) {
        edit->selectAll();
        for (const QChar ch : text) {
            QElapsedTimer timer;
            timer.start();
            typeCharacter(edit, ch);
            slowest = std::max(slowest, timer.elapsed());
            const QString garbage = firstGarbage(*h.form);
            ASSERT_TRUE(garbage.isEmpty()) << describe(text).toStdString() << ": "
                                           << garbage.toStdString();
            EXPECT_FALSE(checkInput(f.field, h.form->parameters()).has_value());
        }
        edit->setText(QString::fromLatin1(f.startText));
    }
    EXPECT_LE(slowest, kEditBudgetMs);
}

INSTANTIATE_TEST_SUITE_P(EveryField, HostileInputTest, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

// The limits that keep every characteristic finite: a value at a limit is accepted, one
// just beyond it is replaced by the field's correction, with a beep and a message.
struct BoundCase {
    const char* field;
    const char* text;
    bool accepted;
};

TEST(HostileInputBounds, ValuesAtTheLimitsPassAndJustBeyondAreCorrected)
{
    const BoundCase cases[] = {
        {"Text1", "0.000001", true},   {"Text1", "0.00000099", false},
        {"Text1", "1000000", true},    {"Text1", "1000000.1", false},
        {"Text2", "0.000001", true},   {"Text2", "0.00000099", false},
        {"Text2", "1e6", true},        {"Text2", "1.0000001e6", false},
        {"Text3", "0.000001", true},   {"Text3", "0.00000099", false},
        {"Text3", "1000000", true},    {"Text3", "1000000.1", false},
        {"Text4", "1000", true},       {"Text4", "1000.001", false},
        {"Text4", "-1000.001", false}, {"Text5", "1000", true},
        {"Text5", "-1000", true},      {"Text5", "1000.001", false},
        {"Text5", "-1000.001", false}, {"Text6", "10000", true},
        {"Text6", "10000.01", false},
    };
    AbuseHarness h;
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        const FieldInfo* f = nullptr;
        for (const FieldInfo& info : kFields) {
            if (std::string(info.name) == c.field)
                f = &info;
        }
        ASSERT_NE(f, nullptr);
        const std::size_t messages = h.messages.shown.size();
        const std::size_t beeps = h.tone.durations.size();
        h.child<QLineEdit>(c.field)->setText(QString::fromLatin1(c.text));
        const double value = inForce(*h.form, f->field);
        if (c.accepted) {
            EXPECT_EQ(h.messages.shown.size(), messages);
            EXPECT_EQ(value, readNumber(c.text));
        } else {
            ASSERT_EQ(h.messages.shown.size(), messages + 1);
            EXPECT_EQ(h.messages.shown.back().title, QStringLiteral("Ошибка"));
            EXPECT_EQ(h.tone.durations.size(), beeps + 1);
            EXPECT_EQ(value, f->correction);
        }
        const QString garbage = firstGarbage(*h.form);
        EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
        h.child<QLineEdit>(c.field)->setText(QString::fromLatin1(f->startText));
    }
}

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
        AbuseHarness h;
        const char* const names[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
        for (int i = 0; i < 6; ++i)
            h.child<QLineEdit>(names[i])->setText(QString::fromLatin1(row[i]));
        SCOPED_TRACE(row[0]);
        EXPECT_TRUE(h.messages.shown.empty()) << h.messages.shown.front().text.toStdString();
        const QString garbage = firstGarbage(*h.form);
        EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
        const PlotRanges& r = h.form->ranges();
        for (double v : std::initializer_list<double>{r.Xmax, r.PathMax, r.graphRight, r.xTop, r.xBottom, r.vTop,
                 r.vBottom, static_cast<double>(r.wTop), r.pathTop, r.animLeft, r.animRight}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

}  // namespace
}  // namespace dryfriction::test
