// The command-line tool as a user runs it: exit status, messages and files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

#include "support/fixtures.h"

using namespace tq8615;
using test::ReadAll;
using test::TempDir;

namespace {

struct Result {
    int status;
    std::string output;  // standard output and standard error together
};

Result RunCli(const std::string& arguments)
{
    std::string command = std::string(TQ8615_CLI) + " " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace

TEST(Cli, NewEncodeDecodeShow)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new --band 1 -o " + Q(dir / "a.dat")).status, 0);
    EXPECT_EQ(ReadAll(dir / "a.dat").size(), kDataFileSize);
    ASSERT_EQ(RunCli("encode " + Q(dir / "a.dat") + " -o " + Q(dir / "a.bin")).status, 0);
    const std::string image = ReadAll(dir / "a.bin");
    ASSERT_EQ(image.size(), static_cast<std::size_t>(kImageSize));
    EXPECT_EQ(static_cast<uint8_t>(image[0]), 0x44);  // channel 1 on 445.5 MHz
    EXPECT_EQ(static_cast<uint8_t>(image[1]), 0x55);

    ASSERT_EQ(RunCli("decode " + Q(dir / "a.bin") + " --band 1 -o " + Q(dir / "b.dat")).status, 0);
    ASSERT_EQ(RunCli("encode " + Q(dir / "b.dat") + " -o " + Q(dir / "b.bin")).status, 0);
    EXPECT_EQ(ReadAll(dir / "b.bin"), image);

    Result shown = RunCli("show " + Q(dir / "b.dat"));
    ASSERT_EQ(shown.status, 0) << shown.output;
    EXPECT_NE(shown.output.find("UHF{Rx(400 - 490 MHz)"), std::string::npos);
    const auto first = shown.output.find("\n1 ");
    const auto second = shown.output.find("\n2 ");
    const auto vfo = shown.output.find("\nVFO1 ");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, vfo);
    EXPECT_NE(shown.output.find("445.50000"), std::string::npos);
    EXPECT_NE(shown.output.find("156.50000"), std::string::npos);  // RT: 155.5 plus 1 MHz
}

TEST(Cli, FailuresLeaveNoFile)
{
    TempDir dir;
    test::WriteAll(dir / "short.dat", std::string(100, 'x'));
    test::WriteAll(dir / "short.bin", std::string(100, 'x'));
    struct Case { std::string arguments; const char* message; };
    const Case cases[] = {
        {"encode " + Q(dir / "short.dat") + " -o " + Q(dir / "out"), "File Data Error!"},
        {"show " + Q(dir / "short.dat"), "File Data Error!"},
        {"decode " + Q(dir / "short.bin") + " -o " + Q(dir / "out"), "12960"},
        {"new --band 3 -o " + Q(dir / "out"), "band plan"},
        {"new", "usage"},
        {"new -o " + Q(dir / "missing" / "out"), "No such file or directory"},
        {"read --port ttyS0 -o " + Q(dir / "missing" / "out"), "No such file or directory"},
        {"frobnicate", "unknown command"},
        {"encode " + Q(dir / "short.dat") + " --bogus 1", "unknown option"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        Result r = RunCli(c.arguments);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
        EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(Cli, Help)
{
    Result overview = RunCli("--help");
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"new", "encode", "decode", "show"})
        EXPECT_NE(overview.output.find(std::string("  ") + command), std::string::npos) << command;
    Result one = RunCli("decode --help");
    EXPECT_EQ(one.status, 0);
    EXPECT_NE(one.output.find("--band"), std::string::npos);
    for (const char* option : {"--version", "-v"}) {
        Result version = RunCli(option);
        EXPECT_EQ(version.status, 0) << option;
        EXPECT_EQ(version.output, "tq8615-cli " TQ8615_VERSION "\n") << option;
    }
}

TEST(Cli, OutputThatIsTheInputIsRefused)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new -o " + Q(dir / "a.dat")).status, 0);
    ASSERT_EQ(RunCli("encode " + Q(dir / "a.dat") + " -o " + Q(dir / "a.bin")).status, 0);
    std::filesystem::create_symlink(dir / "a.dat", dir / "link.dat");
    std::filesystem::create_hard_link(dir / "a.bin", dir / "hard.bin");
    const std::string data = ReadAll(dir / "a.dat"), image = ReadAll(dir / "a.bin");
    const std::string cases[] = {
        "encode " + Q(dir / "a.dat") + " -o " + Q(dir / "a.dat"),
        "encode " + Q(dir / "a.dat") + " -o " + Q(dir.path() / "." / "a.dat"),
        "encode " + Q(dir / "link.dat") + " -o " + Q(dir / "a.dat"),
        "decode " + Q(dir / "a.bin") + " -o " + Q(dir / "a.bin"),
        "decode " + Q(dir / "hard.bin") + " -o " + Q(dir / "a.bin"),
    };
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        Result r = RunCli(arguments);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.output.find("the output is the input file"), std::string::npos) << r.output;
    }
    EXPECT_EQ(ReadAll(dir / "a.dat"), data);
    EXPECT_EQ(ReadAll(dir / "a.bin"), image);
}

TEST(Cli, SaveFailureSaysWhereAndWhy)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new -o " + Q(dir / "a.dat")).status, 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    Result r = RunCli("encode " + Q(dir / "a.dat") + " -o " + Q(dir / "fifo"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find((dir / "fifo").string() + ": not a regular file"), std::string::npos) << r.output;
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo"));
}

TEST(Cli, ShowEscapesControlCharactersAndInvalidText)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new --band 1 -o " + Q(dir / "a.dat")).status, 0);
    std::string bytes = ReadAll(dir / "a.dat");
    // Channel 1's name: ESC [ 2 J and a byte that is not UTF-8.
    bytes.replace(kDataRecordSize + 66, 4, "\x1b[2J");
    bytes[kDataRecordSize + 70] = static_cast<char>(0xFF);
    test::WriteAll(dir / "a.dat", bytes);
    Result shown = RunCli("show " + Q(dir / "a.dat"));
    ASSERT_EQ(shown.status, 0) << shown.output;
    EXPECT_EQ(shown.output.find('\x1b'), std::string::npos);
    EXPECT_EQ(shown.output.find('\xFF'), std::string::npos);
    EXPECT_NE(shown.output.find("\\x1b[2J\\xff"), std::string::npos) << shown.output;
}

TEST(Cli, ChannelListsOutAndIn)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new --band 1 -o " + Q(dir / "a.dat")).status, 0);
    Result exported = RunCli("csv export " + Q(dir / "a.dat") + " -o " + Q(dir / "a.csv"));
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_NE(exported.output.find("2 channels exported. The VFO and RT channels are not exported."), std::string::npos);
    const std::string csv = ReadAll(dir / "a.csv");
    EXPECT_TRUE(csv.starts_with("Location,Name,Frequency,Duplex,"));
    EXPECT_NE(csv.find("\r\n1,,445.500000,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2,,155.500000,"), std::string::npos);

    Result imported = RunCli("csv import " + Q(dir / "a.dat") + " " + Q(dir / "a.csv") + " --start 10 -o " + Q(dir / "b.dat"));
    ASSERT_EQ(imported.status, 0) << imported.output;
    EXPECT_NE(imported.output.find("2 rows taken, 0 refused."), std::string::npos);
    const std::string shown = RunCli("show " + Q(dir / "b.dat")).output;
    EXPECT_NE(shown.find("\n10 "), std::string::npos);
    EXPECT_NE(shown.find("\n11 "), std::string::npos);

    // One bad row: nothing is written unless the good rows are asked for.
    std::FILE* f = std::fopen((dir / "bad.csv").c_str(), "w");
    std::fputs("Location,Frequency,Tone,rToneFreq\n5,146.52,,\n6,146.52,Tone,88.4\n", f);
    std::fclose(f);
    const std::string importBad = "csv import " + Q(dir / "a.dat") + " " + Q(dir / "bad.csv");
    Result refused = RunCli(importBad + " -o " + Q(dir / "c.dat"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("refused: line 3: tone \"88.4\" Hz is not one of the 51 CTCSS tones"), std::string::npos)
        << refused.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "c.dat"));
    EXPECT_EQ(RunCli(importBad + " --dry-run").status, 1);
    EXPECT_EQ(RunCli(importBad + " --keep-locations --skip-bad -o " + Q(dir / "c.dat")).status, 0);
    EXPECT_NE(RunCli("show " + Q(dir / "c.dat")).output.find("\n5 "), std::string::npos);
    EXPECT_EQ(RunCli(importBad + " --start 3 --keep-locations --dry-run").status, 1);
    EXPECT_EQ(RunCli(importBad + " --start 0 --dry-run").status, 1);

    // A file that is not a channel list changes nothing.
    Result notCsv = RunCli("csv import " + Q(dir / "a.dat") + " " + Q(dir / "a.dat") + " -o " + Q(dir / "d.dat"));
    EXPECT_EQ(notCsv.status, 1);
    EXPECT_NE(notCsv.output.find("The header line has no Frequency column."), std::string::npos) << notCsv.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "d.dat"));
}

// diff: equal, one field, a radio image against the file it came from, and errors.
TEST(Cli, Diff)
{
    TempDir dir;
    Document doc;
    doc.Model = test::RichModel(1);
    CollectingSink sink;
    ASSERT_TRUE(doc.SaveDataFile(dir / "a.dat", sink));
    ChannelRecord& second = doc.Model.ChannelList[std::size_t(doc.Model.FindChannel(2))];
    second.DecodeCtcss = int16_t(second.DecodeCtcss % 50 + 1);
    ASSERT_TRUE(doc.SaveDataFile(dir / "b.dat", sink));
    ASSERT_EQ(RunCli("encode " + Q(dir / "a.dat") + " -o " + Q(dir / "a.bin")).status, 0);
    test::WriteAll(dir / "short.dat", "TQ8615");

    struct Row {
        const char* name;
        std::string arguments;
        int status;
        std::string output;  // all of it, or a part
        bool whole;
    };
    const std::vector<Row> rows = {
        {"a file with itself", Q(dir / "a.dat") + " " + Q(dir / "a.dat"), 0, "equal\n", true},
        {"one channel's tone", Q(dir / "a.dat") + " " + Q(dir / "b.dat"), 1,
            "channels  channel 2  DecodeCtcss: ", false},
        {"the image of a file with the file", Q(dir / "a.bin") + " " + Q(dir / "a.dat"), 0, "equal\n", true},
        {"the image of a file with a changed file", Q(dir / "b.dat") + " " + Q(dir / "a.bin"), 1,
            "channels  channel 2  DecodeCtcss: ", false},
        {"a file that is neither", Q(dir / "a.dat") + " " + Q(dir / "short.dat"), 2, "File Data Error!", false},
        {"a missing file", Q(dir / "a.dat") + " " + Q(dir / "none.dat"), 2, "", false},
        {"one file only", Q(dir / "a.dat"), 2, "usage", false},
        {"an unknown option", Q(dir / "a.dat") + " " + Q(dir / "b.dat") + " --colour", 2, "unknown option", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Result r = RunCli("diff " + row.arguments);
        EXPECT_EQ(r.status, row.status) << r.output;
        if (row.whole)
            EXPECT_EQ(r.output, row.output);
        else
            EXPECT_NE(r.output.find(row.output), std::string::npos) << r.output;
    }
    // Exactly one line for the one field, and the count.
    const Result changed = RunCli("diff " + Q(dir / "a.dat") + " " + Q(dir / "b.dat"));
    EXPECT_EQ(std::count(changed.output.begin(), changed.output.end(), '\n'), 2) << changed.output;
    EXPECT_NE(changed.output.find("\n1 difference\n"), std::string::npos) << changed.output;
}

// A book travels from one data file to another through a book file; a bad book file
// changes nothing.
TEST(Cli, BookExportAndImport)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new -o " + Q(dir / "a.dat")).status, 0);
    ASSERT_EQ(RunCli("new -o " + Q(dir / "b.dat")).status, 0);
    ASSERT_EQ(RunCli("book export " + Q(dir / "a.dat") + " -o " + Q(dir / "empty.bin")).status, 0);
    std::string book = ReadAll(dir / "empty.bin");
    ASSERT_EQ(book.size(), 1792u);
    book.replace(14 * 3 + 2, 12, std::string("54321JOE\0\0\0\0", 12));
    test::WriteAll(dir / "book.bin", book);

    Result imported = RunCli("book import " + Q(dir / "b.dat") + " " + Q(dir / "book.bin"));
    ASSERT_EQ(imported.status, 0) << imported.output;
    ASSERT_EQ(RunCli("book export " + Q(dir / "b.dat") + " -o " + Q(dir / "back.bin")).status, 0);
    EXPECT_EQ(ReadAll(dir / "back.bin"), book);
    EXPECT_NE(ReadAll(dir / "b.dat"), ReadAll(dir / "a.dat"));

    const std::string before = ReadAll(dir / "b.dat");
    test::WriteAll(dir / "long.bin", book + "x");
    struct Case { std::string arguments; const char* message; };
    const Case cases[] = {
        {"book import " + Q(dir / "b.dat") + " " + Q(dir / "long.bin"), "file error."},
        {"book import " + Q(dir / "b.dat") + " " + Q(dir / "missing.bin"), "file error."},
        {"book import " + Q(dir / "b.dat"), "usage"},
        {"book export " + Q(dir / "b.dat"), "usage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        Result r = RunCli(c.arguments);
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    }
    EXPECT_EQ(ReadAll(dir / "b.dat"), before);
}

TEST(Cli, AutoTestFile)
{
    TempDir dir;
    ASSERT_EQ(RunCli("new --band 1 -o " + Q(dir / "a.dat")).status, 0);
    ASSERT_EQ(RunCli("encode " + Q(dir / "a.dat") + " -o " + Q(dir / "a.bin")).status, 0);
    const std::string image = ReadAll(dir / "a.bin");
    const auto lines = [](const std::string& text) {
        std::vector<std::string> all;
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
            all.push_back(text.substr(at, end - at));
        return all;
    };

    struct Case { std::string groups; std::string first; std::vector<std::size_t> marked; };
    const Case cases[] = {
        {"", "2,9", {0, 1, 2, 3, 404, 405, 406, 407}},  // channels 1 and 2, as the window starts
        {" --groups ''", "0,9", {}},
        {" --groups 1,2,3", "0,9", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.groups);
        const Result r = RunCli("epm " + Q(dir / "a.dat") + c.groups + " -o " + Q(dir / "a.EPM"));
        ASSERT_EQ(r.status, 0) << r.output;
        const std::vector<std::string> all = lines(ReadAll(dir / "a.EPM"));
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all[0], c.first);
        const std::size_t cells = all.size() - 1 - 810 - 12960;
        EXPECT_EQ(cells, c.first == "2,9" ? 18u : 0u);
        std::vector<std::size_t> marked;
        for (std::size_t b = 0; b < 810; ++b)
            if (all[1 + cells + b] == "1")
                marked.push_back(b);
        EXPECT_EQ(marked, c.marked);
        for (std::size_t a = 0; a < image.size(); ++a)
            ASSERT_EQ(all[1 + cells + 810 + a], std::to_string(static_cast<uint8_t>(image[a]))) << a;
    }

    const Result bad = RunCli("epm " + Q(dir / "a.dat") + " --groups 12 -o " + Q(dir / "b.EPM"));
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.output.find("--groups takes numbers 0..11"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.EPM"));
}
