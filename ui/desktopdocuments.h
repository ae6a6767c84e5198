#pragma once

#include "ui/services.h"

namespace dryfriction {

// Opens documents with the desktop's associated applications (xdg-open on
// Linux). Plain text goes to whatever the desktop opens text files with.
class DesktopDocuments : public DocumentOpener {
public:
    bool openDocument(const QString& absolutePath) override;
    bool openText(const QString& absolutePath) override;
};

}  // namespace dryfriction
