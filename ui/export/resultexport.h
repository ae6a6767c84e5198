#pragma once

#include "ui/platform/services.h"

#include <QObject>
#include <QString>

class QByteArray;
class QWidget;

namespace dryfriction {

class ProblemState;
class ViewStack;

// Takes results out of the window: the view shown, to a file (PNG, SVG or
// PDF) or to the clipboard, and the samples of the run of the problem in
// force, as far as the graphs show it, to a CSV file in the companion's format. Nothing here touches the
// problem, the views or a run: a graph is saved as it stands, also while a
// run is drawing it.
class ResultExport : public QObject {
    Q_OBJECT

public:
    ResultExport(QWidget& window, const ViewStack& views, const ProblemState& problem, MessageService& messages,
                 FileChooser& files, ClipboardService& clipboard);

    void saveGraph();
    void copyGraph();
    void saveData();

private:
    // Writes the whole file or, when it cannot, nothing at all and says why.
    bool writeFile(const QString& path, const QByteArray& bytes);
    // The file the user chose and its type (the index of its filter), named
    // as savePath() names it; an existing file is replaced only when the user
    // says so. Empty when cancelled. The folder is proposed again next time.
    QString choose(const QString& title, const QString& baseName, const QStringList& filters,
                   const QStringList& suffixes, int* chosen);

    QWidget& m_window;
    const ViewStack& m_views;
    const ProblemState& m_problem;
    MessageService& m_messages;
    FileChooser& m_files;
    ClipboardService& m_clipboard;
    QString m_folder;
};

}  // namespace dryfriction
