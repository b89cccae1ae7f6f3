#pragma once
// The targets the swap chooser offers after an entry was dropped where it cannot simply go:
// other entries to swap places with, and free times to move to.
#include <cstdint>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/win_types.h"

struct CSwapRecord {
    CString text;
    DWORD_PTR value = 0;  // identifies the other entry for the grid that started the drag
};

struct CFreeTimeRecord {
    CString text;
    COleDateTime start;
};
