#pragma once
// Sleep: blocks the calling thread for a number of milliseconds (0 gives up the rest of its turn).
#include "platform/core/win_types.h"

void Sleep(DWORD dwMilliseconds);
