#include "ui/parts/graphreadout.h"

#include "ui/parts/canvaswidget.h"
#include "ui/text/captions.h"
#include "ui/text/viewcatalog.h"
#include "ui/look/controlstyle.h"

#include "model/motion.h"
#include "model/numberformat.h"
#include "model/phasetrajectory.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace dryfriction {

namespace {

// The pointer's label stands this far to the right of and below the pointer,
// or to its left or above it where the view ends.
constexpr int kLabelOffset = 14;

QString readoutNumber(double value, const QString& decimalPoint)
{
    QString text = QString::fromStdString(formatGridLabel(value, decimalPoint.toStdString()));
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, QChar(0x2212));
    return text;
}

// The pointer on a view in its canvas's logical pixels.
QPointF canvasPoint(QWidget* view, QPointF pointer)
{
    const auto* canvasView = qobject_cast<const CanvasWidget*>(view);
    return canvasView != nullptr ? canvasView->toCanvas(pointer) : pointer;
}

}  // namespace

QString readoutAt(const ViewEntry& entry, const Canvas& canvas, QPointF pointer, const RunRecord& run,
                  std::size_t shown, const QString& decimalPoint)
{
    const QString pattern = readoutText(entry);
    const GraphDescription* described = graphOf(entry);
    if (pattern.isEmpty() || !described || described->traces.empty() || canvas.logicalSize().isEmpty())
        return {};
    const GraphDescription& graph = *described;
    const TraceDescription& trace = graph.traces.front();
    const ProblemParameters& params = run.parameters();
    const MotionCharacteristics& chars = run.characteristics();
    const double drawnUntil = run.sample(std::min(shown, run.sampleCount())).t;
    const QPointF user = canvas.toUser(pointer);
    if (!std::isfinite(user.x()) || !std::isfinite(user.y()))
        return {};

    if (acrossTime(graph)) {
        const double t = user.x();
        if (!(t >= 0 && t <= drawnUntil))
            return {};
        const MotionSample s = exactSampleAt(t, params, chars);
        return pattern.arg(readoutNumber(t, decimalPoint), readoutNumber(upValue(trace, s), decimalPoint));
    }

    const double t = nearestPhaseTime(user.x(), user.y(), drawnUntil, params, chars);
    const MotionSample s = exactSampleAt(t, params, chars);
    const double across = acrossValue(trace, s);
    const double value = upValue(trace, s);
    const QPointF nearest = canvas.toPixel(across, value);
    if (std::hypot(nearest.x() - pointer.x(), nearest.y() - pointer.y()) > kReadoutReachPixels)
        return {};
    return pattern.arg(readoutNumber(across, decimalPoint), readoutNumber(value, decimalPoint));
}

GraphReadout::GraphReadout(QWidget* client, std::vector<QWidget*> views, std::vector<const Canvas*> canvases)
    : QObject(client), m_views(std::move(views)), m_canvases(std::move(canvases))
{
    m_label = makeLabel(new QLabel(client), "graphReadout", QString(), sansFont(8.25), kFieldColor, Qt::black);
    m_label->setFrameShape(QFrame::Box);
    m_label->setMargin(2);
    // The pointer passes through it to the view under it.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->hide();
    for (QWidget* view : m_views) {
        view->setMouseTracking(true);
        view->installEventFilter(this);
    }
}

void GraphReadout::showRun(std::shared_ptr<const RunRecord> run)
{
    m_run = std::move(run);
}

void GraphReadout::forgetRun()
{
    m_run.reset();
    m_label->hide();
}

bool GraphReadout::eventFilter(QObject* watched, QEvent* event)
{
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        if (watched != m_views[i])
            continue;
        if (event->type() == QEvent::MouseMove)
            showAt(i, static_cast<QMouseEvent*>(event)->position());
        else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide)
            m_label->hide();
        break;
    }
    return QObject::eventFilter(watched, event);
}

void GraphReadout::showAt(std::size_t graph, QPointF pointer)
{
    const std::span<const ViewEntry> views = viewTable();
    const QString text = m_run && graph + 1 < views.size()
                             ? readoutAt(views[graph + 1], *m_canvases[graph], canvasPoint(m_views[graph], pointer),
                                         *m_run, m_run->shown(), localeDecimalPoint())
                             : QString();
    if (text.isEmpty()) {
        m_label->hide();
        return;
    }
    m_label->setText(text);
    m_label->adjustSize();

    QWidget* view = m_views[graph];
    const QPoint at = pointer.toPoint();
    int left = at.x() + kLabelOffset;
    int top = at.y() + kLabelOffset;
    if (left + m_label->width() > view->width())
        left = at.x() - kLabelOffset - m_label->width();
    if (top + m_label->height() > view->height())
        top = at.y() - kLabelOffset - m_label->height();
    m_label->move(view->mapTo(m_label->parentWidget(), QPoint(left, top)));
    m_label->show();
    m_label->raise();
}

}  // namespace dryfriction
