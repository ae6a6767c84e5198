#include "table/rulemessages.h"

#include <gtest/gtest.h>

#include <string_view>

namespace dryfriction {
namespace {

// The companion's messages are the window's, word for word: a typo shows here.
TEST(RuleMessages, LetterForLetter)
{
    const std::pair<InputRule, const char*> cases[] = {
        // Two blanks after the exclamation mark.
        {InputRule::StiffnessNegative,
         "Коэффициент жёсткости пружины положителен!  Не вводите заново, а исправьте!"},
        {InputRule::X0Negative, "Задача симметричная. x0>=0"},
        {InputRule::V0InStagnationZone, "Если Vo=0 и Хо<=1, то тело будет стоять на месте! Внутри зоны застоя!"},
        {InputRule::TimeTooLong, "Время расчета не должно превышать 10000!"},
    };
    for (const auto& [rule, text] : cases)
        EXPECT_EQ(ruleMessage(rule), text) << static_cast<int>(rule);
    // "Хо" with a Cyrillic Ha and o, "Vo" in Latin letters.
    EXPECT_NE(ruleMessage(InputRule::X0InStagnationZone).find("\xD0\xA5\xD0\xBE<=1 и Vo=0"), std::string_view::npos);
}

}  // namespace
}  // namespace dryfriction
