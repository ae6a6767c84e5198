#pragma once

#include "ui/platform/services.h"

#include "releaseinfo.h"

#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QMenu;

namespace dryfriction {

class AuthorsWindow;
class ResultExport;

// The menus of the main window: "Файл" opens the help documents on the theory,
// the problems and the history of friction; "Помощь" the instruction and the
// guide to the controls, and shows the authors and what the program is.
// Keys: F1 opens the guide to the controls, F10 opens the menu bar, Ctrl+Q
// closes the window (with the question the close box asks).
class ProgramMenus : public QObject {
    Q_OBJECT

public:
    ProgramMenus(QMainWindow& window, MessageService& messages, DocumentOpener& documents);

    // The authors window, once it has been shown.
    AuthorsWindow* authorsWindow() const { return m_authors; }

    // Below the documents in "Файл": saving and copying the graph shown,
    // saving the run's samples.
    void addResultCommands(ResultExport& results);

    // The About box's text for a release, with the folders the documents are
    // looked for in and the file the save dialog keeps its last folder in.
    static QString aboutText(const ReleaseInfo& release, const QStringList& documentFolders,
                             const QString& dialogSettings);

private:
    enum class Viewer { Document, Text };

    QAction* addDocument(QMenu* menu, const char* name, const QString& caption, const QString& fileName,
                         Viewer viewer = Viewer::Document);
    void openDocument(const QString& fileName, Viewer viewer);
    void tellNotOpened(const QString& fileName, const QString& folder);
    void addKeys();
    void openMenuBar();
    void showAbout();
    void showAuthors();

    QMainWindow& m_window;
    MessageService& m_messages;
    DocumentOpener& m_documents;
    QPointer<AuthorsWindow> m_authors;
    QMenu* m_fileMenu = nullptr;
};

}  // namespace dryfriction
