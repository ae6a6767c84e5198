#include "ui/desktopdocuments.h"

#include "ui/documentfolders.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace dryfriction {

QStringList DesktopDocuments::searchFolders() const
{
    return documentFolders(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

bool DesktopDocuments::openDocument(const QString& absolutePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

bool DesktopDocuments::openText(const QString& absolutePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

}  // namespace dryfriction
