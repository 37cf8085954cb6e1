#include "link/write_task.h"

#include <QCoreApplication>
#include <QTimer>

namespace tq8615 {

WriteTask::WriteTask(ProgrammingRun& run, RunUi& ui, RadioImage& image, QObject* parent)
    : QObject(parent), run_(run), ui_(ui), image_(image)
{
    connect(&run_, &ProgrammingRun::finished, this, &WriteTask::onRunFinished);
}

bool WriteTask::start(WriteRequest request, WriteTaskOptions options, bool confirm)
{
    if (isActive() || run_.isActive())
        return false;
    if (confirm)
        run_.askBeforeStart(WritePrompt());  // after the port opened, before anything is sent
    request_ = std::move(request);
    options_ = std::move(options);
    result_ = {};
    backupFailure_.reset();
    run_.setQuiet(true);
    const Step first = options_.readSerial || options_.backup ? Step::Info : Step::Write;
    if (!startStep(first)) {
        run_.setQuiet(false);
        step_ = Step::Idle;
        return false;
    }
    return true;
}

bool WriteTask::startStep(Step step)
{
    step_ = step;
    switch (step) {
    case Step::Info:
        return run_.startReadEmbeddedInfo();
    case Step::Backup:
        return run_.startRead([this](int band, RadioImage& image) {
            backupFailure_ = options_.backup(band, image, result_.serial);
        });
    case Step::Write:
        return run_.startWrite(request_);
    case Step::Verify:
        written_ = image_;
        writtenBlocks_ = run_.planner().plannedBlocks(kImageEndAddress);
        return run_.startReadBack(request_.channelsInUse);
    case Step::Idle:
        break;
    }
    return false;
}

void WriteTask::onRunFinished(bool ok)
{
    if (!isActive())
        return;
    if (!ok) {  // the run has said why
        finish(false);
        return;
    }
    switch (step_) {
    case Step::Info:
        result_.serial = ParseEmbeddedInfo(run_.embeddedInfoBuffer()).SerialNumber;
        break;
    case Step::Backup:
        if (backupFailure_) {
            ui_.show(*backupFailure_);
            finish(false);
            return;
        }
        break;
    case Step::Write:
        result_.written = true;
        break;
    case Step::Verify:
        result_.mismatch = FindMismatch(written_, image_, writtenBlocks_);
        if (!result_.mismatch.empty()) {
            ui_.show(Message::Builtin(BuiltinText::VerifyFailed, Message::Icon::Error, result_.mismatch.text()));
            finish(false);
            return;
        }
        break;
    case Step::Idle:
        return;
    }
    // The run that just ended is still unwinding: the next one starts from the event loop.
    QTimer::singleShot(0, this, &WriteTask::next);
}

void WriteTask::next()
{
    Step following = Step::Idle;
    switch (step_) {
    case Step::Info: following = options_.backup ? Step::Backup : Step::Write; break;
    case Step::Backup: following = Step::Write; break;
    case Step::Write: following = options_.verify ? Step::Verify : Step::Idle; break;
    case Step::Verify:
    case Step::Idle: break;
    }
    if (following == Step::Idle) {
        ui_.show(options_.verify ? Message::Builtin(BuiltinText::WrittenAndVerified, Message::Icon::Information)
                                 : Message::Key(TextKey::WriteDone, Message::Icon::Information));
        finish(true);
        return;
    }
    if (!startStep(following))
        finish(false);  // the port or the encoder has said why
}

void WriteTask::finish(bool ok)
{
    step_ = Step::Idle;
    run_.setQuiet(false);
    result_.ok = ok;
    Q_EMIT finished(ok);
}

std::optional<bool> RunTaskToEnd(WriteTask& task, const std::function<bool()>& start)
{
    std::optional<bool> result;
    const auto connection = QObject::connect(&task, &WriteTask::finished, [&result](bool ok) { result = ok; });
    if (start())
        while (task.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QObject::disconnect(connection);
    return result;
}

}  // namespace tq8615
