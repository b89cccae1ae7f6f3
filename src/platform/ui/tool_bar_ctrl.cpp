// The toolbar control's window procedure: buttons, layout, painting, mouse and tooltips.
#include "platform/ui/tool_bar_ctrl.h"

#include <QCursor>
#include <QString>
#include <QToolTip>

#include <algorithm>
#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/bar_procs.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/dc.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {

constexpr UINT_PTR kTipTimer = 0x7B01;
constexpr UINT kTipDelay = 400;
constexpr int kSeparatorWidth = 8;

struct Button {
    int image = -1;
    int command = 0;
    BYTE state = TBSTATE_ENABLED;
    BYTE style = BTNS_BUTTON;
    DWORD_PTR data = 0;
    INT_PTR string = -1;
    std::wstring text;
    int width = 0;  // fixed width (TBIF_SIZE); 0 computes it

    bool IsSeparator() const { return (style & BTNS_SEP) != 0; }
};

struct ToolBarState {
    std::vector<Button> buttons;
    std::vector<std::wstring> strings;
    CSize bitmapSize{16, 15};
    CSize buttonSize{0, 0};  // 0: from the bitmap size
    HIMAGELIST images[3] = {nullptr, nullptr, nullptr};  // normal, hot, disabled
    int hot = -1;
    int pressed = -1;  // the button held down with the mouse
    int indent = 0;
    HWND notify = nullptr;
    DWORD extendedStyle = 0;
};

std::map<HWND, std::unique_ptr<ToolBarState>>& States() {
    static auto* states = new std::map<HWND, std::unique_ptr<ToolBarState>>;
    return *states;
}

ToolBarState& StateOf(HWND h) {
    auto& states = States();
    auto it = states.find(h);
    if (it != states.end()) return *it->second;
    // Windows that went without their WM_NCDESTROY reaching us leave their state behind.
    for (auto s = states.begin(); s != states.end();) s = IsWindow(s->first) ? std::next(s) : states.erase(s);
    auto state = std::make_unique<ToolBarState>();
    state->notify = GetParent(h);
    return *states.emplace(h, std::move(state)).first->second;
}

int IndexOfCommand(const ToolBarState& s, WPARAM id) {
    for (std::size_t i = 0; i < s.buttons.size(); ++i)
        if (!s.buttons[i].IsSeparator() && s.buttons[i].command == static_cast<int>(id)) return static_cast<int>(i);
    return -1;
}

CSize ButtonSize(const ToolBarState& s) {
    if (s.buttonSize.cx > 0 && s.buttonSize.cy > 0) return s.buttonSize;
    return CSize(s.bitmapSize.cx + 7, s.bitmapSize.cy + 7);
}

bool HasImage(const ToolBarState& s, const Button& b) {
    return s.images[0] && b.image >= 0 && s.bitmapSize.cx > 1 && s.bitmapSize.cy > 1;
}

HFONT FontOf(HWND h) {
    auto font = reinterpret_cast<HFONT>(SendMessage(h, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

CSize TextSize(HWND h, const std::wstring& text) {
    if (text.empty()) return CSize(0, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = dc.SelectObject(FontOf(h));
    CRect rc(0, 0, 0, 0);
    dc.DrawText(text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | DT_SINGLELINE);
    dc.SelectObject(old);
    return rc.Size();
}

// Button rectangles in client coordinates: rows from left to right, a new row after a button
// with TBSTATE_WRAP (a vertical bar wraps every button).
std::vector<CRect> Layout(HWND h, const ToolBarState& s) {
    const bool list = (GetWindowLong(h, GWL_STYLE) & TBSTYLE_LIST) != 0;
    const CSize size = ButtonSize(s);
    std::vector<CRect> rects(s.buttons.size());
    int x = s.indent, y = 0, rowHeight = size.cy;
    for (std::size_t i = 0; i < s.buttons.size(); ++i) {
        const Button& b = s.buttons[i];
        if (b.state & TBSTATE_HIDDEN) continue;
        if (b.IsSeparator()) {
            const int w = b.width > 0 ? b.width : (b.image > 0 ? b.image : kSeparatorWidth);
            if (b.state & TBSTATE_WRAP) {
                // Between rows: a horizontal gap.
                rects[i] = CRect(s.indent, y + rowHeight, s.indent + size.cx, y + rowHeight + w);
                x = s.indent;
                y += rowHeight + w;
                rowHeight = size.cy;
            } else {
                rects[i] = CRect(x, y, x + w, y + size.cy);
                x += w;
            }
            continue;
        }
        const CSize text = TextSize(h, b.text);
        int width = size.cx, height = size.cy;
        if (list) {
            width = (HasImage(s, b) ? s.bitmapSize.cx + 6 : 6) + (text.cx > 0 ? text.cx + 6 : 0);
            if (!(b.style & BTNS_AUTOSIZE)) width = std::max(width, size.cx);
            height = std::max(height, text.cy + 6);
        } else if (text.cx > 0) {
            width = std::max(width, text.cx + 6);
            height = size.cy + text.cy;
        }
        if (b.width > 0) width = b.width;
        rects[i] = CRect(x, y, x + width, y + height);
        rowHeight = std::max(rowHeight, height);
        x += width;
        if (b.state & TBSTATE_WRAP) {
            x = s.indent;
            y += rowHeight;
            rowHeight = size.cy;
        }
    }
    return rects;
}

int HitTestPoint(HWND h, const ToolBarState& s, POINT pt) {
    const std::vector<CRect> rects = Layout(h, s);
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (!rects[i].IsRectEmpty() && rects[i].PtInRect(pt))
            return s.buttons[i].IsSeparator() ? -static_cast<int>(i) - 1 : static_cast<int>(i);
    return -1;
}

CString TipOf(int command) {
    if (command <= 0) return CString();
    const CString text = LoadResString(static_cast<UINT>(command));
    const int newline = text.Find(L'\n');
    return newline >= 0 ? text.Mid(newline + 1) : CString();
}

void DrawImage(HDC dc, const ToolBarState& s, const Button& b, int x, int y, bool enabled, bool hot) {
    if (!HasImage(s, b)) return;
    if (!enabled) {
        if (s.images[2]) {
            ImageList_Draw(s.images[2], b.image, dc, x, y, ILD_TRANSPARENT);
            return;
        }
        // Without a disabled list the image is drawn embossed.
        CImageList list;
        list.Attach(s.images[0]);
        HICON icon = list.ExtractIcon(b.image);
        list.Detach();
        if (icon) {
            CDC::FromHandle(dc)->DrawState(CPoint(x, y), s.bitmapSize, icon, DST_ICON | DSS_DISABLED);
            DestroyIcon(icon);
        }
        return;
    }
    HIMAGELIST list = (hot && s.images[1]) ? s.images[1] : s.images[0];
    ImageList_Draw(list, b.image, dc, x, y, ILD_TRANSPARENT);
}

// NM_CUSTOMDRAW to the notify window (which reflects it to the toolbar's own class first).
LRESULT CustomDraw(HWND h, const ToolBarState& s, DWORD stage, HDC hdc, const RECT& rc, DWORD_PTR item = 0,
                   UINT itemState = 0, LPARAM itemData = 0) {
    HWND notify = IsWindow(s.notify) ? s.notify : GetParent(h);
    if (!notify) return CDRF_DODEFAULT;
    NMTBCUSTOMDRAW cd{};
    cd.nmcd = NMCUSTOMDRAW{NMHDR{h, static_cast<UINT_PTR>(GetDlgCtrlID(h)), static_cast<UINT>(NM_CUSTOMDRAW)}, stage,
                           hdc, rc, item, itemState, itemData};
    cd.clrText = GetSysColor(COLOR_BTNTEXT);
    cd.clrTextHighlight = GetSysColor(COLOR_HIGHLIGHTTEXT);
    cd.clrBtnFace = GetSysColor(COLOR_BTNFACE);
    cd.clrBtnHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    cd.clrHighlightHotTrack = GetSysColor(COLOR_HIGHLIGHT);
    cd.rcText = rc;
    cd.nStringBkMode = TRANSPARENT;
    cd.nHLStringBkMode = OPAQUE;
    return SendMessage(notify, WM_NOTIFY, cd.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&cd));
}

void Paint(HWND h, ToolBarState& s) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    CDC* dc = CDC::FromHandle(hdc);
    CRect client;
    GetClientRect(h, &client);
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    // The owner may draw the whole bar or single buttons itself.
    const LRESULT pre = CustomDraw(h, s, CDDS_PREPAINT, hdc, client);
    if (pre & CDRF_SKIPDEFAULT) {
        EndPaint(h, &ps);
        return;
    }
    const DWORD style = static_cast<DWORD>(GetWindowLong(h, GWL_STYLE));
    const bool flat = (style & TBSTYLE_FLAT) != 0;
    const bool list = (style & TBSTYLE_LIST) != 0;
    HGDIOBJ oldFont = dc->SelectObject(FontOf(h));
    dc->SetBkMode(TRANSPARENT);
    const std::vector<CRect> rects = Layout(h, s);
    for (std::size_t i = 0; i < s.buttons.size(); ++i) {
        const Button& b = s.buttons[i];
        CRect rc = rects[i];
        if (rc.IsRectEmpty()) continue;
        if (b.IsSeparator()) {
            if (!flat) continue;
            if (rc.Width() > rc.Height()) {
                CRect line(rc.left + 2, rc.top + rc.Height() / 2 - 1, rc.right - 2, rc.top + rc.Height() / 2 + 1);
                dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
            } else {
                CRect line(rc.left + rc.Width() / 2 - 1, rc.top + 2, rc.left + rc.Width() / 2 + 1, rc.bottom - 2);
                dc->DrawEdge(&line, EDGE_ETCHED, BF_LEFT);
            }
            continue;
        }
        const bool enabled = (b.state & TBSTATE_ENABLED) != 0;
        const bool down = (b.state & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
        const bool hot = enabled && static_cast<int>(i) == s.hot;
        if (pre & CDRF_NOTIFYITEMDRAW) {
            const UINT itemState = (hot ? CDIS_HOT : 0) | ((b.state & TBSTATE_PRESSED) ? CDIS_SELECTED : 0) |
                                   ((b.state & TBSTATE_CHECKED) ? CDIS_CHECKED : 0) | (enabled ? 0 : CDIS_DISABLED);
            const int saved = dc->SaveDC();
            const LRESULT item = CustomDraw(h, s, CDDS_ITEMPREPAINT, hdc, rc, static_cast<DWORD_PTR>(b.command), itemState,
                                            static_cast<LPARAM>(b.data));
            dc->RestoreDC(saved);
            if (item & CDRF_SKIPDEFAULT) continue;
        }
        if ((b.state & TBSTATE_CHECKED) && !(b.state & TBSTATE_PRESSED) && !hot) {
            // A checked button shows a lighter face.
            const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
            CRect inner = rc;
            inner.DeflateRect(1, 1);
            dc->FillSolidRect(&inner, RGB((GetRValue(face) + GetRValue(light)) / 2, (GetGValue(face) + GetGValue(light)) / 2,
                                          (GetBValue(face) + GetBValue(light)) / 2));
        }
        if (flat) {
            if (down) dc->DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT);
            else if (hot) dc->DrawEdge(&rc, BDR_RAISEDINNER, BF_RECT);
        } else {
            dc->DrawEdge(&rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        }
        const int offset = down ? 1 : 0;
        const bool image = HasImage(s, b);
        CRect textRect = rc;
        if (list) {
            if (image)
                DrawImage(hdc, s, b, rc.left + 3 + offset, rc.top + (rc.Height() - s.bitmapSize.cy) / 2 + offset, enabled, hot);
            textRect.left = rc.left + (image ? s.bitmapSize.cx + 6 : 3) + offset;
            textRect.top += offset;
            textRect.bottom += offset;
        } else {
            if (image)
                DrawImage(hdc, s, b, rc.left + (rc.Width() - s.bitmapSize.cx) / 2 + offset, rc.top + 3 + offset, enabled, hot);
            textRect = CRect(rc.left + offset, rc.top + 3 + s.bitmapSize.cy + offset, rc.right + offset, rc.bottom + offset);
        }
        if (!b.text.empty()) {
            const UINT format = DT_SINGLELINE | DT_VCENTER | (list ? DT_LEFT : DT_CENTER) |
                                ((b.style & BTNS_NOPREFIX) ? DT_NOPREFIX : 0);
            if (!enabled) {
                CRect shadow = textRect;
                shadow.OffsetRect(1, 1);
                dc->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
                dc->DrawText(b.text.c_str(), static_cast<int>(b.text.size()), &shadow, format);
                dc->SetTextColor(GetSysColor(COLOR_BTNSHADOW));
            } else {
                dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
            }
            dc->DrawText(b.text.c_str(), static_cast<int>(b.text.size()), &textRect, format);
        }
    }
    dc->SelectObject(oldFont);
    if (pre & CDRF_NOTIFYPOSTPAINT) CustomDraw(h, s, CDDS_POSTPAINT, hdc, client);
    EndPaint(h, &ps);
}

// A hot item the mouse made goes when the mouse leaves; one set by the program (the keyboard
// of a menu bar) stays while the mouse is elsewhere.
void SetHot(HWND h, ToolBarState& s, int hot, bool byMouse) {
    if (hot == s.hot) return;
    s.hot = hot;
    InvalidateRect(h, nullptr, TRUE);
    KillTimer(h, kTipTimer);
    QToolTip::hideText();
    if (hot >= 0 && byMouse) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, h, 0};
        TrackMouseEvent(&track);
        if (GetWindowLong(h, GWL_STYLE) & TBSTYLE_TOOLTIPS) SetTimer(h, kTipTimer, kTipDelay, nullptr);
    }
}

Button FromTBBUTTON(const ToolBarState& s, const TBBUTTON& tb) {
    Button b;
    b.image = tb.iBitmap;
    b.command = tb.idCommand;
    b.state = tb.fsState;
    b.style = tb.fsStyle;
    b.data = tb.dwData;
    b.string = tb.iString;
    if (tb.iString >= 0 && static_cast<std::size_t>(tb.iString) < s.strings.size()) b.text = s.strings[static_cast<std::size_t>(tb.iString)];
    else if (tb.iString > 0xFFFF) b.text = reinterpret_cast<LPCTSTR>(tb.iString);
    return b;
}

BYTE SetBit(BYTE state, BYTE bit, bool on) { return on ? static_cast<BYTE>(state | bit) : static_cast<BYTE>(state & ~bit); }

// A TB_ message that changes one bit of a button's state: wParam the command, LOWORD(lParam) on/off.
LRESULT ChangeState(HWND h, ToolBarState& s, WPARAM id, BYTE bit, bool on) {
    const int i = IndexOfCommand(s, id);
    if (i < 0) return FALSE;
    Button& b = s.buttons[static_cast<std::size_t>(i)];
    const BYTE next = SetBit(b.state, bit, on);
    if (next != b.state) {
        b.state = next;
        if (bit == TBSTATE_ENABLED && !on && s.hot == i) s.hot = -1;
        InvalidateRect(h, nullptr, TRUE);
    }
    return TRUE;
}

void Click(HWND h, ToolBarState& s, int i) {
    Button& b = s.buttons[static_cast<std::size_t>(i)];
    if ((b.style & BTNS_CHECKGROUP) == BTNS_CHECKGROUP) {
        // Checks this one and clears the other members of its group (the neighbouring check-group buttons).
        int first = i, last = i;
        while (first > 0 && (s.buttons[static_cast<std::size_t>(first - 1)].style & BTNS_CHECKGROUP) == BTNS_CHECKGROUP) --first;
        while (last + 1 < static_cast<int>(s.buttons.size()) &&
               (s.buttons[static_cast<std::size_t>(last + 1)].style & BTNS_CHECKGROUP) == BTNS_CHECKGROUP)
            ++last;
        for (int k = first; k <= last; ++k)
            s.buttons[static_cast<std::size_t>(k)].state = SetBit(s.buttons[static_cast<std::size_t>(k)].state, TBSTATE_CHECKED, k == i);
    } else if (b.style & BTNS_CHECK) {
        b.state ^= TBSTATE_CHECKED;
    }
    InvalidateRect(h, nullptr, TRUE);
    const int command = b.command;
    HWND notify = IsWindow(s.notify) ? s.notify : GetParent(h);
    if (notify) SendMessage(notify, WM_COMMAND, MAKEWPARAM(command, 0), reinterpret_cast<LPARAM>(h));
}

}  // namespace

LRESULT ToolBarWindowProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        States().erase(h);
        return DefWindowProc(h, message, wParam, lParam);
    }
    ToolBarState& s = StateOf(h);
    switch (message) {
    case WM_ERASEBKGND: {
        CRect rc;
        GetClientRect(h, &rc);
        CDC::FromHandle(reinterpret_cast<HDC>(wParam))->FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: Paint(h, s); return 0;
    case WM_SETFONT:
        DefWindowProc(h, message, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int i = HitTestPoint(h, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (i < 0 || !(s.buttons[static_cast<std::size_t>(i)].state & TBSTATE_ENABLED)) return 0;
        QToolTip::hideText();
        KillTimer(h, kTipTimer);
        s.pressed = i;
        s.buttons[static_cast<std::size_t>(i)].state |= TBSTATE_PRESSED;
        SetCapture(h);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    }
    case WM_MOUSEMOVE: {
        const int i = HitTestPoint(h, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (s.pressed >= 0) {
            Button& b = s.buttons[static_cast<std::size_t>(s.pressed)];
            const BYTE next = SetBit(b.state, TBSTATE_PRESSED, i == s.pressed);
            if (next != b.state) {
                b.state = next;
                InvalidateRect(h, nullptr, TRUE);
            }
            return 0;
        }
        SetHot(h, s, i >= 0 && (s.buttons[static_cast<std::size_t>(i)].state & TBSTATE_ENABLED) ? i : -1, true);
        return 0;
    }
    case WM_LBUTTONUP: {
        if (s.pressed < 0) return 0;
        const int pressed = s.pressed;
        s.pressed = -1;
        const bool inside = HitTestPoint(h, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == pressed;
        s.buttons[static_cast<std::size_t>(pressed)].state &= static_cast<BYTE>(~TBSTATE_PRESSED);
        if (GetCapture() == h) ReleaseCapture();
        InvalidateRect(h, nullptr, TRUE);
        if (inside && IsWindow(h)) Click(h, s, pressed);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (s.pressed >= 0 && reinterpret_cast<HWND>(lParam) != h) {
            s.buttons[static_cast<std::size_t>(s.pressed)].state &= static_cast<BYTE>(~TBSTATE_PRESSED);
            s.pressed = -1;
            InvalidateRect(h, nullptr, TRUE);
        }
        return 0;
    case WM_MOUSELEAVE:
        if (s.pressed < 0) SetHot(h, s, -1, true);
        return 0;
    case WM_TIMER:
        if (wParam != kTipTimer) return DefWindowProc(h, message, wParam, lParam);
        KillTimer(h, kTipTimer);
        if (s.hot >= 0) {
            const CString tip = TipOf(s.buttons[static_cast<std::size_t>(s.hot)].command);
            if (!tip.IsEmpty()) {
                const std::vector<CRect> rects = Layout(h, s);
                POINT at{rects[static_cast<std::size_t>(s.hot)].left, rects[static_cast<std::size_t>(s.hot)].bottom + 2};
                ClientToScreen(h, &at);
                QToolTip::showText(QPoint(at.x, at.y), QString::fromStdWString(tip.GetString()));
            }
        }
        return 0;
    case WM_DESTROY:
        KillTimer(h, kTipTimer);
        return DefWindowProc(h, message, wParam, lParam);

    case TB_BUTTONSTRUCTSIZE: return 0;
    case TB_ADDBUTTONS:
    case TB_INSERTBUTTON: {
        const auto* buttons = reinterpret_cast<LPCTBBUTTON>(lParam);
        if (!buttons) return FALSE;
        const int count = message == TB_ADDBUTTONS ? static_cast<int>(wParam) : 1;
        std::size_t at = message == TB_ADDBUTTONS ? s.buttons.size() : std::min<std::size_t>(wParam, s.buttons.size());
        for (int k = 0; k < count; ++k)
            s.buttons.insert(s.buttons.begin() + static_cast<std::ptrdiff_t>(at++), FromTBBUTTON(s, buttons[k]));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case TB_DELETEBUTTON:
        if (wParam >= s.buttons.size()) return FALSE;
        s.buttons.erase(s.buttons.begin() + static_cast<std::ptrdiff_t>(wParam));
        s.hot = -1;
        s.pressed = -1;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TB_BUTTONCOUNT: return static_cast<LRESULT>(s.buttons.size());
    case TB_GETBUTTON: {
        auto* out = reinterpret_cast<LPTBBUTTON>(lParam);
        if (wParam >= s.buttons.size() || !out) return FALSE;
        const Button& b = s.buttons[wParam];
        *out = TBBUTTON{b.image, b.command, b.state, b.style, {0, 0, 0, 0, 0, 0}, b.data, b.string};
        return TRUE;
    }
    case TB_COMMANDTOINDEX: return IndexOfCommand(s, wParam);
    case TB_GETITEMRECT:
    case TB_GETRECT: {
        const int i = message == TB_GETRECT ? IndexOfCommand(s, wParam) : static_cast<int>(wParam);
        auto* out = reinterpret_cast<LPRECT>(lParam);
        if (i < 0 || static_cast<std::size_t>(i) >= s.buttons.size() || !out) return FALSE;
        *out = Layout(h, s)[static_cast<std::size_t>(i)];
        return !(s.buttons[static_cast<std::size_t>(i)].state & TBSTATE_HIDDEN);
    }
    case TB_HITTEST: {
        auto* pt = reinterpret_cast<LPPOINT>(lParam);
        return pt ? HitTestPoint(h, s, *pt) : -1;
    }
    case TB_ADDSTRING: {
        const int first = static_cast<int>(s.strings.size());
        if (wParam) {
            // A string of the pack by id.
            s.strings.emplace_back(LoadResString(static_cast<UINT>(lParam)).GetString());
            return first;
        }
        for (auto p = reinterpret_cast<LPCTSTR>(lParam); p && *p; p += std::wcslen(p) + 1) s.strings.emplace_back(p);
        return first;
    }
    case TB_ENABLEBUTTON: return ChangeState(h, s, wParam, TBSTATE_ENABLED, LOWORD(lParam) != 0);
    case TB_CHECKBUTTON: return ChangeState(h, s, wParam, TBSTATE_CHECKED, LOWORD(lParam) != 0);
    case TB_PRESSBUTTON: return ChangeState(h, s, wParam, TBSTATE_PRESSED, LOWORD(lParam) != 0);
    case TB_HIDEBUTTON: return ChangeState(h, s, wParam, TBSTATE_HIDDEN, LOWORD(lParam) != 0);
    case TB_INDETERMINATE: return ChangeState(h, s, wParam, TBSTATE_INDETERMINATE, LOWORD(lParam) != 0);
    case TB_MARKBUTTON: return ChangeState(h, s, wParam, TBSTATE_MARKED, LOWORD(lParam) != 0);
    case TB_ISBUTTONENABLED:
    case TB_ISBUTTONCHECKED:
    case TB_ISBUTTONPRESSED:
    case TB_ISBUTTONHIDDEN: {
        const int i = IndexOfCommand(s, wParam);
        if (i < 0) return 0;
        const BYTE bit = message == TB_ISBUTTONENABLED   ? TBSTATE_ENABLED
                         : message == TB_ISBUTTONCHECKED ? TBSTATE_CHECKED
                         : message == TB_ISBUTTONPRESSED ? TBSTATE_PRESSED
                                                         : TBSTATE_HIDDEN;
        return (s.buttons[static_cast<std::size_t>(i)].state & bit) ? TRUE : FALSE;
    }
    case TB_SETSTATE: {
        const int i = IndexOfCommand(s, wParam);
        if (i < 0) return FALSE;
        s.buttons[static_cast<std::size_t>(i)].state = static_cast<BYTE>(LOWORD(lParam));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case TB_GETSTATE: {
        const int i = IndexOfCommand(s, wParam);
        return i < 0 ? -1 : s.buttons[static_cast<std::size_t>(i)].state;
    }
    case TB_GETBITMAP: {
        const int i = IndexOfCommand(s, wParam);
        return i < 0 ? -1 : s.buttons[static_cast<std::size_t>(i)].image;
    }
    case TB_GETBUTTONTEXT: {
        const int i = IndexOfCommand(s, wParam);
        if (i < 0) return -1;
        const std::wstring& text = s.buttons[static_cast<std::size_t>(i)].text;
        if (auto* buffer = reinterpret_cast<LPTSTR>(lParam)) {
            std::copy(text.begin(), text.end(), buffer);
            buffer[text.size()] = 0;
        }
        return static_cast<LRESULT>(text.size());
    }
    case TB_SETBUTTONINFO:
    case TB_GETBUTTONINFO: {
        auto* info = reinterpret_cast<LPTBBUTTONINFO>(lParam);
        if (!info) return message == TB_SETBUTTONINFO ? FALSE : -1;
        const int i = (info->dwMask & TBIF_BYINDEX) ? static_cast<int>(wParam) : IndexOfCommand(s, wParam);
        if (i < 0 || static_cast<std::size_t>(i) >= s.buttons.size()) return message == TB_SETBUTTONINFO ? FALSE : -1;
        Button& b = s.buttons[static_cast<std::size_t>(i)];
        if (message == TB_GETBUTTONINFO) {
            if (info->dwMask & TBIF_COMMAND) info->idCommand = b.command;
            if (info->dwMask & TBIF_IMAGE) info->iImage = b.image;
            if (info->dwMask & TBIF_STATE) info->fsState = b.state;
            if (info->dwMask & TBIF_STYLE) info->fsStyle = b.style;
            if (info->dwMask & TBIF_LPARAM) info->lParam = b.data;
            if (info->dwMask & TBIF_SIZE) info->cx = static_cast<WORD>(Layout(h, s)[static_cast<std::size_t>(i)].Width());
            if ((info->dwMask & TBIF_TEXT) && info->pszText && info->cchText > 0) {
                const std::size_t n = std::min<std::size_t>(b.text.size(), static_cast<std::size_t>(info->cchText - 1));
                std::copy_n(b.text.begin(), n, info->pszText);
                info->pszText[n] = 0;
            }
            return i;
        }
        if (info->dwMask & TBIF_COMMAND) b.command = info->idCommand;
        if (info->dwMask & TBIF_IMAGE) b.image = info->iImage;
        if (info->dwMask & TBIF_STATE) b.state = info->fsState;
        if (info->dwMask & TBIF_STYLE) b.style = info->fsStyle;
        if (info->dwMask & TBIF_LPARAM) b.data = info->lParam;
        if (info->dwMask & TBIF_SIZE) b.width = info->cx;
        if (info->dwMask & TBIF_TEXT) b.text = info->pszText ? info->pszText : L"";
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case TB_SETIMAGELIST:
    case TB_SETHOTIMAGELIST:
    case TB_SETDISABLEDIMAGELIST: {
        const int k = message == TB_SETIMAGELIST ? 0 : message == TB_SETHOTIMAGELIST ? 1 : 2;
        HIMAGELIST old = s.images[k];
        s.images[k] = reinterpret_cast<HIMAGELIST>(lParam);
        if (k == 0 && s.images[0]) {
            int cx = 0, cy = 0;
            if (ImageList_GetIconSize(s.images[0], &cx, &cy)) s.bitmapSize = CSize(cx, cy);
        }
        InvalidateRect(h, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case TB_GETIMAGELIST: return reinterpret_cast<LRESULT>(s.images[0]);
    case TB_GETHOTIMAGELIST: return reinterpret_cast<LRESULT>(s.images[1]);
    case TB_GETDISABLEDIMAGELIST: return reinterpret_cast<LRESULT>(s.images[2]);
    case TB_SETBITMAPSIZE:
        s.bitmapSize = CSize(LOWORD(lParam), HIWORD(lParam));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TB_SETBUTTONSIZE:
        s.buttonSize = CSize(LOWORD(lParam), HIWORD(lParam));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TB_GETBUTTONSIZE: {
        const CSize size = ButtonSize(s);
        return MAKELONG(size.cx, size.cy);
    }
    case TB_SETHOTITEM: {
        const int old = s.hot;
        const int i = static_cast<int>(static_cast<INT_PTR>(wParam));
        SetHot(h, s, i >= 0 && static_cast<std::size_t>(i) < s.buttons.size() ? i : -1, false);
        return old;
    }
    case TB_GETHOTITEM: return s.hot;
    case TB_GETMAXSIZE: {
        auto* size = reinterpret_cast<LPSIZE>(lParam);
        if (!size) return FALSE;
        CSize total(0, 0);
        for (const CRect& rc : Layout(h, s)) {
            total.cx = std::max<LONG>(total.cx, rc.right);
            total.cy = std::max<LONG>(total.cy, rc.bottom);
        }
        *size = total;
        return TRUE;
    }
    case TB_AUTOSIZE: {
        if (GetWindowLong(h, GWL_STYLE) & CCS_NORESIZE) return 0;
        HWND parent = GetParent(h);
        if (!parent) return 0;
        CRect pc;
        GetClientRect(parent, &pc);
        SIZE size{0, 0};
        SendMessage(h, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
        CRect mine;
        GetWindowRect(h, &mine);
        POINT origin{mine.left, mine.top};
        ScreenToClient(parent, &origin);
        MoveWindow(h, 0, origin.y, pc.Width(), std::max<int>(size.cy, ButtonSize(s).cy), TRUE);
        return 0;
    }
    case TB_SETINDENT:
        s.indent = static_cast<int>(wParam);
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    case TB_SETPARENT: {
        HWND old = s.notify;
        s.notify = reinterpret_cast<HWND>(wParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case TB_SETSTYLE: SetWindowLong(h, GWL_STYLE, static_cast<LONG>(lParam)); InvalidateRect(h, nullptr, TRUE); return 0;
    case TB_GETSTYLE: return GetWindowLong(h, GWL_STYLE);
    case TB_SETEXTENDEDSTYLE: {
        const DWORD old = s.extendedStyle;
        s.extendedStyle = static_cast<DWORD>(lParam);
        return static_cast<LRESULT>(old);
    }
    case TB_GETEXTENDEDSTYLE: return static_cast<LRESULT>(s.extendedStyle);
    default: return DefWindowProc(h, message, wParam, lParam);
    }
}

CString GetToolBarButtonTip(HWND h, int index) {
    if (!IsWindow(h)) return CString();
    ToolBarState& s = StateOf(h);
    if (index < 0 || static_cast<std::size_t>(index) >= s.buttons.size() || s.buttons[static_cast<std::size_t>(index)].IsSeparator())
        return CString();
    return TipOf(s.buttons[static_cast<std::size_t>(index)].command);
}

void AfxRegisterBarClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASS wc{};
    wc.lpfnWndProc = &ToolBarWindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = TOOLBARCLASSNAME;
    RegisterClass(&wc);
    wc.lpfnWndProc = &ReBarWindowProc;
    wc.lpszClassName = REBARCLASSNAME;
    RegisterClass(&wc);
    wc.lpfnWndProc = &::DefWindowProc;
    wc.lpszClassName = STATUSCLASSNAME;
    RegisterClass(&wc);
}

// CToolBarCtrl

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxRegisterBarClasses();
    return CWnd::CreateEx(dwExStyle, TOOLBARCLASSNAME, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPCTBBUTTON lpButtons) {
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(lpButtons)));
}
BOOL CToolBarCtrl::InsertButton(int nIndex, LPCTBBUTTON lpButton) {
    return static_cast<BOOL>(SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton)));
}
BOOL CToolBarCtrl::DeleteButton(int nIndex) { return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex))); }
int CToolBarCtrl::GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const {
    return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton)));
}
int CToolBarCtrl::CommandToIndex(UINT nID) const { return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nID)); }
BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}
BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const {
    return static_cast<BOOL>(SendMessage(TB_GETRECT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpRect)));
}
int CToolBarCtrl::HitTest(LPPOINT ppt) const { return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(ppt))); }
int CToolBarCtrl::AddString(UINT nStringID) { return static_cast<int>(SendMessage(TB_ADDSTRING, 1, nStringID)); }
int CToolBarCtrl::AddStrings(LPCTSTR lpszStrings) {
    return static_cast<int>(SendMessage(TB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszStrings)));
}
BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable) {
    return static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bEnable, 0)));
}
BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck) {
    return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bCheck, 0)));
}
BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress) {
    return static_cast<BOOL>(SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bPress, 0)));
}
BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide) {
    return static_cast<BOOL>(SendMessage(TB_HIDEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHide, 0)));
}
BOOL CToolBarCtrl::Indeterminate(int nID, BOOL bIndeterminate) {
    return static_cast<BOOL>(SendMessage(TB_INDETERMINATE, static_cast<WPARAM>(nID), MAKELPARAM(bIndeterminate, 0)));
}
BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonPressed(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONPRESSED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonHidden(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::SetState(int nID, UINT nState) {
    return static_cast<BOOL>(SendMessage(TB_SETSTATE, static_cast<WPARAM>(nID), MAKELPARAM(nState, 0)));
}
int CToolBarCtrl::GetState(int nID) const { return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFO* ptbbi) {
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi)));
}
int CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const {
    return static_cast<int>(SendMessage(TB_GETBUTTONINFO, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi)));
}
int CToolBarCtrl::GetButtonText(int nID, CString& text) const {
    const int length = static_cast<int>(SendMessage(TB_GETBUTTONTEXT, static_cast<WPARAM>(nID), 0));
    if (length < 0) {
        text.Empty();
        return -1;
    }
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessage(TB_GETBUTTONTEXT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(length));
    text = CString(buffer);
    return length;
}

namespace {
CImageList* ListWrapper(LRESULT h) {
    // Image lists handed to the control stay owned by the caller; a wrapper per handle.
    static auto* wrappers = new std::map<HIMAGELIST, std::unique_ptr<CImageList>>;
    auto handle = reinterpret_cast<HIMAGELIST>(h);
    if (!handle) return nullptr;
    auto& w = (*wrappers)[handle];
    if (!w) {
        w = std::make_unique<CImageList>();
        w->m_hImageList = handle;
    }
    return w.get();
}
}  // namespace

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList) {
    return ListWrapper(SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}
CImageList* CToolBarCtrl::GetImageList() const { return ListWrapper(SendMessage(TB_GETIMAGELIST)); }
CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList) {
    return ListWrapper(SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}
CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList) {
    return ListWrapper(
        SendMessage(TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}
BOOL CToolBarCtrl::SetBitmapSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
BOOL CToolBarCtrl::SetButtonSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
DWORD CToolBarCtrl::GetButtonSize() const { return static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE)); }
int CToolBarCtrl::SetHotItem(int nHot) { return static_cast<int>(SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(static_cast<INT_PTR>(nHot)))); }
int CToolBarCtrl::GetHotItem() const { return static_cast<int>(SendMessage(TB_GETHOTITEM)); }
void CToolBarCtrl::AutoSize() { SendMessage(TB_AUTOSIZE); }
BOOL CToolBarCtrl::GetMaxSize(LPSIZE pSize) const { return static_cast<BOOL>(SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(pSize))); }
BOOL CToolBarCtrl::SetIndent(int iIndent) { return static_cast<BOOL>(SendMessage(TB_SETINDENT, static_cast<WPARAM>(iIndent))); }
CString CToolBarCtrl::GetButtonTip(int nIndex) const { return GetToolBarButtonTip(m_hWnd, nIndex); }
