#pragma once
// How windows run their modal dialogs and ask for file names. The program shows real
// dialogs; tests replace the hooks to answer them.
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace tq8615::app {

// Runs a modal dialog and returns its result.
using DialogRunner = std::function<int(QDialog&)>;

struct DialogHooks {
    DialogRunner run;
    // The chosen path, or empty when cancelled.
    std::function<QString(QWidget* parent, const QString& filter)> openPath;
    std::function<QString(QWidget* parent, const QString& preset, const QString& filter)> savePath;

    // The platform's own dialogs.
    static DialogHooks Real();
};

}  // namespace tq8615::app
