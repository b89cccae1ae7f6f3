#include "platform/core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

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
    m_tempPath.clear();
    SyncFolder(FolderOf(m_writePath));
    return true;
}

void CAtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

bool WriteFileAtomically(const CString& path, std::string_view bytes, int* error) {
    CAtomicFile file(path);
    bool ok = file.Open() && file.Write(bytes) && file.Commit();
    if (error) *error = ok ? 0 : file.Error();
    return ok;
}
