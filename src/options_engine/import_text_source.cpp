#include "options_engine/import_text_source.h"

#include "model/clipboard_fragments.h"
#include "model/xml_document.h"
#include "options_engine/import_options.h"

bool CClipboardTextSource::ReadText(CString& text) { return GetClipboardText(m_clipboard, text) != 0; }

bool CFileTextSource::ReadText(CString& text) { return CXmlDocument::ReadFileText(nullptr, m_strPath, text); }

std::unique_ptr<IImportTextSource> MakeImportTextSource(const CImportOptions& options, IClipboard& clipboard) {
    if (options.m_bFromFile) return std::make_unique<CFileTextSource>(options.m_strPath);
    return std::make_unique<CClipboardTextSource>(clipboard);
}
