#pragma once

// The beep and the messages the input rules bring up, letter for letter, as
// the fake services record them.

#include <QString>

namespace dryfriction::test {

inline const QString kBeep = QStringLiteral("beep 300");

inline QString error(const char* text)
{
    return QStringLiteral("Ошибка: ") + QString::fromUtf8(text);
}

inline const char* const kMass = "Масса должна быть больше нуля! Не вводите заново, а исправьте!";
inline const char* const kNoSpring = "Пружины нет?! Движение с постоянным ускорением! Неинтересно!";
inline const char* const kNegativeSpring =
    "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!";
inline const char* const kNoFriction = "Трения нет?! Это свободные гармонические колебания! Неинтересно!";
inline const char* const kNegativeFriction =
    "Коэффициент трения скольжения положителен!  Не вводите заново, а исправьте!";
inline const char* const kSymmetric = "Задача симметричная. x0>=0";
inline const char* const kStagnationX = "Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри зоны застоя!";
inline const char* const kStagnationV = "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!";
inline const char* const kTime = "Время должно быть положительным!";

}  // namespace dryfriction::test
