#pragma once

#include "model/inputrules.h"

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace dryfriction {

struct WindowLayout;

// The input column: a title and one captioned field per parameter. It turns
// the user's typing into edits of a field and shows the texts it is given,
// without taking those for typing. A number still being typed ("2.", "-",
// "1e-") is no edit yet: it waits for the next key, or becomes one as it
// stands when the user leaves the field or presses Enter.
class ParameterPanel : public QObject {
    Q_OBJECT

public:
    // The controls are made on `client`, where the window lays them out.
    explicit ParameterPanel(QWidget* client);

    QLineEdit* field(InputField f) const { return m_fields[index(f)]; }

    // Writes the field's text; this is not an edit. The cursor keeps its
    // place among the characters of the number.
    void showText(InputField f, const QString& text);
    // Whether the field holds a number the user is still typing ("2.", "-"),
    // which a relayout must leave as it stands.
    bool holdsUnfinishedNumber(InputField f) const;
    // Whether the fields take input (not during a run).
    void setEditable(bool editable);
    void place(const WindowLayout& layout);

signals:
    // The text of a field was changed by the user (typed, pasted, deleted)
    // into a complete number, or left unfinished.
    void edited(InputField field, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeText(InputField f, const QString& text);
    void settle(InputField f);

    static constexpr std::size_t index(InputField f) { return static_cast<std::size_t>(f); }

    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_captions{};
    std::array<QLineEdit*, 6> m_fields{};
};

}  // namespace dryfriction
