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
    // 50 frames a second or a few more: enough for the eye, and a frame (the
    // strip repainted where the spring and the load were and are) is the
    // larger part of what a run costs. A sample may come a little early.
    static constexpr int kFrameMs = 18;
    static constexpr int kFrameSlackMs = 2;

    explicit LoadFrames(QObject* parent = nullptr);

    // Frames come while the run goes on, until stop(): from the samples when
    // they come at least as often as frames, else from a timer between them.
    void start();
    void stop();
    // A sample was shown; the pause after it lasts `pauseMs`.
    void sampleShown(int pauseMs);

signals:
    // How far through the pause after the sample shown the run is, from 0 on
    // (beyond 1 when the next sample is late).
    void frame(double fraction);

private:
    QTimer m_timer;
    QElapsedTimer m_sinceSample;
    QElapsedTimer m_sinceFrame;
    bool m_running = false;
    int m_pauseMs = 1;
};

}  // namespace dryfriction
