#pragma once

#include <QByteArray>

class QImage;

namespace dryfriction {

// The image as the bytes of a PNG file, losslessly: 8 bits per channel, RGB,
// or RGBA when the image has an alpha channel (stored unpremultiplied, as PNG
// wants); its resolution (dots per metre) recorded when it has one. Empty for
// a null image or when the compressor fails.
//
// Written for the graphs saved from the window: each row is stored as its
// difference from the row above ("Up" filter) and deflated at zlib's fastest
// level. A graph is mostly plain background and vertical runs of the same
// colour, so that is nearly as small as the general-purpose writer's output
// and about twice as fast: that one tries all five filters on every row and
// repacks each pixel. A palette would be smaller still, but it is exact only
// up to 256 colours, and the smoothed traces and text of a graph give it
// thousands.
QByteArray pngBytes(const QImage& image);

}  // namespace dryfriction
