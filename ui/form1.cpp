#include "form1.h"

#include "accessibility.h"
#include "canvaswidget.h"
#include "form2.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>

namespace dryfriction {

Form1::Form1(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint),
      m_services(services)
{
    // Form_Load: the start-up parameters and slowdown are the members'
    // initial values. Nothing is computed until the first resize.
    createControls();
    createMenus();
    connectHandlers();

    // The menu bar lies outside the client area, so the window is taller by it.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    m_client->resize(kClientWidth, kClientHeight);
    nameForScreenReaders(*this);
}

Form1::~Form1() = default;

QString Form1::restCaption()
{
    return QStringLiteral("Моделирование колебаний при сухом трении");
}

QWidget* Form1::authorsWindow() const
{
    return m_form2;
}

QString Form1::decimalPoint() const
{
    return QLocale().decimalPoint();
}

// parametr: the characteristics of the parameters in force and their captions,
// written in the order 12, 13, 14, 18, 15, 16, 17.
void Form1::parametr()
{
    m_chars = dryfriction::parametr(m_params, m_chars);
    const CharacteristicCaptions c = characteristicCaptions(m_chars, decimalPoint().toStdString());
    Label12->setText(QString::fromStdString(c.label12));
    Label13->setText(QString::fromStdString(c.label13));
    Label14->setText(QString::fromStdString(c.label14));
    Label18->setText(QString::fromStdString(c.label18));
    Label15->setText(QString::fromStdString(c.label15));
    Label16->setText(QString::fromStdString(c.label16));
    Label17->setText(QString::fromStdString(c.label17));
}

Views Form1::views()
{
    return {Picture1->canvas(), Picture2->canvas(), Picture3->canvas(), Picture4->canvas(),
            Picture5->canvas()};
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // A resize of the client area relays out and redraws everything. During
    // a run the window is locked against resizing; should a resize come
    // through all the same, it is not allowed to wipe the traces being drawn:
    // the controls keep their places until the next resize at rest.
    if (watched == m_client && event->type() == QEvent::Resize && !m_running)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace dryfriction
