// Which file a save writes, and what it does to what is there already: the
// name typed against the type chosen, the question before a file is replaced,
// targets that are no regular file (a pipe, a device, a socket, a folder,
// directly or through a link), a write that fails half-way and a file-size
// limit.

#include "windowharness.h"

#include "ui/platform/messageboxes.h"
#include "ui/platform/savefiledialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace dryfriction::test {
namespace {

const QByteArray kOld = "old contents\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeOld(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kOld);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

// What a file of that type begins with.
bool holds(const QByteArray& bytes, const QString& type)
{
    if (type == QLatin1String("png"))
        return bytes.startsWith("\x89PNG\r\n");
    if (type == QLatin1String("svg"))
        return bytes.contains("<svg");
    if (type == QLatin1String("pdf"))
        return bytes.startsWith("%PDF-");
    return bytes.startsWith("t,x,Vx,W/Wo,path\n");
}

std::vector<ShownMessage> questions(const WindowHarness& h)
{
    std::vector<ShownMessage> out;
    for (const ShownMessage& m : h.messages.shown)
        if (m.question)
            out.push_back(m);
    return out;
}

QString replaceQuestion(const QString& path)
{
    return QStringLiteral("Файл\n") + QDir::toNativeSeparators(path)
           + QStringLiteral("\nуже существует. Заменить его?");
}

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось сохранить файл\n") + QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
}

struct SaveCase {
    const char* name;
    const char* command;
    const char* typed;  // the name typed in the dialog
    int filter;         // the type chosen there
    std::vector<const char*> existing;
    bool answerYes;      // to the question, if one is asked
    const char* asked;   // the file the question names; "" when none is asked
    const char* written; // the file written; "" when none is
    const char* type;    // what the written file holds
};

void PrintTo(const SaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveTarget : public testing::TestWithParam<SaveCase> {};

// The file written is the one the user was asked about, or one that did not
// exist: nothing else in the folder changes. No to the question brings the
// dialog back with that file's name, and cancelling it then writes nothing.
TEST_P(SaveTarget, WritesOnlyWhatTheUserWasAskedAbout)
{
    const SaveCase& c = GetParam();
    WindowHarness h;
    h.choose("coordinateOption");
    QTemporaryDir dir;
    for (const char* name : c.existing)
        writeOld(dir.filePath(QString::fromUtf8(name)));
    h.messages.answerYes = c.answerYes;
    h.files.answer = {dir.filePath(QString::fromUtf8(c.typed)), c.filter};
    h.files.onChoose = [&h] {
        if (h.files.requests.size() > 1)
            h.files.answer = {};
    };
    h.child<QAction>(c.command)->trigger();

    const QString asked = QString::fromUtf8(c.asked);
    const QString written = QString::fromUtf8(c.written);
    const std::vector<ShownMessage> asks = questions(h);
    if (asked.isEmpty()) {
        EXPECT_TRUE(asks.empty()) << asks.front().text.toStdString();
    } else {
        ASSERT_EQ(asks.size(), 1u);
        EXPECT_EQ(asks.front().title, h.files.requests.front().title);
        EXPECT_EQ(asks.front().text.toStdString(), replaceQuestion(dir.filePath(asked)).toStdString());
    }
    EXPECT_EQ(h.messages.shown.size(), asks.size()) << "a save failed";
    EXPECT_EQ(h.messages.defaultNoQuestions, static_cast<int>(asks.size())) << "Enter would replace the file";
    // Declined, the dialog comes back proposing the file asked about.
    ASSERT_EQ(h.files.requests.size(), (asked.isEmpty() || c.answerYes) ? 1u : 2u);
    if (h.files.requests.size() == 2) {
        EXPECT_EQ(h.files.requests.back().suggestedPath, dir.filePath(asked));
    }

    QStringList expected;
    for (const char* name : c.existing) {
        const QString file = QString::fromUtf8(name);
        expected << file;
        if (file != written) {
            EXPECT_EQ(readAll(dir.filePath(file)), kOld) << name << " was changed";
        }
    }
    if (!written.isEmpty()) {
        if (!expected.contains(written))
            expected << written;
        const QByteArray bytes = readAll(dir.filePath(written));
        EXPECT_TRUE(holds(bytes, QString::fromLatin1(c.type))) << c.written << ": " << bytes.left(40).toStdString();
    }
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
}

const char* const kData = "saveDataAction";
const char* const kGraph = "saveGraphAction";

INSTANTIATE_TEST_SUITE_P(
    Names, SaveTarget,
    testing::Values(
        SaveCase{"data_without_suffix_asks_about_the_csv", kData, "data", 0, {"data.csv"}, true, "data.csv",
                 "data.csv", "csv"},
        SaveCase{"data_declined_writes_nothing", kData, "data", 0, {"data.csv"}, false, "data.csv", "", ""},
        SaveCase{"data_with_its_suffix_declined", kData, "data.csv", 0, {"data.csv"}, false, "data.csv", "", ""},
        SaveCase{"graph_without_suffix_asks_about_the_png", kGraph, "координата", 0, {"координата.png"}, true,
                 "координата.png", "координата.png", "png"},
        SaveCase{"a_file_named_as_typed_is_not_the_one_written", kData, "keep", 0, {"keep"}, true, "", "keep.csv",
                 "csv"},
        SaveCase{"another_type_chosen_writes_its_own_file", kGraph, "координата", 1, {"координата.png"}, true, "",
                 "координата.svg", "svg"},
        SaveCase{"another_type_chosen_asks_about_its_own_file", kGraph, "координата", 2,
                 {"координата.png", "координата.pdf"}, true, "координата.pdf", "координата.pdf", "pdf"},
        SaveCase{"an_image_suffix_in_the_data_dialog", kData, "looks.png", 0, {"looks.png"}, true, "",
                 "looks.png.csv", "csv"},
        SaveCase{"a_data_suffix_in_the_graph_dialog", kGraph, "looks.csv", 0, {"looks.csv"}, true, "",
                 "looks.csv.png", "png"},
        SaveCase{"a_trailing_dot", kData, "x.", 0, {}, true, "", "x.csv", "csv"},
        SaveCase{"an_offered_suffix_outweighs_the_type_chosen", kGraph, "energy.PDF", 0, {"energy.PDF"}, true,
                 "energy.PDF", "energy.PDF", "pdf"}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// The real dialog returns the name as typed and asks nothing itself: its
// question would be about that name, not about the file written.
TEST(SaveDialog, ReturnsTheTypedNameWithoutAQuestionOfItsOwn)
{
    QTemporaryDir dir;
    writeOld(dir.filePath(QStringLiteral("keep")));
    QStringList boxes;
    bool typed = false;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog != nullptr && !typed) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            typed = true;
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("keep"));
            // Later, from the event loop: a box the dialog opens must not
            // stop this timer, which answers it.
            QMetaObject::invokeMethod(
                name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
        }
    });
    driver.start();
    SaveFileDialog files;
    const FileChooser::Choice choice =
        files.chooseSaveFile(nullptr, QStringLiteral("Сохранить данные"), dir.filePath(QStringLiteral("отсчёты.csv")),
                             {QStringLiteral("Таблица CSV (*.csv)")});
    driver.stop();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QFileInfo(choice.path).absoluteFilePath(),
              QFileInfo(dir.filePath(QStringLiteral("keep"))).absoluteFilePath());
    EXPECT_EQ(choice.filter, 0);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("keep"))), kOld);
}

// The question before a file is replaced has No chosen at first: Enter
// keeps the file.
TEST(ReplaceQuestion, EnterKeepsTheFile)
{
    bool noChosen = false;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            driver.stop();
            noChosen = box->defaultButton() == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    driver.start();
    MessageBoxes boxes;
    EXPECT_FALSE(boxes.askYesNoDefaultNo(nullptr, QStringLiteral("Сохранить данные"),
                                         replaceQuestion(QStringLiteral("/tmp/x.csv"))));
    EXPECT_TRUE(noChosen);
}

// A socket bound to `path`; the descriptor, closed by the test.
int bindSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct SpecialCase {
    const char* name;
    const char* target;  // the name chosen, in the test's folder
    const char* reason;
};

void PrintTo(const SpecialCase& c, std::ostream* os)
{
    *os << c.name;
}

class SpecialTarget : public testing::TestWithParam<SpecialCase> {};

// A target that is not a regular file, directly or through a link, is left
// as it is, with no question and a message that says why.
TEST_P(SpecialTarget, IsLeftAsItIsAndTheMessageSaysWhy)
{
    const SpecialCase& c = GetParam();
    QTemporaryDir dir;
    // The superuser could replace /dev/null itself: for it, the link leads
    // to a device of the same kind made in the test's folder.
    QString device = QStringLiteral("/dev/null");
    if (::geteuid() == 0) {
        device = dir.filePath(QStringLiteral("null"));
        ASSERT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    ASSERT_TRUE(QFile::link(device, dir.filePath(QStringLiteral("device.csv"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("folder")), dir.filePath(QStringLiteral("folder.csv"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.csv"))).constData(), 0600), 0);
    const int socket = bindSocket(dir.filePath(QStringLiteral("socket.csv")));
    ASSERT_GE(socket, 0);
    const QStringList before = entries(dir.path());

    WindowHarness h;
    const QString target = dir.filePath(QString::fromUtf8(c.target));
    h.messages.answerYes = true;
    h.files.answer = {target, 0};
    h.child<QAction>(kData)->trigger();
    ::close(socket);

    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_FALSE(h.messages.shown.front().question);
    EXPECT_EQ(h.messages.shown.front().text.toStdString(), failure(target, QString::fromUtf8(c.reason)).toStdString());
    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("device.csv"))).symLinkTarget(), device);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    ASSERT_EQ(::lstat(QFile::encodeName(dir.filePath(QStringLiteral("pipe.csv"))).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::lstat(QFile::encodeName(dir.filePath(QStringLiteral("socket.csv"))).constData(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, SpecialTarget,
    testing::Values(SpecialCase{"link_to_a_device", "device.csv", "это устройство, а не файл"},
                    SpecialCase{"socket", "socket.csv", "это сокет, а не файл"},
                    SpecialCase{"link_to_a_folder", "folder.csv", "это папка, а не файл"},
                    SpecialCase{"pipe_without_a_reader", "pipe.csv", "канал (FIFO) сейчас никто не читает"}),
    [](const testing::TestParamInfo<SpecialCase>& info) { return std::string(info.param.name); });

// A named pipe that is being read gets the file's bytes, the same as a
// regular file gets; if its reader goes away half-way, the message gives the
// system's reason and the program goes on.
TEST(SaveIntoAPipe, GivesTheReaderTheWholeFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    WindowHarness h;
    h.files.answer = {dir.filePath(QStringLiteral("plain.csv")), 0};
    h.child<QAction>(kData)->trigger();
    const QByteArray plain = readAll(dir.filePath(QStringLiteral("plain.csv")));
    ASSERT_GT(plain.size(), 8192);

    for (const bool readerLeaves : {false, true}) {
        SCOPED_TRACE(readerLeaves ? "the reader leaves" : "the reader reads all");
        // The read end is open before the save, so that it finds a reader; a
        // one-page pipe makes the writer wait for the reader.
        const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        ::fcntl(reader, F_SETPIPE_SZ, 4096);
        ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
        QByteArray received;
        std::atomic<bool> saveReturned = false;
        std::thread readerThread([&] {
            char buffer[4096];
            for (;;) {
                const ssize_t n = ::read(reader, buffer, sizeof buffer);
                if (n > 0)
                    received.append(buffer, n);
                else if (n == 0 && (!received.isEmpty() || saveReturned))
                    break;  // the writer has closed the pipe, or never opened it
                else if (n < 0 && errno != EINTR)
                    break;
                else if (n == 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // no writer yet
                if (readerLeaves && !received.isEmpty())
                    break;
            }
            ::close(reader);
        });
        h.messages.shown.clear();
        h.files.answer = {pipe, 0};
        h.child<QAction>(kData)->trigger();
        saveReturned = true;
        readerThread.join();

        if (readerLeaves) {
            ASSERT_EQ(h.messages.shown.size(), 1u);
            EXPECT_EQ(h.messages.shown.front().text.toStdString(), failure(pipe, qt_error_string(EPIPE)).toStdString());
        } else {
            EXPECT_TRUE(h.messages.shown.empty());
            EXPECT_TRUE(received == plain);
        }
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
}

// Under a file-size limit the write fails with the system's reason (the old
// file whole, nothing left beside it) instead of the program being killed by
// SIGXFSZ. The limit holds for the whole process, so the save is made in a
// child; it writes what it was told into a report file below the limit.
TEST(SaveUnderASizeLimit, FailsWithTheSystemsReasonAndTheProgramGoesOn)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("samples.csv"));
    const QString report = dir.filePath(QStringLiteral("report.txt"));
    writeOld(target);
    WindowHarness h;
    h.messages.answerYes = true;
    h.files.answer = {target, 0};

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        h.child<QAction>(kData)->trigger();
        QFile out(report);
        if (out.open(QIODevice::WriteOnly)) {
            for (const ShownMessage& m : h.messages.shown)
                out.write((m.text + QStringLiteral("\n--\n")).toUtf8());
        }
        out.close();  // _exit flushes nothing
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    ASSERT_TRUE(WIFEXITED(status));
    const QString messages = QString::fromUtf8(readAll(report));
    EXPECT_EQ(messages.toStdString(), (replaceQuestion(target) + QStringLiteral("\n--\n")
                                       + failure(target, qt_error_string(EFBIG)) + QStringLiteral("\n--\n"))
                                          .toStdString());
    EXPECT_EQ(readAll(target), kOld);
    EXPECT_EQ(entries(dir.path()), QStringList({QStringLiteral("report.txt"), QStringLiteral("samples.csv")}));
}

}  // namespace
}  // namespace dryfriction::test
