#include "fleet_commands.h"

#include "app_context.h"
#include "frm_clone.h"
#include "frm_compare.h"
#include "radio_session.h"

#include "files/configuration_compare.h"
#include "files/fleet_log.h"
#include "link/model_link.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace tq8615::app {

FleetCommands::FleetCommands(AppContext& context, RadioSession& radio, MessageSink& sink, QWidget* window)
    : QObject(window), ctx_(context), radio_(radio), sink_(sink), window_(window)
{
}

void FleetCommands::addToFileMenu(QMenu* menu, QAction* before)
{
    mnuFileCompare = new QAction(menu);
    mnuFileCompare->setObjectName(QStringLiteral("mnuFileCompare"));
    menu->insertAction(before, mnuFileCompare);
    connect(mnuFileCompare, &QAction::triggered, this, &FleetCommands::mnuFileCompare_Click);
    retranslate();
}

void FleetCommands::addToProgramMenu(QMenu* menu)
{
    menu->addSeparator();
    const WriteSafety safety = LoadWriteSafety();
    MnuProVerify = menu->addAction(QString());
    MnuProVerify->setObjectName(QStringLiteral("MnuProVerify"));
    MnuProVerify->setCheckable(true);
    MnuProVerify->setChecked(safety.verify);
    MnuProBackup = menu->addAction(QString());
    MnuProBackup->setObjectName(QStringLiteral("MnuProBackup"));
    MnuProBackup->setCheckable(true);
    MnuProBackup->setChecked(safety.backup);
    for (QAction* setting : {MnuProVerify, MnuProBackup})
        connect(setting, &QAction::toggled, this, [this] {
            StoreWriteSafety({MnuProVerify->isChecked(), MnuProBackup->isChecked()});
        });
    menu->addSeparator();
    MnuProClone = menu->addAction(QString());
    MnuProClone->setObjectName(QStringLiteral("MnuProClone"));
    connect(MnuProClone, &QAction::triggered, this, &FleetCommands::MnuProClone_Click);
    retranslate();
}

void FleetCommands::retranslate()
{
    const std::pair<QAction*, BuiltinText> items[] = {{mnuFileCompare, BuiltinText::CompareWith},
                                                      {MnuProVerify, BuiltinText::VerifyAfterWrite},
                                                      {MnuProBackup, BuiltinText::BackupBeforeWrite},
                                                      {MnuProClone, BuiltinText::CloneToMany}};
    for (const auto& [action, text] : items)
        if (action)
            action->setText(ctx_.language.text(text));
}

WriteTaskOptions FleetCommands::writeOptions()
{
    const WriteSafety safety{MnuProVerify ? MnuProVerify->isChecked() : true, MnuProBackup && MnuProBackup->isChecked()};
    return WriteOptionsFor(safety, sink_);
}

void FleetCommands::mnuFileCompare_Click()
{
    const QString filter = ctx_.language.text(BuiltinText::DataFileType) + QStringLiteral(" (*.dat);;* (*)");
    const QString path = ctx_.dialogs.openPath(window_, QFileInfo(QString::fromStdString(ctx_.document.CurrentFileName)).absolutePath(), filter);
    if (path.isEmpty())
        return;
    // The current data against a data file, or against an image saved from a radio of the
    // data's band plan.
    const int band = ctx_.document.Model.Band.BandPlanIndex;
    auto other = LoadConfiguration(path.toStdString(), band, ctx_.document.ProgramFolder(), sink_);
    if (!other)
        return;
    auto compare = [this, current = Configuration{ctx_.document.Model, false}, other = *other](CompareScope scope) {
        return CompareLoaded(current, other, sink_, scope);
    };
    if (!compare(CompareScope{other->fromImage}))
        return;  // the data cannot be encoded; the message said why
    FrmCompare window(ctx_.language, compare, other->fromImage, QFileInfo(path).fileName(), window_);
    ctx_.dialogs.run(window);
}

void FleetCommands::MnuProClone_Click()
{
    FleetLoop* loop = radio_.prepareFleet(ctx_.comPort);
    if (!loop)
        return;
    auto start = [this, loop](int count) {
        if (loop->isRunning())
            return false;
        loop->start([this] { return WriteRequestFor(ctx_.document.Model); }, writeOptions(), count);
        return true;
    };
    FrmClone window(ctx_.language, *loop, start, QString::fromStdString(DefaultFleetLog().string()), window_);
    ctx_.dialogs.run(window);
    loop->stop();
}

}  // namespace tq8615::app
