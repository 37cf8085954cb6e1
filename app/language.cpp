#include "language.h"

#include "model/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

namespace tq8615::app {

int LanguageIndexForLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese && locale.territory() == QLocale::China ? Chinese
                                                                                        : English;
}

Language::Language(QString languageFolder, int languageIndex) : folder_(std::move(languageFolder))
{
    setLanguageIndex(languageIndex);
}

void Language::setLanguageIndex(int index)
{
    index_ = index == Chinese ? Chinese : English;
    reload();
}

QString Language::LanguageFileName() const
{
    return index_ == Chinese ? QStringLiteral("chinese.ini") : QStringLiteral("english.ini");
}

QString Language::LanguageFilePath() const { return QDir(folder_).filePath(LanguageFileName()); }

void Language::reload() { file_.load(LanguageFilePath()); }

QString Language::LangText(TextKey key) const
{
    return file_.value(QString::fromLatin1(SectionName(SectionOf(key))), QString::fromStdString(KeyText(key)));
}

QString Language::LangText(int key) const
{
    if (key < 10001)
        return file_.value(QStringLiteral("OTHER"), QString::number(key));
    // A control labelled with an "OPTION" text.
    for (const TextKeyInfo& info : kTextKeys)
        if (static_cast<int>(info.key) == key && info.section == TextSection::Option)
            return LangText(info.key);
    const TextPair* pair = PairOfKey(key);
    return pair ? QString::fromUtf8(index_ == Chinese ? pair->chinese : pair->english) : QString();
}

QString Language::text(BuiltinText text) const
{
    const TextPair& pair = PairOf(text);
    return QString::fromUtf8(index_ == Chinese ? pair.chinese : pair.english);
}

QString Language::text(const Message& message) const
{
    const QString own = QString::fromStdString(
        index_ == Chinese && !message.chinese.empty() ? message.chinese : message.english);
    if (message.langKey == TextKey{})
        return own;
    const QString text = LangText(message.langKey);
    return own.isEmpty() ? text : text + QStringLiteral("\n\n") + own;
}

QFont Language::windowFont(const QFont& fallback) const
{
    QFont font = fallback;
    const QString family = LangText(TextKey::FontName);
    if (!family.isEmpty())
        font.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei"), fallback.family()});
    bool ok = false;
    const int size = LangText(TextKey::FontSize).toInt(&ok);
    if (ok && size > 0)
        font.setPointSize(size);
    return font;
}

QString StripMnemonic(QString text)
{
    static const QRegularExpression chineseStyle(QStringLiteral("\\(&.\\)"));
    text.remove(chineseStyle);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text;
}

void SetTag(QObject* object, TextKey key) { object->setProperty("tag", static_cast<int>(key)); }
void SetToolTipKey(QObject* object, TextKey key) { object->setProperty("toolTipKey", static_cast<int>(key)); }
void SetAccessibleNameKey(QWidget* widget, TextKey key) { widget->setProperty("accessibleNameKey", static_cast<int>(key)); }

namespace {

int keyOf(const QObject* o, const char* property)
{
    bool ok = false;
    const int key = o->property(property).toInt(&ok);
    return ok ? key : 0;
}

void applyToAction(QAction* action, const Language& language)
{
    if (const int key = keyOf(action, "tag"); key > 0)
        action->setText(language.LangText(key));
    if (const int key = keyOf(action, "toolTipKey"); key > 0) {
        QString tip = StripMnemonic(language.LangText(key));
        const auto shortcut = action->property("toolTipShortcut").value<QKeySequence>();
        if (!shortcut.isEmpty())
            tip += QStringLiteral(" (%1)").arg(shortcut.toString(QKeySequence::NativeText));
        action->setToolTip(tip);
    }
}

}  // namespace

void ApplyLanguage(QWidget* window, const Language& language)
{
    // A caption borrowed from a menu item shows no accelerator marker.
    if (const int key = keyOf(window, "tag"); key > 0)
        window->setWindowTitle(StripMnemonic(language.LangText(key)));
    // Children inherit the window font unless they set their own.
    window->setFont(language.windowFont(window->font()));

    for (QAction* action : window->findChildren<QAction*>())
        applyToAction(action, language);
    for (QAction* action : window->actions())
        applyToAction(action, language);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (const int key = keyOf(w, "tag"); key > 0) {
            const QString text = language.LangText(key);
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                button->setText(text);
            else if (auto* box = qobject_cast<QGroupBox*>(w))
                box->setTitle(text);
            else if (auto* menu = qobject_cast<QMenu*>(w))
                menu->setTitle(text);
        }
        if (const int key = keyOf(w, "toolTipKey"); key > 0)
            w->setToolTip(StripMnemonic(language.LangText(key)));
        if (const int key = keyOf(w, "accessibleNameKey"); key > 0)
            w->setAccessibleName(StripMnemonic(language.LangText(key)));
    }
}

}  // namespace tq8615::app
