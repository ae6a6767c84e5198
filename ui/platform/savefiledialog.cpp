#include "ui/platform/savefiledialog.h"

#include <QFileDialog>

namespace dryfriction {

FileChooser::Choice SaveFileDialog::chooseSaveFile(QWidget* parent, const QString& title,
                                                   const QString& suggestedPath, const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog would ask about the name as typed, while the file written
    // may get the type's suffix: the window asks itself, about that file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

}  // namespace dryfriction
