#pragma once
// The text of a string id of the current language pack; empty when the id is missing.
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

CString LoadResString(UINT id);
