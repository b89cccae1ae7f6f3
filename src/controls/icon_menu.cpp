#include "controls/icon_menu.h"

#include "platform/ui/system_metrics.h"
#include "platform/core/colors.h"
#include "platform/core/language_pack.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

namespace {

// Nesting depth of ConvertToOwnerDraw, one counter for the process.
int g_convertDepth = 0;


}  // namespace

CIconMenu::CIconMenu()
    : m_crText(::GetSysColor(COLOR_MENUTEXT)),
      m_crHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crMask(RGB(255, 0, 255)),
      m_crImageBack(::GetSysColor(COLOR_BTNFACE)),
      m_crMenu(::GetSysColor(COLOR_MENU)),
      m_crHighlight(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crLight(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_crDark(::GetSysColor(COLOR_BTNSHADOW)),
      m_crGrayText(::GetSysColor(COLOR_GRAYTEXT)) {
    NONCLIENTMETRICS metrics;
    metrics.cbSize = 500;
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        m_menuFont.CreateFontIndirect(&metrics.lfMenuFont);
    else m_menuFont.Attach(::GetStockObject(DEFAULT_GUI_FONT));
    CreateBoldFont();
}

CIconMenu::~CIconMenu() = default;

void CIconMenu::CreateBoldFont() {
    m_boldFont.DeleteObject();
    LOGFONT font{};
    CFont* base = m_pCustomFont ? m_pCustomFont : &m_menuFont;
    base->GetLogFont(&font);
    font.lfWeight = 700;
    m_boldFont.CreateFontIndirect(&font);
}

CFont* CIconMenu::ItemFont(bool checked) {
    if (checked) return &m_boldFont;
    return m_pCustomFont ? m_pCustomFont : &m_menuFont;
}

int CIconMenu::ImageOf(UINT nCommand) const {
    for (const auto& [image, id] : m_commandImages)
        if (id == nCommand) return image;
    return -1;
}

BOOL CIconMenu::LoadToolBarImages(UINT nToolBarId) {
    // 1. The toolbar resource: image size and command ids.
    const CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CResToolBar* toolBar = pack ? pack->FindToolBar(nToolBarId) : nullptr;
    if (!toolBar || toolBar->buttonWidth <= 0 || toolBar->buttonHeight <= 0) return FALSE;
    // 2. The image list.
    m_imageWidth = toolBar->buttonWidth;
    m_imageHeight = toolBar->buttonHeight;
    m_images.DeleteImageList();
    const int count = static_cast<int>(toolBar->items.size());
    if (!m_images.Create(m_imageWidth, m_imageHeight, ILC_COLOR32 | ILC_MASK, count, 1)) return FALSE;
    m_images.SetBkColor(m_crImageBack);
    // 3. The bitmap of the same id, masked by magenta.
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nToolBarId) || m_images.Add(&bitmap, m_crMask) < 0) return FALSE;
    // 4. Commands take images in order; separators take none.
    m_commandImages.clear();
    int image = 0;
    for (UINT id : toolBar->items)
        if (id != 0) m_commandImages.emplace_back(image++, id);
    return TRUE;
}

CIconMenu::Item* CIconMenu::AppendItem(int idOrKind, const CString& text) {
    auto item = std::make_unique<Item>();
    item->idOrKind = idOrKind;
    item->text = text;
    item->image = idOrKind < 0 ? idOrKind : ImageOf(static_cast<UINT>(idOrKind));
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void CIconMenu::ConvertToOwnerDraw(CMenu* pMenu) {
    if (!pMenu || !pMenu->m_hMenu) return;
    ++g_convertDepth;
    for (int pos = pMenu->GetMenuItemCount() - 1; pos >= 0; --pos) {
        const UINT state = pMenu->GetMenuState(static_cast<UINT>(pos), MF_BYPOSITION);
        if (CMenu* sub = pMenu->GetSubMenu(pos)) {
            ConvertToOwnerDraw(sub);
            CString text;
            pMenu->GetMenuString(static_cast<UINT>(pos), text, MF_BYPOSITION);
            if (text.IsEmpty()) continue;
            Item* item = AppendItem(g_convertDepth == 1 ? kBarItem : kSubMenuInSubMenu, text);
            pMenu->ModifyMenu(static_cast<UINT>(pos), MF_BYPOSITION | MF_OWNERDRAW, static_cast<UINT_PTR>(-1),
                              reinterpret_cast<LPCTSTR>(item));
            continue;
        }
        if (state & (MF_OWNERDRAW | MF_BITMAP)) continue;
        const UINT id = pMenu->GetMenuItemID(pos);
        const UINT keep = state & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        if (id == 0) {
            Item* item = AppendItem(kSeparator, L"--");
            pMenu->ModifyMenu(static_cast<UINT>(pos), keep | MF_BYPOSITION | MF_OWNERDRAW, 0,
                              reinterpret_cast<LPCTSTR>(item));
            continue;
        }
        CString text;
        pMenu->GetMenuString(static_cast<UINT>(pos), text, MF_BYPOSITION);
        Item* item = AppendItem(static_cast<int>(id), text);
        pMenu->ModifyMenu(static_cast<UINT>(pos), keep | MF_BYPOSITION | MF_OWNERDRAW, id,
                          reinterpret_cast<LPCTSTR>(item));
    }
    --g_convertDepth;
}

void CIconMenu::UpdateCommandUI(CMenu* pMenu, CCmdTarget* pTarget) {
    if (!pMenu || !pTarget) return;
    const int count = pMenu->GetMenuItemCount();
    for (int pos = count - 1; pos >= 0; --pos) {
        if (CMenu* sub = pMenu->GetSubMenu(pos)) {
            UpdateCommandUI(sub, pTarget);
            continue;
        }
        const UINT id = pMenu->GetMenuItemID(pos);
        if (id == 0) continue;
        CCmdUI state;
        state.m_pMenu = pMenu;
        state.m_nIndex = static_cast<UINT>(pos);
        state.m_nIndexMax = static_cast<UINT>(count);
        state.m_nID = id;
        state.DoUpdate(pTarget, TRUE);
    }
}

void CIconMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    if (lpMIS->CtlType != ODT_MENU) return;
    const auto* item = reinterpret_cast<const Item*>(lpMIS->itemData);
    if (!item) return;
    if (item->idOrKind == kSeparator) {
        lpMIS->itemWidth = 10;
        lpMIS->itemHeight = 6;
        return;
    }
    if (item->text.IsEmpty()) {
        lpMIS->itemHeight = static_cast<UINT>(m_imageHeight + 5);
        lpMIS->itemWidth = 100;
        return;
    }
    // Measured on the main window's client area, or on a memory DC when there is none.
    CWnd* main = AfxGetMainWnd();
    std::unique_ptr<CClientDC> clientDC;
    CDC memoryDC;
    CDC* dc;
    if (main && main->m_hWnd) {
        clientDC = std::make_unique<CClientDC>(main);
        dc = clientDC.get();
    } else {
        memoryDC.CreateCompatibleDC(nullptr);
        dc = &memoryDC;
    }
    CFont* old = dc->SelectObject(ItemFont(false));
    if (item->idOrKind == kBarItem) {
        CRect r(0, 0, 0, 0);
        dc->DrawText(item->text, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        lpMIS->itemWidth = static_cast<UINT>(r.Width());
        lpMIS->itemHeight = static_cast<UINT>(r.Height());
    } else {
        const CSize extent = dc->GetTextExtent(item->text);
        const int height = std::max(m_imageHeight + 5, static_cast<int>(extent.cy));
        lpMIS->itemHeight = static_cast<UINT>(height);
        lpMIS->itemWidth = static_cast<UINT>(extent.cx + 17 + std::max(m_imageWidth, height));
    }
    dc->SelectObject(old);
}

void CIconMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    if (lpDIS->CtlType != ODT_MENU) return;
    const auto* item = reinterpret_cast<const Item*>(lpDIS->itemData);
    if (!item) return;
    CDC* dc = CDC::FromHandle(lpDIS->hDC);
    const CRect itemRect = lpDIS->rcItem;
    const bool checked = (lpDIS->itemState & ODS_CHECKED) != 0;
    const bool selected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const bool disabled = (lpDIS->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    // 1. Font and image square.
    const COLORREF oldText = dc->GetTextColor();
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    CFont* oldFont = dc->SelectObject(ItemFont(checked));
    const CRect square(itemRect.left, itemRect.top, itemRect.left + itemRect.Height(), itemRect.bottom);

    if (item->idOrKind == kSeparator) {
        // 2. Separator.
        CPen dark(PS_SOLID, 1, m_crDark), light(PS_SOLID, 1, m_crLight);
        dc->FillSolidRect(&itemRect, m_crMenu);
        CPen* oldPen = dc->SelectObject(&dark);
        dc->MoveTo(itemRect.left + 2, itemRect.top + 2);
        dc->LineTo(itemRect.right - 2, itemRect.top + 2);
        dc->SelectObject(&light);
        dc->MoveTo(itemRect.left + 2, itemRect.top + 3);
        dc->LineTo(itemRect.right - 2, itemRect.top + 3);
        dc->SelectObject(oldPen);
    } else if (item->idOrKind == kBarItem) {
        // 3. An item of the converted menu itself.
        dc->FillSolidRect(&itemRect, m_crMenu);
        CRect textRect = itemRect;
        if (selected && !disabled) textRect.OffsetRect(2, 1);
        dc->SetTextColor(m_crText);
        dc->DrawText(item->text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (selected && !disabled) {
            CRect edge = itemRect;
            dc->Draw3dRect(&edge, m_crDark, m_crLight);
        }
    } else {
        // 4. Background.
        const bool hasImage = item->image >= 0;
        CRect textRect(square.right + 1, itemRect.top, itemRect.right, itemRect.bottom);
        const CRect fill = (hasImage || checked) ? textRect : itemRect;
        if (!hasImage && !checked) dc->FillSolidRect(&itemRect, m_crMenu);
        if (selected) {
            dc->FillSolidRect(&fill, m_crHighlight);
            dc->SetTextColor(m_crHighlightText);
        } else {
            dc->FillSolidRect(&fill, m_crMenu);
            dc->SetTextColor(m_crText);
        }
        // 5. Image, or the check mark.
        if (hasImage) {
            if (selected && !disabled) dc->Draw3dRect(&square, m_crLight, m_crDark);
            else dc->Draw3dRect(&square, m_crMenu, m_crMenu);
            const CPoint at(square.left + (square.Width() - m_imageWidth) / 2,
                            square.top + (square.Height() - m_imageHeight) / 2);
            if (!disabled) {
                m_images.Draw(dc, item->image, at, ILD_TRANSPARENT);
            } else if (HICON icon = m_images.ExtractIcon(item->image)) {
                dc->DrawState(at, CSize(m_imageWidth, m_imageHeight), icon, DST_ICON | DSS_DISABLED);
                ::DestroyIcon(icon);
            }
        } else if (checked && m_checkImages.GetImageCount() > 0) {
            int cx = 0, cy = 0;
            m_checkImages.GetIconSize(&cx, &cy);
            m_checkImages.Draw(dc, 0, CPoint(square.left + (square.Width() - cx) / 2,
                                             square.top + (square.Height() - cy) / 2 - 2),
                               ILD_TRANSPARENT);
        }
        // 6. Text, centred vertically on its height, with a shortcut after a tab right-aligned.
        const CSize extent = dc->GetTextExtent(item->text);
        textRect.top = itemRect.top + (itemRect.Height() - extent.cy) / 2;
        textRect.bottom = textRect.top + extent.cy;
        textRect.left += 2;
        textRect.right -= 15;
        const int tab = item->text.Find(L'\t');
        auto drawPart = [&](const CString& text, UINT format) {
            if (disabled && !selected) {
                CRect emboss = textRect;
                emboss.DeflateRect(1, 1);
                dc->SetTextColor(m_crLight);
                dc->DrawText(text, &emboss, format);
                dc->SetTextColor(m_crGrayText);
            } else if (disabled) {
                dc->SetTextColor(m_crMenu);
            }
            dc->DrawText(text, &textRect, format);
        };
        if (tab < 0) {
            drawPart(item->text, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE);
        } else {
            drawPart(item->text.Left(tab), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            drawPart(item->text.Mid(tab + 1), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    // 7. Restore.
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
}
