#pragma once

#include "services.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace dryfriction {

// The pause between two samples of a run: a single-shot precise timer,
// re-armed for every sample, so the window handles its events in between and
// nothing spins.
class TimerPacingClock final : public QObject, public PacingClock {
    Q_OBJECT

public:
    explicit TimerPacingClock(QObject* parent = nullptr);

    void start(int ms, std::function<void()> tick) override;
    void stop() override;
    bool isActive() const override;

private:
    void fire();

    QTimer m_timer;
    std::function<void()> m_tick;
};

}  // namespace dryfriction
