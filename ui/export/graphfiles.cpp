#include "ui/export/graphfiles.h"

#include "plot/pngwriter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace dryfriction {

namespace {

// The view's logical pixels are those of a 96 dpi screen: vector pages use
// the same resolution, so a point size gives the same text size.
constexpr int kScreenDpi = 96;
constexpr double kPointsPerInch = 72;

QByteArray encodePng(const ViewScene& scene, QSize logical, qreal screenRatio)
{
    const qreal ratio = 2 * ((screenRatio > 0) ? screenRatio : 1.0);
    return pngBytes(renderScene(scene, logical, ratio));
}

QByteArray encodeSvg(const ViewScene& scene, QSize logical)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kScreenDpi);
    svg.setSize(logical);
    svg.setViewBox(QRect(QPoint(0, 0), logical));
    QPainter painter(&svg);
    paintScene(painter, scene, logical);
    painter.end();
    return bytes;
}

QByteArray encodePdf(const ViewScene& scene, QSize logical)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("dryfriction"));
        pdf.setResolution(kScreenDpi);
        // One page of the view's size, without margins.
        const QSizeF points = QSizeF(logical) * (kPointsPerInch / kScreenDpi);
        pdf.setPageSize(QPageSize(points, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        paintScene(painter, scene, logical);
        painter.end();
    }
    return bytes;
}

}  // namespace

QByteArray encodeGraph(const ViewScene& scene, QSize logical, qreal screenRatio, GraphFormat format)
{
    if (logical.isEmpty())
        return {};
    switch (format) {
    case GraphFormat::Png:
        return encodePng(scene, logical, screenRatio);
    case GraphFormat::Svg:
        return encodeSvg(scene, logical);
    case GraphFormat::Pdf:
        return encodePdf(scene, logical);
    }
    return {};
}

}  // namespace dryfriction
