#pragma once
// CFontNameComboBox: the report page's choice of the report font face. An owner-drawn, sorted
// list of the installed font families; each entry shows the face name and a sample drawn in
// that face (the preview style), with a mark for TrueType faces. A choice is stored in the
// FontName setting and then told to the owner.
#include <map>
#include <memory>

#include "platform/core/cstring.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"

class CFontNameComboBox : public CComboBox {
public:
    // Sent to the owner after a choice, with 0 and 0.
    static constexpr UINT kChanged = WM_USER + 19;

    CFontNameComboBox();
    ~CFontNameComboBox() override;

    // A new preview height refills the list.
    void SetPreviewHeight(int pixels);
    // Fills the list with the installed families and selects the first.
    void FillFonts();
    // Selects the first entry that begins with the name (any letter case), else the one that
    // begins with the installed face standing in for it, else the first entry.
    void SelectFace(const CString& name);

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

    CString m_sampleText;
    COLORREF m_textColour;
    CImageList m_typeImages;
    std::map<CString, std::unique_ptr<CFont>> m_fontCache;
    int m_previewStyle = 2;
    int m_previewHeight = 16;
    int m_nameWidth = 0;
    int m_sampleWidth = 0;

protected:
    void OnDropDown();
    void OnSelChange();
    DECLARE_MESSAGE_MAP()

private:
    static int EnumFace(const LOGFONT* lf, const TEXTMETRIC* tm, DWORD fontType, LPARAM lParam);
    void AddFace(const CString& face, DWORD fontType);
    CFont* CachedFont(const CString& face) const;
};
