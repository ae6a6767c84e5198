#pragma once

#include "canvas.h"

#include <QColor>
#include <QString>

#include <vector>

namespace dryfriction::test {

// One operation on a canvas, with the state it was made in.
struct Op {
    QString canvas;
    QString name;  // "Scale", "Cls", "DrawWidth", "DrawStyle", "Line", "LineTo", "FilledBox", "PSet", "Print"...
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor color;
    int width = 0;
    LineStyle style = LineStyle::Solid;
    QString text;
};

// A canvas that draws nothing and logs every operation into a log it may
// share with other canvases, so the order across canvases shows too.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(QString name, std::vector<Op>& log, QSize size = {620, 212})
        : m_name(std::move(name)), m_log(log), m_size(size)
    {
    }

    void Scale(double x1, double y1, double x2, double y2) override
    {
        Canvas::Scale(x1, y1, x2, y2);
        add("Scale", x1, y1, x2, y2);
    }
    void Cls() override { add("Cls"); }
    void DrawWidth(int px) override
    {
        Canvas::DrawWidth(px);
        add("DrawWidth");
    }
    void DrawStyle(LineStyle style) override
    {
        Canvas::DrawStyle(style);
        add("DrawStyle");
    }
    void Line(double x1, double y1, double x2, double y2, const QColor& color) override
    {
        add("Line", x1, y1, x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    void LineTo(double x2, double y2, const QColor& color) override
    {
        add("LineTo", currentX(), currentY(), x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    void FilledBox(double x1, double y1, double x2, double y2, const QColor& color) override
    {
        add("FilledBox", x1, y1, x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    void PSet(double x, double y) override
    {
        add("PSet", x, y, x, y, QColor());
        setCurrentPoint(x, y);
    }
    void PSet(double x, double y, const QColor& color) override
    {
        add("PSet", x, y, x, y, color);
        setCurrentPoint(x, y);
    }
    void CurrentX(double x) override { Canvas::CurrentX(x); }
    void CurrentY(double y) override { Canvas::CurrentY(y); }
    void Print(const QString& text) override
    {
        add("Print", currentX(), currentY());
        m_log.back().text = text;
    }
    QSize logicalSize() const override { return m_size; }

private:
    void add(const char* name, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0,
             const QColor& color = QColor())
    {
        m_log.push_back({m_name, QString::fromLatin1(name), x1, y1, x2, y2, color, drawWidth(), drawStyle(), {}});
    }

    QString m_name;
    std::vector<Op>& m_log;
    QSize m_size;
};

}  // namespace dryfriction::test
