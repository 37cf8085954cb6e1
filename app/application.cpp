#include "application.h"

#include "app_context.h"
#include "frm_main.h"
#include "frm_splash.h"
#include "message_box.h"

#include <QApplication>
#include <QStandardPaths>

#include <memory>

namespace tq8615::app {

int RunApplication(QApplication& application, const QString& dataFile)
{
    QtMessageBox boxes;
    StartupOptions options;
    options.programFolder = QCoreApplication::applicationDirPath();
    options.fallbackFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    std::unique_ptr<AppContext> context = RunStartup(options, boxes);
    if (context->paths.usingFallback)
        qInfo("Settings are kept in %s", qPrintable(context->paths.settingsFolder));

    std::unique_ptr<frmMain> mainWindow;
    auto* splash = new frmSplash(context->paths.programFolder, context->language);
    QObject::connect(splash, &frmSplash::finished, [&] {
        mainWindow = std::make_unique<frmMain>(*context);
        mainWindow->show();
        if (!dataFile.isEmpty())
            mainWindow->openDataFile(dataFile);
    });
    splash->show();
    // The program ends when the main window closes, not when the splash does.
    application.setQuitOnLastWindowClosed(false);
    QObject::connect(splash, &frmSplash::finished, [&application] { application.setQuitOnLastWindowClosed(true); });
    return application.exec();
}

}  // namespace tq8615::app
