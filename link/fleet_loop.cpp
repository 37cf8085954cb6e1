#include "link/fleet_loop.h"

#include "link/radio_probe.h"

namespace tq8615 {

namespace {
constexpr int kPollPauseMs = 200;

std::string ResultText(const WriteTaskResult& r, bool verify)
{
    if (r.ok)
        return verify ? "verified" : "written";
    if (!r.mismatch.empty())
        return "verify failed: " + r.mismatch.text();
    return "failed";
}
}  // namespace

FleetLoop::FleetLoop(Transport& probeLine, WriteTask& task, QObject* parent)
    : QObject(parent), probeLine_(probeLine), task_(task)
{
    poll_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &FleetLoop::probe);
    connect(&task_, &WriteTask::finished, this, &FleetLoop::onTaskFinished);
}

void FleetLoop::start(std::function<WriteRequest()> request, WriteTaskOptions options, int count)
{
    if (isRunning())
        return;
    request_ = std::move(request);
    options_ = std::move(options);
    options_.readSerial = true;
    count_ = count;
    done_ = failed_ = 0;
    stopAsked_ = false;
    enter(Phase::Waiting);
}

void FleetLoop::stop()
{
    stopAsked_ = true;
    if (phase_ != Phase::Writing)
        end();
}

void FleetLoop::enter(Phase phase)
{
    phase_ = phase;
    if (phase == Phase::Waiting)
        Q_EMIT waitingForRadio();
    else if (phase == Phase::Removing)
        Q_EMIT waitingForRemoval();
    poll_.start(0);
}

void FleetLoop::probe()
{
    if (phase_ != Phase::Waiting && phase_ != Phase::Removing)
        return;
    const bool present = RadioAnswers(probeLine_);
    if (phase_ == Phase::Idle)  // stopped while the probe waited
        return;
    if (phase_ == Phase::Removing) {
        if (present)
            poll_.start(kPollPauseMs);
        else
            enter(Phase::Waiting);
        return;
    }
    if (!present) {
        poll_.start(kPollPauseMs);
        return;
    }
    phase_ = Phase::Writing;
    current_ = {};
    current_.number = done_ + failed_ + 1;
    current_.started = std::time(nullptr);
    clock_.start();
    Q_EMIT writing(current_.number);
    if (!task_.start(request_(), options_, false))
        onTaskFinished(false);  // the port or the encoder has said why
}

void FleetLoop::onTaskFinished(bool ok)
{
    if (phase_ != Phase::Writing)
        return;
    const WriteTaskResult& r = task_.result();
    current_.serial = r.serial;
    current_.ok = ok;
    current_.result = ResultText(r, options_.verify);
    current_.seconds = double(clock_.elapsed()) / 1000.0;
    (ok ? done_ : failed_) += 1;
    Q_EMIT radioFinished(current_);
    if (stopAsked_ || (count_ > 0 && done_ + failed_ >= count_))
        end();
    else
        enter(Phase::Removing);
}

void FleetLoop::end()
{
    if (phase_ == Phase::Idle)
        return;
    phase_ = Phase::Idle;
    poll_.stop();
    Q_EMIT finished();
}

}  // namespace tq8615
