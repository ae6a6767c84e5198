// The rewriting of a Markdown source before Qt reads it: one-letter words tied
// to the next word, indices and exponents marked, code left alone; and the
// marked runs set as real sub- and superscripts after the import.

#include "markdownsource.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const QString nbsp(QChar(0x00A0));

QString marked(const QString& text, QChar start)
{
    return QString(start) + text + QChar(start.unicode() + 1);
}

struct Rewrite {
    const char* what;
    QString source;
    QString expected;
};

class PrepareMarkdown : public ::testing::TestWithParam<Rewrite> {};

TEST_P(PrepareMarkdown, RewritesTheTextAndLeavesCode)
{
    EXPECT_EQ(prepareMarkdown(GetParam().source).toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrepareMarkdown,
    ::testing::Values(
        Rewrite{"one_letter_words", QStringLiteral("Груз в зоне и у стены, а я с ним"),
                QStringLiteral("Груз в") + nbsp + QStringLiteral("зоне и") + nbsp + QStringLiteral("у") + nbsp
                    + QStringLiteral("стены, а") + nbsp + QStringLiteral("я") + nbsp + QStringLiteral("с") + nbsp
                    + QStringLiteral("ним")},
        Rewrite{"capital_and_after_quote", QStringLiteral("В поле «и в нём» (к слову)"),
                QStringLiteral("В") + nbsp + QStringLiteral("поле «и") + nbsp + QStringLiteral("в") + nbsp
                    + QStringLiteral("нём» (к") + nbsp + QStringLiteral("слову)")},
        Rewrite{"letters_inside_words_stay", QStringLiteral("ось X и Vx"),
                QStringLiteral("ось X и") + nbsp + QStringLiteral("Vx")},
        Rewrite{"code_span_untouched", QStringLiteral("ключ `--x0 и 5` и текст"),
                QStringLiteral("ключ `--x0 и 5` и") + nbsp + QStringLiteral("текст")},
        Rewrite{"fenced_code_untouched", QStringLiteral("```\nа в <sub>0</sub> τ₀\n```"),
                QStringLiteral("```\nа в <sub>0</sub> τ₀\n```")},
        Rewrite{"line_ending_in_preposition_joins_next",
                QStringLiteral("стоит в\nзоне застоя"),
                QStringLiteral("стоит в") + nbsp + QStringLiteral("зоне застоя")},
        Rewrite{"heading_never_takes_the_next_line", QStringLiteral("# Глава и\nтекст"),
                QStringLiteral("# Глава и\nтекст")},
        Rewrite{"list_item_starts_its_own_line", QStringLiteral("текст и\n- пункт"),
                QStringLiteral("текст и\n- пункт")},
        Rewrite{"html_subscripts", QStringLiteral("X<sub>0</sub> и F<sub>тр</sub>"),
                QStringLiteral("X") + marked(QStringLiteral("0"), kSubStart) + QStringLiteral(" и") + nbsp
                    + QStringLiteral("F") + marked(QStringLiteral("тр"), kSubStart)},
        Rewrite{"unicode_indices_and_exponents", QStringLiteral("Xₖ, 10⁻³ и τ₀₁"),
                QStringLiteral("X") + marked(QStringLiteral("k"), kSubStart) + QStringLiteral(", 10")
                    + marked(QStringLiteral("−3"), kSupStart) + QStringLiteral(" и") + nbsp + QStringLiteral("τ")
                    + marked(QStringLiteral("01"), kSubStart)}),
    [](const ::testing::TestParamInfo<Rewrite>& info) { return std::string(info.param.what); });

// After the import the marks are gone and the runs between them are set as
// sub- and superscripts, keeping the format around them (here a heading's
// bold).
TEST(ApplyScriptMarks, SetsTheRunsAndDropsTheMarks)
{
    QTextDocument doc;
    doc.setMarkdown(prepareMarkdown(QStringLiteral("# Сила F<sub>тр</sub> и x²\n")));
    applyScriptMarks(doc);
    const QTextBlock block = doc.begin();
    EXPECT_EQ(block.text(), QStringLiteral("Сила Fтр и") + nbsp + QStringLiteral("x2"));
    QTextCursor cursor(block);
    const auto formatAt = [&](int position) {
        cursor.setPosition(block.position() + position + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt(5).verticalAlignment(), QTextCharFormat::AlignNormal);       // F
    EXPECT_EQ(formatAt(6).verticalAlignment(), QTextCharFormat::AlignSubScript);    // т
    EXPECT_EQ(formatAt(7).verticalAlignment(), QTextCharFormat::AlignSubScript);    // р
    EXPECT_EQ(formatAt(9).verticalAlignment(), QTextCharFormat::AlignNormal);       // и
    EXPECT_EQ(formatAt(12).verticalAlignment(), QTextCharFormat::AlignSuperScript); // 2
    EXPECT_EQ(formatAt(7).fontWeight(), formatAt(5).fontWeight());
    EXPECT_GT(formatAt(12).fontWeight(), QFont::Normal);
}

}  // namespace
