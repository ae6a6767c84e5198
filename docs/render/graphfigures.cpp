#include "graphfigures.h"

#include "ui/captions.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/loadanimation.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QPainter>

#include <array>

namespace dryfriction {

namespace {

// A view as wide as in a maximised window, drawn three times finer: on a
// 170 mm wide column that is about 320 dots per inch.
constexpr QSize kLogicalSize(760, 260);
// The strip needs little height: the set-up stands on its axis.
constexpr QSize kStripSize(760, 120);
constexpr qreal kPrintRatio = 3.0;

struct RunFigures {
    OffscreenViews views{kLogicalSize};
    SetupPlacement load;
};

// Everything a whole run leaves on the views, drawn as the window draws it:
// the frames, then each graph's markers and legend, then sample by sample.
void drawWholeRun(RunFigures& out, const ProblemParameters& p)
{
    out.views.strip().setSize(kStripSize, kPrintRatio);
    for (std::size_t i = 0; i < out.views.graphCount(); ++i)
        out.views.graph(i).setSize(kLogicalSize, kPrintRatio);

    const ViewTexts texts = viewTexts(QStringLiteral("."));
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    const std::vector<Canvas*> graphs = out.views.graphs();
    const SetupPlacement start = drawFrames(out.views.strip(), graphs, r, p.x0, texts);
    for (std::size_t i = 0; i < graphs.size(); ++i)
        drawRunPreamble(*graphs[i], timeGraphs()[i], r, p, c, texts.legendStops, texts.legendExtremes);
    LoadAnimation load(start);
    MotionRun run(p, c);
    while (run.next()) {
        drawSample(graphs, run.sample());
        load.follow(run.sample().x);
    }
    out.load = load.placement();
}

bool saveStrip(RunFigures& figures, const QString& file)
{
    const ImageCanvas& strip = figures.views.strip();
    QImage image = strip.image();
    image.setDevicePixelRatio(strip.devicePixelRatio());
    {
        QPainter painter(&image);
        paintSetup(painter, strip, figures.load);
    }
    image.setDevicePixelRatio(1.0);
    return image.save(file);
}

}  // namespace

bool saveGraphFigures(const QDir& dir)
{
    // In the order of the window's time graphs.
    static constexpr std::array<const char*, 4> kGraphNames = {"coordinate", "velocity", "energy", "path"};

    RunFigures startup;
    drawWholeRun(startup, kStartupParameters);
    bool ok = saveStrip(startup, dir.filePath(QStringLiteral("run-strip.png")));
    for (std::size_t i = 0; i < startup.views.graphCount() && i < kGraphNames.size(); ++i) {
        const QString name = QStringLiteral("run-%1.png").arg(QLatin1String(kGraphNames[i]));
        ok = startup.views.graph(i).image().save(dir.filePath(name)) && ok;
    }

    ProblemParameters oneSwing = kStartupParameters;
    oneSwing.x0 = 3;
    oneSwing.v0 = 0;
    oneSwing.duration = 8;
    RunFigures stop;
    drawWholeRun(stop, oneSwing);
    ok = stop.views.graph(0).image().save(dir.filePath(QStringLiteral("stop-coordinate.png"))) && ok;
    return ok;
}

}  // namespace dryfriction
