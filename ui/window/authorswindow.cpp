#include "ui/window/authorswindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QSvgRenderer>

namespace dryfriction {

namespace {

// The portrait, drawn at its own size of 150 x 180 pixels.
QPixmap portrait(qreal devicePixelRatio)
{
    const QSize size(150, 180);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/ui/resources/authors.svg"));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

}  // namespace

AuthorsWindow::AuthorsWindow(QWidget* parent, const ReleaseInfo& release)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("authorsWindow"));
    setWindowTitle(tr("Авторы"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* portraitLabel = new QLabel(this);
    portraitLabel->setObjectName(QStringLiteral("portrait"));
    portraitLabel->setGeometry(32, 8, 150, 180);
    portraitLabel->setPixmap(portrait(devicePixelRatioF()));

    auto* credits = new QLabel(this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setGeometry(8, 200, 209, 81);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    credits->setFont(font);
    credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credits->setWordWrap(true);
    const QStringList lines = {
        tr("Программа «dryfriction»,"),
        tr("версия %1, %2")
            .arg(QString::fromUtf8(release.version.data(), static_cast<qsizetype>(release.version.size())),
                 QString::fromStdString(releaseDateText(release))),
        tr("Учебная модель механики:"),
        tr("груз на пружине при сухом трении"),
        tr("Написана на C++20 и Qt 6"),
        tr("Авторы: участники проекта"),
    };
    credits->setText(lines.join(QLatin1Char('\n')));
}

// Esc closes the window, as it closes a dialog.
void AuthorsWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace dryfriction
