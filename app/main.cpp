// dryfriction: a load on a spring sliding with dry friction, animated and
// traced on four graphs.

#include "application.h"
#include "desktopdocuments.h"
#include "form1.h"
#include "messageboxes.h"
#include "pacing.h"
#include "tone.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    dryfriction::prepareApplication(app);

    dryfriction::MessageBoxes messages;
    dryfriction::AudioTone tone;
    dryfriction::DesktopDocuments documents;
    dryfriction::TimerPacingClock clock;

    dryfriction::Form1 window({&messages, &tone, &documents, &clock});
    window.show();
    return QApplication::exec();
}
