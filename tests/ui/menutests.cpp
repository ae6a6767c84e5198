// The menu commands, the Authors window, the exit question and the captions
// in a locale that writes a decimal comma.

#include "formharness.h"

#include "application.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace dryfriction::test {
namespace {

QAction* action(const FormHarness& h, const char* name)
{
    return h.child<QAction>(name);
}

// Runs the test in a fresh, empty working directory.
class WorkingFolder {
public:
    WorkingFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    QString path() const { return QDir::currentPath(); }
    QString put(const QString& name) const
    {
        QFile file(QDir(path()).absoluteFilePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("x");
        return QFileInfo(file).absoluteFilePath();
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

struct Document {
    const char* item;
    const char* file;
    bool text;
};

const Document kDocuments[] = {
    {"mnuFilespravka", "spravka.pdf", false},   {"mnuFilespravka2", "spravka2.pdf", false},
    {"mnuFilesHistory1", "Coulomb.pdf", false}, {"mnuFilesHistory2", "Amontons.pdf", false},
    {"mnuHelpUprav", "uprav.pdf", false},       {"mnuHelpInstruction", "instruction.txt", true},
};

TEST(Documents, MissingDocumentIsNamedWithTheFolderSearched)
{
    FormHarness h;
    WorkingFolder folder;
    for (const Document& d : kDocuments) {
        h.messages.shown.clear();
        action(h, d.item)->trigger();
        ASSERT_EQ(h.messages.shown.size(), 1u) << d.item;
        const ShownMessage& m = h.messages.shown[0];
        EXPECT_EQ(m.title, QStringLiteral("Ошибка"));
        EXPECT_TRUE(m.text.contains(QString::fromLatin1(d.file))) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(folder.path()))) << m.text.toStdString();
        EXPECT_FALSE(m.question);
    }
    EXPECT_TRUE(h.documents.documents.isEmpty());
    EXPECT_TRUE(h.documents.texts.isEmpty());
    EXPECT_TRUE(h.form->isVisible());
}

TEST(Documents, PresentDocumentOpensByAbsolutePath)
{
    FormHarness h;
    WorkingFolder folder;
    for (const Document& d : kDocuments) {
        const QString path = folder.put(QString::fromLatin1(d.file));
        action(h, d.item)->trigger();
        const QStringList& opened = d.text ? h.documents.texts : h.documents.documents;
        ASSERT_FALSE(opened.isEmpty()) << d.item;
        EXPECT_EQ(opened.back(), path);
        EXPECT_TRUE(QFileInfo(opened.back()).isAbsolute());
    }
    EXPECT_EQ(h.documents.documents.size(), 5);
    EXPECT_EQ(h.documents.texts.size(), 1);
    EXPECT_TRUE(h.messages.shown.empty());
}

TEST(Documents, NothingToOpenItWithIsSaid)
{
    FormHarness h;
    WorkingFolder folder;
    folder.put(QStringLiteral("Coulomb.pdf"));
    h.documents.result = false;
    action(h, "mnuFilesHistory1")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.contains(QStringLiteral("Coulomb.pdf")));
    EXPECT_TRUE(h.messages.shown[0].text.contains(QDir::toNativeSeparators(folder.path())));
}

TEST(AboutBox, TenLinesUnderItsTitle)
{
    FormHarness h;
    action(h, "mnuHelpAbout")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    const ShownMessage& m = h.messages.shown[0];
    EXPECT_EQ(m.title, QStringLiteral("О ПРОГРАММЕ"));
    EXPECT_FALSE(m.question);
    const QStringList lines = m.text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("Программа моделирует колебания при сухом трении"));
    EXPECT_EQ(lines[1], QStringLiteral(" "));
    EXPECT_EQ(lines[2], QStringLiteral("История версий:"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("версия 1.0, 22.07.2019, ")));
    EXPECT_GT(lines[3].size(), 24);
    EXPECT_EQ(lines[4], QStringLiteral(" "));
    for (int i = 5; i < 10; ++i)
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << i;
}

TEST(AuthorsWindow, CentredOverTheMainWindow)
{
    FormHarness h;
    h.form->move(100, 60);
    action(h, "mnuHelpAvtors")->trigger();
    QWidget* authors = h.form->authorsWindow();
    ASSERT_NE(authors, nullptr);
    EXPECT_TRUE(authors->isVisible());
    EXPECT_EQ(authors->windowTitle(), QStringLiteral("Авторы"));
    EXPECT_EQ(authors->size(), QSize(222, 297));
    EXPECT_EQ(h.form->isVisible(), true);  // modeless: the main window stays

    const QRect outer = h.form->frameGeometry();
    const QRect inner = authors->frameGeometry();
    EXPECT_EQ(inner.left(), (outer.width() - inner.width()) / 2 + outer.left());
    EXPECT_EQ(inner.top(), (outer.height() - inner.height()) / 2 + outer.top());

    auto* picture = authors->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(8 + 24, 8, 150, 180));
    EXPECT_FALSE(picture->pixmap().isNull());
    // The portrait is drawn, not left empty.
    const QImage portrait = picture->pixmap().toImage();
    EXPECT_NE(portrait.pixelColor(75, 90).alpha(), 0);

    auto* text = authors->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(8, 200, 209, 81));
    EXPECT_EQ(text->text().split(QLatin1Char('\n')).size(), 6);

    // A second use refills and recentres the same window.
    authors->move(0, 0);
    action(h, "mnuHelpAvtors")->trigger();
    EXPECT_EQ(h.form->authorsWindow(), authors);
    EXPECT_EQ(authors->frameGeometry().left(), (outer.width() - inner.width()) / 2 + outer.left());
}

TEST(Exit, DeclinedKeepsTheWindow)
{
    FormHarness h;
    h.messages.answerYes = false;
    EXPECT_FALSE(h.form->close());
    EXPECT_TRUE(h.form->isVisible());
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0], (ShownMessage{QStringLiteral("На Выход"),
                                                 QStringLiteral("Вы абсолютно уверены?"), true}));
    EXPECT_EQ(h.label("Label12")->text(), QStringLiteral("w= 2.000E+01 рад/с"));
}

TEST(Exit, ConfirmedClosesBothWindowsAndAsksOnce)
{
    FormHarness h;
    action(h, "mnuHelpAvtors")->trigger();
    QWidget* authors = h.form->authorsWindow();
    h.messages.answerYes = true;
    EXPECT_TRUE(h.form->close());
    EXPECT_FALSE(h.form->isVisible());
    EXPECT_FALSE(authors->isVisible());
    EXPECT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.form->close());  // already leaving: no second question
    EXPECT_EQ(h.messages.shown.size(), 1u);
}

// The characteristics are written with the user's decimal separator; the
// input fields keep the point.
TEST(Locale, CommaLocaleCaptions)
{
    const QLocale previous;
    const std::string previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");  // where available: the C library too
    {
        FormHarness h;
        EXPECT_EQ(h.label("Label12")->text(), QStringLiteral("w= 2,000E+01 рад/с"));
        EXPECT_EQ(h.label("Label15")->text(), QStringLiteral("Ao/a= 1,2093E+01 "));
        EXPECT_EQ(h.label("Label17")->text(), QStringLiteral("t_m= 1,937E+01 "));
        EXPECT_EQ(h.field("Text4")->text(), QStringLiteral(" 9.5"));
        EXPECT_EQ(h.field("Text1")->text(), QStringLiteral(" .1"));
    }
    std::setlocale(LC_NUMERIC, previousNumeric.c_str());
    QLocale::setDefault(previous);
}

// Qt's own dialogs speak Russian too: the exit question's buttons read
// "Да" and "Нет", not "Yes" and "No".
TEST(Application, QtDialogsAreTranslatedToRussian)
{
    QApplication& app = *qApp;
    dryfriction::prepareApplication(app);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("На Выход"),
                    QStringLiteral("Вы абсолютно уверены?"), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
    for (QTranslator* t : app.findChildren<QTranslator*>()) {
        QApplication::removeTranslator(t);
        delete t;
    }
}

}  // namespace
}  // namespace dryfriction::test
