#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QImage;
class QWidget;

namespace dryfriction {

// Platform services the window needs. The window only talks to these small
// interfaces, so a test can record messages, beeps and documents and drive a
// whole run on its own clock without waiting or blocking.

// Modal message boxes.
class MessageService {
public:
    virtual ~MessageService() = default;
    // A box with the text, the title and a single OK button, no icon.
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // The same with No chosen at first, so that Enter keeps what there is.
    virtual bool askYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text)
    {
        return askYesNo(parent, title, text);
    }
};

// The warning tone: a sine of the given frequency for the given duration.
// Returns when the tone has ended (or at once when there is no audio device).
class ToneService {
public:
    virtual ~ToneService() = default;
    virtual void play(int frequencyHz, int durationMs) = 0;
};

// Finds the help documents and opens them in the desktop's viewers.
class DocumentOpener {
public:
    // Told once whether the file opened: false when there is no viewer, or
    // the viewer could not start or gave up at once with an error.
    using Outcome = std::function<void(bool opened)>;

    virtual ~DocumentOpener() = default;
    // The folders a help document is looked for in, in the order searched.
    virtual QStringList searchFolders() const = 0;
    // Opens the file (absolute path) in its associated viewer. The outcome
    // comes at once, or from the event loop a moment later, when the viewer
    // has had its chance to fail.
    virtual void openDocument(const QString& absolutePath, Outcome outcome) = 0;
    // Opens a plain-text file (absolute path) in the system's text viewer.
    virtual void openText(const QString& absolutePath, Outcome outcome) = 0;
};

// The pause between two samples of a run: calls `tick` once, `ms` milliseconds
// after start(), from the event loop. start() while pending re-arms; stop()
// cancels a pending tick.
class PacingClock {
public:
    virtual ~PacingClock() = default;
    virtual void start(int ms, std::function<void()> tick) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// Ends the program once its window has agreed to close.
class ExitService {
public:
    virtual ~ExitService() = default;
    virtual void exitProgram() = 0;
};

// Asks the user where to save a file.
class FileChooser {
public:
    struct Choice {
        QString path;    // empty when the user cancelled
        int filter = 0;  // index of the chosen filter
    };
    virtual ~FileChooser() = default;
    // A save dialog with the title, proposing `suggestedPath`, offering the
    // filters ("Изображение PNG (*.png)", ...), the first one chosen at first.
    // The path is the name as typed; nothing is asked about an existing file.
    virtual Choice chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                                  const QStringList& filters) = 0;
};

// The system clipboard, for pictures.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void setImage(const QImage& image) = 0;
};

// Non-owning: whoever makes the window keeps the services alive longer.
struct Services {
    MessageService* messages = nullptr;
    ToneService* tone = nullptr;
    DocumentOpener* documents = nullptr;
    PacingClock* clock = nullptr;
    ExitService* exit = nullptr;
    FileChooser* files = nullptr;
    ClipboardService* clipboard = nullptr;
};

}  // namespace dryfriction
