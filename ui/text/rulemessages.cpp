#include "ui/text/rulemessages.h"

#include <QCoreApplication>

namespace dryfriction {

QString ruleMessage(InputRule rule)
{
    const char* text = "";
    switch (rule) {
    case InputRule::MassNotPositive:
        text = QT_TRANSLATE_NOOP("InputRules", "Масса должна быть больше нуля! Не вводите заново, а исправьте!");
        break;
    case InputRule::MassOutOfRange:
        text = QT_TRANSLATE_NOOP("InputRules", "Масса должна быть от 0.000001 до 1000000 кг!");
        break;
    case InputRule::NoSpring:
        text = QT_TRANSLATE_NOOP("InputRules", "Пружины нет?! Движение с постоянным ускорением! Неинтересно!");
        break;
    case InputRule::StiffnessNegative:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!");
        break;
    case InputRule::StiffnessOutOfRange:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Коэффициент жёсткости пружины должен быть от 0.000001 до 1000000 Н/м!");
        break;
    case InputRule::NoFriction:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Трения нет?! Это свободные гармонические колебания! Неинтересно!");
        break;
    case InputRule::FrictionNegative:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!");
        break;
    case InputRule::FrictionOutOfRange:
        text = QT_TRANSLATE_NOOP("InputRules", "Коэффициент трения скольжения должен быть от 0.000001 до 1000000!");
        break;
    case InputRule::X0TooLarge:
        text = QT_TRANSLATE_NOOP("InputRules", "Начальная координата по модулю не должна превышать 1000!");
        break;
    case InputRule::X0Negative:
        text = QT_TRANSLATE_NOOP("InputRules", "Задача симметричная. x0>=0");
        break;
    case InputRule::X0InStagnationZone:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!");
        break;
    case InputRule::V0TooLarge:
        text = QT_TRANSLATE_NOOP("InputRules", "Начальная скорость по модулю не должна превышать 1000!");
        break;
    case InputRule::V0InStagnationZone:
        text = QT_TRANSLATE_NOOP("InputRules",
                                 "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!");
        break;
    case InputRule::TimeNotPositive:
        text = QT_TRANSLATE_NOOP("InputRules", "Время должно быть положительным!");
        break;
    case InputRule::TimeTooLong:
        text = QT_TRANSLATE_NOOP("InputRules", "Время расчета не должно превышать 10000!");
        break;
    }
    return QCoreApplication::translate("InputRules", text);
}

}  // namespace dryfriction
