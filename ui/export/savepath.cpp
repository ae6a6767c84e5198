#include "ui/export/savepath.h"

#include <QFileInfo>

namespace dryfriction {

SavePath savePath(const QString& chosen, const QStringList& suffixes, int filter)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (!suffix.isEmpty() && suffixes.contains(suffix))
        return {chosen, static_cast<int>(suffixes.indexOf(suffix))};

    // The dots a name ends in would stand before the suffix: "x." is "x.csv",
    // not "x..csv".
    QString path = chosen;
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    while (path.size() > nameStart && path.endsWith(QLatin1Char('.')))
        path.chop(1);
    return {path + QLatin1Char('.') + suffixes.at(filter), filter};
}

}  // namespace dryfriction
