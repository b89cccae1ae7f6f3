#include "platform/ui/system_metrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cwchar>

namespace {

QRect VirtualScreen() {
    QRect r;
    for (QScreen* s : QGuiApplication::screens()) r |= s->geometry();
    return r.isEmpty() ? QRect(0, 0, 1024, 768) : r;
}

QRect PrimaryScreen() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

// The classic look's user-interface font: Tahoma at 8 points (11 pixels at 96 dpi).
LOGFONT UiFont(LONG weight) {
    LOGFONT lf{};
    lf.lfHeight = -11;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(lf.lfFaceName, L"Tahoma", LF_FACESIZE - 1);
    return lf;
}

NONCLIENTMETRICS ClassicNonClientMetrics() {
    NONCLIENTMETRICS m{};
    m.cbSize = sizeof(NONCLIENTMETRICS);
    m.iBorderWidth = 1;
    m.iScrollWidth = m.iScrollHeight = GetSystemMetrics(SM_CXVSCROLL);
    m.iCaptionWidth = m.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    m.lfCaptionFont = UiFont(FW_BOLD);
    m.iSmCaptionWidth = 12;
    m.iSmCaptionHeight = 15;
    m.lfSmCaptionFont = UiFont(FW_BOLD);
    m.iMenuWidth = m.iMenuHeight = GetSystemMetrics(SM_CYMENU);
    m.lfMenuFont = UiFont(FW_NORMAL);
    m.lfStatusFont = UiFont(FW_NORMAL);
    m.lfMessageFont = UiFont(FW_NORMAL);
    return m;
}

}  // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: return PrimaryScreen().width();
    case SM_CYSCREEN: return PrimaryScreen().height();
    case SM_CXFULLSCREEN: return PrimaryScreen().width();
    case SM_CYFULLSCREEN: return PrimaryScreen().height() - 19;
    case SM_XVIRTUALSCREEN: return VirtualScreen().left();
    case SM_YVIRTUALSCREEN: return VirtualScreen().top();
    case SM_CXVIRTUALSCREEN: return VirtualScreen().width();
    case SM_CYVIRTUALSCREEN: return VirtualScreen().height();
    case SM_CMONITORS: return static_cast<int>(QGuiApplication::screens().size());
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 19;
    case SM_CYSMCAPTION: return 16;
    case SM_CYMENU: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
    if (!data) return FALSE;
    switch (action) {
    case SPI_GETWORKAREA: {
        QScreen* s = QGuiApplication::primaryScreen();
        const QRect r = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
        *static_cast<RECT*>(data) = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: *static_cast<NONCLIENTMETRICS*>(data) = ClassicNonClientMetrics(); return TRUE;
    case SPI_GETKEYBOARDDELAY: *static_cast<int*>(data) = 1; return TRUE;
    case SPI_GETKEYBOARDSPEED: *static_cast<int*>(data) = 31; return TRUE;
    case SPI_GETFLATMENU: *static_cast<BOOL*>(data) = FALSE; return TRUE;
    case SPI_GETKEYBOARDCUES: *static_cast<BOOL*>(data) = TRUE; return TRUE;
    default: return FALSE;
    }
}
