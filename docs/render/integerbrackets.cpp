#include "integerbrackets.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int kBracketObject = QTextFormat::UserObject + 1;
// Which bracket an object is: the character it stands for.
constexpr int kBracketCharacter = QTextFormat::UserProperty + 1;

const QString kBrackets = QStringLiteral("⌈⌉⌊⌋");

}  // namespace

void IntegerBrackets::install(QTextDocument& doc)
{
    doc.documentLayout()->registerHandler(kBracketObject, this);
    for (const QChar bracket : kBrackets) {
        QTextCursor found = doc.find(QString(bracket));
        while (!found.isNull()) {
            QTextCharFormat format = found.charFormat();
            format.setObjectType(kBracketObject);
            format.setProperty(kBracketCharacter, QString(bracket));
            found.insertText(QString(QChar::ObjectReplacementCharacter), format);
            found = doc.find(QString(bracket), found.position());
        }
    }
}

QSizeF IntegerBrackets::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format)
{
    const QFontMetricsF metrics(format.toCharFormat().font(), doc->documentLayout()->paintDevice());
    // An inline object stands on the baseline; the bracket's foot reaches
    // below it as a letter's descender does.
    return {metrics.horizontalAdvance(QLatin1Char('[')), metrics.ascent()};
}

void IntegerBrackets::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int,
                                 const QTextFormat& format)
{
    const QFont font = format.toCharFormat().font();
    const QFontMetricsF metrics(font, doc->documentLayout()->paintDevice());
    // The square bracket's stem runs from about the cap height to below the
    // baseline; its arm reaches about half its advance.
    const QRectF glyph = metrics.tightBoundingRect(QStringLiteral("["));
    const double baseline = rect.bottom();
    const double stroke = std::max(metrics.lineWidth(), glyph.width() / 4);
    const QString which = format.property(kBracketCharacter).toString();
    const bool left = which == QStringLiteral("⌈") || which == QStringLiteral("⌊");
    const bool top = which == QStringLiteral("⌈") || which == QStringLiteral("⌉");
    const double stemX = left ? rect.left() + glyph.left() + stroke / 2 : rect.right() - glyph.left() - stroke / 2;
    const double armX = left ? stemX + glyph.width() - stroke / 2 : stemX - glyph.width() + stroke / 2;
    const double y0 = baseline + glyph.top() + stroke / 2;
    const double y1 = baseline + glyph.bottom() - stroke / 2;
    painter->save();
    painter->setPen(QPen(format.foreground().color(), stroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double armY = top ? y0 : y1;
    const QPointF corner(stemX, armY);
    const QPointF stemEnd(stemX, top ? y1 : y0);
    const QPointF armEnd(armX, armY);
    painter->drawPolyline(QList<QPointF>{stemEnd, corner, armEnd});
    painter->restore();
}
