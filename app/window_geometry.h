#pragma once
// Where the main window goes. Its outer frame is kept per user in twips under "Settings"
// ("MainLeft", "MainTop", "MainWidth", "MainHeight"): stored and restored as the same
// rectangle, and always brought back whole onto a screen.
#include <QList>
#include <QRect>

#include <functional>
#include <optional>

namespace tq8615::app {

// The areas of the screens a window may use (without panels and docks), primary first.
using ScreenAreas = std::function<QList<QRect>()>;
QList<QRect> AvailableScreenAreas();

// The frame on the screen it mostly lies on (the first screen when on none), shrunk to
// fit and then moved inside, so all of it can be seen.
QRect FitOnScreens(QRect frame, const QList<QRect>& screens);

// The stored frame; nullopt on a first start (any key missing).
std::optional<QRect> ReadStoredFrame();
void StoreFrame(const QRect& frame);

}  // namespace tq8615::app
