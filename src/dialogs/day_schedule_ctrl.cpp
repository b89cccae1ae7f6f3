#include "dialogs/day_schedule_ctrl.h"

#include <algorithm>

#include "controls/filter_edit.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resources.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

constexpr UINT kScrollBarId = 100;
constexpr int kLabelIndent = 50;

CString FormatTime(const wchar_t* format, __time64_t t) {
    struct tm local = {};
    if (_localtime64_s(&local, &t) != 0) return CString();
    return FormatTm(format, local);
}

HICON LoadPackIcon(UINT id) {
    return ::LoadIcon(AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_ICON), MAKEINTRESOURCE(id));
}

void FillRaised(CDC& dc, const CRect& rect, COLORREF fill) {
    dc.FillSolidRect(&rect, fill);
    dc.Draw3dRect(&rect, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
}

bool StripContains(const CDayScheduleCtrl& ctrl, CPoint point) {
    return point.x >= ctrl.TimeColumnRight() && point.x < ctrl.StripRight();
}

}  // namespace

BEGIN_MESSAGE_MAP(CDayScheduleCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDITW, &CDayScheduleCtrl::OnEndLabelEdit)
    ON_COMMAND(ID_SCHEDULE_ZOOM_IN, &CDayScheduleCtrl::ZoomIn)
    ON_COMMAND(ID_SCHEDULE_ZOOM_OUT, &CDayScheduleCtrl::ZoomOut)
    ON_COMMAND(ID_SCHEDULE_SPLIT, &CDayScheduleCtrl::SplitSelected)
    ON_COMMAND(ID_SCHEDULE_DELETE, &CDayScheduleCtrl::DeleteSelected)
    ON_COMMAND(ID_SCHEDULE_EDIT_LABEL, &CDayScheduleCtrl::EditSelectedLabel)
END_MESSAGE_MAP()

CDayScheduleCtrl::CDayScheduleCtrl() = default;

CDayScheduleCtrl::~CDayScheduleCtrl() {
    if (m_hEndIcon) DestroyIcon(m_hEndIcon);
    if (m_hMarkerIcon) DestroyIcon(m_hMarkerIcon);
}

int CDayScheduleCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowWindow(SW_SHOW);
    {
        CClientDC dc(this);
        m_dScale = dc.GetDeviceCaps(LOGPIXELSY) / 96.0;
    }
    m_model.m_nRowHeight = static_cast<int>(36 * m_dScale);
    m_hourFont.CreateFont(static_cast<int>(26 * m_dScale), 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_SWISS, L"Tahoma");
    m_smallFont.CreateFont(static_cast<int>(14 * m_dScale), 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_SWISS, L"Tahoma");
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_smallFont.GetSafeHandle()), 0);
    m_hEndIcon = LoadPackIcon(IDI_SCHEDULE_END);
    m_hMarkerIcon = LoadPackIcon(IDI_SCHEDULE_MARKER);
    return 0;
}

int CDayScheduleCtrl::BodyRight() const {
    CRect client;
    GetClientRect(&client);
    return client.right - GetSystemMetrics(SM_CYHSCROLL);
}

void CDayScheduleCtrl::CloseEditor() {
    CFilterEdit& editor = CFilterEdit::GetInstance();
    if (editor.GetSafeHwnd()) editor.DestroyWindow();
}

// ---- Scrolling and zoom ---------------------------------------------------------------------

void CDayScheduleCtrl::UpdateScrollBar() {
    if (!m_scrollBar.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int width = GetSystemMetrics(SM_CYHSCROLL);
    m_scrollBar.MoveWindow(client.right - width, 0, width, client.Height());
    // The range is the content's height, whatever part of it is scrolled away now.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = m_model.ContentYFromTime(m_model.GetDayEnd()) + 36;
    info.nPage = static_cast<UINT>(std::clamp(client.Height(), 0, std::max(info.nMax, 0)));
    info.nPos = std::clamp(m_model.m_nScrollOffset, 0, std::max(info.nMax, 0));
    m_scrollBar.SetScrollInfo(&info, TRUE);
}

void CDayScheduleCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    CloseEditor();
    if (GetSafeHwnd()) UpdateScrollBar();
}

void CDayScheduleCtrl::OnVScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    const int page = static_cast<int>(info.nPage), last = std::max(0, info.nMax - page);
    int offset = m_model.m_nScrollOffset;
    switch (code) {
    case SB_LINEUP: offset = offset - 10 > info.nMin ? offset - 10 : 0; break;
    case SB_LINEDOWN: offset = offset < last - 10 ? offset + 10 : last; break;
    case SB_PAGEUP: offset = std::max(0, offset - page); break;
    case SB_PAGEDOWN: offset = offset < last ? std::min(offset + page, last) : offset; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: offset = info.nTrackPos; break;
    default: break;
    }
    m_model.m_nScrollOffset = std::max(0, offset);
    m_scrollBar.SetScrollPos(m_model.m_nScrollOffset, TRUE);
    Invalidate(FALSE);
    m_scrollBar.Invalidate();
}

void CDayScheduleCtrl::ZoomIn() {
    CloseEditor();
    m_model.ZoomIn();
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CDayScheduleCtrl::ZoomOut() {
    CloseEditor();
    m_model.ZoomOut();
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CDayScheduleCtrl::SplitSelected() {
    CloseEditor();
    if (m_model.SplitSelected()) Invalidate(FALSE);
}

void CDayScheduleCtrl::DeleteSelected() {
    CloseEditor();
    if (m_model.DeleteSelected()) Invalidate(FALSE);
}

void CDayScheduleCtrl::Layout() {
    const int left = StripRight(), right = BodyRight();
    int top = m_model.YFromTime(m_model.m_tDayStart);
    for (std::size_t i = 0; i < m_model.GetCount(); ++i) {
        CScheduleInterval& interval = m_model.m_arrIntervals[i];
        const int end = m_model.YFromTime(m_model.GetEnd(i));
        interval.m_rcBody = CRect(left, top - 1, right, end + 1);
        top = end + 1;
        interval.m_rcMarker = i + 1 < m_model.GetCount() ? CRect(TimeColumnRight(), end - 6, left, end - 2) : CRect();
    }
}

// ---- Painting -------------------------------------------------------------------------------

void CDayScheduleCtrl::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    client.right = BodyRight();
    CDC dc;
    dc.CreateCompatibleDC(&paint);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&paint, std::max(1, client.Width()), std::max(1, client.Height()));
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&m_smallFont);
    Layout();
    PaintTimeColumn(dc, client);
    PaintMarkerStrip(dc, client);
    PaintBodies(dc, client);
    // The boundary being dragged shows as an inverted band at the cursor.
    if (m_bButtonDown && m_bAtBoundary) {
        CRect band(StripRight(), m_ptDrag.y - 1, client.right, m_ptDrag.y + 1);
        dc.InvertRect(&band);
    }
    paint.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldBitmap);
}

void CDayScheduleCtrl::PaintTimeColumn(CDC& dc, const CRect& client) {
    const CRect column(client.left, client.top, client.left + TimeColumnRight(), client.bottom);
    dc.FillSolidRect(&column, GetSysColor(COLOR_BTNFACE));
    const COLORREF frame = GetSysColor(COLOR_WINDOWTEXT);
    dc.Draw3dRect(column.left, column.top - 2, column.Width(), column.Height() + 4, frame, frame);
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    const int rowHeight = m_model.m_nRowHeight, middle = (column.left + column.right) / 2;
    const __time64_t end = CDayScheduleModel::SecondMidnight(), step = m_model.GetRowLength();
    int i = 0;
    for (__time64_t t = m_model.GetFirstRowTime(); t < end; t += step, ++i) {
        const int y = client.top - m_model.m_nScrollOffset + rowHeight * i;
        if (y + rowHeight + 5 < client.top) continue;
        if (y > client.bottom) break;
        dc.MoveTo(column.left + 3, y);
        dc.LineTo(column.right - 3, y);
        const int half = y + static_cast<int>(18 * m_dScale);
        dc.MoveTo(column.left + 3, half);
        dc.LineTo(middle - 3, half);
        CString hour, minute;
        hour.Format(L"%-2s", FormatTime(L"%H", t).GetString());
        minute.Format(L"%-2s", FormatTime(L"%M", t).GetString());
        CRect text(column.left + 2, y + 5, column.right - 2, y + 5 + rowHeight);
        CFont* old = dc.SelectObject(&m_hourFont);
        dc.DrawText(hour, &text, DT_RIGHT | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectObject(&m_smallFont);
        text.OffsetRect(0, -3);
        text.right -= static_cast<int>(25 * m_dScale);
        dc.DrawText(minute, &text, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectObject(old);
    }
    dc.SelectObject(oldPen);
}

void CDayScheduleCtrl::PaintMarkerStrip(CDC& dc, const CRect& client) {
    const CRect strip(TimeColumnRight(), client.top, StripRight(), client.bottom);
    FillRaised(dc, strip, RGB(160, 160, 96));
    const int top = m_model.YFromTime(m_model.m_tDayStart), bottom = m_model.YFromTime(m_model.GetDayEnd());
    FillRaised(dc, CRect(strip.left, top, strip.right, bottom), RGB(255, 255, 128));
    if (m_hEndIcon) {
        dc.DrawIcon(strip.left, top - 7, m_hEndIcon);
        dc.DrawIcon(strip.left, bottom - 7, m_hEndIcon);
    }
    for (std::size_t i = 0; i + 1 < m_model.GetCount(); ++i)
        if (m_hMarkerIcon) dc.DrawIcon(strip.left, m_model.m_arrIntervals[i].m_rcMarker.top, m_hMarkerIcon);
    if (m_bButtonDown && StripContains(*this, m_ptPress) && m_ptPress.y > 0 && m_hMarkerIcon)
        dc.DrawIcon(strip.left, m_ptPress.y - 6, m_hMarkerIcon);
}

void CDayScheduleCtrl::PaintBodies(CDC& dc, const CRect& client) {
    const int left = StripRight(), right = client.right;
    int top = m_model.YFromTime(m_model.m_tDayStart);
    if (top > client.top) FillRaised(dc, CRect(left, client.top, right, top), GetSysColor(COLOR_BTNSHADOW));
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    for (std::size_t i = 0; i < m_model.GetCount(); ++i) {
        const CScheduleInterval& interval = m_model.m_arrIntervals[i];
        CRect rect(left, top, right, interval.m_rcBody.bottom);
        const COLORREF fill = interval.m_bSelected            ? GetSysColor(COLOR_INFOBK)
                              : !interval.m_strLabel.IsEmpty() ? RGB(128, 255, 255)
                                                               : GetSysColor(COLOR_WINDOW);
        dc.FillSolidRect(&rect, fill);
        top = rect.bottom;
        rect.top -= 1;
        dc.Draw3dRect(&rect, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT));
        CRect text(rect.left + 4, rect.top + (rect.Height() < 16 ? 0 : 1), rect.right, rect.bottom);
        dc.DrawText(FormatTime(L"%H:%M", m_model.GetStart(i)), &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
        text.left += kLabelIndent;
        dc.DrawText(interval.m_strLabel, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    if (m_model.GetCount() > 0 && top < client.bottom)
        FillRaised(dc, CRect(left, top, right, client.bottom), GetSysColor(COLOR_BTNSHADOW));
}

// ---- Mouse ----------------------------------------------------------------------------------

void CDayScheduleCtrl::OnMouseMove(UINT, CPoint point) {
    if (!m_bButtonDown && point.x > StripRight() + kDragBandRoom) {
        m_bAtBoundary = m_model.IsBoundary(m_model.TimeFromY(point.y)) ? 1 : 0;
        if (m_bAtBoundary) ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
    } else if (m_bButtonDown && m_bAtBoundary) {
        m_ptDrag = point;
        Invalidate(FALSE);
    }
}

void CDayScheduleCtrl::OnLButtonDown(UINT, CPoint point) {
    CloseEditor();
    m_bButtonDown = 1;
    m_ptPress = point;
    if (point.x > StripRight()) {
        if (m_bAtBoundary) {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
            m_ptDrag = m_ptPress;
            SetCapture();
        } else {
            Layout();
            bool hit = false;
            for (std::size_t i = 0; i < m_model.GetCount(); ++i) {
                const CScheduleInterval& interval = m_model.m_arrIntervals[i];
                if (!interval.m_rcBody.PtInRect(point)) continue;
                hit = true;
                if (!interval.m_bSelected) m_model.SelectOnly(static_cast<int>(i));
            }
            if (!hit) m_model.SelectOnly(-1);
        }
    }
    Invalidate(FALSE);
}

void CDayScheduleCtrl::OnLButtonUp(UINT, CPoint point) {
    m_bButtonDown = 0;
    const __time64_t pressed = m_model.TimeFromY(m_ptPress.y);
    if (m_bAtBoundary) {
        m_bAtBoundary = 0;
        ReleaseCapture();
        m_model.DragBoundary(pressed, m_model.TimeFromY(point.y));
    } else if (StripContains(*this, m_ptPress)) {
        Layout();
        bool onMarker = false;
        for (const CScheduleInterval& interval : m_model.m_arrIntervals) {
            CRect widened = interval.m_rcMarker;
            widened.InflateRect(0, 2);
            if (!interval.m_rcMarker.IsRectNull() && widened.PtInRect(m_ptPress)) onMarker = true;
        }
        if (StripContains(*this, point)) {
            if (!onMarker) m_model.SplitAt(pressed);
        } else {
            m_model.RemoveBoundary(pressed);
        }
    }
    Invalidate(FALSE);
}

void CDayScheduleCtrl::OnLButtonDblClk(UINT, CPoint point) {
    if (m_bAtBoundary) return;
    Layout();
    for (std::size_t i = 0; i < m_model.GetCount(); ++i) {
        const CScheduleInterval& interval = m_model.m_arrIntervals[i];
        if (interval.m_bSelected && interval.m_rcBody.PtInRect(point)) StartLabelEdit(static_cast<int>(i));
    }
}

// ---- Label editing --------------------------------------------------------------------------

void CDayScheduleCtrl::EditSelectedLabel() {
    CloseEditor();
    const int index = m_model.GetFirstSelected();
    if (index < 0) return;
    Layout();
    StartLabelEdit(index);
}

void CDayScheduleCtrl::StartLabelEdit(int index) {
    const CScheduleInterval& interval = m_model.m_arrIntervals[static_cast<std::size_t>(index)];
    CRect rect = interval.m_rcBody;
    rect.left += kLabelIndent;
    m_nEditedSerial = interval.m_nSerial;
    CFilterEdit& editor = CFilterEdit::GetInstance();
    editor.m_nItem = 0;
    editor.m_nSubItem = 0;
    editor.m_bCancelled = 0;
    editor.m_strAllowed.Empty();
    editor.m_strInitial = interval.m_strLabel;
    if (!editor.GetSafeHwnd())
        editor.Create(WS_CHILD | WS_BORDER | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL, rect, this, 0);
}

void CDayScheduleCtrl::OnEndLabelEdit(NMHDR* hdr, LRESULT* result) {
    *result = 0;
    const auto* info = reinterpret_cast<const NMLVDISPINFO*>(hdr);
    // The label goes to the interval the editor was opened on, when that one is still there.
    const int index = m_model.FindSerial(m_nEditedSerial);
    m_nEditedSerial = 0;
    if (index < 0) return;
    const CString text = info->item.pszText ? CString(info->item.pszText) : CString();
    CScheduleInterval& interval = m_model.m_arrIntervals[static_cast<std::size_t>(index)];
    if (text == interval.m_strLabel) return;
    if (!CDayScheduleModel::IsValidLabel(text)) {
        MessageBox(LoadResString(IDS_SCHEDULE_LABEL_SEMICOLON), LoadResString(IDS_ERROR_CAPTION), MB_ICONHAND);
        return;
    }
    interval.m_strLabel = text;
    Invalidate(FALSE);
}
