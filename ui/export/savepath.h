#pragma once

#include <QString>
#include <QStringList>

namespace dryfriction {

// The file a save writes and its type (an index into the offered suffixes).
struct SavePath {
    QString path;
    int type = 0;
};

// The file written for the name chosen in a save dialog, of the offered types
// `suffixes` ("png", "svg", "pdf"), `filter` being the type chosen there:
// - a name that ends in the suffix of one of the offered types, in any case
//   ("graph.PDF"), is written as it stands and is of that type;
// - any other name gets the chosen type's suffix: "data" and "data." become
//   "data.csv", "looks.png" offered only CSV becomes "looks.png.csv".
SavePath savePath(const QString& chosen, const QStringList& suffixes, int filter);

}  // namespace dryfriction
