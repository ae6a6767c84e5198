#include "animationview.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dryfriction {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 50;
constexpr int kEndPiece = 28;      // straight wire at each end
constexpr int kTurns = 12;
constexpr double kRadius = 19;     // coil radius seen from the side
constexpr double kWire = 5;        // wire thickness

// One stretch of the helix x = x0 + pitch*theta/2pi, y = centre - R cos theta,
// with theta from `from` to `to` (radians).
QPainterPath helixPiece(double from, double to, double x0, double pitch)
{
    constexpr int kSteps = 24;
    const double cy = kHeight / 2.0;
    QPainterPath path;
    for (int i = 0; i <= kSteps; ++i) {
        const double theta = from + (to - from) * i / kSteps;
        const QPointF p(x0 + pitch * theta / (2 * M_PI), cy - kRadius * std::cos(theta));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void strokeWire(QPainter& painter, const QPainterPath& path, int outer, int inner, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(outer, outer, outer), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(inner, inner, inner), width * 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0, -width * 0.15));
}

}  // namespace

QImage springPicture()
{
    QImage art(kWidth, kHeight, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter painter(&art);
        painter.setRenderHint(QPainter::Antialiasing, true);

        const double coilLeft = kEndPiece;
        const double coilRight = kWidth - kEndPiece;
        const double pitch = (coilRight - coilLeft) / kTurns;
        const double cy = kHeight / 2.0;

        // The wire turns from the axis at theta = pi/2 (front, going down)
        // through the bottom; the back half-turns run from the bottom up to the top.
        for (int turn = 0; turn < kTurns; ++turn) {
            const double base = 2 * M_PI * turn;
            strokeWire(painter, helixPiece(base + M_PI, base + 2 * M_PI, coilLeft - pitch / 4, pitch), 64, 112,
                       kWire - 1);
        }
        // Straight end pieces, then the front half-turns over the back.
        QPainterPath ends;
        ends.moveTo(0, cy);
        ends.lineTo(coilLeft, cy);
        ends.moveTo(coilRight, cy);
        ends.lineTo(kWidth, cy);
        strokeWire(painter, ends, 48, 176, kWire);
        for (int turn = 0; turn < kTurns; ++turn) {
            const double base = 2 * M_PI * turn;
            QPainterPath front = helixPiece(base, base + M_PI, coilLeft - pitch / 4, pitch);
            if (turn == 0) {
                QPainterPath lead;
                lead.moveTo(coilLeft, cy);
                lead.lineTo(front.pointAtPercent(0));
                front = lead + front;
            }
            strokeWire(painter, front, 32, 208, kWire);
        }
        QPainterPath tail;
        tail.moveTo(helixPiece(2 * M_PI * kTurns - M_PI, 2 * M_PI * kTurns, coilLeft - pitch / 4, pitch)
                        .pointAtPercent(1));
        tail.lineTo(coilRight, cy);
        strokeWire(painter, tail, 32, 208, kWire);
    }

    // 16 grey tones (0, 17, ..., 255) on a transparent ground: the wire's
    // antialiased edges are either kept fully or dropped.
    QImage spring(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(spring.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = src[x];
            if (qAlpha(c) < 96) {
                dst[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const int grey = qGray(c);
            const int tone = (grey + 8) / 17 * 17;
            dst[x] = qRgb(tone, tone, tone);
        }
    }
    return spring;
}

}  // namespace dryfriction
