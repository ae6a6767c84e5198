#pragma once

#include "model/motion.h"

#include <QObject>

#include <optional>

class QLabel;
class QWidget;

namespace dryfriction {

class ClickableLabel;
class ProblemState;
struct WindowLayout;

// The characteristics of the problem in force and the two results of a run:
// the final coordinate and the path. A click on a result shows its value in
// closed form for the problem in force instead, for comparison: at the end of
// the motion, or at the stop time after a stopped run.
class CharacteristicsPanel : public QObject {
    Q_OBJECT

public:
    CharacteristicsPanel(QWidget* client, const ProblemState& problem);

    void showCharacteristics();
    // The results of a run's last sample, at its end.
    void showRunResult(const RunResult& result);
    // The results of the last sample of a run the user stopped, which hold at
    // the time of that sample; a click compares them with the closed form at
    // the same time.
    void showStoppedResult(const RunResult& result);
    // The bare result captions, as before any run.
    void resetResults();
    void place(const WindowLayout& layout);

    // The two results, which the keyboard reaches too.
    QWidget* finalCoordinateLabel() const;
    QWidget* pathLabel() const;

private:
    // The closed-form final coordinate (its distance from the centre); the
    // path shows the closed-form path to the final stop along with it.
    void showAnalyticCoordinate();
    void showAnalyticPath();
    void describeResults(bool stopped);

    const ProblemState& m_problem;
    // The time of the results shown, when a stopped run left them.
    std::optional<float> m_stopTime;
    QLabel* m_title = nullptr;
    QLabel* m_frequency = nullptr;
    QLabel* m_period = nullptr;
    QLabel* m_zoneHalfWidth = nullptr;
    QLabel* m_velocityScale = nullptr;
    QLabel* m_finalStop = nullptr;
    QLabel* m_firstStop = nullptr;
    QLabel* m_amplitude = nullptr;
    ClickableLabel* m_finalCoordinate = nullptr;
    ClickableLabel* m_path = nullptr;
};

}  // namespace dryfriction
