#include "ui/platform/systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace dryfriction {

void SystemClipboard::setImage(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

}  // namespace dryfriction
