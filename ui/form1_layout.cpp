#include "form1.h"

#include "canvaswidget.h"
#include "clickablelabel.h"
#include "layout.h"

#include "fieldtext.h"
#include "frames.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

int toPixels(float value)
{
    return static_cast<int>(std::lround(value));
}

// Places a control; a size that the arithmetic makes negative in a tiny
// client area is 0, which hides the control without harm.
void place(QWidget* widget, const LayoutRect& r)
{
    widget->setGeometry(toPixels(r.left), toPixels(r.top), std::max(0, toPixels(r.width)),
                        std::max(0, toPixels(r.height)));
}

}  // namespace

// Form_Resize: the central refresh, in this order: layout, characteristics,
// clearing of the five views, ranges and scales, the animation strip and the
// four graph frames.
void Form1::Form_Resize()
{
    layout();
    parametr();
    clearCanvases();
    drawFrames();
}

void Form1::layout()
{
    const FormLayout f = computeLayout(static_cast<float>(m_client->width()),
                                       static_cast<float>(m_client->height()));
    place(Label10, f.Label10);
    place(Label1, f.Label1);
    place(Text1, f.Text1);
    place(Label2, f.Label2);
    place(Text2, f.Text2);
    place(Label3, f.Label3);
    place(Text3, f.Text3);
    place(Label4, f.Label4);
    place(Text4, f.Text4);
    place(Label5, f.Label5);
    place(Text5, f.Text5);
    place(Label6, f.Label6);
    place(Text6, f.Text6);
    place(Label11, f.Label11);
    place(Label12, f.Label12);
    place(Label13, f.Label13);
    place(Label14, f.Label14);
    place(Label18, f.Label18);
    place(Label17, f.Label17);
    place(Label16, f.Label16);
    place(Label15, f.Label15);
    place(Label19, f.Label19);
    place(Label7, f.Label7);
    place(CmdOK, f.CmdOK);
    place(Frame1, f.Frame1);
    place(Picture1, f.picture);
    place(HScroll1, f.HScroll1);
    place(Label21, f.Label21);
    place(Picture2, f.picture);
    place(Picture3, f.picture);
    place(Picture4, f.picture);
    place(Picture5, f.picture);

    selectGraph();

    // Writing a field's own text again starts no change handling; a text
    // that differs (typed without the leading blank, say) starts it once,
    // nested here, and that handling writes back the same text.
    Text1->setText(fieldText(m_params.m));
    Text2->setText(fieldText(m_params.k));
    Text3->setText(fieldText(m_params.mu));
    Text4->setText(fieldText(m_params.Xo));
    Text5->setText(fieldText(m_params.Vo));
    Text6->setText(fieldText(m_params.tCalc));

    Label21->setText(QString::number(m_slowdown));
    Label19->setText(QStringLiteral("X_end="));
    Label7->setText(QStringLiteral("П_end="));
}

// selectGraph: exactly one view is shown; the slowdown scroll bar and its
// value only with the animation. Every control of the row is set.
void Form1::selectGraph()
{
    struct Row {
        QRadioButton* option;
        bool picture[5];
        bool scroll;
    };
    const Row rows[] = {
        {Option1, {true, false, false, false, false}, true},
        {Option2, {false, true, false, false, false}, false},
        {Option3, {false, false, true, false, false}, false},
        {Option4, {false, false, false, true, false}, false},
        {Option5, {false, false, false, false, true}, false},
    };
    CanvasWidget* pictures[] = {Picture1, Picture2, Picture3, Picture4, Picture5};
    for (const Row& row : rows) {
        if (!row.option->isChecked())
            continue;
        for (int i = 0; i < 5; ++i)
            pictures[i]->setVisible(row.picture[i]);
        HScroll1->setVisible(row.scroll);
        Label21->setVisible(row.scroll);
        return;
    }
}

void Form1::Option1_Click()
{
    selectGraph();
}

void Form1::Option2_Click()
{
    selectGraph();
}

void Form1::Option3_Click()
{
    selectGraph();
}

void Form1::Option4_Click()
{
    selectGraph();
}

void Form1::Option5_Click()
{
    selectGraph();
}

void Form1::clearCanvases()
{
    for (CanvasWidget* picture : {Picture1, Picture2, Picture3, Picture4, Picture5}) {
        picture->fitCanvas();
        picture->canvas().Cls();
        picture->update();
    }
}

// minmax, axes, then axes_2 .. axes_5 (axes_2 works out the time grid the
// other three reuse).
void Form1::drawFrames()
{
    Views v = views();
    const Frames frames = dryfriction::drawFrames(v, m_params, m_chars, decimalPoint());
    m_ranges = frames.ranges;
    m_timeGrid = frames.timeGrid;
    m_placement = frames.placement;
    for (CanvasWidget* picture : {Picture1, Picture2, Picture3, Picture4, Picture5})
        picture->update();
}

}  // namespace dryfriction
