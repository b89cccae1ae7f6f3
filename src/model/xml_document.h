#pragma once
// CXmlDocument: the program's own XML class. It keeps the whole XML text in one wide string and,
// beside it, an index of element records (offsets into the text and links to parent, children and
// siblings). Reading walks the text through the index; editing splices the text and patches the
// index. The static file text functions read a text file into a wide string and write one back,
// honouring byte-order marks, declared encodings and UTF-8.
//
// Every XML text the program writes is built element by element with no indentation, each element
// followed by a carriage return and a line feed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class IClipboard;

class CXmlDocument {
public:
    // Document flags: the byte-order bits a file was read with (and is written with), and the
    // file modes of the file functions.
    static constexpr int kUtf16LeFile = 0x1;    // UTF-16 little-endian, mark FF FE
    static constexpr int kUtf8Preamble = 0x4;   // UTF-8 with mark EF BB BF
    static constexpr int kReadFile = 0x10;
    static constexpr int kWriteFile = 0x20;
    static constexpr int kAppendFile = 0x40;
    static constexpr int kUtf16BeFile = 0x80;   // UTF-16 big-endian, mark FE FF

    // Flags of AddElement, SetTextAt and EscapeText.
    static constexpr int kWithCData = 0x1;       // write the text as a CDATA section
    static constexpr int kNoLines = 0x2;         // add no line breaks
    static constexpr int kSpaceEmpty = 0x4;      // end an empty element with " />"
    static constexpr int kEscapeKeepRefs = 0x8;  // keep complete entity references when escaping
    static constexpr int kStartTagOnly = 0x10;   // write a start tag without end tag
    static constexpr int kEscapeQuotes = 0x100;  // also escape apostrophe and double quote
    static constexpr int kInsertBefore = 0x2000;
    static constexpr int kAddChild = 0x4000;

    // Flags of AddResult: which attribute the value and the first number go to.
    static constexpr int kResultCount = 0x1;
    static constexpr int kResultType = 0x2;
    static constexpr int kResultN = 0x4;
    static constexpr int kResultEncoding = 0x8;
    static constexpr int kResultLength = 0x10;
    static constexpr int kResultFind = 0x20;
    static constexpr int kResultMsg = 0x40;

    // Node and token types.
    static constexpr int kNodeEndTag = 0;
    static constexpr int kNodeElement = 1;
    static constexpr int kNodeText = 2;
    static constexpr int kNodeWhitespace = 4;
    static constexpr int kNodeCData = 8;
    static constexpr int kNodeProcessingInstruction = 16;
    static constexpr int kNodeComment = 32;
    static constexpr int kNodeDocumentType = 64;

    CXmlDocument();
    explicit CXmlDocument(const wchar_t* text);
    ~CXmlDocument();
    CXmlDocument(const CXmlDocument&) = default;
    CXmlDocument& operator=(const CXmlDocument&) = default;
    CXmlDocument(CXmlDocument&&) = default;
    CXmlDocument& operator=(CXmlDocument&&) = default;

    // Whole document. SetDocumentText with no text empties the document and frees the index.
    bool SetDocumentText(const wchar_t* text = nullptr);
    // Makes room for a text of textLength characters and an index of elements, so that a
    // document built element by element does not copy its text again each time it outgrows
    // it. Changes nothing else.
    void Reserve(std::size_t textLength, std::size_t elements = 0);
    bool ParseDocument();
    bool IsWellFormed() const;
    const CString& GetDoc() const { return m_strDoc; }
    const CString& GetResult() const { return m_strResult; }
    int GetDocFlags() const { return m_nDocFlags; }
    void SetDocFlags(int flags) { m_nDocFlags = flags; }

    // Positions: element indexes, 0 for none.
    int GetParentPos() const { return static_cast<int>(m_iPosParent); }
    int GetMainPos() const { return static_cast<int>(m_iPos); }
    int GetChildPos() const { return static_cast<int>(m_iPosChild); }

    // Navigation; each leaves the positions unchanged on failure. No name (or an empty one)
    // matches any element.
    bool FindElement(const wchar_t* name = nullptr);
    bool FindChildElement(const wchar_t* name = nullptr);
    bool EnterElement();
    bool LeaveElement();

    // Reading.
    CString GetNodeName() const;
    CString GetAttribute(const wchar_t* name) const;
    CString GetAttributeAt(int iPos, const wchar_t* name) const;
    CString GetElementText() const;
    CString GetTextAt(int iPos) const;

    // Editing. text may be null (no text).
    bool AddElement(const wchar_t* name, const wchar_t* text = nullptr, int flags = 0);
    bool SetAttributeAt(int iPos, const wchar_t* name, const wchar_t* value, int flags = 0);
    bool SetTextAt(int iPos, const wchar_t* text, int flags = 0);

    // Reads a file (ReadFileText) into the document and parses it.
    bool LoadFile(const CString& path);

    // Clipboard fragments
    // Takes the clipboard's text as the document text (UTF-16 little-endian) and parses it; the
    // result is 1 whatever the parse found, 0 when the clipboard could not be read (the document
    // then stays as it was).
    BOOL LoadFromClipboard(IClipboard& clipboard);

    // Escaping of text and attribute values.
    static CString EscapeText(const wchar_t* text, int flags = 0);
    static CString UnescapeText(const wchar_t* text, int length = -1);

    // Appends an event to a result log (see the source for the attribute each flag selects).
    // value may be null (no value); numbers of -1 are not written.
    static void AddResult(CString& result, const wchar_t* event, const wchar_t* value = nullptr, int flags = 0,
                          int number1 = -1, int number2 = -1);

    // File text. encoding, result and flags may be null.
    static bool ReadFileText(CString* encoding, const CString& path, CString& text, CString* result = nullptr,
                             int* flags = nullptr);
    static bool WriteFileText(const CString& path, const CString& text, CString* result = nullptr,
                              int* flags = nullptr, CString* encoding = nullptr);
    // The encoding named by the text's XML declaration (or HTML meta tag), or empty.
    static CString FindEncoding(const CString& text);
    // The code page of an encoding name; kNoCodePage when the name is unknown.
    static constexpr int kNoCodePage = -1;
    static int CodePageFromName(const CString& name);
    // Converts count units of from to the encoding to. Units are wchar_t for "UTF-16" (code page
    // 1200) and for UTF-32 (65005), bytes for every other encoding. With no output buffer (or
    // capacity 0) only counts. Returns the number of output units; -1 when the conversion is not
    // possible or the output does not fit. *lost tells whether a default character was used.
    static int ConvertText(const CString& from, const void* source, int count, const CString& to, void* output,
                           int capacity, bool* lost = nullptr);
    static bool IsValidUtf8(const char* bytes, int count, bool* endTruncated = nullptr);
    // Reads a UTF-16 little-endian file (mark FF FE optional); true once the file was read.
    static bool ReadUnicodeFile(const CString& path, CString& text);

private:
    // One indexed element. Tag lengths and the nesting level have fields of their own, so that
    // long names and deep nesting cannot overflow them.
    struct ElemPos {
        int32_t nStart = 0;
        int32_t nLength = 0;
        int32_t nStartTagLen = 0;
        int32_t nEndTagLen = 0;
        uint32_t nLevel = 0;
        uint32_t nFlags = 0;
        uint32_t iElemParent = 0;
        uint32_t iElemChild = 0;
        uint32_t iElemNext = 0;
        uint32_t iElemPrev = 0;
        int ContentStart() const { return nStart + nStartTagLen; }
        int ContentLength() const { return nLength - nStartTagLen - nEndTagLen; }
        bool IsEmptyElement() const;
    };
    static constexpr uint32_t kFirstChild = 0x1;
    static constexpr uint32_t kUnended = 0x2;
    static constexpr uint32_t kInnerError = 0x4;
    static constexpr uint32_t kIllFormed = 0x8;

private:
    // A piece of markup or text read from the document text (used by the parser, the text
    // reading and the encoding search).
    struct Token {
        int nType = -2;  // node type; -1 error, -2 end of text
        int nStart = 0;
        int nLength = 0;
        int nNameStart = 0;
        int nNameLength = 0;
        bool bEmptyElement = false;
    };
    // Reads the token at offset; logs syntax errors to log when it is given.
    static Token ReadToken(const wchar_t* text, int length, int offset, CString* log);

    // Parsing.
    uint32_t ParseElements(uint32_t iPosParent);
    uint32_t NewPos();
    void CloseUnended(std::vector<uint32_t>& open, std::size_t keep, uint32_t iPosContainer, int closeOffset);
    void CheckCharacterReferences(const Token& token, uint32_t iPosParent);

    // Reading helpers.
    bool IsValidPos(int iPos) const;
    std::wstring_view TagName(uint32_t iPos) const;
    struct AttrPos {
        int nNameStart = -1, nNameLength = 0, nValueStart = -1, nValueLength = 0, nEnd = -1;
        bool bQuoted = false;
    };
    // Finds the named attribute in the tag at tagStart (attributes begin at attrStart); insertAt
    // receives the offset after the last attribute.
    static bool FindAttribute(const wchar_t* text, int tagStart, int tagLength, int attrStart, const wchar_t* name,
                              AttrPos& attr, int& insertAt);
    static bool NameMatches(std::wstring_view tagName, const wchar_t* name);
    static bool IsPathName(const wchar_t* name);

    // Editing helpers.
    static void AppendCDataSection(std::wstring& out, const wchar_t* text);
    void Splice(int offset, int removeLength, const std::wstring& insert);
    void ShiftLater(uint32_t iPos, int delta, bool includeDescendants);
    void GrowAncestors(uint32_t iPos, int delta);
    uint32_t AddElementAt(uint32_t iPosParent, uint32_t iPosAfter, const wchar_t* name, const wchar_t* text,
                          int flags);
    void SetPositions(uint32_t iPosParent, uint32_t iPos, uint32_t iPosChild);

    CString m_strDoc;
    CString m_strResult;
    uint32_t m_iPosParent = 0;
    uint32_t m_iPos = 0;
    uint32_t m_iPosChild = 0;
    uint32_t m_iPosFree = 1;
    int m_nNodeType = 0;
    int m_nNodeOffset = 0;
    int m_nNodeLength = 0;
    int m_nDocFlags = 0;
    std::vector<ElemPos> m_aPos;
};
