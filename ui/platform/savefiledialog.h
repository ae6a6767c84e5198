#pragma once

#include "ui/platform/services.h"

namespace dryfriction {

// The platform's save dialog. It returns the name as typed and asks
// nothing about an existing file: the caller knows which file it writes.
class SaveFileDialog final : public FileChooser {
public:
    Choice chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                          const QStringList& filters) override;
};

}  // namespace dryfriction
