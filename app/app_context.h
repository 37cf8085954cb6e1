#pragma once
// What the program holds for its whole run, set up by the start-up procedure and handed to
// the windows (there are no globals).
#include "dialog_hooks.h"
#include "language.h"
#include "model_events.h"
#include "qt_translations.h"
#include "settings.h"
#include "window_geometry.h"

#include "files/document.h"
#include "model/auto_test.h"

#include <QLocale>
#include <QStringList>

#include <functional>
#include <memory>

namespace tq8615::app {

class MessageBoxInterface;

using PortLister = std::function<QStringList()>;

struct AppContext {
    AppContext(SettingsPaths settingsPaths, int languageIndex, MessageBoxInterface& messageBoxes);

    SettingsPaths paths;
    Language language;
    SetupSettings setup;
    QString comPort;            // the port the programming cable is on; empty for none
    FeatureFlags featureFlags{};
    bool FactoryMode = false;
    // The auto test export's check boxes, kept for the run, and whether its window is open.
    AutoTestGroupFlags AutoTestGroups = kStartAutoTestGroups;
    bool AutoTestActive = false;
    Document document;
    MessageBoxInterface& boxes;
    PortLister listPorts;
    ScreenAreas screenAreas = AvailableScreenAreas;
    DialogHooks dialogs = DialogHooks::Real();
    ModelEvents events;
    QtTranslations qtTexts;  // follows language.LanguageIndex()
    // The channel number (1..203) the channel editor edits; set before it opens.
    int CurrentChannel = 0;
};

struct StartupOptions {
    QString programFolder;      // the executable's folder
    QString fallbackFolder;     // the user's configuration folder
    QLocale systemLocale = QLocale::system();
    PortLister listPorts;       // the machine's serial ports
    WritableProbe isWritable = FolderIsWritable;
};

// The start-up procedure up to the splash: language, "mysetup.ini" (the configured port
// replaced by a present one and written back), the default model, the factory marker and
// "Setting.ini".
std::unique_ptr<AppContext> RunStartup(const StartupOptions& options, MessageBoxInterface& boxes);

}  // namespace tq8615::app
