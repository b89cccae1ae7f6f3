#include "options_engine/import_lines.h"

std::vector<CString> SplitImportLines(const CString& text) {
    std::vector<CString> lines;
    const int length = text.GetLength();
    int start = 0;
    while (start < length) {
        int end = text.Find(L'\n', start);
        const int next = end < 0 ? length : end + 1;
        if (end < 0) end = length;
        if (end > start && text[end - 1] == L'\r') --end;
        lines.push_back(text.Mid(start, end - start));
        start = next;
    }
    return lines;
}

int CountLines(const CString& text) {
    int count = 0;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == L'\n') ++count;
    if (!text.IsEmpty() && text[text.GetLength() - 1] != L'\n') ++count;
    return count;
}

wchar_t ImportSeparator(int index) {
    static constexpr wchar_t kSeparators[] = {L'\t', L',', L';', L'#'};
    return index >= 1 && index <= 3 ? kSeparators[index] : kSeparators[0];
}

CString ImportField(const std::vector<CString>& fields, int n) {
    if (n < 1 || n > static_cast<int>(fields.size())) return CString();
    return fields[n - 1];
}
