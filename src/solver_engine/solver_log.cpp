#include "solver_engine/solver_log.h"

#include "platform/core/ole_date_time.h"

CString FormatNow(const wchar_t* format) { return COleDateTime::GetCurrentTime().Format(format); }
