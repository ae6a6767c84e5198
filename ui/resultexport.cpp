#include "ui/resultexport.h"

#include "ui/canvaswidget.h"
#include "ui/graphfiles.h"
#include "ui/problemstate.h"
#include "ui/viewcatalog.h"
#include "ui/viewstack.h"

#include "model/samplecsv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
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
    const QString suggested = QDir(m_folder).filePath(baseName + QLatin1Char('.') + suffixes.constFirst());
    const FileChooser::Choice choice = m_files.chooseSaveFile(&m_window, title, suggested, filters);
    if (choice.path.isEmpty())
        return {};
    // A name typed with a suffix of one of the types ("graph.pdf") is of that
    // type whatever the filter; a name without one gets the filter's.
    int filter = (choice.filter >= 0 && choice.filter < suffixes.size()) ? choice.filter : 0;
    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffixes.contains(suffix))
        filter = static_cast<int>(suffixes.indexOf(suffix));
    else if (suffix.isEmpty())
        path += QLatin1Char('.') + suffixes.at(filter);
    *chosen = filter;
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

// The file appears only once it is whole: QSaveFile writes a temporary file
// beside it and renames it over the target when everything was written.
bool ResultExport::writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    bool written = !bytes.isEmpty() && file.open(QIODevice::WriteOnly);
    written = written && file.write(bytes) == bytes.size();
    written = written && file.commit();
    if (!written) {
        file.cancelWriting();
        const QString reason = bytes.isEmpty() ? tr("изображение не удалось построить") : file.errorString();
        m_messages.inform(&m_window, tr("Ошибка"),
                          tr("Не удалось сохранить файл\n%1\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
    return written;
}

void ResultExport::saveGraph()
{
    const int index = m_views.shownIndex();
    const QStringList filters = {tr("Изображение PNG (*.png)"), tr("Рисунок SVG (*.svg)"),
                                 tr("Документ PDF (*.pdf)")};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
    const QString baseName = optionText(viewCatalog()[static_cast<std::size_t>(index)]);
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
                    drawn ? drawn->samplesDrawn : std::numeric_limits<std::size_t>::max());
    const std::string text = std::move(csv).str();
    writeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace dryfriction
