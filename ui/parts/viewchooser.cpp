#include "ui/parts/viewchooser.h"

#include "ui/text/viewcatalog.h"
#include "ui/look/controlstyle.h"
#include "ui/look/windowlayout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPalette>
#include <QRadioButton>

#include <cmath>

namespace dryfriction {

namespace {

// The options stand one under the other, 50/3 pixels apart and 13 pixels
// high, as wide as the frame inside its margins: the sans-serif face here is
// wide, and "проекция Vx" must not be cut.
constexpr double kOptionLeft = 3.3;
constexpr double kOptionPitch = 50.0 / 3;
constexpr double kOptionHeight = 13.3;
constexpr int kOptionWidth = 132;

int rounded(double v)
{
    return static_cast<int>(std::lround(v));
}

}  // namespace

ViewChooser::ViewChooser(QWidget* client) : QObject(client)
{
    const QColor text = windowTextColor();
    m_frame = new QGroupBox(tr("графики"), client);
    m_frame->setObjectName(QStringLiteral("viewChooser"));
    m_frame->setFont(sansFont(8.25));
    setColors(m_frame, kPanelColor, text);

    m_group = new QButtonGroup(this);
    int index = 0;
    for (const ViewEntry& view : viewTable()) {
        auto* button = new QRadioButton(optionText(view), m_frame);
        button->setObjectName(QString::fromLatin1(view.optionName));
        button->setToolTip(descriptionText(view));
        button->setFont(sansFont(8.25));
        setColors(button, kPanelColor, text);
        button->setAutoFillBackground(false);
        // The circles too keep the window's colours: white, with a black dot.
        QPalette circle = button->palette();
        circle.setColor(QPalette::Base, Qt::white);
        circle.setColor(QPalette::Text, text);
        button->setPalette(circle);
        button->setGeometry(rounded(kOptionLeft), rounded(kOptionPitch * (index + 1)), kOptionWidth,
                            rounded(kOptionHeight));
        m_group->addButton(button, index);
        m_options.push_back(button);
        ++index;
    }
    m_options.front()->setChecked(true);

    // A click on an option is its becoming the chosen one.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int view, bool on) {
        if (on)
            emit viewChosen(view);
    });
}

int ViewChooser::currentView() const
{
    return m_group->checkedId();
}

void ViewChooser::place(const WindowLayout& layout)
{
    dryfriction::place(m_frame, layout.viewChooser);
}

}  // namespace dryfriction
