#include "graphfigures.h"

#include "ui/text/captions.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace dryfriction {

namespace {

// A view as wide as in a maximised window, drawn three times finer: on a
// 170 mm wide column that is about 320 dots per inch.
constexpr QSize kLogicalSize(760, 260);
// The strip needs little height: the set-up stands on its axis.
constexpr QSize kStripSize(760, 120);
constexpr qreal kPrintRatio = 3.0;
// The phase portrait has one unit the same length across and up: its view
// gets the proportions of its region, so that the figure has no blank sides.
// A small portrait is drawn narrower, so that its text keeps its size when
// the figure takes less of the page.
constexpr int kPhaseWidth = 560;
constexpr int kSmallPhaseWidth = 360;

QSize phaseSize(const GraphDescription& graph, const PlotRanges& r, int width)
{
    const double across = rightEdge(graph, r) - leftEdge(graph, r);
    const double up = graph.top(r) - graph.bottom(r);
    const int height = across > 0 ? static_cast<int>(std::lround(width * up / across)) : width;
    return {width, std::clamp(height, width / 3, width)};
}

struct RunFigures {
    OffscreenViews views{kLogicalSize};
    SetupPlacement load;
    // The two legend lines, printed above each graph against time.
    QString legendStops;
    QString legendExtremes;
};

// Everything a whole run leaves on the views, drawn as the window draws it:
// the frames, then each graph's markers and legend, then sample by sample.
void drawWholeRun(RunFigures& out, const ProblemParameters& p, int phaseWidth = kPhaseWidth)
{
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    out.views.strip().setSize(kStripSize, kPrintRatio);
    for (std::size_t i = 0; i < out.views.graphCount(); ++i) {
        const GraphDescription& graph = viewGraphs()[i];
        out.views.graph(i).setSize(acrossTime(graph) ? kLogicalSize : phaseSize(graph, r, phaseWidth), kPrintRatio);
    }

    // The figures stand in Russian text: their numbers take its decimal comma
    // and sit on their grid lines. The legend goes above the graph (see
    // saveGraph), where no curve can run through it.
    ViewTexts texts = viewTexts(QStringLiteral(","));
    texts.labelsOnLines = true;
    out.legendStops = std::exchange(texts.legendStops, QString());
    out.legendExtremes = std::exchange(texts.legendExtremes, QString());
    const std::vector<Canvas*> graphs = out.views.graphs();
    const SetupPlacement start = drawFrames(out.views.strip(), graphs, r, p.x0, texts);
    // The whole run, sample by sample to its end.
    const RunRecord run(p, c);
    drawRunAt(graphs, r, texts, run, 0);
    for (std::size_t k = 1; k <= run.sampleCount(); ++k)
        drawTraces(graphs, run, k - 1, k);
    out.load = placedAt(start, run.sample(run.sampleCount()).x);
}

// The one graph that is not against time.
std::size_t phaseGraphIndex()
{
    const std::span<const GraphDescription> graphs = viewGraphs();
    std::size_t i = 0;
    while (i + 1 < graphs.size() && acrossTime(graphs[i]))
        ++i;
    return i;
}

// Saves graph i; a graph against time gets its legend in a band of its own
// above it, in its own font, where the window prints it over the curves.
bool saveGraph(RunFigures& figures, std::size_t i, const QString& file)
{
    const QImage& graph = figures.views.graph(i).image();
    const GraphDescription& description = viewGraphs()[i];
    if (!acrossTime(description))
        return graph.save(file);
    const qreal ratio = figures.views.graph(i).devicePixelRatio();
    const QFont font = graphStyle(description).font;
    QImage measure(1, 1, QImage::Format_RGB32);
    measure.setDevicePixelRatio(ratio);
    const double lineHeight = QFontMetricsF(font, &measure).height();
    const int band = static_cast<int>(std::ceil((2 * lineHeight + 4) * ratio));
    QImage figure(graph.width(), graph.height() + band, QImage::Format_RGB32);
    figure.fill(Qt::white);
    {
        QPainter painter(&figure);
        painter.drawImage(0, band, graph);
    }
    figure.setDevicePixelRatio(ratio);
    {
        QPainter painter(&figure);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double x = graph.width() / ratio / 2;
        painter.drawText(QPointF(x, 2 + QFontMetricsF(font, &figure).ascent()), figures.legendStops);
        painter.drawText(QPointF(x, 2 + lineHeight + QFontMetricsF(font, &figure).ascent()),
                         figures.legendExtremes);
    }
    figure.setDevicePixelRatio(1.0);
    return figure.save(file);
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
    // In the order of the window's graphs.
    static constexpr std::array<const char*, 5> kGraphNames = {"coordinate", "velocity", "energy", "path",
                                                               "phase"};

    RunFigures startup;
    drawWholeRun(startup, kStartupParameters);
    bool ok = saveStrip(startup, dir.filePath(QStringLiteral("run-strip.png")));
    for (std::size_t i = 0; i < startup.views.graphCount() && i < kGraphNames.size(); ++i) {
        const QString name = QStringLiteral("run-%1.png").arg(QLatin1String(kGraphNames[i]));
        ok = saveGraph(startup, i, dir.filePath(name)) && ok;
    }

    ProblemParameters oneSwing = kStartupParameters;
    oneSwing.x0 = 3;
    oneSwing.v0 = 0;
    oneSwing.duration = 8;
    RunFigures stop;
    drawWholeRun(stop, oneSwing);
    ok = saveGraph(stop, 0, dir.filePath(QStringLiteral("stop-coordinate.png"))) && ok;

    // One half-swing from rest: a single semicircle about +1 into the zone.
    ProblemParameters halfSwing = kStartupParameters;
    halfSwing.x0 = 1.5;
    halfSwing.v0 = 0;
    RunFigures half;
    drawWholeRun(half, halfSwing, kSmallPhaseWidth);
    ok = half.views.graph(phaseGraphIndex()).image().save(dir.filePath(QStringLiteral("halfswing-phase.png"))) && ok;
    return ok;
}

}  // namespace dryfriction
