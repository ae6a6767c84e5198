#include "inputrules.h"

#include <cmath>
#include <limits>

namespace dryfriction {

namespace {

constexpr double kMassCorrection = 0.1;
constexpr double kStiffnessCorrection = 40;
constexpr double kFrictionCorrection = 0.25;
constexpr double kX0Correction = 1.1;
constexpr double kV0Correction = 1;
constexpr double kTimeCorrection = 40;

// m, k and mu must lie in [kMinPositive, kMaxPositive]; the negated form
// also rejects NaN.
bool outsidePositiveRange(double v)
{
    return !(v >= kMinPositive && v <= kMaxPositive);
}

Correction reject(bool beep, const char* message, double value)
{
    return Correction{beep, message, value};
}

}  // namespace

// The checks of each field in the order the user meets them; the first that
// holds decides. The physical checks come first where their correction is a
// fixed value anyway (m, k, mu, tCalc: -inf is "not positive" and gets the
// usual message). For Xo and Vo the magnitude is checked first: the sign
// check of Xo corrects to |Xo|, which must never turn -inf or -1e300 into a
// value written back into the field, and an endless Vo would pass the cross
// check. The limits keep w, a, Va, Ao, Wo, the plot ranges and the run's
// clock finite and the run finite in length.
std::optional<Correction> checkInput(InputField field, const ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass:
        if (p.m <= 0)
            return reject(true, "Масса должна быть больше нуля! Не вводите заново, а исправьте!",
                          kMassCorrection);
        if (outsidePositiveRange(p.m))
            return reject(true, "Масса должна быть от 0.000001 до 1000000 кг!",
                          kMassCorrection);
        return std::nullopt;

    case InputField::Stiffness:
        if (p.k == 0)
            return reject(true, "Пружины нет?! Движение с постоянным ускорением! Неинтересно!",
                          kStiffnessCorrection);
        if (p.k < 0)
            return reject(false,
                          "Коэффициент жёсткости пружины положителен!  Не вводите заново, а "
                          "исправьте!",
                          kStiffnessCorrection);
        if (outsidePositiveRange(p.k))
            return reject(true, "Коэффициент жёсткости пружины должен быть от 0.000001 до 1000000 Н/м!",
                          kStiffnessCorrection);
        return std::nullopt;

    case InputField::Friction:
        if (p.mu == 0)
            return reject(true, "Трения нет?! Это свободные гармонические колебания! Неинтересно!",
                          kFrictionCorrection);
        if (p.mu < 0)
            return reject(false,
                          "Коэффициент трения скольжения положителен!  Не вводите заново, а "
                          "исправьте!",
                          kFrictionCorrection);
        if (outsidePositiveRange(p.mu))
            return reject(true, "Коэффициент трения скольжения должен быть от 0.000001 до 1000000!",
                          kFrictionCorrection);
        return std::nullopt;

    case InputField::X0:
        if (!(std::fabs(p.Xo) <= kMaxInitial))
            return reject(true, "Начальная координата по модулю не должна превышать 1000!",
                          kX0Correction);
        if (p.Xo < 0)
            return reject(true, "Задача симметричная. x0>=0", std::fabs(p.Xo));
        if (p.Xo <= 1 && p.Vo == 0)
            return reject(false,
                          "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!",
                          kX0Correction);
        return std::nullopt;

    case InputField::V0:
        if (!(std::fabs(p.Vo) <= kMaxInitial))
            return reject(true, "Начальная скорость по модулю не должна превышать 1000!",
                          kV0Correction);
        if (p.Vo == 0 && p.Xo <= 1)
            return reject(true,
                          "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!",
                          kV0Correction);
        return std::nullopt;

    case InputField::Time:
        if (!(p.tCalc > 0))
            return reject(true, "Время должно быть положительным!", kTimeCorrection);
        // The clock is single precision: beyond 131072 it no longer advances
        // by dt and from 262144 on not at all, so a long run would never end.
        if (p.tCalc > kMaxTime)
            return reject(true, "Время расчета не должно превышать 10000!", kTimeCorrection);
        return std::nullopt;
    }
    return std::nullopt;
}

void storeInput(InputField field, double value, ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass: p.m = value; break;
    case InputField::Stiffness: p.k = value; break;
    case InputField::Friction: p.mu = value; break;
    case InputField::X0: p.Xo = value; break;
    case InputField::V0: p.Vo = value; break;
    case InputField::Time:
        // Beyond the single-precision range the time becomes infinite (a
        // plain conversion would be undefined there).
        if (std::fabs(value) > std::numeric_limits<float>::max() && std::isfinite(value))
            p.tCalc = value > 0 ? std::numeric_limits<float>::infinity()
                                : -std::numeric_limits<float>::infinity();
        else
            p.tCalc = static_cast<float>(value);
        break;
    }
}

double storedInput(InputField field, const ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass: return p.m;
    case InputField::Stiffness: return p.k;
    case InputField::Friction: return p.mu;
    case InputField::X0: return p.Xo;
    case InputField::V0: return p.Vo;
    case InputField::Time: return p.tCalc;
    }
    return 0;
}

}  // namespace dryfriction
