#include "cli/link_cli.h"
#include "files/document.h"
#include "files/fleet_log.h"
#include "link/fleet_loop.h"
#include "link/model_link.h"
#include "link/serial_transport.h"

#include <QTimer>

#include <csignal>
#include <iostream>

namespace tq8615::cli {

namespace {

constexpr const char* kUsage = "clone FILE.dat --port PORT [--verify] [--count N] --log LOG.csv [--password TEXT] [--retries N]";

volatile std::sig_atomic_t stopAsked = 0;
void OnStop(int) { stopAsked = 1; }

}  // namespace

Command CloneCommand()
{
    return {"clone", kUsage,
            "write the data file into radio after radio: wait for a radio, write (and verify), log time, serial number, "
            "result and duration, wait for it to go; Ctrl+C ends between radios",
            {"--port", "--password", "--retries", "--count", "--log"}, [](const Args& args) {
                auto log = args.option("--log");
                if (args.positional.size() != 1 || !log || log->empty()) {
                    Fail(std::string("usage: tq8615-cli ") + kUsage);
                    return 2;
                }
                auto options = ParseRadioOptions(args);
                if (!options)
                    return 2;
                int count = 0;  // no limit
                if (auto n = args.option("--count")) {
                    if (n->empty() || n->size() > 6 || n->find_first_not_of("0123456789") != std::string::npos
                        || (count = std::stoi(*n)) < 1) {
                        Fail("--count needs a number of 1 or more");
                        return 2;
                    }
                }
                Document doc(ProgramFolder());
                StderrSink sink;
                if (!doc.OpenDataFile(args.positional[0], sink))
                    return 1;
                const auto app = EnsureEventLoop();

                const QString portName = QString::fromStdString(options->port);
                SerialPortTransport port(portName), probeLine(portName);
                TerminalRunUi ui(options->retries);
                RadioImage image;
                BlockUsageMap usage;
                ProgrammingRun run(port, ui, image, usage);
                if (options->password)
                    run.setEnteredPassword(*options->password);
                WriteTask task(run, ui, image);
                FleetLoop loop(probeLine, task);

                bool logFailed = false;
                QObject::connect(&loop, &FleetLoop::waitingForRadio, [&] {
                    std::cerr << "Waiting for a radio on " << options->port << " (Ctrl+C ends)\n";
                });
                QObject::connect(&loop, &FleetLoop::writing, [&](int number) {
                    ui = TerminalRunUi(options->retries);  // each radio gets the Retry answers anew
                    std::cerr << "Radio " << number << ": writing\n";
                });
                QObject::connect(&loop, &FleetLoop::radioFinished, [&](const FleetRadio& radio) {
                    const std::string line = FleetLogLine(radio.started, radio.serial, radio.result, radio.seconds);
                    std::cout << line << std::flush;
                    std::string error;
                    if (!AppendFleetLog(*log, line, error)) {
                        std::cerr << "cannot write the log " << *log << ": " << error << '\n';
                        logFailed = true;
                        loop.stop();
                    }
                    std::cerr << loop.done() << " done, " << loop.failed() << " failed\n";
                });
                QObject::connect(&loop, &FleetLoop::waitingForRemoval, [] {
                    std::cerr << "Switch the radio off or unplug it for the next one\n";
                });

                stopAsked = 0;
                std::signal(SIGINT, OnStop);
                std::signal(SIGTERM, OnStop);
                QTimer watch;
                QObject::connect(&watch, &QTimer::timeout, [&] {
                    if (stopAsked)
                        loop.stop();
                });
                watch.start(100);
                WriteTaskOptions writeOptions;
                writeOptions.verify = args.option("--verify").has_value();
                loop.start([&] { return WriteRequestFor(doc.Model); }, writeOptions, count);
                while (loop.isRunning())
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
                std::signal(SIGINT, SIG_DFL);
                std::signal(SIGTERM, SIG_DFL);
                return logFailed || loop.failed() > 0 ? 1 : 0;
            }, {"--verify"}};
}

}  // namespace tq8615::cli
