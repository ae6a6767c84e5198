#pragma once

#include <string>
#include <string_view>

namespace dryfriction {

// Closed-form end of the motion. With h = Ao/2 and f its fractional part, the
// load ends at |x| = |2f - 1| (single precision), and the path to the final
// stop is Wo - x^2/2 (computed in double from the single-precision x, stored
// in single precision).
float analyticXend(double Ao);
float analyticPend(float xendAn, double Wo);

// "|X_end|=9.066E-01" and "П_end=6.271E+01".
std::string analyticXendCaption(float xendAn, std::string_view decimalPoint);
std::string analyticPendCaption(float pendAn, std::string_view decimalPoint);

// The numerical results of a run: "X_end=-9.066E-01", "П_end=6.271E+01".
std::string runXendCaption(double xEnd, std::string_view decimalPoint);
std::string runPendCaption(double pEnd, std::string_view decimalPoint);

// The bare prefixes the layout resets the result labels to.
inline constexpr std::string_view kXendPrefix = "X_end=";
inline constexpr std::string_view kPendPrefix = "П_end=";

}  // namespace dryfriction
