#include "link_fixtures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <random>
#include <signal.h>

namespace tq8615::test {

FakePort::FakePort()
{
    deliver_.setInterval(0);
    deliver_.setSingleShot(false);
    connect(&deliver_, &QTimer::timeout, this, &FakePort::deliverOne);
}

bool FakePort::open()
{
    ++opens;
    if (openFails)
        return false;
    open_ = true;
    rx_.clear();
    return true;
}

void FakePort::close()
{
    open_ = false;
    rx_.clear();
    queue_.clear();
    deliver_.stop();
}

bool FakePort::write(const QByteArray& bytes)
{
    if (!open_ || writeFails)
        return false;
    written.append(bytes);
    if (echo)
        queue_.push_back(bytes);
    if (respond)
        for (auto& chunk : respond(bytes))
            queue_.push_back(chunk);
    if (!queue_.empty())
        deliver_.start();
    return true;
}

QByteArray FakePort::readAll()
{
    QByteArray all = rx_;
    rx_.clear();
    return all;
}

void FakePort::pull()
{
    close();
    if (onFailure)
        onFailure(QStringLiteral("cable pulled"));
}

void FakePort::deliverOne()
{
    if (queue_.empty() || !open_) {
        deliver_.stop();
        return;
    }
    rx_.append(queue_.front());
    queue_.pop_front();
    if (onBytesArrived)
        onBytesArrived();
}

bool ScriptedUi::confirm(const Message& prompt)
{
    confirms.push_back(prompt);
    return confirmAnswer;
}

std::optional<std::string> ScriptedUi::askPassword(const std::string& preset)
{
    passwordPresets.push_back(preset);
    if (passwordAnswers.empty())
        return std::nullopt;
    auto answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
}

bool ScriptedUi::askRetry(const Message& question)
{
    shown.push_back(question);
    ++retryQuestions;
    if (beforeRetryAnswer)
        beforeRetryAnswer();
    if (retryAnswers > 0) {
        --retryAnswers;
        return true;
    }
    return false;
}

bool ScriptedUi::showedKey(TextKey key) const
{
    for (auto& m : shown)
        if (m.langKey == key)
            return true;
    return false;
}

bool ScriptedUi::showedEnglish(const std::string& text) const
{
    for (auto& m : shown)
        if (m.english == text)
            return true;
    return false;
}

std::bitset<kChannelSlots> ChannelPattern(const std::vector<int>& channels)
{
    std::bitset<kChannelSlots> used;
    for (int n : channels)
        used.set(std::size_t(n - 1));
    return used;
}

void FillRadioMemory(sim::VirtualRadio& radio, const std::bitset<kChannelSlots>& used, unsigned seed)
{
    std::mt19937 random(seed);
    for (auto& b : radio.memory)
        b = uint8_t(random());
    for (int n = 1; n <= kChannelSlots; ++n) {
        auto bitByte = std::size_t(kChannelBitmapAddress + (n - 1) / 8);
        const auto bit = uint8_t(1u << ((n - 1) % 8));
        if (used.test(std::size_t(n - 1))) {
            radio.memory[bitByte] |= bit;
        } else {
            radio.memory[bitByte] &= uint8_t(~bit);
            std::fill_n(radio.memory.begin() + (n - 1) * kChannelSlotSize, kChannelSlotSize, 0);
        }
    }
    std::fill(radio.memory.begin() + kUnusedArea.start, radio.memory.begin() + kUnusedArea.end + 1, 0);
}

RadioImage ImageOf(const sim::VirtualRadio& radio)
{
    RadioImage image;
    std::copy(radio.memory.begin(), radio.memory.end(), image.bytes().begin());
    return image;
}

void WireRadio(FakePort& port, sim::VirtualRadio& radio)
{
    port.respond = [&radio](const QByteArray& frame) {
        std::vector<QByteArray> chunks;
        sim::Reply reply;
        for (char c : frame) {
            if (!radio.receive(uint8_t(c), reply))
                continue;
            for (auto& piece : reply)
                chunks.emplace_back(reinterpret_cast<const char*>(piece.data()), qsizetype(piece.size()));
        }
        return chunks;
    };
}

RadioSimProcess::RadioSimProcess(QStringList arguments)
{
    arguments << QStringLiteral("--watch-stdin");
    process_.setProgram(QStringLiteral(TQ8615_RADIOSIM));
    process_.setArguments(arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    if (!process_.waitForStarted(5000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < 5000)
        process_.waitForReadyRead(100);
    if (process_.canReadLine())
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

RadioSimProcess::~RadioSimProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

void RadioSimProcess::signal(int number)
{
    ::kill(pid_t(process_.processId()), number);
}

void RadioSimProcess::kill()
{
    process_.kill();
    process_.waitForFinished(5000);
}

}  // namespace tq8615::test
