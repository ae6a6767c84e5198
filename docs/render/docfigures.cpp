// Draws the figures of the help documents: the views of a run by the
// program's own drawing layer, and pictures of the main window, so that the
// documents show the program as it is built.
// Usage: dryfriction-docfigures <output folder>

#include "graphfigures.h"
#include "teachingfigures.h"
#include "windowshots.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Pictures of the window at twice its pixels, sharp enough for print.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool graphs = dryfriction::saveGraphFigures(dir);
    const bool window = dryfriction::saveWindowShots(dir);
    const bool teaching = dryfriction::saveTeachingFigures(dir);
    if (!graphs || !window || !teaching) {
        std::fprintf(stderr, "could not draw every figure into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
