// The six input fields: every change of a field's text is a complete edit.
// The text is read and stored at once, checked, replaced by a fixed correction
// with a message when it makes no sense, written back in its canonical form,
// and the whole window is recomputed. Writing the canonical text changes the
// field whenever the user's text differed from it, so the handler runs again,
// nested, on the canonical text; checks that a correction skipped (the sign of
// Xo, then the stagnation zone) are caught by that nested run.

#include "form1.h"

#include "inputrules.h"
#include "fieldtext.h"
#include "numbertext.h"

#include <QLineEdit>

namespace dryfriction {

namespace {

constexpr int kErrorBeep = 25;  // 300 ms
constexpr int kToneHz = 880;
constexpr int kToneUnitMs = 12;

}  // namespace

// Reads the field into its parameter and applies the first check that holds:
// the beep if the rule asks for one, then the message, then the correction.
// Returns whether a correction was made.
bool Form1::acceptInput(InputField field, const QLineEdit* edit)
{
    storeInput(field, readNumber(edit->text().toStdString()), m_params);
    const std::optional<Correction> correction = checkInput(field, m_params);
    if (!correction)
        return false;
    if (correction->beep)
        zvuk(kErrorBeep);
    m_services.messages->inform(this, QStringLiteral("Ошибка"),
                                QString::fromStdString(correction->message));
    storeInput(field, correction->value, m_params);
    return true;
}

void Form1::numberFieldChanged(InputField field, QLineEdit* edit)
{
    acceptInput(field, edit);
    edit->setText(fieldText(storedInput(field, m_params)));
    Form_Resize();
}

void Form1::Text1_Change()
{
    numberFieldChanged(InputField::Mass, Text1);
}

void Form1::Text2_Change()
{
    numberFieldChanged(InputField::Stiffness, Text2);
}

void Form1::Text3_Change()
{
    numberFieldChanged(InputField::Friction, Text3);
}

void Form1::Text4_Change()
{
    numberFieldChanged(InputField::X0, Text4);
}

void Form1::Text5_Change()
{
    numberFieldChanged(InputField::V0, Text5);
}

// The time is single precision. An accepted value is not written back here:
// the layout pass inside Form_Resize writes it.
void Form1::Text6_Change()
{
    if (acceptInput(InputField::Time, Text6))
        Text6->setText(fieldText(m_params.tCalc));
    Form_Resize();
}

// A tone of 880 Hz for n * 12 ms; returns when it has ended.
void Form1::zvuk(int n)
{
    m_services.tone->play(kToneHz, n * kToneUnitMs);
}

}  // namespace dryfriction
