#include "platform/core/atomic_file.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

CString Wide(const std::string& path) { return CString(path); }

}  // namespace

TEST(AtomicFile, CommitReplacesTheFileAndLeavesNoTemporaryFile) {
    TempFolder dir;
    std::string target = dir / "plan.xml";
    WriteBytes(target, "old content");
    ::chmod(target.c_str(), 0640);

    CAtomicFile file(Wide(target));
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new "));
    ASSERT_TRUE(file.Write("content"));
    // Until the commit the old file is what everybody reads.
    EXPECT_EQ(ReadBytes(target), "old content");
    EXPECT_EQ(dir.Names().size(), 2u);
    ASSERT_TRUE(file.Commit());

    EXPECT_EQ(ReadBytes(target), "new content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);  // the replaced file's permissions stay
}

TEST(AtomicFile, NewFileIsCreated) {
    TempFolder dir;
    int error = -1;
    ASSERT_TRUE(WriteFileAtomically(Wide(dir / "new.txt"), "text", &error));
    EXPECT_EQ(error, 0);
    EXPECT_EQ(ReadBytes(dir / "new.txt"), "text");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"new.txt"});
}

TEST(AtomicFile, FailedOpenReportsAndCreatesNothing) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    struct Case { std::string target; int error; };
    const Case cases[] = {
        {dir / "missing/plan.xml", ENOENT},  // the folder does not exist
        {dir / "folder", EISDIR},            // a folder is never replaced by a file
        {dir / "pipe", EINVAL},              // nor is a pipe or a device
        {"", ENOENT},
    };
    for (const auto& c : cases) {
        int error = 0;
        EXPECT_FALSE(WriteFileAtomically(Wide(c.target), "text", &error)) << c.target;
        EXPECT_EQ(error, c.error) << c.target;
    }
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"folder", "pipe"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));
}

TEST(AtomicFile, FailedWriteKeepsTheOldFile) {
    TempFolder dir;
    std::string target = dir / "plan.xml";
    WriteBytes(target, "old content");
    CAtomicFile file(Wide(target));
    ASSERT_TRUE(file.Open());
    {
        FileSizeLimit limit(16);  // the disk is "full" after 16 bytes
        EXPECT_FALSE(file.Write(std::string(100, 'x')));
    }
    EXPECT_EQ(file.Error(), EFBIG);
    EXPECT_FALSE(file.Write("more"));  // a failed file stays failed
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(ReadBytes(target), "old content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

// The process's file-size limit with the signal at its default, which would end the program:
// the write fails like any other and the old file stays.
TEST(AtomicFile, FileSizeLimitFailsTheWriteWithoutEndingTheProgram) {
    TempFolder dir;
    std::string target = dir / "plan.xml";
    WriteBytes(target, "old content");
    int error = 0;
    {
        FileSizeLimit limit(16, SIG_DFL);
        EXPECT_FALSE(WriteFileAtomically(Wide(target), std::string(100, 'x'), &error));
    }
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(ReadBytes(target), "old content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

// Temporary files of writes that were killed are removed by the next commit of the same target;
// those of a live process, other targets' and names not quite ours stay.
TEST(AtomicFile, CommitRemovesTheLeftoversOfKilledWritesOfItsTarget) {
    TempFolder dir;
    const std::string target = dir / "plan.xml";
    WriteBytes(target, "old content");
    // A process id that is not in use: a child that has ended and been waited for.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string live = std::to_string(::getppid());
    const std::set<std::string> kept = {
        "plan.xml", ".plan.xml." + live + ".0.1a2b.tmp",  // its writer is still running
        ".other.xml." + dead + ".0.1a2b.tmp",             // another document's
        ".plan.xml." + dead + ".x.1a2b.tmp",              // not a name we make
        "plan.xml." + dead + ".0.1a2b.tmp",
    };
    for (const std::string& name : kept)
        if (name != "plan.xml") WriteBytes(dir / name, "part");
    WriteBytes(dir / (".plan.xml." + dead + ".0.1a2b.tmp"), "part of a killed save");
    WriteBytes(dir / (".plan.xml." + dead + ".17.ffff0000.tmp"), "part of another");

    CAtomicFile other(Wide(target));  // a write of this process still under way
    ASSERT_TRUE(other.Open());
    ASSERT_TRUE(WriteFileAtomically(Wide(target), "new content"));
    std::set<std::string> expected = kept;
    expected.insert(CString(other.GetTempPath()).ToUtf8().substr(dir.path().size() + 1));
    EXPECT_EQ(dir.Names(), expected);
    EXPECT_EQ(ReadBytes(target), "new content");
}

TEST(AtomicFile, FailedRenameKeepsTheTargetAndRemovesTheTemporaryFile) {
    TempFolder dir;
    std::string target = dir / "plan.xml";
    CAtomicFile file(Wide(target));
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("complete content"));
    // Something else takes the name meanwhile: a folder with a file in it cannot be replaced.
    std::filesystem::create_directory(target);
    WriteBytes(target + "/inside", "keep");
    EXPECT_FALSE(file.Commit());
    EXPECT_NE(file.Error(), 0);
    EXPECT_EQ(ReadBytes(target + "/inside"), "keep");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

TEST(AtomicFile, DestroyedWithoutCommitLeavesTheOldFile) {
    TempFolder dir;
    std::string target = dir / "plan.xml";
    WriteBytes(target, "old content");
    {
        CAtomicFile file(Wide(target));
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
        EXPECT_FALSE(file.GetTempPath().IsEmpty());
    }
    EXPECT_EQ(ReadBytes(target), "old content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

TEST(AtomicFile, SymbolicLinkStaysAndItsFileIsReplaced) {
    TempFolder dir;
    WriteBytes(dir / "real.ini", "old");
    std::filesystem::create_symlink("real.ini", dir / "link.ini");
    ASSERT_TRUE(WriteFileAtomically(Wide(dir / "link.ini"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(ReadBytes(dir / "real.ini"), "new");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"link.ini", "real.ini"}));
}
