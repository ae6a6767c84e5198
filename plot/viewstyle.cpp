#include "plot/viewstyle.h"

namespace dryfriction {

namespace {

QFont font(const QString& family, double points)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(false);
    return f;
}

}  // namespace

ViewStyle stripStyle()
{
    return {font(QStringLiteral("MS Sans Serif"), 8.25), Qt::white, Qt::black};
}

ViewStyle graphStyle(const GraphDescription& graph, const QColor& windowBackground, const QColor& windowText)
{
    return {font(QStringLiteral("Times New Roman"), graph.fontPoints),
            graph.windowBackground ? windowBackground : QColor(Qt::white), windowText};
}

}  // namespace dryfriction
