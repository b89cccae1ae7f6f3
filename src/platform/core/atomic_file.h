#pragma once
// CAtomicFile replaces a file safely: the new content goes to a temporary file in the same
// folder, which is flushed to the disk and renamed over the target only after the whole
// content was written. Until then the target keeps its old content; a failure at any step
// removes the temporary file, leaves the target untouched and is reported to the caller. A
// write beyond the file-size limit fails (EFBIG) instead of ending the program.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/core/cstring.h"

class CAtomicFile {
public:
    explicit CAtomicFile(const CString& target);
    ~CAtomicFile();  // discards what was not committed
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // Creates the temporary file (mode of the existing target, else 0666 less the umask).
    // A target that exists and is not a regular file (a folder, a device, a pipe) is refused.
    bool Open();
    // Writes all bytes or fails; after a failure every later call fails too.
    bool Write(const void* data, std::size_t size);
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
    // Flushes and closes the temporary file and renames it over the target. False when any
    // step (or an earlier write) failed; the target is then as it was before. After a commit the
    // temporary files that writes of this target left behind when their process was killed are
    // removed (see RemoveStaleTempFiles).
    bool Commit();
    // Removes the temporary file; the target stays as it was.
    void Discard();

    bool IsOpen() const { return m_fd >= 0; }
    // The descriptor of the temporary file while open (for reading back and seeking), else -1.
    int Handle() const { return m_fd; }
    // errno of the first failure, 0 when there was none.
    int Error() const { return m_error; }
    // Marks the content as failed (for a caller whose own step on the handle failed).
    void SetError(int error);
    const CString& GetTargetPath() const { return m_target; }
    // The temporary file's path while it exists, else empty.
    CString GetTempPath() const;

    // Removes the temporary files beside target that are named as ours for it and whose process
    // is gone; those of a live process, this one's open ones included, stay.
    static void RemoveStaleTempFiles(const std::string& target);

private:
    bool Fail(int error);

    CString m_target;
    std::string m_writePath;  // where the rename goes: the target, or what a symbolic link names
    std::string m_tempPath;
    int m_fd = -1;
    int m_error = 0;
};

// Writes a whole file through CAtomicFile. On failure *error gets the errno value.
bool WriteFileAtomically(const CString& path, std::string_view bytes, int* error = nullptr);
