#pragma once

#include <QObject>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace dryfriction {

struct WindowLayout;

// The frame of option buttons that chooses the view shown, one per entry of
// the view table, the first chosen at start.
class ViewChooser : public QObject {
    Q_OBJECT

public:
    explicit ViewChooser(QWidget* client);

    // The index of the chosen view in the catalog.
    int currentView() const;
    QGroupBox* frame() const { return m_frame; }
    QRadioButton* option(int view) const { return m_options.at(static_cast<std::size_t>(view)); }
    void place(const WindowLayout& layout);

signals:
    void viewChosen(int view);

private:
    QGroupBox* m_frame = nullptr;
    QButtonGroup* m_group = nullptr;
    std::vector<QRadioButton*> m_options;
};

}  // namespace dryfriction
