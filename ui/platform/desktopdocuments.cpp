#include "ui/platform/desktopdocuments.h"

#include "ui/platform/documentfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace dryfriction {

DesktopDocuments::DesktopDocuments(QString launcher, int settleMs)
    : m_launcher(std::move(launcher)), m_settleMs(settleMs)
{
}

// A launcher still waiting for its viewer (xdg-open outside a known desktop
// waits until the viewer is closed) ends with the program; the viewer it
// started stays open.
DesktopDocuments::~DesktopDocuments()
{
    for (QProcess* process : m_launches.findChildren<QProcess*>()) {
        process->disconnect();
        process->kill();
        process->waitForFinished();
    }
}

QStringList DesktopDocuments::searchFolders() const
{
    return documentFolders(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

void DesktopDocuments::openDocument(const QString& absolutePath, Outcome outcome)
{
    launch(absolutePath, std::move(outcome));
}

void DesktopDocuments::openText(const QString& absolutePath, Outcome outcome)
{
    launch(absolutePath, std::move(outcome));
}

// Opened means: the launcher ended without an error, or it was still running
// when the moment was over. Whatever it does afterwards is no longer reported.
void DesktopDocuments::launch(const QString& absolutePath, Outcome outcome)
{
    const QString program = m_launcher.contains(QLatin1Char('/')) ? m_launcher
                                                                  : QStandardPaths::findExecutable(m_launcher);
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        outcome(false);
        return;
    }

    auto* process = new QProcess(&m_launches);
    process->setProgram(program);
    process->setArguments({QUrl::fromLocalFile(absolutePath).toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    auto pending = std::make_shared<Outcome>(std::move(outcome));
    const auto report = [pending](bool opened) {
        if (Outcome told = std::exchange(*pending, nullptr))
            told(opened);
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            report(false);
            process->deleteLater();
        }
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int exitCode, QProcess::ExitStatus status) {
                         report(status == QProcess::NormalExit && exitCode == 0);
                         process->deleteLater();
                     });
    QTimer::singleShot(m_settleMs, process, [report] { report(true); });
    process->start();
}

}  // namespace dryfriction
