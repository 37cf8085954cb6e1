// What the DTMF and communication book editors show and store, and the book files.
#include <gtest/gtest.h>

#include <fstream>

#include "files/book_file.h"
#include "model/commu_book_edit.h"
#include "model/dtmf_edit.h"
#include "model/editing_model.h"
#include "model/typed_chars.h"
#include "support/fixtures.h"

using namespace tq8615;

namespace {

CommuBook FreshBook()
{
    CommuBook book;
    ResetCommuBookDefaults(book);
    return book;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(DtmfEdit, DigitTexts)
{
    EXPECT_EQ(DtmfDigitText("12*#AD"), "12EFAD");
    EXPECT_EQ(DtmfDisplayText("12EFAD"), "12*#AD");
}

// Typed 12*# is stored as 12EF with 4 digits, reaches the radio so and is shown back.
TEST(DtmfEdit, CodeRoundTrip)
{
    DtmfSettings s = test::DefaultDtmf();
    DtmfForm form = ShowDtmfFromModel(s);
    form.codes[0] = "12*#";
    form.codes[kDtmfKillBox] = "A1";
    SaveDtmfToModel(form, s);
    EXPECT_EQ(s.DtmfCodes[0].Digits.trimmed(), "12EF");
    EXPECT_EQ(s.DtmfCodes[0].DigitCount, 4);
    EXPECT_EQ(s.KillCode.Digits.trimmed(), "A1");
    RadioImage image;
    BlockUsageMap map;
    EncodeDtmf(s, image, map);
    EXPECT_EQ(test::Slice(image, 6544, 5), (std::vector<uint8_t>{1, 2, 0x0E, 0x0F, 0xFF}));
    EXPECT_EQ(ShowDtmfFromModel(s).codes[0], "12*#");
    // Only as many digits as counted are shown.
    s.DtmfCodes[1] = {std::string_view("1234"), 2};
    EXPECT_EQ(ShowDtmfFromModel(s).codes[1], "12");
}

// The defaults show as the lists hold them, and saving the form unchanged keeps them.
TEST(DtmfEdit, DefaultsRoundTrip)
{
    DtmfSettings s = test::DefaultDtmf();
    const DtmfForm form = ShowDtmfFromModel(s);
    EXPECT_EQ(form.ownId, "000");
    EXPECT_EQ(form.separator, 4);       // "*"
    EXPECT_EQ(form.groupCode, 1);       // A
    EXPECT_EQ(form.preSendDelay, 19);   // "200"
    EXPECT_EQ(form.pauseTime, 6);       // "10"
    DtmfSettings saved = test::DefaultDtmf();
    SaveDtmfToModel(form, saved);
    EXPECT_EQ(saved, s);
}

TEST(DtmfEdit, LoadingRepairs)
{
    DtmfSettings s = test::DefaultDtmf();
    s.AniSetting = 2;
    s.SendTime = 5;
    s.PttIdSetting = 4;
    s.DtmfIdLength = 7;
    s.DtmfId = "12x";
    s.SeparatorCode = 9;
    s.GroupCode = 255;
    s.DecodeResponse = 3;
    s.FirstDigitDelay = 251;
    s.PreSendDelay = 0;
    s.PauseTime = 4;
    s.SideTone = 2;
    const DtmfForm form = ShowDtmfFromModel(s);
    EXPECT_EQ(form.ani, 0);
    EXPECT_EQ(form.sendTime, 0);
    EXPECT_EQ(form.pttId, 0);
    EXPECT_EQ(form.ownId, "000");
    EXPECT_EQ(s.DtmfIdLength, 3);
    EXPECT_EQ(s.DtmfId.raw(), std::string_view("000\0 ", 5));
    EXPECT_EQ(form.separator, 4);
    EXPECT_EQ(s.SeparatorCode, 14);
    EXPECT_EQ(form.groupCode, 0);
    EXPECT_EQ(form.decodeResponse, 0);
    EXPECT_EQ(form.firstDigitDelay, 0);
    EXPECT_EQ(form.preSendDelay, 0);
    EXPECT_EQ(form.pauseTime, 0);
    EXPECT_FALSE(form.sideTone);

    // A numeric identity is cut to its length, a short one filled with "0".
    s.DtmfIdLength = 4;
    s.DtmfId = "12345";
    EXPECT_EQ(ShowDtmfFromModel(s).ownId, "1234");
    s.DtmfId = "12";
    EXPECT_EQ(ShowDtmfFromModel(s).ownId, "1200");
}

TEST(DtmfEdit, ListsStoreTheirValues)
{
    DtmfSettings s = test::DefaultDtmf();
    DtmfForm form = ShowDtmfFromModel(s);
    form.groupCode = 0;
    form.separator = 5;
    form.preSendDelay = 249;  // "2500"
    form.resetTime = 250;     // "25.0"
    form.pauseTime = 71;      // "75"
    form.firstDigitDelay = 250;
    form.sideTone = true;
    SaveDtmfToModel(form, s);
    EXPECT_EQ(s.GroupCode, 255);
    EXPECT_EQ(s.SeparatorCode, 15);
    EXPECT_EQ(s.PreSendDelay, 250);
    EXPECT_EQ(s.ResetTime, 250);
    EXPECT_EQ(s.PauseTime, 75);
    EXPECT_EQ(s.FirstDigitDelay, 250);
    EXPECT_EQ(s.SideTone, 1);
    EXPECT_EQ(ShowDtmfFromModel(s), form);
}

TEST(DtmfEdit, OwnIdentityPadding)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{"12", "120"}, Case{"", "000"}, Case{"1234", "1234"}, Case{"12345", "12345"}}) {
        DtmfSettings s = test::DefaultDtmf();
        DtmfForm form = ShowDtmfFromModel(s);
        form.ownId = c.typed;
        SaveDtmfToModel(form, s);
        EXPECT_EQ(s.DtmfId.trimmed(), c.stored) << c.typed;
        EXPECT_EQ(s.DtmfIdLength, static_cast<int16_t>(std::string(c.stored).size())) << c.typed;
    }
    // The radio keeps the first three digits of a longer identity.
    DtmfSettings s = test::DefaultDtmf();
    s.DtmfId = std::string_view("1234\0", 5);
    RadioImage image;
    BlockUsageMap map;
    EncodeDtmf(s, image, map);
    EXPECT_EQ(test::Slice(image, 6870, 3), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(DtmfEdit, AniComposition)
{
    EXPECT_EQ(ComposeAni("7", SeparatorChar(4), "456"), "700*456");
    EXPECT_EQ(ComposeAni("", SeparatorChar(0), "123"), "000A123");
    EXPECT_EQ(SeparatorChar(5), '#');

    struct Case {
        const char* code;
        const char* afterSeparator;  // separator changed to "#", own identity 456
        const char* afterOwnId;      // separator "*", own identity changed to 789
    };
    const Case cases[] = {
        {"700*456", "700#456", "700*789"},
        {"700*123", "700*123", "700*789"},  // another identity: the separator stays
        {"*456", "#456", "*789"},
        {"7001456", "7001456", "7001456"},  // no separator in it
        {"12*#", "12*#", "12*#"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithNewSeparator(c.code, '#', "456"), c.afterSeparator) << c.code;
        EXPECT_EQ(WithNewOwnId(c.code, '*', "789"), c.afterOwnId) << c.code;
    }
}

TEST(DtmfEdit, RemoteCodesClash)
{
    EXPECT_TRUE(RemoteCodesClash("123", "123"));
    EXPECT_FALSE(RemoteCodesClash("123", "124"));
    EXPECT_FALSE(RemoteCodesClash("", ""));
    EXPECT_FALSE(RemoteCodesClash("123", ""));
}

TEST(CommuBookEdit, CellCommits)
{
    struct Case {
        int column;
        const char* typed;
        std::string_view callId;  // the stored field, as its bytes
        std::string_view name;
        const char* shown;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {1, "123", "123\0 "sv, "\0      "sv, "123"},
        {1, "12345", "12345"sv, "\0      "sv, "12345"},
        {1, "", "\0\0   "sv, "\0      "sv, ""},
        {2, "ABC", "\0    "sv, "ABC\0   "sv, "ABC"},
        {2, "ABCDEFG", "\0    "sv, "ABCDEFG"sv, "ABCDEFG"},
        {2, "AB  ", "\0    "sv, "AB\0    "sv, "AB"},
    };
    for (const Case& c : cases) {
        CommuBookEntry entry = FreshBook()[0];
        EXPECT_EQ(CommitBookEdit(entry, c.column, c.typed), c.shown) << c.typed;
        EXPECT_EQ(entry.CallId.raw(), c.callId) << c.typed;
        EXPECT_EQ(entry.Name.raw(), c.name) << c.typed;
        EXPECT_EQ(BookCellText(entry, c.column), c.shown) << c.typed;
    }
}

// An identity of 123 reaches the radio as 49 50 51 0 0.
TEST(CommuBookEdit, ShortIdentityInImage)
{
    EditingModel model;
    ResetCommuBookDefaults(model.Book);
    CommitBookEdit(model.Book[0], kBookCallIdColumn, "123");
    CommitBookEdit(model.Book[0], kBookNameColumn, "ABC");
    const RadioImage image = test::Encode(model);
    EXPECT_EQ(test::Slice(image, 10464, 5), (std::vector<uint8_t>{49, 50, 51, 0, 0}));
    EXPECT_EQ(test::Slice(image, 11488, 7), (std::vector<uint8_t>{'A', 'B', 'C', 0, 0, 0, 0}));
}

TEST(CommuBookFile, Layout)
{
    CommuBook book = FreshBook();
    CommitBookEdit(book[1], kBookCallIdColumn, "123");
    CommitBookEdit(book[1], kBookNameColumn, "AB");
    book[1].EntryNumber = 0x0102;
    const BookFileBytes bytes = BookToFileBytes(book);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 14, bytes.begin() + 28),
              (std::vector<uint8_t>{2, 1, '1', '2', '3', 0, ' ', 'A', 'B', 0, ' ', ' ', ' ', ' '}));
    EXPECT_EQ(BookFromFileBytes({bytes.begin(), bytes.end()}), book);
}

TEST(CommuBookFile, ExportThenImport)
{
    test::TempDir dir;
    CommuBook book = FreshBook();
    CommitBookEdit(book[5], kBookCallIdColumn, "54321");
    CommitBookEdit(book[5], kBookNameColumn, "JOE");
    std::string reason;
    ASSERT_TRUE(SaveBookFile(dir / "book.bin", book, reason)) << reason;
    EXPECT_EQ(std::filesystem::file_size(dir / "book.bin"), kBookFileSize);
    CommuBook back{};
    ASSERT_TRUE(LoadBookFile(dir / "book.bin", back, reason)) << reason;
    EXPECT_EQ(back, book);
}

TEST(CommuBookFile, ShortLongAndMissingFiles)
{
    test::TempDir dir;
    // A short file: the rest is zero bytes.
    WriteBytes(dir / "short.bin", {7, 0, '9'});
    CommuBook book = FreshBook();
    std::string reason;
    ASSERT_TRUE(LoadBookFile(dir / "short.bin", book, reason));
    EXPECT_EQ(book[0].EntryNumber, 7);
    EXPECT_EQ(book[0].CallId.raw(), std::string_view("9\0\0\0\0", 5));
    EXPECT_EQ(book[127].EntryNumber, 0);

    // Longer files, missing files and folders are refused and change nothing.
    WriteBytes(dir / "long.bin", std::vector<uint8_t>(kBookFileSize + 1, '1'));
    const CommuBook before = FreshBook();
    for (const auto& path : {dir / "long.bin", dir / "missing.bin", dir.path()}) {
        book = before;
        reason.clear();
        EXPECT_FALSE(LoadBookFile(path, book, reason)) << path;
        EXPECT_FALSE(reason.empty()) << path;
        EXPECT_EQ(book, before) << path;
    }

    // A save that cannot be written leaves no file behind.
    EXPECT_FALSE(SaveBookFile(dir / "no-folder" / "book.bin", before, reason));
    EXPECT_FALSE(std::filesystem::exists(dir / "no-folder"));
}

TEST(DtmfEdit, TypedCharacters)
{
    struct Case {
        CharSet set;
        char typed;
        char shown;
    };
    const Case cases[] = {
        {CharSet::DtmfDigit, 'a', 'A'}, {CharSet::DtmfDigit, 'd', 'D'}, {CharSet::DtmfDigit, 'e', '\0'},
        {CharSet::DtmfDigit, '*', '*'}, {CharSet::DtmfDigit, '#', '#'}, {CharSet::DtmfDigit, '9', '9'},
        {CharSet::BookName, 'z', 'Z'},  {CharSet::BookName, ' ', ' '},  {CharSet::BookName, '\\', '\0'},
        {CharSet::BookName, '~', '\0'}, {CharSet::BookName, '-', '\0'}, {CharSet::BookName, '0', '0'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptTyped(c.set, c.typed), c.shown) << c.typed;
}
