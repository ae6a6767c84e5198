// Renders the animation strip and the time graphs at 620 x 212 for the
// start-up values into PNG files: the frames as the window shows them before
// a run, and the views after a complete run.
// Usage: dryfriction-render-views <output directory>

#include "liverun.h"
#include "windowtexts.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>

#include <cstdio>
#include <vector>

using namespace dryfriction;

namespace {

bool save(OffscreenViews& views, const SetupPlacement& placement, const QDir& dir, const QString& stage)
{
    QImage strip = views.strip().image();
    {
        QPainter painter(&strip);
        paintSetup(painter, views.strip(), placement);
    }
    bool ok = strip.save(dir.filePath(QStringLiteral("strip-%1.png").arg(stage)));
    for (std::size_t i = 0; i < views.graphCount(); ++i) {
        const QString name = dir.filePath(QStringLiteral("graph%1-%2.png").arg(i + 1).arg(stage));
        ok = views.graph(i).image().save(name) && ok;
    }
    return ok;
}

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

    const ViewTexts texts = test::windowTexts(QLocale().decimalPoint());
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);

    const PlotRanges r = computePlotRanges(p, c);

    OffscreenViews views(QSize(620, 212));
    const std::vector<Canvas*> graphs = views.graphs();
    const SetupPlacement start = drawFrames(views.strip(), graphs, r, p.x0, texts);
    bool ok = save(views, start, dir, QStringLiteral("before"));

    // The start of a run draws each graph's markers and legend, then the
    // samples one by one.
    const RunRecord run(p, c);
    drawRunAt(graphs, r, texts, run, 0);
    test::drawSampleBySample(graphs, run);
    const MotionSample& last = run.sample(run.sampleCount());
    ok = save(views, placedAt(start, last.x), dir, QStringLiteral("after")) && ok;

    std::printf("%zu samples, X_end = %.7f, P_end = %.6f\n", run.sampleCount(), last.x, last.path);
    return ok ? 0 : 1;
}
