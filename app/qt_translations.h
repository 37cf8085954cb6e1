#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the
// program's language: Qt's Chinese translations while the program speaks Chinese.
#include <QTranslator>

#include <memory>
#include <vector>

namespace tq8615::app {

class QtTranslations {
public:
    // Installs Qt's translations for the language index (2 = Chinese) and removes those of
    // the language before. False when Qt's translation files for it are not installed.
    bool follow(int languageIndex);

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace tq8615::app
