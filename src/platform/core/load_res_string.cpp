#include "platform/core/load_res_string.h"

CString LoadResString(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}
