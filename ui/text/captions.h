#pragma once

#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include <QString>

namespace dryfriction {

// The texts of the window's value labels and of the views, in the user's
// language, with the decimal separator `decimalPoint` (the user's locale).

// The decimal separator of the user's locale, "." or ",".
QString localeDecimalPoint();

// The characteristics panel.
struct CharacteristicCaptions {
    QString frequency;      // "w= 2.000E+01 рад/с"
    QString period;         // "To= 3.142E-01 с", or "To-->00" without a period
    QString zoneHalfWidth;  // "a= 4.907E-03 м"
    QString velocityScale;  // "Va= 9.814E-02 м/c"
    QString amplitude;      // "Ao/a= 1.2093E+01 "
    QString firstStop;      // "tau_0= 5.191E-01 "
    QString finalStop;      // "t_m= 1.937E+01 "
};

CharacteristicCaptions characteristicCaptions(const MotionCharacteristics& c, const QString& decimalPoint);

// The result labels: bare before a run, the run's last sample after it, and
// the closed-form values on request.
QString finalCoordinatePrefix();
QString pathPrefix();
QString runFinalCoordinate(double x, const QString& decimalPoint);
QString runFinalPath(double path, const QString& decimalPoint);
QString analyticFinalCoordinate(float distance, const QString& decimalPoint);
QString analyticFinalPathCaption(float path, const QString& decimalPoint);
// After a stop, the results are those at the stop time t, "X(7,21)=" and
// "П(7,21)="; on request, the closed-form values at the same time, the
// distance from the centre as "|X(7,21)|=" and the path as the run's.
QString stoppedCoordinate(double x, float t, const QString& decimalPoint);
QString stoppedPath(double path, float t, const QString& decimalPoint);
QString analyticCoordinateAt(double distance, float t, const QString& decimalPoint);

// The moment of a run shown, "t = 7,53  (0,38 с)": the dimensionless time t,
// then the time in seconds, t / omega, both as "#0.00" (one decimal from
// 1000 on, none from 10000 on). Without a frequency
// (omega 0) there are no seconds to give: "t = 7,53".
QString momentText(double t, double omega, const QString& decimalPoint);

// Everything the views print.
ViewTexts viewTexts(const QString& decimalPoint);

}  // namespace dryfriction
