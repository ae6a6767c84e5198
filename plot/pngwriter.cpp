#include "plot/pngwriter.h"

#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <array>
#include <cstring>
#include <vector>

namespace dryfriction {

namespace {

constexpr std::array<char, 8> kSignature = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};

// PNG colour types and the filter used for every row.
constexpr char kTrueColour = 2;
constexpr char kTrueColourWithAlpha = 6;
constexpr char kFilterUp = 2;

void appendUint32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// A chunk: its length, its type, its data and the CRC of type and data.
void appendChunk(QByteArray& out, const char (&type)[5], const QByteArray& data)
{
    appendUint32(out, static_cast<quint32>(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* crcFrom = reinterpret_cast<const Bytef*>(out.constData() + typeAt);
    const uLong crc = crc32_z(crc32_z(0L, Z_NULL, 0), crcFrom, static_cast<z_size_t>(4 + data.size()));
    appendUint32(out, static_cast<quint32>(crc));
}

// The rows of `image` (RGB32 or ARGB32) in PNG's byte order, each a filter
// byte and the bytes of the row less those of the row above (the row above
// the first is zero), as one zlib stream. The rows are converted one at a
// time, so a full-screen image is not copied whole.
QByteArray compressedRows(const QImage& image, QImage::Format rowFormat)
{
    const auto rowBytes =
        static_cast<std::size_t>(image.width()) * (rowFormat == QImage::Format_RGBA8888 ? 4u : 3u);
    std::vector<uchar> filtered(rowBytes + 1);
    filtered[0] = kFilterUp;
    const std::vector<uchar> zeros(rowBytes, 0);

    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return {};
    QByteArray out;
    std::array<char, 1 << 16> buffer{};
    QImage above;
    bool ok = true;
    for (int y = 0; y < image.height() && ok; ++y) {
        const QImage row =
            QImage(image.constScanLine(y), image.width(), 1, image.bytesPerLine(), image.format())
                .convertToFormat(rowFormat);
        const uchar* bytes = row.constScanLine(0);
        const uchar* up = y > 0 ? above.constScanLine(0) : zeros.data();
        for (std::size_t i = 0; i < rowBytes; ++i)
            filtered[i + 1] = static_cast<uchar>(bytes[i] - up[i]);
        above = row;
        stream.next_in = filtered.data();
        stream.avail_in = static_cast<uInt>(filtered.size());
        const int flush = y + 1 == image.height() ? Z_FINISH : Z_NO_FLUSH;
        // Until deflate has taken the whole row and, at the end, has written
        // everything, it fills the buffer.
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
            stream.avail_out = static_cast<uInt>(buffer.size());
            const int status = deflate(&stream, flush);
            ok = status == Z_OK || status == Z_BUF_ERROR || status == Z_STREAM_END;
            out.append(buffer.data(), static_cast<qsizetype>(buffer.size() - stream.avail_out));
        } while (ok && stream.avail_out == 0);
    }
    ok = ok && stream.avail_in == 0;
    deflateEnd(&stream);
    return ok ? out : QByteArray();
}

}  // namespace

QByteArray pngBytes(const QImage& image)
{
    if (image.isNull())
        return {};
    const bool alpha = image.hasAlphaChannel();
    // A rendered view is RGB32 already: no copy. Its rows go out red first,
    // whatever the byte order of the machine.
    const QImage pixels = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const QByteArray compressed =
        compressedRows(pixels, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (compressed.isEmpty())
        return {};

    QByteArray header;
    appendUint32(header, static_cast<quint32>(pixels.width()));
    appendUint32(header, static_cast<quint32>(pixels.height()));
    // 8 bits per channel, the colour type, deflate, adaptive filtering, no interlace.
    const char format[] = {8, alpha ? kTrueColourWithAlpha : kTrueColour, 0, 0, 0};
    header.append(format, sizeof format);

    QByteArray png(kSignature.data(), kSignature.size());
    png.reserve(compressed.size() + 128);
    appendChunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray resolution;
        appendUint32(resolution, static_cast<quint32>(image.dotsPerMeterX()));
        appendUint32(resolution, static_cast<quint32>(image.dotsPerMeterY()));
        resolution.append('\x01');  // the unit is the metre
        appendChunk(png, "pHYs", resolution);
    }
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace dryfriction
