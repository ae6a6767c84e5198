#pragma once

#include "ui/platform/services.h"
#include "ui/state/problemstate.h"
#include "ui/state/runcontroller.h"
#include "ui/look/windowlayout.h"

#include "model/inputrules.h"
#include "model/motion.h"
#include "model/runrecord.h"

#include <QMainWindow>

#include <cstddef>
#include <memory>

class QLabel;
class QScrollBar;

namespace dryfriction {

class CharacteristicsPanel;
class LoadFrames;
class ParameterPanel;
class ProgramMenus;
class ResultExport;
class RunControls;
class ViewChooser;
class ViewStack;

// The main window: the problem's parameters, its characteristics, the views
// and the start of a run. It applies the user's edits to the problem, lays
// itself out at any size, starts and stops runs and shows what they report.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ProblemState& problem() const { return m_problem; }
    int slowdown() const { return m_run.slowdown(); }
    bool isRunning() const { return m_run.isUnderWay(); }

    // The client area (everything below the menu bar), where the controls live.
    QWidget* clientArea() const { return m_client; }
    // The authors window, once it has been shown.
    QWidget* authorsWindow() const;

    // The window's caption at rest.
    static QString restCaption();
    // The initial size of the client area.
    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 537;

    // Lays the window out for its size and shows the problem in force afresh:
    // the fields' texts, the characteristics and the views; with the traces
    // and results of the last run that ended, unless the problem changed since.
    void refresh();

signals:
    // A run has ended, after its last sample or stopped by the user.
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createSlowdown();
    WindowLayout currentLayout() const;
    void connectParts();
    void takeTyping(InputField field, const QString& text);
    void applyEdit(InputField field, const QString& text);
    void showNewProblem();
    void startOrStopRun();
    void startRun();
    void stopRun();
    // The pause button, P (on a Russian layout the same key, З) or the Pause key.
    void togglePause();
    // The run's state shown: the controls locked or free, the buttons' captions,
    // the size lock and the caption; at its end the results and the end's beep.
    void showRunState(RunController::State state);
    // The views, the load, the readout and the results at the moment shown.
    void showMoment(std::size_t previous, std::size_t shown);
    // The results of the run at the moment shown: a stopped or paused run's
    // hold at that time and say so, a finished run's are its final ones.
    void showRunResult();
    void showMomentControls();
    void scrubTo(int count);
    // The load where the moment shown has it; during a run, where the motion
    // has it `fraction` of the way through the pause after that moment.
    void placeLoad();
    void moveLoad(double fraction);
    void lockRun(bool locked);
    bool showViewChosen();
    void showChosenView();
    void setSlowdown(int slowdown);
    void lockSize(bool locked);
    void beep(int units);

    Services m_services;
    ProblemState m_problem;
    RunController m_run;
    // Set once the exit is confirmed: the window then closes without asking again.
    bool m_exiting = false;
    // The run state the window shows, so that a run's start and end are told
    // from a pause and a resume.
    RunController::State m_shownState = RunController::State::Idle;
    // The client area's size when the running run was laid out.
    QSize m_runClientSize;

    QWidget* m_client = nullptr;
    RunControls* m_runControls = nullptr;
    ParameterPanel* m_parameters = nullptr;
    CharacteristicsPanel* m_characteristics = nullptr;
    ViewChooser* m_chooser = nullptr;
    ViewStack* m_views = nullptr;
    LoadFrames* m_loadFrames = nullptr;
    QScrollBar* m_slowdownBar = nullptr;
    QLabel* m_slowdownValue = nullptr;
    ProgramMenus* m_menus = nullptr;
    ResultExport* m_results = nullptr;
};

}  // namespace dryfriction
