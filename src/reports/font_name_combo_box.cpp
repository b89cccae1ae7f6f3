#include "reports/font_name_combo_box.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/font_enum.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

// The width a style's list needs besides the scroll bar.
int StyleWidth(int style, int nameWidth, int sampleWidth) {
    switch (style) {
    case 0:
    case 1: return 15 + nameWidth;
    case 4: return 15 + sampleWidth;
    default: return 35 + nameWidth + sampleWidth;
    }
}

void MakeFont(CFont& font, const CString& face, int height, BYTE quality) {
    font.CreateFont(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH, face);
}

}  // namespace

BEGIN_MESSAGE_MAP(CFontNameComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_DROPDOWN, &CFontNameComboBox::OnDropDown)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, &CFontNameComboBox::OnSelChange)
END_MESSAGE_MAP()

CFontNameComboBox::CFontNameComboBox()
    : m_sampleText(LoadResString(IDS_FONT_SAMPLE)), m_textColour(GetSysColor(COLOR_WINDOWTEXT)) {}

CFontNameComboBox::~CFontNameComboBox() = default;

void CFontNameComboBox::SetPreviewHeight(int pixels) {
    if (pixels == m_previewHeight) return;
    m_previewHeight = pixels;
    FillFonts();
}

void CFontNameComboBox::FillFonts() {
    m_typeImages.DeleteImageList();
    m_typeImages.Create(IDB_FONT_TYPES, 15, 1, RGB(255, 255, 255));
    ResetContent();
    m_fontCache.clear();
    CClientDC dc(this);
    EnumFonts(dc.GetSafeHdc(), nullptr, &CFontNameComboBox::EnumFace, reinterpret_cast<LPARAM>(this));
    SetCurSel(0);
}

int CFontNameComboBox::EnumFace(const LOGFONT* lf, const TEXTMETRIC*, DWORD fontType, LPARAM lParam) {
    reinterpret_cast<CFontNameComboBox*>(lParam)->AddFace(lf->lfFaceName, fontType);
    return 1;
}

void CFontNameComboBox::AddFace(const CString& face, DWORD fontType) {
    const int index = AddString(face);
    if (index < 0) return;
    SetItemData(index, fontType);
    if (m_previewStyle == 1) return;
    auto font = std::make_unique<CFont>();
    MakeFont(*font, face, m_previewHeight, DEFAULT_QUALITY);
    m_fontCache[face] = std::move(font);
}

void CFontNameComboBox::SelectFace(const CString& name) {
    int found = FindString(-1, name);
    // A Windows face that is not installed is shown by the face that stands in for it.
    if (found < 0 && !name.IsEmpty()) found = FindString(-1, GetSubstituteFaceName(name));
    SetCurSel(found >= 0 ? found : 0);
}

CFont* CFontNameComboBox::CachedFont(const CString& face) const {
    const auto it = m_fontCache.find(face);
    return it == m_fontCache.end() ? nullptr : it->second.get();
}

void CFontNameComboBox::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    if (mis->itemID == static_cast<UINT>(-1)) {
        mis->itemHeight = static_cast<UINT>(m_previewHeight + 4);
        return;
    }
    CString face;
    GetLBText(static_cast<int>(mis->itemID), face);
    CFont font;
    MakeFont(font, face, m_previewHeight, ANTIALIASED_QUALITY);
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&font);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    mis->itemHeight = static_cast<UINT>(tm.tmHeight + 4);
    if (m_previewStyle == 2 || m_previewStyle == 3) {
        m_sampleWidth = std::max(m_sampleWidth, static_cast<int>(dc.GetTextExtent(m_sampleText).cx));
        dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
        m_nameWidth = std::max(m_nameWidth, static_cast<int>(dc.GetTextExtent(face).cx));
    } else {
        m_nameWidth = m_sampleWidth = 0;
    }
    dc.SelectObject(old);
}

void CFontNameComboBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect rect = dis->rcItem;
    if (dis->itemState & ODS_FOCUS) dc->DrawFocusRect(&rect);
    const int index = static_cast<int>(dis->itemID);
    if (index < 0) return;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    COLORREF nameColour = dc->GetTextColor(), sampleColour = m_textColour;
    if (selected) {
        dc->FillSolidRect(&rect, GetSysColor(COLOR_HIGHLIGHT));
        nameColour = sampleColour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        dc->FillSolidRect(&rect, dc->GetBkColor());
    }
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    if ((dis->itemData & TRUETYPE_FONTTYPE) && m_typeImages.GetSafeHandle())
        m_typeImages.Draw(dc, 0, CPoint(rect.left + 5, rect.top + 4), ILD_TRANSPARENT);
    CString face;
    GetLBText(index, face);
    CRect text(rect.left + 15, rect.top, rect.right, rect.bottom);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    // In the edit field the sample follows this face's own name, in the list the widest name.
    const bool field = (dis->itemState & ODS_COMBOBOXEDIT) != 0;
    auto drawName = [&](int x) {
        dc->SetTextColor(nameColour);
        CRect r(x, text.top, text.right, text.bottom);
        dc->DrawText(face, &r, format);
        return x + (field ? static_cast<int>(dc->GetTextExtent(face).cx) : m_nameWidth);
    };
    auto drawSample = [&](int x) {
        CFont* font = CachedFont(face);
        CFont* old = font ? dc->SelectObject(font) : nullptr;
        dc->SetTextColor(sampleColour);
        CRect r(x, text.top, text.right, text.bottom);
        dc->DrawText(m_sampleText, &r, format);
        const int width = field ? static_cast<int>(dc->GetTextExtent(m_sampleText).cx) : m_sampleWidth;
        if (old) dc->SelectObject(old);
        return x + width;
    };
    const int start = text.left + 10;
    switch (m_previewStyle) {
    case 0: {
        CFont* font = CachedFont(face);
        CFont* old = font ? dc->SelectObject(font) : nullptr;
        drawName(start);
        if (old) dc->SelectObject(old);
        break;
    }
    case 1: drawName(start); break;
    case 3: drawName(drawSample(start) + 70); break;
    case 4: drawSample(start); break;
    default: drawSample(drawName(start) + 70); break;
    }
    dc->SetBkMode(oldMode);
}

void CFontNameComboBox::OnDropDown() {
    SetDroppedWidth(static_cast<UINT>(GetSystemMetrics(SM_CXVSCROLL) + StyleWidth(m_previewStyle, m_nameWidth, m_sampleWidth)));
}

void CFontNameComboBox::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0) return;
    CString face;
    GetLBText(selected, face);
    if (CScheduleData* data = GetAppDocument()) data->Settings().SetReportFontName(face);
    CWnd* owner = GetOwner() ? GetOwner() : GetParent();
    if (owner) owner->SendMessage(kChanged, 0, 0);
}
