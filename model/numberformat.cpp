#include "model/numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace dryfriction {

namespace {

// More digits than a double holds would only pad with zeros; the buffer is
// sized for this many.
constexpr int kMaxDigits = 60;

// Replaces every "." that std::to_chars wrote by the locale's separator.
std::string withSeparator(std::string_view text, std::string_view decimalPoint)
{
    std::string out;
    out.reserve(text.size() + decimalPoint.size());
    for (char ch : text) {
        if (ch == '.')
            out.append(decimalPoint);
        else
            out.push_back(ch);
    }
    return out;
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

}  // namespace

// d.ddd...E+xx: std::to_chars rounds the exact binary value correctly (a true
// tie goes to the even digit) and never looks at the C locale.
std::string formatScientific(double value, int digits, std::string_view decimalPoint)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        value = 0;  // -0 is written like 0
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   std::clamp(digits, 0, kMaxDigits));
    if (res.ec != std::errc())
        return "?";
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    std::string mantissa = withSeparator(text.substr(0, e), decimalPoint);

    // Exponent: sign always shown, at least two digits.
    std::string_view exp = text.substr(e + 1);
    char sign = '+';
    if (!exp.empty() && (exp.front() == '+' || exp.front() == '-')) {
        sign = exp.front();
        exp.remove_prefix(1);
    }
    while (exp.size() > 2 && exp.front() == '0')
        exp.remove_prefix(1);
    std::string out = std::move(mantissa);
    out += 'E';
    out += sign;
    if (exp.size() < 2)
        out += '0';
    out.append(exp);
    return out;
}

// "#0.00": fixed point with two decimals; a value that rounds to zero loses
// its minus sign.
std::string formatGridLabel(double value, std::string_view decimalPoint)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    char buf[400];  // the largest double has 309 integer digits
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    if (res.ec != std::errc())
        return "?";
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    if (text == "-0.00")
        text.remove_prefix(1);
    return withSeparator(text, decimalPoint);
}

}  // namespace dryfriction
