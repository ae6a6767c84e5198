// Renders the five views at 620 x 212 for the start-up values into PNG files:
// the frames as the window shows them before a run, and the views after a
// complete run. Usage: dryfriction-render-views <output directory>

#include "animationview.h"
#include "axes.h"
#include "frames.h"
#include "imagecanvas.h"
#include "imageviews.h"
#include "plotscales.h"
#include "rundrawing.h"
#include "viewstyle.h"

#include "characteristics.h"
#include "motion.h"
#include "parameters.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>

#include <array>
#include <cstdio>

using namespace dryfriction;

namespace {

struct Scene : ImageViews {
    PlotRanges ranges;
    SetupPlacement placement;

    explicit Scene(QSize size) : ImageViews(size) {}

    // What the resize handler draws: clear, scales, strip and frames.
    void drawFrames(const ProblemParameters& p, const MotionCharacteristics& c, const QString& point)
    {
        for (ImageCanvas& picture : pictures)
            picture.Cls();
        const Frames frames = dryfriction::drawFrames(views, p, c, point);
        ranges = frames.ranges;
        placement = frames.placement;
    }

    bool save(const QDir& dir, const QString& stage) const
    {
        bool ok = true;
        for (int i = 0; i < 5; ++i) {
            QImage image = pictures[i].image();
            if (i == 0) {
                QPainter painter(&image);
                paintSetup(painter, pictures[0], placement);
            }
            const QString name = dir.filePath(QStringLiteral("picture%1-%2.png").arg(i + 1).arg(stage));
            ok = image.save(name) && ok;
        }
        return ok;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const QString point = QLocale().decimalPoint();
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);

    Scene scene(QSize(620, 212));
    scene.drawFrames(p, c, point);
    bool ok = scene.save(dir, QStringLiteral("before"));

    // The start of a run draws the frames once more, without clearing.
    scene.ranges = minmax(p, c, scene.views);
    GraphViews graphs = graphViews(scene.views);
    drawGraphFrames(graphs, scene.ranges, point);
    std::int16_t animationCounter = drawRunPreamble(graphs, scene.ranges, p, c);
    MotionRun run(p, c);
    while (run.next())
        drawSample(graphs, run.sample(), animationCounter, scene.placement, scene.ranges);
    ok = scene.save(dir, QStringLiteral("after")) && ok;

    std::printf("%d samples, X_end = %.7f, P_end = %.6f\n", run.sampleCount(), run.result().X_end,
                run.result().P_end);
    return ok ? 0 : 1;
}
