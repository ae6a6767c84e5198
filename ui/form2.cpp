#include "form2.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
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

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Авторы"));
    setFixedSize(kClientWidth, kClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(32, 8, 150, 180);
    Image1->setPixmap(portrait(devicePixelRatioF()));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 200, 209, 81);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
}

void Form2::setCaption(const QString& text)
{
    Label1->setText(text);
}

QString Form2::caption() const
{
    return Label1->text();
}

}  // namespace dryfriction
