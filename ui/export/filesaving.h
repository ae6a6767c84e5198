#pragma once

#include <QString>

class QByteArray;

namespace dryfriction {

// What a path names on disk, symbolic links followed: nothing (also a link
// that leads nowhere), a regular file, a named pipe, a device, a socket or a
// folder.
enum class FileKind { None, Regular, Fifo, Device, Socket, Folder };
FileKind fileKind(const QString& path);

// Writes `bytes` as the whole content of the file at `path`, links followed.
// Returns an empty string when it is done, else the reason in the user's
// language (the system's own words where the system refused).
// - A regular file, or none yet, is written beside the target and renamed
//   over it once it is whole: a failed save leaves the old file as it was.
// - A named pipe is written into directly, if a reader has it open.
// - A device, a socket or a folder is refused, and left as it is.
// A file-size limit or a pipe closed by its reader makes the write fail
// with the system's reason instead of ending the program.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace dryfriction
