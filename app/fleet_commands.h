#pragma once
// The commands around safe writing and fleets: File > Compare With..., the Program menu's
// write settings (verify after write, backup before write) and Program > Clone to Many
// Radios... The main window adds them to its menus and asks them for the write's options.
#include <QObject>

#include "link/write_task.h"
#include "write_safety.h"

class QAction;
class QMenu;
class QWidget;

namespace tq8615::app {

struct AppContext;
class RadioSession;

class FleetCommands : public QObject {
    Q_OBJECT
public:
    FleetCommands(AppContext& context, RadioSession& radio, MessageSink& sink, QWidget* window);

    void addToFileMenu(QMenu* menu, QAction* before);
    void addToProgramMenu(QMenu* menu);
    void retranslate();
    // The options of a write as the settings say.
    WriteTaskOptions writeOptions();

    void mnuFileCompare_Click();
    void MnuProClone_Click();

    QAction* mnuFileCompare = nullptr;
    QAction* MnuProVerify = nullptr;
    QAction* MnuProBackup = nullptr;
    QAction* MnuProClone = nullptr;

private:
    AppContext& ctx_;
    RadioSession& radio_;
    MessageSink& sink_;
    QWidget* window_;
};

}  // namespace tq8615::app
