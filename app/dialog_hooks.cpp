#include "dialog_hooks.h"

#include <QDialog>
#include <QFileDialog>
#include <QRegularExpression>

namespace tq8615::app {

Qt::WindowFlags ModalDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

DialogHooks DialogHooks::Real()
{
    DialogHooks hooks;
    hooks.run = [](QDialog& dialog) {
        dialog.setWindowFlags(ModalDialogFlags());
        return dialog.exec();
    };
    hooks.openPath = [](QWidget* parent, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    };
    hooks.savePath = [](QWidget* parent, const QString& preset, const QString& filter) {
        QFileDialog dialog(parent, QString(), preset, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an extension gets the filter's ("list" becomes "list.csv");
        // without a filter the name stays as typed.
        const QRegularExpressionMatch pattern = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (pattern.hasMatch())
            dialog.setDefaultSuffix(pattern.captured(1));
        dialog.selectFile(preset);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    return hooks;
}

}  // namespace tq8615::app
