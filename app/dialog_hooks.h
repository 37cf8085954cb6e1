#pragma once
// How windows run their modal dialogs and ask for file names. The program shows real
// dialogs; tests replace the hooks to answer them.
#include <QString>
#include <Qt>

#include <functional>

class QDialog;
class QWidget;

namespace tq8615::app {

// Runs a modal dialog and returns its result.
using DialogRunner = std::function<int(QDialog&)>;

// A modal window's frame: a title and a close button, nothing to minimise or maximise.
Qt::WindowFlags ModalDialogFlags();

struct DialogHooks {
    DialogRunner run;
    // The chosen path, or empty when cancelled; the dialog starts in `folder`.
    std::function<QString(QWidget* parent, const QString& folder, const QString& filter)> openPath;
    // `preset` is the full path the dialog proposes.
    std::function<QString(QWidget* parent, const QString& preset, const QString& filter)> savePath;

    // The platform's own dialogs.
    static DialogHooks Real();
};

}  // namespace tq8615::app
