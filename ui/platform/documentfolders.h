#pragma once

#include <QString>
#include <QStringList>

namespace dryfriction {

// Where the help documents are looked for, beyond the working directory.
struct DocumentPlaces {
    // The installed documents folder relative to the folder of the program
    // (for an installed program "../share/dryfriction/docs").
    QString installedRelative;
    // The build tree and the folder the build writes the documents into:
    // a program run from inside the build tree finds them there. Both empty
    // in a build for a package (DRYFRICTION_BUILD_TREE_DOCUMENTS off).
    QString buildTree;
    QString buildDocuments;
};

// The places of this build: the install layout and the build tree it was
// configured with.
DocumentPlaces builtDocumentPlaces();

// The folders searched for a help document, in order, each once: the working
// directory (where a user may keep documents of their own), the installed
// documents folder next to the program, and, for a program inside the build
// tree, the build's documents.
QStringList documentFolders(const QString& workingFolder, const QString& programFolder,
                            const DocumentPlaces& places = builtDocumentPlaces());

// The absolute path of the file in the first folder that holds it; empty when
// none does.
QString findDocument(const QString& fileName, const QStringList& folders);

}  // namespace dryfriction
