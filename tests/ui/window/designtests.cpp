// The window as it opens, letter for letter: every caption, field text,
// tooltip and menu text a user reads, the fonts and colours, the focus and
// the tab order.

#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

struct Text {
    const char* name;
    const char* text;
};

TEST(WindowDesign, StartupCaptionsAndFields)
{
    WindowHarness h;
    EXPECT_EQ(h.window->windowTitle(), QStringLiteral("Моделирование колебаний при сухом трении"));
    EXPECT_EQ(h.window->clientArea()->size(), QSize(640, 537));

    const Text labels[] = {
        {"parametersTitle", "Параметры задачи"},
        {"massCaption", "m(кг)="},
        {"stiffnessCaption", " к(Н/м)="},
        {"frictionCaption", "μ="},
        {"coordinateCaption", " Xo=xo/a="},
        {"velocityCaption", "Vo/Va="},
        {"timeCaption", "t расч.="},
        {"characteristicsTitle", "Характеристики"},
        {"frequencyLabel", "w= 2.000E+01 рад/с"},
        {"periodLabel", "To= 3.142E-01 с"},
        {"zoneHalfWidthLabel", "a= 4.907E-03 м"},
        {"velocityScaleLabel", "Va= 9.814E-02 м/c"},
        {"amplitudeLabel", "Ao/a= 1.2093E+01 "},
        {"firstStopLabel", "tau_0= 5.191E-01 "},
        {"finalStopLabel", "t_m= 1.937E+01 "},
        {"finalCoordinateLabel", "X_end="},
        {"pathLabel", "П_end="},
        {"slowdownValue", "5"},
    };
    for (const Text& t : labels)
        EXPECT_EQ(h.label(t.name)->text(), QString::fromUtf8(t.text)) << t.name;

    const Text fields[] = {{"massEdit", " .1"},      {"stiffnessEdit", " 40"}, {"frictionEdit", " .2"},
                           {"coordinateEdit", " 9.5"}, {"velocityEdit", " 6"},  {"timeEdit", " 20"}};
    for (const Text& t : fields)
        EXPECT_EQ(h.field(t.name)->text(), QString::fromUtf8(t.text)) << t.name;

    EXPECT_EQ(h.startButton()->text(), QStringLiteral("ПУСК"));
    EXPECT_EQ(h.child<QPushButton>("pauseButton")->text(), QStringLiteral("ПАУЗА"));
    EXPECT_FALSE(h.child<QPushButton>("pauseButton")->isVisible());
    EXPECT_EQ(h.label("timeLabel")->text(), QStringLiteral("t = 0.00  (0.00 с)"));
    EXPECT_EQ(h.child<QGroupBox>("viewChooser")->title(), QStringLiteral("графики"));
    const Text options[] = {{"animationOption", "движение"},
                            {"coordinateOption", "координата"},
                            {"velocityOption", "проекция Vx"},
                            {"energyOption", "энергия"},
                            {"pathOption", "Путь"},
                            {"phaseOption", "фазовый портрет"}};
    for (const Text& t : options)
        EXPECT_EQ(h.child<QRadioButton>(t.name)->text(), QString::fromUtf8(t.text)) << t.name;
    EXPECT_TRUE(h.child<QRadioButton>("animationOption")->isChecked());

    QScrollBar* bar = h.slowdownBar();
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 9);
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_FALSE(bar->hasTracking());  // the change comes when the thumb is released
}

TEST(WindowDesign, TooltipsLetterForLetter)
{
    WindowHarness h;
    const Text tips[] = {
        {"parametersTitle", "Параметры задачи"},
        {"massCaption", "Масса груза"},
        {"massEdit", "Масса груза"},
        {"stiffnessCaption", "Коэффициент жёсткости пружины"},
        {"stiffnessEdit", "Коэффициент жёсткости пружины"},
        {"frictionCaption", "Коэффициент трения скольжения"},
        {"frictionEdit", "коэффициент трения скольжения"},
        {"coordinateCaption", "Начальная координата (безразмерная)"},
        {"coordinateEdit", "Начальная координата (безразмерная)"},
        {"velocityCaption", "Начальная скорость (безразмерная)"},
        {"velocityEdit", "Начальная скорость (безразмерная)"},
        {"timeCaption", "Время расчёта (,безразмерное)"},
        {"timeEdit", "Время расчета (безразмерное)"},
        {"characteristicsTitle", "Характеристики движения"},
        {"frequencyLabel", "Размерная циклическая частота колебаний"},
        {"periodLabel", "Размерный период колебаний"},
        {"zoneHalfWidthLabel", "Размерная полуширина зоны застоя"},
        {"velocityScaleLabel", "Нормировка скорости"},
        {"finalStopLabel", "Безразмерное время конечной остановки"},
        {"firstStopLabel", "безразмерное время начльной остановки"},
        {"amplitudeLabel", "Безразмерная амплитуда колебаний"},
        {"finalCoordinateLabel", "Конечная координата ( численно). Нажмите для аналитического расчёта"},
        {"pathLabel", "Путь до конечной остановки ( численно). Нажмите для аналитического расчёта"},
        {"startButton", "запуск установки"},
        {"pauseButton", "пауза (P)"},
        {"timeSlider", "Момент расчёта: ←, → — шаг, PgUp, PgDn — остановки, Home, End — начало и конец"},
        {"timeLabel", "Время: безразмерное и в секундах"},
        {"viewChooser", ""},
        {"animationOption", "Анимация движения"},
        {"coordinateOption", "Зависимость координаты от времени"},
        {"velocityOption", "Зависимость проекции скорости от времени"},
        {"energyOption", "Зависимость полной механической энергии от времени (нормированная на начальную)"},
        {"pathOption", "Зависимость пути от времени"},
        {"phaseOption", "Фазовый портрет: скорость Vx/Va от координаты x/a"},
        {"animationView", "Анимация движения"},
        {"coordinateView", "Зависимость координаты от времени"},
        {"velocityView", "Зависимость проекции скорости от времени"},
        {"energyView", "Зависимость полной механической энергии от времени (нормированная на начальную)"},
        {"pathView", "Зависимость пути от времени"},
        {"phaseView", "Фазовый портрет: скорость Vx/Va от координаты x/a"},
        {"slowdownBar", ""},
        {"slowdownValue", "Замедление времени"},
    };
    for (const Text& t : tips)
        EXPECT_EQ(h.child<QWidget>(t.name)->toolTip(), QString::fromUtf8(t.text)) << t.name;
}

TEST(WindowDesign, MenuTreeWithAccessKeys)
{
    WindowHarness h;
    const QList<QAction*> top = h.window->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->menu()->objectName(), QStringLiteral("fileMenu"));
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Файл"));
    EXPECT_EQ(top[1]->menu()->objectName(), QStringLiteral("helpMenu"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Помощь"));

    auto items = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << a->objectName() + "=" + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(items(top[0]->menu()),
              (QStringList{"theoryAction=Справка1", "problemsAction=Справка2",
                           "labAction=Лабораторная работа", "coulombAction=Кулон",
                           "amontonsAction=Амонтон", "resultsSeparator=-", "saveGraphAction=Сохранить график…",
                           "copyGraphAction=Копировать график", "saveDataAction=Сохранить данные…"}));
    EXPECT_EQ(items(top[1]->menu()),
              (QStringList{"instructionAction=Инструкция", "controlsAction=Управление", "helpSeparator=-",
                           "authorsAction=Авторы", "aboutAction=О программе"}));
}

TEST(WindowDesign, FontsAndColours)
{
    WindowHarness h;
    struct FontRow {
        const char* name;
        const char* family;
        qreal points;
        bool bold;
    };
    const FontRow fonts[] = {
        {"parametersTitle", "Times New Roman", 11.25, true},
        {"characteristicsTitle", "Times New Roman", 11.25, true},
        {"massCaption", "Times New Roman", 11.25, false},
        {"coordinateEdit", "Times New Roman", 11.25, false},
        {"frictionCaption", "Times New Roman", 11.25, false},
        {"finalCoordinateLabel", "Times New Roman", 11.25, false},
        {"slowdownValue", "Times New Roman", 11.25, false},
        {"startButton", "MS Sans Serif", 8.25, true},
        {"pauseButton", "MS Sans Serif", 8.25, true},
        {"timeLabel", "Times New Roman", 11.25, false},
        {"viewChooser", "MS Sans Serif", 8.25, false},
        {"velocityOption", "MS Sans Serif", 8.25, false},
    };
    for (const FontRow& f : fonts) {
        const QFont font = h.child<QWidget>(f.name)->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(f.family)) << f.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), f.points) << f.name;
        EXPECT_EQ(font.bold(), f.bold) << f.name;
    }
    // The views' text: the strip in the sans-serif face, the graphs in the serif.
    const FontRow viewFonts[] = {
        {"animationView", "MS Sans Serif", 8.25, false}, {"coordinateView", "Times New Roman", 9.75, false},
        {"velocityView", "Times New Roman", 9, false},   {"energyView", "Times New Roman", 9, false},
        {"pathView", "Times New Roman", 9, false},       {"phaseView", "Times New Roman", 9, false},
    };
    for (const FontRow& f : viewFonts) {
        const QFont font = h.view(f.name)->canvas().font();
        EXPECT_EQ(font.family(), QString::fromLatin1(f.family)) << f.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), f.points) << f.name;
    }

    const QColor grey(224, 224, 224), cyan(192, 255, 255), yellow(255, 255, 192);
    EXPECT_EQ(h.window->clientArea()->palette().color(QPalette::Window), grey);
    for (const char* name : {"massCaption", "timeCaption", "parametersTitle", "characteristicsTitle", "slowdownValue"})
        EXPECT_EQ(h.label(name)->palette().color(QPalette::Window), grey) << name;
    for (const char* name : {"frequencyLabel", "periodLabel", "zoneHalfWidthLabel", "amplitudeLabel", "firstStopLabel",
                             "finalStopLabel", "velocityScaleLabel", "finalCoordinateLabel", "pathLabel"}) {
        EXPECT_EQ(h.label(name)->palette().color(QPalette::Window), cyan) << name;
        EXPECT_NE(h.label(name)->frameShape(), QFrame::NoFrame) << name;
    }
    EXPECT_EQ(h.label("massCaption")->frameShape(), QFrame::NoFrame);
    for (const char* name : kFieldNames)
        EXPECT_EQ(h.field(name)->palette().color(QPalette::Base), yellow) << name;
    // Disabled during a run, fields and button look disabled: greyed text.
    const QPalette field = h.field("massEdit")->palette();
    EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Base), yellow);
    EXPECT_NE(field.color(QPalette::Disabled, QPalette::Text), field.color(QPalette::Active, QPalette::Text));
    const QPalette button = h.startButton()->palette();
    EXPECT_NE(button.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::red));
    EXPECT_NE(button.color(QPalette::Disabled, QPalette::ButtonText),
              button.color(QPalette::Active, QPalette::ButtonText));
    // The window's red foreground reaches no control's text.
    for (const char* name : {"massCaption", "frequencyLabel", "viewChooser", "animationOption"})
        EXPECT_NE(h.child<QWidget>(name)->palette().color(QPalette::WindowText), QColor(Qt::red)) << name;
    EXPECT_EQ(h.window->clientArea()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(h.label("finalStopLabel")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(h.label("slowdownValue")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    // The strip is black on white, the first two graphs white, the last two in
    // the document colour; what the window shows of the strip is its image.
    const QColor document = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(h.view("animationView")->canvas().backColor(), QColor(Qt::white));
    EXPECT_EQ(h.view("animationView")->canvas().foreColor(), QColor(Qt::black));
    EXPECT_EQ(h.view("coordinateView")->canvas().backColor(), QColor(Qt::white));
    EXPECT_EQ(h.view("velocityView")->canvas().backColor(), QColor(Qt::white));
    EXPECT_EQ(h.view("energyView")->canvas().backColor(), document);
    EXPECT_EQ(h.view("pathView")->canvas().backColor(), document);
    const QImage shot = h.view("animationView")->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(Qt::white));
}

TEST(WindowDesign, StartButtonHasTheFocusAndLeadsTheTabOrder)
{
    WindowHarness h;
    EXPECT_EQ(h.window->focusWidget(), h.startButton());
    // The pause button and the time slider are in the chain, though Tab passes
    // them by at rest: the one is hidden, the other disabled.
    const char* chain[] = {"startButton",      "pauseButton",    "massEdit",       "stiffnessEdit",
                           "frictionEdit",     "coordinateEdit", "velocityEdit",   "timeEdit",
                           "animationOption",  "coordinateOption", "velocityOption", "energyOption",
                           "pathOption",       "phaseOption",    "slowdownBar",    "timeSlider",
                           "finalCoordinateLabel", "pathLabel"};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget* next = h.child<QWidget>(chain[i])->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), QString::fromLatin1(chain[i + 1])) << chain[i];
    }
}

TEST(WindowDesign, CloseButtonButNoMinimiseOrMaximise)
{
    WindowHarness h;
    const Qt::WindowFlags flags = h.window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

}  // namespace
}  // namespace dryfriction::test
