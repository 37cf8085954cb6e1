#pragma once
// The language machinery: which language is in use, the lookup of a text by numeric key,
// the built-in English/Chinese pairs, and the one walk that gives a window its texts.
#include "ini_file.h"

#include <QFont>
#include <QLocale>
#include <QString>

class QWidget;

namespace tq8615 { struct Message; }

namespace tq8615::app {

enum LanguageId { English = 1, Chinese = 2 };

// English unless the system locale is Chinese (China); Taiwan, Hong Kong and the rest get
// English too, as the language files know only the simplified script.
int LanguageIndexForLocale(const QLocale& locale);

// The built-in pairs that do not come from the language files.
enum class Pair {
    ReadCommand, WriteCommand, ProgressLabel, ReadPrompt, WritePrompt,
    WrongModel, WrongVersion, WrongBand, ResetPrompt, FileError, OverwritePrompt,
    UnsavedPrompt, DataFileType, FrequencyCleared, WarningTitle,
    CloseButton, PrintButton, HelpButton,
};

class Language {
public:
    // languageFolder holds english.ini and chinese.ini.
    explicit Language(QString languageFolder, int languageIndex = English);

    int LanguageIndex() const { return index_; }
    void setLanguageIndex(int index);  // 2 = Chinese, anything else English
    QString LanguageFileName() const;
    QString LanguageFilePath() const;

    // Section "OTHER" for keys below 10001, the built-in table above that; empty when missing.
    QString LangText(int key) const;
    // Section "MSG" read directly ("9001", "900C").
    QString MsgText(const QString& key) const;
    // Section "OPTION" (list items of the editors).
    QString OptionText(int key) const;
    QString text(Pair pair) const;
    // A data-side message in the current language.
    QString text(const Message& message) const;

    // The font that keys 20 and 21 name; the application font when they are missing.
    QFont windowFont(const QFont& fallback) const;

private:
    void reload();
    QString folder_;
    int index_ = English;
    IniFile file_;
};

// Gives a window its texts: its caption from its "tag" property, its font from keys 20/21,
// and every child widget and action the text of its "tag" (and the tool tip of its
// "toolTipKey", the accessible name of its "accessibleNameKey"). Controls without a numeric
// tag keep their text.
void ApplyLanguage(QWidget* window, const Language& language);

// A menu caption as a tool tip: without its "&" mnemonic, "(&N)" or trailing "...".
QString StripMnemonic(QString text);

// Marks an object with the key of its caption / tool tip, for ApplyLanguage.
void SetTag(QObject* object, int key);
void SetToolTipKey(QObject* object, int key);
// Marks a widget with the key of the name assistive technologies read out for it.
void SetAccessibleNameKey(QWidget* widget, int key);

}  // namespace tq8615::app
