#pragma once

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QObject>

namespace dryfriction {

// The problem in force: its parameters and everything that follows from them,
// the characteristics and the plot ranges. A change is applied in one place,
// setParameters, and announced by changed().
class ProblemState : public QObject {
    Q_OBJECT

public:
    explicit ProblemState(QObject* parent = nullptr);

    const ProblemParameters& parameters() const { return m_parameters; }
    const MotionCharacteristics& characteristics() const { return m_characteristics; }
    const PlotRanges& ranges() const { return m_ranges; }

    // Puts the parameters in force and announces them, also when they are
    // the same: every edit is applied and shown afresh.
    void setParameters(const ProblemParameters& p);

signals:
    void changed();

private:
    void derive();

    ProblemParameters m_parameters = kStartupParameters;
    MotionCharacteristics m_characteristics;
    PlotRanges m_ranges;
};

}  // namespace dryfriction
