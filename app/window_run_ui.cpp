#include "window_run_ui.h"

#include "frm_emg.h"
#include "frm_password.h"
#include "frm_progress.h"
#include "language.h"
#include "message_box.h"

namespace tq8615::app {

WindowRunUi::~WindowRunUi() { delete progress_; }

void WindowRunUi::show(const Message& message)
{
    boxes_.inform(parent_, IconOf(message.icon), AppTitle(), language_.text(message));
}

bool WindowRunUi::confirm(const Message& prompt)
{
    return boxes_.ask(parent_, Icon::Question, AppTitle(), language_.text(prompt), Buttons::OkCancel) == Answer::Ok;
}

void WindowRunUi::progressOpened(RunKind kind)
{
    delete progress_;
    progress_ = new FrmProgress(language_, kind == RunKind::Write, parent_);
    // Modal for the whole program while the run lasts, without blocking the event loop
    // that drives the run.
    progress_->setWindowModality(Qt::ApplicationModal);
    QObject::connect(progress_, &FrmProgress::cancelRequested, progress_, [this] {
        if (cancelRun)
            cancelRun();
    });
    progress_->show();
}

void WindowRunUi::progressChanged(int percent)
{
    if (progress_)
        progress_->SetProgressValue(percent);
}

void WindowRunUi::progressClosed()
{
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
}

std::optional<std::string> WindowRunUi::askPassword(const std::string& preset)
{
    FrmPassWord dlg(language_, QString::fromStdString(preset), parent_);
    if (runDialog_(dlg) != QDialog::Accepted)
        return std::nullopt;
    return dlg.password().toStdString();
}

bool WindowRunUi::askRetry(const Message& question)
{
    return boxes_.ask(parent_, Icon::Warning, AppTitle(), language_.text(question), Buttons::RetryCancel) ==
           Answer::Retry;
}

bool WindowRunUi::confirmStop(const Message& question)
{
    return boxes_.ask(parent_, IconOf(question.icon), AppTitle(), language_.text(question), Buttons::YesNo) ==
           Answer::Yes;
}

void WindowRunUi::showEmbeddedInfo(const EmbeddedInfo& info)
{
    FrmEMG dlg(language_, info, parent_);
    runDialog_(dlg);
}

}  // namespace tq8615::app
