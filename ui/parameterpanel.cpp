#include "ui/parameterpanel.h"

#include "ui/controlstyle.h"
#include "ui/windowlayout.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace dryfriction {

namespace {

struct FieldEntry {
    InputField field;
    const char* captionName;
    const char* fieldName;
    const char* caption;
    const char* captionTip;
    const char* fieldTip;
};

// In the order of InputField. The caption's tooltip and the field's differ in
// places ("Время расчёта (,безразмерное)").
constexpr FieldEntry kFieldEntries[] = {
    {InputField::Mass, "massCaption", "massEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "m(кг)="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Масса груза"), QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Масса груза")},
    {InputField::Stiffness, "stiffnessCaption", "stiffnessEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", " к(Н/м)="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Коэффициент жёсткости пружины"),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Коэффициент жёсткости пружины")},
    // The Greek mu as a character of its own: no symbol font is needed.
    {InputField::Friction, "frictionCaption", "frictionEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "μ="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Коэффициент трения скольжения"),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "коэффициент трения скольжения")},
    {InputField::X0, "coordinateCaption", "coordinateEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", " Xo=xo/a="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Начальная координата (безразмерная)"),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Начальная координата (безразмерная)")},
    {InputField::V0, "velocityCaption", "velocityEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Vo/Va="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Начальная скорость (безразмерная)"),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Начальная скорость (безразмерная)")},
    {InputField::Time, "timeCaption", "timeEdit", QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "t расч.="),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Время расчёта (,безразмерное)"),
     QT_TRANSLATE_NOOP("dryfriction::ParameterPanel", "Время расчета (безразмерное)")},
};

}  // namespace

ParameterPanel::ParameterPanel(QWidget* client) : QObject(client)
{
    const QColor text = windowTextColor();
    m_title = makeLabel(new QLabel(tr("Параметры задачи"), client), "parametersTitle", tr("Параметры задачи"),
                        serifFont(11.25, true), kPanelColor, text);

    for (const FieldEntry& e : kFieldEntries) {
        const std::size_t i = index(e.field);
        m_captions[i] = makeLabel(new QLabel(tr(e.caption), client), e.captionName, tr(e.captionTip),
                                  serifFont(11.25), kPanelColor, text);
        m_fields[i] = makeField(client, e.fieldName, tr(e.fieldTip));
        connect(m_fields[i], &QLineEdit::textChanged, this,
                [this, field = e.field](const QString& t) { emit edited(field, t); });
    }
}

void ParameterPanel::showText(InputField f, const QString& text)
{
    // Writing the text also puts the cursor at its end and forgets the undo
    // history, as any rewrite of the field does.
    QLineEdit* edit = field(f);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void ParameterPanel::setEditable(bool editable)
{
    for (QLineEdit* edit : m_fields)
        edit->setEnabled(editable);
}

void ParameterPanel::place(const WindowLayout& layout)
{
    dryfriction::place(m_title, layout.parametersTitle);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        dryfriction::place(m_captions[i], layout.fieldCaptions[i]);
        dryfriction::place(m_fields[i], layout.fields[i]);
    }
}

}  // namespace dryfriction
