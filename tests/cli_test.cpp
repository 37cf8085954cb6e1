// The command-line tool as a user runs it: exit status, messages and files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
        {"new -o " + Q(dir / "missing" / "out"), "file error."},
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
}
