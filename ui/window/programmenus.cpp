#include "ui/window/programmenus.h"

#include "ui/export/resultexport.h"
#include "ui/platform/documentfolders.h"
#include "ui/window/authorswindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStandardPaths>
#include <QStringList>

namespace dryfriction {

ProgramMenus::ProgramMenus(QMainWindow& window, MessageService& messages, DocumentOpener& documents)
    : QObject(&window), m_window(window), m_messages(messages), m_documents(documents)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(tr("&Файл"));
    file->setObjectName(QStringLiteral("fileMenu"));
    m_fileMenu = file;
    addDocument(file, "theoryAction", tr("Справка1"), QStringLiteral("spravka.pdf"));
    addDocument(file, "problemsAction", tr("Справка2"), QStringLiteral("spravka2.pdf"));
    addDocument(file, "labAction", tr("Лабораторная работа"), QStringLiteral("laboratornaya.pdf"));
    addDocument(file, "coulombAction", tr("Кулон"), QStringLiteral("Coulomb.pdf"));
    addDocument(file, "amontonsAction", tr("Амонтон"), QStringLiteral("Amontons.pdf"));

    QMenu* help = bar->addMenu(tr("&Помощь"));
    help->setObjectName(QStringLiteral("helpMenu"));
    // The instruction is plain text, shown by the desktop's text viewer.
    addDocument(help, "instructionAction", tr("Инструкция"), QStringLiteral("instruction.txt"), Viewer::Text);
    addDocument(help, "controlsAction", tr("Управление"), QStringLiteral("uprav.pdf"))
        ->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator()->setObjectName(QStringLiteral("helpSeparator"));
    QAction* authors = help->addAction(tr("Авторы"));
    authors->setObjectName(QStringLiteral("authorsAction"));
    connect(authors, &QAction::triggered, this, &ProgramMenus::showAuthors);
    QAction* about = help->addAction(tr("О программе"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &ProgramMenus::showAbout);
    addKeys();
}

// The keys every desktop program answers besides F1 (on "Управление"). F10
// names no letter, so it works on a Russian keyboard layout as on a Latin
// one; Ctrl+Q goes by the key's Latin letter, which Qt finds in the layout's
// Latin group.
void ProgramMenus::addKeys()
{
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &m_window);
    quit->setObjectName(QStringLiteral("quitShortcut"));
    connect(quit, &QShortcut::activated, &m_window, &QWidget::close);

    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), &m_window);
    menus->setObjectName(QStringLiteral("menuBarShortcut"));
    connect(menus, &QShortcut::activated, this, &ProgramMenus::openMenuBar);
}

// F10 opens the first menu, from where the arrows reach every command.
void ProgramMenus::openMenuBar()
{
    QMenuBar* bar = m_window.menuBar();
    if (!bar->actions().isEmpty())
        bar->setActiveAction(bar->actions().constFirst());
}

void ProgramMenus::addResultCommands(ResultExport& results)
{
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("resultsSeparator"));

    QAction* saveGraph = m_fileMenu->addAction(tr("Сохранить график…"));
    saveGraph->setObjectName(QStringLiteral("saveGraphAction"));
    saveGraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveGraph, &QAction::triggered, &results, &ResultExport::saveGraph);

    // Ctrl+C belongs to a text field that has the focus: a field takes the
    // keys of its standard commands before any menu shortcut sees them.
    QAction* copyGraph = m_fileMenu->addAction(tr("Копировать график"));
    copyGraph->setObjectName(QStringLiteral("copyGraphAction"));
    copyGraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copyGraph, &QAction::triggered, &results, &ResultExport::copyGraph);

    QAction* saveData = m_fileMenu->addAction(tr("Сохранить данные…"));
    saveData->setObjectName(QStringLiteral("saveDataAction"));
    connect(saveData, &QAction::triggered, &results, &ResultExport::saveData);
}

QAction* ProgramMenus::addDocument(QMenu* menu, const char* name, const QString& caption, const QString& fileName,
                                   Viewer viewer)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, fileName, viewer] { openDocument(fileName, viewer); });
    return action;
}

// The help documents are looked for in the folders the document service
// names (the working directory first). They open by absolute path; a missing
// file is said in a message box naming the file and every folder searched, a
// failed open naming the folder the file was found in. The viewer may give up
// only a moment after it started: the message comes then.
void ProgramMenus::openDocument(const QString& fileName, Viewer viewer)
{
    const QStringList folders = m_documents.searchFolders();
    const QString path = findDocument(fileName, folders);
    if (path.isEmpty()) {
        QStringList shownFolders;
        for (const QString& folder : folders)
            shownFolders << QDir::toNativeSeparators(folder);
        const QString text = shownFolders.size() == 1 ? tr("Файл «%1» не найден в папке\n%2")
                                                       : tr("Файл «%1» не найден в папках\n%2");
        m_messages.inform(&m_window, tr("Ошибка"), text.arg(fileName, shownFolders.join(QLatin1Char('\n'))));
        return;
    }
    const QPointer<ProgramMenus> self(this);
    const QString folder = QFileInfo(path).absolutePath();
    auto outcome = [self, fileName, folder](bool opened) {
        if (!opened && self)
            self->tellNotOpened(fileName, folder);
    };
    if (viewer == Viewer::Text)
        m_documents.openText(path, outcome);
    else
        m_documents.openDocument(path, outcome);
}

void ProgramMenus::tellNotOpened(const QString& fileName, const QString& folder)
{
    m_messages.inform(&m_window, tr("Ошибка"),
                      tr("Не удалось открыть файл «%1» из папки\n%2\nНет программы для его просмотра, "
                         "или она не смогла его открыть.")
                          .arg(fileName, QDir::toNativeSeparators(folder)));
}

QString ProgramMenus::aboutText(const ReleaseInfo& release, const QStringList& documentFolders,
                                const QString& dialogSettings)
{
    QStringList lines = {
        tr("Программа моделирует колебания при сухом трении"),
        tr(" "),
        tr("История версий:"),
        tr("версия %1, %2, Linux и другие системы с Qt 6; учебная программа; написана участниками "
           "проекта dryfriction")
            .arg(QString::fromUtf8(release.version.data(), static_cast<qsizetype>(release.version.size())),
                 QString::fromStdString(releaseDateText(release))),
        tr(" "),
        tr("Государственной регистрации программа не проходила."),
        tr("Движение груза рассчитывается в замкнутой форме,"),
        tr("в безразмерных координате, скорости и времени."),
        tr("Файлов данных программа не читает. Записывает она только по команде пользователя и туда, "
           "куда он укажет: «Сохранить график…» — в PNG, SVG или PDF, «Сохранить данные…» — отсчёты "
           "расчёта в CSV."),
        tr("Окно сохранения помнит свою последнюю папку в файле\n%1").arg(QDir::toNativeSeparators(dialogSettings)),
        documentFolders.size() == 1 ? tr("Справочные документы ищутся в папке:")
                                    : tr("Справочные документы ищутся в папках:"),
    };
    for (const QString& folder : documentFolders)
        lines << QDir::toNativeSeparators(folder);
    return lines.join(QLatin1Char('\n'));
}

void ProgramMenus::showAbout()
{
    // Qt's save dialog keeps its state in its own settings file, shared by
    // the programs written with Qt.
    const QString dialogSettings = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                       .filePath(QStringLiteral("QtProject.conf"));
    m_messages.inform(&m_window, tr("О ПРОГРАММЕ"), aboutText(kRelease, m_documents.searchFolders(), dialogSettings));
}

void ProgramMenus::showAuthors()
{
    if (!m_authors)
        m_authors = new AuthorsWindow(&m_window);

    // Centred over the main window, outer frames against outer frames.
    // Before its first showing the authors window has no frame yet: it gets
    // the frame of the main window, drawn by the same window manager.
    const QRect outer = m_window.frameGeometry();
    QRect inner = m_authors->frameGeometry();
    if (!m_authors->isVisible()) {
        const QRect client = m_window.geometry();
        inner = m_authors->geometry().adjusted(outer.left() - client.left(), outer.top() - client.top(),
                                               outer.right() - client.right(), outer.bottom() - client.bottom());
    }
    m_authors->move((outer.width() - inner.width()) / 2 + outer.left(),
                    (outer.height() - inner.height()) / 2 + outer.top());
    m_authors->show();
    m_authors->raise();
}

}  // namespace dryfriction
