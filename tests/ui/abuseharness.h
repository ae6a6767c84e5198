#pragma once

// A real main window on the recording fakes, for the hostile-input, window-abuse
// and screen-reader tests, plus the scans they share.

#include "fakes.h"

#include "form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace dryfriction::test {

struct AbuseHarness {
    FakeMessages messages;
    FakeTone tone;
    FakeDocuments documents;
    FakeClock clock;
    std::unique_ptr<Form1> form;

    AbuseHarness()
    {
        form = std::make_unique<Form1>(Services{&messages, &tone, &documents, &clock});
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        messages.shown.clear();
        tone.durations.clear();
    }
    ~AbuseHarness()
    {
        messages.answerYes = true;
        form.reset();
    }

    template <typename T>
    T* child(const char* name) const
    {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
};

// Every text the window shows in a label or a field, named by its control.
inline QStringList shownTexts(const QWidget& root)
{
    QStringList texts;
    for (const QLabel* l : root.findChildren<QLabel*>())
        texts << l->objectName() + QLatin1Char('=') + l->text();
    for (const QLineEdit* e : root.findChildren<QLineEdit*>())
        texts << e->objectName() + QLatin1Char('=') + e->text();
    return texts;
}

// A caption or field with a non-finite or broken number: "nan", "inf", a mantissa
// without exponent digits, or a field that is not a canonical number text.
inline QString firstGarbage(const QWidget& root)
{
    static const QRegularExpression nonFinite(QStringLiteral("nan|inf"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression brokenExponent(QStringLiteral("E(?![+-]?\\d)"));
    static const QRegularExpression canonicalField(
        QStringLiteral("^[ -](\\d+(\\.\\d+)?|\\.\\d+)(E[+-]\\d{2,3})?$"));
    for (const QString& t : shownTexts(root)) {
        if (t.contains(nonFinite) || t.contains(brokenExponent))
            return t;
    }
    for (const QLineEdit* e : root.findChildren<QLineEdit*>()) {
        if (!canonicalField.match(e->text()).hasMatch())
            return e->objectName() + QLatin1Char('=') + e->text();
    }
    return {};
}

}  // namespace dryfriction::test
