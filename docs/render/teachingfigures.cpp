#include "teachingfigures.h"

#include "ui/text/captions.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphframe.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/offscreenviews.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

#include <cmath>

namespace dryfriction {

namespace {

// Drawn three times finer than the screen, as the other figures.
constexpr qreal kPrintRatio = 3.0;
constexpr QSize kPanelSize(760, 190);
constexpr QSize kGraphSize(760, 240);

// The set-up drawn larger than in the window, so that the forces have room.
constexpr QSizeF kLoadPx(80, 64);
constexpr double kSpringPx = 40;
// Where the load stands, in half-widths of the stagnation zone: the spring
// pulls it back with four times the friction force.
constexpr double kLoadAt = 4.6;
// Arrow lengths in logical pixels: the friction force ka, the spring force
// k|x| = kLoadAt·ka, and the weight and the normal force.
constexpr double kFrictionPx = 28;
constexpr double kVerticalPx = 50;

const QColor kForceColor(180, 0, 0);
const QColor kWeightColor(0, 0, 160);
const QColor kVelocityColor(0, 110, 0);

void arrow(QPainter& painter, QPointF from, QPointF to, const QColor& color)
{
    const QLineF shaft(from, to);
    const double head = 9;
    const QLineF back(to, from);
    QLineF left = back;
    left.setLength(head);
    left.setAngle(back.angle() + 22);
    QLineF right = back;
    right.setLength(head);
    right.setAngle(back.angle() - 22);
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(from, to - (to - from) / shaft.length() * head * 0.6));
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(left.p2());
    tip.lineTo(right.p2());
    tip.closeSubpath();
    painter.fillPath(tip, color);
}

// A label in italic serif with a subscript, its centre at `centre`.
void label(QPainter& painter, const QString& html, QPointF centre, const QColor& color)
{
    QTextDocument text;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(17);
    text.setDefaultFont(font);
    text.setDocumentMargin(0);
    text.setHtml(QStringLiteral("<span style=\"color:%1\">%2</span>").arg(color.name(), html));
    const QSizeF size = text.size();
    painter.save();
    painter.translate(centre - QPointF(size.width() / 2, size.height() / 2));
    // On a white ground, so that the grid and the spring do not cross it.
    painter.fillRect(QRectF(QPointF(-2, 0), size + QSizeF(4, 0)), QColor(255, 255, 255, 230));
    text.drawContents(&painter);
    painter.restore();
}

// One panel: the strip with the load at kLoadAt moving in `direction`
// (+1 away from the wall, -1 towards it), and the forces on it.
QImage forcePanel(int direction)
{
    ProblemParameters p = kStartupParameters;
    p.x0 = 6;
    p.v0 = 0;
    const MotionCharacteristics c = characteristicsOf(p);
    PlotRanges r = computePlotRanges(p, c);
    // The axis low in the panel, so that the forces have room above it.
    r.animTop = -3 * r.animBottom;
    ImageCanvas strip;
    const ViewStyle style = stripStyle();
    strip.setFont(style.font);
    strip.setBackColor(style.background);
    strip.setForeColor(style.foreground);
    strip.setSize(kPanelSize, kPrintRatio);
    applyScales(strip, {}, r);
    const ViewTexts texts = viewTexts(QStringLiteral(","));
    const SetupPlacement start = drawAnimationStrip(strip, r, kLoadAt, texts.stripCaption, texts.decimalPoint,
                                                    kLoadPx, kSpringPx);

    QImage image = strip.image();
    image.setDevicePixelRatio(strip.devicePixelRatio());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintSetup(painter, strip, start);

    const QPointF topLeft = strip.toPixel(start.loadLeft, start.loadTop);
    const QPointF bottomRight = strip.toPixel(start.loadLeft + start.loadWidth, start.loadTop + start.loadHeight);
    const QRectF load = QRectF(topLeft, bottomRight).normalized();
    const QPointF centre = load.center();
    const double springPx = kLoadAt * kFrictionPx;

    // Weight down from the centre, normal force up from the floor under it.
    arrow(painter, centre, centre + QPointF(0, kVerticalPx), kWeightColor);
    label(painter, QStringLiteral("<i>m</i><b><i>g</i></b>"), centre + QPointF(18, 14), kWeightColor);
    const QPointF floor(centre.x() - 10, load.bottom());
    const QPointF up = floor - QPointF(0, load.height() + 24);
    arrow(painter, floor, up, kWeightColor);
    label(painter, QStringLiteral("<b><i>N</i></b>"), up + QPointF(-14, 6), kWeightColor);

    // The stretched spring pulls towards the wall.
    const QPointF hook(load.left(), centre.y() - 10);
    arrow(painter, hook, hook - QPointF(springPx, 0), kForceColor);
    label(painter, QStringLiteral("<b><i>F</i></b><sub>упр</sub>"), hook - QPointF(springPx * 0.5, 16), kForceColor);

    // Friction along the floor against the motion, the velocity above the load.
    const QPointF rub(direction > 0 ? load.left() : load.right(), load.bottom() - 5);
    arrow(painter, rub, rub + QPointF(-direction * kFrictionPx, 0), kForceColor);
    label(painter, QStringLiteral("<b><i>F</i></b><sub>тр</sub>"), rub + QPointF(-direction * (kFrictionPx + 20), -4),
          kForceColor);
    const QPointF lift(centre.x() + 30, load.top() - 12);
    arrow(painter, lift - QPointF(direction * 20, 0), lift + QPointF(direction * 20, 0), kVelocityColor);
    label(painter, QStringLiteral("<b><i>v</i></b>"), lift + QPointF(0, -14), kVelocityColor);
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage stacked(const QImage& upper, const QImage& lower)
{
    QImage both(upper.width(), upper.height() + lower.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, upper);
    painter.drawImage(0, upper.height(), lower);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(0, upper.height(), both.width(), upper.height());
    return both;
}

// The coordinate graph of a dry-friction problem after its whole run, as the
// window draws it (markers, envelope, legend, trace).
QImage dryRun(const ProblemParameters& p)
{
    OffscreenViews views(kGraphSize);
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    views.strip().setSize(kGraphSize, kPrintRatio);
    views.graph(0).setSize(kGraphSize, kPrintRatio);
    const ViewTexts texts = viewTexts(QStringLiteral(","));
    const std::vector<Canvas*> graphs = views.graphs();
    drawFrames(views.strip(), std::span<Canvas* const>(graphs).first(1), r, p.x0, texts);
    // The whole run, sample by sample, as the window draws it.
    const std::span<Canvas* const> coordinate = std::span<Canvas* const>(graphs).first(1);
    const RunRecord run(p, c);
    drawRunAt(coordinate, r, texts, run, 0);
    for (std::size_t k = 1; k <= run.sampleCount(); ++k)
        drawTraces(coordinate, run, k - 1, k);
    return views.graph(0).image();
}

// The same frame with a viscously damped oscillation from the same start,
// x'' + 2γx' + x = 0 in the same units, and its envelope ±x0·e^(−γt), which
// passes through every maximum. γ makes the first period lose as much as dry
// friction does (x0 to x0 − 4), so that the two decays start alike.
QImage viscousRun(const ProblemParameters& p)
{
    const MotionCharacteristics c = characteristicsOf(p);
    const PlotRanges r = computePlotRanges(p, c);
    ImageCanvas graph;
    // The coordinate graph's frame without the stagnation band: viscous
    // friction holds the load nowhere but at x = 0.
    GraphDescription description = viewGraphs()[0];
    description.stagnationBand = false;
    const ViewTexts texts = viewTexts(QStringLiteral(","));
    const ViewStyle style = graphStyle(description);
    graph.setFont(style.font);
    graph.setBackColor(style.background);
    graph.setForeColor(style.foreground);
    graph.setSize(kGraphSize, kPrintRatio);
    setGraphScale(graph, description, r);
    drawGraphFrame(graph, description, r, texts.graphCaptions.at(0), texts.timeCaption, texts.decimalPoint);

    Canvas& canvas = graph;
    const double x0 = p.x0;
    // e^(−γ·2π/ω1) = (x0 − 4)/x0 with ω1 = √(1 − γ²).
    const double q = std::log(x0 / (x0 - 4)) / (2 * M_PI);
    const double gamma = q / std::sqrt(1 + q * q);
    const double w1 = std::sqrt(1 - gamma * gamma);
    const double end = p.duration;
    const int steps = 2000;

    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Dashed);
    canvas.setSmoothLines(true);
    for (int sign : {1, -1}) {
        const int pieces = 100;
        for (int i = 0; i < pieces; i += 2) {
            const double t1 = end * i / pieces, t2 = end * (i + 1) / pieces;
            canvas.line(t1, sign * x0 * std::exp(-gamma * t1), t2, sign * x0 * std::exp(-gamma * t2), kMagenta);
        }
    }
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setLineWidth(3);
    auto x = [&](double t) { return x0 * std::exp(-gamma * t) * (std::cos(w1 * t) + gamma / w1 * std::sin(w1 * t)); };
    canvas.line(0, x(0), 0, x(0), kRed);
    for (int i = 1; i <= steps; ++i) {
        const double t = end * i / steps;
        canvas.lineTo(t, x(t), kRed);
    }
    return graph.image();
}

}  // namespace

bool saveTeachingFigures(const QDir& dir)
{
    bool ok = stacked(forcePanel(+1), forcePanel(-1)).save(dir.filePath(QStringLiteral("setup-forces.png")));

    ProblemParameters fromRest = kStartupParameters;
    fromRest.x0 = 9.5;
    fromRest.v0 = 0;
    ok = stacked(dryRun(fromRest), viscousRun(fromRest)).save(dir.filePath(QStringLiteral("dry-viscous.png")))
         && ok;
    return ok;
}

}  // namespace dryfriction
