#include "model/word_list_text.h"

void SplitList(const CString& text, std::vector<CString>& list, wchar_t separator) {
    static constexpr const wchar_t* kBlanks = L" \t\n\r";
    list.clear();
    if (text.IsEmpty()) return;
    int start = 0;
    for (;;) {
        const int at = text.Find(separator, start);
        if (at < 0) break;
        CString piece = text.Mid(start, at - start);
        list.push_back(piece.Trim(kBlanks));
        start = at + 1;
    }
    // The piece after the last separator; a text that ends with one adds nothing more.
    if (start < text.GetLength()) {
        CString piece = text.Mid(start);
        list.push_back(piece.Trim(kBlanks));
    }
}

CString JoinList(const std::vector<CString>& list, wchar_t separator) {
    CString text;
    for (const CString& item : list) text.AppendFormat(L"%s%c", item, separator);
    return text;
}
