#include "ui/parameterpanel.h"

#include "ui/controlstyle.h"
#include "ui/windowlayout.h"

#include "model/numbertext.h"

#include <QEvent>
#include <QFocusEvent>
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

// Where the cursor goes when a field's text is rewritten: behind as many
// characters other than blanks as stood before it, so that "1 9.5", typed at
// the front of " 9.5", becomes " 19.5" with the cursor still behind the 1.
// A cursor at the end stays at the end ("2" -> " 2", "2,5" -> " 2.5").
qsizetype cursorAfterRewrite(const QString& before, qsizetype cursor, const QString& after)
{
    if (cursor >= before.size())
        return after.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < cursor; ++i) {
        if (!before[i].isSpace())
            ++kept;
    }
    qsizetype pos = 0;
    for (; kept > 0 && pos < after.size(); ++pos) {
        if (!after[pos].isSpace())
            --kept;
    }
    return pos;
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
        connect(m_fields[i], &QLineEdit::returnPressed, this, [this, field = e.field] { settle(field); });
        m_fields[i]->installEventFilter(this);
    }
}

void ParameterPanel::takeText(InputField f, const QString& text)
{
    // "2." read now would be rewritten " 2", and the 5 that follows would make
    // it 25; "-" would read 0 and lose the sign of "-6".
    if (!isUnfinishedNumber(text.toStdString()))
        emit edited(f, text);
}

// The user is done with the field: a number left unfinished is read as it
// stands ("2." as 2, "-" as 0), so that the field never shows a text other
// than the value in force once the user has moved on.
void ParameterPanel::settle(InputField f)
{
    const QString text = field(f)->text();
    if (isUnfinishedNumber(text.toStdString()))
        emit edited(f, text);
}

// Moving to another control leaves the field. Another window or a menu coming
// up does not: the user comes back to the same keystroke.
bool ParameterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < m_fields.size(); ++i) {
                if (watched == m_fields[i])
                    settle(static_cast<InputField>(i));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::showText(InputField f, const QString& text)
{
    // The same text again would still move the cursor to the end, under the
    // keys the user is typing into the middle of the number.
    QLineEdit* edit = field(f);
    if (edit->text() == text)
        return;
    // A rewrite forgets the undo history, as any rewrite of the field does.
    const qsizetype cursor = cursorAfterRewrite(edit->text(), edit->cursorPosition(), text);
    const QSignalBlocker quiet(edit);
    edit->setText(text);
    edit->setCursorPosition(static_cast<int>(cursor));
}

bool ParameterPanel::holdsUnfinishedNumber(InputField f) const
{
    return isUnfinishedNumber(field(f)->text().toStdString());
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
