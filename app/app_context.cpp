#include "app_context.h"

#include "link/serial_ports.h"

namespace tq8615::app {

AppContext::AppContext(SettingsPaths settingsPaths, int languageIndex, MessageBoxInterface& messageBoxes)
    : paths(std::move(settingsPaths)), language(paths.languageFolder(), languageIndex),
      document(paths.programFolder.toStdString()), boxes(messageBoxes), listPorts(SystemPortChoices)
{
}

std::unique_ptr<AppContext> RunStartup(const StartupOptions& options, MessageBoxInterface& boxes)
{
    const SettingsPaths paths =
        ResolveSettingsPaths(options.programFolder, options.fallbackFolder, options.isWritable);
    auto ctx = std::make_unique<AppContext>(paths, LanguageIndexForLocale(options.systemLocale), boxes);
    if (options.listPorts)
        ctx->listPorts = options.listPorts;
    if (!ctx->qtTexts.follow(ctx->language.LanguageIndex()))
        qWarning("Qt's own translations are not installed; its standard buttons stay English");

    ctx->setup = ReadSetup(paths.mysetupPath());
    ctx->comPort = PortFromSetting(ctx->setup.comPort);
    const QStringList ports = ctx->listPorts();
    if (!IsPortPresent(ctx->comPort, ports))
        ctx->comPort = FirstPort(ports);
    if (ctx->setup.IsFirstRun)
        WriteSetupValue(paths.mysetupPath(), QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    WriteSetupValue(paths.mysetupPath(), QStringLiteral("comPort"), SettingFromPort(ctx->comPort));

    ctx->document.BuildDefaultModel(2);
    ctx->FactoryMode = CheckFactoryMarker(paths.programFolder);
    ctx->featureFlags = ReadFeatureFlags(paths.settingPath());
    return ctx;
}

}  // namespace tq8615::app
