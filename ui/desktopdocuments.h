#pragma once

#include "ui/services.h"

namespace dryfriction {

// Finds the help documents where this program was started from or installed
// to, and opens them with the desktop's associated applications (xdg-open on
// Linux). Plain text goes to whatever the desktop opens text files with.
class DesktopDocuments : public DocumentOpener {
public:
    QStringList searchFolders() const override;
    bool openDocument(const QString& absolutePath) override;
    bool openText(const QString& absolutePath) override;
};

}  // namespace dryfriction
