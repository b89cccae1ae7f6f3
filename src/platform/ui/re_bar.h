#pragma once
// The rebar (window class "ReBarWindow32"): bands in rows, each holding one child window
// (a toolbar, a menu bar) with an optional gripper and title; a band with RBBS_BREAK starts a
// new row and the last band of a row takes the rest of its width. The rebar makes each band's
// child its own child, forwards the children's WM_COMMAND and WM_NOTIFY to its parent, keeps
// its height fitted to its rows and tells its parent when that changes (RBN_HEIGHTCHANGE).
// CReBarCtrl wraps the RB_* messages; CReBar is the frame's control bar around the control.
#include "platform/ui/bitmap.h"
#include "platform/ui/control_bar.h"

inline constexpr UINT RB_DELETEBAND = WM_USER + 2, RB_GETRECT = WM_USER + 9, RB_INSERTBAND = WM_USER + 10;
inline constexpr UINT RB_SETBANDINFO = WM_USER + 11, RB_GETBANDCOUNT = WM_USER + 12, RB_GETROWCOUNT = WM_USER + 13;
inline constexpr UINT RB_GETROWHEIGHT = WM_USER + 14, RB_IDTOINDEX = WM_USER + 16, RB_SETPARENT = WM_USER + 7;
inline constexpr UINT RB_GETBARHEIGHT = WM_USER + 27, RB_GETBANDINFO = WM_USER + 28, RB_SHOWBAND = WM_USER + 35;

inline constexpr UINT RBBIM_STYLE = 0x0001, RBBIM_COLORS = 0x0002, RBBIM_TEXT = 0x0004, RBBIM_IMAGE = 0x0008;
inline constexpr UINT RBBIM_CHILD = 0x0010, RBBIM_CHILDSIZE = 0x0020, RBBIM_SIZE = 0x0040, RBBIM_BACKGROUND = 0x0080;
inline constexpr UINT RBBIM_ID = 0x0100, RBBIM_IDEALSIZE = 0x0200, RBBIM_LPARAM = 0x0400, RBBIM_HEADERSIZE = 0x0800;

inline constexpr UINT RBBS_BREAK = 0x0001, RBBS_FIXEDSIZE = 0x0002, RBBS_CHILDEDGE = 0x0004, RBBS_HIDDEN = 0x0008;
inline constexpr UINT RBBS_NOVERT = 0x0010, RBBS_FIXEDBMP = 0x0020, RBBS_VARIABLEHEIGHT = 0x0040;
inline constexpr UINT RBBS_GRIPPERALWAYS = 0x0080, RBBS_NOGRIPPER = 0x0100, RBBS_USECHEVRON = 0x0200;

inline constexpr DWORD RBS_TOOLTIPS = 0x0100, RBS_VARHEIGHT = 0x0200, RBS_BANDBORDERS = 0x0400;
inline constexpr DWORD RBS_FIXEDORDER = 0x0800, RBS_REGISTERDROP = 0x1000, RBS_AUTOSIZE = 0x2000;
inline constexpr DWORD RBS_VERTICALGRIPPER = 0x4000, RBS_DBLCLKTOGGLE = 0x8000;

inline constexpr int RBN_FIRST = -831, RBN_HEIGHTCHANGE = RBN_FIRST - 0;

struct REBARBANDINFO {
    UINT cbSize;
    UINT fMask;
    UINT fStyle;
    COLORREF clrFore;
    COLORREF clrBack;
    LPTSTR lpText;
    UINT cch;
    int iImage;
    HWND hwndChild;
    UINT cxMinChild;
    UINT cyMinChild;
    UINT cx;
    HBITMAP hbmBack;
    UINT wID;
    UINT cyChild;
    UINT cyMaxChild;
    UINT cyIntegral;
    UINT cxIdeal;
    LPARAM lParam;
    UINT cxHeader;
};
using LPREBARBANDINFO = REBARBANDINFO*;

class CReBarCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL InsertBand(UINT uIndex, REBARBANDINFO* prbbi);  // uIndex (UINT)-1 appends
    BOOL DeleteBand(UINT uBand);
    UINT GetBandCount() const;
    BOOL GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const;
    BOOL SetBandInfo(UINT uBand, REBARBANDINFO* prbbi);
    void GetRect(UINT uBand, LPRECT prc) const;  // the band's rectangle
    UINT GetRowCount() const;
    UINT GetBarHeight() const;
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE);
    int IDToIndex(UINT uBandID) const;
};

class CReBar : public CControlBar {
public:
    CReBar();
    ~CReBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // A band holding pBar, as wide and high as the bar wants to be.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    CReBarCtrl& GetReBarCtrl() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    void PostNcDestroy() override;

private:
    mutable CReBarCtrl m_control;  // the same window, seen as its rebar control
};
