#include "controls/system_fonts_stand_in.h"

#include "platform/ui/gdi_object.h"

namespace controls_stand_in {

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
    if (action != SPI_GETNONCLIENTMETRICS || !data) return FALSE;
    auto* metrics = static_cast<NONCLIENTMETRICS*>(data);
    LOGFONT font{};
    if (!::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font)) return FALSE;
    metrics->lfMenuFont = font;
    metrics->lfMessageFont = font;
    return TRUE;
}

}  // namespace controls_stand_in
