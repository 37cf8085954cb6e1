// tq8615-bench: how close a radio read and write come to the time the serial line needs.
// Reads and then writes a fully populated radio through the virtual radio program at 9600
// baud and compares the measured time with the wire time of the bytes that had to travel.
#include "files/document.h"
#include "link/model_link.h"
#include "link/programming_run.h"
#include "link/run_to_end.h"
#include "link/serial_transport.h"
#include "link/write_task.h"
#include "model/editing_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <signal.h>

using namespace tq8615;

namespace {

constexpr double kBytesPerSecond = 960.0;  // 9600 baud, 10 bit times a byte

// Counts what the conversation puts on the line: the bytes sent, and every byte received
// beyond their echo (the radio's replies).
class CountingTransport : public Transport {
public:
    explicit CountingTransport(Transport& inner) : inner_(inner)
    {
        inner_.onBytesArrived = [this] { if (onBytesArrived) onBytesArrived(); };
        inner_.onFailure = [this](const QString& why) { if (onFailure) onFailure(why); };
    }
    bool open() override { return inner_.open(); }
    bool isOpen() const override { return inner_.isOpen(); }
    void close() override { inner_.close(); }
    void clear() override { inner_.clear(); }
    bool write(const QByteArray& bytes) override
    {
        sent += bytes.size();
        if (bytes.size() >= 4 && (bytes[0] == 'R' || bytes[0] == 'W')) {
            const int address = (uint8_t(bytes[1]) << 8) | uint8_t(bytes[2]);
            if (!(bytes[0] == 'R' && address == kPasswordBlockAddress && bytes.size() == 4))
                ++blocks;
        }
        return inner_.write(bytes);
    }
    qint64 bytesAvailable() const override { return inner_.bytesAvailable(); }
    QByteArray readAll() override
    {
        QByteArray all = inner_.readAll();
        received += all.size();
        return all;
    }
    void reset() { sent = received = blocks = 0; }

    qint64 sent = 0;
    qint64 received = 0;  // echo included
    int blocks = 0;

private:
    Transport& inner_;
};

class QuietUi : public RunUi {
public:
    void show(const Message& m) override { last = m.langKey != TextKey{} ? "message " + KeyText(m.langKey) : m.english; }
    bool confirm(const Message&) override { return true; }
    void progressOpened(RunKind) override {}
    void progressChanged(int) override {}
    void progressClosed() override {}
    std::optional<std::string> askPassword(const std::string&) override { return std::nullopt; }
    bool askRetry(const Message&) override { return false; }
    void showEmbeddedInfo(const EmbeddedInfo&) override {}
    bool confirmStop(const Message&) override { return false; }
    std::string last;
};

// All 200 channels, every DTMF code and every communication book entry filled.
EditingModel FullModel(int band)
{
    EditingModel model;
    SelectBandPlan(model.Band, band);
    ResetToBuiltInDefaults(model);
    model.ChannelCount = 0;
    for (int n = 1; n <= kMemoryChannels; ++n)
        model.AppendChannel(NewChannelWithFreq(n, DefaultFrequencyText(model.Band, n % 2 ? kUhf : kVhf)));
    for (int n = kVfo1; n <= kRtChannel; ++n)
        model.AppendChannel(NewChannelWithFreq(n, DefaultFrequencyText(model.Band, kUhf)));
    for (std::size_t i = 0; i < model.Dtmf.DtmfCodes.size(); ++i) {
        model.Dtmf.DtmfCodes[i].Digits = std::to_string(1000 + i);
        model.Dtmf.DtmfCodes[i].DigitCount = 4;
    }
    for (std::size_t i = 0; i < model.Book.size(); ++i) {
        model.Book[i].EntryNumber = int16_t(i + 1);
        model.Book[i].CallId = std::to_string(10000 + i);
        model.Book[i].Name = "NAME" + std::to_string(i);
    }
    return model;
}

struct Outcome {
    bool ok = false;
    int blocks = 0;
    qint64 wireBytes = 0;
    double seconds = 0;
};

Outcome Measure(ProgrammingRun& run, CountingTransport& line, const std::function<bool()>& start)
{
    line.reset();
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    outcome.ok = RunToEnd(run, start).value_or(false);
    outcome.seconds = double(clock.nsecsElapsed()) / 1e9;
    outcome.blocks = line.blocks;
    // The echo costs no time of its own: it comes back while the frame is sent.
    outcome.wireBytes = line.sent + (line.received - line.sent);
    return outcome;
}

void Print(const char* what, const Outcome& o)
{
    const double limit = double(o.wireBytes) / kBytesPerSecond;
    std::printf("%-6s %4d blocks  %6lld wire bytes  limit %7.3f s  measured %7.3f s  ratio %.3f\n", what, o.blocks,
                static_cast<long long>(o.wireBytes), limit, o.seconds, o.seconds / limit);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString simulator = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tq8615-radiosim"));
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--radiosim") && i + 1 < args.size()) {
            simulator = args[++i];
        } else {
            std::fprintf(stderr, "usage: tq8615-bench [--radiosim PATH]\n");
            return 2;
        }
    }

    const int band = 2;
    EditingModel model = FullModel(band);
    RadioImage full;
    BlockUsageMap usage;
    CollectingSink encodeMessages;
    if (!EncodeModelToImage(model, full, usage, encodeMessages)) {
        std::fprintf(stderr, "the benchmark model does not encode: %s\n",
                     encodeMessages.messages.empty() ? "" : encodeMessages.messages.front().english.c_str());
        return 1;
    }
    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("memory.bin"));
    {
        std::ofstream out(memory.toStdString(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(full.bytes().data()), kImageSize);
    }

    QProcess radio;
    radio.setProgram(simulator);
    radio.setArguments({QStringLiteral("--band"), QString::number(band), QStringLiteral("--memory"), memory,
                        QStringLiteral("--watch-stdin")});
    radio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    radio.start();
    if (!radio.waitForStarted(5000) || !radio.waitForReadyRead(5000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(simulator));
        return 1;
    }
    const QString path = QString::fromLocal8Bit(radio.readLine()).trimmed();

    SerialPortTransport serial(path);
    CountingTransport line(serial);
    QuietUi ui;
    RadioImage image;
    ProgrammingRun run(line, ui, image, usage);

    std::printf("TQ8615 link benchmark: 200 channels, paced virtual radio at 9600 baud on %s\n", qPrintable(path));
    const Outcome read = Measure(run, line, [&] { return run.startRead({}); });
    const bool readBack = image == full;
    const Outcome write = Measure(run, line, [&] { return run.startWrite(WriteRequestFor(model)); });

    Print("read", read);
    Print("write", write);
    Outcome total{read.ok && write.ok, read.blocks + write.blocks, read.wireBytes + write.wireBytes,
                  read.seconds + write.seconds};
    Print("total", total);

    // A fleet: five radios one after the other, each with its serial number read, the write
    // and the read-back that verifies it. The radio program plays the next radio on SIGUSR2.
    constexpr int kFleet = 5;
    WriteTask task(run, ui, image);
    Outcome clone{true, 0, 0, 0};
    for (int n = 0; n < kFleet; ++n) {
        if (n > 0)
            ::kill(pid_t(radio.processId()), SIGUSR2);
        WriteTaskOptions options;
        options.readSerial = true;
        line.reset();
        QElapsedTimer clock;
        clock.start();
        clone.ok = RunTaskToEnd(task, [&] { return task.start(WriteRequestFor(model), options, false); }).value_or(false)
            && clone.ok;
        clone.seconds += double(clock.nsecsElapsed()) / 1e9;
        clone.blocks += line.blocks;
        clone.wireBytes += line.sent + (line.received - line.sent);
    }
    std::printf("clone of %d radios (serial number, write, verify), %.1f s a radio:\n", kFleet, clone.seconds / kFleet);
    Print("clone", clone);

    radio.terminate();
    radio.waitForFinished(5000);
    if (!clone.ok) {
        std::fprintf(stderr, "clone failed: %s\n", ui.last.c_str());
        return 1;
    }
    if (!read.ok || !write.ok || !readBack) {
        std::fprintf(stderr, "benchmark run failed: %s%s\n", ui.last.c_str(), readBack ? "" : " (image read back differs)");
        return 1;
    }
    return 0;
}
