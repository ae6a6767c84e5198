#pragma once

#include "services.h"

#include "animationview.h"
#include "axes.h"
#include "views.h"

#include "characteristics.h"
#include "motion.h"
#include "parameters.h"
#include "plotranges.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace dryfriction {

class CanvasWidget;
class ClickableLabel;
class Form2;
enum class InputField;

// The main window. It owns every value of the program: the parameters, their
// characteristics, the plot ranges, the slowdown and the state of a run. Its
// methods keep the names of the procedures they carry out; each concern lives
// in its own source file:
//   form1.cpp         construction, state
//   form1_design.cpp  controls, texts, fonts, colours, menus
//   form1_layout.cpp  Form_Resize, layout, selectGraph
//   form1_input.cpp   Text1_Change .. Text6_Change, zvuk
//   form1_run.cpp     CmdOK_Click, raschet3, pacing, HScroll1_Change, results
//   form1_menus.cpp   documents, About, Authors, exit confirmation
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    const ProblemParameters& parameters() const { return m_params; }
    const MotionCharacteristics& characteristics() const { return m_chars; }
    const PlotRanges& ranges() const { return m_ranges; }
    std::int16_t slowdown() const { return m_slowdown; }
    bool isRunning() const { return m_running; }

    // The client area (everything below the menu bar), where the controls live.
    QWidget* clientArea() const { return m_client; }
    // The Authors window, once it has been shown.
    QWidget* authorsWindow() const;

    // The window's caption at rest.
    static QString restCaption();
    // The initial size of the client area.
    static constexpr int kClientWidth = 640;
    static constexpr int kClientHeight = 537;

    // The central refresh: layout, characteristics, clearing, ranges, frames.
    void Form_Resize();

signals:
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // form1_design.cpp
    void createControls();
    void createInputColumn();
    void createCharacteristics();
    void createGraphChoice();
    void createViews();
    void createMenus();
    void connectHandlers();

    // form1_layout.cpp
    void layout();
    void selectGraph();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void clearCanvases();
    void drawFrames();  // minmax, axes, axes_2 .. axes_5

    // form1.cpp
    void parametr();
    // The five picture boxes as the drawing layer sees them.
    Views views();

    // form1_input.cpp
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void zvuk(int n);
    bool acceptInput(InputField field, const QLineEdit* edit);
    void numberFieldChanged(InputField field, QLineEdit* edit);

    // form1_run.cpp
    void CmdOK_Click();
    void raschet3Begin();
    void raschet3Step();
    void raschet3End();
    void HScroll1_Change();
    void Label19_Click();
    void Label7_Click();
    void analytic_xend();
    void analytic_pend();
    void lockWindow(bool locked);
    void updateGraphWidgets();
    // Ends a run at once, without its end-of-run steps; closeEvent calls it
    // when the exit is confirmed during a run.
    void stopRun();

    // form1_menus.cpp
    void openDocument(const QString& fileName,
                      bool (DocumentOpener::*open)(const QString&) = &DocumentOpener::openDocument);
    void mnuFilespravka_Click();
    void mnuFilespravka2_Click();
    void mnuFilesHistory1_Click();
    void mnuFilesHistory2_Click();
    void mnuHelpUprav_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpAbout_Click();
    void mnuHelpAvtors_Click();

    QString decimalPoint() const;

    Services m_services;

    // --- state ---
    ProblemParameters m_params = kStartupParameters;
    MotionCharacteristics m_chars;
    PlotRanges m_ranges;
    std::int16_t m_slowdown = 5;
    float m_xendAn = 0;
    float m_pendAn = 0;
    // Where the load and the spring stand over Picture1 (set by axes, moved by a run).
    SetupPlacement m_placement;
    // The graphs' time grid, worked out by axes_2.
    TimeGrid m_timeGrid;
    // Set once the exit is confirmed: the window then closes without asking again.
    bool m_exiting = false;

    // --- run state (form1_run.cpp) ---
    bool m_running = false;
    // The sampling loop of the current or last run; its last sample stays.
    std::optional<MotionRun> m_run;
    std::int16_t m_animationCounter = 0;

    // --- controls (objectName = member name without m_) ---
    QWidget* m_client = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    ClickableLabel* Label19 = nullptr;
    ClickableLabel* Label7 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* CmdOK = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    CanvasWidget* Picture1 = nullptr;
    CanvasWidget* Picture2 = nullptr;
    CanvasWidget* Picture3 = nullptr;
    CanvasWidget* Picture4 = nullptr;
    CanvasWidget* Picture5 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFilespravka = nullptr;
    QAction* mnuFilespravka2 = nullptr;
    QAction* mnuFilesHistory1 = nullptr;
    QAction* mnuFilesHistory2 = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpInstruction = nullptr;
    QAction* mnuHelpUprav = nullptr;
    QAction* mnuHelpSep1 = nullptr;
    QAction* mnuHelpAvtors = nullptr;
    QAction* mnuHelpAbout = nullptr;
    Form2* m_form2 = nullptr;
};

}  // namespace dryfriction
