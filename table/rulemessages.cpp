#include "table/rulemessages.h"

namespace dryfriction {

std::string_view ruleMessage(InputRule rule)
{
    switch (rule) {
    case InputRule::MassNotPositive:
        return "Масса должна быть больше нуля! Не вводите заново, а исправьте!";
    case InputRule::MassOutOfRange:
        return "Масса должна быть от 0.000001 до 1000000 кг!";
    case InputRule::NoSpring:
        return "Пружины нет?! Движение с постоянным ускорением! Неинтересно!";
    case InputRule::StiffnessNegative:
        return "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!";
    case InputRule::StiffnessOutOfRange:
        return "Коэффициент жёсткости пружины должен быть от 0.000001 до 1000000 Н/м!";
    case InputRule::NoFriction:
        return "Трения нет?! Это свободные гармонические колебания! Неинтересно!";
    case InputRule::FrictionNegative:
        return "Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!";
    case InputRule::FrictionOutOfRange:
        return "Коэффициент трения скольжения должен быть от 0.000001 до 1000000!";
    case InputRule::X0TooLarge:
        return "Начальная координата по модулю не должна превышать 1000!";
    case InputRule::X0Negative:
        return "Задача симметричная. x0>=0";
    case InputRule::X0InStagnationZone:
        return "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!";
    case InputRule::V0TooLarge:
        return "Начальная скорость по модулю не должна превышать 1000!";
    case InputRule::V0InStagnationZone:
        return "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!";
    case InputRule::TimeNotPositive:
        return "Время должно быть положительным!";
    case InputRule::TimeTooLong:
        return "Время расчета не должно превышать 10000!";
    }
    return "?";
}

}  // namespace dryfriction
