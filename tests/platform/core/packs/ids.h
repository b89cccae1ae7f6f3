// Ids shared by the fixture packs.
#pragma once
#include "sub/more_ids.h"
#define IDS_HELLO        100
#define IDS_NEXT         (IDS_HELLO + 1)
#define IDR_MAIN         128
#define IDD_SAMPLE       200
#define IDC_NAME         1001
#define IDC_OK_BUTTON    (IDC_NAME + 1)
#define ID_CMD_NEW       0xE100
#define NOT_A_NUMBER_BUT_FINE
#ifdef APSTUDIO_INVOKED
this line would not parse
#endif
struct IgnoredInHeaders { int x; };
