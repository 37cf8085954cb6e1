#include "cli/link_cli.h"
#include "files/atomic_file.h"
#include "files/document.h"
#include "link/model_link.h"
#include "link/radio_probe.h"
#include "link/serial_transport.h"

#include <QElapsedTimer>
#include <QThread>

#include <chrono>
#include <csignal>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tq8615::cli {

namespace {

constexpr const char* kUsage = "clone FILE.dat --port PORT [--verify] [--count N] --log LOG.csv [--password TEXT] [--retries N]";
constexpr const char* kLogHeader = "time,serial,result,seconds\n";
constexpr int kPollPauseMs = 200;

volatile std::sig_atomic_t stopAsked = 0;
void OnStop(int) { stopAsked = 1; }

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string LocalTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// The log is rewritten whole for every line, so a power cut leaves it complete.
bool AppendToLog(const std::filesystem::path& log, const std::string& line, std::string& error)
{
    std::string content;
    if (std::ifstream in{log, std::ios::binary}) {
        std::ostringstream all;
        all << in.rdbuf();
        content = all.str();
    }
    if (content.empty())
        content = kLogHeader;
    else if (content.back() != '\n')
        content += '\n';
    content += line;
    std::error_code ec;
    if (!WriteFileAtomically(log, content.data(), content.size(), ec)) {
        error = ec.message();
        return false;
    }
    return true;
}

// Waits, probing every moment, until the radio's presence is `present`; false when asked
// to stop meanwhile.
bool WaitForRadio(Transport& probeLine, bool present)
{
    while (!stopAsked) {
        if (RadioAnswers(probeLine) == present)
            return true;
        QThread::msleep(kPollPauseMs);
    }
    return false;
}

std::string ResultText(const WriteTaskResult& r, bool verify)
{
    if (r.ok)
        return verify ? "verified" : "written";
    if (!r.mismatch.empty())
        return "verify failed: " + r.mismatch.text();
    return r.written ? "verify failed: read back incomplete" : "failed";
}

}  // namespace

Command CloneCommand()
{
    return {"clone", kUsage,
            "write the data file into radio after radio: wait for a radio, write (and verify), log time, serial number, "
            "result and duration, wait for it to go; Ctrl+C ends between radios",
            {"--port", "--password", "--retries", "--count", "--log"}, [](const Args& args) {
                auto log = args.option("--log");
                if (args.positional.size() != 1 || !log || log->empty())
                {
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
                stopAsked = 0;
                std::signal(SIGINT, OnStop);
                std::signal(SIGTERM, OnStop);

                WriteTaskOptions writeOptions;
                writeOptions.verify = args.option("--verify").has_value();
                writeOptions.readSerial = true;
                SerialPortTransport probeLine(QString::fromStdString(options->port));
                int done = 0, failed = 0;
                while (!stopAsked && (count == 0 || done + failed < count)) {
                    std::cerr << "Waiting for a radio on " << options->port << " (Ctrl+C ends)\n";
                    if (!WaitForRadio(probeLine, true))
                        break;
                    TerminalRunUi ui(options->retries);
                    WriteTaskResult result;
                    QElapsedTimer clock;
                    clock.start();
                    const std::time_t started = std::time(nullptr);
                    std::cerr << "Radio " << (done + failed + 1) << ": writing\n";
                    ExecuteWrite(*options, ui, WriteRequestFor(doc.Model), writeOptions, &result);
                    (result.ok ? done : failed) += 1;
                    char seconds[16];
                    std::snprintf(seconds, sizeof seconds, "%.1f", double(clock.elapsed()) / 1000.0);
                    const std::string line = LocalTime(started) + "," + CsvField(result.serial) + ","
                        + CsvField(ResultText(result, writeOptions.verify)) + "," + seconds + "\n";
                    std::cout << line << std::flush;
                    std::string error;
                    if (!AppendToLog(*log, line, error))
                        return Fail("cannot write the log " + *log + ": " + error);
                    std::cerr << done << " done, " << failed << " failed\n";
                    if (count != 0 && done + failed >= count)
                        break;
                    std::cerr << "Switch the radio off or unplug it for the next one\n";
                    if (!WaitForRadio(probeLine, false))
                        break;
                }
                std::signal(SIGINT, SIG_DFL);
                std::signal(SIGTERM, SIG_DFL);
                return failed == 0 ? 0 : 1;
            }, {"--verify"}};
}

}  // namespace tq8615::cli
