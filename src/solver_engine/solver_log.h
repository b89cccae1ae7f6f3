#pragma once
// The texts of a run's log lines: language-pack strings, formatted.
#include "platform/core/cstring.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

template <class... Args>
CString FormatLogLine(UINT id, const Args&... args) {
    CString line;
    line.Format(id, args...);
    return line;
}

// The current local time in the format.
CString FormatNow(const wchar_t* format);
