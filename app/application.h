#pragma once
class QApplication;

namespace tq8615::app {

// The whole program: start-up, the splash window, then the main window until it closes.
int RunApplication(QApplication& application);

}  // namespace tq8615::app
