#pragma once
// One entry of the recent-documents list.
#include <cstdint>

#include "platform/core/cstring.h"

struct CRecentDocument {
    CString m_strPath;  // the document's full path, ending in ".xml"
    CString m_strName;  // what the list shows, ending in ".xml"
    std::int64_t m_tTime = 0;  // seconds since 1970: when it was added, later the file's time
    int m_bTemplate = 0;       // a week template
};
