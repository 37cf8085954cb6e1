#pragma once
// The programming run's questions, progress and messages, shown with the program's
// windows and message boxes.
#include "link/run_ui.h"

#include "dialog_hooks.h"
#include "frm_progress.h"

#include <QPointer>

#include <functional>

class QDialog;
class QWidget;

namespace tq8615::app {

class Language;
class MessageBoxInterface;

class WindowRunUi : public RunUi {
public:
    WindowRunUi(const Language& language, MessageBoxInterface& boxes, DialogRunner& runDialog,
                QWidget* parent)
        : language_(language), boxes_(boxes), runDialog_(runDialog), parent_(parent) {}
    ~WindowRunUi() override;

    void show(const Message& message) override;
    bool confirm(const Message& prompt) override;
    void progressOpened(RunKind kind) override;
    void progressChanged(int percent) override;
    void progressClosed() override;
    std::optional<std::string> askPassword(const std::string& preset) override;
    bool askRetry(const Message& question) override;
    void showEmbeddedInfo(const EmbeddedInfo& info) override;
    bool confirmStop(const Message& question) override;

    FrmProgress* progressWindow() const { return progress_; }

private:
    const Language& language_;
    MessageBoxInterface& boxes_;
    DialogRunner& runDialog_;
    QWidget* parent_;
    QPointer<FrmProgress> progress_;
};

}  // namespace tq8615::app
