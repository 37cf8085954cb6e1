#include "language.h"

#include "model/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
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

QString Language::LangText(int key) const
{
    if (key < 10001)
        return file_.value(QStringLiteral("OTHER"), QString::number(key));
    if (key == 10221)
        return index_ == Chinese ? QStringLiteral("RB音(&R)") : QStringLiteral("&Roger Beep");
    return {};
}

QString Language::MsgText(const QString& key) const { return file_.value(QStringLiteral("MSG"), key); }

QString Language::OptionText(int key) const
{
    return file_.value(QStringLiteral("OPTION"), QString::number(key));
}

QString Language::text(Pair pair) const
{
    struct Texts { const char* english; const char* chinese; };
    static const Texts table[] = {
        {"Read data from radio", "从对讲机读取数据"},
        {"Write data to radio", "向对讲机写入数据"},
        {"Completion percentage:", "完成进度:"},
        {"Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
        {"Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
        {"Model type is wrong. Overwrite?", "机型类型错误。"},
        {"Version is wrong.", "版本错误。"},
        {"Band Error!", "频段错误！"},
        {"All data will be reset.", "所有数据将被重置。"},
        {"file error.", "文件错误。"},
        {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
        {"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
        {"Data File", "数据文件"},
        {"Frequency data will be cleared.", "频率数据将被清除。"},
        {"Warning", "警告"},
        {"&Close", "关闭(&C)"},
        {"&Print", "打印(&P)"},
        {"&Help", "帮助(&H)"},
    };
    const Texts& t = table[static_cast<int>(pair)];
    return QString::fromUtf8(index_ == Chinese ? t.chinese : t.english);
}

QString Language::text(const Message& message) const
{
    if (message.langKey != 0)
        return LangText(message.langKey);
    if (index_ == Chinese && !message.chinese.empty())
        return QString::fromStdString(message.chinese);
    return QString::fromStdString(message.english);
}

QFont Language::windowFont(const QFont& fallback) const
{
    QFont font = fallback;
    const QString family = LangText(20);
    if (!family.isEmpty())
        font.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei"), fallback.family()});
    bool ok = false;
    const int size = LangText(21).toInt(&ok);
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

void SetTag(QObject* object, int key) { object->setProperty("tag", key); }
void SetToolTipKey(QObject* object, int key) { object->setProperty("toolTipKey", key); }
void SetAccessibleNameKey(QWidget* widget, int key) { widget->setProperty("accessibleNameKey", key); }

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
    if (const int key = keyOf(action, "toolTipKey"); key > 0)
        action->setToolTip(StripMnemonic(language.LangText(key)));
}

}  // namespace

void ApplyLanguage(QWidget* window, const Language& language)
{
    if (const int key = keyOf(window, "tag"); key > 0)
        window->setWindowTitle(language.LangText(key));
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
