#include "platform/core/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "platform/core/atomic_file.h"
#include "platform/core/file_system.h"
#include "temp_folder.h"

namespace {

CString Wide(const std::string& path) { return CString(path); }

}  // namespace

TEST(File, OpenFailureReportsTheCause) {
    TempFolder dir;
    WriteBytes(dir / "plain", "x");
    std::filesystem::create_directory(dir / "folder");
    struct Case { std::string path; UINT flags; int cause; };
    const Case cases[] = {
        {dir / "missing.xml", CFile::modeRead, CFileException::fileNotFound},
        {dir / "missing/plan.xml", CFile::modeRead, CFileException::fileNotFound},
        {dir / "missing/plan.xml", CFile::modeCreate | CFile::modeWrite, CFileException::fileNotFound},
        {dir / "plain/plan.xml", CFile::modeRead, CFileException::badPath},
        {dir / "folder", CFile::modeRead, CFileException::accessDenied},
        {dir / "folder", CFile::modeCreate | CFile::modeWrite, CFileException::accessDenied},
        {"", CFile::modeRead, CFileException::fileNotFound},
    };
    for (const auto& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(Wide(c.path), c.flags, &error)) << c.path;
        EXPECT_EQ(error.m_cause, c.cause) << c.path;
        EXPECT_EQ(error.m_strFileName, Wide(c.path)) << c.path;
        EXPECT_FALSE(file.IsOpen());
    }
    try {
        CFile file(Wide(dir / "missing.xml"), CFile::modeRead);
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e.m_lOsError, ENOENT);
    }
}

TEST(File, ReadSeekAndLength) {
    TempFolder dir;
    WriteBytes(dir / "data.bin", std::string("\xFF\xFE" "abcdef", 8));
    CFile file(Wide(dir / "data.bin"), CFile::modeRead | CFile::typeBinary);
    EXPECT_EQ(file.GetLength(), 8u);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, 2), 2u);
    EXPECT_EQ(file.GetPosition(), 2u);
    EXPECT_EQ(file.Seek(-2, CFile::end), 6u);
    EXPECT_EQ(file.Read(buf, sizeof buf), 2u);  // only what is left
    EXPECT_EQ(std::string(buf, 2), "ef");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
    EXPECT_THROW(file.Write("x", 1), CFileException);  // opened for reading only
    EXPECT_EQ(file.GetFileName(), L"data.bin");
    EXPECT_EQ(file.GetFileTitle(), L"data");
    EXPECT_EQ(file.GetFilePath(), Wide(dir / "data.bin"));
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST(File, CreateReplacesTheFileOnlyWhenClosed) {
    TempFolder dir;
    std::string path = dir / "plan.xml";
    WriteBytes(path, "old content");
    CFile file(Wide(path), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("new", 3);
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(file.GetLength(), 3u);
    file.SeekToBegin();
    char buf[3];
    EXPECT_EQ(file.Read(buf, 3), 3u);  // what was written reads back before the close
    file.Close();
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

TEST(File, CreateThatEndsInAnExceptionKeepsTheOldFile) {
    TempFolder dir;
    std::string path = dir / "plan.xml";
    WriteBytes(path, "old content");
    try {
        CFile file(Wide(path), CFile::modeCreate | CFile::modeWrite);
        file.Write("half", 4);
        throw std::runtime_error("building the text failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});

    {
        CFile file(Wide(path), CFile::modeCreate | CFile::modeWrite);
        file.Write("whole", 5);
    }  // leaving the scope normally completes the write
    EXPECT_EQ(ReadBytes(path), "whole");
}

TEST(File, FailedWriteThrowsAndKeepsTheOldFile) {
    TempFolder dir;
    std::string path = dir / "plan.xml";
    WriteBytes(path, "old content");
    CFile file(Wide(path), CFile::modeCreate | CFile::modeWrite);
    {
        FileSizeLimit limit(8);
        try {
            file.Write(std::string(64, 'x').data(), 64);
            FAIL() << "no exception";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_cause, CFileException::diskFull);
        }
    }
    EXPECT_THROW(file.Close(), CFileException);  // never a success after a failed write
    EXPECT_EQ(ReadBytes(path), "old content");
    EXPECT_EQ(dir.Names(), std::set<std::string>{"plan.xml"});
}

TEST(File, CreateOnADeviceWritesInPlace) {
    {
        CFile file(L"/dev/null", CFile::modeCreate | CFile::modeWrite);
        file.Write("discarded", 9);
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(File, NoTruncateWritesInPlace) {
    TempFolder dir;
    std::string path = dir / "log.txt";
    WriteBytes(path, "first\n");
    {
        CStdioFile file(Wide(path), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.SeekToEnd();
        file.WriteString(L"zweite Zeile \u00e4\n");
    }
    EXPECT_EQ(ReadBytes(path), "first\nzweite Zeile \xC3\xA4\n");
    {
        CFile file(Wide(dir / "created.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    }
    EXPECT_TRUE(FileExists(Wide(dir / "created.txt")));
}

TEST(FileStatus, ExistingFile) {
    TempFolder dir;
    std::string path = dir / "plan.xml";
    WriteBytes(path, "12345");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(Wide(path), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_mtime, st.st_mtim.tv_sec);
    EXPECT_EQ(status.m_mtimeNsec, st.st_mtim.tv_nsec);
    EXPECT_EQ(status.m_szFullName, Wide(path));
    EXPECT_EQ(status.m_attribute, CFile::normal);

    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(CFile::GetStatus(Wide(path), status));
    EXPECT_EQ(status.m_attribute, CFile::readOnly);
    CFileStatus folder;
    ASSERT_TRUE(CFile::GetStatus(Wide(dir.path()), folder));
    EXPECT_EQ(folder.m_attribute & CFile::directory, CFile::directory);

    CFile file(Wide(path), CFile::modeRead);
    CFileStatus open;
    ASSERT_TRUE(file.GetStatus(open));
    EXPECT_EQ(open.m_mtime, status.m_mtime);
    EXPECT_EQ(open.m_mtimeNsec, status.m_mtimeNsec);
    EXPECT_EQ(open.m_size, 5u);
    EXPECT_EQ(open.m_szFullName, Wide(path));
}

TEST(FileStatus, MissingFileHasItsFullNameAndZeroTimes) {
    TempFolder dir;
    char* cwd = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    CFileStatus status;
    status.m_mtime = 99;
    status.m_size = 7;
    EXPECT_FALSE(CFile::GetStatus(L"sub/../Untitled.xml", status));
    EXPECT_EQ(status.m_szFullName, Wide(dir / "Untitled.xml"));
    EXPECT_EQ(status.m_mtime, 0);
    EXPECT_EQ(status.m_mtimeNsec, 0);
    EXPECT_EQ(status.m_size, 0u);
    EXPECT_EQ(::chdir(cwd), 0);
    std::free(cwd);
}

TEST(FileStatus, RewriteChangesTheModificationTime) {
    TempFolder dir;
    std::string path = dir / "plan.xml";
    WriteBytes(path, "a");
    CFileStatus before, after;
    ASSERT_TRUE(CFile::GetStatus(Wide(path), before));
    // Pin an old time so that the rewrite is later even on a coarse clock.
    struct timespec times[2] = {{1000, 5}, {1000, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    ASSERT_TRUE(CFile::GetStatus(Wide(path), before));
    EXPECT_EQ(before.m_mtime, 1000);
    EXPECT_EQ(before.m_mtimeNsec, 5);
    ASSERT_TRUE(WriteFileAtomically(Wide(path), "b"));
    ASSERT_TRUE(CFile::GetStatus(Wide(path), after));
    EXPECT_GT(after.m_mtime, before.m_mtime);
}

TEST(File, RemoveAndRename) {
    TempFolder dir;
    WriteBytes(dir / "a", "A");
    WriteBytes(dir / "b", "B");
    try {
        CFile::Rename(Wide(dir / "a"), Wide(dir / "b"));
        FAIL() << "rename over an existing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::accessDenied);
    }
    EXPECT_EQ(ReadBytes(dir / "b"), "B");
    CFile::Rename(Wide(dir / "a"), Wide(dir / "c"));
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"b", "c"}));

    CFile::Remove(Wide(dir / "c"));
    EXPECT_EQ(dir.Names(), std::set<std::string>{"b"});
    try {
        CFile::Remove(Wide(dir / "c"));
        FAIL() << "removing a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e.m_strFileName, Wide(dir / "c"));
    }
}

// ---- path helpers ----

TEST(FileSystem, PathParts) {
    struct Case { const wchar_t* path; const wchar_t* name; const wchar_t* title; const wchar_t* folder; };
    const Case cases[] = {
        {L"/home/u/plan.xml", L"plan.xml", L"plan", L"/home/u/"},
        {L"plan.tar.gz", L"plan.tar.gz", L"plan.tar", L""},
        {L"/home/u/.hidden", L".hidden", L".hidden", L"/home/u/"},
        {L"/home/u/", L"", L"", L"/home/u/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetPathFileName(c.path), c.name) << c.path;
        EXPECT_EQ(GetPathFileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(GetPathFolder(c.path), c.folder) << c.path;
    }
    EXPECT_EQ(CombinePath(L"/a/", L"/b"), L"/a/b");
    EXPECT_EQ(CombinePath(L"/a", L"b"), L"/a/b");
    EXPECT_EQ(GetFullPath(L"/a/./b/../c"), L"/a/c");
}

TEST(FileSystem, ModuleFolderHoldsTheProgram) {
    CString folder = GetModuleFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder.Right(1), L"/");
    EXPECT_TRUE(FileExists(GetModuleFilePath()));
    EXPECT_EQ(GetPathFolder(GetModuleFilePath()), folder);
}

TEST(FileSystem, SettingsFolderFollowsTheEnvironment) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";

    ::setenv("HOME", "/home/planner", 1);
    ::setenv("XDG_CONFIG_HOME", "/etc/xdg-user", 1);
    EXPECT_EQ(GetSettingsFolder(), L"/etc/xdg-user/VornScheduler");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
    EXPECT_EQ(GetSettingsFolder(), L"/home/planner/.config/VornScheduler");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(GetSettingsFolder(), L"/home/planner/.config/VornScheduler");

    if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (oldHome) ::setenv("HOME", savedHome.c_str(), 1);
    else ::unsetenv("HOME");
}

TEST(FileSystem, CopyFileForTheBackup) {
    TempFolder dir;
    WriteBytes(dir / "plan.xml", "document");
    WriteBytes(dir / "plan.bak", "older backup");
    EXPECT_TRUE(CopyFile(Wide(dir / "plan.xml"), Wide(dir / "plan.bak"), false));
    EXPECT_EQ(ReadBytes(dir / "plan.bak"), "document");

    int error = 0;
    EXPECT_FALSE(CopyFile(Wide(dir / "plan.xml"), Wide(dir / "plan.bak"), true, &error));
    EXPECT_EQ(error, EEXIST);
    EXPECT_FALSE(CopyFile(Wide(dir / "missing.xml"), Wide(dir / "x.bak"), false, &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(CopyFile(Wide(dir / "plan.xml"), Wide(dir / "no/x.bak"), false, &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"plan.bak", "plan.xml"}));

    EXPECT_TRUE(DeleteFile(Wide(dir / "plan.bak")));
    EXPECT_FALSE(DeleteFile(Wide(dir / "plan.bak"), &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(DeleteFile(Wide(dir.path()), &error));  // never a folder
}

TEST(FileSystem, CreateFoldersAndFindFiles) {
    TempFolder dir;
    CString locale = Wide(dir / "a/b/Locale");
    ASSERT_TRUE(CreateFolders(locale));
    EXPECT_TRUE(CreateFolders(locale));  // already there
    EXPECT_TRUE(FolderExists(locale));
    WriteBytes(dir / "a/b/Locale/English.rc", "");
    WriteBytes(dir / "a/b/Locale/Deutsch.rc", "");
    WriteBytes(dir / "a/b/Locale/notes.txt", "");
    std::filesystem::create_directory(dir / "a/b/Locale/Folder.rc");
    std::vector<CString> found = FindFiles(locale, L"*.rc");
    EXPECT_EQ(found, (std::vector<CString>{L"Deutsch.rc", L"English.rc"}));
    EXPECT_TRUE(FindFiles(Wide(dir / "none"), L"*").empty());

    int error = 0;
    EXPECT_FALSE(CreateFolders(Wide(dir / "a/b/Locale/English.rc/x"), &error));
    EXPECT_NE(error, 0);
}

TEST(FileSystem, Wildcards) {
    struct Case { const wchar_t* pattern; const wchar_t* name; bool match; };
    const Case cases[] = {
        {L"*.rc", L"English.rc", true}, {L"*.rc", L"English.rc.bak", false}, {L"*", L"", true},
        {L"?n*h.rc", L"English.rc", true}, {L"*.RC", L"English.rc", false}, {L"a*b*c", L"abxbc", true},
        {L"a*b*c", L"abxbd", false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}
