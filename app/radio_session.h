#pragma once
// The main window's line to the radio: one programming run at a time on the configured
// port, with the password typed earlier kept for the next run.
#include "link/run_ui.h"
#include "link/transport.h"
#include "model/editing_model.h"
#include "model/radio_image.h"

#include <QString>

#include <functional>
#include <memory>

#include "link/write_task.h"

namespace tq8615 { class ProgrammingRun; class FleetLoop; }

namespace tq8615::app {

class RadioSession {
public:
    using TransportFactory = std::function<std::unique_ptr<Transport>(const QString& port)>;
    using Finished = std::function<void(bool success)>;

    explicit RadioSession(RunUi& ui);
    ~RadioSession();

    TransportFactory makeTransport;  // a serial port by default
    int replyTimeoutMs = 300;

    bool isActive() const;

    // Each returns true when the run started.
    bool startRead(const QString& port, std::function<void(int band, RadioImage& image)> accept);
    // The write with its read-back and backup as `options` say.
    bool startWrite(const QString& port, EditingModel& model, const WriteTaskOptions& options);
    bool startReadEmbeddedInfo(const QString& port);
    // The loop that writes radio after radio on the port; null while a run is active.
    FleetLoop* prepareFleet(const QString& port);

private:
    bool prepare(const QString& port);
    RunUi& ui_;
    RadioImage image_;
    BlockUsageMap usage_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<ProgrammingRun> run_;
    std::unique_ptr<WriteTask> task_;
    std::unique_ptr<Transport> probeLine_;
    std::unique_ptr<FleetLoop> fleet_;
    std::string enteredPassword_;
};

}  // namespace tq8615::app
