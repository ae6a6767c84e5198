#pragma once

#include <QColor>
#include <QFont>

namespace dryfriction {

class ImageCanvas;

// The fonts and colours of the five picture boxes as the window design gives
// them: Picture1 "MS Sans Serif" 8.25 pt, back white, fore black; Picture2
// "Times New Roman" 9.75 pt, Picture3..Picture5 9 pt; back white (Picture4
// and Picture5 take the window background), fore the window text colour.
// `picture` is 1..5; `windowBack` and `windowText` are the system colours.
QFont viewFont(int picture);
void applyViewStyle(ImageCanvas& canvas, int picture, const QColor& windowBack = Qt::white,
                    const QColor& windowText = Qt::black);

}  // namespace dryfriction
