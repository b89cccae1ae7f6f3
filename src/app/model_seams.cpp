#include "app/model_seams.h"

#include <algorithm>

#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

MessageAnswer CDialogMessageAnswerer::Ask(const CString& text, const CString& caption, MessageButtons buttons,
                                          MessageIcon icon) {
    UINT type = MB_OK;
    switch (buttons) {
    case MessageButtons::Ok: type = MB_OK; break;
    case MessageButtons::OkCancel: type = MB_OKCANCEL; break;
    case MessageButtons::YesNo: type = MB_YESNO; break;
    case MessageButtons::YesNoCancel: type = MB_YESNOCANCEL; break;
    }
    switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Stop: type |= MB_ICONSTOP; break;
    case MessageIcon::Question: type |= MB_ICONQUESTION; break;
    case MessageIcon::Warning: type |= MB_ICONWARNING; break;
    case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
    }
    CWnd* main = AfxGetMainWnd();
    switch (::MessageBox(main ? main->GetSafeHwnd() : nullptr, text, caption, type)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

bool CLayerClipboard::SetText(const CString& text) {
    CWnd* main = AfxGetMainWnd();
    if (!OpenClipboard(main ? main->GetSafeHwnd() : nullptr)) return false;
    EmptyClipboard();
    bool done = false;
    const SIZE_T bytes = (static_cast<SIZE_T>(text.GetLength()) + 1) * sizeof(wchar_t);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto* chars = static_cast<wchar_t*>(GlobalLock(block))) {
            std::copy(text.GetString(), text.GetString() + text.GetLength() + 1, chars);
            GlobalUnlock(block);
            done = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
    }
    CloseClipboard();
    return done;
}

bool CLayerClipboard::GetText(CString& text) {
    CWnd* main = AfxGetMainWnd();
    if (!OpenClipboard(main ? main->GetSafeHwnd() : nullptr)) return false;
    bool found = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            found = true;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return found;
}
