#pragma once
// Where an import's text comes from: the clipboard's Unicode text or a file. A file's encoding
// is detected as for the document file (byte-order marks, UTF-16 in either byte order, UTF-8,
// else the ANSI code page), so a spreadsheet's CSV export reads correctly whatever it was saved as.
#include <memory>

#include "platform/core/cstring.h"

class CImportOptions;
class IClipboard;

class IImportTextSource {
public:
    virtual ~IImportTextSource() = default;
    // False when the text cannot be read.
    virtual bool ReadText(CString& text) = 0;
};

class CClipboardTextSource : public IImportTextSource {
public:
    explicit CClipboardTextSource(IClipboard& clipboard) : m_clipboard(clipboard) {}
    bool ReadText(CString& text) override;

private:
    IClipboard& m_clipboard;
};

class CFileTextSource : public IImportTextSource {
public:
    explicit CFileTextSource(const CString& path) : m_strPath(path) {}
    bool ReadText(CString& text) override;

private:
    CString m_strPath;
};

// The source the dialog's answers name.
std::unique_ptr<IImportTextSource> MakeImportTextSource(const CImportOptions& options, IClipboard& clipboard);
