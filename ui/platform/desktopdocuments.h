#pragma once

#include "ui/platform/services.h"

#include <QObject>
#include <QString>

namespace dryfriction {

// Finds the help documents where this program was started from or installed
// to, and opens them with the desktop's associated applications through a
// launcher (xdg-open): plain text goes to whatever the desktop opens text
// files with. A launcher that is missing, cannot start, or ends with an error
// within the first moment (its viewer refusing the file) counts as a failure;
// one still running then has handed the file to its viewer.
class DesktopDocuments : public DocumentOpener {
public:
    static constexpr int kSettleMs = 3000;

    // `launcher`: a program name looked up on PATH, or a path; it is given
    // the file's URL.
    explicit DesktopDocuments(QString launcher = QStringLiteral("xdg-open"), int settleMs = kSettleMs);
    ~DesktopDocuments() override;

    DesktopDocuments(const DesktopDocuments&) = delete;
    DesktopDocuments& operator=(const DesktopDocuments&) = delete;

    QStringList searchFolders() const override;
    void openDocument(const QString& absolutePath, Outcome outcome) override;
    void openText(const QString& absolutePath, Outcome outcome) override;

private:
    void launch(const QString& absolutePath, Outcome outcome);

    QString m_launcher;
    int m_settleMs;
    QObject m_launches;  // the launchers still running
};

}  // namespace dryfriction
