// CXmlDocument: the file text functions (reading and writing whole text files with byte-order
// marks, declared encodings and UTF-8 detection), encoding names and conversions.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <string>

#include "model/xml_document.h"
#include "platform/core/atomic_file.h"
#include "platform/core/code_page.h"

namespace {

// Encoding names and their code pages, sorted by name.
struct EncodingName {
    const wchar_t* name;
    int codePage;
};
const EncodingName kEncodingNames[] = {
    {L"_iso-2022-jp", 50221}, {L"_iso-2022-jp$sio", 50222}, {L"ansi_x3.4-1968", 20127}, {L"ansi_x3.4-1986", 20127}, {L"arabic", 28596},
    {L"ascii", 20127}, {L"asmo-708", 708}, {L"big5", 950}, {L"big5-hkscs", 950}, {L"ccsid00858", 858},
    {L"chinese", 936}, {L"cn-big5", 950}, {L"cn-gb", 936}, {L"codepage437", 437}, {L"cp-gr", 869},
    {L"cp-is", 861}, {L"cp00858", 858}, {L"cp1125", 1125}, {L"cp1133", 1133}, {L"cp1200", 1200},
    {L"cp12000", 12000}, {L"cp12001", 12001}, {L"cp1201", 1201}, {L"cp1250", 1250}, {L"cp1251", 1251},
    {L"cp1252", 1252}, {L"cp1253", 1253}, {L"cp1254", 1254}, {L"cp1255", 1255}, {L"cp1256", 1256},
    {L"cp1256 ", 1256}, {L"cp1257", 1257}, {L"cp1258", 1258}, {L"cp1361", 1361}, {L"cp154", 154},
    {L"cp367", 20127}, {L"cp437", 437}, {L"cp500", 500}, {L"cp50221", 50221}, {L"cp51932", 51932},
    {L"cp65001", 65001}, {L"cp737", 737}, {L"cp775", 775}, {L"cp819", 28591}, {L"cp850", 850},
    {L"cp852", 852}, {L"cp853", 853}, {L"cp855", 855}, {L"cp857", 857}, {L"cp858", 858},
    {L"cp860", 860}, {L"cp861", 861}, {L"cp862", 862}, {L"cp863", 863}, {L"cp864", 864},
    {L"cp865", 865}, {L"cp866", 866}, {L"cp869", 869}, {L"cp874", 874}, {L"cp932", 932},
    {L"cp936", 936}, {L"cp949", 949}, {L"cp950", 950}, {L"csascii", 20127}, {L"csbig5", 950},
    {L"cseuckr", 51949}, {L"cseucpkdfmtjapanese", 20932}, {L"csgb2312", 936}, {L"csgb231280", 936}, {L"csibm500", 500},
    {L"csibm855", 855}, {L"csibm857", 857}, {L"csibm860", 860}, {L"csibm861", 861}, {L"csibm863", 863},
    {L"csibm864", 864}, {L"csibm865", 865}, {L"csibm866", 866}, {L"csibm869", 869}, {L"csiso2022jp", 50221},
    {L"csiso2022kr", 50225}, {L"csiso58gb231280", 936}, {L"csisolatin1", 28591}, {L"csisolatin2", 28592}, {L"csisolatin3", 28593},
    {L"csisolatin4", 28594}, {L"csisolatin5", 28595}, {L"csisolatinarabic", 28596}, {L"csisolatincyrillic", 28595}, {L"csisolatingreek", 28597},
    {L"csisolatinhebrew", 28598}, {L"cskoi8r", 20866}, {L"csksc56011987", 949}, {L"csmacintosh", 10000}, {L"cspc775baltic", 775},
    {L"cspc8", 437}, {L"cspc850multilingual", 850}, {L"cspc862latinhebrew", 862}, {L"cspc8codepage437", 437}, {L"cspcp852", 852},
    {L"csptcp154", 154}, {L"csshiftjis", 932}, {L"csunicode11utf7", 65000}, {L"cswindows31j", 932}, {L"cyrillic", 28595},
    {L"cyrillic-asian", 154}, {L"dos-720", 720}, {L"dos-862", 862}, {L"dos-874", 874}, {L"ebcdic-cp-be", 500},
    {L"ebcdic-cp-ch", 500}, {L"ecma-114", 28596}, {L"ecma-118", 28597}, {L"elot_928", 28597}, {L"euc-cn", 51936},
    {L"euc-jp", 20932}, {L"euc-kr", 51949}, {L"extended_unix_code_packed_format_for_japanese", 20932}, {L"gb18030", 54936}, {L"gb2312", 936},
    {L"gb2312-80", 936}, {L"gb231280", 936}, {L"gb_2312-80", 936}, {L"gbk", 936}, {L"greek", 28597},
    {L"greek8", 28597}, {L"hebrew", 28598}, {L"hz-gb-2312", 52936}, {L"ibm-cp1133", 1133}, {L"ibm00858", 858},
    {L"ibm367", 20127}, {L"ibm437", 437}, {L"ibm737", 737}, {L"ibm775", 775}, {L"ibm819", 28591},
    {L"ibm850", 850}, {L"ibm852", 852}, {L"ibm855", 855}, {L"ibm857", 857}, {L"ibm860", 860},
    {L"ibm861", 861}, {L"ibm862", 862}, {L"ibm863", 863}, {L"ibm864", 864}, {L"ibm865", 865},
    {L"ibm866", 866}, {L"ibm869", 869}, {L"iso-2022-jp", 50220}, {L"iso-2022-jp-ms", 50221}, {L"iso-2022-kr", 50225},
    {L"iso-4873:1986", 54936}, {L"iso-8859-1", 28591}, {L"iso-8859-11", 874}, {L"iso-8859-13", 28603}, {L"iso-8859-15", 28605},
    {L"iso-8859-2", 28592}, {L"iso-8859-3", 28593}, {L"iso-8859-4", 28594}, {L"iso-8859-5", 28595}, {L"iso-8859-6", 28596},
    {L"iso-8859-7", 28597}, {L"iso-8859-8", 28598}, {L"iso-8859-8-i", 38598}, {L"iso-8859-9", 28599}, {L"iso-ir-100", 28591},
    {L"iso-ir-101", 28592}, {L"iso-ir-109", 28593}, {L"iso-ir-110", 28594}, {L"iso-ir-126", 28597}, {L"iso-ir-127", 28596},
    {L"iso-ir-138", 28598}, {L"iso-ir-144", 28595}, {L"iso-ir-148", 28599}, {L"iso-ir-149", 949}, {L"iso-ir-58", 936},
    {L"iso-ir-6", 20127}, {L"iso-ir-6us", 20127}, {L"iso2022-jp-ms", 50221}, {L"iso2022-kr", 50225}, {L"iso646-us", 20127},
    {L"iso8859-1", 28591}, {L"iso8859-13", 28603}, {L"iso8859-15", 28605}, {L"iso8859-2", 28592}, {L"iso8859-3", 28593},
    {L"iso8859-4", 28594}, {L"iso8859-5", 28595}, {L"iso8859-6", 28596}, {L"iso8859-7", 28597}, {L"iso8859-8", 28598},
    {L"iso8859-8-i", 38598}, {L"iso8859-9", 28599}, {L"iso_646.irv:1991", 20127}, {L"iso_8859-1", 28591}, {L"iso_8859-15", 28605},
    {L"iso_8859-1:1987", 28591}, {L"iso_8859-2", 28592}, {L"iso_8859-2:1987", 28592}, {L"iso_8859-3", 28593}, {L"iso_8859-3:1988", 28593},
    {L"iso_8859-4", 28594}, {L"iso_8859-4:1988", 28594}, {L"iso_8859-5", 28595}, {L"iso_8859-5:1988", 28595}, {L"iso_8859-6", 28596},
    {L"iso_8859-6:1987", 28596}, {L"iso_8859-7", 28597}, {L"iso_8859-7:1987", 28597}, {L"iso_8859-8", 28598}, {L"iso_8859-8:1988", 28598},
    {L"iso_8859-9", 28599}, {L"iso_8859-9:1989", 28599}, {L"johab", 1361}, {L"koi", 20866}, {L"koi8", 20866},
    {L"koi8-r", 20866}, {L"koi8-ru", 21866}, {L"koi8-u", 21866}, {L"koi8r", 20866}, {L"korean", 949},
    {L"ks-c-5601", 949}, {L"ks-c5601", 949}, {L"ks_c_5601", 949}, {L"ks_c_5601-1987", 949}, {L"ks_c_5601-1989", 949},
    {L"ks_c_5601_1987", 949}, {L"ksc5601", 949}, {L"ksc_5601", 949}, {L"l1", 28591}, {L"l2", 28592},
    {L"l3", 28593}, {L"l4", 28594}, {L"l5", 28599}, {L"l9", 28605}, {L"latin-9", 28605},
    {L"latin1", 28591}, {L"latin2", 28592}, {L"latin3", 28593}, {L"latin4", 28594}, {L"latin5", 28599},
    {L"latin9", 28605}, {L"logical", 38598}, {L"mac", 10000}, {L"macintosh", 10000}, {L"ms-ansi", 1252},
    {L"ms-arab", 1256}, {L"ms-cyrl", 1251}, {L"ms-ee", 1250}, {L"ms-greek", 1253}, {L"ms-hebr", 1255},
    {L"ms-turk", 1254}, {L"ms50221", 50221}, {L"ms51932", 51932}, {L"ms932", 932}, {L"ms936", 936},
    {L"ms_kanji", 932}, {L"pc-multilingual-850+euro", 858}, {L"pt154", 154}, {L"ptcp154", 154}, {L"shifft_jis", 932},
    {L"shifft_jis-ms", 932}, {L"shift-jis", 932}, {L"shift_jis", 932}, {L"sjis", 932}, {L"sjis-ms", 932},
    {L"sjis-open", 932}, {L"sjis-win", 932}, {L"tis-620", 874}, {L"ucs-2", 1200}, {L"ucs-2be", 1201},
    {L"ucs-2le", 1200}, {L"uhc", 949}, {L"unicode", 1200}, {L"unicode-1-1-utf-7", 65000}, {L"unicode-1-1-utf-8", 65001},
    {L"unicode-2-0-utf-8", 65001}, {L"unicodefffe", 1201}, {L"us", 20127}, {L"us-ascii", 20127}, {L"utf-16", 1200},
    {L"utf-16be", 1201}, {L"utf-16le", 1200}, {L"utf-32", 12000}, {L"utf-32be", 12001}, {L"utf-32le", 12000},
    {L"utf-7", 65000}, {L"utf-8", 65001}, {L"utf16", 1200}, {L"utf16be", 1201}, {L"utf16le", 1200},
    {L"utf32", 12000}, {L"utf32be", 12001}, {L"utf32le", 12000}, {L"utf8", 65001}, {L"visual", 28598},
    {L"winbaltrim", 1257}, {L"windows-1250", 1250}, {L"windows-1251", 1251}, {L"windows-1252", 1252}, {L"windows-1253", 1253},
    {L"windows-1254", 1254}, {L"windows-1255", 1255}, {L"windows-1256", 1256}, {L"windows-1257", 1257}, {L"windows-1258", 1258},
    {L"windows-31j", 932}, {L"windows-50221", 50221}, {L"windows-51932", 51932}, {L"windows-874", 874}, {L"windows-932", 932},
    {L"windows-936", 936}, {L"x-ansi", 1252}, {L"x-chinese-cns", 20000}, {L"x-chinese-eten", 20002}, {L"x-chinese_cns", 20000},
    {L"x-cp1250", 1250}, {L"x-cp1251", 1251}, {L"x-cp20001", 20001}, {L"x-cp20003", 20003}, {L"x-cp20004", 20004},
    {L"x-cp20005", 20005}, {L"x-cp20261", 20261}, {L"x-cp20269", 20269}, {L"x-cp20936", 20936}, {L"x-cp20949", 20949},
    {L"x-cp50227", 50227}, {L"x-euc", 51932}, {L"x-euc-cn", 51936}, {L"x-euc-jp", 51932}, {L"x-europa", 29001},
    {L"x-ia5", 20105}, {L"x-ia5-german", 20106}, {L"x-ia5-norwegian", 20108}, {L"x-ia5-swedish", 20107}, {L"x-iscii-as", 57006},
    {L"x-iscii-be", 57003}, {L"x-iscii-de", 57002}, {L"x-iscii-gu", 57010}, {L"x-iscii-ka", 57008}, {L"x-iscii-ma", 57009},
    {L"x-iscii-or", 57007}, {L"x-iscii-pa", 57011}, {L"x-iscii-ta", 57004}, {L"x-iscii-te", 57005}, {L"x-mac-arabic", 10004},
    {L"x-mac-ce", 10029}, {L"x-mac-chinesesimp", 10008}, {L"x-mac-chinesetrad", 10002}, {L"x-mac-croatian", 10082}, {L"x-mac-cyrillic", 10007},
    {L"x-mac-greek", 10006}, {L"x-mac-hebrew", 10005}, {L"x-mac-icelandic", 10079}, {L"x-mac-japanese", 10001}, {L"x-mac-korean", 10003},
    {L"x-mac-romanian", 10010}, {L"x-mac-thai", 10021}, {L"x-mac-turkish", 10081}, {L"x-mac-ukrainian", 10017}, {L"x-ms-cp932", 932},
    {L"x-sjis", 932}, {L"x-unicode-2-0-utf-7", 65000}, {L"x-unicode-2-0-utf-8", 65001}, {L"x-x-big5", 950}, {L"x_chinese-eten", 20002},
};

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// The code page to convert with: an unknown name counts as the ANSI page.
UINT CodePageOf(const CString& encoding) {
    int codePage = CXmlDocument::CodePageFromName(encoding);
    return codePage == CXmlDocument::kNoCodePage ? CP_ACP : static_cast<UINT>(codePage);
}

// "file_error": the system's text for the error (empty when it does not fit 100 characters),
// cut at the first line break, and the error number.
void LogFileError(CString& log, int error) {
    char buffer[256];
    const char* message = strerror_r(error, buffer, sizeof buffer);
    std::string text = message ? message : "";
    if (text.size() >= 100)
        text.clear();
    std::size_t cut = text.find_first_of("\r\n");
    if (cut != std::string::npos)
        text.resize(cut);
    CString msg(text);
    CXmlDocument::AddResult(log, L"file_error", msg, CXmlDocument::kResultMsg | CXmlDocument::kResultN, error);
}

// The largest file the document can hold: offsets in the text are 32-bit.
constexpr long long kMaxFileBytes = 0x7FFFFFF0LL;

bool ReadWholeFile(const std::string& path, std::string& bytes, int& error) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        error = EISDIR;
        return false;
    }
    if (st.st_size > kMaxFileBytes) {
        ::close(fd);
        error = EFBIG;
        return false;
    }
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        if (static_cast<long long>(bytes.size()) + n > kMaxFileBytes) {
            ::close(fd);
            error = EFBIG;
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0) {
        error = errno;
        return false;
    }
    return true;
}

struct ByteOrderMark {
    const char* bytes;
    std::size_t length;
    const wchar_t* encoding;
    int flag;
};
const ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", 3, L"UTF-8", CXmlDocument::kUtf8Preamble},
    {"\xFF\xFE", 2, L"UTF-16LE", CXmlDocument::kUtf16LeFile},
    {"\xFE\xFF", 2, L"UTF-16BE", CXmlDocument::kUtf16BeFile},
};
constexpr int kMarkBits = CXmlDocument::kUtf16LeFile | CXmlDocument::kUtf8Preamble | CXmlDocument::kUtf16BeFile;
constexpr int kModeBits = CXmlDocument::kReadFile | CXmlDocument::kWriteFile | CXmlDocument::kAppendFile;

// Decodes UTF-16 bytes (already in little-endian order) strictly.
bool DecodeUtf16Le(const std::string& bytes, CString& text) {
    std::wstring out;
    if (!DecodeBytes(CP_UTF16LE, bytes, out))
        return false;
    text.str() = std::move(out);
    return true;
}

}  // namespace

int CXmlDocument::CodePageFromName(const CString& name) {
    if (name.IsEmpty())
        return CP_ACP;
    if (std::wcsncmp(name.GetString(), L"UTF-32", 6) == 0)
        return CP_UTF32;
    if (name.GetLength() >= 100)
        return kNoCodePage;
    std::wstring lower = name.str();
    for (wchar_t& c : lower)
        c = FoldAsciiLower(c);
    auto it = std::lower_bound(std::begin(kEncodingNames), std::end(kEncodingNames), lower,
                               [](const EncodingName& e, const std::wstring& n) { return n.compare(e.name) > 0; });
    if (it != std::end(kEncodingNames) && lower == it->name)
        return it->codePage;
    return kNoCodePage;
}

CString CXmlDocument::FindEncoding(const CString& text) {
    const wchar_t* s = text.GetString();
    const int length = text.GetLength();
    bool html = false;
    int offset = 0;
    while (true) {
        Token t = ReadToken(s, length, offset, nullptr);
        if (t.nType < 0)
            break;
        offset = t.nStart + t.nLength;
        std::wstring_view name(s + t.nNameStart, static_cast<std::size_t>(t.nNameLength));
        AttrPos attr;
        int insertAt = 0;
        const int attrStart = t.nNameStart + t.nNameLength;
        if (t.nType == kNodeProcessingInstruction && t.nStart == 0 && name == L"xml") {
            if (FindAttribute(s, t.nStart, t.nLength, attrStart, L"encoding", attr, insertAt) && attr.nValueStart >= 0)
                return UnescapeText(s + attr.nValueStart, attr.nValueLength);
            return CString();
        }
        if (t.nType == kNodeElement) {
            if (name == L"html") {
                html = true;
                continue;
            }
            if (!html)
                return CString();
            if (name != L"meta")
                continue;
            if (!FindAttribute(s, t.nStart, t.nLength, attrStart, L"http-equiv", attr, insertAt) ||
                attr.nValueStart < 0 ||
                UnescapeText(s + attr.nValueStart, attr.nValueLength).Compare(L"Content-Type") != 0)
                continue;
            if (!FindAttribute(s, t.nStart, t.nLength, attrStart, L"content", attr, insertAt) || attr.nValueStart < 0)
                continue;
            std::wstring content = UnescapeText(s + attr.nValueStart, attr.nValueLength).str();
            std::wstring lower = content;
            for (wchar_t& c : lower)
                c = FoldAsciiLower(c);
            std::size_t at = lower.find(L"charset");
            while (at != std::wstring::npos) {
                std::size_t i = at + 7;
                while (i < content.size() && IsSpace(content[i]))
                    ++i;
                if (i < content.size() && content[i] == L'=') {
                    ++i;
                    while (i < content.size() && IsSpace(content[i]))
                        ++i;
                    std::size_t start = i;
                    while (i < content.size() && !IsSpace(content[i]) && content[i] != L';' && content[i] != L'"' &&
                           content[i] != L'\'')
                        ++i;
                    if (i > start)
                        return CString(content.substr(start, i - start));
                }
                at = lower.find(L"charset", at + 7);
            }
            continue;
        }
        if (t.nType == kNodeEndTag && name == L"head")
            return CString();
    }
    return CString();
}

bool CXmlDocument::IsValidUtf8(const char* bytes, int count, bool* endTruncated) {
    if (endTruncated)
        *endTruncated = false;
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes);
    int i = 0;
    while (i < count && b[i] != 0) {
        unsigned char lead = b[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int more = 2;
        if (!(lead & 0x20))
            more = 1;
        else if (lead & 0x10) {
            if (lead & 0x08)
                return false;
            more = 3;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= count || b[i + k] == 0) {
                if (endTruncated)
                    *endTruncated = i + k >= count;
                return false;
            }
            if (b[i + k] < 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

int CXmlDocument::ConvertText(const CString& from, const void* source, int count, const CString& to, void* output,
                              int capacity, bool* lost) {
    if (lost)
        *lost = false;
    if (source == nullptr || count < 0)
        return -1;
    const UINT cpFrom = CodePageOf(from);
    const UINT cpTo = CodePageOf(to);
    // Wide text in the middle: UTF-16 and UTF-32 units are both whole code points here.
    std::wstring wide;
    if (cpFrom == CP_UTF16LE || cpFrom == CP_UTF32) {
        wide.assign(static_cast<const wchar_t*>(source), static_cast<std::size_t>(count));
    } else if (count > 0) {
        int n = MultiByteToWideChar(cpFrom, 0, static_cast<const char*>(source), count, nullptr, 0);
        if (n == 0)
            return -1;
        wide.resize(static_cast<std::size_t>(n));
        MultiByteToWideChar(cpFrom, 0, static_cast<const char*>(source), count, wide.data(), n);
    }
    if (cpTo == CP_UTF16LE || cpTo == CP_UTF32) {
        for (wchar_t& c : wide) {
            char32_t u = static_cast<char32_t>(c);
            if (u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
                c = L'?';
                if (lost)
                    *lost = true;
            }
        }
        const int n = static_cast<int>(wide.size());
        if (output == nullptr || capacity == 0)
            return n;
        if (n > capacity)
            return -1;
        std::copy(wide.begin(), wide.end(), static_cast<wchar_t*>(output));
        return n;
    }
    if (wide.empty())
        return 0;
    // Pages that cannot report a default character.
    const bool reports = !(cpTo == 50220 || cpTo == 50221 || cpTo == 50222 || cpTo == 50225 || cpTo == 50227 ||
                           cpTo == 50229 || cpTo == 52936 || cpTo == 54936 || (cpTo >= 57002 && cpTo <= 57011) ||
                           cpTo == CP_UTF7 || cpTo == CP_UTF8);
    BOOL used = FALSE;
    const int n = WideCharToMultiByte(cpTo, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                      reports ? &used : nullptr);
    if (n == 0)
        return -1;
    if (lost && used)
        *lost = true;
    if (output == nullptr || capacity == 0)
        return n;
    if (n > capacity)
        return -1;
    WideCharToMultiByte(cpTo, 0, wide.data(), static_cast<int>(wide.size()), static_cast<char*>(output), capacity,
                        nullptr, nullptr);
    return n;
}

bool CXmlDocument::ReadFileText(CString* encoding, const CString& path, CString& text, CString* result, int* flags) {
    text.Empty();
    CString log;
    int fileFlags = (flags ? *flags : 0) | kReadFile;
    auto finish = [&](bool ok) {
        fileFlags &= ~kModeBits;
        if (flags)
            *flags = fileFlags;
        if (result)
            *result = log;
        return ok;
    };

    // The mark bits describe this file only, so all three start cleared.
    fileFlags &= ~kMarkBits;
    std::string bytes;
    int error = 0;
    if (!ReadWholeFile(path.ToUtf8(), bytes, error)) {
        LogFileError(log, error);
        return finish(false);
    }
    if (bytes.empty())
        return finish(true);

    // Byte-order mark. NUL units are dropped from the text, so a mark that follows only NUL
    // units is the file's mark: taken as text, it would become a mark when written back.
    std::size_t leadingNulls = 0;
    while (leadingNulls < bytes.size() && bytes[leadingNulls] == 0)
        ++leadingNulls;
    int nulls = 0;
    if (leadingNulls > 0 && leadingNulls < bytes.size()) {
        for (const ByteOrderMark& mark : kMarks) {
            const bool wholeUnits = mark.length != 2 || leadingNulls % 2 == 0;
            if (wholeUnits && bytes.compare(leadingNulls, mark.length, mark.bytes, mark.length) == 0) {
                nulls = static_cast<int>(mark.length == 2 ? leadingNulls / 2 : leadingNulls);
                bytes.erase(0, leadingNulls);
                break;
            }
        }
    }
    CString found;
    std::size_t markLength = 0;
    int unitSize = 1;
    bool guessedUtf8 = false;
    for (const ByteOrderMark& mark : kMarks) {
        if (bytes.size() >= mark.length && bytes.compare(0, mark.length, mark.bytes, mark.length) == 0) {
            fileFlags |= mark.flag;
            found = mark.encoding;
            markLength = mark.length;
            unitSize = mark.length == 2 ? 2 : 1;
            AddResult(log, L"bom", found, kResultEncoding);
            break;
        }
    }
    if (markLength == 0) {
        const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data());
        if (bytes.size() >= 4 && b[0] != 0 && b[1] == 0 && b[2] != 0 && b[3] == 0) {
            // UTF-16 without a mark: the first two characters are ASCII in 16-bit units.
            fileFlags |= kUtf16LeFile;
            found = L"UTF-16LE";
            unitSize = 2;
        } else if (bytes.size() >= 4 && b[0] == 0 && b[1] != 0 && b[2] == 0 && b[3] != 0) {
            fileFlags |= kUtf16BeFile;
            found = L"UTF-16BE";
            unitSize = 2;
        } else {
            std::string probe = bytes.substr(0, std::min<std::size_t>(bytes.size(), 1024));
            std::wstring probeText;
            int n = MultiByteToWideChar(CP_UTF8, 0, probe.data(), static_cast<int>(probe.size()), nullptr, 0);
            if (n > 0) {
                probeText.resize(static_cast<std::size_t>(n));
                MultiByteToWideChar(CP_UTF8, 0, probe.data(), static_cast<int>(probe.size()), probeText.data(), n);
            }
            found = FindEncoding(CString(std::move(probeText)));
            if (found.IsEmpty() && bytes[0] == '<') {
                found = L"UTF-8";
                guessedUtf8 = true;
            }
        }
    }

    // The caller's encoding name: it decides for a byte file; otherwise it receives the name
    // the text was decoded with.
    const bool callerDecides = encoding && encoding->Compare(found) != 0 && unitSize == 1 && !encoding->IsEmpty();
    if (callerDecides) {
        found = *encoding;
        guessedUtf8 = false;
    }
    auto tellEncoding = [&]() {
        if (encoding && !callerDecides)
            *encoding = found;
    };

    std::string body = std::move(bytes);
    body.erase(0, markLength);
    if (unitSize == 2 && body.size() % 2 != 0) {
        // A file cut inside a 16-bit unit: the odd byte is dropped and the cut reported.
        body.pop_back();
        AddResult(log, L"truncation_error", found, kResultEncoding);
    }
    const int units = static_cast<int>(body.size() / static_cast<std::size_t>(unitSize));
    AddResult(log, L"read", found, kResultEncoding | kResultLength, units);

    // NUL units are removed (in place).
    std::size_t kept = 0;
    for (std::size_t i = 0; i < body.size(); i += static_cast<std::size_t>(unitSize)) {
        if (body[i] == 0 && (unitSize == 1 || body[i + 1] == 0)) {
            ++nulls;
            continue;
        }
        body[kept++] = body[i];
        if (unitSize == 2)
            body[kept++] = body[i + 1];
    }
    body.resize(kept);
    if (nulls > 0)
        AddResult(log, L"nulls_removed", nullptr, kResultCount, nulls);

    if (unitSize == 2) {
        if (fileFlags & kUtf16BeFile) {
            for (std::size_t i = 0; i + 1 < body.size(); i += 2)
                std::swap(body[i], body[i + 1]);
            AddResult(log, L"endian_swap");
        }
        tellEncoding();
        if (!DecodeUtf16Le(body, text)) {
            text.Empty();
            AddResult(log, L"conversion_error", found, kResultEncoding);
            return finish(false);
        }
        return finish(true);
    }

    bool detected = guessedUtf8;
    if (found.IsEmpty()) {
        if (IsValidUtf8(body.data(), static_cast<int>(body.size()))) {
            found = L"UTF-8";
            detected = true;
            AddResult(log, L"read", found, kResultEncoding | kResultFind);
        }
        AddResult(log, L"utf8_detection");
    }
    const UINT codePage = CodePageOf(found);
    std::wstring wide;
    bool decoded = DecodeBytes(codePage, body, wide);
    if (!decoded && detected && codePage == CP_UTF8) {
        // Taken for UTF-8 without a declaration, but it is not: the ANSI page.
        AddResult(log, L"utf8_detection", L"ANSI", kResultEncoding);
        found.Empty();
        AddResult(log, L"read", found, kResultEncoding | kResultFind);
        decoded = DecodeBytes(CP_ACP, body, wide);
    }
    tellEncoding();
    if (!decoded) {
        AddResult(log, L"conversion_error", found, kResultEncoding);
        return finish(false);
    }
    if (markLength == 0 && !wide.empty() && wide[0] == L'\uFEFF') {
        // A mark that NUL units hid from the mark test: it is the file's mark, not text, or it
        // would become a mark when the text is written back and vanish on the next read.
        wide.erase(0, 1);
        if (codePage == CP_UTF8 && found.CompareNoCase(L"UTF-8") == 0) {
            fileFlags |= kUtf8Preamble;
            AddResult(log, L"bom", found, kResultEncoding);
        }
    }
    text.str() = std::move(wide);
    AddResult(log, L"converted_to", L"UTF-16", kResultEncoding | kResultLength, text.GetLength());
    return finish(true);
}

bool CXmlDocument::WriteFileText(const CString& path, const CString& text, CString* result, int* flags,
                                 CString* encoding) {
    CString log;
    int fileFlags = (flags ? *flags : 0) | kWriteFile;
    auto finish = [&](bool ok) {
        fileFlags &= ~kModeBits;
        if (flags)
            *flags = fileFlags;
        if (result)
            *result = log;
        return ok;
    };
    const std::string filePath = path.ToUtf8();

    // With the append mode the new file starts as a copy of the old one.
    std::string bytes;
    if (fileFlags & kAppendFile) {
        int error = 0;
        if (!ReadWholeFile(filePath, bytes, error) && error != ENOENT) {
            LogFileError(log, error);
            return finish(false);
        }
    }

    const ByteOrderMark* mark = nullptr;
    for (const ByteOrderMark& m : kMarks)
        if (fileFlags & m.flag) {
            mark = &m;
            break;
        }
    CString found;
    if (mark) {
        found = mark->encoding;
        if (bytes.empty()) {
            bytes.append(mark->bytes, mark->length);
            AddResult(log, L"bom", found, kResultEncoding);
        }
    } else {
        found = FindEncoding(text);
        if (found.IsEmpty())
            found = L"UTF-8";
    }
    const int unitSize = (mark && mark->length == 2) ? 2 : 1;
    if (encoding && encoding->Compare(found) != 0) {
        if (unitSize == 1 && !encoding->IsEmpty())
            found = *encoding;
        else
            *encoding = found;
    }

    int units = 0;
    if (!text.IsEmpty()) {
        std::string converted;
        bool lost = false;
        if (unitSize == 2) {
            converted.reserve(bytes.size() + static_cast<std::size_t>(text.GetLength()) * 2);
            const bool bigEndian = (mark->flag & kUtf16BeFile) != 0;
            EncodeText(bigEndian ? CP_UTF16BE : CP_UTF16LE, text.str(), converted, &lost);
            if (bigEndian)
                AddResult(log, L"endian_swap");
            if (lost)
                AddResult(log, L"conversion_loss");
        } else {
            if (!EncodeText(CodePageOf(found), text.str(), converted, &lost)) {
                AddResult(log, L"conversion_error", found, kResultEncoding);
                return finish(false);
            }
            AddResult(log, L"converted_from", L"UTF-16", kResultEncoding | kResultLength, text.GetLength());
            if (lost)
                AddResult(log, L"conversion_loss");
        }
        units = static_cast<int>(converted.size() / static_cast<std::size_t>(unitSize));
        // One buffer for the whole file where the converted text has room for what comes
        // before it (the mark, an appended file's bytes): a large document is not copied again.
        if (converted.capacity() >= bytes.size() + converted.size()) {
            converted.insert(0, bytes);
            bytes = std::move(converted);
        } else {
            bytes += converted;
        }
    }
    int error = 0;
    if (!WriteFileAtomically(path, bytes, &error)) {
        LogFileError(log, error);
        return finish(false);
    }
    AddResult(log, L"write", found, kResultEncoding | kResultLength, units);
    return finish(true);
}

bool CXmlDocument::ReadUnicodeFile(const CString& path, CString& text) {
    text.Empty();
    std::string bytes;
    int error = 0;
    if (!ReadWholeFile(path.ToUtf8(), bytes, error))
        return false;
    std::size_t start = (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') ? 2 : 0;
    // The text ends at the first zero unit; an odd last byte is no unit.
    std::size_t end = start;
    while (end + 1 < bytes.size() && !(bytes[end] == 0 && bytes[end + 1] == 0))
        end += 2;
    return DecodeUtf16Le(bytes.substr(start, end - start), text);
}
