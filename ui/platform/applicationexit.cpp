#include "ui/platform/applicationexit.h"

#include <QCoreApplication>

namespace dryfriction {

// exit() rather than quit(): quit() would close every window first, and the
// main window would ask its question a second time.
void ApplicationExit::exitProgram()
{
    QCoreApplication::exit(0);
}

}  // namespace dryfriction
