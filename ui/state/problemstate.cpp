#include "ui/state/problemstate.h"

namespace dryfriction {

ProblemState::ProblemState(QObject* parent) : QObject(parent)
{
    derive();
}

void ProblemState::setParameters(const ProblemParameters& p)
{
    m_parameters = p;
    derive();
    emit changed();
}

void ProblemState::derive()
{
    m_characteristics = characteristicsOf(m_parameters, m_characteristics);
    m_ranges = computePlotRanges(m_parameters, m_characteristics);
}

}  // namespace dryfriction
