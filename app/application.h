#pragma once
class QApplication;
class QString;

namespace tq8615::app {

// The whole program: start-up, the splash window, then the main window until it closes.
// A data file given on the command line is opened as soon as the main window shows.
int RunApplication(QApplication& application, const QString& dataFile);

}  // namespace tq8615::app
