#include "qt_translations.h"

#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tq8615::app {

bool QtTranslations::follow(int languageIndex)
{
    installed_.clear();  // a translator removes itself when it goes
    if (languageIndex != Chinese)
        return true;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = true;
    for (const char* catalogue : {"qtbase_zh_CN", "qtserialport_zh_CN"}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(catalogue), folder)) {
            loaded = false;
            continue;
        }
        QCoreApplication::installTranslator(translator.get());
        installed_.push_back(std::move(translator));
    }
    return loaded;
}

}  // namespace tq8615::app
