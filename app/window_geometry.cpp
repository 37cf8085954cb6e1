#include "window_geometry.h"

#include "dialog_util.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace tq8615::app {

namespace {

constexpr int kTwipsPerPixel = 15;
const char* const kKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

long long overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    if (areas.isEmpty())
        areas.append(QRect(0, 0, 1024, 768));
    return areas;
}

QRect FitOnScreens(QRect frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame;
    QRect screen = screens.first();
    for (const QRect& s : screens)
        if (overlap(frame, s) > overlap(frame, screen))
            screen = s;
    frame.setWidth(std::clamp(frame.width(), std::min(Twips(3000), screen.width()), screen.width()));
    frame.setHeight(std::clamp(frame.height(), std::min(200, screen.height()), screen.height()));
    frame.moveLeft(std::clamp(frame.left(), screen.left(), screen.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - frame.height()));
    return frame;
}

std::optional<QRect> ReadStoredFrame()
{
    QSettings store;
    store.beginGroup(QStringLiteral("Settings"));
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = store.value(QString::fromLatin1(kKeys[i])).toInt(&ok) / kTwipsPerPixel;
        if (!ok)
            return std::nullopt;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

void StoreFrame(const QRect& frame)
{
    QSettings store;
    store.beginGroup(QStringLiteral("Settings"));
    const int values[4] = {frame.x(), frame.y(), frame.width(), frame.height()};
    for (int i = 0; i < 4; ++i)
        store.setValue(QString::fromLatin1(kKeys[i]), values[i] * kTwipsPerPixel);
}

}  // namespace tq8615::app
