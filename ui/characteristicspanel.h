#pragma once

#include "model/motion.h"

#include <QObject>

class QLabel;
class QWidget;

namespace dryfriction {

class ClickableLabel;
class ProblemState;
struct WindowLayout;

// The characteristics of the problem in force and the two results of a run:
// the final coordinate and the path. A click on a result shows its value in
// closed form for the problem in force instead, for comparison.
class CharacteristicsPanel : public QObject {
    Q_OBJECT

public:
    CharacteristicsPanel(QWidget* client, const ProblemState& problem);

    void showCharacteristics();
    // The results of a run's last sample.
    void showRunResult(const RunResult& result);
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

    const ProblemState& m_problem;
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
