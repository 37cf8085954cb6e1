#include "write_safety.h"

#include "files/backup.h"

#include <QSettings>

namespace tq8615::app {

namespace {
const QString kGroup = QStringLiteral("Program");
const QString kVerify = QStringLiteral("VerifyAfterWrite");
const QString kBackup = QStringLiteral("BackupBeforeWrite");
}  // namespace

WriteSafety LoadWriteSafety()
{
    QSettings store;
    store.beginGroup(kGroup);
    WriteSafety safety;
    safety.verify = store.value(kVerify, safety.verify).toBool();
    safety.backup = store.value(kBackup, safety.backup).toBool();
    return safety;
}

void StoreWriteSafety(const WriteSafety& safety)
{
    QSettings store;
    store.beginGroup(kGroup);
    store.setValue(kVerify, safety.verify);
    store.setValue(kBackup, safety.backup);
}

WriteTaskOptions WriteOptionsFor(const WriteSafety& safety, MessageSink& tell)
{
    WriteTaskOptions options;
    options.verify = safety.verify;
    if (safety.backup) {
        options.backup = [&tell](int band, RadioImage& image, const std::string& serial) -> std::optional<Message> {
            CollectingSink why;
            auto saved = SaveBackup(DefaultBackupFolder(), band, image, serial, why);
            if (!saved) {
                const Message reason = why.messages.empty() ? Message{} : why.messages.front();
                return Message::Builtin(BuiltinText::BackupFailed, Message::Icon::Error, "\n" + reason.english);
            }
            tell.show(Message::Builtin(BuiltinText::BackupSaved, Message::Icon::Information, saved->string()));
            return std::nullopt;
        };
    }
    return options;
}

}  // namespace tq8615::app
