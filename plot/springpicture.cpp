#include "plot/animationstrip.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dryfriction {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 50;
constexpr int kEndPiece = 28;      // straight wire at each end
constexpr int kTurns = 12;
constexpr double kRise = 21;       // half the coil's height
constexpr double kWire = 5;        // wire thickness

// The wire seen from the front: each turn is a front strand from its top
// point down to the bottom point half a pitch on, and a back strand from
// there up to the next turn's top point; both bow a little like a loop.
QPainterPath strand(QPointF from, QPointF to, double bow)
{
    QPainterPath path;
    path.moveTo(from);
    const QPointF mid = (from + to) / 2;
    path.quadTo(mid + QPointF(bow, 0), to);
    return path;
}

void strokeWire(QPainter& painter, const QPainterPath& path, int outer, int inner, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(outer, outer, outer), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(inner, inner, inner), width * 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(-width * 0.12, -width * 0.12));
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
        const double pitch = (coilRight - coilLeft) / (kTurns + 1);
        const double cy = kHeight / 2.0;
        const auto top = [&](int turn) { return QPointF(coilLeft + (turn + 0.5) * pitch, cy - kRise); };
        const auto bottom = [&](int turn) { return QPointF(coilLeft + (turn + 1) * pitch, cy + kRise); };

        // Back strands first (darker), then the end pieces, then the front.
        for (int turn = 0; turn + 1 < kTurns; ++turn)
            strokeWire(painter, strand(bottom(turn), top(turn + 1), -0.15 * pitch), 64, 128, kWire - 1);
        QPainterPath ends;
        ends.moveTo(0, cy);
        ends.lineTo(coilLeft, cy);
        ends.lineTo(top(0));
        ends.moveTo(coilRight, cy);
        ends.lineTo(kWidth, cy);
        strokeWire(painter, ends, 48, 176, kWire);
        for (int turn = 0; turn < kTurns; ++turn)
            strokeWire(painter, strand(top(turn), bottom(turn), 0.2 * pitch), 32, 208, kWire);
        // The last back strand runs up to the straight end instead of a turn.
        strokeWire(painter, strand(bottom(kTurns - 1), QPointF(coilRight, cy), 0), 64, 128, kWire - 1);
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
