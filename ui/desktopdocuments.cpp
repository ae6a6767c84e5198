#include "ui/desktopdocuments.h"

#include <QDesktopServices>
#include <QUrl>

namespace dryfriction {

bool DesktopDocuments::openDocument(const QString& absolutePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

bool DesktopDocuments::openText(const QString& absolutePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

}  // namespace dryfriction
