#pragma once

// A real main window, shown offscreen, wired to the recording fakes, with a
// log in which beeps and messages appear in the order they happened.

#include "fakes.h"

#include "canvaswidget.h"
#include "form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace dryfriction::test {

struct FormHarness {
    FakeMessages messages;
    FakeTone tone;
    FakeDocuments documents;
    FakeClock clock;
    QStringList log;  // "beep 300", "Ошибка: text", ...
    std::unique_ptr<Form1> form;

    FormHarness()
    {
        tone.onPlay = [this](int ms) { log << QStringLiteral("beep %1").arg(ms); };
        messages.onShow = [this](const ShownMessage& m) { log << m.title + ": " + m.text; };
        form = std::make_unique<Form1>(Services{&messages, &tone, &documents, &clock});
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        log.clear();
        messages.shown.clear();
        tone.durations.clear();
        tone.frequencies.clear();
    }

    ~FormHarness()
    {
        // Leave without the exit question: the test decides about closing itself.
        messages.answerYes = true;
        messages.onShow = nullptr;
        tone.onPlay = nullptr;
        form.reset();
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(w);
        return w;
    }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QPushButton* start() const { return child<QPushButton>("CmdOK"); }
    CanvasWidget* picture(const char* name) const { return child<CanvasWidget>(name); }

    void click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton); }

    // Replaces the whole text at once, as a paste over a selection does.
    void paste(const char* name, const QString& text) const { field(name)->setText(text); }

    // Selects the whole text and types over it, one edit per keystroke.
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
};

}  // namespace dryfriction::test
