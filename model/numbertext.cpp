#include "model/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace dryfriction {

namespace {

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The decimal exponent of the first significant digit of "digits[.digits]"
// times 10^exponent, used to tell an overflow from an underflow when the
// value lies outside the double range.
long long leadingExponent(std::string_view mantissa, long long exponent)
{
    const std::size_t point = mantissa.find('.');
    const std::size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] == '.' || mantissa[i] == '0')
            continue;
        const long long pos = i < intDigits ? static_cast<long long>(intDigits - i) - 1
                                            : -static_cast<long long>(i - intDigits);
        return exponent + pos;
    }
    return 0;
}

// The leading number of a text without blanks: an optional sign, digits with
// at most one ".", and an exponent that counts only when at least one digit
// follows "E[sign]".
struct NumberScan {
    bool negative = false;
    bool anyDigit = false;
    std::size_t mantissaBegin = 0, mantissaEnd = 0;  // the digits and the point
    std::size_t end = 0;                             // past the exponent, if any
    long long exponent = 0;                          // saturated far beyond any double
};

NumberScan scanNumber(std::string_view s)
{
    NumberScan n;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        n.negative = s[i] == '-';
        ++i;
    }
    n.mantissaBegin = i;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            n.anyDigit = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    n.mantissaEnd = n.end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j) {
                if (n.exponent < 1'000'000'000)
                    n.exponent = n.exponent * 10 + (s[j] - '0');
            }
            if (expNegative)
                n.exponent = -n.exponent;
            n.end = j;
        }
    }
    return n;
}

}  // namespace

bool isWholeNumber(std::string_view text)
{
    const NumberScan n = scanNumber(text);
    return n.anyDigit && n.end == text.size();
}

double readNumber(std::string_view text)
{
    // Blanks are skipped wherever they stand: "1 5" is 15.
    std::string s;
    s.reserve(text.size());
    for (char ch : text) {
        if (!isBlank(ch))
            s.push_back(ch);
    }

    const NumberScan n = scanNumber(s);
    if (!n.anyDigit)
        return 0;  // no leading number: "", "-", ".", "abc"
    const std::size_t mantissaBegin = n.mantissaBegin, mantissaEnd = n.mantissaEnd, end = n.end;
    const long long exponent = n.exponent;

    const std::string_view number(s.data() + mantissaBegin, end - mantissaBegin);
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa(s.data() + mantissaBegin, mantissaEnd - mantissaBegin);
        value = leadingExponent(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity()
                                                        : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0;
    }
    return n.negative ? -value : value;
}

namespace {

// The Russian letters on the keys that carry the point and the comma in the
// Latin layout (small and capital yu, small and capital be), in UTF-8: a
// student on a Russian layout reaches for the point and types a yu.
constexpr std::string_view kSeparatorLetters[] = {"\u044E", "\u042E", "\u0431", "\u0411"};

// The field's text with every character read as the point made one.
std::string withFieldPoints(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ',') {
            s.push_back('.');
            ++i;
            continue;
        }
        bool letter = false;
        for (std::string_view l : kSeparatorLetters) {
            if (text.substr(i, l.size()) == l) {
                s.push_back('.');
                i += l.size();
                letter = true;
                break;
            }
        }
        if (!letter)
            s.push_back(text[i++]);
    }
    return s;
}

}  // namespace

double readFieldNumber(std::string_view text)
{
    return readNumber(withFieldPoints(text));
}

bool holdsFieldNumber(std::string_view text)
{
    std::string s;
    for (char ch : withFieldPoints(text)) {
        if (!isBlank(ch))
            s.push_back(ch);
    }
    return scanNumber(s).anyDigit;
}

bool isFieldNumberCharacter(char32_t ch)
{
    switch (ch) {
    case ' ': case '\t': case '+': case '-': case '.': case ',': case 'e': case 'E':
    case U'ю': case U'Ю': case U'б': case U'Б':
        return true;
    default:
        return ch >= '0' && ch <= '9';
    }
}

namespace {

// Writes `value` with at most `digits` significant digits. Fixed notation is
// used for decimal exponents from `minFixed` to `maxFixed`, exponent notation
// (mantissa, "E", sign, at least two digits) outside.
template <typename T>
std::string formatted(T value, int digits, int minFixed, int maxFixed)
{
    if (!std::isfinite(value)) {
        if (std::isnan(value))
            return " nan";
        return value < 0 ? "-inf" : " inf";
    }
    if (value == 0)
        return " 0";

    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                             digits - 1);
    if (res.ec != std::errc())
        return " 0";
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    // Rounding up to `digits` digits may carry past the largest finite value
    // (1.79769313486232E+308 would read as infinity): cut the shortest
    // round-trip digits instead of rounding them.
    char shortest[64];
    if (std::fabs(static_cast<double>(value)) > std::numeric_limits<T>::max() / 1.000001) {
        auto r2 = std::to_chars(shortest, shortest + sizeof shortest, value,
                                std::chars_format::scientific);
        if (r2.ec != std::errc())
            return " 0";
        sci = std::string_view(shortest, static_cast<std::size_t>(r2.ptr - shortest));
    }

    bool negative = false;
    if (sci.front() == '-') {
        negative = true;
        sci.remove_prefix(1);
    }
    const std::size_t e = sci.find('e');
    std::string significand;  // the significant digits, without the point
    for (char ch : sci.substr(0, e)) {
        if (isDigit(ch))
            significand.push_back(ch);
    }
    if (significand.size() > static_cast<std::size_t>(digits))
        significand.resize(static_cast<std::size_t>(digits));
    while (significand.size() > 1 && significand.back() == '0')
        significand.pop_back();
    int exponent = 0;
    {
        std::string_view exp = sci.substr(e + 1);
        if (!exp.empty() && exp.front() == '+')
            exp.remove_prefix(1);
        std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    }

    std::string out(1, negative ? '-' : ' ');
    if (exponent < minFixed || exponent > maxFixed) {
        out += significand[0];
        if (significand.size() > 1) {
            out += '.';
            out.append(significand, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        // No zero in front of the point: 0.25 is ".25".
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significand;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (significand.size() <= intDigits) {
            out += significand;
            out.append(intDigits - significand.size(), '0');
        } else {
            out.append(significand, 0, intDigits);
            out += '.';
            out.append(significand, intDigits);
        }
    }
    return out;
}

// What the input handling stores when it reads `text` back: the double read,
// rounded to T (a magnitude beyond the float range becomes infinity, never an
// undefined conversion).
template <typename T>
T readBack(const std::string& text)
{
    const double d = readNumber(text);
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<T>::max()))
        return d < 0 ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
    return static_cast<T>(d);
}

// Just above a power of ten the binary spacing can be as coarse as the last
// decimal digit (floats near 1e28, subnormals): the value nearest to the text
// then lies below the power and has a text of its own, one digit finer. The
// text of the value read back is settled on instead; it reads back to itself,
// so a field written with it causes no further change.
template <typename T>
std::string canonical(T value, int digits, int minFixed, int maxFixed)
{
    std::string text = formatted(value, digits, minFixed, maxFixed);
    for (int i = 0; i < 4 && std::isfinite(value); ++i) {
        const T back = readBack<T>(text);
        if (!std::isfinite(back))
            break;
        std::string again = formatted(back, digits, minFixed, maxFixed);
        if (again == text)
            break;
        text = std::move(again);
    }
    return text;
}

}  // namespace

// Double: 15 significant digits, fixed from 1e-5 up to below 1e15.
std::string canonicalText(double value)
{
    return canonical(value, 15, -5, 14);
}

// Single: 7 significant digits, fixed from 1e-5 up to below 1e7.
std::string canonicalText(float value)
{
    return canonical(value, 7, -5, 6);
}

}  // namespace dryfriction
