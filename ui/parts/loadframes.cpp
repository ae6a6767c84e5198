#include "ui/parts/loadframes.h"

#include <algorithm>

namespace dryfriction {

LoadFrames::LoadFrames(QObject* parent) : QObject(parent)
{
    m_timer.setObjectName(QStringLiteral("loadFrameTimer"));
    m_timer.setInterval(kFrameMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const double elapsedMs = static_cast<double>(m_sinceSample.nsecsElapsed()) / 1e6;
        emit frame(elapsedMs / m_pauseMs);
    });
}

void LoadFrames::start()
{
    m_sinceSample.start();
    m_timer.start();
}

void LoadFrames::stop()
{
    m_timer.stop();
}

void LoadFrames::sampleShown(int pauseMs)
{
    m_pauseMs = std::max(pauseMs, 1);
    m_sinceSample.start();
}

}  // namespace dryfriction
