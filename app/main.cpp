// dryfriction: a load on a spring sliding with dry friction, animated and
// traced on four graphs.

#include "desktopdocuments.h"
#include "form1.h"
#include "messageboxes.h"
#include "pacing.h"
#include "tone.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dryfriction"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/icons/dryfriction.svg")));

    // Every text the user sees is Russian, the buttons of Qt's own dialogs too.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    dryfriction::MessageBoxes messages;
    dryfriction::AudioTone tone;
    dryfriction::DesktopDocuments documents;
    dryfriction::TimerPacingClock clock;

    dryfriction::Form1 window({&messages, &tone, &documents, &clock});
    window.show();
    return QApplication::exec();
}
