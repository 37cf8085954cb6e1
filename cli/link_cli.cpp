#include "cli/link_cli.h"

#include "cli/terminal_text.h"
#include "files/backup.h"
#include "link/run_to_end.h"
#include "link/serial_ports.h"
#include "link/serial_transport.h"

#include <QCoreApplication>

#include <iostream>
#include <memory>
#include <unistd.h>

namespace tq8615::cli {

std::optional<RadioOptions> ParseRadioOptions(const Args& args)
{
    RadioOptions options;
    auto port = args.option("--port");
    if (!port || port->empty()) {
        std::cerr << "--port PORT is needed (a port name such as ttyUSB0 or COM3, or a device path)\n";
        return std::nullopt;
    }
    // The same rule as "comPort": a number n is the port COM n.
    options.port = PortFromSetting(QString::fromStdString(*port)).toStdString();
    if (options.port.empty()) {
        std::cerr << "no port " << *port << '\n';
        return std::nullopt;
    }
    options.password = args.option("--password");
    if (auto retries = args.option("--retries")) {
        const bool digits = !retries->empty() && retries->size() < 6
            && retries->find_first_not_of("0123456789") == std::string::npos;
        if (!digits) {
            std::cerr << "--retries needs a number of 0 or more\n";
            return std::nullopt;
        }
        options.retries = std::stoi(*retries);
    }
    return options;
}

void TerminalRunUi::show(const Message& message)
{
    if (progressShown_)
        std::cerr << '\n';
    progressShown_ = false;
    StderrSink().show(message);
    // The run asks no more than this; a terminal user must know the answer it took.
    if (message == ModelWrongMessage())
        std::cerr << "Answered No: the tool never reads or writes a radio of another model.\n";
}

void TerminalRunUi::progressOpened(RunKind kind) { caption_ = ProgressCaption(kind).english; }

void TerminalRunUi::progressChanged(int percent)
{
    if (!isatty(STDERR_FILENO))
        return;
    std::cerr << '\r' << caption_ << ": " << ProgressLabel().english << ' ' << percent << '%' << std::flush;
    progressShown_ = true;
}

void TerminalRunUi::progressClosed()
{
    if (progressShown_)
        std::cerr << '\n';
    progressShown_ = false;
}

std::optional<std::string> TerminalRunUi::askPassword(const std::string& preset)
{
    show(Message::Fixed(preset.empty() ? "The radio has a programming password: give it with --password."
                                       : "The radio does not accept the password given with --password."));
    return std::nullopt;
}

bool TerminalRunUi::askRetry(const Message& question)
{
    show(question);
    if (retriesLeft_ <= 0) {
        std::cerr << "Answered Cancel (--retries N answers Retry N times).\n";
        return false;
    }
    --retriesLeft_;
    std::cerr << "retrying\n";
    return true;
}

void TerminalRunUi::showEmbeddedInfo(const EmbeddedInfo& info)
{
    // The radio's texts are whatever its memory holds: each one escaped on its own line.
    EmbeddedInfo shown = info;
    for (std::string* text : {&shown.RadioType, &shown.RadioVersion, &shown.RfFirmware, &shown.LcdFirmware,
                              &shown.UserCode, &shown.AreaCode, &shown.SerialNumber, &shown.ProductedDate,
                              &shown.ManufactureCode, &shown.MaintainedDate, &shown.DealerCode, &shown.StockDate,
                              &shown.SellDate, &shown.Seller, &shown.Description})
        *text = TerminalText(*text);
    std::cout << EmbeddedInfoEnglishText(shown) << std::flush;
}

std::unique_ptr<QCoreApplication> EnsureEventLoop()
{
    static int argc = 1;
    static char name[] = "tq8615-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

namespace {

// The port, the image and the conversation of one command, with the password the user
// gave on the command line.
struct RadioLine {
    RadioLine(const RadioOptions& options, TerminalRunUi& ui)
        : port(QString::fromStdString(options.port)), run(port, ui, image, usage)
    {
        if (options.password)
            run.setEnteredPassword(*options.password);
    }

    SerialPortTransport port;
    RadioImage image;
    BlockUsageMap usage;
    ProgrammingRun run;
};

}  // namespace

int ExecuteRun(const RadioOptions& options, TerminalRunUi& ui, const std::function<bool(ProgrammingRun&)>& start)
{
    const auto app = EnsureEventLoop();
    RadioLine line(options, ui);
    return RunToEnd(line.run, [&] { return start(line.run); }).value_or(false) ? 0 : 1;
}

WriteTaskOptions WriteOptionsFrom(const Args& args, TerminalRunUi& ui)
{
    WriteTaskOptions writeOptions;
    writeOptions.verify = args.option("--verify").has_value();
    if (auto folder = args.option("--backup")) {
        writeOptions.backup = [folder = std::filesystem::path(*folder), &ui](int band, RadioImage& image,
                                                                              const std::string& serial) -> std::optional<Message> {
            CollectingSink why;
            auto saved = SaveBackup(folder, band, image, serial, why);
            if (!saved) {
                const Message reason = why.messages.empty() ? Message{} : why.messages.front();
                return Message::Builtin(BuiltinText::BackupFailed, Message::Icon::Error, "\n" + reason.english);
            }
            ui.show(Message::Builtin(BuiltinText::BackupSaved, Message::Icon::Information, saved->string()));
            return std::nullopt;
        };
    }
    return writeOptions;
}

int ExecuteWrite(const RadioOptions& options, TerminalRunUi& ui, const WriteRequest& request,
                 const WriteTaskOptions& writeOptions, WriteTaskResult* result)
{
    const auto app = EnsureEventLoop();
    RadioLine line(options, ui);
    WriteTask task(line.run, ui, line.image);
    const bool ok = RunTaskToEnd(task, [&] { return task.start(request, writeOptions); }).value_or(false);
    if (result)
        *result = task.result();
    return ok ? 0 : 1;
}

}  // namespace tq8615::cli
