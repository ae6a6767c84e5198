#pragma once

// The window's Russian captions and legend, for the programs that draw the
// views without the window (the render program, the plot benchmark): the
// drawing layer holds no text of its own, and these link no interface layer.

#include "plot/viewtexts.h"

namespace dryfriction::test {

inline ViewTexts windowTexts(const QString& decimalPoint = QStringLiteral("."))
{
    ViewTexts texts;
    texts.decimalPoint = decimalPoint;
    texts.stripCaption = QStringLiteral("X");
    texts.graphCaptions = {QStringLiteral("X"), QStringLiteral("Vx"), QStringLiteral("W/Wo"),
                           QStringLiteral("П"), QStringLiteral("V")};
    texts.graphAcrossCaptions = {{}, {}, {}, {}, QStringLiteral("X")};
    texts.timeCaption = QStringLiteral("2*pi*t/T");
    texts.legendStops = QStringLiteral("Красный пунктир - время в точках остановки. Vx=0");
    texts.legendExtremes = QStringLiteral("Синий пунктир   - время, когда скорость экстремальна");
    return texts;
}

}  // namespace dryfriction::test
