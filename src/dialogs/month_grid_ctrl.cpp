#include "dialogs/month_grid_ctrl.h"

#include <algorithm>
#include <cwchar>

#include "controls/buffered_paint_dc.h"
#include "dialogs/month_list_popup.h"
#include "platform/core/load_res_string.h"
#include "platform/core/mul_div.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/icon.h"
#include "platform/ui/win_app.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

constexpr int kTodayFrame = RGB(132, 0, 0);

// The first day of the week the language pack names: "0" Saturday, "1" Sunday, "2" Monday.
int PackFirstDayOfWeek() {
    const CString text = LoadResString(IDS_DEFAULT_FIRST_WEEKDAY);
    const int index = text.IsEmpty() ? 1 : static_cast<int>(std::wcstol(text.GetString(), nullptr, 10));
    return index >= 0 && index <= 6 ? (index + 6) % 7 + 1 : 1;
}

void FrameEdges(CDC& dc, const CRect& rect, int topLeft, int bottomRight) {
    dc.Draw3dRect(&rect, GetSysColor(topLeft), GetSysColor(bottomRight));
}

}  // namespace

// ---- Fonts ----------------------------------------------------------------------------------

void CMonthGridFont::Set(const CString& face, int pointSize, int bold, int italic, int underline, COLORREF colour) {
    if (pointSize < 1 || pointSize > 72 || face.IsEmpty()) return;
    m_strFace = face;
    m_nPointSize = pointSize;
    m_bBold = bold;
    m_bItalic = italic;
    m_bUnderline = underline;
    m_crColour = colour;
    m_pFont.reset();
}

void CMonthGridFont::CreateFont(CDC* dc) {
    m_pFont = std::make_unique<CFont>();
    LOGFONT log{};
    log.lfHeight = -MulDiv(m_nPointSize, dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96, 72);
    log.lfWeight = m_bBold ? 700 : 400;
    log.lfQuality = PROOF_QUALITY;
    log.lfItalic = static_cast<BYTE>(m_bItalic ? 1 : 0);
    log.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    log.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(log.lfFaceName, m_strFace.GetString(), LF_FACESIZE - 1);
    m_pFont->CreateFontIndirect(&log);
}

// ---- Construction ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMonthGridCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DEVMODECHANGE, &CMonthGridCtrl::OnSystemChange)
    ON_MESSAGE(WM_PALETTECHANGED, &CMonthGridCtrl::OnSystemChange)
    ON_MESSAGE(WM_SETTINGCHANGE, &CMonthGridCtrl::OnSystemChange)
    ON_MESSAGE(WM_FONTCHANGE, &CMonthGridCtrl::OnSystemChange)
    ON_MESSAGE(WM_TIMECHANGE, &CMonthGridCtrl::OnSystemChange)
    ON_MESSAGE(WM_SYSCOLORCHANGE, &CMonthGridCtrl::OnSystemChange)
END_MESSAGE_MAP()

CMonthGridCtrl::CMonthGridCtrl()
    : m_crBackground(GetSysColor(COLOR_WINDOW)), m_crOtherMonth(GetSysColor(COLOR_GRAYTEXT)) {
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    m_headerFont.Set(m_strFaceName, 8, 1, 0, 0, text);
    m_dayNamesFont.Set(m_strFaceName, 8, 0, 0, 0, text);
    m_daysFont.Set(m_strFaceName, 8, 0, 0, 0, text);
    m_specialDaysFont.Set(m_strFaceName, 8, 1, 0, 0, text);
    LoadTexts();
    SetFirstDayOfWeek(PackFirstDayOfWeek());
    RebuildPanels();
}

void CMonthGridCtrl::LoadTexts() {
    for (int i = 0; i < 12; ++i) m_strMonthNames[static_cast<std::size_t>(i)] = LoadResString(IDS_MONTH_JANUARY + i);
    m_strDayLetters = LoadResString(IDS_DAY_LETTERS);
}

CMonthGridCtrl::~CMonthGridCtrl() { ClosePopup(); }

void CMonthGridCtrl::OnDestroy() {
    ClosePopup();
    KillTimer(kArrowTimer);
    CWnd::OnDestroy();
}

int CMonthGridCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    // The language pack may have come after construction.
    LoadTexts();
    const DWORD style = LOWORD(static_cast<DWORD>(cs->style));
    m_model.m_bRangeMode = (style & kRangeMode) ? 1 : 0;
    m_bTodayFrame = (style & kNoTodayFrame) ? 0 : 1;
    m_bTodayButton = (style & kTodayButton) ? 1 : 0;
    m_bNoneButton = (style & kNoneButton) ? 1 : 0;
    m_bBorder = (style & kNoBorder) ? 0 : 1;
    m_model.m_bAdjacentDays = (style & kNoAdjacentDays) ? 0 : 1;
    if (style & kAutoSize) {
        m_bAutoSize = 1;
        AutoSize();
    }
    return 0;
}

void CMonthGridCtrl::SetRoleFont(CMonthGridFont& font, const CString& f, int s, int b, int i, int u, COLORREF c) {
    font.Set(f, s, b, i, u, c);
    m_bFontsReady = m_bSizesReady = 0;
}
void CMonthGridCtrl::SetHeaderFont(const CString& f, int s, int b, int i, int u, COLORREF c) { SetRoleFont(m_headerFont, f, s, b, i, u, c); }
void CMonthGridCtrl::SetDayNamesFont(const CString& f, int s, int b, int i, int u, COLORREF c) { SetRoleFont(m_dayNamesFont, f, s, b, i, u, c); }
void CMonthGridCtrl::SetDaysFont(const CString& f, int s, int b, int i, int u, COLORREF c) { SetRoleFont(m_daysFont, f, s, b, i, u, c); }
void CMonthGridCtrl::SetSpecialDaysFont(const CString& f, int s, int b, int i, int u, COLORREF c) {
    SetRoleFont(m_specialDaysFont, f, s, b, i, u, c);
}

void CMonthGridCtrl::SetDate(const COleDateTime& date, BOOL none) {
    if (none)
        m_model.SelectNone();
    else
        m_model.SetDate(date);
}

void CMonthGridCtrl::SetFirstDayOfWeek(int day) {
    if (!m_model.SetFirstDayOfWeek(day)) return;
    m_strDayLetters = LoadResString(IDS_DAY_LETTERS);
    if (GetSafeHwnd()) Invalidate(FALSE);
}

LRESULT CMonthGridCtrl::OnSystemChange(WPARAM, LPARAM) {
    const LRESULT result = Default();
    // Colours, fonts, settings and the clock (today's frame) may all look different now.
    Invalidate(FALSE);
    return result;
}

void CMonthGridCtrl::SetMonthYear(int year, int month) {
    if (month >= 1 && month <= 12) m_model.m_nMonth = month;
    if (year >= 100 && year <= 9999) m_model.m_nYear = year;
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CMonthGridCtrl::RebuildPanels() {
    if (m_model.GetPanelCount() <= 0) return;
    m_arrPanels.assign(static_cast<std::size_t>(m_model.GetPanelCount()), Panel());
    m_bSizesReady = 0;
}

bool CMonthGridCtrl::IsSpecialDay(const COleDateTime& date) const {
    if (!m_pfnSpecialDay) return false;
    try {
        return m_pfnSpecialDay(date) != 0;
    } catch (...) {
        return false;
    }
}

void CMonthGridCtrl::Notify(int code) {
    CWnd* parent = GetParent();
    if (!parent) return;
    NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(code)};
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&hdr));
}

// ---- Metrics and layout ---------------------------------------------------------------------

void CMonthGridCtrl::CreateFonts(CDC& dc) {
    for (CMonthGridFont* font : {&m_headerFont, &m_dayNamesFont, &m_daysFont, &m_specialDaysFont}) font->CreateFont(&dc);
    m_bFontsReady = 1;
}

void CMonthGridCtrl::ComputeSizes() {
    CClientDC dc(GetSafeHwnd() ? this : AfxGetMainWnd());
    if (!m_bFontsReady) CreateFonts(dc);
    CFont* old = dc.SelectObject(m_daysFont.m_pFont.get());
    m_nCellWidth = m_nCellHeight = 0;
    for (CMonthGridFont* font : {&m_daysFont, &m_specialDaysFont}) {
        dc.SelectObject(font->m_pFont.get());
        for (int day = 1; day <= 31; ++day) {
            CString text;
            text.Format(L"%02d", day);
            const CSize size = dc.GetTextExtent(text);
            m_nCellWidth = std::max(m_nCellWidth, static_cast<int>(size.cx));
            m_nCellHeight = std::max(m_nCellHeight, static_cast<int>(size.cy));
        }
    }
    dc.SelectObject(m_dayNamesFont.m_pFont.get());
    m_nLetterWidth = 0;
    for (const wchar_t* letter : {L"S", L"M", L"T", L"W", L"F"}) {
        const CSize size = dc.GetTextExtent(letter);
        m_nLetterWidth = std::max(m_nLetterWidth, static_cast<int>(size.cx));
        m_nDayNameHeight = size.cy;
    }
    m_nCellWidth = std::max(m_nCellWidth, m_nLetterWidth);
    const CSize button = dc.GetTextExtent(LoadResString(IDS_MONTH_BUTTON_WIDTH));
    m_nButtonWidth = button.cx + 12;
    m_nButtonHeight = button.cy + 6;
    dc.SelectObject(m_headerFont.m_pFont.get());
    int titleWidth = 0, titleHeight = 0;
    for (int year = m_model.m_nYear - 10; year <= m_model.m_nYear + 10; ++year)
        for (const CString& name : m_strMonthNames) {
            CString title;
            title.Format(L"%s %d", name.GetString(), year);
            const CSize size = dc.GetTextExtent(title);
            titleWidth = std::max(titleWidth, static_cast<int>(size.cx));
            titleHeight = std::max(titleHeight, static_cast<int>(size.cy));
        }
    dc.SelectObject(old);
    m_nTitleHeight = titleHeight + 6;
    m_nPanelWidth = std::max({titleWidth + 30, m_nLetterWidth * 7 + 60, m_nCellWidth * 7 + 60});
    m_nPanelHeight = m_nDayNameHeight + (m_nCellHeight * 6 + 12) + m_nTitleHeight + 12;
    m_bSizesReady = 1;
}

int CMonthGridCtrl::GetButtonsHeight() const {
    return m_bTodayButton || m_bNoneButton ? m_nButtonHeight - 6 + 15 : 0;
}

CSize CMonthGridCtrl::GetTotalSize() {
    if (!m_bSizesReady) ComputeSizes();
    const int border = m_bBorder ? 6 : 0;
    return CSize(m_nPanelWidth * m_model.m_nColumns + border,
                 m_nPanelHeight * m_model.m_nRows + GetButtonsHeight() + border);
}

void CMonthGridCtrl::SetAllFonts(int pointSize) {
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    m_headerFont.Set(m_strFaceName, pointSize, 1, 0, 0, text);
    m_dayNamesFont.Set(m_strFaceName, pointSize, 0, 0, 0, text);
    m_daysFont.Set(m_strFaceName, pointSize, 0, 0, 0, text);
    m_specialDaysFont.Set(m_strFaceName, pointSize, 1, 0, 0, text);
    m_bFontsReady = m_bSizesReady = 0;
}

void CMonthGridCtrl::AutoSize() {
    if (!GetSafeHwnd()) return;
    const int start = CMonthGridModel::StartPointSize(GetSystemMetrics(SM_CXSCREEN));
    CSize space(m_nMaxWidth, m_nMaxHeight);
    if (m_nMaxWidth == -1 && m_nMaxHeight == -1) {
        if (CWnd* parent = GetParent()) {
            CRect own, outer;
            GetWindowRect(&own);
            parent->ScreenToClient(&own);
            parent->GetWindowRect(&outer);
            space = CSize(outer.Width() - own.left, outer.Height() - own.top);
        }
    }
    if (m_nMaxWidth == -2 && m_nMaxHeight == -2) {
        SetAllFonts(start);
    } else {
        CMonthGridModel::FitPointSize(start, m_nMinPointSize, space, [this](int size) {
            SetAllFonts(size);
            return GetTotalSize();
        });
    }
    const CSize total = GetTotalSize();
    SetWindowPos(nullptr, 0, 0, total.cx, total.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
}

void CMonthGridCtrl::Layout() {
    if (!m_bSizesReady) ComputeSizes();
    if (static_cast<int>(m_arrPanels.size()) != m_model.GetPanelCount()) RebuildPanels();
    const int origin = m_bBorder ? 4 : 0, w = m_nPanelWidth, h = m_nTitleHeight;
    m_rcLeftArrow.SetRectEmpty();
    m_rcRightArrow.SetRectEmpty();
    for (int index = 0; index < static_cast<int>(m_arrPanels.size()); ++index) {
        Panel& panel = m_arrPanels[static_cast<std::size_t>(index)];
        const int r = index / m_model.m_nColumns, c = index % m_model.m_nColumns;
        const int x = origin + c * w, y = origin + r * m_nPanelHeight;
        panel.row = r + 1;
        panel.column = c + 1;
        m_model.GetPanelMonth(index, panel.month, panel.year);
        panel.title = CRect(x + 10, y + 1, x + w - 20, y + h - 2);
        const int middle = y + h / 2, a = h / 4;
        if (r == 0 && c == 0) m_rcLeftArrow = CRect(x + 5, middle - a - 1, x + 7 + a, middle + a + 1);
        if (r == 0 && c == m_model.m_nColumns - 1) m_rcRightArrow = CRect(x + w - 11 - a, middle - a - 1, x + w - 9, middle + a + 1);
        const int x0 = x + w / 2 - (m_nCellWidth * 7 + 30) / 2, x1 = x + w / 2 + (m_nCellWidth * 7 + 30) / 2;
        const int daysTop = y + h + m_nDayNameHeight + 4;
        const COleDateTime start = m_model.GetStartDate(panel.month, panel.year);
        for (int k = 0; k < CMonthGridModel::kCells; ++k) {
            Cell& cell = panel.cells[static_cast<std::size_t>(k)];
            cell.date = start + COleDateTimeSpan(k, 0, 0, 0);
            const int cx = x0 + (k % 7) * (m_nCellWidth + 5), top = daysTop + (k / 7) * (m_nCellHeight + 2);
            cell.rect = m_model.IsCellShown(index, panel.month, cell.date)
                            ? CRect(cx - 3, top, cx + m_nCellWidth + 2, top + m_nCellHeight + 2)
                            : CRect();
        }
        panel.days = CRect(x0, daysTop, x1, daysTop + 6 * (m_nCellHeight + 2));
    }
    // The buttons, below the panels.
    CRect client;
    GetClientRect(&client);
    const int y = origin + m_model.m_nRows * m_nPanelHeight;
    m_rcToday.SetRectEmpty();
    m_rcNone.SetRectEmpty();
    if (m_bTodayButton && m_bNoneButton) {
        const int x = (client.Width() - 2 * (m_nButtonWidth - 12) - 34) / 2;
        m_rcToday = CRect(x, y, x + m_nButtonWidth, y + m_nButtonHeight);
        m_rcNone = CRect(m_rcToday.right + 10, y, m_rcToday.right + 10 + m_nButtonWidth, y + m_nButtonHeight);
    } else if (m_bTodayButton || m_bNoneButton) {
        const int x = (client.Width() - m_nButtonWidth) / 2;
        (m_bTodayButton ? m_rcToday : m_rcNone) = CRect(x, y, x + m_nButtonWidth, y + m_nButtonHeight);
    }
}

// ---- Painting -------------------------------------------------------------------------------

void CMonthGridCtrl::OnPaint() {
    CBufferedPaintDC dc(this);
    Layout();
    const CRect client = dc.Client();
    dc.FillSolidRect(&client, m_crBackground);
    if (m_bBorder) {
        CRect frame = client;
        FrameEdges(dc, frame, COLOR_BTNFACE, COLOR_BTNTEXT);
        frame.DeflateRect(1, 1);
        FrameEdges(dc, frame, COLOR_WINDOW, COLOR_BTNSHADOW);
        frame.DeflateRect(1, 1);
        FrameEdges(dc, frame, COLOR_BTNFACE, COLOR_BTNFACE);
        frame.DeflateRect(1, 1);
        FrameEdges(dc, frame, COLOR_BTNSHADOW, COLOR_WINDOW);
    }
    dc.SetBkMode(TRANSPARENT);
    for (int index = 0; index < static_cast<int>(m_arrPanels.size()); ++index) {
        const Panel& panel = m_arrPanels[static_cast<std::size_t>(index)];
        PaintHeader(dc, panel);
        PaintDayNames(dc, panel);
        PaintDays(dc, panel, index);
    }
    PaintButtons(dc);
}

void CMonthGridCtrl::PaintHeader(CDC& dc, const Panel& panel) {
    const int x = panel.title.left - 10, y = panel.title.top - 1, w = m_nPanelWidth, h = m_nTitleHeight;
    const CRect bar(x, y, x + w - 1, y + h);
    dc.FillSolidRect(&bar, GetSysColor(COLOR_BTNFACE));
    FrameEdges(dc, bar, COLOR_WINDOW, COLOR_BTNSHADOW);
    CFont* old = dc.SelectObject(m_headerFont.m_pFont.get());
    dc.SetTextColor(m_headerFont.m_crColour);
    CString title;
    title.Format(L"%s %d", m_strMonthNames[static_cast<std::size_t>(panel.month - 1)].GetString(), panel.year);
    CRect text(x + 1, y + 1, x + w - 10, y + h - 2);
    dc.DrawText(title, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(old);
    if (panel.row != 1) return;
    const int middle = y + h / 2, a = h / 4;
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    CPen* oldPen = dc.SelectObject(&pen);
    for (int t = middle - a; t <= middle + a; ++t) {
        if (panel.column == 1) {
            dc.MoveTo(x + 6, middle);
            dc.LineTo(x + 6 + a, t);
        }
        if (panel.column == m_model.m_nColumns) {
            dc.MoveTo(x + w - 10, middle);
            dc.LineTo(x + w - 10 - a, t);
        }
    }
    dc.SelectObject(oldPen);
}

void CMonthGridCtrl::PaintDayNames(CDC& dc, const Panel& panel) {
    const int top = panel.title.bottom + 2, x0 = panel.days.left;
    CFont* old = dc.SelectObject(m_dayNamesFont.m_pFont.get());
    dc.SetTextColor(m_dayNamesFont.m_crColour);
    for (int column = 0; column < 7; ++column) {
        const int letter = m_model.GetDayLetterIndex(column);
        const CString name = letter < m_strDayLetters.GetLength() ? m_strDayLetters.Mid(letter, 1) : CString();
        CRect rect(x0 + column * (m_nCellWidth + 5), top + 1, x0 + column * (m_nCellWidth + 5) + m_nCellWidth,
                   top + m_nDayNameHeight + 2);
        dc.DrawText(name, &rect, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    }
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.MoveTo(x0, top + m_nDayNameHeight + 3);
    dc.LineTo(panel.days.right, top + m_nDayNameHeight + 3);
    dc.SelectObject(oldPen);
    dc.SelectObject(old);
}

void CMonthGridCtrl::PaintDays(CDC& dc, const Panel& panel, int) {
    const COleDateTime today = CMonthGridModel::DayOf(COleDateTime::GetCurrentTime());
    CFont* old = dc.SelectObject(m_daysFont.m_pFont.get());
    for (const Cell& cell : panel.cells) {
        if (cell.rect.IsRectEmpty()) continue;
        const int cx = cell.rect.left + 3, top = cell.rect.top;
        COLORREF text = cell.date.GetMonth() == panel.month ? m_daysFont.m_crColour : m_crOtherMonth;
        if (m_model.IsSelected(cell.date)) {
            dc.FillSolidRect(cx - 3, top, m_nCellWidth + 5, m_nCellHeight + 3, GetSysColor(COLOR_HIGHLIGHT));
            text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        dc.SetTextColor(text);
        const bool special = IsSpecialDay(cell.date);
        dc.SelectObject(special ? m_specialDaysFont.m_pFont.get() : m_daysFont.m_pFont.get());
        CString number;
        number.Format(L"%d", cell.date.GetDay());
        CRect rect(cx, top, cx + m_nCellWidth, top + m_nCellHeight);
        dc.DrawText(number, &rect, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        if (m_bTodayFrame && cell.date == today)
            dc.Draw3dRect(cx - 3, top, m_nCellWidth + 5, m_nCellHeight + 1, kTodayFrame, kTodayFrame);
    }
    if (m_model.m_nRows == 7) {
        CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        CPen* oldPen = dc.SelectObject(&pen);
        dc.MoveTo(panel.days.left, panel.days.bottom);
        dc.LineTo(panel.days.right, panel.days.bottom);
        dc.SelectObject(oldPen);
    }
    dc.SelectObject(old);
}

void CMonthGridCtrl::PaintButtons(CDC& dc) {
    CFont* old = dc.SelectObject(m_dayNamesFont.m_pFont.get());
    const struct {
        const CRect& rect;
        int pressed, hot;
        UINT text;
    } buttons[] = {{m_rcToday, m_bTodayPressed, m_bTodayHot, IDS_RECENT_GROUP_TODAY},
                   {m_rcNone, m_bNonePressed, m_bNoneHot, IDS_MONTH_NONE}};
    for (const auto& b : buttons) {
        if (b.rect.IsRectEmpty()) continue;
        CRect rect = b.rect;
        dc.FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
        const bool sunken = b.pressed && b.hot;
        FrameEdges(dc, rect, sunken ? COLOR_BTNTEXT : COLOR_BTNFACE, sunken ? COLOR_BTNFACE : COLOR_BTNTEXT);
        rect.DeflateRect(1, 1);
        FrameEdges(dc, rect, sunken ? COLOR_BTNSHADOW : COLOR_WINDOW, sunken ? COLOR_WINDOW : COLOR_BTNSHADOW);
        if (sunken) rect.OffsetRect(2, 2);
        dc.SetTextColor(m_dayNamesFont.m_crColour);
        dc.DrawText(LoadResString(b.text), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(old);
}

// ---- Mouse ----------------------------------------------------------------------------------

const CMonthGridCtrl::Cell* CMonthGridCtrl::CellAt(CPoint point) const {
    for (const Panel& panel : m_arrPanels) {
        if (!panel.days.PtInRect(point)) continue;
        for (const Cell& cell : panel.cells)
            if (cell.rect.PtInRect(point)) return &cell;
        return nullptr;
    }
    return nullptr;
}

void CMonthGridCtrl::ClosePopup() {
    if (!m_pPopup) return;
    if (m_pPopup->GetSafeHwnd()) m_pPopup->DestroyWindow();
    m_pPopup.reset();
    if (GetSafeHwnd()) KillTimer(kPopupTimer);
}

void CMonthGridCtrl::OnLButtonDown(UINT, CPoint point) {
    m_model.m_dtAnchor.SetStatus(COleDateTime::invalid);
    SetFocus();
    Layout();
    if (m_rcLeftArrow.PtInRect(point) || m_rcRightArrow.PtInRect(point)) {
        CWaitCursor wait;
        m_bScrolling = 1;
        m_nScrollDirection = m_rcLeftArrow.PtInRect(point) ? -1 : 1;
        m_model.ScrollPages(m_nScrollDirection);
        SetTimer(kArrowTimer, kArrowRepeatMs);
    } else if (m_rcToday.PtInRect(point)) {
        m_bTodayPressed = m_bTodayHot = 1;
    } else if (m_rcNone.PtInRect(point)) {
        m_bNonePressed = m_bNoneHot = 1;
    } else if (auto title = std::find_if(m_arrPanels.begin(), m_arrPanels.end(),
                                         [&](const Panel& p) { return p.title.PtInRect(point); });
               title != m_arrPanels.end()) {
        m_nPopupPanel = static_cast<int>(title - m_arrPanels.begin());
        ClosePopup();
        m_pPopup = std::make_unique<CMonthListPopup>();
        SetTimer(kPopupTimer, 30);
        m_pPopup->SetMonthYear(title->month, title->year);
        m_pPopup->SetOwner(this);
        m_pPopup->CreatePopup(this);
        SetCapture();
        m_bPopupActive = 1;
        return;
    } else if (const Cell* cell = CellAt(point)) {
        if (m_model.m_bRangeMode) m_model.m_dtAnchor = cell->date;
        m_model.SetDate(cell->date);
        SetCapture();
        m_bSelecting = 1;
    } else {
        return;
    }
    Invalidate(FALSE);
}

void CMonthGridCtrl::OnMouseMove(UINT, CPoint point) {
    if (m_bPopupActive && m_pPopup) m_pPopup->AutoScroll(WM_MOUSEMOVE);
    if (m_bSelecting) {
        const Cell* cell = CellAt(point);
        if (!cell) return;
        if (m_model.m_bRangeMode)
            m_model.SelectRangeTo(cell->date);
        else
            m_model.SetDate(cell->date);
        Invalidate(FALSE);
    } else if (m_bTodayPressed) {
        const int hot = m_rcToday.PtInRect(point) ? 1 : 0;
        if (hot != m_bTodayHot) Invalidate(FALSE);
        m_bTodayHot = hot;
    } else if (m_bNonePressed) {
        const int hot = m_rcNone.PtInRect(point) ? 1 : 0;
        if (hot != m_bNoneHot) Invalidate(FALSE);
        m_bNoneHot = hot;
    }
}

void CMonthGridCtrl::OnTimer(UINT_PTR id) {
    if (id == kPopupTimer && m_bPopupActive && m_pPopup) {
        m_pPopup->AutoScroll(WM_TIMER);
    } else if (id == kArrowTimer && m_bScrolling) {
        // Held on an arrow, the months step at the timer's pace, whatever the mouse does.
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        const CRect& arrow = m_nScrollDirection < 0 ? m_rcLeftArrow : m_rcRightArrow;
        if (arrow.PtInRect(cursor)) {
            m_model.ScrollPages(m_nScrollDirection);
            Invalidate(FALSE);
        }
    }
}

void CMonthGridCtrl::OnLButtonUp(UINT, CPoint) {
    if (m_bSelecting) {
        ReleaseCapture();
        m_bSelecting = 0;
        Notify(NM_CLICK);
    } else if (m_bScrolling) {
        m_bScrolling = 0;
        KillTimer(kArrowTimer);
    } else if (m_bTodayPressed) {
        if (m_bTodayHot) GoToToday();
        m_bTodayPressed = m_bTodayHot = 0;
    } else if (m_bNonePressed) {
        if (m_bNoneHot) SelectNone();
        m_bNonePressed = m_bNoneHot = 0;
    } else if (m_bPopupActive) {
        int month = m_pPopup ? m_pPopup->m_nChosenMonth : m_model.m_nMonth;
        int year = m_pPopup ? m_pPopup->m_nChosenYear : m_model.m_nYear;
        CMonthGridModel::AddMonths(month, year, -m_nPopupPanel);
        ClosePopup();
        m_bPopupActive = 0;
        ReleaseCapture();
        SetMonthYear(year, month);
    }
}

void CMonthGridCtrl::OnLButtonDblClk(UINT, CPoint point) {
    Layout();
    const Cell* cell = CellAt(point);
    if (!cell) return;
    m_model.SetDate(cell->date);
    Invalidate(FALSE);
    Notify(NM_DBLCLK);
}

void CMonthGridCtrl::GoToToday() { ShowCurrentMonth(true); }

void CMonthGridCtrl::SelectNone() { ShowCurrentMonth(false); }

void CMonthGridCtrl::ShowCurrentMonth(bool selectToday) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_model.m_nMonth = now.GetMonth();
    m_model.m_nYear = now.GetYear();
    if (selectToday)
        m_model.SetDate(now);
    else
        m_model.SelectNone();
    Invalidate(FALSE);
    Notify(NM_CLICK);
}
