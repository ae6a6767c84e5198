#pragma once

#include <string>
#include <string_view>

namespace dryfriction {

// Display patterns of the captions and grid labels. All of them use the
// decimal separator they are given (the user's locale), never the C locale.

// Scientific notation with one digit before the separator and `digits` after,
// then "E", the exponent's sign and at least two exponent digits:
// digits = 3 is the pattern "0.000E+00", digits = 4 is "0.0000E+00".
// A mantissa exactly half-way is rounded to even (it is the exact binary value
// that is rounded, so true ties are rare). Non-finite values are written as
// "inf", "-inf" or "nan" rather than as a garbage number, and a conversion
// that fails (none can with the buffers used) as "?".
std::string formatScientific(double value, int digits, std::string_view decimalPoint);

inline std::string formatF3(double value, std::string_view decimalPoint)
{
    return formatScientific(value, 3, decimalPoint);
}

inline std::string formatF4(double value, std::string_view decimalPoint)
{
    return formatScientific(value, 4, decimalPoint);
}

// The pattern "#0.00": at least one digit before the separator, exactly two
// after it, a leading minus for negative values ("-0.00" is written "0.00").
std::string formatGridLabel(double value, std::string_view decimalPoint);

}  // namespace dryfriction
