#include "model/clipboard_fragments.h"
#include "model/xml_document.h"

BOOL CXmlDocument::LoadFromClipboard(IClipboard& clipboard) {
    m_nDocFlags = (m_nDocFlags & ~(kReadFile | kWriteFile | kAppendFile)) | kUtf16LeFile;
    CString text;
    if (!GetClipboardText(clipboard, text)) return FALSE;
    m_strDoc = text;
    m_strResult.Empty();
    ParseDocument();
    return TRUE;
}
