#pragma once

#include <QSlider>

#include <functional>

namespace dryfriction {

// The time scrubber: a horizontal slider over the moments of a run, a
// moment being how many of its samples are shown (0: the start). Left and
// Right step one sample, Home and End go to the start and the end, PgUp and
// PgDn to the stop before and after the moment, which the functions given
// find (each returns the moment itself where there is no such stop).
// Disabled until it is given a run to move through.
class TimeScrubber : public QSlider {
    Q_OBJECT

public:
    using StopFinder = std::function<int(int)>;

    explicit TimeScrubber(QWidget* parent = nullptr);

    void setStops(StopFinder previousStop, StopFinder nextStop);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StopFinder m_previousStop;
    StopFinder m_nextStop;
};

}  // namespace dryfriction
