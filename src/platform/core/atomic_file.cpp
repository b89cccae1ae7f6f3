#include "platform/core/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>

namespace {

// A write beyond the process's file-size limit raises SIGXFSZ, which ends the program with the
// open document. Ignored, the write fails with EFBIG instead and is reported as any failed
// write is; the file being replaced stays as it was. Set before every write, so that nothing
// that changed the signal's handling meanwhile can make a save end the program.
void IgnoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

// The temporary files this process has open, so that a sweep for leftovers never takes one of
// them (another writer of the same target, in another thread).
std::mutex& LiveTempsMutex() {
    static std::mutex mutex;
    return mutex;
}
std::set<std::string>& LiveTemps() {
    static std::set<std::string> temps;
    return temps;
}
void AddLiveTemp(const std::string& path) {
    std::lock_guard<std::mutex> lock(LiveTempsMutex());
    LiveTemps().insert(path);
}
void RemoveLiveTemp(const std::string& path) {
    std::lock_guard<std::mutex> lock(LiveTempsMutex());
    LiveTemps().erase(path);
}
bool IsLiveTemp(const std::string& path) {
    std::lock_guard<std::mutex> lock(LiveTempsMutex());
    return LiveTemps().count(path) != 0;
}

bool AllOf(const std::string& text, std::size_t from, std::size_t to, int (*test)(int)) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i)
        if (!test(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// The process id in a name of our temporary files for prefix (".NAME."): the rest must read
// "<pid>.<n>.<hex>.tmp". 0 when the name is not one of ours.
long TempOwner(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return 0;
    static const std::string kTail = ".tmp";
    if (name.size() < prefix.size() + kTail.size() ||
        name.compare(name.size() - kTail.size(), kTail.size(), kTail) != 0)
        return 0;
    const std::size_t end = name.size() - kTail.size();
    const std::size_t dot1 = name.find('.', prefix.size());
    if (dot1 == std::string::npos || dot1 >= end) return 0;
    const std::size_t dot2 = name.find('.', dot1 + 1);
    if (dot2 == std::string::npos || dot2 >= end) return 0;
    if (!AllOf(name, prefix.size(), dot1, ::isdigit) || !AllOf(name, dot1 + 1, dot2, ::isdigit) ||
        !AllOf(name, dot2 + 1, end, ::isxdigit) || dot1 - prefix.size() > 9)
        return 0;
    return std::strtol(name.substr(prefix.size(), dot1 - prefix.size()).c_str(), nullptr, 10);
}

// Whether the process that made a temporary file may still be writing it.
bool OwnerMayBeWriting(long pid, const std::string& path) {
    if (pid == static_cast<long>(::getpid())) return IsLiveTemp(path);
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// Folder part of a UTF-8 path, "." when it has none.
std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name that no other writer picks at the same moment: process id, a counter and the clock.
std::string UniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    unsigned long long clock = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char buf[64];
    std::snprintf(buf, sizeof buf, ".%ld.%u.%llx.tmp", static_cast<long>(getpid()), counter.fetch_add(1),
                  clock & 0xFFFFFFFFFFull);
    return buf;
}

void SyncFolder(const std::string& folder) {
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    // The rename is done; a folder that cannot be flushed (some file systems refuse) does not
    // undo it, so its result is not a failure of the write.
    ::fsync(dir);
    ::close(dir);
}

}  // namespace

CAtomicFile::CAtomicFile(const CString& target) : m_target(target) {}

CAtomicFile::~CAtomicFile() { Discard(); }

bool CAtomicFile::Fail(int error) {
    if (m_error == 0) m_error = error ? error : EIO;
    return false;
}

void CAtomicFile::SetError(int error) { Fail(error); }

CString CAtomicFile::GetTempPath() const { return m_tempPath.empty() ? CString() : CString(m_tempPath); }

bool CAtomicFile::Open() {
    if (m_fd >= 0 || m_error) return Fail(EINVAL);
    IgnoreFileSizeSignal();
    m_writePath = WideToUtf8(m_target.str());
    if (m_writePath.empty()) return Fail(ENOENT);

    // Replacing a symbolic link would cut it; write the file it names instead.
    struct stat st {};
    if (::lstat(m_writePath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(m_writePath.c_str(), nullptr)) {
            m_writePath = real;
            std::free(real);
        }
    }
    bool exists = ::stat(m_writePath.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Fail(EISDIR);
    // A device or a pipe is written in place, never replaced by a file.
    if (exists && !S_ISREG(st.st_mode)) return Fail(EINVAL);

    // Hidden beside the target; the name is cut so that it stays within the name limit.
    std::string name = NameOf(m_writePath);
    if (name.size() > 200) name.resize(200);
    std::string prefix = FolderOf(m_writePath) + "/." + name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = prefix + UniqueSuffix();
        int fd = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_tempPath = candidate;
            break;
        }
        if (errno != EEXIST) return Fail(errno);
    }
    if (m_fd < 0) return Fail(EEXIST);
    AddLiveTemp(m_tempPath);

    if (exists) {
        // Keep the owner and permissions of the file being replaced. An owner change that is
        // not allowed leaves the writer as owner, as any rewrite would.
        if (::fchown(m_fd, st.st_uid, st.st_gid) != 0) { /* not permitted: keep ours */ }
        ::fchmod(m_fd, st.st_mode & 07777);
    }
    return true;
}

bool CAtomicFile::Write(const void* data, std::size_t size) {
    if (m_fd < 0 || m_error) return Fail(EBADF);
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(m_fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        if (n == 0) return Fail(EIO);
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CAtomicFile::Commit() {
    if (m_fd < 0 || m_error) {
        Fail(EBADF);
        Discard();
        return false;
    }
    int fd = m_fd;
    m_fd = -1;
    if (::fsync(fd) != 0) Fail(errno);
    if (::close(fd) != 0 && m_error == 0) Fail(errno);
    if (m_error == 0 && ::rename(m_tempPath.c_str(), m_writePath.c_str()) != 0) Fail(errno);
    if (m_error) {
        Discard();
        return false;
    }
    RemoveLiveTemp(m_tempPath);
    m_tempPath.clear();
    SyncFolder(FolderOf(m_writePath));
    RemoveStaleTempFiles(m_writePath);
    return true;
}

void CAtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        RemoveLiveTemp(m_tempPath);
        m_tempPath.clear();
    }
}

void CAtomicFile::RemoveStaleTempFiles(const std::string& target) {
    std::string name = NameOf(target);
    if (name.size() > 200) name.resize(200);
    const std::string prefix = "." + name + ".";
    const std::string folder = FolderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        const long pid = TempOwner(entryName, prefix);
        if (pid <= 0) continue;
        const std::string path = folder + "/" + entryName;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (OwnerMayBeWriting(pid, path)) continue;
        ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool WriteFileAtomically(const CString& path, std::string_view bytes, int* error) {
    CAtomicFile file(path);
    bool ok = file.Open() && file.Write(bytes) && file.Commit();
    if (error) *error = ok ? 0 : file.Error();
    return ok;
}
