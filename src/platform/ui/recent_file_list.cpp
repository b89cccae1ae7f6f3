#include "platform/ui/recent_file_list.h"

#include <algorithm>

#include "platform/core/settings_store.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nStart(nStart),
      m_strSectionName(lpszSection ? lpszSection : L""),
      m_strEntryFormat(lpszEntryFormat ? lpszEntryFormat : L"File%d"),
      m_nSize(std::max(0, nSize)),
      m_nMaxDisplayLength(nMaxDispLen) {}

CString CRecentFileList::operator[](int nIndex) const {
    return nIndex >= 0 && nIndex < static_cast<int>(m_paths.size()) ? m_paths[static_cast<std::size_t>(nIndex)]
                                                                     : CString();
}

void CRecentFileList::Add(LPCTSTR lpszPathName) {
    if (!lpszPathName || !*lpszPathName || m_nSize == 0) return;
    const CString path(lpszPathName);
    m_paths.erase(std::remove_if(m_paths.begin(), m_paths.end(),
                                 [&](const CString& p) { return p.CompareNoCase(path) == 0; }),
                  m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (static_cast<int>(m_paths.size()) > m_nSize) m_paths.resize(static_cast<std::size_t>(m_nSize));
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < static_cast<int>(m_paths.size())) m_paths.erase(m_paths.begin() + nIndex);
}

void CRecentFileList::ReadList(CSettingsStore& store) {
    m_paths.clear();
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        const CString path = store.GetProfileString(m_strSectionName, entry);
        // Entries are read in order; a gap keeps the later ones out of sight, as it would on
        // writing, so it ends the list.
        if (path.IsEmpty()) break;
        if (std::none_of(m_paths.begin(), m_paths.end(), [&](const CString& p) { return p.CompareNoCase(path) == 0; }))
            m_paths.push_back(path);
    }
}

void CRecentFileList::WriteList(CSettingsStore& store) {
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        if (i < static_cast<int>(m_paths.size()))
            store.WriteProfileString(m_strSectionName, entry, m_paths[static_cast<std::size_t>(i)]);
        else
            store.WriteProfileString(m_strSectionName, entry, nullptr);
    }
}
