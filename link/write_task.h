#pragma once
// A write made safe: optionally the radio's embedded information first (its serial number)
// and a backup of what it holds, then the write, then a second conversation that reads the
// written blocks back and compares them byte for byte. One question before it starts, one
// message at its end; the steps are runs of the same ProgrammingRun.
#include "link/programming_run.h"
#include "model/image_areas.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tq8615 {

// Keeps what the radio held before the write; nullopt when saved, else why not.
using BackupSaver = std::function<std::optional<Message>(int radioBand, RadioImage& image, const std::string& serial)>;

struct WriteTaskOptions {
    bool verify = true;
    bool readSerial = false;  // read the embedded information first
    BackupSaver backup;       // set: read the radio and keep it before anything is written
};

struct WriteTaskResult {
    bool ok = false;
    bool written = false;     // the write itself completed
    std::string serial;       // the radio's serial number, when it was read
    ImageMismatch mismatch;   // what the read-back found different
};

class WriteTask : public QObject {
    Q_OBJECT
public:
    WriteTask(ProgrammingRun& run, RunUi& ui, RadioImage& image, QObject* parent = nullptr);

    // Starts, asking the write question once the port is open (unless `confirm` is false); false when it did not
    // start (cancelled, port, encoder); `finished` follows otherwise.
    bool start(WriteRequest request, WriteTaskOptions options, bool confirm = true);
    bool isActive() const { return step_ != Step::Idle; }
    const WriteTaskResult& result() const { return result_; }

Q_SIGNALS:
    void finished(bool ok);

private:
    enum class Step { Idle, Info, Backup, Write, Verify };

    void onRunFinished(bool ok);
    void next();
    bool startStep(Step step);
    void finish(bool ok);

    ProgrammingRun& run_;
    RunUi& ui_;
    RadioImage& image_;
    Step step_ = Step::Idle;
    WriteRequest request_;
    WriteTaskOptions options_;
    WriteTaskResult result_;
    std::optional<Message> backupFailure_;
    RadioImage written_;
    std::vector<int> writtenBlocks_;
};

// Starts the task and turns the event loop until it ends: whether it succeeded, or nullopt
// when it did not start.
std::optional<bool> RunTaskToEnd(WriteTask& task, const std::function<bool()>& start);

}  // namespace tq8615
