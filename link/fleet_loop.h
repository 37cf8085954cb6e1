#pragma once
// Programming a fleet: one configuration into radio after radio. Waits for a radio to answer,
// runs the write task (serial number, write, verify), reports the radio, then waits for it
// to go before the next. Event driven, for the window and the command line alike.
#include "link/write_task.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <ctime>
#include <functional>
#include <string>

namespace tq8615 {

struct FleetRadio {
    int number = 0;           // 1 for the first radio of the loop
    std::time_t started = 0;
    std::string serial;
    bool ok = false;
    std::string result;       // "verified", "written", "failed", "verify failed: ..."
    double seconds = 0;
};

class FleetLoop : public QObject {
    Q_OBJECT
public:
    // `probeLine` is a line of its own on the port the task's run uses.
    FleetLoop(Transport& probeLine, WriteTask& task, QObject* parent = nullptr);

    // `request` gives each radio's write; `count` radios, 0 for no limit.
    void start(std::function<WriteRequest()> request, WriteTaskOptions options, int count);
    // Ends between radios: a write under way is completed first.
    void stop();
    bool isRunning() const { return phase_ != Phase::Idle; }
    int done() const { return done_; }
    int failed() const { return failed_; }

Q_SIGNALS:
    void waitingForRadio();
    void writing(int number);
    void radioFinished(const tq8615::FleetRadio& radio);
    void waitingForRemoval();
    void finished();

private:
    enum class Phase { Idle, Waiting, Writing, Removing };
    void probe();
    void enter(Phase phase);
    void onTaskFinished(bool ok);
    void end();

    Transport& probeLine_;
    WriteTask& task_;
    QTimer poll_;
    QElapsedTimer clock_;
    Phase phase_ = Phase::Idle;
    std::function<WriteRequest()> request_;
    WriteTaskOptions options_;
    FleetRadio current_;
    int count_ = 0;
    int done_ = 0;
    int failed_ = 0;
    bool stopAsked_ = false;
};

}  // namespace tq8615
