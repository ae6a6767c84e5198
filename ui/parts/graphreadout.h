#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"

#include "model/characteristics.h"
#include "model/parameters.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace dryfriction {

struct ViewEntry;

// The run a graph shows: its problem, and how far its curves are drawn.
struct DrawnRun {
    ProblemParameters params;
    MotionCharacteristics chars;
    double drawnUntil = 0;  // the phase of the last sample drawn (0: the start points only)
};

// Pointers farther than this from the phase trajectory read nothing off it.
inline constexpr double kReadoutReachPixels = 16;

// What the pointer at `pointer` (logical pixels of the canvas) reads off a
// graph: against time, the time under the pointer and the graph's value then,
// from the closed form; on a graph of a quantity across, the point of the
// trajectory nearest to the pointer. Only where the run has drawn the curve:
// empty elsewhere, and for an entry without a readout. The numbers as
// "#0.00" with the decimal separator given and a typographic minus.
QString readoutAt(const ViewEntry& entry, const GraphDescription& graph, const Canvas& canvas, QPointF pointer,
                  const DrawnRun& run, const QString& decimalPoint);

// The small label that shows, near the pointer, what it reads off the graph
// under it. It is worked out when the pointer moves, never while a run draws.
class GraphReadout : public QObject {
    Q_OBJECT

public:
    // `views[i]` is the widget of catalog entry i + 1 showing `canvases[i]`,
    // the graph timeGraphs()[i]; the label lives in `client`.
    GraphReadout(QWidget* client, std::vector<QWidget*> views, std::vector<const Canvas*> canvases);

    QLabel* label() const { return m_label; }

    void startRun(const ProblemParameters& p, const MotionCharacteristics& c);
    // Cheap enough for every sample: it only notes the phase.
    void setDrawnUntil(double t)
    {
        if (m_run)
            m_run->drawnUntil = t;
    }
    // The views were cleared: nothing to read until the next run.
    void forgetRun();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(std::size_t graph, QPointF pointer);

    QLabel* m_label = nullptr;
    std::vector<QWidget*> m_views;
    std::vector<const Canvas*> m_canvases;
    std::optional<DrawnRun> m_run;
};

}  // namespace dryfriction
