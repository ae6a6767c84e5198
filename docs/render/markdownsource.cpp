#include "markdownsource.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The letter an index or exponent character stands for, or a null QChar.
QChar subscriptBase(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x2080 && u <= 0x2089)
        return QChar(u'0' + (u - 0x2080));
    switch (u) {
    case 0x208A: return QChar(u'+');
    case 0x208B: return QChar(0x2212);
    case 0x208C: return QChar(u'=');
    case 0x208D: return QChar(u'(');
    case 0x208E: return QChar(u')');
    case 0x2090: return QChar(u'a');
    case 0x2091: return QChar(u'e');
    case 0x2092: return QChar(u'o');
    case 0x2093: return QChar(u'x');
    case 0x2095: return QChar(u'h');
    case 0x2096: return QChar(u'k');
    case 0x2097: return QChar(u'l');
    case 0x2098: return QChar(u'm');
    case 0x2099: return QChar(u'n');
    case 0x209A: return QChar(u'p');
    case 0x209B: return QChar(u's');
    case 0x209C: return QChar(u't');
    default: return {};
    }
}

QChar superscriptBase(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x2074 && u <= 0x2079)
        return QChar(u'4' + (u - 0x2074));
    switch (u) {
    case 0x2070: return QChar(u'0');
    case 0x00B9: return QChar(u'1');
    case 0x00B2: return QChar(u'2');
    case 0x00B3: return QChar(u'3');
    case 0x207A: return QChar(u'+');
    case 0x207B: return QChar(0x2212);
    case 0x207C: return QChar(u'=');
    case 0x207D: return QChar(u'(');
    case 0x207E: return QChar(u')');
    case 0x2071: return QChar(u'i');
    case 0x207F: return QChar(u'n');
    default: return {};
    }
}

// Index and exponent characters become marked runs of their letters.
QString markScriptCharacters(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    QChar open;  // the mark of the run being written, or null
    for (const QChar c : text) {
        QChar base = subscriptBase(c);
        QChar mark = kSubStart;
        if (base.isNull()) {
            base = superscriptBase(c);
            mark = kSupStart;
        }
        if (base.isNull())
            mark = QChar();
        if (open != mark && !open.isNull())
            out += QChar(open.unicode() + 1);
        if (open != mark && !mark.isNull())
            out += mark;
        open = mark;
        out += base.isNull() ? c : base;
    }
    if (!open.isNull())
        out += QChar(open.unicode() + 1);
    return out;
}

// A one-letter word is one of these letters with no letter, digit or mark
// right before it.
const QString kOneLetterWords = QStringLiteral("вксоуиаяВКСОУИАЯ");

QString prepareText(QString text)
{
    static const QRegularExpression sub(QStringLiteral("<sub>(.*?)</sub>"));
    static const QRegularExpression sup(QStringLiteral("<sup>(.*?)</sup>"));
    text.replace(sub, QString(kSubStart) + QStringLiteral("\\1") + kSubEnd);
    text.replace(sup, QString(kSupStart) + QStringLiteral("\\1") + kSupEnd);
    text = markScriptCharacters(text);
    static const QRegularExpression oneLetter(
        QStringLiteral("(?<![\\p{L}\\p{N}\\x{E000}-\\x{E003}])([%1]) +").arg(kOneLetterWords));
    text.replace(oneLetter, QStringLiteral("\\1\u00A0"));
    return text;
}

// Prepares a line outside code blocks, leaving its code spans as they are.
QString prepareLine(const QString& line)
{
    QString out;
    qsizetype from = 0;
    while (from < line.size()) {
        const qsizetype tick = line.indexOf(QLatin1Char('`'), from);
        if (tick < 0)
            break;
        qsizetype run = tick;
        while (run < line.size() && line[run] == QLatin1Char('`'))
            ++run;
        const QString fence = line.mid(tick, run - tick);
        qsizetype close = line.indexOf(fence, run);
        // A closing run must be exactly as long as the opening one.
        while (close >= 0 && close + fence.size() < line.size() && line[close + fence.size()] == QLatin1Char('`'))
            close = line.indexOf(fence, close + fence.size() + 1);
        if (close < 0)
            break;
        out += prepareText(line.mid(from, tick - from));
        out += line.mid(tick, close + fence.size() - tick);
        from = close + fence.size();
    }
    out += prepareText(line.mid(from));
    return out;
}

bool isFence(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1String("```")) || t.startsWith(QLatin1String("~~~"));
}

// Whether a source line, put after the one before, goes on the same
// paragraph: it is not blank and starts no block of its own.
bool continuesParagraph(const QString& line)
{
    static const QRegularExpression blockStart(QStringLiteral("^\\s*([#>|]|[-*+]\\s|\\d+[.)]\\s|```|~~~|$)"));
    return !blockStart.match(line).hasMatch();
}

// Whether a source line may run on into the next one: headings and table
// rows end at the end of their line.
bool takesContinuation(const QString& line)
{
    const QString t = line.trimmed();
    return !t.startsWith(QLatin1Char('#')) && !t.startsWith(QLatin1Char('|'));
}

bool endsWithOneLetterWord(const QString& line)
{
    static const QRegularExpression ending(
        QStringLiteral("(?<![\\p{L}\\p{N}\\x{E000}-\\x{E003}])[%1][ \\x{00A0}]*$").arg(kOneLetterWords));
    return ending.match(line).hasMatch();
}

}  // namespace

QString prepareMarkdown(const QString& markdown)
{
    const QStringList lines = markdown.split(QLatin1Char('\n'));
    QStringList out;
    bool inCode = false;
    for (const QString& line : lines) {
        if (isFence(line)) {
            inCode = !inCode;
            out += line;
            continue;
        }
        if (inCode) {
            out += line;
            continue;
        }
        const QString prepared = prepareLine(line);
        // A source line that ends in a one-letter word takes the next line
        // onto it, with a no-break space between.
        if (!out.isEmpty() && takesContinuation(out.last()) && endsWithOneLetterWord(out.last())
            && continuesParagraph(line)) {
            QString& last = out.last();
            while (last.endsWith(QLatin1Char(' ')) || last.endsWith(QChar(0x00A0)))
                last.chop(1);
            last += QChar(0x00A0) + prepared.trimmed();
            continue;
        }
        out += prepared;
    }
    return out.join(QLatin1Char('\n'));
}

void applyScriptMarks(QTextDocument& doc)
{
    const struct {
        QChar start;
        QChar end;
        QTextCharFormat::VerticalAlignment alignment;
    } kinds[] = {{kSubStart, kSubEnd, QTextCharFormat::AlignSubScript},
                 {kSupStart, kSupEnd, QTextCharFormat::AlignSuperScript}};
    for (const auto& kind : kinds) {
        QTextCursor start = doc.find(QString(kind.start));
        while (!start.isNull()) {
            start.removeSelectedText();
            const int from = start.position();
            QTextCursor end = doc.find(QString(kind.end), from);
            if (end.isNull())
                break;
            end.removeSelectedText();
            const int to = end.position();
            QTextCursor run(&doc);
            run.setPosition(from);
            run.setPosition(to, QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setVerticalAlignment(kind.alignment);
            run.mergeCharFormat(format);
            start = doc.find(QString(kind.start), to);
        }
    }
}
