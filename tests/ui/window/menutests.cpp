// The menu commands (the documents, About, the authors window), the captions
// in a locale that writes a decimal comma, and Qt's own dialogs in Russian.

#include "windowharness.h"

#include "app/application.h"
#include "app/commandline.h"
#include "ui/window/authorswindow.h"
#include "ui/window/programmenus.h"

#include "releaseinfo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>

namespace dryfriction::test {
namespace {

QAction* action(const WindowHarness& h, const char* name)
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
        if (!file.open(QIODevice::WriteOnly))
            ADD_FAILURE() << "cannot write " << name.toStdString();
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
    {"theoryAction", "spravka.pdf", false},  {"problemsAction", "spravka2.pdf", false},
    {"labAction", "laboratornaya.pdf", false},
    {"coulombAction", "Coulomb.pdf", false}, {"amontonsAction", "Amontons.pdf", false},
    {"controlsAction", "uprav.pdf", false},  {"instructionAction", "instruction.txt", true},
};

TEST(Documents, MissingDocumentIsNamedWithTheFolderSearched)
{
    WindowHarness h;
    WorkingFolder folder;
    const QString shownFolder = QDir::toNativeSeparators(folder.path());
    for (const Document& d : kDocuments) {
        h.messages.shown.clear();
        action(h, d.item)->trigger();
        ASSERT_EQ(h.messages.shown.size(), 1u) << d.item;
        EXPECT_EQ(h.messages.shown[0],
                  (ShownMessage{QStringLiteral("Ошибка"),
                                QStringLiteral("Файл «%1» не найден в папке\n%2").arg(QString::fromLatin1(d.file), shownFolder),
                                false}))
            << d.item;
    }
    EXPECT_TRUE(h.documents.documents.isEmpty());
    EXPECT_TRUE(h.documents.texts.isEmpty());
    EXPECT_TRUE(h.window->isVisible());
}

TEST(Documents, PresentDocumentOpensByAbsolutePath)
{
    WindowHarness h;
    WorkingFolder folder;
    for (const Document& d : kDocuments) {
        const QString path = folder.put(QString::fromLatin1(d.file));
        action(h, d.item)->trigger();
        const QStringList& opened = d.text ? h.documents.texts : h.documents.documents;
        ASSERT_FALSE(opened.isEmpty()) << d.item;
        EXPECT_EQ(opened.back(), path) << d.item;
        EXPECT_TRUE(QFileInfo(opened.back()).isAbsolute());
    }
    EXPECT_EQ(h.documents.documents.size(), 6);
    EXPECT_EQ(h.documents.texts.size(), 1);
    EXPECT_TRUE(h.messages.shown.empty());
}

TEST(Documents, NothingToOpenItWithIsSaid)
{
    WindowHarness h;
    WorkingFolder folder;
    folder.put(QStringLiteral("Coulomb.pdf"));
    h.documents.result = false;
    action(h, "coulombAction")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0],
              (ShownMessage{QStringLiteral("Ошибка"),
                            QStringLiteral("Не удалось открыть файл «Coulomb.pdf» из папки\n%1\n"
                                           "Нет программы для его просмотра, или она не смогла его открыть.")
                                .arg(QDir::toNativeSeparators(folder.path())),
                            false}));
}

// What the About box says: what the program is, its version and date, what
// it writes (only on the user's command) and the folders it really looks for
// the documents in, those of the document service.
TEST(AboutBox, SaysWhatTheProgramWritesAndWhereItLooks)
{
    WindowHarness h;
    h.documents.folders = {QStringLiteral("/home/student/work"), QStringLiteral("/usr/share/dryfriction/docs")};
    action(h, "aboutAction")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    const ShownMessage& m = h.messages.shown[0];
    EXPECT_EQ(m.title, QStringLiteral("О ПРОГРАММЕ"));
    EXPECT_FALSE(m.question);
    const QStringList lines = m.text.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("Программа моделирует колебания при сухом трении"));
    EXPECT_EQ(lines[1], QStringLiteral(" "));
    EXPECT_EQ(lines[2], QStringLiteral("История версий:"));
    EXPECT_FALSE(m.text.contains(QStringLiteral("не записывает")));
    EXPECT_FALSE(m.text.contains(QStringLiteral("2019")));

    const QString writes = lines.filter(QStringLiteral("Записывает")).join(QString());
    for (const char* kind : {"PNG", "SVG", "PDF", "CSV", "«Сохранить график…»", "«Сохранить данные…»"})
        EXPECT_TRUE(writes.contains(QString::fromUtf8(kind))) << kind;
    // Qt's save dialog keeps its last folder in its settings file.
    const QString settings = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                 .filePath(QStringLiteral("QtProject.conf"));
    EXPECT_EQ(lines.filter(settings).size(), 1) << m.text.toStdString();

    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{QStringLiteral("Справочные документы ищутся в папках:"),
                           QStringLiteral("/home/student/work"), QStringLiteral("/usr/share/dryfriction/docs")}));
}

// About, the authors window and --version show one release: each shows a
// made-up release it is given, and the window's own show the build's.
TEST(Release, OneVersionAndDateInAboutAuthorsAndVersion)
{
    const ReleaseInfo madeUp{"9.87.6", 2031, 2, 3};
    EXPECT_TRUE(ProgramMenus::aboutText(madeUp, {QStringLiteral("/docs")}, QStringLiteral("/QtProject.conf"))
                    .split(QLatin1Char('\n'))[3]
                    .startsWith(QStringLiteral("версия 9.87.6, 03.02.2031, ")));
    AuthorsWindow madeUpAuthors(nullptr, madeUp);
    EXPECT_TRUE(madeUpAuthors.findChild<QLabel*>(QStringLiteral("credits"))
                    ->text()
                    .contains(QStringLiteral("версия 9.87.6, 03.02.2031")));
    const char* argv[] = {"dryfriction", "--version"};
    std::ostringstream out, err;
    EXPECT_EQ(answerCommandLine(2, argv, out, err, madeUp), 0);
    EXPECT_EQ(out.str(), "dryfriction 9.87.6\nДата выпуска: 03.02.2031\n");

    const QString version = QString::fromUtf8(kRelease.version.data(), static_cast<qsizetype>(kRelease.version.size()));
    const QString date = QString::fromStdString(releaseDateText(kRelease));
    WindowHarness h;
    action(h, "aboutAction")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.contains(QStringLiteral("версия %1, %2, ").arg(version, date)));
    action(h, "authorsAction")->trigger();
    EXPECT_TRUE(h.window->authorsWindow()->findChild<QLabel*>(QStringLiteral("credits"))->text().contains(
        QStringLiteral("версия %1, %2").arg(version, date)));
    std::ostringstream built;
    EXPECT_EQ(answerCommandLine(2, argv, built, err), 0);
    EXPECT_EQ(QString::fromStdString(built.str()), QStringLiteral("dryfriction %1\nДата выпуска: %2\n").arg(version, date));
}

TEST(AuthorsWindow, CentredOverTheMainWindowWithPortraitAndCredits)
{
    WindowHarness h;
    h.window->move(100, 60);
    action(h, "authorsAction")->trigger();
    QWidget* authors = h.window->authorsWindow();
    ASSERT_NE(authors, nullptr);
    EXPECT_EQ(authors->objectName(), QStringLiteral("authorsWindow"));
    EXPECT_TRUE(authors->isVisible());
    EXPECT_EQ(authors->windowTitle(), QStringLiteral("Авторы"));
    EXPECT_EQ(authors->size(), QSize(222, 297));
    EXPECT_TRUE(h.window->isVisible());  // modeless: the main window stays

    const QRect outer = h.window->frameGeometry();
    const QRect inner = authors->frameGeometry();
    EXPECT_EQ(inner.left(), (outer.width() - inner.width()) / 2 + outer.left());
    EXPECT_EQ(inner.top(), (outer.height() - inner.height()) / 2 + outer.top());

    auto* portrait = authors->findChild<QLabel*>(QStringLiteral("portrait"));
    ASSERT_NE(portrait, nullptr);
    EXPECT_EQ(portrait->geometry(), QRect(32, 8, 150, 180));
    ASSERT_FALSE(portrait->pixmap().isNull());
    EXPECT_NE(portrait->pixmap().toImage().pixelColor(75, 90).alpha(), 0);  // drawn, not left empty

    auto* credits = authors->findChild<QLabel*>(QStringLiteral("credits"));
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->geometry(), QRect(8, 200, 209, 81));
    const QStringList credited = credits->text().split(QLatin1Char('\n'));
    ASSERT_EQ(credited.size(), 6);
    EXPECT_EQ(credited[0], QStringLiteral("Программа «dryfriction»,"));
    EXPECT_TRUE(credited[1].startsWith(QStringLiteral("версия ")));
    // All six lines fit the label, none wrapped or cut off below.
    EXPECT_LE(credits->heightForWidth(credits->width()), credits->height());
    EXPECT_EQ(credits->heightForWidth(credits->width()), credits->fontMetrics().lineSpacing() * 6);

    // A second use recentres the same window.
    authors->move(0, 0);
    action(h, "authorsAction")->trigger();
    EXPECT_EQ(h.window->authorsWindow(), authors);
    EXPECT_EQ(authors->frameGeometry().left(), (outer.width() - inner.width()) / 2 + outer.left());
}

// The characteristics are written with the user's decimal separator; the
// input fields keep the point, also when the C library writes a comma.
TEST(Locale, CommaLocaleCaptions)
{
    const std::string previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed";
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    {
        WindowHarness h;
        EXPECT_EQ(h.label("frequencyLabel")->text(), QStringLiteral("w= 2,000E+01 рад/с"));
        EXPECT_EQ(h.label("amplitudeLabel")->text(), QStringLiteral("Ao/a= 1,2093E+01 "));
        EXPECT_EQ(h.label("finalStopLabel")->text(), QStringLiteral("t_m= 1,937E+01 "));
        EXPECT_EQ(h.field("coordinateEdit")->text(), QStringLiteral(" 9.5"));
        EXPECT_EQ(h.field("massEdit")->text(), QStringLiteral(" .1"));
        h.click(h.label("pathLabel"));
        EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("|X_end|=9,066E-01"));
        EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end=6,271E+01"));
    }
    std::setlocale(LC_NUMERIC, previousNumeric.c_str());
    QLocale::setDefault(previous);
}

// Qt's own dialogs speak Russian too: the exit question's buttons read
// "Да" and "Нет", not "Yes" and "No".
TEST(Application, QtDialogsAreTranslatedToRussian)
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(QDir(translations).filePath(QStringLiteral("qtbase_ru.qm"))))
        GTEST_SKIP() << "Qt's Russian translation (qtbase_ru.qm) is not installed in " << translations.toStdString();

    QApplication& app = *qApp;
    const QString name = QApplication::applicationName();
    const QString displayName = QApplication::applicationDisplayName();
    const QIcon icon = QApplication::windowIcon();
    const QList<QTranslator*> before = app.findChildren<QTranslator*>();
    dryfriction::prepareApplication(app);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("На Выход"), QStringLiteral("Вы абсолютно уверены?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));

    for (QTranslator* t : app.findChildren<QTranslator*>()) {
        if (before.contains(t))
            continue;
        QApplication::removeTranslator(t);
        delete t;
    }
    QApplication::setApplicationName(name);
    QApplication::setApplicationDisplayName(displayName);
    QApplication::setWindowIcon(icon);
}

}  // namespace
}  // namespace dryfriction::test
