#include "link/run_to_end.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tq8615 {

bool WaitUntilIdle(const ProgrammingRun& run, int timeoutMs)
{
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    while (run.isActive() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return !run.isActive();
}

std::optional<bool> RunToEnd(ProgrammingRun& run, const std::function<bool()>& start, int timeoutMs)
{
    std::optional<bool> result;
    const auto connection = QObject::connect(&run, &ProgrammingRun::finished, [&result](bool ok) { result = ok; });
    if (start())
        WaitUntilIdle(run, timeoutMs);
    QObject::disconnect(connection);
    return result;
}

}  // namespace tq8615
