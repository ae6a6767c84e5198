#include "analytic.h"

#include "numberformat.h"

#include <cmath>

namespace dryfriction {

// |x_end| = |2f - 1| with f the fractional part of Ao/2 (single precision).
float analyticXend(double Ao)
{
    const double h = Ao / 2;
    const double f = h - std::floor(h);
    return static_cast<float>(std::fabs(f * 2 - 1));
}

// Path to the final stop = Wo - x_end^2/2 (energy balance, unit friction),
// from the single-precision x_end; stored in single precision.
float analyticPend(float xendAn, double Wo)
{
    const double x = xendAn;
    return static_cast<float>(Wo - x * x / 2);
}

std::string analyticXendCaption(float xendAn, std::string_view decimalPoint)
{
    return "|X_end|=" + formatF3(xendAn, decimalPoint);
}

std::string analyticPendCaption(float pendAn, std::string_view decimalPoint)
{
    return std::string(kPendPrefix) + formatF3(pendAn, decimalPoint);
}

std::string runXendCaption(double xEnd, std::string_view decimalPoint)
{
    return std::string(kXendPrefix) + formatF3(xEnd, decimalPoint);
}

std::string runPendCaption(double pEnd, std::string_view decimalPoint)
{
    return std::string(kPendPrefix) + formatF3(pEnd, decimalPoint);
}

}  // namespace dryfriction
