#pragma once
// CRecentFileList: the most recently used files, newest first, at most a given number. A path
// added again moves to the front (paths compare without regard to the case of A-Z). The list
// is kept in the profile as one value per entry ("File1", "File2"...) of its section.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CSettingsStore;

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 30);
    virtual ~CRecentFileList() = default;

    // The capacity of the list.
    int GetSize() const { return m_nSize; }
    // The path at an index, empty beyond the entries held.
    CString operator[](int nIndex) const;
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The paths held, newest first.
    const std::vector<CString>& GetPaths() const { return m_paths; }

    virtual void ReadList(CSettingsStore& store);
    virtual void WriteList(CSettingsStore& store);

protected:
    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nSize;
    int m_nMaxDisplayLength;
    std::vector<CString> m_paths;
};
