#include "ui/parts/parameterpanel.h"

#include "ui/look/controlstyle.h"
#include "ui/look/windowlayout.h"

#include "model/numbertext.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

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

// A printable key without Ctrl, Alt or Meta is text for the field.
bool isTextKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QList<uint> text = key.text().toUcs4();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](uint ch) { return QChar::isPrint(ch); });
}

bool isSeparatorLetter(QChar ch)
{
    return ch == QChar(u'ю') || ch == QChar(u'Ю') || ch == QChar(u'б') || ch == QChar(u'Б');
}

// Text that cannot be part of a number is refused rather than dropped without a word.
bool refuses(const QKeyEvent& key)
{
    const QList<uint> text = key.text().toUcs4();
    return isTextKey(key)
           && !std::all_of(text.begin(), text.end(), [](uint ch) { return isFieldNumberCharacter(ch); });
}

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
                [this, field = e.field](const QString& t) { takeText(field, t); });
        connect(m_fields[i], &QLineEdit::returnPressed, this, [this, field = e.field] { complete(field); });
        m_fields[i]->installEventFilter(this);
    }
}

// Keys go to the field that has the window's focus, also while another
// window is in front; a text changed in any other field was set from
// outside, whole, and there is no typing to wait for.
void ParameterPanel::takeText(InputField f, const QString& text)
{
    QLineEdit* edit = field(f);
    m_typing[index(f)] = edit->window()->focusWidget() == edit;
    if (m_typing[index(f)]) {
        completeOthers(f);
        emit typed(f, text);
    } else {
        emit completed(f, text);
    }
}

void ParameterPanel::complete(InputField f)
{
    if (!m_typing[index(f)])
        return;
    m_typing[index(f)] = false;
    emit completed(f, field(f)->text());
}

// The focus can move while the window is not active (a message box just
// closed, no window manager), and then no field hears that it was left: the
// field the user turns to completes any other still being typed.
void ParameterPanel::completeOthers(InputField f)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (i != index(f))
            complete(static_cast<InputField>(i));
    }
}

void ParameterPanel::completeTyping()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        complete(static_cast<InputField>(i));
}

void ParameterPanel::replaceTyping(InputField f)
{
    m_typing[index(f)] = false;
    QLineEdit* edit = field(f);
    if (edit->window()->focusWidget() == edit)
        edit->selectAll();
}

// Moving to another control leaves the field. Another window or a menu coming
// up does not: the user comes back to the same keystroke.
bool ParameterPanel::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(m_fields.begin(), m_fields.end(), watched);
    if (found == m_fields.end())
        return QObject::eventFilter(watched, event);
    const auto f = static_cast<InputField>(found - m_fields.begin());
    QLineEdit* edit = *found;

    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            complete(f);
    } else if (event->type() == QEvent::FocusIn) {
        completeOthers(f);
    } else if (event->type() == QEvent::KeyPress && edit->isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (refuses(*key)) {
            emit keyRefused();
            return true;
        }
        // The key a Russian layout has where "." is types the point: "1б5"
        // would read as 1.5 but look like 165.
        if (isTextKey(*key) && key->text().size() == 1 && isSeparatorLetter(key->text().front())) {
            edit->insert(QStringLiteral("."));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::showText(InputField f, const QString& text)
{
    QLineEdit* edit = field(f);
    if (edit->text() == text)
        return;
    // A rewrite forgets the undo history, as any rewrite of the field does.
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
