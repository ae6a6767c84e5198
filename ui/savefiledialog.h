#pragma once

#include "ui/services.h"

namespace dryfriction {

// The platform's save dialog; it asks before a file is overwritten.
class SaveFileDialog final : public FileChooser {
public:
    Choice chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                          const QStringList& filters) override;
};

}  // namespace dryfriction
