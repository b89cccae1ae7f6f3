#pragma once
// CMyVerticalTabCtrl: a narrow strip of coloured tongues stacked from the top, each with an
// image and a caption written upwards. The selected tab is always the first; clicking a tab or
// choosing it from the strip's menu moves it to the top and tells the parent its key.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"
#include "platform/ui/wnd.h"

class CMyVerticalTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CMyVerticalTabCtrl)

public:
    struct Tab {
        CString caption;
        int image = 0;
        COLORREF fill = 0;
        COLORREF border = 0;
        int length = 0;  // caption width + 40, measured at every paint
        int key = 0;     // position when added; the tab's identity
        CRect rect;      // where it was last painted
    };
    static constexpr UINT kSelected = WM_USER + 27;

    explicit CMyVerticalTabCtrl(CImageList* images);

    void AddTab(const CString& caption, int image, COLORREF fill, COLORREF border);
    void SelectTabByKey(int key);
    const std::vector<Tab>& GetTabs() const { return m_tabs; }
    std::vector<int> GetKeys() const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnShowKey(UINT id);
    void OnUpdateShowKey(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void NotifyParent();

    CImageList* m_images;
    CFont m_font;
    std::vector<Tab> m_tabs;
};
