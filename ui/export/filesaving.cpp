#include "ui/export/filesaving.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace dryfriction {

namespace {

// The system may take a part of the bytes and refuse the rest (a full disk, a
// size limit, a pipe closed): Qt reports the part taken, and only the next
// write, which takes nothing, says why.
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Atomic: the old file stays whole until the new one is. Unbuffered, a
// failure comes from the write itself with its reason, which is read before
// the write is cancelled (that would replace it with its own).
QString writeReplacing(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (writeAll(file, bytes) && file.commit())
        return {};
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

// A pipe is opened without waiting for a reader (with none, the open would
// block the window until one comes), then written to as a file is.
QString writeIntoPipe(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO ? QCoreApplication::translate("FileSaving", "канал (FIFO) сейчас никто не читает")
                              : qt_error_string(errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile pipe;
    if (!pipe.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return pipe.errorString();
    }
    return writeAll(pipe, bytes) ? QString() : pipe.errorString();
}

}  // namespace

FileKind fileKind(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileKind::None;
    if (S_ISREG(st.st_mode))
        return FileKind::Regular;
    if (S_ISFIFO(st.st_mode))
        return FileKind::Fifo;
    if (S_ISDIR(st.st_mode))
        return FileKind::Folder;
    if (S_ISSOCK(st.st_mode))
        return FileKind::Socket;
    return FileKind::Device;
}

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    // Past a file-size limit the system would end the program with SIGXFSZ,
    // and a pipe whose reader has gone with SIGPIPE; ignored, the write
    // fails instead (EFBIG, EPIPE) and the window says why.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);

    switch (fileKind(path)) {
    case FileKind::None:
    case FileKind::Regular:
        return writeReplacing(path, bytes);
    case FileKind::Fifo:
        return writeIntoPipe(path, bytes);
    case FileKind::Device:
        return QCoreApplication::translate("FileSaving", "это устройство, а не файл");
    case FileKind::Socket:
        return QCoreApplication::translate("FileSaving", "это сокет, а не файл");
    case FileKind::Folder:
        return QCoreApplication::translate("FileSaving", "это папка, а не файл");
    }
    return {};
}

}  // namespace dryfriction
