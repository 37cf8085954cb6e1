#pragma once
// A program folder in a temporary directory, the start-up run on it, and the main window,
// with every message box answered by a script.
#include "app/app_context.h"
#include "app/frm_main.h"
#include "scripted_message_box.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tq8615::app {

inline void CopyLanguageFiles(const QString& programFolder)
{
    QDir().mkpath(programFolder + QStringLiteral("/language"));
    for (const char* f : {"english.ini", "chinese.ini"}) {
        const QString name = QString::fromLatin1(f);
        QFile::copy(QStringLiteral(TQ_BIN_DIR "/language/") + name, programFolder + QStringLiteral("/language/") + name);
    }
}

struct Harness {
    explicit Harness(const QString& locale = QStringLiteral("en_US"), QStringList ports = {})
    {
        // The per-user store of window positions goes to the temporary folder too.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        CopyLanguageFiles(program.path());
        availablePorts = std::move(ports);
        StartupOptions options;
        options.programFolder = program.path();
        options.fallbackFolder = config.filePath(QStringLiteral("fallback"));
        options.systemLocale = QLocale(locale);
        options.listPorts = [this] { return availablePorts; };
        ctx = RunStartup(options, boxes);
        window = std::make_unique<frmMain>(*ctx);
    }

    Document& doc() { return ctx->document; }

    QTemporaryDir program;
    QTemporaryDir config;
    QStringList availablePorts;
    ScriptedMessageBox boxes;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<frmMain> window;
};

}  // namespace tq8615::app
