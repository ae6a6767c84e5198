// A run: CmdOK_Click locks the window and starts raschet3, which draws the
// preamble and then computes and draws one sample at a time. After every
// sample the pacing clock is armed for slowdown * 10 ms and control returns to
// the event loop, so the window stays responsive (slowdown, views, result
// clicks, menus, close) without a nested event loop or a busy wait; the
// clock's tick carries the run on to the next sample or to its end.

#include "form1.h"

#include "analytic.h"
#include "canvaswidget.h"
#include "clickablelabel.h"
#include "frames.h"
#include "plotscales.h"
#include "rundrawing.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace dryfriction {

namespace {

constexpr int kEndBeep = 50;          // 600 ms
constexpr int kPauseUnitMs = 10;      // one step of the slowdown
const QString kRunningCaption = QStringLiteral("При работе размер окна изменить нельзя!");
// Pixels around a new trace segment that its width of 3 may touch.
constexpr double kSegmentMargin = 4;

// Repaints only the part of a shown graph that the newest trace segment, from
// (x0, y0) to the canvas's current point, covers: a sample changes a few
// pixels, and blitting the whole image every 10 ms would cost far more.
void updateSegment(CanvasWidget* widget, double x0, double y0)
{
    if (!widget->isVisible())
        return;
    const ImageCanvas& c = widget->canvas();
    const QPointF a = c.toPixel(x0, y0);
    const QPointF b = c.toPixel(c.currentX(), c.currentY());
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x())
        || !std::isfinite(b.y())) {
        widget->update();
        return;
    }
    const QRectF area = QRectF(a, b)
                            .normalized()
                            .adjusted(-kSegmentMargin, -kSegmentMargin, kSegmentMargin,
                                      kSegmentMargin)
                            .intersected(QRectF(widget->rect()));
    if (!area.isEmpty())
        widget->update(area.toAlignedRect());
}

}  // namespace

void Form1::CmdOK_Click()
{
    if (m_running)
        return;
    m_running = true;

    // 1. Inputs, then the button.
    for (QLineEdit* edit : {Text1, Text2, Text3, Text4, Text5, Text6})
        edit->setEnabled(false);
    CmdOK->setEnabled(false);

    // 2. Everything relaid out and redrawn: results reset, graphs without traces.
    Form_Resize();

    // 3. The size is locked while the run draws, the window staying where it is.
    lockWindow(true);
    setWindowTitle(kRunningCaption);

    // 4. Ranges and graph frames once more, over those of step 2.
    Views v = views();
    m_ranges = minmax(m_params, m_chars, v);
    GraphViews graphs = graphViews(v);
    m_timeGrid = drawGraphFrames(graphs, m_ranges, decimalPoint());

    // 5. The run.
    raschet3Begin();
}

// The preamble (markers, envelope, legend, start points), then the first
// sample at once.
void Form1::raschet3Begin()
{
    m_run.emplace(m_params, m_chars);
    Views v = views();
    GraphViews graphs = graphViews(v);
    m_animationCounter = drawRunPreamble(graphs, m_ranges, m_params, m_chars);
    updateGraphWidgets();
    raschet3Step();
}

// One sample: evaluate, draw, then the pause. The pause follows every sample,
// the last one included; its length is the slowdown in force now.
void Form1::raschet3Step()
{
    if (!m_running || !m_run)
        return;
    m_run->next();
    Views v = views();
    GraphViews graphs = graphViews(v);
    CanvasWidget* const widgets[] = {Picture2, Picture3, Picture4, Picture5};
    QPointF from[4];
    for (int i = 0; i < 4; ++i)
        from[i] = {widgets[i]->canvas().currentX(), widgets[i]->canvas().currentY()};
    if (drawSample(graphs, m_run->sample(), m_animationCounter, m_placement, m_ranges))
        Picture1->update();
    for (int i = 0; i < 4; ++i)
        updateSegment(widgets[i], from[i].x(), from[i].y());

    // The clock may outlive the window; a tick for a window gone does nothing.
    m_services.clock->start(m_slowdown * kPauseUnitMs, [self = QPointer<Form1>(this)] {
        if (!self || !self->m_running)
            return;
        if (self->m_run->finished())
            self->raschet3End();
        else
            self->raschet3Step();
    });
}

void Form1::raschet3End()
{
    // The results of the last sample.
    const RunResult result = m_run->result();
    const std::string dp = decimalPoint().toStdString();
    Label19->setText(QString::fromStdString(runXendCaption(result.X_end, dp)));
    Label7->setText(QString::fromStdString(runPendCaption(result.P_end, dp)));

    zvuk(kEndBeep);

    for (QLineEdit* edit : {Text1, Text2, Text3, Text4, Text5, Text6})
        edit->setEnabled(true);
    CmdOK->setEnabled(true);

    lockWindow(false);
    setWindowTitle(restCaption());
    m_running = false;
    emit runFinished();
}

// Ends a run at once, without its end-of-run steps: the program is closing.
void Form1::stopRun()
{
    m_services.clock->stop();
    m_running = false;
}

void Form1::updateGraphWidgets()
{
    // Hidden canvases keep their images; only the one shown needs painting.
    for (CanvasWidget* w : {Picture2, Picture3, Picture4, Picture5})
        if (w->isVisible())
            w->update();
}

// Also during a run: the new value governs the pause after the next sample.
void Form1::HScroll1_Change()
{
    m_slowdown = static_cast<std::int16_t>(HScroll1->value());
    Label21->setText(QString::number(m_slowdown));
}

void Form1::Label19_Click()
{
    analytic_xend();
}

void Form1::Label7_Click()
{
    analytic_xend();
    analytic_pend();
}

void Form1::analytic_xend()
{
    m_xendAn = analyticXend(m_chars.Ao);
    Label19->setText(
        QString::fromStdString(analyticXendCaption(m_xendAn, decimalPoint().toStdString())));
}

void Form1::analytic_pend()
{
    m_pendAn = analyticPend(m_xendAn, m_chars.Wo);
    Label7->setText(
        QString::fromStdString(analyticPendCaption(m_pendAn, decimalPoint().toStdString())));
}

// Locked, the window cannot be resized but stays shown and in place (changing
// the window flags would hide and re-create it). update() gets the new size
// hints to the window system at once.
void Form1::lockWindow(bool locked)
{
    if (locked) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    update();
}

}  // namespace dryfriction
