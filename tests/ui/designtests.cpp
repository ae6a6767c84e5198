// The window as it opens: every caption, field text, tooltip, font and colour,
// the focus and the tab order, the menu tree.

#include "formharness.h"

#include <QAction>
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
    FormHarness h;
    EXPECT_EQ(h.form->windowTitle(), QStringLiteral("Моделирование колебаний при сухом трении"));
    EXPECT_EQ(h.form->clientArea()->size(), QSize(640, 537));

    const Text labels[] = {
        {"Label10", "Параметры задачи"},
        {"Label1", "m(кг)="},
        {"Label2", " к(Н/м)="},
        {"Label3", "μ="},
        {"Label4", " Xo=xo/a="},
        {"Label5", "Vo/Va="},
        {"Label6", "t расч.="},
        {"Label11", "Характеристики"},
        {"Label12", "w= 2.000E+01 рад/с"},
        {"Label13", "To= 3.142E-01 с"},
        {"Label14", "a= 4.907E-03 м"},
        {"Label18", "Va= 9.814E-02 м/c"},
        {"Label15", "Ao/a= 1.2093E+01 "},
        {"Label16", "tau_0= 5.191E-01 "},
        {"Label17", "t_m= 1.937E+01 "},
        {"Label19", "X_end="},
        {"Label7", "П_end="},
        {"Label21", "5"},
    };
    for (const Text& t : labels)
        EXPECT_EQ(h.label(t.name)->text(), QString::fromUtf8(t.text)) << t.name;

    const Text fields[] = {{"Text1", " .1"}, {"Text2", " 40"}, {"Text3", " .2"},
                           {"Text4", " 9.5"}, {"Text5", " 6"}, {"Text6", " 20"}};
    for (const Text& t : fields)
        EXPECT_EQ(h.field(t.name)->text(), QString::fromUtf8(t.text)) << t.name;

    EXPECT_EQ(h.start()->text(), QStringLiteral("ПУСК"));
    EXPECT_EQ(h.child<QGroupBox>("Frame1")->title(), QStringLiteral("графики"));
    const Text options[] = {{"Option1", "движение"}, {"Option2", "координата"},
                            {"Option3", "проекция Vx"}, {"Option4", "энергия"}, {"Option5", "Путь"}};
    for (const Text& t : options)
        EXPECT_EQ(h.child<QRadioButton>(t.name)->text(), QString::fromUtf8(t.text)) << t.name;
    EXPECT_TRUE(h.child<QRadioButton>("Option1")->isChecked());

    auto* scroll = h.child<QScrollBar>("HScroll1");
    EXPECT_EQ(scroll->minimum(), 1);
    EXPECT_EQ(scroll->maximum(), 9);
    EXPECT_EQ(scroll->value(), 5);
    EXPECT_EQ(scroll->singleStep(), 1);
    EXPECT_FALSE(scroll->hasTracking());  // the change comes when the thumb is released
}

TEST(WindowDesign, TooltipsLetterForLetter)
{
    FormHarness h;
    const Text tips[] = {
        {"Label10", "Параметры задачи"},
        {"Label1", "Масса груза"},
        {"Text1", "Масса груза"},
        {"Label2", "Коэффициент жёсткости пружины"},
        {"Text2", "Коэффициент жёсткости пружины"},
        {"Label3", "Коэффициент трения скольжения"},
        {"Text3", "коэффициент трения скольжения"},
        {"Label4", "Начальная координата (безразмерная)"},
        {"Text4", "Начальная координата (безразмерная)"},
        {"Label5", "Начальная скорость (безразмерная)"},
        {"Text5", "Начальная скорость (безразмерная)"},
        {"Label6", "Время расчёта (,безразмерное)"},
        {"Text6", "Время расчета (безразмерное)"},
        {"Label11", "Характеристики движения"},
        {"Label12", "Размерная циклическая частота колебаний"},
        {"Label13", "Размерный период колебаний"},
        {"Label14", "Размерная полуширина зоны застоя"},
        {"Label18", "Нормировка скорости"},
        {"Label17", "Безразмерное время конечной остановки"},
        {"Label16", "безразмерное время начльной остановки"},
        {"Label15", "Безразмерная амплитуда колебаний"},
        {"Label19", "Конечная координата ( численно). Нажмите для аналитического расчёта"},
        {"Label7", "Путь до конечной остановки ( численно). Нажмите для аналитического расчёта"},
        {"CmdOK", "запуск установки"},
        {"Frame1", ""},
        {"Option1", "Анимация движения"},
        {"Option2", "Зависимость координаты от времени"},
        {"Option3", "Зависимость проекции скорости от времени"},
        {"Option4", "Зависимость полной механической энергии от времени (нормированная на начальную)"},
        {"Option5", "Зависимость пути от времени"},
        {"Picture1", "Анимация движения"},
        {"Picture2", "Зависимость координаты от времени"},
        {"Picture3", "Зависимость проекции скорости от времени"},
        {"Picture4", "Зависимость полной механической энергии от времени (нормированная на начальную)"},
        {"Picture5", "Зависимость пути от времени"},
        {"HScroll1", ""},
        {"Label21", "Замедление времени"},
    };
    for (const Text& t : tips)
        EXPECT_EQ(h.child<QWidget>(t.name)->toolTip(), QString::fromUtf8(t.text)) << t.name;
}

TEST(WindowDesign, FontsAndColours)
{
    FormHarness h;
    struct FontRow {
        const char* name;
        const char* family;
        qreal points;
        bool bold;
    };
    const FontRow fonts[] = {
        {"Label10", "Times New Roman", 11.25, true},  {"Label11", "Times New Roman", 11.25, true},
        {"Label1", "Times New Roman", 11.25, false},  {"Text4", "Times New Roman", 11.25, false},
        {"Label3", "Times New Roman", 11.25, false},  {"Label19", "Times New Roman", 11.25, false},
        {"Label21", "Times New Roman", 11.25, false}, {"CmdOK", "MS Sans Serif", 8.25, true},
        {"Frame1", "MS Sans Serif", 8.25, false},     {"Option3", "MS Sans Serif", 8.25, false},
    };
    for (const FontRow& f : fonts) {
        const QFont font = h.child<QWidget>(f.name)->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(f.family)) << f.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), f.points) << f.name;
        EXPECT_EQ(font.bold(), f.bold) << f.name;
    }
    EXPECT_DOUBLE_EQ(h.picture("Picture1")->canvas().font().pointSizeF(), 8.25);
    EXPECT_EQ(h.picture("Picture1")->canvas().font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(h.picture("Picture2")->canvas().font().pointSizeF(), 9.75);
    for (const char* name : {"Picture3", "Picture4", "Picture5"}) {
        EXPECT_DOUBLE_EQ(h.picture(name)->canvas().font().pointSizeF(), 9.0) << name;
        EXPECT_EQ(h.picture(name)->canvas().font().family(), QStringLiteral("Times New Roman"));
    }

    const QColor grey(224, 224, 224), cyan(192, 255, 255), yellow(255, 255, 192);
    EXPECT_EQ(h.form->clientArea()->palette().color(QPalette::Window), grey);
    for (const char* name : {"Label1", "Label6", "Label10", "Label11", "Label21"})
        EXPECT_EQ(h.label(name)->palette().color(QPalette::Window), grey) << name;
    for (const char* name :
         {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label7"}) {
        EXPECT_EQ(h.label(name)->palette().color(QPalette::Window), cyan) << name;
        EXPECT_NE(h.label(name)->frameShape(), QFrame::NoFrame) << name;
    }
    EXPECT_EQ(h.label("Label1")->frameShape(), QFrame::NoFrame);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_EQ(h.field(name)->palette().color(QPalette::Base), yellow) << name;
    // Disabled during a run, fields and button look disabled: greyed text.
    const QPalette field = h.field("Text1")->palette();
    EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Base), yellow);
    EXPECT_NE(field.color(QPalette::Disabled, QPalette::Text), field.color(QPalette::Active, QPalette::Text));
    const QPalette button = h.start()->palette();
    EXPECT_NE(button.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::red));
    EXPECT_NE(button.color(QPalette::Disabled, QPalette::ButtonText),
              button.color(QPalette::Active, QPalette::ButtonText));
    // The window's red foreground reaches no control's text.
    for (const char* name : {"Label1", "Label12", "Frame1", "Option1"})
        EXPECT_NE(h.child<QWidget>(name)->palette().color(QPalette::WindowText), QColor(Qt::red)) << name;
    EXPECT_EQ(h.form->clientArea()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(h.label("Label17")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(h.label("Label21")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(h.picture("Picture1")->canvas().backColor(), QColor(Qt::white));
    EXPECT_EQ(h.picture("Picture1")->canvas().foreColor(), QColor(Qt::black));
    EXPECT_EQ(h.picture("Picture2")->canvas().backColor(), QColor(Qt::white));
    // What the window shows of Picture1 is its image: white where nothing is drawn.
    const QImage shot = h.picture("Picture1")->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(Qt::white));
}

TEST(WindowDesign, StartButtonHasTheFocusAndLeadsTheTabOrder)
{
    FormHarness h;
    EXPECT_EQ(h.form->focusWidget(), h.start());
    const char* chain[] = {"CmdOK", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget* next = h.child<QWidget>(chain[i])->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), QString::fromLatin1(chain[i + 1])) << chain[i];
    }
}

TEST(WindowDesign, MenuTreeWithAccessKeys)
{
    FormHarness h;
    const QList<QAction*> top = h.form->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->menu()->objectName(), QStringLiteral("mnuFile"));
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Файл"));
    EXPECT_EQ(top[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Помощь"));

    auto items = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << a->objectName() + "=" + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(items(top[0]->menu()),
              (QStringList{"mnuFilespravka=Справка1", "mnuFilespravka2=Справка2",
                           "mnuFilesHistory1=Кулон", "mnuFilesHistory2=Амонтон"}));
    EXPECT_EQ(items(top[1]->menu()),
              (QStringList{"mnuHelpInstruction=Инструкция", "mnuHelpUprav=Управление",
                           "mnuHelpSep1=-", "mnuHelpAvtors=Авторы", "mnuHelpAbout=О программе"}));
}

TEST(WindowDesign, CloseButtonButNoMinimiseOrMaximise)
{
    FormHarness h;
    const Qt::WindowFlags flags = h.form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

}  // namespace
}  // namespace dryfriction::test
