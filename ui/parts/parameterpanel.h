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

// The input column: a title and one captioned field per parameter. While the
// user types in a field, the field holds exactly what was typed, and each
// change is reported as typed(); once the user is done with it (Enter, Tab, a
// click elsewhere, the start of a run) its text is reported as completed(),
// for the window to check and write back in canonical form. A text set while
// the user is elsewhere (by a screen reader, say) is complete at once. The
// texts the panel is given to show are no typing. A key that cannot be part
// of a number is refused.
class ParameterPanel : public QObject {
    Q_OBJECT

public:
    // The controls are made on `client`, where the window lays them out.
    explicit ParameterPanel(QWidget* client);

    QLineEdit* field(InputField f) const { return m_fields[index(f)]; }

    // Writes the field's text; this is not typing.
    void showText(InputField f, const QString& text);
    // Whether the user has typed in the field and not left it yet; a relayout
    // must leave such a field as it stands.
    bool isBeingTyped(InputField f) const { return m_typing[index(f)]; }
    // Ends the typing in `f` without reading it: the window has replaced what
    // was typed by a correction, which is selected so that the next key
    // starts a new number.
    void replaceTyping(InputField f);
    // Completes every field being typed, as leaving it would.
    void completeTyping();
    // Whether the fields take input (not during a run).
    void setEditable(bool editable);
    void place(const WindowLayout& layout);

signals:
    // The user changed the text of a field and is still in it.
    void typed(InputField field, const QString& text);
    // The user is done with the text of a field.
    void completed(InputField field, const QString& text);
    // A key that cannot be part of a number was refused.
    void keyRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeText(InputField f, const QString& text);
    void complete(InputField f);
    void completeOthers(InputField f);

    static constexpr std::size_t index(InputField f) { return static_cast<std::size_t>(f); }

    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_captions{};
    std::array<QLineEdit*, 6> m_fields{};
    std::array<bool, 6> m_typing{};
};

}  // namespace dryfriction
