// libFuzzer target over the input fields' number text, the caption patterns and the
// input rules. Any input must neither crash nor hit undefined behaviour, and:
//  - reading never yields NaN (a field's text becomes a number or +-infinity);
//  - the canonical text of a finite value reads back to a value with the same text
//    (double and single precision), so a field rewritten with it changes no more;
//  - the caption patterns keep their shape for every finite value;
//  - applying a field's correction and checking again ends, within the nested
//    chain of the window, with an accepted value inside the documented limits.
#include "characteristics.h"
#include "inputrules.h"
#include "numberformat.h"
#include "numbertext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace dryfriction;

[[noreturn]] void failure(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// " 12.5", "-.25", " 1.5E+20": a sign column, then digits with at most one point,
// then optionally E, a sign and at least two digits.
void expectCanonicalShape(const std::string& text, std::size_t maxDigits)
{
    if (text.size() < 2 || (text[0] != ' ' && text[0] != '-'))
        failure("canonical text without its sign column", text);
    std::size_t i = 1;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            failure("canonical text with a stray character", text);
    }
    // Leading zeros of ".000012" are not significant.
    std::size_t significant = 0;
    bool started = false;
    for (std::size_t j = 1; j < i; ++j) {
        if (text[j] == '.')
            continue;
        started = started || text[j] != '0';
        significant += started ? 1 : 0;
    }
    if (digits == 0 || significant > maxDigits)
        failure("canonical text with a wrong digit count", text);
    if (point && (text[i - 1] == '0' || text[i - 1] == '.'))
        failure("canonical text with a trailing zero or point", text);
    if (i < text.size()) {
        if (i + 4 > text.size() || (text[i + 1] != '+' && text[i + 1] != '-'))
            failure("canonical exponent without sign and two digits", text);
        for (std::size_t j = i + 2; j < text.size(); ++j) {
            if (!isDigit(text[j]))
                failure("canonical exponent with a stray character", text);
        }
    }
}

void roundTripDouble(double x)
{
    if (!std::isfinite(x))
        return;
    const std::string text = canonicalText(x);
    expectCanonicalShape(text, 15);
    const double back = readNumber(text);
    if (canonicalText(back) != text)
        failure("double text does not survive reading", text + " -> " + canonicalText(back));
}

void roundTripFloat(float x)
{
    if (!std::isfinite(x))
        return;
    const std::string text = canonicalText(x);
    expectCanonicalShape(text, 7);
    // As the time field does: read as double, store in single precision.
    ProblemParameters p;
    storeInput(InputField::Time, readNumber(text), p);
    if (canonicalText(p.tCalc) != text)
        failure("float text does not survive reading", text + " -> " + canonicalText(p.tCalc));
}

// "d<sep>ddd E+dd" with the separator given and `digits` digits after it.
void expectScientificShape(double value, int digits, std::string_view sep)
{
    const std::string text = formatScientific(value, digits, sep);
    if (!std::isfinite(value)) {
        if (text != "nan" && text != "inf" && text != "-inf")
            failure("non-finite value written as a number", text);
        return;
    }
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i >= text.size() || !isDigit(text[i]))
        failure("scientific text without its leading digit", text);
    ++i;
    if (digits > 0) {
        if (text.compare(i, sep.size(), sep) != 0)
            failure("scientific text without the separator", text);
        i += sep.size();
        for (int d = 0; d < digits; ++d, ++i) {
            if (i >= text.size() || !isDigit(text[i]))
                failure("scientific text with too few digits", text);
        }
    }
    if (i + 4 > text.size() || text[i] != 'E' || (text[i + 1] != '+' && text[i + 1] != '-'))
        failure("scientific text without E and exponent sign", text);
    for (std::size_t j = i + 2; j < text.size(); ++j) {
        if (!isDigit(text[j]))
            failure("scientific exponent with a stray character", text);
    }
    // The value written must be the value given, to the digits shown. Mantissa and
    // exponent are compared apart: 1.798E+308 is a fair caption of the largest double.
    std::string mantissa = text.substr(0, i);
    if (digits > 0 && sep != ".")
        mantissa.replace(mantissa.find(sep), sep.size(), ".");
    const long double shown = readNumber(mantissa);
    const int exponent = std::atoi(text.c_str() + i + 1);
    const long double unit = std::pow(10.0L, exponent - digits);  // of the last digit shown
    const long double error = std::fabs(shown * std::pow(10.0L, exponent) - value);
    if (value == 0 ? (shown != 0 || exponent != 0 || text[0] == '-')
                   : (!(std::fabs(shown) >= 1 && std::fabs(shown) < 10)
                      || !(error <= 0.5000001L * unit)))
        failure("scientific text far from its value", text);
}

void expectGridLabelShape(double value, std::string_view sep)
{
    const std::string text = formatGridLabel(value, sep);
    if (!std::isfinite(value)) {
        if (text != "nan" && text != "inf" && text != "-inf")
            failure("non-finite grid value written as a number", text);
        return;
    }
    if (text == "-0" + std::string(sep) + "00")
        failure("grid label with a negative zero", text);
    const std::size_t at = text.rfind(sep);
    if (at == std::string::npos || at + sep.size() + 2 != text.size())
        failure("grid label without two decimals", text);
    const std::size_t first = text[0] == '-' ? 1 : 0;
    if (at == first)
        failure("grid label without a digit before the separator", text);
    for (std::size_t j = first; j < text.size(); ++j) {
        if (j >= at && j < at + sep.size())
            continue;
        if (!isDigit(text[j]))
            failure("grid label with a stray character", text);
    }
}

// A field's handler: read, store, check; on a correction store it and check again, as
// the nested change handlers of the window do. The chain must end with acceptance.
void expectCorrectionChainEnds(InputField field, std::string_view text, ProblemParameters p)
{
    storeInput(field, readNumber(text), p);
    int corrections = 0;
    while (const auto c = checkInput(field, p)) {
        if (c->message.empty())
            failure("correction without a message", text);
        if (++corrections > 3)
            failure("correction chain does not end", text);
        // The field then shows the corrected value's canonical text and is read again.
        const std::string shown = field == InputField::Time
                                      ? canonicalText(static_cast<float>(c->value))
                                      : canonicalText(c->value);
        storeInput(field, readNumber(shown), p);
    }
    const double v = storedInput(field, p);
    if (!std::isfinite(v))
        failure("non-finite value accepted", text);
    switch (field) {
    case InputField::Mass:
    case InputField::Stiffness:
    case InputField::Friction:
        if (!(v >= kMinPositive && v <= kMaxPositive))
            failure("positive parameter accepted outside its limits", text);
        break;
    case InputField::X0:
        if (!(v >= 0 && v <= kMaxInitial) || (v <= 1 && p.Vo == 0))
            failure("initial coordinate accepted outside its limits", text);
        break;
    case InputField::V0:
        if (!(std::fabs(v) <= kMaxInitial) || (v == 0 && p.Xo <= 1))
            failure("initial velocity accepted outside its limits", text);
        break;
    case InputField::Time:
        if (!(v > 0 && v <= kMaxTime))
            failure("calculation time accepted outside its limits", text);
        break;
    }
}

// Parameters that every field accepts give finite characteristics and captions.
void expectFiniteCharacteristics(const ProblemParameters& p)
{
    for (int f = 0; f <= static_cast<int>(InputField::Time); ++f) {
        if (checkInput(static_cast<InputField>(f), p))
            return;
    }
    const MotionCharacteristics c = parametr(p);
    for (double v : {c.w, c.To, c.a, c.Va, c.Ao, c.tau_0, c.n_half, c.t_m, c.Wo}) {
        if (!std::isfinite(v))
            failure("accepted parameters give a non-finite characteristic", canonicalText(p.m));
    }
    if (!(c.w > 0 && c.a > 0 && c.Ao > 0))
        failure("accepted parameters give a zero divisor", canonicalText(p.m));
    const CharacteristicCaptions caps = characteristicCaptions(c, ",");
    for (const std::string* s : {&caps.label12, &caps.label13, &caps.label14, &caps.label18,
                                 &caps.label15, &caps.label16, &caps.label17}) {
        if (s->find("nan") != std::string::npos || s->find("inf") != std::string::npos)
            failure("caption shows a non-finite number", *s);
    }
}

double bitsToDouble(std::uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

float bitsToFloat(std::uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The whole input as a field's text.
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    const double read = readNumber(whole);
    if (std::isnan(read))
        failure("reading gave NaN", whole);
    roundTripDouble(read);
    if (std::fabs(read) <= 3.4e38)
        roundTripFloat(static_cast<float>(read));

    FuzzedDataProvider in(data, size);
    // Arbitrary bit patterns: subnormals, the largest values, negative zero, NaNs.
    const double anyDouble = bitsToDouble(in.ConsumeIntegral<std::uint64_t>());
    const float anyFloat = bitsToFloat(in.ConsumeIntegral<std::uint32_t>());
    roundTripDouble(anyDouble);
    roundTripFloat(anyFloat);

    const std::string_view sep = in.ConsumeBool() ? "," : ".";
    for (double v : {read, anyDouble, static_cast<double>(anyFloat)}) {
        expectScientificShape(v, 3, sep);
        expectScientificShape(v, 4, sep);
        expectScientificShape(v, in.ConsumeIntegralInRange(0, 8), sep);
        expectGridLabelShape(v, sep);
    }

    // A field, the other parameters in force (each within or beyond its limits), and a text.
    const auto field = static_cast<InputField>(in.ConsumeIntegralInRange(0, 5));
    ProblemParameters p;
    if (in.ConsumeBool()) {
        p.m = in.ConsumeFloatingPoint<double>();
        p.k = in.ConsumeFloatingPoint<double>();
        p.mu = in.ConsumeFloatingPoint<double>();
        p.Xo = in.ConsumeFloatingPoint<double>();
        p.Vo = in.ConsumeFloatingPoint<double>();
        storeInput(InputField::Time, in.ConsumeFloatingPoint<double>(), p);
    }
    const std::string text = in.ConsumeRandomLengthString(64);
    expectCorrectionChainEnds(field, text, p);

    ProblemParameters valid;
    valid.m = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.k = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.mu = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.Xo = in.ConsumeFloatingPointInRange(0.0, 1000.0);
    valid.Vo = in.ConsumeFloatingPointInRange(-1000.0, 1000.0);
    storeInput(InputField::Time, in.ConsumeFloatingPointInRange(1e-30, 1e4), valid);
    expectFiniteCharacteristics(valid);
    return 0;
}
