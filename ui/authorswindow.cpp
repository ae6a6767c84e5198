#include "ui/authorswindow.h"

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

AuthorsWindow::AuthorsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("authorsWindow"));
    setWindowTitle(tr("Авторы"));
    setFixedSize(kClientWidth, kClientHeight);

    m_portrait = new QLabel(this);
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_portrait->setGeometry(32, 8, 150, 180);
    m_portrait->setPixmap(portrait(devicePixelRatioF()));

    m_credits = new QLabel(this);
    m_credits->setObjectName(QStringLiteral("credits"));
    m_credits->setGeometry(8, 200, 209, 81);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    m_credits->setFont(font);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setWordWrap(true);
    const QStringList lines = {
        tr("Программа «dryfriction», 2026"),
        tr("Учебная модель механики:"),
        tr("груз на пружине"),
        tr("при сухом (кулоновом) трении"),
        tr("Написана на C++20 и Qt 6"),
        tr("Авторы: участники проекта"),
    };
    m_credits->setText(lines.join(QLatin1Char('\n')));
}

QString AuthorsWindow::credits() const
{
    return m_credits->text();
}

}  // namespace dryfriction
