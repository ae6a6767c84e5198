#pragma once

#include "ui/platform/services.h"

namespace dryfriction {

// The message service of the desktop: modal boxes without an icon.
class MessageBoxes : public MessageService {
public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace dryfriction
