#pragma once
// CFile: a binary file over a POSIX descriptor, with the open modes, the status record and
// the file exception of the program's class layer. Errors of Read, Write, Seek, Close and
// the static operations are thrown as CFileException; Open reports through its result.
//
// Opening with modeCreate (without modeNoTruncate) for writing replaces the file safely:
// the content goes to a temporary file beside it, which becomes the file only when Close
// succeeds. A file that is destroyed without Close while an exception unwinds, or after a
// failed write, is discarded and the old file stays as it was. A device or a pipe is
// written in place.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CAtomicFile;

class CFileException : public std::exception {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, const CString& fileName = CString());

    // The cause for an errno value.
    static int OsErrorToException(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const CString& fileName = CString());

    const char* what() const noexcept override { return m_what.c_str(); }

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;

private:
    std::string m_what;
};

// The status of a file. Times are seconds since 1970 (UTC); the modification time also
// keeps its nanoseconds so that a changed file is told apart exactly.
struct CFileStatus {
    std::int64_t m_ctime = 0;  // creation (birth) time where the file system keeps it, else m_mtime
    std::int64_t m_mtime = 0;
    long m_mtimeNsec = 0;
    std::int64_t m_atime = 0;
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;  // CFile::Attribute bits
    CString m_szFullName;
};

// True when both statuses describe the same version of a file: the same modification time, to
// the nanosecond, and the same size. A file put back with its old time but other content
// mostly differs in size.
inline bool IsSameFileVersion(const CFileStatus& a, const CFileStatus& b) {
    return a.m_mtime == b.m_mtime && a.m_mtimeNsec == b.m_mtimeNsec && a.m_size == b.m_size;
}

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum Attribute : BYTE {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile();
    // Opens or throws CFileException.
    CFile(LPCTSTR fileName, UINT openFlags);
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened; *error (when given) then holds the cause.
    // Share modes are accepted and not enforced.
    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    // Closes; for a replacing write this is where the new content takes the file's place.
    // Throws when that fails (the old file then stays as it was).
    virtual void Close();
    // Closes without throwing; a replacing write is discarded.
    virtual void Abort();

    // Bytes read, 0 at the end of the file.
    virtual UINT Read(void* buffer, UINT count);
    // Writes every byte or throws.
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    // Writes what the system holds for the file through to the disk.
    virtual void Flush();

    bool IsOpen() const { return m_fd >= 0; }
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;
    CString GetFileTitle() const;

    // The status of the open file; its full name is the path it was opened with.
    BOOL GetStatus(CFileStatus& status) const;
    // The status of a path. The full name is always filled in; when nothing exists there the
    // rest is zero and the result is FALSE.
    static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);
    static void Remove(LPCTSTR fileName);
    static void Rename(LPCTSTR oldName, LPCTSTR newName);

protected:
    [[noreturn]] void ThrowError(int osError) const;

    int m_fd = -1;
    UINT m_openFlags = 0;
    CString m_strFileName;  // full path
    std::unique_ptr<CAtomicFile> m_replacement;  // set for a replacing write
    int m_uncaughtAtOpen = 0;
};

// A file in text mode. Lines and text are UTF-8 in the file; there is no translation of
// line ends, as on every POSIX system.
class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR fileName, UINT openFlags) : CFile(fileName, openFlags | typeText) {}
    // Writes the text as UTF-8.
    void WriteString(LPCTSTR text);
};
