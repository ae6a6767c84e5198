#pragma once

#include "plot/canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <array>
#include <vector>

namespace dryfriction::test {

// One operation on a canvas, with the state it was made in.
struct Op {
    QString canvas;
    QString name;  // "setScale", "clear", "setLineWidth", "setLineStyle", "line", "lineTo", "fillBox", "dot", "drawText"
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

    void setScale(double x1, double y1, double x2, double y2) override
    {
        Canvas::setScale(x1, y1, x2, y2);
        add("setScale", x1, y1, x2, y2);
    }
    void clear() override { add("clear"); }
    void setLineWidth(int px) override
    {
        Canvas::setLineWidth(px);
        add("setLineWidth");
    }
    void setLineStyle(LineStyle style) override
    {
        Canvas::setLineStyle(style);
        add("setLineStyle");
    }
    void line(double x1, double y1, double x2, double y2, const QColor& color) override
    {
        add("line", x1, y1, x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    void lineTo(double x2, double y2, const QColor& color) override
    {
        add("lineTo", currentX(), currentY(), x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    // Each kind of line records itself above.
    void drawSegment(double, double, double, double, const QColor&) override {}
    void fillBox(double x1, double y1, double x2, double y2, const QColor& color) override
    {
        add("fillBox", x1, y1, x2, y2, color);
        setCurrentPoint(x2, y2);
    }
    void dot(double x, double y) override
    {
        add("dot", x, y, x, y, QColor());
        setCurrentPoint(x, y);
    }
    void dot(double x, double y, const QColor& color) override
    {
        add("dot", x, y, x, y, color);
        setCurrentPoint(x, y);
    }
    void setCurrentX(double x) override { Canvas::setCurrentX(x); }
    void setCurrentY(double y) override { Canvas::setCurrentY(y); }
    void drawText(const QString& text) override
    {
        add("drawText", currentX(), currentY());
        m_log.back().text = text;
    }
    QSize logicalSize() const override { return m_size; }
    // Text is measured in the font the graphs use unless told otherwise.
    QSizeF textSize(const QString& text) const override
    {
        const QFontMetricsF metrics(m_font);
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    void setFont(const QFont& font) { m_font = font; }

private:
    void add(const char* name, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0,
             const QColor& color = QColor())
    {
        m_log.push_back({m_name, QString::fromLatin1(name), x1, y1, x2, y2, color, lineWidth(), lineStyle(), {}});
    }

    QString m_name;
    std::vector<Op>& m_log;
    QSize m_size;
    QFont m_font{QStringLiteral("Times New Roman"), 9};
};

// The animation strip and the graphs, in the order of viewGraphs(), all
// logging into one log.
struct RecordedViews {
    std::vector<Op> log;
    RecordingCanvas strip{QStringLiteral("strip"), log};
    std::array<RecordingCanvas, 5> graph{{{QStringLiteral("x"), log},
                                          {QStringLiteral("vx"), log},
                                          {QStringLiteral("energy"), log},
                                          {QStringLiteral("path"), log},
                                          {QStringLiteral("phase"), log}}};

    std::vector<Canvas*> graphs()
    {
        std::vector<Canvas*> out;
        for (RecordingCanvas& g : graph)
            out.push_back(&g);
        return out;
    }

    // The operations on one canvas, in order.
    std::vector<Op> on(const QString& canvas) const
    {
        std::vector<Op> ops;
        for (const Op& op : log) {
            if (op.canvas == canvas)
                ops.push_back(op);
        }
        return ops;
    }
};

}  // namespace dryfriction::test
