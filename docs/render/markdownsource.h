#pragma once

#include <QChar>
#include <QString>

class QTextDocument;

// What the renderer does to a Markdown source before and after Qt reads it,
// so that indices and exponents are set as real sub- and superscripts in the
// body font, and Russian one-letter words never end a line.

// Private-use characters that bracket a subscript or superscript while the
// text goes through the Markdown reader: they are letters to it, so they
// change neither emphasis nor table cells, and the whole run keeps the
// format (heading, bold, italic) of the text around it.
inline constexpr QChar kSubStart = QChar(0xE000);
inline constexpr QChar kSubEnd = QChar(0xE001);
inline constexpr QChar kSupStart = QChar(0xE002);
inline constexpr QChar kSupEnd = QChar(0xE003);

// Rewrites the text outside code (fenced blocks and `spans`):
// - <sub>…</sub> and <sup>…</sup>, and the Unicode index and exponent
//   characters (τ₀, Xₖ, 10⁻³, x²), become marked runs of ordinary letters,
//   so that they all look alike and need no glyph the body font lacks;
// - a one-letter preposition, conjunction or pronoun (в, к, с, о, у, и, а,
//   я, capital or not) is tied to the next word by a no-break space, also
//   across a line break of the source.
QString prepareMarkdown(const QString& markdown);

// Sets the marked runs of the imported document as sub- and superscripts and
// removes the marks.
void applyScriptMarks(QTextDocument& doc);
