#include "controls/option_tree_list.h"

#include <algorithm>

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "platform/core/virtual_keys.h"
#include "controls/buffered_paint_dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(COptionTreeList, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_VSCROLL()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr int kGutter = 16, kLineStep = 21;

bool IsBlank(const CString& text) {
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] != L' ' && text[i] != L'\t') return false;
    return true;
}

int SubtreeHeight(const COptionTreeItem* item) {
    int h = item->GetRowHeight();
    if (item->IsExpanded())
        for (const COptionTreeItem* c = item->GetFirstChild(); c; c = c->GetNextSibling()) h += SubtreeHeight(c);
    return h;
}

}  // namespace

bool COptionTreeList::Usable() const { return m_pTree && m_hWnd; }

// ---- Layout -------------------------------------------------------------------------------

void COptionTreeList::UpdateScrollRange() {
    if (!Usable()) return;
    // 1. Content height over the expanded branches.
    int content = 0;
    for (COptionTreeItem* c = m_pTree->m_root.m_pFirstChild; c; c = c->m_pNext) content += SubtreeHeight(c);
    m_nContentHeight = content;
    // 2. Page; everything fits: back to the top.
    CRect client;
    GetClientRect(&client);
    const int page = client.Height() + 1;
    if (content < page) m_pTree->m_nScrollPos = 0;
    // 3. The bar (it hides itself when everything fits), then the column width again.
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, content, static_cast<UINT>(page),
                    m_pTree->m_nScrollPos, 0};
    SetScrollInfo(SB_VERT, &info, TRUE);
    m_pTree->m_nScrollPos = ClampScroll(m_pTree->m_nScrollPos);
    m_pTree->SetColumnWidth(m_pTree->m_nColumnWidth);
}

int COptionTreeList::ClampScroll(int pos) const {
    CRect client;
    GetClientRect(&client);
    const int maximum = m_nContentHeight - (client.Height() + 1);
    return std::max(0, std::min(pos, maximum));
}

void COptionTreeList::Relayout() {
    if (!Usable()) return;
    CRect client;
    GetClientRect(&client);
    CDC measure;
    measure.CreateCompatibleDC(nullptr);
    COptionTreeItem* head = nullptr;
    COptionTreeItem** tail = &head;
    int y = 0;
    for (COptionTreeItem* c = m_pTree->m_root.m_pFirstChild; c; c = c->m_pNext)
        y += LayoutRow(c, &measure, client, 0, y, tail);
    *tail = nullptr;
    m_pTree->m_pFirstDrawn = head;
    // The editors follow their cells; this happens here, never inside a paint.
    for (COptionTreeItem* d = head; d; d = d->m_pNextDrawn) d->MoveEditor();
}

int COptionTreeList::LayoutRow(COptionTreeItem* item, CDC* measure, const CRect& client, int x, int y,
                               COptionTreeItem**& tail) {
    // 1. The drawn-row list and the row's place.
    *tail = item;
    tail = &item->m_pNextDrawn;
    item->m_nIndentX = x;
    item->m_nContentY = y;
    const bool category = item->m_pParent == &m_pTree->m_root;
    const int scroll = m_pTree->m_nScrollPos;
    const int width = m_pTree->m_nColumnWidth;
    // 2. The value cell in client coordinates.
    item->m_rcValue = CRect(width + 5, y - scroll, client.right, y + item->m_nRowHeight - 1 - scroll);
    // 5. The expand box (content coordinates).
    item->m_rcExpandBox = item->m_pFirstChild ? CRect(4, y + 5, 12, y + 13) : CRect();
    // 6. The measured label.
    item->m_rcLabelText.SetRectEmpty();
    if (!IsBlank(item->m_label)) {
        const int left = x + kGutter + (item->m_bShowImage ? 15 : 5);
        const int top = y + (item->m_bLabelOffset ? 5 : 0);
        if (item->m_nLabelFontGeneration != COptionTree::FontGeneration()) {
            CFont* old = measure->SelectObject(category ? COptionTree::BoldFont() : COptionTree::NormalFont());
            CRect text(0, 0, 0, 0);
            measure->DrawText(item->m_label, &text, DT_SINGLELINE | DT_CALCRECT);
            measure->SelectObject(old);
            item->m_labelExtent = text.Size();
            item->m_nLabelFontGeneration = COptionTree::FontGeneration();
        }
        item->m_rcLabelText = CRect(CPoint(left, top), item->m_labelExtent);
    }
    // 9. The children of an open row.
    int height = item->m_nRowHeight;
    if (item->m_pFirstChild && item->m_bExpanded)
        for (COptionTreeItem* c = item->m_pFirstChild; c; c = c->m_pNext)
            height += LayoutRow(c, measure, client, category ? x : x + kGutter, y + height, tail);
    return height;
}

// ---- Painting -----------------------------------------------------------------------------

BOOL COptionTreeList::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeList::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect client = dc.Client();
    if (!m_pTree || client.IsRectEmpty()) return;
    const bool enabled = m_pTree->IsWindowEnabled() != FALSE;
    const DWORD options = m_pTree->m_dwOptions;

    // 2. and 3. Background and gutter.
    // A 2-pixel face border around the window-coloured inside (filled as strips, not twice).
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    CRect inner = client;
    inner.DeflateRect(2, 2);
    dc.FillSolidRect(client.left, client.top, client.Width(), 2, face);
    dc.FillSolidRect(client.left, client.bottom - 2, client.Width(), 2, face);
    dc.FillSolidRect(client.left, client.top, 2, client.Height(), face);
    dc.FillSolidRect(client.right - 2, client.top, 2, client.Height(), face);
    dc.FillSolidRect(&inner, ::GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    const bool shade = (options & OT_OPTIONS_SHADEEXPANDCOLUMN) || !enabled;
    dc.FillSolidRect(0, 0, kGutter, client.Height(), ::GetSysColor(shade ? COLOR_BTNFACE : COLOR_WINDOW));
    // 4. The rows of the last layout that lie in view.
    const int scroll = m_pTree->m_nScrollPos;
    for (COptionTreeItem* d = m_pTree->m_pFirstDrawn; d; d = d->m_pNextDrawn) {
        const int top = d->m_nContentY - scroll;
        if (top >= client.bottom) break;
        if (top + d->m_nRowHeight <= 0) continue;
        PaintRow(&dc, d, client);
    }
    // 5. Gutter line and frame.
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* oldPen = dc.SelectObject(&shadow);
    dc.MoveTo(kGutter, 0);
    dc.LineTo(kGutter, client.bottom);
    dc.SelectObject(oldPen);
    CRect frame = client;
    dc.DrawEdge(&frame, BDR_SUNKENOUTER, BF_RECT);
    // 6. The splitter being dragged.
    if (m_bDragging) {
        static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        CBitmap checker;
        checker.CreateBitmap(8, 8, 1, 1, pattern);
        CBrush brush(&checker);
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.PatBlt(m_nDragPos - 2, 0, 4, client.Height(), PATINVERT);
        dc.SelectObject(oldBrush);
    }
    // 7. To the screen as the buffer goes.
}

void COptionTreeList::PaintRow(CDC* dc, COptionTreeItem* item, const CRect& client) {
    const bool category = item->m_pParent == &m_pTree->m_root;
    const bool enabled = m_pTree->IsWindowEnabled() != FALSE;
    const int width = m_pTree->m_nColumnWidth;
    const int x = item->m_nIndentX;
    const int top = item->m_nContentY - m_pTree->m_nScrollPos;
    const int bottom = top + item->m_nRowHeight;
    // 3. Label rectangle.
    const CRect label(x + kGutter, top, category ? client.right : width, bottom);
    // 4. Background.
    if (category) {
        const bool shade = (m_pTree->m_dwOptions & OT_OPTIONS_SHADEROOTITEMS) || !enabled;
        dc->FillSolidRect(client.left + kGutter, top, client.right - client.left - kGutter, item->m_nRowHeight,
                          shade ? item->m_crCategory : ::GetSysColor(COLOR_WINDOW));
    } else {
        dc->FillSolidRect(width, top, client.right - 2 - width, item->m_nRowHeight - 1, item->m_crValueBack);
        dc->FillSolidRect(&label, item->m_crLabelBack);
    }
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    // 5. Expand box: a minus, or a plus while closed.
    if (item->m_pFirstChild) {
        const CRect box(4, top + 5, 13, top + 14);
        CPen* oldPen = dc->SelectObject(&shadow);
        CBrush window(::GetSysColor(COLOR_WINDOW));
        CBrush* oldBrush = category ? static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH)) : dc->SelectObject(&window);
        dc->Rectangle(&box);
        dc->SelectObject(&black);
        dc->MoveTo(box.left + 2, box.top + 4);
        dc->LineTo(box.left + 7, box.top + 4);
        if (!item->m_bExpanded) {
            dc->MoveTo(box.left + 4, box.top + 2);
            dc->LineTo(box.left + 4, box.top + 7);
        }
        dc->SelectObject(oldBrush);
        dc->SelectObject(oldPen);
    }
    // 6. Label.
    if (!IsBlank(item->m_label)) {
        const int saved = dc->SaveDC();
        if (!category) dc->IntersectClipRect(&label);
        dc->SelectObject(category ? COptionTree::BoldFont() : COptionTree::NormalFont());
        dc->SetBkMode(TRANSPARENT);
        COLORREF colour = item->m_crLabelText;
        if (item->m_bSelected) {
            dc->FillSolidRect(CRect(kGutter, label.top, label.right + 5, label.bottom), ::GetSysColor(COLOR_HIGHLIGHT));
            colour = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        }
        if (!enabled) colour = ::GetSysColor(COLOR_GRAYTEXT);
        dc->SetTextColor(colour);
        CRect text(label.left + (item->m_bShowImage ? 15 : 5), label.top + (item->m_bLabelOffset ? 5 : 0), label.right,
                   label.bottom);
        dc->DrawText(item->m_label, &text, DT_SINGLELINE | DT_TOP | DT_LEFT | DT_NOPREFIX);
        if (item->m_bShowImage && item->m_pImageList)
            item->m_pImageList->Draw(dc, item->m_nImageIndex, label.TopLeft(), ILD_TRANSPARENT);
        dc->RestoreDC(saved);
    }
    // 7. Grid lines.
    CPen* oldPen = dc->SelectObject(&shadow);
    dc->MoveTo(kGutter, bottom - 1);
    dc->LineTo(client.right, bottom - 1);
    if (category) {
        dc->MoveTo(kGutter, top);
        dc->LineTo(client.right, top);
    } else {
        dc->MoveTo(width, top);
        dc->LineTo(width, bottom);
    }
    dc->SelectObject(oldPen);
    // 8. The value.
    if (!category) {
        const int saved = dc->SaveDC();
        dc->IntersectClipRect(&item->m_rcValue);
        item->DrawValue(dc, item->m_rcValue);
        dc->RestoreDC(saved);
    }
}

// ---- Hit testing --------------------------------------------------------------------------

COptionTreeItem* COptionTreeList::RowAt(CPoint client) const {
    if (!m_pTree) return nullptr;
    const int y = client.y + m_pTree->m_nScrollPos;
    for (COptionTreeItem* d = m_pTree->m_pFirstDrawn; d; d = d->m_pNextDrawn)
        if (y >= d->m_nContentY && y < d->m_nContentY + d->m_nRowHeight) return d;
    return nullptr;
}

COptionTreeList::Region COptionTreeList::RegionAt(CPoint client, COptionTreeItem** rowOut) const {
    COptionTreeItem* row = RowAt(client);
    if (rowOut) *rowOut = row;
    if (!row) return kNoRegion;
    const CPoint content(client.x, client.y + m_pTree->m_nScrollPos);
    const CRect& box = row->m_rcExpandBox;
    if (!box.IsRectEmpty() && content.x >= box.left && content.x < box.right && content.y >= box.top &&
        content.y < box.bottom)
        return kExpandBox;
    const bool category = row->m_pParent == &m_pTree->m_root;
    const int width = m_pTree->m_nColumnWidth;
    if (!category && std::abs(client.x - width) <= 5) return kSplitter;
    return client.x <= width + 5 ? kLabel : kValue;
}

// ---- Selection and expansion --------------------------------------------------------------

void COptionTreeList::DeselectAll() {
    m_pTree->EnumItems(nullptr, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
        item->m_bSelected = FALSE;
        item->OnDeselect();
        return 1;
    }, 0);
}

void COptionTreeList::ToggleExpanded(COptionTreeItem* row) {
    row->SetExpanded(!row->m_bExpanded);
    m_pTree->UpdateScrollRange();
    m_pTree->Repaint();
    COptionTreeItem* selected = m_pTree->m_pSelected;
    if (!selected) return;
    for (COptionTreeItem* d = m_pTree->m_pFirstDrawn; d; d = d->m_pNextDrawn)
        if (d == selected) return;
    selected->m_bSelected = FALSE;
    selected->OnDeselect();
    m_pTree->SelectItem(nullptr);
    m_pTree->Notify(OTN_SELCHANGED, nullptr);
}

void COptionTreeList::ClickSelect(COptionTreeItem* row) {
    COptionTreeItem* previous = m_pTree->m_pSelected;
    DeselectAll();
    row->m_bSelected = TRUE;
    row->OnSelect();
    row->m_nImageIndex = !row->m_nImageIndex;
    if (row != previous) m_pTree->Notify(OTN_SELCHANGED, row);
}

void COptionTreeList::KeySelect(COptionTreeItem* target) {
    if (!target) return;
    COptionTreeItem* previous = m_pTree->m_pSelected;
    m_pTree->m_pSelected = target;
    m_pTree->EnsureVisible(target);
    DeselectAll();
    target->m_bSelected = TRUE;
    target->OnSelect();
    m_pTree->Repaint();
    if (target != previous) m_pTree->Notify(OTN_SELCHANGED, target);
}

COptionTreeItem* COptionTreeList::PreviousDrawn(COptionTreeItem* item) const {
    COptionTreeItem* previous = nullptr;
    for (COptionTreeItem* d = m_pTree->m_pFirstDrawn; d && d != item; d = d->m_pNextDrawn) previous = d;
    return previous;
}

COptionTreeItem* COptionTreeList::LastDrawn() const {
    COptionTreeItem* last = m_pTree->m_pFirstDrawn;
    while (last && last->m_pNextDrawn) last = last->m_pNextDrawn;
    return last;
}

// ---- Mouse --------------------------------------------------------------------------------

BOOL COptionTreeList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (Usable() && m_pTree->IsWindowEnabled()) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (m_bDragging || RegionAt(point) == kSplitter) {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void COptionTreeList::OnLButtonDown(UINT, CPoint point) {
    if (!Usable() || !m_pTree->IsWindowEnabled()) return;
    SetFocus();
    COptionTreeItem* row = nullptr;
    switch (RegionAt(point, &row)) {
    case kSplitter:
        if (m_pTree->Notify(OTN_COLUMNCLICK, nullptr)) return;
        m_bDragging = TRUE;
        SetCapture();
        m_nDragPos = m_pTree->m_nColumnWidth;
        Invalidate(FALSE);
        return;
    case kExpandBox:
        if (!m_pTree->Notify(OTN_ITEMEXPANDING, row)) ToggleExpanded(row);
        return;
    case kLabel:
    case kValue: {
        const bool value = RegionAt(point) == kValue && row->m_pParent != &m_pTree->m_root;
        ClickSelect(row);
        if (value && !m_pTree->Notify(OTN_ITEMBUTTONCLICK, row) && !row->m_bReadOnly) row->BeginEdit();
        m_pTree->SelectItem(row);
        return;
    }
    case kNoRegion:
        DeselectAll();
        m_pTree->SelectItem(nullptr);
        m_pTree->Notify(OTN_SELCHANGED, nullptr);
        return;
    }
}

void COptionTreeList::OnMouseMove(UINT, CPoint point) {
    if (!Usable()) return;
    m_pTree->m_markManager.OnOwnerMouseMove(point.x, point.y);
    if (m_bDragging) {
        m_nDragPos = point.x;
        Invalidate(FALSE);
    }
}

void COptionTreeList::OnLButtonUp(UINT, CPoint point) {
    if (!Usable() || !m_bDragging) return;
    EndDrag(point.x);
}

void COptionTreeList::EndDrag(int x) {
    m_bDragging = FALSE;
    if (GetCapture() == this) ::ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    ApplyColumnWidth(x <= 40 ? 41 : std::min(x, static_cast<int>(client.right) - 25));
}

void COptionTreeList::ApplyColumnWidth(int width) {
    m_pTree->SetColumnWidth(width);
    m_pTree->EnumItems(nullptr, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
        item->LayoutChanged();
        return 1;
    }, 0);
    m_pTree->Repaint();
}

void COptionTreeList::AutoSizeColumn() {
    int right = 0;
    for (COptionTreeItem* d = m_pTree->m_pFirstDrawn; d; d = d->m_pNextDrawn)
        if (d->m_pParent != &m_pTree->m_root && d->m_pParent->m_bExpanded) right = std::max(right, int(d->m_rcLabelText.right));
    CRect client;
    GetClientRect(&client);
    ApplyColumnWidth(std::min(right + 5, static_cast<int>(client.right) - 25));
}

void COptionTreeList::OnLButtonDblClk(UINT, CPoint point) {
    if (!Usable() || !m_pTree->IsWindowEnabled()) return;
    COptionTreeItem* row = nullptr;
    const Region region = RegionAt(point, &row);
    if (region == kSplitter) {
        AutoSizeColumn();
        return;
    }
    if (!row || !row->m_pFirstChild) return;
    if (region == kExpandBox) {
        if (!m_pTree->Notify(OTN_ITEMEXPANDING, row)) ToggleExpanded(row);
        return;
    }
    if (region == kValue && row->m_pParent != &m_pTree->m_root) return;
    COptionTreeItem* previous = m_pTree->m_pSelected;
    DeselectAll();
    row->m_bSelected = TRUE;
    row->OnSelect();
    m_pTree->SelectItem(row);
    if (row != previous) m_pTree->Notify(OTN_SELCHANGED, row);
    if (!m_pTree->Notify(OTN_ITEMEXPANDING, row)) ToggleExpanded(row);
}

BOOL COptionTreeList::OnMouseWheel(UINT, short zDelta, CPoint) {
    if (!Usable() || !m_pTree->IsWindowEnabled()) return TRUE;
    CRect client;
    GetClientRect(&client);
    if (m_nContentHeight >= client.Height()) {
        SetFocus();
        OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
    }
    return TRUE;
}

void COptionTreeList::ScrollTo(int pos) {
    CRect client;
    GetClientRect(&client);
    const int page = client.Height() + 1;
    pos = std::max(0, std::min(pos, m_nContentHeight - page));
    m_pTree->m_nScrollPos = pos;
    SetScrollPos(SB_VERT, pos);
    m_pTree->Repaint();
}

void COptionTreeList::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    if (!Usable()) return;
    CRect client;
    GetClientRect(&client);
    int pos = m_pTree->m_nScrollPos;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    switch (nSBCode) {
    case SB_LINEUP: pos -= kLineStep; break;
    case SB_LINEDOWN: pos += kLineStep; break;
    case SB_PAGEUP: pos -= client.Height() + 1; break;
    case SB_PAGEDOWN: pos += client.Height() + 1; break;
    case SB_THUMBTRACK:
        GetScrollInfo(SB_VERT, &info, SIF_TRACKPOS);
        pos = info.nTrackPos;
        break;
    default: break;
    }
    SetFocus();
    ScrollTo(pos);
}

void COptionTreeList::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (!Usable()) return;
    UpdateScrollRange();
    m_pTree->EnumItems(nullptr, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
        item->LayoutChanged();
        return 1;
    }, 0);
    m_pTree->Repaint();
}

void COptionTreeList::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

UINT COptionTreeList::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS; }

// ---- Keyboard -----------------------------------------------------------------------------

void COptionTreeList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!Usable() || !m_pTree->IsWindowEnabled()) return;
    COptionTreeItem* selected = m_pTree->m_pSelected;
    const bool editing = selected && selected->m_bEditing;
    auto isValueRow = [this](COptionTreeItem* item) { return item && item->m_pParent != &m_pTree->m_root; };
    auto beginEditIfValue = [&](COptionTreeItem* item) {
        if (isValueRow(item) && !item->m_bReadOnly) item->BeginEdit();
    };
    auto moveUp = [&] {
        COptionTreeItem* target = selected ? PreviousDrawn(selected) : LastDrawn();
        KeySelect(target ? target : selected);
        // Editing carries on over the rows it moves to, category rows included.
        if (target && editing && !target->m_bReadOnly) target->BeginEdit();
    };
    auto moveDown = [&] {
        COptionTreeItem* target = selected ? selected->m_pNextDrawn : m_pTree->m_pFirstDrawn;
        KeySelect(target ? target : selected);
        if (target && editing && !target->m_bReadOnly) target->BeginEdit();
    };
    switch (nChar) {
    case VK_TAB: {
        COptionTreeItem* target = nullptr;
        if (!selected) target = m_pTree->m_pFirstDrawn;
        else if (isValueRow(selected))
            target = (::GetKeyState(VK_SHIFT) < 0) ? PreviousDrawn(selected) : selected->m_pNextDrawn;
        if (target) KeySelect(target);
        beginEditIfValue(m_pTree->m_pSelected);
        return;
    }
    case VK_RETURN: beginEditIfValue(selected); return;
    case VK_HOME: KeySelect(m_pTree->m_pFirstDrawn); return;
    case VK_END: KeySelect(LastDrawn()); return;
    case VK_LEFT:
        if (selected && !m_pTree->Notify(OTN_ITEMEXPANDING, selected) && selected->m_pFirstChild &&
            selected->m_bExpanded) {
            ToggleExpanded(selected);
            return;
        }
        moveUp();
        return;
    case VK_UP: moveUp(); return;
    case VK_RIGHT:
        if (selected && !m_pTree->Notify(OTN_ITEMEXPANDING, selected) && selected->m_pFirstChild &&
            !selected->m_bExpanded) {
            ToggleExpanded(selected);
            return;
        }
        moveDown();
        return;
    case VK_DOWN: moveDown(); return;
    case VK_ESCAPE:
        // The rows take every key from the dialog manager; Escape on them, with no editor
        // open, still cancels the dialog the tree is in.
        if (!editing)
            if (auto* dialog = dynamic_cast<CDialog*>(GetTopLevelParent())) dialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
        return;
    default: CWnd::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
}
