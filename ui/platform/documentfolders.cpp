#include "ui/platform/documentfolders.h"

#include <QDir>
#include <QFileInfo>

namespace dryfriction {

DocumentPlaces builtDocumentPlaces()
{
    // Written in by the build system from its install directories and build tree.
    return {QStringLiteral(DRYFRICTION_INSTALLED_DOCS), QStringLiteral(DRYFRICTION_BUILD_TREE),
            QStringLiteral(DRYFRICTION_BUILD_DOCS)};
}

namespace {

bool isInside(const QString& path, const QString& folder)
{
    const QString inner = QDir::cleanPath(path);
    const QString outer = QDir::cleanPath(folder);
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

}  // namespace

QStringList documentFolders(const QString& workingFolder, const QString& programFolder,
                            const DocumentPlaces& places)
{
    QStringList folders{QDir::cleanPath(QDir(workingFolder).absolutePath())};
    if (!programFolder.isEmpty()) {
        if (!places.installedRelative.isEmpty())
            folders << QDir::cleanPath(QDir(programFolder).absoluteFilePath(places.installedRelative));
        if (!places.buildTree.isEmpty() && !places.buildDocuments.isEmpty() && isInside(programFolder, places.buildTree))
            folders << QDir::cleanPath(places.buildDocuments);
    }
    folders.removeDuplicates();
    return folders;
}

QString findDocument(const QString& fileName, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

}  // namespace dryfriction
