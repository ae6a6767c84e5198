#include "ui/export/resultexport.h"

#include "ui/export/filesaving.h"
#include "ui/export/graphfiles.h"
#include "ui/export/savepath.h"
#include "ui/parts/canvaswidget.h"
#include "ui/parts/viewstack.h"
#include "ui/state/problemstate.h"
#include "ui/text/viewcatalog.h"

#include "model/samplecsv.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <limits>
#include <optional>
#include <sstream>

namespace dryfriction {

ResultExport::ResultExport(QWidget& window, const ViewStack& views, const ProblemState& problem,
                           MessageService& messages, FileChooser& files, ClipboardService& clipboard)
    : QObject(&window),
      m_window(window),
      m_views(views),
      m_problem(problem),
      m_messages(messages),
      m_files(files),
      m_clipboard(clipboard),
      m_folder(QDir::currentPath())
{
}

QString ResultExport::choose(const QString& title, const QString& baseName, const QStringList& filters,
                             const QStringList& suffixes, int* chosen)
{
    QString suggested = QDir(m_folder).filePath(baseName + QLatin1Char('.') + suffixes.constFirst());
    for (;;) {
        const FileChooser::Choice choice = m_files.chooseSaveFile(&m_window, title, suggested, filters);
        if (choice.path.isEmpty())
            return {};
        const int filter = (choice.filter >= 0 && choice.filter < suffixes.size()) ? choice.filter : 0;
        const SavePath target = savePath(choice.path, suffixes, filter);
        m_folder = QFileInfo(target.path).absolutePath();
        // The dialog knows only the name as typed: the question names the
        // file that is really written. No takes the user back to the dialog.
        if (fileKind(target.path) != FileKind::Regular
            || m_messages.askYesNoDefaultNo(&m_window, title,
                                            tr("Файл\n%1\nуже существует. Заменить его?")
                                                .arg(QDir::toNativeSeparators(target.path)))) {
            *chosen = target.type;
            return target.path;
        }
        suggested = target.path;
    }
}

// Written whole or not at all; a failure says which file and why.
bool ResultExport::writeFile(const QString& path, const QByteArray& bytes)
{
    const QString reason = bytes.isEmpty() ? tr("изображение не удалось построить") : writeWholeFile(path, bytes);
    if (!reason.isEmpty()) {
        m_messages.inform(&m_window, tr("Ошибка"),
                          tr("Не удалось сохранить файл\n%1\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
    return reason.isEmpty();
}

void ResultExport::saveGraph()
{
    const int index = m_views.shownIndex();
    const QStringList filters = {tr("Изображение PNG (*.png)"), tr("Рисунок SVG (*.svg)"),
                                 tr("Документ PDF (*.pdf)")};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
    const QString baseName = optionText(viewTable()[static_cast<std::size_t>(index)]);
    int filter = 0;
    const QString path = choose(tr("Сохранить график"), baseName, filters, suffixes, &filter);
    if (path.isEmpty())
        return;

    // Taken after the dialog: during a run the graph has grown meanwhile.
    const CanvasWidget* view = m_views.view(index);
    const GraphFormat formats[] = {GraphFormat::Png, GraphFormat::Svg, GraphFormat::Pdf};
    writeFile(path, encodeGraph(m_views.scene(index), view->canvas().logicalSize(),
                                view->canvas().devicePixelRatio(), formats[filter]));
}

void ResultExport::copyGraph()
{
    m_clipboard.setImage(m_views.picture(m_views.shownIndex()));
}

void ResultExport::saveData()
{
    int filter = 0;
    const QString path =
        choose(tr("Сохранить данные"), tr("отсчёты"), {tr("Таблица CSV (*.csv)")}, {QStringLiteral("csv")}, &filter);
    if (path.isEmpty())
        return;
    // What the graphs show: a run stopped early, or still going, saves the
    // samples drawn so far; with no run drawn, the whole run.
    const std::optional<ViewScene::Run> drawn = m_views.scene(1).run;
    std::ostringstream csv;
    writeSamplesCsv(csv, m_problem.parameters(), m_problem.characteristics(),
                    drawn ? drawn->shown : std::numeric_limits<std::size_t>::max());
    const std::string text = std::move(csv).str();
    writeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace dryfriction
