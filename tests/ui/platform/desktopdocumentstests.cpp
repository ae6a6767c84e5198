// Opening a document through the desktop's launcher (xdg-open), with small
// scripts standing in for it: a launcher that is missing, cannot start, ends
// with an error or whose viewer gives up at once is a failure, told with the
// same message as a missing viewer; one that ends well, or still runs when
// the first moment is over, has opened the file.

#include "fakes.h"

#include "ui/platform/desktopdocuments.h"
#include "ui/window/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

namespace dryfriction::test {
namespace {

// A folder of stand-in launchers; each records the argument it was given.
class Launchers {
public:
    QString write(const QString& name, const QByteArray& body, bool executable = true,
                  const QByteArray& interpreter = "/bin/sh") const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            ADD_FAILURE() << "cannot write " << path.toStdString();
        file.write("#!" + interpreter + "\nprintf '%s\\n' \"$1\" >> \"" + log().toUtf8() + "\"\n" + body + "\n");
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString log() const { return m_dir.filePath(QStringLiteral("launched.log")); }
    QStringList launched() const
    {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
};

// Waits for the outcome, as long as a loaded machine may need to start a shell.
template <typename Ready>
bool waitFor(Ready ready)
{
    QDeadlineTimer deadline(30'000);
    while (!ready() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return ready();
}

struct LauncherCase {
    const char* name;
    const char* body;  // nullptr: no launcher at all
    const char* interpreter;
    bool executable;
    int settleMs;
    bool opened;
};

const LauncherCase kCases[] = {
    {"ends well", "exit 0", "/bin/sh", true, 30'000, true},
    {"ends with an error", "exit 4", "/bin/sh", true, 30'000, false},
    {"viewer gives up at once", "sh -c 'exit 2' || exit 4", "/bin/sh", true, 30'000, false},
    {"killed", "kill -9 $$", "/bin/sh", true, 30'000, false},
    {"cannot start", "exit 0", "/nonexistent/sh", true, 30'000, false},
    {"not executable", "exit 0", "/bin/sh", false, 30'000, false},
    {"missing", nullptr, "/bin/sh", false, 30'000, false},
    {"still running after the moment", "exec sleep 30", "/bin/sh", true, 50, true},
};

TEST(DesktopDocuments, OutcomeOfEachLauncher)
{
    QTemporaryDir folder;
    const QString document = QDir(folder.path()).filePath(QStringLiteral("Coulomb.pdf"));
    for (const LauncherCase& c : kCases) {
        Launchers launchers;
        const QString launcher = c.body ? launchers.write(QStringLiteral("opener"), c.body, c.executable, c.interpreter)
                                        : launchers.path(QStringLiteral("opener"));
        std::optional<bool> opened;
        int told = 0;
        {
            DesktopDocuments documents(launcher, c.settleMs);
            documents.openDocument(document, [&](bool result) {
                opened = result;
                ++told;
            });
            ASSERT_TRUE(waitFor([&] { return opened.has_value(); })) << c.name;
            QTest::qWait(10);
        }
        EXPECT_EQ(opened, c.opened) << c.name;
        EXPECT_EQ(told, 1) << c.name;
        const bool ran = c.body && c.executable && QFileInfo::exists(QString::fromLatin1(c.interpreter));
        EXPECT_EQ(launchers.launched(), ran ? QStringList{QUrl::fromLocalFile(document).toString(QUrl::FullyEncoded)}
                                            : QStringList{})
            << c.name;
    }
}

// Through the window: a failed opening says the same as a missing launcher.
TEST(DesktopDocuments, FailedOpeningIsToldAsAMissingViewer)
{
    QTemporaryDir folder;
    QFile(QDir(folder.path()).filePath(QStringLiteral("Coulomb.pdf"))).open(QIODevice::WriteOnly);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString expected = QStringLiteral("Не удалось открыть файл «Coulomb.pdf» из папки\n%1\n"
                                            "Нет программы для его просмотра, или она не смогла его открыть.")
                                 .arg(QDir::toNativeSeparators(QDir::currentPath()));

    Launchers launchers;
    for (const QString& launcher : {launchers.path(QStringLiteral("absent")),
                                    launchers.write(QStringLiteral("failing"), "exit 4"),
                                    launchers.write(QStringLiteral("refused"), "sh -c 'exit 1' || exit 4")}) {
        FakeMessages messages;
        FakeTone tone;
        FakeClock clock;
        FakeExit exit;
        FakeFileChooser files;
        FakeClipboard clipboard;
        DesktopDocuments documents(launcher);
        MainWindow window(Services{&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
        window.show();
        window.findChild<QAction*>(QStringLiteral("coulombAction"))->trigger();
        ASSERT_TRUE(waitFor([&] { return !messages.shown.empty(); })) << launcher.toStdString();
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0], (ShownMessage{QStringLiteral("Ошибка"), expected, false}))
            << launcher.toStdString();
    }
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace dryfriction::test
