// dryfriction: a load on a spring sliding with dry friction, animated and
// traced on graphs against time.

#include "ui/application.h"
#include "ui/applicationexit.h"
#include "ui/commandline.h"
#include "ui/desktopdocuments.h"
#include "ui/mainwindow.h"
#include "ui/messageboxes.h"
#include "ui/pacing.h"
#include "ui/savefiledialog.h"
#include "ui/systemclipboard.h"
#include "ui/tone.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // --help and --version need no display: answered before Qt opens one.
    if (const auto status = dryfriction::answerCommandLine(argc, argv, std::cout, std::cerr))
        return *status;

    QApplication app(argc, argv);
    dryfriction::prepareApplication(app);

    dryfriction::MessageBoxes messages;
    dryfriction::AudioTone tone;
    dryfriction::DesktopDocuments documents;
    dryfriction::TimerPacingClock clock;
    dryfriction::ApplicationExit exit;
    dryfriction::SaveFileDialog files;
    dryfriction::SystemClipboard clipboard;

    dryfriction::MainWindow window({&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
    window.show();
    return QApplication::exec();
}
