#include "ui/parts/runcontrols.h"

#include "ui/parts/timescrubber.h"
#include "ui/text/captions.h"
#include "ui/look/controlstyle.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace dryfriction {

RunControls::RunControls(QWidget* client, QWidget* window) : QObject(client)
{
    m_startButton = new QPushButton(tr("ПУСК"), client);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setToolTip(tr("запуск установки"));
    m_startButton->setFont(sansFont(8.25, true));

    // Esc stops a run, as the start button does while it reads "СТОП".
    m_stopShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    m_stopShortcut->setEnabled(false);

    m_pauseButton = new QPushButton(tr("ПАУЗА"), client);
    m_pauseButton->setObjectName(QStringLiteral("pauseButton"));
    m_pauseButton->setToolTip(tr("пауза (P)"));
    m_pauseButton->setFont(sansFont(8.25, true));
    m_pauseButton->hide();

    // P, its key on a Russian layout (З, U+0417) and the Pause key, wherever
    // the focus is. On a Russian layout with a Latin group the key of P reads
    // as both З and P; Qt calls such a press ambiguous, though both mean the
    // pause here. A Russian layout alone reads it as З only.
    m_pauseShortcut = new QShortcut(window);
    m_pauseShortcut->setObjectName(QStringLiteral("pauseShortcut"));
    m_pauseShortcut->setKeys({QKeySequence(Qt::Key_P), QKeySequence(0x0417), QKeySequence(Qt::Key_Pause)});

    m_timeSlider = new TimeScrubber(client);
    m_timeSlider->setObjectName(QStringLiteral("timeSlider"));
    m_timeSlider->setToolTip(tr("Момент расчёта: ←, → — шаг, PgUp, PgDn — остановки, Home, End — начало и конец"));
    m_timeLabel = makeLabel(new QLabel(client), "timeLabel", tr("Время: безразмерное и в секундах"),
                            serifFont(11.25), kPanelColor, Qt::black);

    connect(m_startButton, &QPushButton::clicked, this, &RunControls::startOrStopAsked);
    connect(m_stopShortcut, &QShortcut::activated, this, &RunControls::stopAsked);
    connect(m_pauseButton, &QPushButton::clicked, this, &RunControls::pauseAsked);
    connect(m_pauseShortcut, &QShortcut::activated, this, &RunControls::pauseAsked);
    connect(m_pauseShortcut, &QShortcut::activatedAmbiguously, this, &RunControls::pauseAsked);
    connect(m_timeSlider, &QSlider::valueChanged, this, &RunControls::scrubbed);
}

void RunControls::place(const WindowLayout& layout)
{
    m_startAlone = layout.startButton;
    m_startBesidePause = layout.startButtonBesidePause;
    m_pausePlace = layout.pauseButton;
    placeButtons();
    dryfriction::place(m_timeLabel, layout.timeLabel);
    dryfriction::place(m_timeSlider, layout.timeSlider);
}

void RunControls::placeButtons()
{
    dryfriction::place(m_startButton, m_pauseButton->isHidden() ? m_startAlone : m_startBesidePause);
    dryfriction::place(m_pauseButton, m_pausePlace);
}

void RunControls::showState(RunController::State state)
{
    using State = RunController::State;
    const bool underWay = state == State::Running || state == State::Paused;
    if (underWay) {
        m_startButton->setText(tr("СТОП"));
        m_startButton->setToolTip(tr("остановка установки (Esc)"));
    } else {
        m_startButton->setText(tr("ПУСК"));
        m_startButton->setToolTip(tr("запуск установки"));
    }
    m_startButton->setAccessibleDescription(m_startButton->toolTip());
    m_stopShortcut->setEnabled(underWay);

    // The pause button reads what it will do.
    const bool paused = state == State::Paused;
    m_pauseButton->setText(paused ? tr("ДАЛЬШЕ") : tr("ПАУЗА"));
    m_pauseButton->setToolTip(paused ? tr("продолжить (P)") : tr("пауза (P)"));
    m_pauseButton->setAccessibleDescription(m_pauseButton->toolTip());
    m_pauseButton->setVisible(underWay);
    placeButtons();
}

void RunControls::showMoment(const RunRecord* run, double omega, bool live)
{
    m_followed.start();
    const QSignalBlocker quiet(m_timeSlider);
    m_timeSlider->setRange(0, run ? static_cast<int>(run->sampleCount()) : 0);
    m_timeSlider->setValue(run ? static_cast<int>(run->shown()) : 0);
    // A slider that goes dead under the user's keys (the run resumed) hands
    // the focus to the button that pauses it again, not to the next control.
    const bool hadFocus = m_timeSlider->hasFocus();
    m_timeSlider->setEnabled(run && live);
    if (hadFocus && !m_timeSlider->isEnabled())
        (m_pauseButton->isVisible() ? m_pauseButton : m_startButton)->setFocus();
    m_timeLabel->setText(momentText(run ? run->shownSample().t : 0.0, omega, localeDecimalPoint()));
}

// While a run goes on, the slider and the label follow it four times a
// second: a sample comes up to a hundred times a second, and redrawing them
// (and telling a screen reader) at every one would cost more than the smooth
// load itself.
void RunControls::followRun(const RunRecord& run, double omega)
{
    constexpr qint64 kFollowMs = 250;
    if (m_followed.isValid() && m_followed.elapsed() < kFollowMs)
        return;
    showMoment(&run, omega, false);
}

}  // namespace dryfriction
