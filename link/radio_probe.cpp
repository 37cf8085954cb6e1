#include "link/radio_probe.h"

#include "link/protocol_frames.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tq8615 {

namespace {

// Turns the event loop until `received` satisfies `done` or the time is up.
template <typename Done>
bool Await(Transport& line, QByteArray& received, int timeoutMs, Done done)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        if (line.bytesAvailable() > 0)
            received.append(line.readAll());
        if (done())
            return true;
    }
    return false;
}

}  // namespace

bool RadioAnswers(Transport& line, int timeoutMs)
{
    if (!line.open())
        return false;
    line.clear();
    QByteArray received;
    const bool answered = line.write(HandshakeFrame())
        && Await(line, received, timeoutMs, [&] { return received.contains(HandshakePattern()); });
    if (answered) {
        // Leave the radio as it was: out of programming mode.
        received.clear();
        line.write(EndFrame());
        Await(line, received, timeoutMs, [&] { return received.size() > EndFrame().size(); });
    }
    line.close();
    return answered;
}

}  // namespace tq8615
