// dryfriction: a load on a spring sliding with dry friction, animated and
// traced on graphs against time.

#include "app/application.h"
#include "app/commandline.h"
#include "ui/platform/applicationexit.h"
#include "ui/platform/desktopdocuments.h"
#include "ui/platform/messageboxes.h"
#include "ui/platform/savefiledialog.h"
#include "ui/platform/systemclipboard.h"
#include "ui/platform/tone.h"
#include "ui/state/pacing.h"
#include "ui/window/mainwindow.h"

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
