#include "ui/window/mainwindow.h"

#include "ui/export/resultexport.h"
#include "ui/parts/canvaswidget.h"
#include "ui/parts/characteristicspanel.h"
#include "ui/parts/loadframes.h"
#include "ui/parts/parameterpanel.h"
#include "ui/parts/runcontrols.h"
#include "ui/parts/slowdownbar.h"
#include "ui/parts/timescrubber.h"
#include "ui/parts/viewchooser.h"
#include "ui/parts/viewstack.h"
#include "ui/text/captions.h"
#include "ui/text/rulemessages.h"
#include "ui/window/accessibility.h"
#include "ui/window/authorswindow.h"
#include "ui/look/controlstyle.h"
#include "ui/window/programmenus.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <utility>

namespace dryfriction {

namespace {

// The tone is 880 Hz; its length is counted in units of 12 ms.
constexpr int kToneHz = 880;
constexpr int kToneUnitMs = 12;
constexpr int kErrorBeep = 25;  // 300 ms, for a rejected value
constexpr int kEndBeep = 50;    // 600 ms, at the end of a run

constexpr QColor kForegroundRed{255, 0, 0};

}  // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_services(services),
      m_run(*services.clock)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(restCaption());

    // The client area: light grey with a red foreground and a large window
    // font, though nothing is drawn on it; every control sets its own.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    setColors(m_client, kPanelColor, kForegroundRed);
    m_client->setFont(sansFont(24));
    setCentralWidget(m_client);

    // The start button comes first: it is first in the tab order and has the
    // focus when the window opens.
    m_runControls = new RunControls(m_client, this);
    m_runControls->startButton()->setFocus();

    m_parameters = new ParameterPanel(m_client);
    m_characteristics = new CharacteristicsPanel(m_client, m_problem);
    m_chooser = new ViewChooser(m_client);
    m_views = new ViewStack(m_client);
    m_loadFrames = new LoadFrames(this);
    createSlowdown();

    QWidget::setTabOrder(m_runControls->startButton(), m_runControls->pauseButton());
    QWidget* previous = m_runControls->pauseButton();
    for (InputField f : {InputField::Mass, InputField::Stiffness, InputField::Friction, InputField::X0,
                         InputField::V0, InputField::Time}) {
        QWidget::setTabOrder(previous, m_parameters->field(f));
        previous = m_parameters->field(f);
    }
    // Tab enters the view options at the chosen one, arrows move among them.
    for (int view = 0; view < m_views->count(); ++view) {
        QWidget::setTabOrder(previous, m_chooser->option(view));
        previous = m_chooser->option(view);
    }
    QWidget::setTabOrder(previous, m_slowdownBar);
    QWidget::setTabOrder(m_slowdownBar, m_runControls->timeSlider());
    QWidget::setTabOrder(m_runControls->timeSlider(), m_characteristics->finalCoordinateLabel());
    QWidget::setTabOrder(m_characteristics->finalCoordinateLabel(), m_characteristics->pathLabel());

    m_menus = new ProgramMenus(*this, *m_services.messages, *m_services.documents);
    m_results = new ResultExport(*this, *m_views, m_problem, *m_services.messages, *m_services.files,
                                 *m_services.clipboard);
    m_menus->addResultCommands(*m_results);
    connectParts();

    // Nothing is computed until the first resize of the client area, which
    // comes when the window is shown. The menu bar lies outside the client
    // area, so the window is taller by it.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    m_client->resize(kClientWidth, kClientHeight);
    nameForScreenReaders(*this);
}

MainWindow::~MainWindow() = default;

QString MainWindow::restCaption()
{
    return tr("Моделирование колебаний при сухом трении");
}

QWidget* MainWindow::authorsWindow() const
{
    return m_menus->authorsWindow();
}

// The slowdown: whole values 1 (left) to 9 (right). Its change comes on a
// click, a key, or when the thumb is released, not while it is dragged.
void MainWindow::createSlowdown()
{
    m_slowdownBar = new SlowdownBar(m_client);
    m_slowdownBar->setObjectName(QStringLiteral("slowdownBar"));
    m_slowdownBar->setRange(RunController::kMinSlowdown, RunController::kMaxSlowdown);
    m_slowdownBar->setSingleStep(1);
    m_slowdownBar->setPageStep(1);
    m_slowdownBar->setValue(m_run.slowdown());
    m_slowdownBar->setTracking(false);

    m_slowdownValue = makeLabel(new QLabel(m_client), "slowdownValue", tr("Замедление времени"), serifFont(11.25),
                                kPanelColor, Qt::black);
    m_slowdownValue->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void MainWindow::connectParts()
{
    m_client->installEventFilter(this);
    connect(&m_problem, &ProblemState::changed, this, &MainWindow::showNewProblem);
    connect(m_parameters, &ParameterPanel::typed, this, &MainWindow::takeTyping);
    connect(m_parameters, &ParameterPanel::completed, this, &MainWindow::applyEdit);
    connect(m_parameters, &ParameterPanel::keyRefused, this, [this] { beep(kErrorBeep); });
    connect(m_runControls, &RunControls::startOrStopAsked, this, &MainWindow::startOrStopRun);
    connect(m_runControls, &RunControls::stopAsked, this, &MainWindow::stopRun);
    connect(m_runControls, &RunControls::pauseAsked, this, &MainWindow::togglePause);
    connect(m_runControls, &RunControls::scrubbed, this, &MainWindow::scrubTo);
    connect(m_slowdownBar, &QScrollBar::valueChanged, this, &MainWindow::setSlowdown);
    connect(m_chooser, &ViewChooser::viewChosen, this, &MainWindow::showChosenView);
    connect(&m_run, &RunController::stateChanged, this, &MainWindow::showRunState);
    connect(&m_run, &RunController::momentChanged, this, &MainWindow::showMoment);
    const auto stop = [this](auto find) {
        return [this, find](int moment) {
            const auto record = m_run.record();
            return record ? static_cast<int>(find(*record, static_cast<std::size_t>(moment))) : moment;
        };
    };
    m_runControls->timeSlider()->setStops(stop([](const RunRecord& r, std::size_t k) { return r.previousStop(k); }),
                           stop([](const RunRecord& r, std::size_t k) { return r.nextStop(k); }));
    connect(m_loadFrames, &LoadFrames::frame, this, &MainWindow::moveLoad);
}

WindowLayout MainWindow::currentLayout() const
{
    return computeLayout(static_cast<float>(m_client->width()), static_cast<float>(m_client->height()),
                         m_views->count());
}

void MainWindow::refresh()
{
    const WindowLayout layout = currentLayout();
    m_parameters->place(layout);
    m_characteristics->place(layout);
    m_runControls->place(layout);
    m_chooser->place(layout);
    m_views->place(layout);
    place(m_slowdownBar, layout.slowdownBar);
    place(m_slowdownValue, layout.slowdownValue);
    // Every view is drawn afresh below, a strip of a new size with them.
    showViewChosen();

    const ProblemParameters& p = m_problem.parameters();
    for (InputField f : {InputField::Mass, InputField::Stiffness, InputField::Friction, InputField::X0,
                         InputField::V0, InputField::Time}) {
        // What the user is typing stays as typed until the field is left.
        if (!m_parameters->isBeingTyped(f))
            m_parameters->showText(f, QString::fromStdString(fieldText(f, p)));
    }
    m_slowdownValue->setText(QString::number(m_run.slowdown()));
    showMomentControls();
    // Rewriting a field whose text was not the canonical one is an edit, which
    // forgets the last run: so the run is looked at only now.
    showRunResult();
    m_characteristics->showCharacteristics();

    const ViewTexts texts = viewTexts(localeDecimalPoint());
    m_views->clear();
    m_views->drawFrames(m_problem.ranges(), p.x0, texts);
    if (const auto record = m_run.record())
        m_views->showRun(record);
}

// The traces and results of a run belong to the problem it ran; any edit,
// even one that stores the same values, starts afresh without them.
void MainWindow::showNewProblem()
{
    m_run.forget();
    refresh();
}

// A key in a field: a value that passes the rules is applied at once and the
// field keeps what was typed; one that more keys may still mend waits for the
// user to leave the field; one no key can mend is a complete edit now, whose
// correction is selected so that the next key starts a new number rather
// than extend the correction into a value nobody typed.
void MainWindow::takeTyping(InputField field, const QString& text)
{
    const TypingOutcome typed = typingOutcome(field, text.toStdString(), m_problem.parameters());
    switch (typed.verdict) {
    case TypingVerdict::Accepted:
        m_problem.setParameters(typed.parameters);
        break;
    case TypingVerdict::Waiting:
        break;
    case TypingVerdict::Rejected:
        applyEdit(field, text);
        m_parameters->replaceTyping(field);
        break;
    }
}

// A complete edit, when the user is done with a field: the text is read,
// checked, corrected with a message when it makes no sense, and the field
// shows the canonical text of what was stored; then the problem is applied.
void MainWindow::applyEdit(InputField field, const QString& text)
{
    const EditOutcome outcome = applyFieldText(field, text.toStdString(), m_problem.parameters());
    for (const EditPass& pass : outcome.passes) {
        if (pass.correction) {
            if (pass.correction->beep)
                beep(kErrorBeep);
            m_services.messages->inform(this, tr("Ошибка"), ruleMessage(pass.correction->rule));
        }
        m_parameters->showText(field, QString::fromStdString(pass.text));
    }
    m_problem.setParameters(outcome.parameters);
}

void MainWindow::startOrStopRun()
{
    if (m_run.isUnderWay())
        stopRun();
    else
        startRun();
}

void MainWindow::startRun()
{
    if (m_run.isUnderWay())
        return;
    // The run starts from what the fields show.
    m_parameters->completeTyping();
    m_run.start(m_problem.parameters(), m_problem.characteristics());
}

// Stopped, a run keeps what it drew and shows the results of the moment
// shown, at its time; the end's beep is left out, the user having asked for
// the stop.
void MainWindow::stopRun()
{
    m_run.stop();
}

void MainWindow::togglePause()
{
    if (m_run.state() == RunController::State::Running)
        m_run.pause();
    else
        m_run.resume();
}

void MainWindow::showRunState(RunController::State state)
{
    using State = RunController::State;
    const State before = std::exchange(m_shownState, state);
    const bool wasUnderWay = before == State::Running || before == State::Paused;
    const bool underWay = m_run.isUnderWay();
    m_runControls->showState(state);
    if (state == State::Running)
        m_loadFrames->start();
    else
        m_loadFrames->stop();

    if (underWay && !wasUnderWay) {
        // A new run: results reset, the graphs' frames and the run's preamble
        // drawn afresh, the window locked while it draws.
        lockRun(true);
        refresh();
        m_runClientSize = m_client->size();
        return;
    }
    if (!underWay && wasUnderWay) {
        showRunResult();
        if (!m_run.wasStopped())
            beep(kEndBeep);
        lockRun(false);
        placeLoad();
        showMomentControls();
        // A window manager that ignores the lock may have resized the window
        // meanwhile: the controls are laid out for the new size only now.
        if (m_client->size() != m_runClientSize)
            refresh();
        emit runFinished();
        return;
    }
    // Paused or going on: the results of the moment, or none while running.
    showRunResult();
    placeLoad();
    showMomentControls();
}

// The time slider follows the moment shown; the user may move it once the
// run is paused or has ended.
void MainWindow::showMomentControls()
{
    const auto record = m_run.record();
    const double omega = record ? record->characteristics().omega : m_problem.characteristics().omega;
    m_runControls->showMoment(record.get(), omega, record && !m_run.isRunning());
}

// The user moved the time slider.
void MainWindow::scrubTo(int count)
{
    m_run.scrub(static_cast<std::size_t>(std::max(count, 0)));
    // Not live (a run going on, or none): the slider goes back to the moment.
    showMomentControls();
}

void MainWindow::showMoment(std::size_t previous, std::size_t shown)
{
    m_views->showMoment(previous, shown);
    if (m_run.isRunning()) {
        m_runControls->followRun(*m_run.record(), m_run.record()->characteristics().omega);
        m_loadFrames->sampleShown(m_run.pauseMs());
        return;
    }
    showMomentControls();
    placeLoad();
    showRunResult();
}

void MainWindow::placeLoad()
{
    if (const auto record = m_run.record())
        m_views->moveLoadTo(record->shownSample().x);
}

// Only the strip in sight is worth moving; hidden, it is placed at the end.
void MainWindow::moveLoad(double fraction)
{
    const auto record = m_run.record();
    if (!record || !m_views->strip()->isVisible())
        return;
    m_views->moveLoadTo(exactSampleAt(m_run.loadTime(fraction), record->parameters(), record->characteristics()).x);
}

void MainWindow::showRunResult()
{
    const auto record = m_run.record();
    if (!record || m_run.isRunning()) {
        m_characteristics->resetResults();
        return;
    }
    const bool atTheEnd = m_run.state() == RunController::State::Ended && !m_run.wasStopped()
                          && record->shown() == record->sampleCount();
    if (atTheEnd)
        m_characteristics->showRunResult(record->resultShown());
    else
        m_characteristics->showStoppedResult(record->resultShown());
}

// Under way, the fields are locked, and the size too while the run draws,
// the window staying where it is; the caption says so.
void MainWindow::lockRun(bool locked)
{
    m_parameters->setEditable(!locked);
    lockSize(locked);
    setWindowTitle(locked ? tr("При работе размер окна изменить нельзя!") : restCaption());
}

// The view chosen is shown, the strip above it where there is room for both;
// the slowdown bar and its value show with the strip, the view a run paces
// visibly. Returns whether the strip changed size.
bool MainWindow::showViewChosen()
{
    const bool stripResized = m_views->showChosen(m_chooser->currentView());
    const bool strip = !m_views->strip()->isHidden();
    m_slowdownBar->setVisible(strip);
    m_slowdownValue->setVisible(strip);
    return stripResized;
}

// Another view chosen, also during a run. A strip of a new size is blank: the
// views are drawn afresh at the moment shown.
void MainWindow::showChosenView()
{
    if (showViewChosen())
        refresh();
}

// Also during a run: the new value governs the pause after the next sample.
void MainWindow::setSlowdown(int slowdown)
{
    m_run.setSlowdown(slowdown);
    m_slowdownValue->setText(QString::number(slowdown));
}

// Locked, the window cannot be resized but stays shown and in place (changing
// the window flags would hide and re-create it). update() gets the new size
// hints to the window system at once.
void MainWindow::lockSize(bool locked)
{
    if (locked) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    update();
}

// Returns when the tone has ended.
void MainWindow::beep(int units)
{
    m_services.tone->play(kToneHz, units * kToneUnitMs);
}

// Closing asks first. Yes ends the program at once, a run and the authors
// window with it; No keeps everything as it was.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (!m_services.messages->askYesNo(this, tr("На Выход"), tr("Вы абсолютно уверены?"))) {
        event->ignore();
        return;
    }
    m_exiting = true;
    // The program ends: the run stops without showing an end.
    const QSignalBlocker quiet(&m_run);
    m_run.stop();
    if (QWidget* authors = authorsWindow())
        authors->close();
    event->accept();
    m_services.exit->exitProgram();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A resize of the client area relays out and redraws everything. During
    // a run the window is locked against resizing; should a resize come
    // through all the same, it is not allowed to wipe the traces being drawn:
    // the controls keep their places until the run ends.
    if (watched == m_client && event->type() == QEvent::Resize && !m_run.isUnderWay())
        refresh();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace dryfriction
