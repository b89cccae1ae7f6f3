#include "platform/core/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/core/atomic_file.h"
#include "platform/core/file_system.h"

namespace {

std::string Narrow(const CString& path) { return WideToUtf8(path.str()); }

void FillStatus(const struct stat& st, const std::string& path, CFileStatus& status) {
    status.m_mtime = st.st_mtim.tv_sec;
    status.m_mtimeNsec = st.st_mtim.tv_nsec;
    status.m_atime = st.st_atim.tv_sec;
    status.m_ctime = st.st_mtim.tv_sec;
    struct statx sx {};
    if (!path.empty() && ::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME))
        status.m_ctime = sx.stx_btime.tv_sec;
    status.m_size = static_cast<ULONGLONG>(st.st_size);
    BYTE attribute = 0;
    if (S_ISDIR(st.st_mode)) attribute |= CFile::directory;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attribute |= CFile::readOnly;
    std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 1 && name[0] == '.' && name != "..") attribute |= CFile::hidden;
    status.m_attribute = attribute;
}

}  // namespace

// ---- CFileException ----

CFileException::CFileException(int cause, LONG osError, const CString& fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {
    m_what = "file error " + std::to_string(cause);
    if (osError > 0) m_what += std::string(" (") + std::strerror(osError) + ")";
    if (!fileName.IsEmpty()) m_what += ": " + Narrow(fileName);
}

int CFileException::OsErrorToException(int osError) {
    switch (osError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case EBADF: return accessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    case EIO: return hardIO;
    case EBUSY:
    case ETXTBSY: return sharingViolation;
    case ESPIPE:
    case EOVERFLOW: return badSeek;
    case ENOTEMPTY: return removeCurrentDir;
    default: return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const CString& fileName) {
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

// ---- CFile ----

CFile::CFile() = default;

CFile::CFile(LPCTSTR fileName, UINT openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error)) throw error;
}

CFile::~CFile() {
    if (!IsOpen()) return;
    // A replacing write is completed only when the scope ends normally; an exception on its
    // way through means the content may be incomplete.
    if (m_replacement && std::uncaught_exceptions() > m_uncaughtAtOpen) {
        Abort();
        return;
    }
    try {
        Close();
    } catch (const CFileException&) {
        // A destructor cannot report; the old file stays when the replacement failed.
    }
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error) {
    auto fail = [&](int osError) {
        if (error) *error = CFileException(CFileException::OsErrorToException(osError), osError, CString(fileName));
        return FALSE;
    };
    if (IsOpen()) return fail(EBUSY);
    CString name(fileName);
    if (name.IsEmpty()) return fail(ENOENT);
    m_strFileName = GetFullPath(name);
    m_openFlags = openFlags;
    m_uncaughtAtOpen = std::uncaught_exceptions();

    UINT access = openFlags & 3;
    bool writing = access == modeWrite || access == modeReadWrite;
    struct stat st {};
    std::string path = Narrow(m_strFileName);
    bool special = ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
    if ((openFlags & modeCreate) && !(openFlags & modeNoTruncate) && writing && !special) {
        m_replacement = std::make_unique<CAtomicFile>(m_strFileName);
        if (!m_replacement->Open()) {
            int osError = m_replacement->Error();
            m_replacement.reset();
            return fail(osError);
        }
        m_fd = m_replacement->Handle();
        return TRUE;
    }

    int flags = O_CLOEXEC;
    flags |= access == modeWrite ? O_WRONLY : access == modeReadWrite ? O_RDWR : O_RDONLY;
    if (openFlags & modeCreate) flags |= O_CREAT;
    // A device or a pipe takes the bytes as they come.
    if ((openFlags & modeCreate) && !(openFlags & modeNoTruncate) && special) flags |= O_TRUNC;
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) return fail(errno);
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fail(EISDIR);
    }
    m_fd = fd;
    return TRUE;
}

void CFile::Close() {
    if (!IsOpen()) return;
    if (m_replacement) {
        std::unique_ptr<CAtomicFile> replacement = std::move(m_replacement);
        m_fd = -1;
        if (!replacement->Commit()) ThrowError(replacement->Error());
        return;
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR) ThrowError(errno);
}

void CFile::Abort() {
    if (m_replacement) {
        m_replacement->Discard();
        m_replacement.reset();
        m_fd = -1;
        return;
    }
    if (IsOpen()) ::close(m_fd);
    m_fd = -1;
}

void CFile::ThrowError(int osError) const { CFileException::ThrowOsError(osError, m_strFileName); }

UINT CFile::Read(void* buffer, UINT count) {
    if (!IsOpen()) ThrowError(EBADF);
    char* p = static_cast<char*>(buffer);
    UINT total = 0;
    while (total < count) {
        ssize_t n = ::read(m_fd, p + total, count - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowError(errno);
        }
        if (n == 0) break;
        total += static_cast<UINT>(n);
    }
    return total;
}

void CFile::Write(const void* buffer, UINT count) {
    if (!IsOpen()) ThrowError(EBADF);
    if (m_replacement) {
        if (!m_replacement->Write(buffer, count)) ThrowError(m_replacement->Error());
        return;
    }
    const char* p = static_cast<const char*>(buffer);
    while (count > 0) {
        ssize_t n = ::write(m_fd, p, count);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowError(errno);
        }
        if (n == 0) ThrowError(EIO);
        p += n;
        count -= static_cast<UINT>(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
    if (!IsOpen()) ThrowError(EBADF);
    int whence = from == current ? SEEK_CUR : from == end ? SEEK_END : SEEK_SET;
    off_t pos = ::lseek(m_fd, static_cast<off_t>(offset), whence);
    if (pos < 0) ThrowError(errno == EINVAL ? ESPIPE : errno);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetPosition() const {
    if (!IsOpen()) ThrowError(EBADF);
    off_t pos = ::lseek(m_fd, 0, SEEK_CUR);
    if (pos < 0) ThrowError(errno);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const {
    if (!IsOpen()) ThrowError(EBADF);
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) ThrowError(errno);
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG length) {
    if (!IsOpen()) ThrowError(EBADF);
    if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0) {
        int osError = errno;
        if (m_replacement) m_replacement->SetError(osError);
        ThrowError(osError);
    }
}

void CFile::Flush() {
    if (!IsOpen()) return;
    if (::fsync(m_fd) != 0 && errno != EINVAL) {
        int osError = errno;
        if (m_replacement) m_replacement->SetError(osError);
        ThrowError(osError);
    }
}

CString CFile::GetFileName() const { return GetPathFileName(m_strFileName); }

CString CFile::GetFileTitle() const { return GetPathFileTitle(m_strFileName); }

BOOL CFile::GetStatus(CFileStatus& status) const {
    status = CFileStatus();
    status.m_szFullName = m_strFileName;
    if (!IsOpen()) return FALSE;
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) return FALSE;
    // A replacing write reports the file it is about to become.
    FillStatus(st, m_replacement ? std::string() : Narrow(m_strFileName), status);
    return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status) {
    status = CFileStatus();
    CString name(fileName);
    if (name.IsEmpty()) return FALSE;
    status.m_szFullName = GetFullPath(name);
    std::string path = Narrow(status.m_szFullName);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FALSE;
    FillStatus(st, path, status);
    return TRUE;
}

void CFile::Remove(LPCTSTR fileName) {
    CString name(fileName);
    int osError = 0;
    if (!DeleteFile(name, &osError)) CFileException::ThrowOsError(osError, name);
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName) {
    // A rename never replaces a file that exists under the new name.
    std::string from = Narrow(CString(oldName));
    std::string to = Narrow(CString(newName));
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    int osError = errno;
    if (osError == EINVAL || osError == ENOSYS) {
        // The file system cannot refuse by itself.
        if (::access(to.c_str(), F_OK) == 0) CFileException::ThrowOsError(EEXIST, CString(oldName));
        if (::rename(from.c_str(), to.c_str()) == 0) return;
        osError = errno;
    }
    CFileException::ThrowOsError(osError, CString(oldName));
}

// ---- CStdioFile ----

void CStdioFile::WriteString(LPCTSTR text) {
    if (!text) return;
    std::string bytes = WideToUtf8(text);
    Write(bytes.data(), static_cast<UINT>(bytes.size()));
}
