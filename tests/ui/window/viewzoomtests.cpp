// The views' drawing grows with the window, so that a projector showing the
// whole window shows it legibly: at the start-up client area one screen pixel
// is one pixel of the drawing, as it always was; in a 1920 x 1080 client area
// the labels are at least 20 screen pixels tall, the axes and the load twice
// as large, and the drawing still fills its view.

#include "windowharness.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace dryfriction;
using namespace dryfriction::test;

namespace {

// The black run across the time axis at `row`, a third of the way along.
int axisWidth(const QImage& image, int row)
{
    const int column = image.width() / 3;
    int top = row, bottom = row;
    while (top > 0 && image.pixelColor(column, top - 1) == QColor(Qt::black))
        --top;
    while (bottom + 1 < image.height() && image.pixelColor(column, bottom + 1) == QColor(Qt::black))
        ++bottom;
    return image.pixelColor(column, row) == QColor(Qt::black) ? bottom - top + 1 : 0;
}

}  // namespace

TEST(ViewZoom, TextLinesAndLoadGrowWithTheWindow)
{
    WindowHarness h;
    const struct {
        QSize client;
        double leastText, mostText;
        int axis;
        double load;
    } rows[] = {
        {{640, 537}, 12, 16, 3, 25},
        {{1920, 1080}, 20, 40, 6, 50},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.client.width() << "x" << r.client.height());
        h.window->clientArea()->resize(r.client);
        CanvasWidget* graph = h.view("coordinateView");
        const ImageCanvas& canvas = graph->canvas();
        const double zoom = graph->zoom();
        const qreal screenDpr = graph->devicePixelRatioF();

        // The labels' height on the screen, as the canvas measures its text.
        const double text = canvas.textSize(QStringLiteral("0,00")).height() * zoom;
        EXPECT_GE(text, r.leastText);
        EXPECT_LE(text, r.mostText);

        // The image fills the view to within a zoomed pixel.
        const QImage& image = canvas.image();
        EXPECT_LE(image.width() / screenDpr, graph->width());
        EXPECT_GT(image.width() / screenDpr, graph->width() - zoom - 1);
        EXPECT_GT(image.height() / screenDpr, graph->height() - zoom - 1);
        if (zoom == 1) {
            EXPECT_EQ(canvas.logicalSize(), graph->size());
        }

        // The time axis, three pixels wide at the start-up size.
        const int axisRow = static_cast<int>(canvas.toPixel(0, 0).y() * canvas.devicePixelRatio());
        EXPECT_EQ(axisWidth(image, axisRow), r.axis);

        // The load on the strip.
        CanvasWidget* strip = h.view("animationView");
        ASSERT_TRUE(strip->setup().has_value());
        const ImageCanvas& stripCanvas = strip->canvas();
        const double loadPx =
            std::abs(stripCanvas.toPixel(0, strip->setup()->loadHeight).y() - stripCanvas.toPixel(0, 0).y());
        EXPECT_NEAR(loadPx * strip->zoom(), r.load, r.load * 0.05);
    }
}
