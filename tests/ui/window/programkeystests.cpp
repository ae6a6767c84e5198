// The keys every desktop program answers, pressed as a user presses them:
// F1 opens the guide to the controls, F10 the menu bar, Esc closes the
// authors window (Ctrl+Q is tested with the close box, in exittests.cpp).

#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

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
