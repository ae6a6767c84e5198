#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

// The ceiling and floor brackets ⌈ ⌉ ⌊ ⌋ are not in the body font. Rather
// than let them come from another font, the renderer draws them as strokes
// of the width and height of the body font's square brackets, so that they
// print as sharp as the text.
class IntegerBrackets : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Replaces each bracket character of `doc` by a drawn bracket and
    // registers the drawing with the document's layout.
    void install(QTextDocument& doc);

    QSizeF intrinsicSize(QTextDocument* doc, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int position,
                    const QTextFormat& format) override;
};
