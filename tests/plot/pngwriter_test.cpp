// The PNG files of saved graphs: whatever the size and the number of colours,
// the file decodes to exactly the pixels written, at the resolution recorded.

#include "plot/pngwriter.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <ostream>
#include <string>

using namespace dryfriction;

namespace {

struct RoundTripCase {
    const char* name;
    int width;
    int height;
    int colours;  // 0: every pixel its own colour
    QImage::Format format;
};

void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<RoundTripCase>& info)
{
    return info.param.name;
}

// A small deterministic generator, so that a failing case repeats.
std::uint32_t nextRandom(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// Pixels drawn at random from `colours` random colours; with an alpha
// channel, the alpha varies too.
QImage randomImage(const RoundTripCase& c)
{
    QImage image(c.width, c.height, c.format);
    std::uint32_t state = static_cast<std::uint32_t>(c.width * 7919 + c.height * 104729 + c.colours);
    std::vector<QRgb> palette;
    for (int i = 0; i < c.colours; ++i)
        palette.push_back(nextRandom(state) | (c.format == QImage::Format_RGB32 ? 0xff000000u : 0u) |
                          (nextRandom(state) << 24));
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            QRgb pixel = c.colours > 0 ? palette[nextRandom(state) % palette.size()]
                                       : static_cast<QRgb>(nextRandom(state) ^ (nextRandom(state) << 24));
            if (c.format == QImage::Format_RGB32)
                pixel |= 0xff000000u;
            image.setPixel(x, y, pixel);
        }
    return image;
}

// The first pixel that differs, as "(x, y): written vs read", or empty.
std::string firstDifference(const QImage& written, const QImage& read)
{
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x)
            if (written.pixel(x, y) != read.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                       std::to_string(written.pixel(x, y)) + " vs " + std::to_string(read.pixel(x, y));
    return {};
}

class PngRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(PngRoundTrip, DecodesToThePixelsWritten)
{
    const RoundTripCase& c = GetParam();
    QImage image = randomImage(c);
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(3780);

    const QByteArray png = pngBytes(image);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    QImage read;
    ASSERT_TRUE(read.loadFromData(png, "PNG"));
    ASSERT_EQ(read.size(), image.size());
    EXPECT_EQ(read.hasAlphaChannel(), image.hasAlphaChannel());
    EXPECT_EQ(firstDifference(image, read), "");
    EXPECT_EQ(read.dotsPerMeterX(), 7559);
    EXPECT_EQ(read.dotsPerMeterY(), 3780);
}

// Odd sizes leave no padding to hide in; rows wider than the compressor's
// output buffer, and noise that does not compress, make it fill the buffer
// many times within a row.
INSTANTIATE_TEST_SUITE_P(
    SizesAndColours, PngRoundTrip,
    testing::Values(RoundTripCase{"one_pixel", 1, 1, 1, QImage::Format_RGB32},
                    RoundTripCase{"one_colour", 37, 23, 1, QImage::Format_RGB32},
                    RoundTripCase{"two_colours_odd", 3, 7, 2, QImage::Format_RGB32},
                    RoundTripCase{"a_palette_full", 101, 53, 256, QImage::Format_RGB32},
                    RoundTripCase{"one_more_than_a_palette", 97, 61, 257, QImage::Format_RGB32},
                    RoundTripCase{"noise_one_row", 1013, 1, 0, QImage::Format_RGB32},
                    RoundTripCase{"noise_one_column", 1, 1013, 0, QImage::Format_RGB32},
                    RoundTripCase{"noise_rows_wider_than_the_buffer", 30011, 3, 0, QImage::Format_RGB32},
                    RoundTripCase{"translucent_few_colours", 29, 31, 5, QImage::Format_ARGB32},
                    RoundTripCase{"translucent_noise", 211, 17, 0, QImage::Format_ARGB32}),
    caseName);

TEST(PngBytes, ConvertsOtherFormatsAndRefusesANullImage)
{
    EXPECT_TRUE(pngBytes(QImage()).isEmpty());

    // An indexed image is written as its colours.
    QImage indexed(9, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(17, 34, 51)});
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            indexed.setPixel(x, y, static_cast<uint>((x + y) % 3));
    QImage read;
    ASSERT_TRUE(read.loadFromData(pngBytes(indexed), "PNG"));
    EXPECT_EQ(firstDifference(indexed, read), "");
}

}  // namespace
