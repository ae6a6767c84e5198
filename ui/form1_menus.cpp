#include "form1.h"

#include "form2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace dryfriction {

namespace {

const QString kErrorTitle = QStringLiteral("Ошибка");

QString missingText(const QString& fileName, const QString& folder)
{
    return QStringLiteral("Файл «%1» не найден в папке\n%2").arg(fileName, QDir::toNativeSeparators(folder));
}

QString unopenedText(const QString& fileName, const QString& folder)
{
    return QStringLiteral("Не удалось открыть файл «%1» из папки\n%2\n"
                          "Нет программы для его просмотра.")
        .arg(fileName, QDir::toNativeSeparators(folder));
}

}  // namespace

// The help documents lie in the working directory, not beside the program.
// They open by absolute path; a missing file or a failed open is said in a
// message box naming the file and the folder searched. `open` chooses the
// viewer: the document's own, or the text viewer.
void Form1::openDocument(const QString& fileName,
                         bool (DocumentOpener::*open)(const QString&))
{
    const QString folder = QDir::currentPath();
    const QString path = QDir(folder).absoluteFilePath(fileName);
    if (!QFileInfo(path).isFile()) {
        m_services.messages->inform(this, kErrorTitle, missingText(fileName, folder));
        return;
    }
    if (!(m_services.documents->*open)(path))
        m_services.messages->inform(this, kErrorTitle, unopenedText(fileName, folder));
}

void Form1::mnuFilespravka_Click()
{
    openDocument(QStringLiteral("spravka.pdf"));
}

void Form1::mnuFilespravka2_Click()
{
    openDocument(QStringLiteral("spravka2.pdf"));
}

void Form1::mnuFilesHistory1_Click()
{
    openDocument(QStringLiteral("Coulomb.pdf"));
}

void Form1::mnuFilesHistory2_Click()
{
    openDocument(QStringLiteral("Amontons.pdf"));
}

void Form1::mnuHelpUprav_Click()
{
    openDocument(QStringLiteral("uprav.pdf"));
}

// The instruction is plain text, shown by the desktop's text viewer.
void Form1::mnuHelpInstruction_Click()
{
    openDocument(QStringLiteral("instruction.txt"), &DocumentOpener::openText);
}

void Form1::mnuHelpAbout_Click()
{
    const QStringList lines = {
        QStringLiteral("Программа моделирует колебания при сухом трении"),
        QStringLiteral(" "),
        QStringLiteral("История версий:"),
        QStringLiteral("версия 1.0, 22.07.2019, Linux и другие системы с Qt 6; "
                       "учебная программа; написана участниками проекта dryfriction"),
        QStringLiteral(" "),
        QStringLiteral("Государственной регистрации программа не проходила."),
        QStringLiteral("Движение груза рассчитывается в замкнутой форме,"),
        QStringLiteral("в безразмерных координате, скорости и времени."),
        QStringLiteral("Справочные документы открываются из текущей папки."),
        QStringLiteral("Программа не читает и не записывает файлов данных."),
    };
    m_services.messages->inform(this, QStringLiteral("О ПРОГРАММЕ"), lines.join(QLatin1Char('\n')));
}

void Form1::mnuHelpAvtors_Click()
{
    if (m_form2 == nullptr)
        m_form2 = new Form2(this);
    const QStringList lines = {
        QStringLiteral("Программа «dryfriction», 2026"),
        QStringLiteral("Учебная модель механики:"),
        QStringLiteral("груз на пружине"),
        QStringLiteral("при сухом (кулоновом) трении"),
        QStringLiteral("Написана на C++20 и Qt 6"),
        QStringLiteral("Авторы: участники проекта"),
    };
    m_form2->setCaption(lines.join(QLatin1Char('\n')));

    // Centred over the main window, outer frames against outer frames.
    // Before its first showing Form2 has no frame yet: it gets the frame of
    // the main window, drawn by the same window manager.
    const QRect outer = frameGeometry();
    QRect inner = m_form2->frameGeometry();
    if (!m_form2->isVisible()) {
        const QRect client = geometry();
        inner = m_form2->geometry().adjusted(outer.left() - client.left(), outer.top() - client.top(),
                                             outer.right() - client.right(),
                                             outer.bottom() - client.bottom());
    }
    m_form2->move((outer.width() - inner.width()) / 2 + outer.left(),
                  (outer.height() - inner.height()) / 2 + outer.top());
    m_form2->show();
    m_form2->raise();
}

// Form_Unload: closing asks first. Yes ends the program at once, a run and
// the Authors window with it; No keeps everything as it was.
void Form1::closeEvent(QCloseEvent* event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (!m_services.messages->askYesNo(this, QStringLiteral("На Выход"),
                                       QStringLiteral("Вы абсолютно уверены?"))) {
        event->ignore();
        return;
    }
    m_exiting = true;
    stopRun();
    if (m_form2 != nullptr)
        m_form2->close();
    event->accept();
    QCoreApplication::exit(0);
}

}  // namespace dryfriction
