#include "htmllite/html_lite_style.h"

void CHtmlLiteStyle::Reset() {
    m_className.Empty();
    m_size = 16;
    m_weight = 400;
    m_italic = 0;
    m_underline = 0;
    m_strikeout = 0;
    m_overline = 0;
    m_face = L"Verdana";
    m_textColor = 0;
    m_backColor = 0xFFFFFF;
    m_borderLight = 0;
    m_borderDark = 0;
    m_backMidColor = 0xFFFFFF;
    m_backEndColor = 0xFFFFFF;
    m_backMode = 1;
    m_backEffect = -1;
    m_backImage.Empty();
    m_hAlign = 0;
    m_vAlign = 3;
    m_borderStyle = 0;
    m_borderWidth = 0;
    m_textTransform = 0;
    m_margin = 2;
    m_padding = 0;
    m_linkKind = 0;
    m_linkTarget.Empty();
}
