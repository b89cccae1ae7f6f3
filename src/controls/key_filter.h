#pragma once
// The key filter of the record dialogs and wizard pages: a key-down of Escape or Enter is
// consumed so that these dialogs close only through their buttons.
//
//   BOOL CMyDialog::PreTranslateMessage(MSG* pMsg) {
//       if (SwallowEscapeAndEnter(pMsg)) return TRUE;
//       return CDialog::PreTranslateMessage(pMsg);
//   }
#include "platform/ui/window_defs.h"

BOOL SwallowEscapeAndEnter(const MSG* pMsg);
