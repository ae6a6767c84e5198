#pragma once

// A real main window, shown offscreen, wired to the recording fakes: no box is
// shown, no tone sounds, no viewer starts, no run waits and a confirmed close
// never ends the event loop, so the tests after it run as if it had not
// happened. Beeps and messages appear in one log in the order they happened.
// Also the scans the robustness tests share.

#include "fakes.h"

#include "ui/parts/canvaswidget.h"
#include "ui/window/mainwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>

namespace dryfriction::test {

// The six fields, in the order of InputField.
inline constexpr const char* kFieldNames[] = {"massEdit",     "stiffnessEdit", "frictionEdit",
                                              "coordinateEdit", "velocityEdit",  "timeEdit"};

// The views, in the chooser's order, and their option buttons.
inline constexpr const char* kViewNames[] = {"animationView", "coordinateView", "velocityView", "energyView",
                                             "pathView",      "phaseView"};
inline constexpr const char* kOptionNames[] = {"animationOption", "coordinateOption", "velocityOption",
                                               "energyOption", "pathOption",     "phaseOption"};

struct WindowHarness {
    FakeMessages messages;
    FakeTone tone;
    FakeDocuments documents;
    FakeClock clock;
    FakeExit exit;
    FakeFileChooser files;
    FakeClipboard clipboard;
    QStringList log;  // "beep 300", "Ошибка: text", ...
    std::unique_ptr<MainWindow> window;

    WindowHarness()
    {
        tone.onPlay = [this](int ms) { log << QStringLiteral("beep %1").arg(ms); };
        messages.onShow = [this](const ShownMessage& m) { log << m.title + ": " + m.text; };
        window = std::make_unique<MainWindow>(Services{&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        log.clear();
        messages.shown.clear();
        tone.durations.clear();
        tone.frequencies.clear();
    }

    ~WindowHarness()
    {
        messages.onShow = nullptr;
        tone.onPlay = nullptr;
        window.reset();
    }

    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    // The window's control of that object name; a missing one fails the test.
    template <typename T>
    T* child(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr)
            throw std::runtime_error(std::string("no control named ") + name);
        return w;
    }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QPushButton* startButton() const { return child<QPushButton>("startButton"); }
    CanvasWidget* view(const char* name) const { return child<CanvasWidget>(name); }
    QScrollBar* slowdownBar() const { return child<QScrollBar>("slowdownBar"); }
    const ProblemParameters& parameters() const { return window->problem().parameters(); }

    void click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton); }
    // An option button is clicked on its circle and caption, not at the
    // middle of its (wide) area.
    void choose(const char* option) const
    {
        QRadioButton* button = child<QRadioButton>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, button->height() / 2));
    }

    // Replaces the whole text at once, as a paste over a selection does.
    void paste(const char* name, const QString& text) const { field(name)->setText(text); }

    // Selects the whole text and types over it, key by key; the field is not left.
    void typeOver(const char* name, const QString& text) const
    {
        QLineEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    // Locked against resizing, as during a run.
    bool isLocked() const
    {
        return window->minimumSize() == window->size() && window->maximumSize() == window->size();
    }
    bool isSizable() const
    {
        return window->minimumSize() == QSize(0, 0)
               && window->maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
};

// Types text into a field key by key as real key events carrying their text:
// QTest knows only ASCII keys, and a Cyrillic letter or a full-width digit
// comes the way a keyboard layout or an input method delivers it.
inline void typeText(QWidget* w, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(w, ch.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &press);
        QCoreApplication::sendEvent(w, &release);
    }
}

// A caption or field with a non-finite or broken number: "nan", "inf", a mantissa
// without exponent digits, or a field that does not show a canonical number text
// (but for `typing`, the field the user is typing in, which shows what was typed).
// Named by its control.
inline QString firstGarbage(const QWidget& root, const QLineEdit* typing = nullptr)
{
    static const QRegularExpression nonFinite(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression brokenExponent(QStringLiteral("E(?![+-]?\\d)"));
    static const QRegularExpression canonicalField(QStringLiteral("^[ -](\\d+(\\.\\d+)?|\\.\\d+)(E[+-]\\d{2,3})?$"));
    const auto named = [](const QWidget* w, const QString& text) { return w->objectName() + QLatin1Char('=') + text; };
    for (const QLabel* l : root.findChildren<QLabel*>()) {
        if (l->text().contains(nonFinite) || l->text().contains(brokenExponent))
            return named(l, l->text());
    }
    for (const QLineEdit* e : root.findChildren<QLineEdit*>()) {
        if (e != typing && !canonicalField.match(e->text()).hasMatch())
            return named(e, e->text());
    }
    return {};
}

}  // namespace dryfriction::test
