#pragma once
// Path helpers over the file system. Paths are CString inside and UTF-8 bytes at the
// system call. Folders returned here end with '/' where they stand for "the folder of".
#include <vector>

#include "platform/core/cstring.h"

// The program file's full path ("/proc/self/exe"), or empty when it cannot be read.
CString GetModuleFilePath();
// The program's folder, ending with '/'.
CString GetModuleFolder();

// The folder of the user's settings: $XDG_CONFIG_HOME/VornScheduler when that variable
// holds an absolute path, else ~/.config/VornScheduler. No trailing '/'.
CString GetSettingsFolder();

// The absolute form of a path (relative to the current folder), with "." and ".."
// resolved by name. Symbolic links are left as they are.
CString GetFullPath(const CString& path);

// Parts of a path: the name after the last '/', that name without its extension, and the
// folder before it (ending with '/', empty when the path has no folder).
CString GetPathFileName(const CString& path);
CString GetPathFileTitle(const CString& path);
CString GetPathFolder(const CString& path);
// Joins a folder and a name with exactly one '/' between them.
CString CombinePath(const CString& folder, const CString& name);

// True when something that is not a folder exists at the path.
bool FileExists(const CString& path);
bool FolderExists(const CString& path);

// Creates the folder and every missing folder above it. True when it exists afterwards.
bool CreateFolders(const CString& path, int* error = nullptr);

// Copies a file. The copy is written beside its target under a temporary name and renamed
// over the target only when complete, so a failed copy never leaves a damaged target.
// With failIfExists an existing target is an error (EEXIST). On failure *error gets the
// errno value.
bool CopyFile(const CString& from, const CString& to, bool failIfExists, int* error = nullptr);

// Deletes a file (not a folder). On failure *error gets the errno value.
bool DeleteFile(const CString& path, int* error = nullptr);

// The names of the files (not folders) in a folder that match a pattern of '*' and '?'
// (case-sensitive), sorted by name. Empty when the folder cannot be read.
std::vector<CString> FindFiles(const CString& folder, const CString& pattern);

// Matches a name against a pattern of '*' (any run) and '?' (any one character).
bool MatchWildcard(const CString& pattern, const CString& name);
