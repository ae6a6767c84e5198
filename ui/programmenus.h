#pragma once

#include "ui/services.h"

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
class ProgramMenus : public QObject {
    Q_OBJECT

public:
    ProgramMenus(QMainWindow& window, MessageService& messages, DocumentOpener& documents);

    // The authors window, once it has been shown.
    AuthorsWindow* authorsWindow() const { return m_authors; }

    // Below the documents in "Файл": saving and copying the graph shown,
    // saving the run's samples.
    void addResultCommands(ResultExport& results);

private:
    enum class Viewer { Document, Text };

    QAction* addDocument(QMenu* menu, const char* name, const QString& caption, const QString& fileName,
                         Viewer viewer = Viewer::Document);
    void openDocument(const QString& fileName, Viewer viewer);
    void showAbout();
    void showAuthors();

    QMainWindow& m_window;
    MessageService& m_messages;
    DocumentOpener& m_documents;
    QPointer<AuthorsWindow> m_authors;
    QMenu* m_fileMenu = nullptr;
};

}  // namespace dryfriction
