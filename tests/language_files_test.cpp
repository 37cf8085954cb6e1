// Checks the two language files shipped with the program: same keys in both,
// a text for every key, the agreed font, sorted keys, and texts that keep
// their commas, "=" signs and CJK characters when read.

#include "model/text_keys.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string>

#ifndef TQ_LANGUAGE_SOURCE_DIR
#error "TQ_LANGUAGE_SOURCE_DIR must name the folder of the language files"
#endif

namespace {

// One section of a language file: keys in file order and their texts.
struct Section {
    QStringList order;
    QMap<QString, QString> texts;
};

struct LanguageFile {
    QString path;
    QStringList sectionOrder;
    QMap<QString, Section> sections;
    QStringList problems;   // anything that is not a comment, a section or key=value
};

// A deliberately plain reader: a line is "[SECTION]", "key=value", a ';'
// comment or blank. The value is everything after the first '=', with
// surrounding spaces removed, exactly as the program's lookup returns it.
LanguageFile readLanguageFile(const QString &name)
{
    LanguageFile file;
    file.path = QStringLiteral(TQ_LANGUAGE_SOURCE_DIR) + QLatin1Char('/') + name;
    QFile f(file.path);
    if (!f.open(QIODevice::ReadOnly)) {
        file.problems << QStringLiteral("cannot open ") + file.path;
        return file;
    }
    const QByteArray bytes = f.readAll();
    const QString content = QString::fromUtf8(bytes);
    if (content.toUtf8() != bytes)
        file.problems << QStringLiteral("not valid UTF-8");
    if (bytes.startsWith("\xEF\xBB\xBF"))
        file.problems << QStringLiteral("starts with a byte order mark");

    QString current;
    int lineNumber = 0;
    for (QString line : content.split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
            continue;
        const QString where = QStringLiteral("line %1: ").arg(lineNumber);
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            current = trimmed.mid(1, trimmed.size() - 2);
            if (file.sections.contains(current))
                file.problems << where + QStringLiteral("section repeated: ") + current;
            file.sectionOrder << current;
            file.sections[current];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || current.isEmpty()) {
            file.problems << where + QStringLiteral("not key=value inside a section: ") + line;
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        Section &section = file.sections[current];
        if (section.texts.contains(key))
            file.problems << where + QStringLiteral("key repeated: ") + key;
        section.order << key;
        section.texts.insert(key, value);
    }
    return file;
}

const LanguageFile &english()
{
    static const LanguageFile file = readLanguageFile(QStringLiteral("english.ini"));
    return file;
}

const LanguageFile &chinese()
{
    static const LanguageFile file = readLanguageFile(QStringLiteral("chinese.ini"));
    return file;
}

QString text(const LanguageFile &file, const QString &section, const QString &key)
{
    return file.sections.value(section).texts.value(key);
}

std::string s(const QString &q) { return q.toStdString(); }

const QStringList kSections = {QStringLiteral("OTHER"), QStringLiteral("MSG"),
                               QStringLiteral("OPTION")};

}  // namespace

TEST(LanguageFiles, ReadWithoutProblems)
{
    for (const LanguageFile *file : {&english(), &chinese()}) {
        EXPECT_TRUE(file->problems.isEmpty())
            << s(file->path) << ": " << s(file->problems.join(QStringLiteral("; ")));
        EXPECT_EQ(file->sectionOrder, kSections) << s(file->path);
    }
}

TEST(LanguageFiles, BothFilesHaveTheSameKeysInEverySection)
{
    for (const QString &section : kSections) {
        const QStringList en = english().sections.value(section).order;
        const QStringList zh = chinese().sections.value(section).order;
        EXPECT_FALSE(en.isEmpty()) << "section " << s(section) << " is empty";
        for (const QString &key : en)
            EXPECT_TRUE(zh.contains(key)) << "chinese.ini lacks [" << s(section) << "] " << s(key);
        for (const QString &key : zh)
            EXPECT_TRUE(en.contains(key)) << "english.ini lacks [" << s(section) << "] " << s(key);
    }
}

TEST(LanguageFiles, EveryKeyTheProgramUsesHasATextInBothFiles)
{
    for (const LanguageFile *file : {&english(), &chinese()}) {
        for (const tq8615::TextKeyInfo &info : tq8615::kTextKeys) {
            const QString section = QString::fromLatin1(tq8615::SectionName(info.section));
            const QString key = QString::fromStdString(tq8615::KeyText(info.key));
            EXPECT_FALSE(text(*file, section, key).isEmpty())
                << s(file->path) << " lacks " << info.name << " [" << s(section) << "] " << s(key);
        }
    }
}

TEST(LanguageFiles, EveryKeyHasAPlainText)
{
    for (const LanguageFile *file : {&english(), &chinese()}) {
        for (const QString &section : kSections) {
            const Section sec = file->sections.value(section);
            for (const QString &key : sec.order) {
                const QString value = sec.texts.value(key);
                const std::string where = s(file->path) + " [" + s(section) + "] " + s(key);
                EXPECT_FALSE(value.isEmpty()) << where << " has no text";
                EXPECT_FALSE(value.size() >= 2 && value.startsWith(QLatin1Char('"'))
                             && value.endsWith(QLatin1Char('"')))
                    << where << " is quoted";
                // The lookup returns at most 254 characters of a text.
                EXPECT_LE(value.size(), 254) << where << " is too long";
            }
        }
    }
}

TEST(LanguageFiles, KeysAreNumbersSortedWithinEachSection)
{
    for (const LanguageFile *file : {&english(), &chinese()}) {
        for (const QString &section : kSections) {
            const QStringList keys = file->sections.value(section).order;
            // Message keys are written in hexadecimal ("900C"); the others in decimal.
            const int base = section == QStringLiteral("MSG") ? 16 : 10;
            qlonglong previous = -1;
            for (const QString &key : keys) {
                bool ok = false;
                const qlonglong number = key.toLongLong(&ok, base);
                ASSERT_TRUE(ok) << s(file->path) << " [" << s(section) << "] bad key " << s(key);
                if (section == QStringLiteral("OTHER")) {
                    EXPECT_LT(number, 10001) << s(key);
                }
                EXPECT_GT(number, previous)
                    << s(file->path) << " [" << s(section) << "] " << s(key) << " out of order";
                previous = number;
            }
        }
    }
}

TEST(LanguageFiles, FontRendersBothLanguages)
{
    for (const LanguageFile *file : {&english(), &chinese()}) {
        EXPECT_EQ(s(text(*file, QStringLiteral("OTHER"), QStringLiteral("20"))),
                  "WenQuanYi Micro Hei");
        EXPECT_EQ(s(text(*file, QStringLiteral("OTHER"), QStringLiteral("21"))), "9");
    }
}

TEST(LanguageFiles, TextsWithCommasAndCjkAreReadWhole)
{
    EXPECT_EQ(s(text(english(), QStringLiteral("OTHER"), QStringLiteral("2003"))),
              "No response from the radio. Check the programming cable, the COM port and "
              "that the radio is switched on, then retry.");
    EXPECT_EQ(s(text(chinese(), QStringLiteral("OTHER"), QStringLiteral("2003"))),
              "对讲机无响应，通讯失败。请检查写频线、串口以及对讲机是否已开机，然后重试。");
    EXPECT_EQ(s(text(chinese(), QStringLiteral("OTHER"), QStringLiteral("2100"))),
              "本软件仅适用于 TQ8615 对讲机。写入未经许可使用的频率，或写入其他机型、"
              "其他频段的数据，可能违反当地无线电管理规定，或导致对讲机无法使用。");
    EXPECT_EQ(s(text(english(), QStringLiteral("OTHER"), QStringLiteral("1502"))),
              "Chinese (简体中文)");
    EXPECT_EQ(s(text(chinese(), QStringLiteral("MSG"), QStringLiteral("9001"))),
              "数据已被修改，是否先保存？");
}

TEST(LanguageFiles, MenuAcceleratorsMatchInBothLanguages)
{
    // English menu texts carry "&X" inside the word; Chinese ones end in "(&X)"
    // (optionally followed by "...") with the same letter.
    const QRegularExpression chineseStyle(QStringLiteral("\\(&([A-Z0-9])\\)(\\.\\.\\.)?$"));
    const Section en = english().sections.value(QStringLiteral("OTHER"));
    int menus = 0;
    for (const QString &key : en.order) {
        const QString enText = en.texts.value(key);
        const qsizetype amp = enText.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= enText.size())
            continue;
        ++menus;
        const QString zhText = text(chinese(), QStringLiteral("OTHER"), key);
        const QRegularExpressionMatch m = chineseStyle.match(zhText);
        ASSERT_TRUE(m.hasMatch()) << "key " << s(key) << ": " << s(zhText);
        EXPECT_EQ(s(m.captured(1)), s(enText.mid(amp + 1, 1).toUpper())) << "key " << s(key);
    }
    EXPECT_GE(menus, 30);
}
