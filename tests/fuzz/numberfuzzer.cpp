// libFuzzer target over the input fields' number text, the caption patterns and the
// input rules. Any input must neither crash nor hit undefined behaviour, and:
//  - reading never yields NaN (a field's text becomes a number or +-infinity);
//  - a field reads every text the companion takes as the companion does (the
//    comma and the Russian separator keys only add to what a field reads);
//  - the canonical text of a finite value reads back to a value with the same text
//    (double and single precision), so a field rewritten with it changes no more,
//    and is one whole number as the companion demands of an option's value;
//  - the caption patterns keep their shape for every finite value;
//  - an edit of a field always settles: its last pass shows a text that reads back
//    unchanged, and the value it leaves is accepted and inside the documented limits;
//  - a text being typed puts in force only a value its field accepts, and
//    nothing else;
//  - accepted parameters give finite characteristics, ranges and counts.
#include "model/characteristics.h"
#include "model/inputrules.h"
#include "model/numberformat.h"
#include "model/numbertext.h"
#include "model/plotranges.h"

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
    // What a field shows, without its sign column's blank, is a value the
    // companion takes.
    if (!isWholeNumber(std::string_view(text).substr(text[0] == ' ' ? 1 : 0)))
        failure("canonical text is not one whole number", text);
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
    if (canonicalText(p.duration) != text)
        failure("float text does not survive reading", text + " -> " + canonicalText(p.duration));
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

// An edit of a field: the passes must settle, the last one on a text that is a
// fixed point of reading, with an accepted value inside the limits and the other
// parameters untouched.
void expectEditSettles(InputField field, std::string_view text, const ProblemParameters& inForce)
{
    const EditOutcome out = applyFieldText(field, text, inForce);
    // A correction can be caught by one more rule (the symmetry rule's by the
    // zone rule), then the text is canonical: three passes at most.
    if (out.passes.empty() || out.passes.size() > 3)
        failure("edit does not settle within three passes", text);
    const EditPass& last = out.passes.back();
    const std::string_view lastRead = out.passes.size() == 1
                                          ? text
                                          : std::string_view(out.passes[out.passes.size() - 2].text);
    if (last.correction || last.text != lastRead)
        failure("edit ends on a text that is not settled", text);
    if (last.text != fieldText(field, out.parameters))
        failure("edit ends on a text other than its value's", text);
    if (checkInput(field, out.parameters))
        failure("edit leaves a value its field rejects", text);

    const EditOutcome again = applyFieldText(field, last.text, out.parameters);
    if (again.passes.size() != 1 || again.passes[0].correction || !(again.parameters == out.parameters))
        failure("settled text does not read back unchanged", last.text);

    for (int f = 0; f <= static_cast<int>(InputField::Time); ++f) {
        const auto other = static_cast<InputField>(f);
        const double before = storedInput(other, inForce), after = storedInput(other, out.parameters);
        if (other != field && !(before == after || (std::isnan(before) && std::isnan(after))))
            failure("edit changed another parameter", text);
    }

    const double v = storedInput(field, out.parameters);
    if (!std::isfinite(v))
        failure("non-finite value accepted", text);
    const ProblemParameters& p = out.parameters;
    switch (field) {
    case InputField::Mass:
    case InputField::Stiffness:
    case InputField::Friction:
        if (!(v >= kMinPositive && v <= kMaxPositive))
            failure("positive parameter accepted outside its limits", text);
        break;
    case InputField::X0:
        if (!(v >= 0 && v <= kMaxInitial) || (v <= 1 && p.v0 == 0))
            failure("initial coordinate accepted outside its limits", text);
        break;
    case InputField::V0:
        if (!(std::fabs(v) <= kMaxInitial) || (v == 0 && p.x0 <= 1))
            failure("initial velocity accepted outside its limits", text);
        break;
    case InputField::Time:
        if (!(v > 0 && v <= kMaxTime))
            failure("calculation time accepted outside its limits", text);
        break;
    }
}

// Parameters that every field accepts give finite characteristics, captions of
// finite numbers, finite ranges and counts a loop can run to.
void expectFiniteCharacteristics(const ProblemParameters& p)
{
    for (int f = 0; f <= static_cast<int>(InputField::Time); ++f) {
        if (checkInput(static_cast<InputField>(f), p))
            return;
    }
    const MotionCharacteristics c = characteristicsOf(p);
    for (double v : {c.omega, c.period, c.zoneHalfWidth, c.velocityScale, c.firstAmplitude, c.firstStop,
                     c.halfSwings, c.finalStop, c.initialEnergy}) {
        if (!std::isfinite(v))
            failure("accepted parameters give a non-finite characteristic", canonicalText(p.mass));
        // The window's captions show them in these patterns.
        for (const std::string& caption : {formatF3(v, ","), formatF4(v, ".")}) {
            if (caption.find("nan") != std::string::npos || caption.find("inf") != std::string::npos)
                failure("caption shows a non-finite number", caption);
        }
    }
    if (!(c.omega > 0 && c.zoneHalfWidth > 0 && c.firstAmplitude > 0))
        failure("accepted parameters give a zero divisor", canonicalText(p.mass));
    if (halfSwingCount(c) != c.halfSwings)
        failure("accepted parameters give a half-swing count beyond the clamp", canonicalText(c.halfSwings));

    const PlotRanges r = computePlotRanges(p, c);
    for (double v : {r.firstTurn, r.xMax, r.vPeak, static_cast<double>(r.vMax), r.pathMax}) {
        if (!std::isfinite(v))
            failure("accepted parameters give a non-finite plot range", canonicalText(v));
    }
    if (!(r.xMax >= 1 && r.vMax >= 1 && r.pathMax >= 1))
        failure("accepted parameters give a plot range below one", canonicalText(r.xMax));
}

// What a field reads beside what the companion reads.
void expectFieldReading(std::string_view text)
{
    const double field = readFieldNumber(text);
    if (std::isnan(field))
        failure("a field read NaN", text);
    if (isWholeNumber(text)) {
        const double companion = readNumber(text);
        if (!(field == companion) || std::signbit(field) != std::signbit(companion))
            failure("a field reads a whole number unlike the companion", text);
    }
    if (!holdsFieldNumber(text) && field != 0)
        failure("a field read a number from a text without one", text);
}

// Whether two sets of parameters agree in every field but `except` (NaN
// agreeing with NaN).
bool sameBut(const ProblemParameters& a, const ProblemParameters& b, int except)
{
    for (int f = 0; f <= static_cast<int>(InputField::Time); ++f) {
        const double x = storedInput(static_cast<InputField>(f), a), y = storedInput(static_cast<InputField>(f), b);
        if (f != except && !(x == y || (std::isnan(x) && std::isnan(y))))
            return false;
    }
    return true;
}

// A text being typed: accepted, it changes the field's parameter to a value
// the field's rules pass; waiting or rejected, it changes nothing.
void expectTypingSafe(InputField field, std::string_view text, const ProblemParameters& inForce)
{
    const TypingOutcome out = typingOutcome(field, text, inForce);
    const bool accepted = out.verdict == TypingVerdict::Accepted;
    if (accepted && checkInput(field, out.parameters))
        failure("typing put in force a value its field rejects", text);
    if (!sameBut(out.parameters, inForce, accepted ? static_cast<int>(field) : -1))
        failure("typing changed what it must leave alone", text);
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
    expectFieldReading(whole);

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
        p.mass = in.ConsumeFloatingPoint<double>();
        p.stiffness = in.ConsumeFloatingPoint<double>();
        p.friction = in.ConsumeFloatingPoint<double>();
        p.x0 = in.ConsumeFloatingPoint<double>();
        p.v0 = in.ConsumeFloatingPoint<double>();
        storeInput(InputField::Time, in.ConsumeFloatingPoint<double>(), p);
    }
    const std::string text = in.ConsumeRandomLengthString(64);
    expectEditSettles(field, text, p);
    expectTypingSafe(field, text, p);
    // The whole input in every field, the load also at rest inside the zone,
    // where the cross checks of x0 and v0 chain one correction to another.
    ProblemParameters atRest = kStartupParameters;
    atRest.x0 = 0.5;
    atRest.v0 = 0;
    for (int f = 0; f <= static_cast<int>(InputField::Time); ++f) {
        expectEditSettles(static_cast<InputField>(f), whole, kStartupParameters);
        expectEditSettles(static_cast<InputField>(f), whole, atRest);
    }

    ProblemParameters valid;
    valid.mass = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.stiffness = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.friction = std::pow(10.0, in.ConsumeFloatingPointInRange(-6.0, 6.0));
    valid.x0 = in.ConsumeFloatingPointInRange(0.0, 1000.0);
    valid.v0 = in.ConsumeFloatingPointInRange(-1000.0, 1000.0);
    storeInput(InputField::Time, in.ConsumeFloatingPointInRange(1e-30, 1e4), valid);
    expectFiniteCharacteristics(valid);
    return 0;
}
