#include "viewstyle.h"

#include "imagecanvas.h"

namespace dryfriction {

QFont viewFont(int picture)
{
    QFont font(picture == 1 ? QStringLiteral("MS Sans Serif") : QStringLiteral("Times New Roman"));
    font.setPointSizeF(picture == 1 ? 8.25 : picture == 2 ? 9.75 : 9.0);
    return font;
}

void applyViewStyle(ImageCanvas& canvas, int picture, const QColor& windowBack, const QColor& windowText)
{
    canvas.setFont(viewFont(picture));
    canvas.setBackColor(picture >= 4 ? windowBack : QColor(Qt::white));
    canvas.setForeColor(picture == 1 ? QColor(Qt::black) : windowText);
}

}  // namespace dryfriction
