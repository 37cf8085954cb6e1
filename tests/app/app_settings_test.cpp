// The settings files, the INI reader and the language machinery.
#include "app/frm_init.h"
#include "app/frm_language.h"
#include "app/profile_file.h"
#include "app/language.h"
#include "app/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq8615;
using namespace tq8615::app;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The language files the build lays out beside the program.
QString builtLanguageFolder() { return QStringLiteral(TQ_BIN_DIR "/language"); }

}  // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iniReadsWholeValues_data();
    void iniReadsWholeValues();
    void profileWriteKeepsOtherKeys();
    void setupValuesConvert();
    void featureFlagsRoundTrip();
    void settingsFallBackWhenProgramFolderIsReadOnly();
    void factoryMarker_data();
    void factoryMarker();
    void languageChoiceByLocale_data();
    void languageChoiceByLocale();
    void langTextBuiltInAndFile();
    void applyLanguageWalksControls();
    void languageWindowSwitches();
    void initWindowWritesFactoryFres();
};

void AppSettingsTest::iniReadsWholeValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("commas and CJK") << QByteArray("[OTHER]\n2001=超出范围, 已更正, ok\n")
                                    << "OTHER" << "2001" << QString::fromUtf8("超出范围, 已更正, ok");
    QTest::newRow("spaces trimmed") << QByteArray("[OTHER]\n 12 =  padded text  \n") << "OTHER" << "12"
                                    << "padded text";
    QTest::newRow("no escape sequences") << QByteArray("[MSG]\n9001=C:\\new\n") << "MSG" << "9001"
                                         << "C:\\new";
    QTest::newRow("quoted and padded") << QByteArray("[OTHER]\n101=\" OK \"\n") << "OTHER" << "101" << "OK";
    QTest::newRow("case-insensitive names") << QByteArray("[msg]\n900c=x\n") << "MSG" << "900C" << "x";
    QTest::newRow("equals sign in value") << QByteArray("[A]\nk=a=b\n") << "A" << "k" << "a=b";
    QTest::newRow("BOM and CRLF") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A" << "k" << "v";
    QTest::newRow("other section") << QByteArray("[A]\nk=v\n[B]\nk=w\n") << "B" << "k" << "w";
    QTest::newRow("missing key") << QByteArray("[A]\nk=v\n") << "A" << "j" << "";
    QTest::newRow("comment") << QByteArray("[A]\n;k=v\n") << "A" << ";k" << "";
}

void AppSettingsTest::iniReadsWholeValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    ProfileFile ini;
    ini.parse(file);
    QCOMPARE(ini.value(section, key), expected);
}

void AppSettingsTest::profileWriteKeepsOtherKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mysetup.ini"));
    writeFile(path, "; comment\n[language]\nIsFirstRun=1\nSkin=blue, dark\ncomPort=3\n[other]\ncomPort=9\n");

    QVERIFY(WriteProfileString(path, QStringLiteral("language"), QStringLiteral("comPort"), QStringLiteral("10")));
    QVERIFY(WriteProfileString(path, QStringLiteral("language"), QStringLiteral("FactoryFres"), QStringLiteral("1")));
    QVERIFY(WriteProfileString(path, QStringLiteral("new"), QStringLiteral("k"), QString::fromUtf8("值")));

    ProfileFile ini;
    ini.load(path);
    QCOMPARE(ini.value(QStringLiteral("language"), QStringLiteral("comPort")), QStringLiteral("10"));
    QCOMPARE(ini.value(QStringLiteral("language"), QStringLiteral("FactoryFres")), QStringLiteral("1"));
    QCOMPARE(ini.value(QStringLiteral("language"), QStringLiteral("Skin")), QStringLiteral("blue, dark"));
    QCOMPARE(ini.value(QStringLiteral("other"), QStringLiteral("comPort")), QStringLiteral("9"));
    QCOMPARE(ini.value(QStringLiteral("new"), QStringLiteral("k")), QString::fromUtf8("值"));
    QVERIFY(readFile(path).startsWith("; comment"));
    // A file that does not exist yet is created.
    const QString fresh = dir.filePath(QStringLiteral("fresh.ini"));
    QVERIFY(WriteProfileString(fresh, QStringLiteral("language"), QStringLiteral("comPort"), QStringLiteral("1")));
    QCOMPARE(ReadProfileString(fresh, QStringLiteral("language"), QStringLiteral("comPort")), QStringLiteral("1"));
}

void AppSettingsTest::setupValuesConvert()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mysetup.ini"));
    writeFile(path, "[language]\nIsFirstRun=True\ncomPort=abc\nFactoryFres=1\nStopBit=2\n");
    SetupSettings s = ReadSetup(path);
    QVERIFY(s.IsFirstRun);
    QCOMPARE(s.comPort, QStringLiteral("abc"));
    QCOMPARE(s.FactoryFrequencyMode, 1);
    s = ReadSetup(dir.filePath(QStringLiteral("missing.ini")));
    QVERIFY(!s.IsFirstRun);
    QCOMPARE(s.comPort, QString());
}

void AppSettingsTest::featureFlagsRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setting.ini"));
    QCOMPARE(ReadFeatureFlags(path), (FeatureFlags{0, 0, 0, 0}));
    writeFile(path, QByteArray("\x01\x00\x02\x00", 4));  // short record: unreadable
    QCOMPARE(ReadFeatureFlags(path), (FeatureFlags{0, 0, 0, 0}));
    writeFile(path, QByteArray("\x01\x00\xFF\xFF\x03\x00\x00\x80tail", 12));
    QCOMPARE(ReadFeatureFlags(path), (FeatureFlags{1, -1, 3, -32768}));
    QVERIFY(WriteFeatureFlags(path, {0, 2, 0, 0}));
    QCOMPARE(readFile(path), QByteArray("\x00\x00\x02\x00\x00\x00\x00\x00tail", 12));
}

void AppSettingsTest::settingsFallBackWhenProgramFolderIsReadOnly()
{
    QTemporaryDir program;
    QTemporaryDir config;
    writeFile(program.filePath(QStringLiteral("language/mysetup.ini")), "[language]\ncomPort=4\n");
    writeFile(program.filePath(QStringLiteral("Setting.ini")), QByteArray("\x00\x00\x01\x00\x00\x00\x00\x00", 8));

    const SettingsPaths beside = ResolveSettingsPaths(program.path(), config.path());
    QVERIFY(!beside.usingFallback);
    QCOMPARE(beside.mysetupPath(), program.filePath(QStringLiteral("language/mysetup.ini")));
    QCOMPARE(beside.settingPath(), program.filePath(QStringLiteral("Setting.ini")));

    const QString programPath = program.path();
    const SettingsPaths moved = ResolveSettingsPaths(program.path(), config.filePath(QStringLiteral("sub")),
                                                     [&](const QString& f) { return !f.startsWith(programPath); });
    QVERIFY(moved.usingFallback);
    QCOMPARE(moved.mysetupPath(), config.filePath(QStringLiteral("sub/mysetup.ini")));
    // Seeded from the copies beside the program.
    QCOMPARE(ReadSetup(moved.mysetupPath()).comPort, QStringLiteral("4"));
    QCOMPARE(ReadFeatureFlags(moved.settingPath())[1], 1);
    // The language files still come from the program folder.
    QCOMPARE(moved.languageFolder(), program.filePath(QStringLiteral("language")));
}

void AppSettingsTest::factoryMarker_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("factory");
    const QByteArray marker("ZK4471_3186_Workshop_ModeMarker9");
    QTest::newRow("marker and spaces") << marker + QByteArray(96, ' ') << true;
    QTest::newRow("marker, NUL and junk") << marker + QByteArray(1, '\0') + QByteArray(95, 'x') << true;
    QTest::newRow("marker, space, NUL and junk")
        << marker + QByteArray(" ") + QByteArray(1, '\0') + QByteArray(94, 'x') << false;
    QTest::newRow("lower case") << marker.toLower() + QByteArray(96, ' ') << false;
    QTest::newRow("short file") << marker << false;
    QTest::newRow("other text") << QByteArray(128, 'A') << false;
}

void AppSettingsTest::factoryMarker()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, factory);
    QTemporaryDir dir;
    QVERIFY(!CheckFactoryMarker(dir.path()));
    writeFile(dir.filePath(QStringLiteral("TestData.ini")), content);
    QCOMPARE(CheckFactoryMarker(dir.path()), factory);
}

void AppSettingsTest::languageChoiceByLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("index");
    QTest::newRow("zh_CN") << "zh_CN" << 2;
    QTest::newRow("zh_TW") << "zh_TW" << 1;
    QTest::newRow("zh_HK") << "zh_HK" << 1;
    QTest::newRow("en_US") << "en_US" << 1;
    QTest::newRow("de_DE") << "de_DE" << 1;
}

void AppSettingsTest::languageChoiceByLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, index);
    QCOMPARE(LanguageIndexForLocale(QLocale(locale)), index);
}

void AppSettingsTest::langTextBuiltInAndFile()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("english.ini")), "[OTHER]\n101=  OK  \n10221=from file\n[MSG]\n9001=Save?\n");
    writeFile(dir.filePath(QStringLiteral("chinese.ini")), "[OTHER]\n101=确定\n");
    Language lang(dir.path(), English);
    QCOMPARE(lang.LangText(101), QStringLiteral("OK"));
    QCOMPARE(lang.LangText(10221), QStringLiteral("&Roger Beep"));
    QCOMPARE(lang.LangText(12014), QString());
    QCOMPARE(lang.LangText(999), QString());
    QCOMPARE(lang.LangText(TextKey::SaveFirstQuestion), QStringLiteral("Save?"));
    QCOMPARE(lang.text(BuiltinText::UnsavedPrompt), QStringLiteral("File has been modify,save it now?"));
    lang.setLanguageIndex(Chinese);
    QCOMPARE(lang.LanguageFileName(), QStringLiteral("chinese.ini"));
    QCOMPARE(lang.LangText(101), QString::fromUtf8("确定"));
    QCOMPARE(lang.LangText(10221), QString::fromUtf8("RB音(&R)"));
    QCOMPARE(lang.text(BuiltinText::UnsavedPrompt), QString::fromUtf8("当前文件已被修改，是否现在保存？"));
    // A missing file gives empty texts, nothing else.
    Language none(dir.filePath(QStringLiteral("nowhere")), English);
    QCOMPARE(none.LangText(101), QString());
}

void AppSettingsTest::applyLanguageWalksControls()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("english.ini")),
              "[OTHER]\n20=WenQuanYi Micro Hei\n21=13\n1=Caption\n2=Label\n3=&Button\n4=&Menu\n5=&Item...\n");
    Language lang(dir.path(), English);
    QWidget w;
    SetTag(&w, TextKey(1));
    auto* label = new QLabel(QStringLiteral("untagged"), &w);
    auto* tagged = new QLabel(&w);
    SetTag(tagged, TextKey(2));
    auto* button = new QPushButton(&w);
    SetTag(button, TextKey(3));
    SetToolTipKey(button, TextKey(5));
    auto* menu = new QMenu(&w);
    SetTag(menu, TextKey(4));
    QAction* item = menu->addAction(QString());
    SetTag(item, TextKey(5));
    ApplyLanguage(&w, lang);
    QCOMPARE(w.windowTitle(), QStringLiteral("Caption"));
    QCOMPARE(w.font().pointSize(), 13);
    QCOMPARE(label->text(), QStringLiteral("untagged"));
    QCOMPARE(tagged->text(), QStringLiteral("Label"));
    QCOMPARE(button->text(), QStringLiteral("&Button"));
    QCOMPARE(button->toolTip(), QStringLiteral("Item"));
    QCOMPARE(menu->title(), QStringLiteral("&Menu"));
    QCOMPARE(item->text(), QStringLiteral("&Item..."));
    QCOMPARE(StripMnemonic(QString::fromUtf8("新建(&N)")), QString::fromUtf8("新建"));
}

void AppSettingsTest::languageWindowSwitches()
{
    Language lang(builtLanguageFolder(), English);
    for (bool ok : {false, true}) {
        FrmLanguage dlg(lang);
        QCOMPARE(dlg.Combo1->count(), 2);
        QCOMPARE(dlg.Combo1->currentIndex(), 0);
        QCOMPARE(dlg.CommandOK->text(), lang.LangText(101));
        dlg.Combo1->setCurrentIndex(1);
        (ok ? dlg.CommandOK : dlg.CommandCancel)->click();
        QCOMPARE(lang.LanguageIndex(), ok ? 2 : 1);
    }
    QCOMPARE(lang.LanguageFileName(), QStringLiteral("chinese.ini"));
}

void AppSettingsTest::initWindowWritesFactoryFres()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mysetup.ini"));
    writeFile(path, "[language]\ncomPort=3\nFactoryFres=0\n");
    Language lang(builtLanguageFolder(), English);
    int factoryFres = 0;
    {
        FrmInit dlg(lang, factoryFres, path);
        QVERIFY(!dlg.Check1->isChecked());
        dlg.Check1->setChecked(true);
        dlg.CommandCancel->click();
    }
    QCOMPARE(factoryFres, 0);
    QCOMPARE(ReadSetup(path).FactoryFrequencyMode, 0);
    {
        FrmInit dlg(lang, factoryFres, path);
        dlg.Check1->setChecked(true);
        dlg.CommandOK->click();
        QVERIFY(dlg.written());
    }
    QCOMPARE(factoryFres, 1);
    QCOMPARE(ReadSetup(path).FactoryFrequencyMode, 1);
    QCOMPARE(ReadSetup(path).comPort, QStringLiteral("3"));
}

QTEST_MAIN(AppSettingsTest)
#include "app_settings_test.moc"
