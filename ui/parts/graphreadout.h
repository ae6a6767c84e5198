#pragma once

#include "plot/canvas.h"
#include "ui/text/viewcatalog.h"

#include "model/runrecord.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <cstddef>
#include <memory>
#include <vector>

class QLabel;
class QWidget;

namespace dryfriction {

// Pointers farther than this from the phase trajectory read nothing off it.
inline constexpr double kReadoutReachPixels = 16;

// What the pointer at `pointer` (logical pixels of the canvas) reads off the
// graph of a view: against time, the time under the pointer and the value of
// the graph's first trace then, from the closed form; on a graph of a
// quantity across, the point of the trajectory nearest to the pointer. Only
// where the run has drawn the curve, up to its sample `shown`: empty
// elsewhere, and for a view without a readout. The numbers as "#0.00" with
// the decimal separator given and a typographic minus.
QString readoutAt(const ViewEntry& entry, const Canvas& canvas, QPointF pointer, const RunRecord& run,
                  std::size_t shown, const QString& decimalPoint);

// The small label that shows, near the pointer, what it reads off the graph
// under it. It is worked out when the pointer moves, never while a run draws.
class GraphReadout : public QObject {
    Q_OBJECT

public:
    // `views[i]` is the widget of view table entry i + 1 showing
    // `canvases[i]`, the graph viewGraphs()[i]; the label lives in `client`.
    GraphReadout(QWidget* client, std::vector<QWidget*> views, std::vector<const Canvas*> canvases);

    QLabel* label() const { return m_label; }

    // The run the graphs show, drawn up to its moment shown, which is read
    // from it when the pointer moves.
    void showRun(std::shared_ptr<const RunRecord> run);
    // The views were cleared: nothing to read until the next run.
    void forgetRun();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(std::size_t graph, QPointF pointer);

    QLabel* m_label = nullptr;
    std::vector<QWidget*> m_views;
    std::vector<const Canvas*> m_canvases;
    std::shared_ptr<const RunRecord> m_run;
};

}  // namespace dryfriction
