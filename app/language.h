#pragma once
// The language machinery: which language is in use, the lookup of a text by numeric key,
// the built-in English/Chinese pairs, and the one walk that gives a window its texts.
#include "profile_file.h"

#include <QFont>
#include <QLocale>
#include <QString>

class QWidget;

#include "model/builtin_texts.h"
#include "model/text_keys.h"

namespace tq8615 { struct Message; }

namespace tq8615::app {

enum LanguageId { English = 1, Chinese = 2 };

// English unless the system locale is Chinese (China); Taiwan, Hong Kong and the rest get
// English too, as the language files know only the simplified script.
int LanguageIndexForLocale(const QLocale& locale);

class Language {
public:
    // languageFolder holds english.ini and chinese.ini.
    explicit Language(QString languageFolder, int languageIndex = English);

    int LanguageIndex() const { return index_; }
    void setLanguageIndex(int index);  // 2 = Chinese, anything else English
    QString LanguageFileName() const;
    QString LanguageFilePath() const;

    // The text of a key from its section of the language file; empty when missing.
    QString LangText(TextKey key) const;
    // A number as a window's tag holds it: section "OTHER" below 10001, above that an
    // "OPTION" key the program names or the built-in table; empty when missing.
    QString LangText(int key) const;
    QString text(BuiltinText text) const;
    // A data-side message in the current language.
    QString text(const Message& message) const;

    // The font that keys 20 and 21 name; the application font when they are missing.
    QFont windowFont(const QFont& fallback) const;

private:
    void reload();
    QString folder_;
    int index_ = English;
    ProfileFile file_;
};

// Gives a window its texts: its caption from its "tag" property (without "&" markers), its
// font from keys 20/21, and every child widget and action the text of its "tag" (and the
// tool tip of its "toolTipKey", followed by the key sequence in "toolTipShortcut"; the
// accessible name of its "accessibleNameKey"). Controls without a numeric tag keep their
// text.
void ApplyLanguage(QWidget* window, const Language& language);

// A menu caption as a tool tip: without its "&" mnemonic, "(&N)" or trailing "...".
QString StripMnemonic(QString text);

// Marks an object with the key of its caption / tool tip, for ApplyLanguage.
void SetTag(QObject* object, TextKey key);
void SetToolTipKey(QObject* object, TextKey key);
// The name a screen reader speaks for a control that shows no text of its own.
void SetAccessibleNameKey(QWidget* widget, TextKey key);

}  // namespace tq8615::app
