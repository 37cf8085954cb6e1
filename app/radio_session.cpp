#include "radio_session.h"

#include "link/fleet_loop.h"
#include "link/model_link.h"
#include "link/programming_run.h"
#include "link/serial_transport.h"

namespace tq8615::app {

RadioSession::RadioSession(RunUi& ui) : ui_(ui)
{
    makeTransport = [](const QString& port) -> std::unique_ptr<Transport> {
        return std::make_unique<SerialPortTransport>(port);
    };
}

RadioSession::~RadioSession() = default;

bool RadioSession::isActive() const
{
    return (run_ && run_->isActive()) || (task_ && task_->isActive()) || (fleet_ && fleet_->isRunning());
}

bool RadioSession::prepare(const QString& port)
{
    if (isActive())
        return false;
    if (run_)
        enteredPassword_ = run_->variables().EnteredPassword;
    fleet_.reset();
    task_.reset();
    run_.reset();
    transport_ = makeTransport(port);
    run_ = std::make_unique<ProgrammingRun>(*transport_, ui_, image_, usage_);
    task_ = std::make_unique<WriteTask>(*run_, ui_, image_);
    run_->setReplyTimeout(replyTimeoutMs);
    run_->setEnteredPassword(enteredPassword_);
    return true;
}

bool RadioSession::startRead(const QString& port, std::function<void(int, RadioImage&)> accept)
{
    return prepare(port) && run_->startRead(std::move(accept));
}

bool RadioSession::startWrite(const QString& port, EditingModel& model, const WriteTaskOptions& options)
{
    return prepare(port) && task_->start(WriteRequestFor(model), options);
}

FleetLoop* RadioSession::prepareFleet(const QString& port)
{
    if (!prepare(port))
        return nullptr;
    probeLine_ = makeTransport(port);
    fleet_ = std::make_unique<FleetLoop>(*probeLine_, *task_);
    return fleet_.get();
}

bool RadioSession::startReadEmbeddedInfo(const QString& port)
{
    return prepare(port) && run_->startReadEmbeddedInfo();
}

}  // namespace tq8615::app
