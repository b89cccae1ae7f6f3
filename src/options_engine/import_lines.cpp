#include "options_engine/import_lines.h"

namespace {

constexpr const wchar_t* kBlanks = L" \t\n\r";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// Where the quotation marks of a record stand after the text read so far.
class CQuoteScan {
public:
    explicit CQuoteScan(wchar_t separator) : m_separator(separator) {}
    void Feed(const CString& text) {
        const int length = text.GetLength();
        for (int i = 0; i < length; ++i) {
            const wchar_t c = text[i];
            if (m_inQuotes) {
                if (c != L'"') continue;
                if (i + 1 < length && text[i + 1] == L'"')
                    ++i;
                else
                    m_inQuotes = false;
            } else if (c == m_separator) {
                m_atFieldStart = true;
            } else if (m_atFieldStart && c == L'"') {
                m_inQuotes = true;
                m_atFieldStart = false;
            } else if (!IsBlank(c)) {
                m_atFieldStart = false;
            }
        }
    }
    bool InQuotes() const { return m_inQuotes; }

private:
    wchar_t m_separator;
    bool m_inQuotes = false;
    bool m_atFieldStart = true;
};

int FindSeparator(const CString& text, wchar_t separator, int from) {
    const int at = text.Find(separator, from);
    return at < 0 ? text.GetLength() : at;
}

}  // namespace

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

std::vector<CImportRecord> JoinImportRecords(const std::vector<CString>& lines, wchar_t separator) {
    std::vector<CImportRecord> records;
    const int count = static_cast<int>(lines.size());
    for (int index = 0; index < count;) {
        CImportRecord record;
        record.m_strText = lines[index];
        record.m_nLine = index + 1;
        CQuoteScan scan(separator);
        scan.Feed(lines[index]);
        ++index;
        while (scan.InQuotes() && index < count) {
            record.m_strText += L'\n';
            record.m_strText += lines[index];
            scan.Feed(lines[index]);
            ++record.m_nLines;
            ++index;
        }
        records.push_back(std::move(record));
    }
    return records;
}

void SplitImportFields(const CString& record, wchar_t separator, std::vector<CString>& fields) {
    fields.clear();
    const int length = record.GetLength();
    int at = 0;
    while (at < length) {
        const int start = at;
        while (at < length && record[at] != separator && IsBlank(record[at])) ++at;
        CString field;
        if (at < length && record[at] == L'"') {
            for (++at; at < length; ++at) {
                if (record[at] == L'"') {
                    if (at + 1 < length && record[at + 1] == L'"') {
                        ++at;
                    } else {
                        ++at;
                        break;
                    }
                }
                field += record[at];
            }
            // What stands between the closing mark and the separator belongs to the field, as
            // written: "Big" Jim is Big Jim.
            const int end = FindSeparator(record, separator, at);
            CString rest = record.Mid(at, end - at);
            field += rest.TrimRight(kBlanks);
            at = end;
        } else {
            const int end = FindSeparator(record, separator, start);
            field = record.Mid(start, end - start);
            field.Trim(kBlanks);
            at = end;
        }
        fields.push_back(field);
        // Past the separator; a record that ends with one adds no empty field.
        ++at;
    }
}
