// Profile-string files: values whole, commas and CJK included.
#include <gtest/gtest.h>

#include "files/ini_file.h"
#include "support/fixtures.h"

using namespace tq8615;

TEST(IniFile, Values)
{
    IniFile ini;
    ini.parse("\xEF\xBB\xBF; a comment\r\n[OTHER]\r\n2003 = No answer, check the cable; retry?  \r\n"
              "2004=读频完成，共 200 个信道\n[Language]\nKEY=\"quoted, value\"\nkey=second\n"
              "lines=one\\ntwo\npath=C:\\new\nspaced=\" OK \"\n#hidden=1\n=no key\n[empty]\n");
    struct Case { const char* section; const char* key; std::optional<std::string> value; };
    const Case cases[] = {
        {"OTHER", "2003", "No answer, check the cable; retry?"},
        {"other", "2004", "读频完成，共 200 个信道"},
        {"LANGUAGE", "key", "quoted, value"},  // the first occurrence wins
        {"language", "lines", "one\\ntwo"},   // no escape sequences
        {"language", "path", "C:\\new"},
        {"language", "spaced", "OK"},  // trimmed inside the quotes too
        {"language", "#hidden", std::nullopt},
        {"OTHER", "9999", std::nullopt},
        {"missing", "2003", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniFile, MissingFileIsEmpty)
{
    test::TempDir dir;
    IniFile ini;
    EXPECT_FALSE(ini.load(dir / "none.ini"));
    EXPECT_TRUE(ini.empty());
    test::WriteAll(dir / "a.ini", "[language]\ncomPort=ttyUSB0\n");
    EXPECT_EQ(ReadIniValue(dir / "a.ini", "language", "comport"), "ttyUSB0");
}
