#pragma once
// The tokens of a resource script. The lexer runs the preprocessor as it goes: #include
// (relative to the including file; an <angle> include that is not there is skipped, since the
// standard names are built in), #define and #undef of numeric names, #if/#ifdef/#ifndef/
// #elif/#else/#endif, #pragma and #error. Included header files (.h) contribute only their
// directives. Files are UTF-8 (with or without a byte-order mark) or UTF-16LE with its mark.
// The first error stops the lexer and is kept with its file and line.
#include <map>
#include <string>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/resource_types.h"

struct CRcToken {
    enum Kind { End, Name, Number, String, Punct };
    Kind kind = End;
    std::wstring text;     // the name, the operator, or the decoded string
    long long number = 0;
    int line = 0;
    int file = -1;         // index into CRcLexer::GetFiles

    bool Is(Kind k, const wchar_t* t) const { return kind == k && text == t; }
    bool IsPunct(const wchar_t* t) const { return Is(Punct, t); }
    // A keyword is a name compared without regard to case (BEGIN, begin).
    bool IsKeyword(const wchar_t* keyword) const;
    // How an error message names the token: "'BEGIN'", "\"text\"", "the end of the file".
    std::wstring Describe() const;
};

// Where an expression takes its tokens from.
class CRcTokenStream {
public:
    virtual ~CRcTokenStream() = default;
    virtual const CRcToken& Peek() = 0;
    virtual CRcToken Next() = 0;
};

class CRcLexer : public CRcTokenStream {
public:
    struct Symbol {
        long long value = 0;
        bool hasValue = false;  // #define NAME without a value only counts for #ifdef
    };

    CRcLexer();
    ~CRcLexer() override;

    // Starts reading the file; false (with the error kept) when it cannot be read.
    bool Open(const CString& path);

    const CRcToken& Peek() override;
    CRcToken Next() override;

    bool Failed() const { return !m_error.ok; }
    const CPackResult& GetError() const { return m_error; }
    // Keeps the first error only; later calls do nothing.
    void Fail(const CRcToken& at, const std::wstring& message);
    void FailExpected(const CRcToken& found, const std::wstring& what);

    // The value of a #defined name or of a standard constant (window_styles.h).
    bool LookupNumber(const std::wstring& name, long long& value) const;
    const std::map<std::wstring, Symbol>& GetSymbols() const { return m_symbols; }
    const std::vector<CString>& GetFiles() const { return m_files; }
    // The folder of the file a token came from, with a trailing '/'.
    CString GetFolderOf(const CRcToken& token) const;

private:
    struct Condition {
        bool active;       // this branch is taken
        bool taken;        // some branch of this #if was taken
        bool sawElse;
        int line;
    };
    struct Source {
        int file = -1;
        std::wstring text;
        size_t pos = 0;
        int line = 1;
        bool atLineStart = true;
        bool headerOnly = false;
        std::vector<Condition> conditions;
    };

    bool PushFile(const CString& path, const CRcToken* includedAt);
    CRcToken Scan();
    bool Active(const Source& s) const;
    void SkipComment(Source& s);
    void SkipLine(Source& s);
    bool ReadDirective(Source& s);
    bool RunDirective(Source& s, const std::wstring& line, int lineNumber);
    bool ScanToken(const std::wstring& text, size_t& pos, int& line, int file, CRcToken& token);
    CRcToken MakeErrorToken(int file, int line) const;

    std::vector<Source> m_stack;
    std::vector<CString> m_files;
    std::map<std::wstring, Symbol> m_symbols;
    CRcToken m_peek;
    bool m_havePeek = false;
    CPackResult m_error;
};
