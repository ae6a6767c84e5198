#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace dryfriction {

// The frames of a running run's load. The traces grow sample by sample, but
// a load that jumped from one sample to the next would stutter at a high
// slowdown (a sample every 90 ms); so while a run goes on, every frame tells
// how far the run has come through the pause after the sample shown, and the
// window puts the load where the motion has it at that instant.
class LoadFrames : public QObject {
    Q_OBJECT

public:
    // A little over 60 frames a second, the usual screen rate.
    static constexpr int kFrameMs = 16;

    explicit LoadFrames(QObject* parent = nullptr);

    // Frames come while the run goes on, until stop().
    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }
    // A sample was shown; the pause after it lasts `pauseMs`.
    void sampleShown(int pauseMs);

signals:
    // How far through the pause after the sample shown the run is, from 0 on
    // (beyond 1 when the next sample is late).
    void frame(double fraction);

private:
    QTimer m_timer;
    QElapsedTimer m_sinceSample;
    int m_pauseMs = 1;
};

}  // namespace dryfriction
