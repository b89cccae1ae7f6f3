// The recent-documents list: kept newest first, at most the stored number of entries.
#include <algorithm>

#include "app/scheduler_app.h"
#include "model/xml_document.h"
#include "platform/core/file.h"
#include "platform/core/file_system.h"
#include "platform/core/time64.h"
#include "platform/ui/wait_cursor.h"

namespace {

// A name without an extension is a document name without its ".xml"; a name with another
// extension names the file as it is (Save As keeps such a name too).
CString WithXmlExtension(const CString& text) {
    if (GetPathFileName(text).ReverseFind(L'.') > 0) return text;
    return text + L".xml";
}

}  // namespace

void CSchedulerApp::AddRecentDocument(const CString& name, const CString& path, bool isTemplate) {
    CRecentDocument entry;
    entry.m_strName = WithXmlExtension(name);
    entry.m_strPath = WithXmlExtension(path);
    entry.m_tTime = _time64(nullptr);
    entry.m_bTemplate = isTemplate ? 1 : 0;
    // A document opened again moves to the front instead of standing twice.
    m_arrRecentDocuments.erase(std::remove_if(m_arrRecentDocuments.begin(), m_arrRecentDocuments.end(),
                                              [&](const CRecentDocument& d) { return d.m_strPath == entry.m_strPath; }),
                               m_arrRecentDocuments.end());
    m_arrRecentDocuments.insert(m_arrRecentDocuments.begin(), entry);
    if (m_arrRecentDocuments.size() > static_cast<std::size_t>(kMaxStoredRecent))
        m_arrRecentDocuments.resize(kMaxStoredRecent);
}

void CSchedulerApp::RefreshRecentDocuments() {
    CWaitCursor wait;
    for (auto it = m_arrRecentDocuments.begin(); it != m_arrRecentDocuments.end();) {
        // A file that is gone, or that holds no plan, leaves the list; one that cannot be read
        // just now (a network folder, a file being written) keeps its place.
        if (!FileExists(it->m_strPath)) {
            it = m_arrRecentDocuments.erase(it);
            continue;
        }
        CString text;
        bool readable = false;
        try {
            readable = CXmlDocument::ReadFileText(nullptr, it->m_strPath, text);
        } catch (...) {
            readable = false;
        }
        if (!readable) {
            ++it;
            continue;
        }
        CXmlDocument doc;
        if (!doc.SetDocumentText(text) || !doc.FindElement(L"DOCUMENT") || !doc.EnterElement() ||
            !doc.FindElement(L"GENERAL")) {
            it = m_arrRecentDocuments.erase(it);
            continue;
        }
        it->m_bTemplate = doc.GetAttribute(L"DATE").Find(L"/2000") >= 0 ? 1 : 0;
        CFileStatus status;
        if (CFile::GetStatus(it->m_strPath, status)) it->m_tTime = status.m_mtime;
        ++it;
    }
    std::stable_sort(m_arrRecentDocuments.begin(), m_arrRecentDocuments.end(),
                     [](const CRecentDocument& a, const CRecentDocument& b) { return a.m_tTime > b.m_tTime; });
}
