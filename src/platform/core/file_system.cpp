#include "platform/core/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/core/atomic_file.h"

namespace {

std::string Narrow(const CString& path) { return WideToUtf8(path.str()); }

void SetError(int* error, int value) {
    if (error) *error = value;
}

}  // namespace

CString GetModuleFilePath() {
    std::string buf(256, '\0');
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return CString();
        if (static_cast<std::size_t>(n) < buf.size()) {
            buf.resize(static_cast<std::size_t>(n));
            return CString(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

CString GetModuleFolder() { return GetPathFolder(GetModuleFilePath()); }

CString GetSettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // A relative value is invalid by the base-directory rules and is ignored.
    if (xdg && xdg[0] == '/') return CombinePath(CString(xdg), L"VornScheduler");
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0]) {
        home = h;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    }
    return CombinePath(CombinePath(CString(home), L".config"), L"VornScheduler");
}

CString GetFullPath(const CString& path) {
    if (path.IsEmpty()) return path;
    std::error_code ec;
    std::filesystem::path p(Narrow(path));
    std::filesystem::path full = std::filesystem::absolute(p, ec);
    if (ec) full = p;
    return CString(full.lexically_normal().string());
}

CString GetPathFileName(const CString& path) {
    int slash = path.ReverseFind(L'/');
    return slash < 0 ? path : path.Mid(slash + 1);
}

CString GetPathFileTitle(const CString& path) {
    CString name = GetPathFileName(path);
    int dot = name.ReverseFind(L'.');
    return dot <= 0 ? name : name.Left(dot);
}

CString GetPathFolder(const CString& path) {
    int slash = path.ReverseFind(L'/');
    return slash < 0 ? CString() : path.Left(slash + 1);
}

CString CombinePath(const CString& folder, const CString& name) {
    if (folder.IsEmpty()) return name;
    CString result = folder;
    if (result[result.GetLength() - 1] != L'/') result += L'/';
    CString rest = name;
    rest.TrimLeft(L'/');
    return result + rest;
}

bool FileExists(const CString& path) {
    struct stat st {};
    return !path.IsEmpty() && ::stat(Narrow(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExists(const CString& path) {
    struct stat st {};
    return !path.IsEmpty() && ::stat(Narrow(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolders(const CString& path, int* error) {
    SetError(error, 0);
    if (path.IsEmpty()) {
        SetError(error, ENOENT);
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(Narrow(path)), ec);
    if (FolderExists(path)) return true;
    SetError(error, ec ? ec.value() : ENOTDIR);
    return false;
}

bool CopyFile(const CString& from, const CString& to, bool failIfExists, int* error) {
    SetError(error, 0);
    if (failIfExists && ::access(Narrow(to).c_str(), F_OK) == 0) {
        SetError(error, EEXIST);
        return false;
    }
    int in = ::open(Narrow(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        SetError(error, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        SetError(error, S_ISDIR(st.st_mode) ? EISDIR : errno);
        ::close(in);
        return false;
    }
    CAtomicFile out(to);
    bool ok = out.Open();
    char buf[65536];
    while (ok) {
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.SetError(errno);
            ok = false;
        } else if (n == 0) {
            break;
        } else {
            ok = out.Write(buf, static_cast<std::size_t>(n));
        }
    }
    ::close(in);
    if (ok && !FileExists(to)) ::fchmod(out.Handle(), st.st_mode & 07777);  // a new copy keeps the source's permissions
    ok = ok && out.Commit();
    if (!ok) {
        SetError(error, out.Error());
        out.Discard();
    }
    return ok;
}

bool DeleteFile(const CString& path, int* error) {
    SetError(error, 0);
    std::string p = Narrow(path);
    struct stat st {};
    if (::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetError(error, EISDIR);
        return false;
    }
    if (::unlink(p.c_str()) != 0) {
        SetError(error, errno);
        return false;
    }
    return true;
}

bool MatchWildcard(const CString& pattern, const CString& name) {
    const std::wstring& p = pattern.str();
    const std::wstring& n = name.str();
    std::size_t pi = 0, ni = 0, star = std::wstring::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == L'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == L'*') {
            star = pi++;
            mark = ni;
        } else if (star != std::wstring::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == L'*') ++pi;
    return pi == p.size();
}

std::vector<CString> FindFiles(const CString& folder, const CString& pattern) {
    std::vector<CString> names;
    std::string dirPath = Narrow(folder);
    DIR* dir = ::opendir(dirPath.empty() ? "." : dirPath.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        CString name(entry->d_name);
        if (!MatchWildcard(pattern, name)) continue;
        if (FileExists(CombinePath(folder.IsEmpty() ? CString(L".") : folder, name))) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
