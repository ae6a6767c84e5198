#include "ui/platform/messageboxes.h"

#include <QMessageBox>

namespace dryfriction {

void MessageBoxes::inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

namespace {

bool ask(QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButton chosen)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(chosen);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool MessageBoxes::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return ask(parent, title, text, QMessageBox::Yes);
}

bool MessageBoxes::askYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text)
{
    return ask(parent, title, text, QMessageBox::No);
}

}  // namespace dryfriction
