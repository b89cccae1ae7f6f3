// CDialog: creation from a template, modal loop, the default handlers and the dialog-item
// helpers. The dialog manager's key handling is in dialog_manager.cpp.
#include "platform/ui/dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/core/mul_div.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/message_map.h"
#include "platform/ui/native_control.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui/window_record.h"

namespace {

// The modal dialogs running now, nested.
int g_modalDepth = 0;

constexpr const wchar_t* kDialogClass = L"#32770";

void EnsureDialogClass() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASS wc{};
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kDialogClass;
    RegisterClass(&wc);
}

// The dialog of a handle, when it is one of ours.
CDialog* DialogOf(HWND h) { return dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(h)); }

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(DM_GETDEFID, &CDialog::HandleGetDefId)
    ON_MESSAGE(DM_SETDEFID, &CDialog::HandleSetDefId)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_loop) m_loop->exit();
    if (m_hWnd) DestroyWindow();
}

// Creation

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CDialogTemplate* t = pack ? pack->FindDialog(nIDTemplate) : nullptr;
    if (!t) return FALSE;
    return CreateFromTemplate(*t, m_pParentWnd, false);
}

BOOL CDialog::CreateIndirect(const CDialogTemplate& dialogTemplate, CWnd* pParentWnd) {
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return CreateFromTemplate(dialogTemplate, m_pParentWnd, false);
}

BOOL CDialog::CreateFromTemplate(const CDialogTemplate& t, CWnd* pParentWnd, bool modal) {
    if (m_hWnd) return FALSE;
    vorn_ui::EnsureNativeClasses();
    EnsureDialogClass();
    m_modal = modal;
    m_defId = 0;

    // The dialog's font and the base units it gives.
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(t.hasFont ? t.fontPointSize : 8, 96, 72);
    lf.lfWeight = t.hasFont ? t.fontWeight : FW_NORMAL;
    lf.lfItalic = t.hasFont && t.fontItalic ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(t.hasFont ? t.fontCharset : DEFAULT_CHARSET);
    const std::wstring face = t.hasFont && !t.fontFace.IsEmpty() ? t.fontFace.str() : std::wstring(L"MS Sans Serif");
    std::wcsncpy(lf.lfFaceName, face.c_str(), 31);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* old = dc.SelectObject(&m_font);
        const CSize extent = dc.GetTextExtent(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52);
        TEXTMETRIC tm{};
        dc.GetTextMetrics(&tm);
        m_baseUnits = CSize((extent.cx / 26 + 1) / 2, tm.tmHeight);
        dc.SelectObject(old);
    }

    CRect rc(t.x, t.y, t.x + t.cx, t.y + t.cy);
    MapDialogRect(&rc);
    DWORD style = t.style & ~WS_VISIBLE;
    const bool child = (style & WS_CHILD) != 0;
    // A captioned top-level dialog gets the window manager's frame and title.
    if (!child && (style & WS_CAPTION) == WS_CAPTION) style &= ~WS_POPUP;
    HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    if (child && !parent) return FALSE;
    // A control dialog (a page) lets the dialog manager walk into its controls.
    const DWORD exStyle = t.exStyle | ((t.style & DS_CONTROL) ? WS_EX_CONTROLPARENT : 0u);
    if (!CreateEx(exStyle, kDialogClass, t.caption, style, rc.left, rc.top, rc.Width(), rc.Height(), parent,
                  nullptr, nullptr))
        return FALSE;
    // The template gives the client area; borders come on top.
    CRect client;
    GetClientRect(&client);
    if (client.Width() != rc.Width() || client.Height() != rc.Height()) {
        CRect window;
        GetWindowRect(&window);
        if (child) GetParent()->ScreenToClient(&window);
        MoveWindow(window.left, window.top, window.Width() + rc.Width() - client.Width(),
                   window.Height() + rc.Height() - client.Height(), FALSE);
    }
    if (!child) {
        // Centred on the owner (or the screen) unless the template places it.
        if ((t.style & DS_CENTER) || (t.x == 0 && t.y == 0)) CenterWindow(pParentWnd);
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    CreateControls(t);
    if (!m_hWnd) return FALSE;
    HWND first = GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0) && m_hWnd) {
        first = GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
        // A hidden page does not take the focus from the dialog it sits in.
        if (first && (!child || (t.style & WS_VISIBLE))) GotoDlgCtrl(CWnd::FromHandle(first));
    }
    if (!m_hWnd) return FALSE;
    // The colour hooks are ready now that the dialog has set itself up.
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (vorn_ui::CNativeControl* control = vorn_ui::CNativeControl::Of(c)) control->UpdateColors();
    if (t.style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialog::CreateControls(const CDialogTemplate& t) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    for (const CDialogControl& c : t.controls) {
        CRect r(c.x, c.y, c.x + c.cx, c.y + c.cy);
        MapDialogRect(&r);
        const std::wstring text = c.textIsId ? std::wstring() : c.text.str();
        HWND control = ::CreateWindowEx(c.exStyle, c.className, text.c_str(), c.style | WS_CHILD, r.left, r.top,
                                        r.Width(), r.Height(), m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<UINT>(c.id) & 0xFFFFu)),
                                        nullptr, nullptr);
        if (!control) continue;
        ::SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
        const std::wstring className = c.className.str();
        const bool isStatic = className.size() == 6 && (className == L"STATIC" || className == L"static" || className == L"Static");
        if (c.textIsId && pack && isStatic) {
            const UINT kind = c.style & SS_TYPEMASK;
            if (kind == SS_BITMAP) {
                if (const CResImage* image = pack->FindBitmap(c.textId))
                    ::SendMessage(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(LoadBitmapFromFile(image->path)));
            } else if (const CResImage* image = pack->FindIcon(c.textId)) {
                ::SendMessage(control, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconFromFile(image->path)), 0);
            }
        }
        const bool isButton = className.size() == 6 && CString(className.c_str()).CompareNoCase(L"BUTTON") == 0;
        if (isButton && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && m_defId == 0)
            m_defId = static_cast<UINT>(c.id) & 0xFFFFu;
    }
}

// Modal loop

INT_PTR CDialog::DoModal() {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const CDialogTemplate* t = pack ? pack->FindDialog(m_nIDTemplate) : nullptr;
    if (!t) return -1;
    return DoModalIndirect(*t);
}

namespace {

// The modal dialogs running, innermost last.
std::vector<CDialog*> g_modalDialogs;

}  // namespace

INT_PTR CDialog::DoModalIndirect(const CDialogTemplate& dialogTemplate) {
    m_nModalResult = -1;
    m_ending = false;
    // The owner is the parent's top-level window. A dialog without a parent is owned by the
    // main window's last active popup: the modal dialog running innermost, else the main
    // window. The owner takes no input while the dialog runs.
    CWnd* parent = m_pParentWnd;
    for (auto it = g_modalDialogs.rbegin(); !parent && it != g_modalDialogs.rend(); ++it)
        if (::IsWindow((*it)->m_hWnd)) parent = *it;
    if (!parent) parent = AfxGetMainWnd();
    if (parent && !::IsWindow(parent->m_hWnd)) parent = nullptr;
    CWnd* owner = parent ? parent->GetTopLevelParent() : nullptr;
    const bool ownerWasEnabled = owner && owner->IsWindowEnabled();
    if (!CreateFromTemplate(dialogTemplate, owner, true)) return -1;
    if (owner && ownerWasEnabled) {
        owner->EnableWindow(FALSE);
        // Qt passes the owner's state on to the windows it owns; the dialog stays usable.
        if (QWidget* w = GetWidget(); w && !(GetStyle() & WS_DISABLED)) w->setEnabled(true);
    }
    // The dialog blocks its owner and stays above it.
    if (QWidget* w = GetWidget(); w && owner) w->setWindowModality(Qt::WindowModal);
    g_modalDialogs.push_back(this);
    const INT_PTR result = RunModal();
    g_modalDialogs.erase(std::find(g_modalDialogs.begin(), g_modalDialogs.end(), this));
    if (owner && ownerWasEnabled && ::IsWindow(owner->m_hWnd)) owner->EnableWindow(TRUE);
    if (m_hWnd) DestroyWindow();
    return result;
}

INT_PTR CDialog::RunModal() {
    if (!m_ending) {
        ShowWindow(SW_SHOW);
        QEventLoop loop;
        m_loop = &loop;
        ++g_modalDepth;
        if (!m_ending && m_hWnd) loop.exec(QEventLoop::DialogExec);
        --g_modalDepth;
        m_loop = nullptr;
    }
    if (m_hWnd) ShowWindow(SW_HIDE);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_modal) {
        m_ending = true;
        if (m_loop) m_loop->exit();
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

BOOL IsModalDialogOpen() { return g_modalDepth > 0 || QApplication::activeModalWidget() != nullptr; }

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    CDialog* dialog = DialogOf(hDlg);
    if (!dialog) return FALSE;
    dialog->EndDialog(static_cast<int>(nResult));
    return TRUE;
}

// Default handlers

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::HandleGetDefId(WPARAM, LPARAM) { return m_defId ? MAKELRESULT(m_defId, DC_HASDEFID) : 0; }

LRESULT CDialog::HandleSetDefId(WPARAM wParam, LPARAM) {
    const UINT old = m_defId;
    m_defId = static_cast<UINT>(wParam);
    // The push buttons show which one is the default.
    for (HWND c = ::GetWindow(m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        const UINT code = static_cast<UINT>(::SendMessage(c, WM_GETDLGCODE, 0, 0));
        if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) continue;
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(c));
        const bool isDefault = id == m_defId;
        if (isDefault != static_cast<bool>(code & DLGC_DEFPUSHBUTTON))
            ::SendMessage(c, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    (void)old;
    return TRUE;
}

void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

BOOL CDialog::OnEraseBkgnd(CDC* pDC) {
    // The dialog's colour comes from WM_CTLCOLORDLG, which the dialog may answer itself.
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(pDC->m_hDC),
                                                      reinterpret_cast<LPARAM>(m_hWnd)));
    if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(pDC->m_hDC, &rc, brush);
    return TRUE;
}

void CDialog::OnClose() {
    // Closing the window is the Cancel command.
    HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void CDialog::OnDestroy() {
    if (m_loop) {
        m_ending = true;
        m_loop->exit();
    }
    Default();
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    lpRect->left = MulDiv(lpRect->left, m_baseUnits.cx, 4);
    lpRect->right = MulDiv(lpRect->right, m_baseUnits.cx, 4);
    lpRect->top = MulDiv(lpRect->top, m_baseUnits.cy, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, m_baseUnits.cy, 8);
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    CDialog* dialog = DialogOf(hDlg);
    if (!dialog || !lpRect) return FALSE;
    dialog->MapDialogRect(lpRect);
    return TRUE;
}

// Focus

void CDialog::NextDlgCtrl() const {
    HWND next = GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE);
    if (next) const_cast<CDialog*>(this)->GotoDlgCtrl(CWnd::FromHandle(next));
}

void CDialog::PrevDlgCtrl() const {
    HWND prev = GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE);
    if (prev) const_cast<CDialog*>(this)->GotoDlgCtrl(CWnd::FromHandle(prev));
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl || !pWndCtrl->m_hWnd) return;
    HWND control = pWndCtrl->m_hWnd;
    ::SetFocus(control);
    // An edit that gets the focus from the dialog manager selects its whole text.
    const UINT code = static_cast<UINT>(::SendMessage(control, WM_GETDLGCODE, 0, 0));
    if (code & DLGC_HASSETSEL) ::SendMessage(control, EM_SETSEL, 0, -1);
}

// Dialog items

void CDialog::SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemText(m_hWnd, nID, lpszString); }

int CDialog::GetDlgItemText(int nID, CString& rString) const {
    CWnd* item = GetDlgItem(nID);
    if (!item) {
        rString.Empty();
        return 0;
    }
    item->GetWindowText(rString);
    return rString.GetLength();
}

int CDialog::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount));
}

void CDialog::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }

UINT CDialog::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CDialog::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) return id;
    return 0;
}

LRESULT CDialog::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
}

BOOL SetDlgItemText(HWND hDlg, int nID, LPCTSTR lpString) {
    HWND item = ::GetDlgItem(hDlg, nID);
    if (!item) return FALSE;
    ::SendMessage(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : L""));
    return TRUE;
}

UINT GetDlgItemText(HWND hDlg, int nID, LPTSTR lpString, int cchMax) {
    HWND item = ::GetDlgItem(hDlg, nID);
    if (!item) {
        if (lpString && cchMax > 0) lpString[0] = 0;
        return 0;
    }
    return static_cast<UINT>(::SendMessage(item, WM_GETTEXT, static_cast<WPARAM>(cchMax), reinterpret_cast<LPARAM>(lpString)));
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND item = ::GetDlgItem(hDlg, nIDButton);
    if (!item) return FALSE;
    ::SendMessage(item, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    HWND item = ::GetDlgItem(hDlg, nIDButton);
    return item ? static_cast<UINT>(::SendMessage(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (HWND item = ::GetDlgItem(hDlg, id))
            ::SendMessage(item, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

// Leading and trailing blanks are allowed, as is a sign when signed; anything else, an empty
// text or a value out of range fails.
UINT GetDlgItemInt(HWND hDlg, int nID, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated) *lpTranslated = FALSE;
    wchar_t buffer[64] = {};
    if (!::GetDlgItemText(hDlg, nID, buffer, 64)) return 0;
    std::wstring text(buffer);
    const auto first = text.find_first_not_of(L" \t");
    const auto last = text.find_last_not_of(L" \t");
    if (first == std::wstring::npos) return 0;
    text = text.substr(first, last - first + 1);
    bool negative = false;
    std::size_t i = 0;
    if (bSigned && (text[0] == L'-' || text[0] == L'+')) {
        negative = text[0] == L'-';
        i = 1;
    }
    if (i >= text.size()) return 0;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return 0;
        value = value * 10 + (text[i] - L'0');
        if (value > 0xFFFFFFFFll) return 0;
    }
    if (negative) value = -value;
    if (bSigned && (value < -2147483648ll || value > 2147483647ll)) return 0;
    if (lpTranslated) *lpTranslated = TRUE;
    return static_cast<UINT>(static_cast<std::uint32_t>(value));
}

BOOL SetDlgItemInt(HWND hDlg, int nID, UINT uValue, BOOL bSigned) {
    const std::wstring text = bSigned ? std::to_wstring(static_cast<int>(uValue)) : std::to_wstring(uValue);
    return ::SetDlgItemText(hDlg, nID, text.c_str());
}

LRESULT SendDlgItemMessage(HWND hDlg, int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND item = ::GetDlgItem(hDlg, nID);
    return item ? ::SendMessage(item, message, wParam, lParam) : 0;
}
