#include "form1.h"

#include "canvaswidget.h"
#include "clickablelabel.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

const QColor kGrey{224, 224, 224};
const QColor kCyan{192, 255, 255};
const QColor kYellow{255, 255, 192};
const QColor kWhite{255, 255, 255};
const QColor kBlack{0, 0, 0};
const QColor kPureRed{255, 0, 0};

// Width of an option button: Frame1's 140 pixels less the margins.
constexpr int kOptionWidth = 132;

// The system's window text and window (document) background colours.
QColor windowTextColor()
{
    return QApplication::palette().color(QPalette::Text);
}

QColor windowColor()
{
    return QApplication::palette().color(QPalette::Base);
}

QFont makeFont(const char* family, qreal points, bool bold = false)
{
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont timesFont(qreal points, bool bold = false)
{
    return makeFont("Times New Roman", points, bold);
}

QFont sansFont(qreal points, bool bold = false)
{
    return makeFont("MS Sans Serif", points, bold);
}

void setColors(QWidget* w, const QColor& back, const QColor& fore)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, fore);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

enum class Border { None, Single };

template <typename LabelType = QLabel>
LabelType* makeLabel(QWidget* parent, const char* name, const QString& text, const QString& tip,
                     const QFont& font, const QColor& back, const QColor& fore,
                     Border border = Border::None)
{
    auto* label = new LabelType(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setToolTip(tip);
    label->setFont(font);
    setColors(label, back, fore);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (border == Border::Single) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setIndent(2);
    }
    return label;
}

QLineEdit* makeField(QWidget* parent, const char* name, const QString& tip)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(tip);
    field->setFont(timesFont(11.25));
    // Yellow in every state; the text keeps the system's grey while the
    // field is disabled during a run.
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, kYellow);
    field->setPalette(pal);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

}  // namespace

void Form1::createControls()
{
    setWindowTitle(restCaption());
    setObjectName(QStringLiteral("Form1"));

    // The client area: light grey, pure red foreground and the window font,
    // though nothing is drawn on the window itself. Every control sets its
    // own colours and font.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setColors(m_client, kGrey, kPureRed);
    m_client->setFont(sansFont(24));
    setCentralWidget(m_client);

    // The start button comes first: it is first in the tab order and has the
    // focus when the window opens.
    CmdOK = new QPushButton(QStringLiteral("ПУСК"), m_client);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setToolTip(QStringLiteral("запуск установки"));
    CmdOK->setFont(sansFont(8.25, true));
    CmdOK->setFocus();

    createInputColumn();
    createCharacteristics();
    createGraphChoice();
    createViews();

    QWidget::setTabOrder(CmdOK, Text1);
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, Text5);
    QWidget::setTabOrder(Text5, Text6);
    QWidget::setTabOrder(Text6, Option1);
    QWidget::setTabOrder(Option1, HScroll1);
}

void Form1::createInputColumn()
{
    const QColor text = windowTextColor();
    Label10 = makeLabel(m_client, "Label10", QStringLiteral("Параметры задачи"),
                        QStringLiteral("Параметры задачи"), timesFont(11.25, true), kGrey, text);

    Label1 = makeLabel(m_client, "Label1", QStringLiteral("m(кг)="), QStringLiteral("Масса груза"),
                       timesFont(11.25), kGrey, text);
    Text1 = makeField(m_client, "Text1", QStringLiteral("Масса груза"));

    Label2 = makeLabel(m_client, "Label2", QStringLiteral(" к(Н/м)="),
                       QStringLiteral("Коэффициент жёсткости пружины"), timesFont(11.25), kGrey, text);
    Text2 = makeField(m_client, "Text2", QStringLiteral("Коэффициент жёсткости пружины"));

    // The Greek mu as a character of its own: no symbol font is needed.
    Label3 = makeLabel(m_client, "Label3", QStringLiteral("μ="),
                       QStringLiteral("Коэффициент трения скольжения"), timesFont(11.25), kGrey, text);
    Text3 = makeField(m_client, "Text3", QStringLiteral("коэффициент трения скольжения"));

    Label4 = makeLabel(m_client, "Label4", QStringLiteral(" Xo=xo/a="),
                       QStringLiteral("Начальная координата (безразмерная)"), timesFont(11.25), kGrey,
                       text);
    Text4 = makeField(m_client, "Text4", QStringLiteral("Начальная координата (безразмерная)"));

    Label5 = makeLabel(m_client, "Label5", QStringLiteral("Vo/Va="),
                       QStringLiteral("Начальная скорость (безразмерная)"), timesFont(11.25), kGrey,
                       text);
    Text5 = makeField(m_client, "Text5", QStringLiteral("Начальная скорость (безразмерная)"));

    Label6 = makeLabel(m_client, "Label6", QStringLiteral("t расч.="),
                       QStringLiteral("Время расчёта (,безразмерное)"), timesFont(11.25), kGrey, text);
    Text6 = makeField(m_client, "Text6", QStringLiteral("Время расчета (безразмерное)"));
}

void Form1::createCharacteristics()
{
    const QColor text = windowTextColor();
    const QFont font = timesFont(11.25);
    Label11 = makeLabel(m_client, "Label11", QStringLiteral("Характеристики"),
                        QStringLiteral("Характеристики движения"), timesFont(11.25, true), kGrey, text);
    Label12 = makeLabel(m_client, "Label12", QString(),
                        QStringLiteral("Размерная циклическая частота колебаний"), font, kCyan, text,
                        Border::Single);
    Label13 = makeLabel(m_client, "Label13", QString(), QStringLiteral("Размерный период колебаний"),
                        font, kCyan, text, Border::Single);
    Label14 = makeLabel(m_client, "Label14", QString(),
                        QStringLiteral("Размерная полуширина зоны застоя"), font, kCyan, text,
                        Border::Single);
    Label18 = makeLabel(m_client, "Label18", QString(), QStringLiteral("Нормировка скорости"), font,
                        kCyan, text, Border::Single);
    Label17 = makeLabel(m_client, "Label17", QString(),
                        QStringLiteral("Безразмерное время конечной остановки"), font, kCyan, kBlack,
                        Border::Single);
    Label16 = makeLabel(m_client, "Label16", QString(),
                        QStringLiteral("безразмерное время начльной остановки"), font, kCyan, text,
                        Border::Single);
    Label15 = makeLabel(m_client, "Label15", QString(),
                        QStringLiteral("Безразмерная амплитуда колебаний"), font, kCyan, text,
                        Border::Single);
    Label19 = makeLabel<ClickableLabel>(
        m_client, "Label19", QStringLiteral("X_end="),
        QStringLiteral("Конечная координата ( численно). Нажмите для аналитического расчёта"), font,
        kCyan, text, Border::Single);
    Label7 = makeLabel<ClickableLabel>(
        m_client, "Label7", QStringLiteral("П_end="),
        QStringLiteral("Путь до конечной остановки ( численно). Нажмите для аналитического расчёта"),
        font, kCyan, text, Border::Single);
}

void Form1::createGraphChoice()
{
    const QColor text = windowTextColor();
    Frame1 = new QGroupBox(QStringLiteral("графики"), m_client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(sansFont(8.25));
    setColors(Frame1, kGrey, text);

    struct Choice {
        QRadioButton** button;
        const char* name;
        const char* caption;
        const char* tip;
        double left, top, width, height;
    };
    const Choice choices[] = {
        {&Option1, "Option1", "движение", "Анимация движения", 3.3, 16.7, 96, 13.3},
        {&Option2, "Option2", "координата", "Зависимость координаты от времени", 3.3, 33.3, 86.7, 13.3},
        {&Option3, "Option3", "проекция Vx", "Зависимость проекции скорости от времени", 3.3, 50,
         86.7, 13.3},
        {&Option4, "Option4", "энергия",
         "Зависимость полной механической энергии от времени (нормированная на начальную)", 3.3,
         66.7, 86.7, 13.3},
        {&Option5, "Option5", "Путь", "Зависимость пути от времени", 3.3, 83.3, 86.7, 13.3},
    };
    for (const Choice& c : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(c.caption), Frame1);
        button->setObjectName(QString::fromLatin1(c.name));
        button->setToolTip(QString::fromUtf8(c.tip));
        button->setFont(sansFont(8.25));
        setColors(button, kGrey, text);
        button->setAutoFillBackground(false);
        // The substitute for "MS Sans Serif" is wider than the original, so
        // the buttons take the frame's inner width rather than clip
        // "проекция Vx".
        const int width = std::max(static_cast<int>(std::lround(c.width)), kOptionWidth);
        button->setGeometry(static_cast<int>(std::lround(c.left)), static_cast<int>(std::lround(c.top)),
                            width, static_cast<int>(std::lround(c.height)));
        *c.button = button;
    }
    Option1->setChecked(true);
}

void Form1::createViews()
{
    struct View {
        CanvasWidget** widget;
        const char* name;
        const char* tip;
        QFont font;
        QColor back, fore;
    };
    const View views[] = {
        {&Picture1, "Picture1", "Анимация движения", sansFont(8.25), kWhite, kBlack},
        {&Picture2, "Picture2", "Зависимость координаты от времени", timesFont(9.75), kWhite,
         windowTextColor()},
        {&Picture3, "Picture3", "Зависимость проекции скорости от времени", timesFont(9), kWhite,
         windowTextColor()},
        {&Picture4, "Picture4",
         "Зависимость полной механической энергии от времени (нормированная на начальную)",
         timesFont(9), windowColor(), windowTextColor()},
        {&Picture5, "Picture5", "Зависимость пути от времени", timesFont(9), windowColor(),
         windowTextColor()},
    };
    for (const View& v : views) {
        auto* widget = new CanvasWidget(m_client);
        widget->setObjectName(QString::fromLatin1(v.name));
        widget->setToolTip(QString::fromUtf8(v.tip));
        widget->setColors(v.back, v.fore);
        widget->setCanvasFont(v.font);
        *v.widget = widget;
    }
    Picture1->setSetup(&m_placement);

    // The slowdown: whole values 1 (left) to 9 (right). Its change comes on
    // a click or when the thumb is released, not while it is dragged.
    HScroll1 = new QScrollBar(Qt::Horizontal, m_client);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(1, 9);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(5);
    HScroll1->setTracking(false);

    Label21 = makeLabel(m_client, "Label21", QString(), QStringLiteral("Замедление времени"),
                        timesFont(11.25), kGrey, kBlack);
    Label21->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void Form1::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    auto addItem = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    mnuFile = bar->addMenu(QStringLiteral("&Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFilespravka = addItem(mnuFile, "mnuFilespravka", "Справка1");
    mnuFilespravka2 = addItem(mnuFile, "mnuFilespravka2", "Справка2");
    mnuFilesHistory1 = addItem(mnuFile, "mnuFilesHistory1", "Кулон");
    mnuFilesHistory2 = addItem(mnuFile, "mnuFilesHistory2", "Амонтон");

    mnuHelp = bar->addMenu(QStringLiteral("&Помощь"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInstruction = addItem(mnuHelp, "mnuHelpInstruction", "Инструкция");
    mnuHelpUprav = addItem(mnuHelp, "mnuHelpUprav", "Управление");
    mnuHelpSep1 = mnuHelp->addSeparator();
    mnuHelpSep1->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAvtors = addItem(mnuHelp, "mnuHelpAvtors", "Авторы");
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", "О программе");
}

void Form1::connectHandlers()
{
    m_client->installEventFilter(this);

    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Form1::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form1::Text6_Change);
    connect(CmdOK, &QPushButton::clicked, this, &Form1::CmdOK_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(Label19, &ClickableLabel::clicked, this, &Form1::Label19_Click);
    connect(Label7, &ClickableLabel::clicked, this, &Form1::Label7_Click);

    // An option button's click is its becoming the selected one.
    auto onSelected = [this](QRadioButton* button, void (Form1::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelected(Option1, &Form1::Option1_Click);
    onSelected(Option2, &Form1::Option2_Click);
    onSelected(Option3, &Form1::Option3_Click);
    onSelected(Option4, &Form1::Option4_Click);
    onSelected(Option5, &Form1::Option5_Click);

    connect(mnuFilespravka, &QAction::triggered, this, &Form1::mnuFilespravka_Click);
    connect(mnuFilespravka2, &QAction::triggered, this, &Form1::mnuFilespravka2_Click);
    connect(mnuFilesHistory1, &QAction::triggered, this, &Form1::mnuFilesHistory1_Click);
    connect(mnuFilesHistory2, &QAction::triggered, this, &Form1::mnuFilesHistory2_Click);
    connect(mnuHelpInstruction, &QAction::triggered, this, &Form1::mnuHelpInstruction_Click);
    connect(mnuHelpUprav, &QAction::triggered, this, &Form1::mnuHelpUprav_Click);
    connect(mnuHelpAvtors, &QAction::triggered, this, &Form1::mnuHelpAvtors_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
}

}  // namespace dryfriction
