#include "ui/text/captions.h"

#include "ui/text/viewcatalog.h"

#include "model/numberformat.h"

#include <QCoreApplication>
#include <QLocale>

namespace dryfriction {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("Captions", text);
}

// The pattern "0.000E+00" (digits 3) or "0.0000E+00" (digits 4).
QString scientific(double value, int digits, const QString& decimalPoint)
{
    return QString::fromStdString(formatScientific(value, digits, decimalPoint.toStdString()));
}

// A time in a result caption, short enough for the label: three or four
// significant digits (7,21; 19,9; 123; 9999).
QString shortTime(float t, const QString& decimalPoint)
{
    const int decimals = t < 10 ? 2 : (t < 100 ? 1 : 0);
    return QString::number(static_cast<double>(t), 'f', decimals).replace(QLatin1Char('.'), decimalPoint);
}

}  // namespace

QString localeDecimalPoint()
{
    return QLocale().decimalPoint();
}

CharacteristicCaptions characteristicCaptions(const MotionCharacteristics& c, const QString& dp)
{
    CharacteristicCaptions out;
    out.frequency = translated(QT_TRANSLATE_NOOP("Captions", "w= %1 рад/с")).arg(scientific(c.omega, 3, dp));
    out.period = c.omega != 0 ? translated(QT_TRANSLATE_NOOP("Captions", "To= %1 с")).arg(scientific(c.period, 3, dp))
                              : translated(QT_TRANSLATE_NOOP("Captions", "To-->00"));
    out.zoneHalfWidth = translated(QT_TRANSLATE_NOOP("Captions", "a= %1 м")).arg(scientific(c.zoneHalfWidth, 3, dp));
    // The unit is written with a Latin c.
    out.velocityScale = translated(QT_TRANSLATE_NOOP("Captions", "Va= %1 м/c")).arg(scientific(c.velocityScale, 3, dp));
    out.amplitude = translated(QT_TRANSLATE_NOOP("Captions", "Ao/a= %1 ")).arg(scientific(c.firstAmplitude, 4, dp));
    out.firstStop = translated(QT_TRANSLATE_NOOP("Captions", "tau_0= %1 ")).arg(scientific(c.firstStop, 3, dp));
    out.finalStop = translated(QT_TRANSLATE_NOOP("Captions", "t_m= %1 ")).arg(scientific(c.finalStop, 3, dp));
    return out;
}

QString finalCoordinatePrefix()
{
    return translated(QT_TRANSLATE_NOOP("Captions", "X_end="));
}

QString pathPrefix()
{
    return translated(QT_TRANSLATE_NOOP("Captions", "П_end="));
}

QString runFinalCoordinate(double x, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "X_end=%1")).arg(scientific(x, 3, dp));
}

QString runFinalPath(double path, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "П_end=%1")).arg(scientific(path, 3, dp));
}

QString analyticFinalCoordinate(float distance, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "|X_end|=%1")).arg(scientific(distance, 3, dp));
}

QString analyticFinalPathCaption(float path, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "П_end=%1")).arg(scientific(path, 3, dp));
}

QString stoppedCoordinate(double x, float t, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "X(%1)=%2")).arg(shortTime(t, dp), scientific(x, 3, dp));
}

QString stoppedPath(double path, float t, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "П(%1)=%2")).arg(shortTime(t, dp), scientific(path, 3, dp));
}

QString analyticCoordinateAt(double distance, float t, const QString& dp)
{
    return translated(QT_TRANSLATE_NOOP("Captions", "|X(%1)|=%2")).arg(shortTime(t, dp), scientific(distance, 3, dp));
}

QString momentText(double t, double omega, const QString& dp)
{
    // Two decimals, fewer from a thousand on, so that the longest run's
    // moment, "t = 10000  (500,00 с)", fits beside the slider.
    const auto fixed = [&dp](double v) {
        if (v < 1000)
            return QString::fromStdString(formatGridLabel(v, dp.toStdString()));
        const int decimals = v < 10000 ? 1 : 0;
        return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), dp);
    };
    if (!(omega > 0))
        return translated(QT_TRANSLATE_NOOP("Captions", "t = %1")).arg(fixed(t));
    return translated(QT_TRANSLATE_NOOP("Captions", "t = %1  (%2 с)")).arg(fixed(t), fixed(t / omega));
}

ViewTexts viewTexts(const QString& decimalPoint)
{
    ViewTexts texts;
    texts.decimalPoint = decimalPoint;
    for (const ViewEntry& view : viewTable()) {
        if (!view.graph) {
            texts.stripCaption = axisCaptionText(view);
            continue;
        }
        texts.graphCaptions.push_back(axisCaptionText(view));
        texts.graphAcrossCaptions.push_back(acrossCaptionText(view));
    }
    texts.timeCaption = translated(QT_TRANSLATE_NOOP("Captions", "2*pi*t/T"));
    texts.legendStops = translated(QT_TRANSLATE_NOOP("Captions", "Красный пунктир - время в точках остановки. Vx=0"));
    texts.legendExtremes = translated(QT_TRANSLATE_NOOP("Captions", "Синий пунктир   - время, когда скорость экстремальна"));
    return texts;
}

}  // namespace dryfriction
