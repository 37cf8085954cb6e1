#pragma once
// Helpers of the link tests: a scripted port, a scripted user, a virtual radio behind a fake
// cable, and the virtual radio program on a pseudo-terminal.
#include "link/programming_run.h"
#include "link/run_to_end.h"
#include "link/transport.h"
#include "radiosim/virtual_radio.h"

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <bitset>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tq8615::test {

// A line whose far end is a function: each frame written gets its echo, then the chunks the
// function returns, each arriving in its own receive event.
class FakePort : public QObject, public Transport {
public:
    FakePort();

    std::function<std::vector<QByteArray>(const QByteArray& frame)> respond;
    bool echo = true;
    bool openFails = false;
    bool writeFails = false;
    int opens = 0;
    QList<QByteArray> written;

    bool open() override;
    bool isOpen() const override { return open_; }
    void close() override;
    void clear() override { rx_.clear(); }
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override;

    // Bytes arriving unasked, e.g. line noise.
    void inject(const QByteArray& bytes) { queue_.push_back(bytes); deliver_.start(); }
    // The cable is pulled: the line closes and reports the failure.
    void pull();

private:
    void deliverOne();

    bool open_ = false;
    QByteArray rx_;
    std::deque<QByteArray> queue_;
    QTimer deliver_;
};

// Answers every question as told and remembers what was shown.
class ScriptedUi : public RunUi {
public:
    bool confirmAnswer = true;
    int retryAnswers = 0;  // Retry this many times, then Cancel
    std::deque<std::optional<std::string>> passwordAnswers;  // none left: Cancel
    std::function<void()> beforeRetryAnswer;
    bool stopAnswer = true;

    std::vector<Message> shown;
    std::vector<Message> confirms;
    std::vector<std::string> passwordPresets;
    int retryQuestions = 0;
    std::vector<Message> stopQuestions;
    int progressOpens = 0;
    int progressCloses = 0;
    std::vector<int> progress;
    std::optional<EmbeddedInfo> info;

    void show(const Message& message) override { shown.push_back(message); }
    bool confirm(const Message& prompt) override;
    void progressOpened(RunKind) override { ++progressOpens; }
    void progressChanged(int percent) override { progress.push_back(percent); }
    void progressClosed() override { ++progressCloses; }
    std::optional<std::string> askPassword(const std::string& preset) override;
    bool askRetry(const Message& question) override;
    void showEmbeddedInfo(const EmbeddedInfo& shownInfo) override { info = shownInfo; }
    bool confirmStop(const Message& question) override
    {
        stopQuestions.push_back(question);
        return stopAnswer;
    }

    bool showedKey(TextKey key) const;
    bool showedEnglish(const std::string& text) const;
};

// The memory channels in use, by number.
std::bitset<kChannelSlots> ChannelPattern(const std::vector<int>& channels);

// Radio memory with random content in every block a read fetches and zeros elsewhere, the
// in-use bitmap telling `used`; so a complete read gives exactly this image.
void FillRadioMemory(sim::VirtualRadio& radio, const std::bitset<kChannelSlots>& used, unsigned seed);
RadioImage ImageOf(const sim::VirtualRadio& radio);

// Connects the fake port to a virtual radio: echo first, then the radio's reply pieces.
void WireRadio(FakePort& port, sim::VirtualRadio& radio);

// Runs the event loop until the run finishes or `ms` pass; true when it finished.
inline bool WaitForRun(const ProgrammingRun& run, int ms = 20000) { return WaitUntilIdle(run, ms); }

// The virtual radio program on a pseudo-terminal, stopped when the object goes.
class RadioSimProcess {
public:
    explicit RadioSimProcess(QStringList arguments);
    ~RadioSimProcess();
    bool started() const { return !path_.isEmpty(); }
    QString path() const { return path_; }
    // Stops the program now (like pulling the cable) and waits for it to end.
    void kill();
    // Sends a signal: SIGUSR1 switches the radio off, SIGUSR2 on as the next radio.
    void signal(int number);

private:
    QProcess process_;
    QString path_;
};

}  // namespace tq8615::test
