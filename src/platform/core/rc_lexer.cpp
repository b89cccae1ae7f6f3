#include "platform/core/rc_lexer.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/core/rc_expression.h"
#include "platform/core/window_styles.h"

namespace {

constexpr int kMaxIncludeDepth = 32;

bool IsNameStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }
bool IsNameChar(wchar_t c) { return IsNameStart(c) || (c >= L'0' && c <= L'9'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\f' || c == L'\v'; }
int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool EndsWithNoCase(const std::wstring& s, const wchar_t* suffix) {
    const std::wstring suf = suffix;
    if (s.size() < suf.size()) return false;
    for (size_t i = 0; i < suf.size(); ++i) {
        if (FoldAsciiLower(s[s.size() - suf.size() + i]) != FoldAsciiLower(suf[i])) return false;
    }
    return true;
}

// The bytes of a file; false when it cannot be read (the stream throws on a read error).
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    } catch (const std::ios_base::failure&) {
        return false;
    }
}

// Decodes the bytes of a pack file: UTF-8 with or without a byte-order mark, or UTF-16LE with
// its mark. Returns false with a message and the line of the first bad byte.
bool DecodeFile(const std::string& bytes, std::wstring& text, std::wstring& error, int& errorLine) {
    text.clear();
    errorLine = 1;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        if (n % 2 != 0) {
            error = L"a UTF-16 file must have an even number of bytes";
            return false;
        }
        std::u16string units;
        units.reserve(n / 2 - 1);
        for (size_t i = 2; i + 1 < n; i += 2) units.push_back(static_cast<char16_t>(b[i] | (b[i + 1] << 8)));
        for (size_t i = 0; i < units.size(); ++i) {
            char32_t c = units[i];
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
                ++i;
            } else if (c >= 0xD800 && c <= 0xDFFF) {
                error = L"the file is not valid UTF-16";
                return false;
            }
            if (c == U'\n') ++errorLine;
            text.push_back(static_cast<wchar_t>(c));
        }
        return true;
    }
    if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        error = L"UTF-16 big-endian files are not supported; save the pack as UTF-8 or UTF-16LE";
        return false;
    }
    size_t i = (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) ? 3 : 0;
    text.reserve(n);
    while (i < n) {
        const unsigned char c = b[i];
        char32_t cp = 0;
        int extra = 0;
        if (c < 0x80) { cp = c; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { error = L"the file is not valid UTF-8"; return false; }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (b[i + k] & 0xC0) != 0x80) {
                error = L"the file is not valid UTF-8";
                return false;
            }
            cp = (cp << 6) | (b[i + k] & 0x3F);
        }
        static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            error = L"the file is not valid UTF-8";
            return false;
        }
        if (cp == U'\n') ++errorLine;
        text.push_back(static_cast<wchar_t>(cp));
        i += extra + 1;
    }
    return true;
}

// Tokens of one directive line, read as an expression source.
class CVectorStream : public CRcTokenStream {
public:
    explicit CVectorStream(std::vector<CRcToken> tokens, CRcToken end) : m_tokens(std::move(tokens)), m_end(std::move(end)) {}
    const CRcToken& Peek() override { return m_pos < m_tokens.size() ? m_tokens[m_pos] : m_end; }
    CRcToken Next() override { return m_pos < m_tokens.size() ? m_tokens[m_pos++] : m_end; }
    bool AtEnd() const { return m_pos >= m_tokens.size(); }

private:
    std::vector<CRcToken> m_tokens;
    CRcToken m_end;
    size_t m_pos = 0;
};

}  // namespace

bool CRcToken::IsKeyword(const wchar_t* keyword) const {
    if (kind != Name) return false;
    size_t i = 0;
    for (; keyword[i]; ++i) {
        if (i >= text.size() || FoldAsciiUpper(text[i]) != FoldAsciiUpper(keyword[i])) return false;
    }
    return i == text.size();
}

std::wstring CRcToken::Describe() const {
    switch (kind) {
    case End: return L"the end of the file";
    case String: return L"\"" + text + L"\"";
    default: return L"'" + text + L"'";
    }
}

CRcLexer::CRcLexer() = default;
CRcLexer::~CRcLexer() = default;

bool CRcLexer::Open(const CString& path) { return PushFile(path, nullptr); }

CRcToken CRcLexer::MakeErrorToken(int file, int line) const {
    CRcToken t;
    t.file = file;
    t.line = line;
    return t;
}

void CRcLexer::Fail(const CRcToken& at, const std::wstring& message) {
    if (!m_error.ok) return;
    m_error.ok = false;
    m_error.file = (at.file >= 0 && at.file < static_cast<int>(m_files.size())) ? m_files[at.file] : CString();
    m_error.line = at.line;
    m_error.message = message;
    m_stack.clear();
    m_havePeek = false;
}

void CRcLexer::FailExpected(const CRcToken& found, const std::wstring& what) {
    Fail(found, L"expected " + what + L", found " + found.Describe());
}

bool CRcLexer::LookupNumber(const std::wstring& name, long long& value) const {
    auto it = m_symbols.find(name);
    if (it != m_symbols.end()) {
        if (!it->second.hasValue) return false;
        value = it->second.value;
        return true;
    }
    return FindWindowStyleConstant(WideToUtf8(name), value);
}

CString CRcLexer::GetFolderOf(const CRcToken& token) const {
    if (token.file < 0 || token.file >= static_cast<int>(m_files.size())) return CString();
    const CString& f = m_files[token.file];
    const int slash = f.ReverseFind(L'/');
    return slash < 0 ? CString() : f.Left(slash + 1);
}

bool CRcLexer::PushFile(const CString& path, const CRcToken* includedAt) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path abs = fs::absolute(fs::path(path.ToUtf8()), ec).lexically_normal();
    const CString name(abs.string());
    const CRcToken where = includedAt ? *includedAt : MakeErrorToken(-1, 0);
    for (const Source& s : m_stack) {
        if (m_files[s.file] == name) {
            Fail(where, L"recursive #include of \"" + path.str() + L"\"");
            return false;
        }
    }
    if (m_stack.size() >= static_cast<size_t>(kMaxIncludeDepth)) {
        Fail(where, L"#include nested too deeply");
        return false;
    }
    // Only a regular file can be read: an empty name, "." or a folder is refused as a missing
    // file is (reading a folder would throw from inside the stream).
    std::string bytes;
    const bool readable = !path.IsEmpty() && fs::is_regular_file(abs, ec) && ReadWholeFile(abs, bytes);
    if (!readable) {
        if (includedAt) Fail(where, L"cannot open the included file \"" + path.str() + L"\"");
        else {
            m_error.ok = false;
            m_error.file = name;
            m_error.message = L"cannot open the file";
        }
        return false;
    }
    Source s;
    s.file = static_cast<int>(m_files.size());
    m_files.push_back(name);
    std::wstring error;
    int errorLine = 0;
    if (!DecodeFile(bytes, s.text, error, errorLine)) {
        Fail(MakeErrorToken(s.file, errorLine), error);
        return false;
    }
    s.headerOnly = EndsWithNoCase(name.str(), L".h") || EndsWithNoCase(name.str(), L".hpp") ||
                   EndsWithNoCase(name.str(), L".hh") || EndsWithNoCase(name.str(), L".hxx");
    m_stack.push_back(std::move(s));
    return true;
}

const CRcToken& CRcLexer::Peek() {
    if (!m_havePeek) {
        m_peek = Scan();
        m_havePeek = true;
    }
    return m_peek;
}

CRcToken CRcLexer::Next() {
    if (m_havePeek) {
        m_havePeek = false;
        return m_peek;
    }
    return Scan();
}

bool CRcLexer::Active(const Source& s) const {
    for (const Condition& c : s.conditions)
        if (!c.active) return false;
    return true;
}

void CRcLexer::SkipLine(Source& s) {
    while (s.pos < s.text.size() && s.text[s.pos] != L'\n') ++s.pos;
}

void CRcLexer::SkipComment(Source& s) {
    const int startLine = s.line;
    s.pos += 2;
    while (s.pos + 1 < s.text.size() && !(s.text[s.pos] == L'*' && s.text[s.pos + 1] == L'/')) {
        if (s.text[s.pos] == L'\n') ++s.line;
        ++s.pos;
    }
    if (s.pos + 1 >= s.text.size()) {
        Fail(MakeErrorToken(s.file, startLine), L"unterminated comment: expected */");
        return;
    }
    s.pos += 2;
}

CRcToken CRcLexer::Scan() {
    int lastFile = -1, lastLine = 0;
    while (!Failed() && !m_stack.empty()) {
        Source& s = m_stack.back();
        lastFile = s.file;
        lastLine = s.line;
        if (s.pos >= s.text.size()) {
            if (!s.conditions.empty()) {
                Fail(MakeErrorToken(s.file, s.conditions.back().line), L"expected #endif for this #if");
                break;
            }
            m_stack.pop_back();
            continue;
        }
        const wchar_t c = s.text[s.pos];
        const wchar_t next = s.pos + 1 < s.text.size() ? s.text[s.pos + 1] : L'\0';
        if (c == L'\n') {
            ++s.line;
            ++s.pos;
            s.atLineStart = true;
            continue;
        }
        if (IsBlank(c) || c == 0xFEFF) {
            ++s.pos;
            continue;
        }
        if (c == L'#' && s.atLineStart) {
            ++s.pos;
            if (!ReadDirective(s)) break;
            continue;
        }
        s.atLineStart = false;
        if (c == L'/' && next == L'/') {
            SkipLine(s);
            continue;
        }
        if (c == L'/' && next == L'*') {
            SkipComment(s);
            continue;
        }
        if (s.headerOnly || !Active(s)) {
            ++s.pos;
            continue;
        }
        CRcToken token;
        if (!ScanToken(s.text, s.pos, s.line, s.file, token)) break;
        return token;
    }
    return MakeErrorToken(lastFile, lastLine);
}

bool CRcLexer::ScanToken(const std::wstring& text, size_t& pos, int& line, int file, CRcToken& token) {
    token = CRcToken();
    token.file = file;
    token.line = line;
    const size_t start = pos;
    const wchar_t c = text[pos];
    const auto at = [&](size_t i) { return i < text.size() ? text[i] : L'\0'; };

    if (IsNameStart(c) && !(c == L'L' && at(pos + 1) == L'"')) {
        while (pos < text.size() && IsNameChar(text[pos])) ++pos;
        token.kind = CRcToken::Name;
        token.text = text.substr(start, pos - start);
        return true;
    }
    if (IsDigit(c)) {
        unsigned long long v = 0;
        bool overflow = false;
        bool any = true;
        if (c == L'0' && (at(pos + 1) == L'x' || at(pos + 1) == L'X')) {
            pos += 2;
            any = false;
            while (HexValue(at(pos)) >= 0) {
                if (v >> 60) overflow = true;
                v = (v << 4) | static_cast<unsigned>(HexValue(at(pos)));
                ++pos;
                any = true;
            }
        } else {
            while (IsDigit(at(pos))) {
                const unsigned d = static_cast<unsigned>(at(pos) - L'0');
                if (v > (~0ull - d) / 10) overflow = true;
                v = v * 10 + d;
                ++pos;
            }
        }
        while (at(pos) == L'L' || at(pos) == L'l' || at(pos) == L'U' || at(pos) == L'u') ++pos;
        while (IsNameChar(at(pos))) {
            any = false;
            ++pos;
        }
        token.text = text.substr(start, pos - start);
        if (!any || overflow || v > 0x7FFFFFFFFFFFFFFFull) {
            Fail(token, L"bad number '" + token.text + L"': expected a decimal or 0x hexadecimal number");
            return false;
        }
        token.kind = CRcToken::Number;
        token.number = static_cast<long long>(v);
        return true;
    }
    if (c == L'"' || c == L'L') {
        if (c == L'L') ++pos;
        ++pos;
        std::wstring value;
        for (;;) {
            if (pos >= text.size() || text[pos] == L'\n') {
                Fail(token, L"unterminated string: expected a closing \"");
                return false;
            }
            const wchar_t ch = text[pos];
            if (ch == L'"') {
                if (at(pos + 1) == L'"') {  // "" stands for one quote
                    value += L'"';
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            if (ch == L'\\' && pos + 1 < text.size() && text[pos + 1] != L'\n') {
                const wchar_t e = text[pos + 1];
                pos += 2;
                switch (e) {
                case L'n': value += L'\n'; break;
                case L't': value += L'\t'; break;
                case L'r': value += L'\r'; break;
                case L'a': value += L'\a'; break;
                case L'0': value += L'\0'; break;
                case L'\\': value += L'\\'; break;
                case L'"': value += L'"'; break;
                case L'x':
                case L'X': {
                    unsigned v = 0;
                    int digits = 0;
                    while (digits < 4 && HexValue(at(pos)) >= 0) {
                        v = (v << 4) | static_cast<unsigned>(HexValue(at(pos)));
                        ++pos;
                        ++digits;
                    }
                    if (digits == 0) {
                        Fail(token, L"bad escape in string: expected hexadecimal digits after \\x");
                        return false;
                    }
                    value += static_cast<wchar_t>(v);
                    break;
                }
                default:  // an unknown escape keeps its backslash
                    value += L'\\';
                    value += e;
                    break;
                }
                continue;
            }
            value += ch;
            ++pos;
        }
        token.kind = CRcToken::String;
        token.text = value;
        return true;
    }
    static const wchar_t* const kTwoChar[] = {L"<<", L">>", L"<=", L">=", L"==", L"!=", L"&&", L"||"};
    for (const wchar_t* op : kTwoChar) {
        if (c == op[0] && at(pos + 1) == op[1]) {
            pos += 2;
            token.kind = CRcToken::Punct;
            token.text = op;
            return true;
        }
    }
    if (std::wstring(L",|()+-*/%~&^!<>{}").find(c) != std::wstring::npos) {
        ++pos;
        token.kind = CRcToken::Punct;
        token.text = std::wstring(1, c);
        return true;
    }
    token.text = std::wstring(1, c);
    Fail(token, L"unexpected character '" + token.text + L"'");
    return false;
}

bool CRcLexer::ReadDirective(Source& s) {
    // One logical line: backslash-newline joins lines, comments become blanks, strings are
    // kept whole so that "a//b.h" survives.
    const int lineNumber = s.line;
    std::wstring line;
    while (s.pos < s.text.size()) {
        const wchar_t c = s.text[s.pos];
        const wchar_t next = s.pos + 1 < s.text.size() ? s.text[s.pos + 1] : L'\0';
        if (c == L'\n') break;
        if (c == L'\\' && (next == L'\n' || (next == L'\r' && s.pos + 2 < s.text.size() && s.text[s.pos + 2] == L'\n'))) {
            s.pos += (next == L'\n') ? 2 : 3;
            ++s.line;
            line += L' ';
            continue;
        }
        if (c == L'/' && next == L'/') {
            SkipLine(s);
            break;
        }
        if (c == L'/' && next == L'*') {
            SkipComment(s);
            if (Failed()) return false;
            line += L' ';
            continue;
        }
        if (c == L'"') {
            line += c;
            ++s.pos;
            while (s.pos < s.text.size() && s.text[s.pos] != L'"' && s.text[s.pos] != L'\n') line += s.text[s.pos++];
            if (s.pos < s.text.size() && s.text[s.pos] == L'"') line += s.text[s.pos++];
            continue;
        }
        line += c;
        ++s.pos;
    }
    s.atLineStart = true;
    return RunDirective(s, line, lineNumber);
}

bool CRcLexer::RunDirective(Source& s, const std::wstring& line, int lineNumber) {
    const int file = s.file;
    const CRcToken here = MakeErrorToken(file, lineNumber);
    size_t p = 0;
    while (p < line.size() && IsBlank(line[p])) ++p;
    const size_t nameStart = p;
    while (p < line.size() && IsNameChar(line[p])) ++p;
    const std::wstring directive = line.substr(nameStart, p - nameStart);
    if (directive.empty()) return true;  // a lone '#' is allowed

    // The rest of the line as tokens.
    const auto tokenize = [&](size_t from, std::vector<CRcToken>& out) {
        int l = lineNumber;
        while (from < line.size()) {
            if (IsBlank(line[from])) {
                ++from;
                continue;
            }
            CRcToken t;
            if (!ScanToken(line, from, l, file, t)) return false;
            t.line = lineNumber;
            out.push_back(t);
        }
        return true;
    };
    const auto isDefined = [this](const std::wstring& n) {
        long long v = 0;
        return m_symbols.count(n) != 0 || FindWindowStyleConstant(WideToUtf8(n), v);
    };
    const auto condition = [&](bool& value) {
        std::vector<CRcToken> tokens;
        if (!tokenize(p, tokens)) return false;
        if (tokens.empty()) {
            Fail(here, L"expected an expression after #" + directive);
            return false;
        }
        CVectorStream in(std::move(tokens), here);
        CRcExpression expr(in, [this](const std::wstring& n, long long& v) { return LookupNumber(n, v); });
        expr.SetPreprocessor(isDefined);
        long long v = 0;
        if (!expr.Evaluate(v)) {
            Fail(expr.ErrorToken(), expr.Error());
            return false;
        }
        if (!in.AtEnd()) {
            Fail(in.Peek(), L"unexpected " + in.Peek().Describe() + L" after the #" + directive + L" expression");
            return false;
        }
        value = v != 0;
        return true;
    };
    const auto nameArgument = [&](std::wstring& name) {
        std::vector<CRcToken> tokens;
        if (!tokenize(p, tokens)) return false;
        if (tokens.size() != 1 || tokens[0].kind != CRcToken::Name) {
            Fail(here, L"expected one name after #" + directive);
            return false;
        }
        name = tokens[0].text;
        return true;
    };

    const bool active = Active(s);
    if (directive == L"if" || directive == L"ifdef" || directive == L"ifndef") {
        Condition c{false, true, false, lineNumber};
        if (active) {
            bool v = false;
            if (directive == L"if") {
                if (!condition(v)) return false;
            } else {
                std::wstring name;
                if (!nameArgument(name)) return false;
                v = isDefined(name) == (directive == L"ifdef");
            }
            c.active = v;
            c.taken = v;
        }
        s.conditions.push_back(c);
        return true;
    }
    if (directive == L"elif" || directive == L"else" || directive == L"endif") {
        if (s.conditions.empty()) {
            Fail(here, L"#" + directive + L" without #if");
            return false;
        }
        if (directive == L"endif") {
            s.conditions.pop_back();
            return true;
        }
        Condition& c = s.conditions.back();
        if (c.sawElse) {
            Fail(here, L"#" + directive + L" after #else: expected #endif");
            return false;
        }
        Condition saved = c;
        s.conditions.pop_back();
        const bool parentActive = Active(s);
        if (directive == L"else") {
            saved.active = parentActive && !saved.taken;
            saved.taken = true;
            saved.sawElse = true;
        } else {
            saved.active = false;
            if (parentActive && !saved.taken) {
                bool v = false;
                if (!condition(v)) return false;
                saved.active = v;
                saved.taken = v;
            }
        }
        s.conditions.push_back(saved);
        return true;
    }
    if (!active) return true;  // other directives of skipped blocks are not looked at

    if (directive == L"include") {
        while (p < line.size() && IsBlank(line[p])) ++p;
        const wchar_t open = p < line.size() ? line[p] : L'\0';
        const wchar_t close = open == L'"' ? L'"' : (open == L'<' ? L'>' : L'\0');
        const size_t end = close ? line.find(close, p + 1) : std::wstring::npos;
        if (!close || end == std::wstring::npos) {
            Fail(here, L"expected \"file\" after #include");
            return false;
        }
        std::wstring target = line.substr(p + 1, end - p - 1);
        for (wchar_t& ch : target)
            if (ch == L'\\') ch = L'/';
        CString path = (!target.empty() && target[0] == L'/') ? CString(target) : GetFolderOf(here) + CString(target);
        if (open == L'<') {
            // A system header (such as a compiler's resource header) is not needed: the
            // standard names are built in. It is read only when it lies beside the pack.
            std::error_code ec;
            if (!std::filesystem::exists(std::filesystem::path(path.ToUtf8()), ec)) return true;
        }
        return PushFile(path, &here);
    }
    if (directive == L"define") {
        while (p < line.size() && IsBlank(line[p])) ++p;
        const size_t ns = p;
        while (p < line.size() && IsNameChar(line[p])) ++p;
        const std::wstring name = line.substr(ns, p - ns);
        if (name.empty() || !IsNameStart(name[0])) {
            Fail(here, L"expected a name after #define");
            return false;
        }
        if (p < line.size() && line[p] == L'(') return true;  // function-like macros are not used by packs
        std::vector<CRcToken> tokens;
        if (!tokenize(p, tokens)) return false;
        Symbol sym;
        if (!tokens.empty()) {
            CVectorStream in(std::move(tokens), here);
            CRcExpression expr(in, [this](const std::wstring& n, long long& v) { return LookupNumber(n, v); });
            if (!expr.Evaluate(sym.value)) {
                Fail(expr.ErrorToken(), expr.Error() + L" in the value of " + name);
                return false;
            }
            if (!in.AtEnd()) {
                Fail(in.Peek(), L"expected a number as the value of " + name + L", found " + in.Peek().Describe());
                return false;
            }
            sym.hasValue = true;
        }
        auto it = m_symbols.find(name);
        if (it != m_symbols.end() && (it->second.hasValue != sym.hasValue || it->second.value != sym.value)) {
            Fail(here, name + L" is already defined with another value");
            return false;
        }
        m_symbols[name] = sym;
        return true;
    }
    if (directive == L"undef") {
        std::wstring name;
        if (!nameArgument(name)) return false;
        m_symbols.erase(name);
        return true;
    }
    if (directive == L"pragma") return true;
    if (directive == L"error") {
        Fail(here, L"#error" + line.substr(p));
        return false;
    }
    Fail(here, L"unknown directive #" + directive);
    return false;
}
