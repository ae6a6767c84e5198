// The keys every desktop program answers, pressed as a user presses them:
// F1 opens the guide to the controls, F10 the menu bar, Ctrl+Q closes the
// window through the question of its close box, Esc closes the authors window.

#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace dryfriction::test {
namespace {

const ShownMessage kQuestion{QStringLiteral("На Выход"), QStringLiteral("Вы абсолютно уверены?"), true};

TEST(ProgramKeys, F1OpensTheGuideToTheControlsFromAnyControl)
{
    WindowHarness h;
    QTemporaryDir folder;
    QFile guide(QDir(folder.path()).filePath(QStringLiteral("uprav.pdf")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    h.documents.folders = {folder.path()};

    for (QWidget* focus : std::initializer_list<QWidget*>{h.startButton(), h.field("massEdit"), h.slowdownBar()}) {
        h.documents.documents.clear();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F1);
        EXPECT_EQ(h.documents.documents, QStringList{QFileInfo(guide).absoluteFilePath()}) << focus->objectName().toStdString();
    }
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_EQ(h.field("massEdit")->text(), QStringLiteral(" .1"));  // the key typed nothing
}

TEST(ProgramKeys, F10OpensTheFirstMenuAndEscClosesIt)
{
    WindowHarness h;
    QLineEdit* mass = h.field("massEdit");
    mass->setFocus();
    QTest::keyClick(mass, Qt::Key_F10);
    auto* file = h.child<QMenu>("fileMenu");
    EXPECT_TRUE(file->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), file);
    EXPECT_EQ(h.window->menuBar()->activeAction(), file->menuAction());

    // The arrows move on to the next menu, Esc leaves the menus again.
    QTest::keyClick(file, Qt::Key_Right);
    EXPECT_TRUE(h.child<QMenu>("helpMenu")->isVisible());
    while (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(file->isVisible());
    EXPECT_FALSE(h.child<QMenu>("helpMenu")->isVisible());
    EXPECT_EQ(mass->text(), QStringLiteral(" .1"));
}

struct QuitCase {
    const char* name;
    bool duringRun;
    bool confirmed;
};

void PrintTo(const QuitCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuitKey : public ::testing::TestWithParam<QuitCase> {};

// Ctrl+Q asks the close box's question: Yes ends the program, No keeps the
// window and a run going.
TEST_P(QuitKey, AsksTheQuestionOfTheCloseBox)
{
    const QuitCase& c = GetParam();
    WindowHarness h;
    if (c.duringRun) {
        h.click(h.startButton());
        h.clock.fireAll(10);
        ASSERT_TRUE(h.window->isRunning());
    }
    h.messages.answerYes = c.confirmed;
    QTest::keyClick(h.field("velocityEdit"), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(h.messages.shown.size(), 1U);
    EXPECT_EQ(h.messages.shown[0], kQuestion);
    EXPECT_EQ(h.exit.exits, c.confirmed ? 1 : 0);
    EXPECT_EQ(h.window->isVisible(), !c.confirmed);
    EXPECT_EQ(h.window->isRunning(), c.duringRun && !c.confirmed);
    EXPECT_EQ(h.field("velocityEdit")->text(), QStringLiteral(" 6"));
}

INSTANTIATE_TEST_SUITE_P(Window, QuitKey,
                         ::testing::Values(QuitCase{"DeclinedAtRest", false, false},
                                           QuitCase{"ConfirmedAtRest", false, true},
                                           QuitCase{"DeclinedDuringARun", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramKeys, EscClosesTheAuthorsWindowAndNothingElse)
{
    WindowHarness h;
    h.child<QAction>("authorsAction")->trigger();
    QWidget* authors = h.window->authorsWindow();
    ASSERT_NE(authors, nullptr);
    ASSERT_TRUE(authors->isVisible());

    QTest::keyClick(authors, Qt::Key_A);
    QTest::keyClick(authors, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(authors->isVisible());
    QTest::keyClick(authors, Qt::Key_Escape);
    EXPECT_FALSE(authors->isVisible());
    EXPECT_TRUE(h.window->isVisible());
    EXPECT_TRUE(h.messages.shown.empty());

    // Shown again from the menu, it closes again.
    h.child<QAction>("authorsAction")->trigger();
    EXPECT_TRUE(authors->isVisible());
    QTest::keyClick(authors, Qt::Key_Escape);
    EXPECT_FALSE(authors->isVisible());
}

}  // namespace
}  // namespace dryfriction::test
