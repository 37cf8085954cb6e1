// Replacing a file: what a save may replace, what it keeps, and what it never writes through.
#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "files/atomic_file.h"
#include "support/fixtures.h"

using namespace tq8615;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

namespace {

bool Save(const std::filesystem::path& path, const std::string& bytes, std::error_code& error)
{
    return WriteFileAtomically(path, bytes.data(), bytes.size(), error);
}

mode_t ModeOf(const std::filesystem::path& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

std::size_t EntriesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(AtomicFile, PlantedLinksAreNeverWrittenThrough)
{
    TempDir dir;
    WriteAll(dir / "victim", "SECRET");
    // The name an earlier version used for its temporary file, and the target itself.
    std::filesystem::create_symlink(dir / "victim", dir / "t.dat.saving");
    std::error_code error;
    ASSERT_TRUE(Save(dir / "t.dat", "new data", error)) << error.message();
    EXPECT_EQ(ReadAll(dir / "victim"), "SECRET");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(dir / "t.dat")));
    EXPECT_EQ(ReadAll(dir / "t.dat"), "new data");

    std::filesystem::create_symlink(dir / "victim", dir / "link.dat");
    EXPECT_FALSE(Save(dir / "link.dat", "new data", error));
    EXPECT_EQ(error.message(), "not a regular file");
    EXPECT_EQ(ReadAll(dir / "victim"), "SECRET");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dat"));
}

TEST(AtomicFile, TargetsThatAreNotRegularFilesAreRefused)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder");
    for (const char* name : {"fifo", "folder"}) {
        SCOPED_TRACE(name);
        std::error_code error;
        EXPECT_FALSE(Save(dir / name, "x", error));
        EXPECT_EQ(error, make_error_code(SaveTargetError::NotRegularFile));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo"));
    EXPECT_EQ(EntriesIn(dir.path()), 2u) << "no temporary file is left behind";
}

TEST(AtomicFile, PermissionsOfTheReplacedFileAreKept)
{
    TempDir dir;
    struct Case { const char* name; mode_t mode; bool saves; };
    const Case cases[] = {
        {"private", 0600, true},
        {"group", 0640, true},
        {"read-only", 0444, false},  // the user may not write it: refused, as the file says
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.saves && ::geteuid() == 0)
            continue;  // root may write any file
        const auto path = dir / c.name;
        WriteAll(path, "old");
        std::filesystem::permissions(path, static_cast<std::filesystem::perms>(c.mode));
        std::error_code error;
        EXPECT_EQ(Save(path, "new", error), c.saves) << error.message();
        EXPECT_EQ(ReadAll(path), c.saves ? "new" : "old");
        EXPECT_EQ(ModeOf(path), c.mode);
        if (!c.saves) {
            EXPECT_EQ(error, std::errc::permission_denied);
        }
    }

    const mode_t mask = ::umask(022);
    std::error_code error;
    EXPECT_TRUE(Save(dir / "fresh", "new", error));
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir / "fresh"), 0644u);
}

TEST(AtomicFile, LongestNameSaves)
{
    TempDir dir;
    const std::string name(255, 'n');
    std::error_code error;
    ASSERT_TRUE(Save(dir / name, "data", error)) << error.message();
    EXPECT_EQ(ReadAll(dir / name), "data");
}

TEST(AtomicFile, ConcurrentSavesToOnePathAllSucceed)
{
    TempDir dir;
    const auto path = dir / "shared.dat";
    std::vector<std::thread> savers;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t)
        savers.emplace_back([&, t] {
            const std::string bytes(4096, static_cast<char>('a' + t));
            for (int i = 0; i < 25; ++i) {
                std::error_code error;
                if (!Save(path, bytes, error))
                    ++failures;
            }
        });
    for (auto& s : savers)
        s.join();
    EXPECT_EQ(failures, 0);
    const std::string result = ReadAll(path);
    ASSERT_EQ(result.size(), 4096u);
    EXPECT_EQ(result.find_first_not_of(result[0]), std::string::npos) << "one save's bytes, whole";
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFile, WriteFailureKeepsTheOldFileAndSaysWhy)
{
    TempDir dir;
    const auto path = dir / "keep.dat";
    WriteAll(path, "old");
    std::error_code error;
    {
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(Save(path, std::string(5000, 'x'), error));
    }
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);

    EXPECT_FALSE(Save(dir / "missing" / "x.dat", "x", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}
