// The scroll bars of a window (WS_VSCROLL, WS_HSCROLL): child scroll-bar widgets at the
// window's edge, outside the client area, reporting with WM_VSCROLL and WM_HSCROLL. The
// window decides the position: the bar only moves when the window sets it.
#include <QScrollBar>

#include "platform/ui/control_defs.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

using namespace vorn_ui;

namespace {

constexpr int kBarSize = 17;

int MaxPos(const SCROLLINFO& si) {
    const int page = static_cast<int>(si.nPage);
    return std::max(si.nMin, si.nMax - std::max(page - 1, 0));
}

void SyncBar(HWND h, int bar) {
    ScrollBarState& st = h->scroll[bar];
    if (!st.bar) return;
    st.updating = true;
    st.bar->setRange(st.info.nMin, MaxPos(st.info));
    st.bar->setPageStep(std::max<int>(1, static_cast<int>(st.info.nPage)));
    if (!st.tracking) st.bar->setValue(st.info.nPos);
    st.updating = false;
}

void SendScroll(HWND h, int bar, UINT code, int pos) {
    SendMessage(h, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
}

QScrollBar* MakeBar(HWND h, int bar) {
    auto* sb = new QScrollBar(bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, h->widget.data());
    sb->setProperty("vornNonClient", true);
    sb->setFocusPolicy(Qt::NoFocus);
    QObject::connect(sb, &QAbstractSlider::actionTriggered, sb, [h, bar, sb](int action) {
        if (!IsLive(h) || h->scroll[bar].updating) return;
        UINT code;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
        case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
        case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
        default: return;  // thumb moves come through sliderMoved
        }
        // Undo the bar's own step: the window answers with SetScrollPos.
        sb->setSliderPosition(h->scroll[bar].info.nPos);
        SendScroll(h, bar, code, 0);
    });
    QObject::connect(sb, &QAbstractSlider::sliderMoved, sb, [h, bar](int value) {
        if (!IsLive(h) || h->scroll[bar].updating) return;
        h->scroll[bar].tracking = true;
        h->scroll[bar].info.nTrackPos = value;
        SendScroll(h, bar, SB_THUMBTRACK, value);
    });
    QObject::connect(sb, &QAbstractSlider::sliderReleased, sb, [h, bar]() {
        if (!IsLive(h)) return;
        ScrollBarState& st = h->scroll[bar];
        const bool tracked = st.tracking;
        st.tracking = false;
        if (tracked) SendScroll(h, bar, SB_THUMBPOSITION, st.info.nTrackPos);
        if (IsLive(h)) SendScroll(h, bar, SB_ENDSCROLL, 0);
        if (IsLive(h)) SyncBar(h, bar);
    });
    return sb;
}

}  // namespace

namespace vorn_ui {

void LayoutScrollBars(HWND h) {
    if (!IsLive(h) || !h->widget) return;
    const QRect client = ClientRectInWidget(h);
    const bool vert = (h->style & WS_VSCROLL) && h->scroll[SB_VERT].bar;
    const bool horz = (h->style & WS_HSCROLL) && h->scroll[SB_HORZ].bar;
    if (QScrollBar* v = h->scroll[SB_VERT].bar) {
        v->setVisible(vert);
        if (vert) {
            const int x = (h->exStyle & WS_EX_LEFTSCROLLBAR) ? client.left() - kBarSize : client.right() + 1;
            v->setGeometry(x, client.top(), kBarSize, client.height());
        }
    }
    if (QScrollBar* hb = h->scroll[SB_HORZ].bar) {
        hb->setVisible(horz);
        if (horz) hb->setGeometry(client.left(), client.bottom() + 1, client.width(), kBarSize);
    }
}

}  // namespace vorn_ui

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
    HWND h = m_hWnd;
    if (!h || !IsLive(h) || !h->widget || !RequireUiThread("ShowScrollBar")) return;
    // SB_CTL: the window is a scroll-bar control itself.
    if (nBar == SB_CTL) {
        ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        return;
    }
    bool changed = false;
    for (int bar = 0; bar < 2; ++bar) {
        if (!(nBar == SB_BOTH || static_cast<int>(nBar) == bar)) continue;
        const DWORD bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
        if (bShow && !h->scroll[bar].bar) {
            h->scroll[bar].bar = MakeBar(h, bar);
            SyncBar(h, bar);
        }
        const bool was = (h->style & bit) != 0;
        if (bShow) h->style |= bit;
        else h->style &= ~bit;
        changed = changed || was != static_cast<bool>(bShow);
    }
    if (changed) {
        LayoutScrollBars(h);
        NoteGeometry(h);
        h->widget->update();
    }
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    return ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
}

BOOL SetScrollInfo(HWND h, int bar, LPCSCROLLINFO si, BOOL redraw) {
    if (bar == SB_CTL) return IsLive(h) && si && SendMessage(h, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(si)) >= 0;
    if (!IsLive(h) || !si || (bar != SB_VERT && bar != SB_HORZ)) return FALSE;
    SCROLLINFO& info = h->scroll[bar].info;
    if (si->fMask & SIF_RANGE) {
        info.nMin = si->nMin;
        info.nMax = si->nMax;
    }
    if (si->fMask & SIF_PAGE) info.nPage = std::min<UINT>(si->nPage, static_cast<UINT>(std::max(0, info.nMax - info.nMin + 1)));
    if (si->fMask & SIF_POS) info.nPos = si->nPos;
    info.nPos = std::clamp(info.nPos, info.nMin, MaxPos(info));
    // The bar shows while there is something to scroll (or stays, disabled, on request).
    const bool needed = info.nMax > info.nMin && (info.nPage == 0 || static_cast<int>(info.nPage) <= info.nMax - info.nMin);
    CWnd* w = CWnd::FromHandle(h);
    if (si->fMask & (SIF_RANGE | SIF_PAGE)) {
        if (needed) w->ShowScrollBar(static_cast<UINT>(bar), TRUE);
        else if (!(si->fMask & SIF_DISABLENOSCROLL)) w->ShowScrollBar(static_cast<UINT>(bar), FALSE);
        if (h->scroll[bar].bar) h->scroll[bar].bar->setEnabled(needed);
    }
    SyncBar(h, bar);
    return info.nPos;
}

BOOL GetScrollInfo(HWND h, int bar, LPSCROLLINFO si) {
    if (bar == SB_CTL) return IsLive(h) && si && SendMessage(h, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(si));
    if (!IsLive(h) || !si || (bar != SB_VERT && bar != SB_HORZ)) return FALSE;
    const SCROLLINFO& info = h->scroll[bar].info;
    const UINT mask = si->fMask;
    if (mask & SIF_RANGE) {
        si->nMin = info.nMin;
        si->nMax = info.nMax;
    }
    if (mask & SIF_PAGE) si->nPage = info.nPage;
    if (mask & SIF_POS) si->nPos = info.nPos;
    if (mask & SIF_TRACKPOS) si->nTrackPos = h->scroll[bar].tracking ? info.nTrackPos : info.nPos;
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    if (!lpScrollInfo) return FALSE;
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
    const int old = GetScrollPos(nBar);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
    return old;
}

int CWnd::GetScrollPos(int nBar) const {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, nBar, &si);
    return si.nPos;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    ::SetScrollInfo(m_hWnd, nBar, &si, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, nBar, &si);
    if (lpMinPos) *lpMinPos = si.nMin;
    if (lpMaxPos) *lpMaxPos = si.nMax;
}

int CWnd::GetScrollLimit(int nBar) const {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, nBar, &si);
    return MaxPos(si);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
    if (!m_hWnd || !RequireUiThread("EnableScrollBar")) return FALSE;
    if (nSBFlags == SB_CTL) return static_cast<BOOL>(SendMessage(SBM_ENABLE_ARROWS, nArrowFlags));
    for (int bar = 0; bar < 2; ++bar)
        if ((nSBFlags == SB_BOTH || nSBFlags == bar) && m_hWnd->scroll[bar].bar)
            m_hWnd->scroll[bar].bar->setEnabled(nArrowFlags != ESB_DISABLE_BOTH);
    return TRUE;
}

BOOL CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) {
    HWND h = m_hWnd;
    if (!h || !IsLive(h) || !RequireUiThread("ScrollWindow")) return FALSE;
    EnsureStore(h);
    QRect area(QPoint(0, 0), h->store.size());
    if (lpRect) area &= QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
    QRect clip = area;
    if (lpClipRect) clip &= QRect(lpClipRect->left, lpClipRect->top, lpClipRect->right - lpClipRect->left,
                                  lpClipRect->bottom - lpClipRect->top);
    if (!h->store.isNull() && !clip.isEmpty()) {
        const QImage before = h->store.copy();
        const QRect moved = area.translated(xAmount, yAmount) & clip;
        for (int y = moved.top(); y <= moved.bottom(); ++y) {
            auto* dst = reinterpret_cast<std::uint32_t*>(h->store.scanLine(y));
            const auto* src = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y - yAmount));
            for (int x = moved.left(); x <= moved.right(); ++x) dst[x] = src[x - xAmount];
        }
        // What the move uncovered, and what was still to be painted, moves with the picture.
        const QRegion pending = (h->invalid & area).translated(xAmount, yAmount);
        h->invalid = (h->invalid - QRegion(area)) | pending | ((QRegion(clip) - QRegion(moved)) & clip);
        h->eraseInvalid = true;
        if (h->widget) h->widget->update();
    }
    if (!lpRect && h->widget) {
        // Child windows move with the picture.
        for (QObject* o : h->widget->children())
            if (auto* w = qobject_cast<QWidget*>(o)) {
                HWND c = RecordOfWidget(w);
                if (c && c != h && c->parent == h) w->move(w->pos() + QPoint(xAmount, yAmount));
            }
    }
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (!IsLive(hwnd)) return FALSE;
    CWnd::FromHandle(hwnd)->ShowScrollBar(static_cast<UINT>(bar), show);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    return IsLive(hwnd) && CWnd::FromHandle(hwnd)->EnableScrollBar(static_cast<int>(bar), arrows);
}
