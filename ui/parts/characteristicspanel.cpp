#include "ui/parts/characteristicspanel.h"

#include "ui/parts/clickablelabel.h"
#include "ui/state/problemstate.h"
#include "ui/text/captions.h"
#include "ui/look/controlstyle.h"
#include "ui/look/windowlayout.h"

#include "model/analytic.h"
#include "model/motion.h"

#include <cmath>

namespace dryfriction {

CharacteristicsPanel::CharacteristicsPanel(QWidget* client, const ProblemState& problem)
    : QObject(client), m_problem(problem)
{
    const QColor text = windowTextColor();
    const QFont font = serifFont(11.25);
    const auto value = [&](const char* name, const QString& tip, const QColor& fore = windowTextColor()) {
        return makeLabel(new QLabel(client), name, tip, font, kValueColor, fore, Border::Sunken);
    };
    m_title = makeLabel(new QLabel(tr("Характеристики"), client), "characteristicsTitle",
                        tr("Характеристики движения"), serifFont(11.25, true), kPanelColor, text);
    m_frequency = value("frequencyLabel", tr("Размерная циклическая частота колебаний"));
    m_period = value("periodLabel", tr("Размерный период колебаний"));
    m_zoneHalfWidth = value("zoneHalfWidthLabel", tr("Размерная полуширина зоны застоя"));
    m_velocityScale = value("velocityScaleLabel", tr("Нормировка скорости"));
    m_finalStop = value("finalStopLabel", tr("Безразмерное время конечной остановки"), Qt::black);
    m_firstStop = value("firstStopLabel", tr("безразмерное время начльной остановки"));
    m_amplitude = value("amplitudeLabel", tr("Безразмерная амплитуда колебаний"));

    m_finalCoordinate = new ClickableLabel(finalCoordinatePrefix(), client);
    makeLabel(m_finalCoordinate, "finalCoordinateLabel", QString(), font, kValueColor, text, Border::Sunken);
    m_path = new ClickableLabel(pathPrefix(), client);
    makeLabel(m_path, "pathLabel", QString(), font, kValueColor, text, Border::Sunken);
    describeResults(false);

    connect(m_finalCoordinate, &ClickableLabel::clicked, this, &CharacteristicsPanel::showAnalyticCoordinate);
    connect(m_path, &ClickableLabel::clicked, this, [this] {
        showAnalyticCoordinate();
        showAnalyticPath();
    });
}

void CharacteristicsPanel::showCharacteristics()
{
    const CharacteristicCaptions captions = characteristicCaptions(m_problem.characteristics(), localeDecimalPoint());
    m_frequency->setText(captions.frequency);
    m_period->setText(captions.period);
    m_zoneHalfWidth->setText(captions.zoneHalfWidth);
    m_velocityScale->setText(captions.velocityScale);
    m_amplitude->setText(captions.amplitude);
    m_firstStop->setText(captions.firstStop);
    m_finalStop->setText(captions.finalStop);
}

// What the results are, for the tooltip and a screen reader.
void CharacteristicsPanel::describeResults(bool stopped)
{
    const QString coordinate = stopped
        ? tr("Координата в момент остановки (численно). Нажмите для аналитического расчёта")
        : tr("Конечная координата ( численно). Нажмите для аналитического расчёта");
    const QString path = stopped
        ? tr("Путь к моменту остановки (численно). Нажмите для аналитического расчёта")
        : tr("Путь до конечной остановки ( численно). Нажмите для аналитического расчёта");
    m_finalCoordinate->setToolTip(coordinate);
    m_finalCoordinate->setAccessibleDescription(coordinate);
    m_path->setToolTip(path);
    m_path->setAccessibleDescription(path);
}

void CharacteristicsPanel::showStoppedResult(const RunResult& result)
{
    m_stopTime = result.time;
    describeResults(true);
    m_finalCoordinate->setText(stoppedCoordinate(result.finalX, result.time, localeDecimalPoint()));
    m_path->setText(stoppedPath(result.finalPath, result.time, localeDecimalPoint()));
}

void CharacteristicsPanel::showRunResult(const RunResult& result)
{
    m_stopTime.reset();
    describeResults(false);
    m_finalCoordinate->setText(runFinalCoordinate(result.finalX, localeDecimalPoint()));
    m_path->setText(runFinalPath(result.finalPath, localeDecimalPoint()));
}

void CharacteristicsPanel::resetResults()
{
    m_stopTime.reset();
    describeResults(false);
    m_finalCoordinate->setText(finalCoordinatePrefix());
    m_path->setText(pathPrefix());
}

void CharacteristicsPanel::showAnalyticCoordinate()
{
    if (m_stopTime) {
        const MotionSample exact = exactSampleAt(*m_stopTime, m_problem.parameters(), m_problem.characteristics());
        m_finalCoordinate->setText(analyticCoordinateAt(std::fabs(exact.x), *m_stopTime, localeDecimalPoint()));
        return;
    }
    const float distance = analyticFinalDistance(m_problem.characteristics().firstAmplitude);
    m_finalCoordinate->setText(analyticFinalCoordinate(distance, localeDecimalPoint()));
}

void CharacteristicsPanel::showAnalyticPath()
{
    if (m_stopTime) {
        const MotionSample exact = exactSampleAt(*m_stopTime, m_problem.parameters(), m_problem.characteristics());
        m_path->setText(stoppedPath(exact.path, *m_stopTime, localeDecimalPoint()));
        return;
    }
    const MotionCharacteristics& c = m_problem.characteristics();
    const float distance = analyticFinalDistance(c.firstAmplitude);
    const float path = analyticFinalPath(distance, c.initialEnergy);
    m_path->setText(analyticFinalPathCaption(path, localeDecimalPoint()));
}

QWidget* CharacteristicsPanel::finalCoordinateLabel() const
{
    return m_finalCoordinate;
}

QWidget* CharacteristicsPanel::pathLabel() const
{
    return m_path;
}

void CharacteristicsPanel::place(const WindowLayout& layout)
{
    dryfriction::place(m_title, layout.characteristicsTitle);
    dryfriction::place(m_frequency, layout.frequency);
    dryfriction::place(m_period, layout.period);
    dryfriction::place(m_zoneHalfWidth, layout.zoneHalfWidth);
    dryfriction::place(m_velocityScale, layout.velocityScale);
    dryfriction::place(m_finalStop, layout.finalStop);
    dryfriction::place(m_firstStop, layout.firstStop);
    dryfriction::place(m_amplitude, layout.amplitude);
    dryfriction::place(m_finalCoordinate, layout.finalCoordinate);
    dryfriction::place(m_path, layout.path);
}

}  // namespace dryfriction
