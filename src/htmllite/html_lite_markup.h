#pragma once
// HTML-lite markup: preprocessing, the scanner that splits text into runs and tags, tag
// attributes, and what opening tags do to the text style.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/cstring.h"

class CHtmlLiteStyle;
class CHtmlLiteStyleSheet;
class CHtmlLiteValues;

// Tag kinds of the tag table.
enum HtmlLiteTagKind : int {
    HL_TAG_UNKNOWN = 0,
    HL_TAG_BOLD = 1,
    HL_TAG_ITALIC = 2,
    HL_TAG_UNDERLINE = 3,
    HL_TAG_STRIKEOUT = 4,
    HL_TAG_FONT = 5,
    HL_TAG_HR = 6,
    HL_TAG_BR = 7,
    HL_TAG_TAB = 8,
    HL_TAG_LEFT = 9,
    HL_TAG_CENTER = 10,
    HL_TAG_RIGHT = 11,
    HL_TAG_JUSTIFY = 12,
    HL_TAG_BASELINE = 13,
    HL_TAG_TOP = 14,
    HL_TAG_VCENTER = 15,
    HL_TAG_BOTTOM = 16,
    HL_TAG_BMP = 17,
    HL_TAG_ICON = 18,
    HL_TAG_ILST = 19,
    HL_TAG_STRING = 20,
    HL_TAG_RULE = 21,
    HL_TAG_SPAN = 22,
    HL_TAG_LINK = 23,
};

struct HtmlLiteTagInfo {
    int kind = HL_TAG_UNKNOWN;
    CString styleClass;  // empty: the tag is an object and leaves the style stack alone
};

// One piece of scanned text: a text run or a tag.
struct HtmlLitePiece {
    bool isTag = false;
    CString text;        // the run with "<<" turned into "<", or the whole text between < and >
    bool closing = false;
    CString name;        // tag name without the "/"
    CString rest;        // the tag text after the name, leading spaces removed
};

// Attribute names and values in the order written; a later repetition of a name wins.
struct HtmlLiteAttributes {
    std::vector<std::pair<std::wstring, CString>> items;
    // The last value given for `name`, or null.
    const CString* Find(const wchar_t* name) const;
};

class CHtmlLiteMarkup {
public:
    CHtmlLiteMarkup();

    // Entities decoded, carriage returns removed, line feeds and tabs turned into "<br>" and
    // "<t>" (or removed when `newlines` is off).
    CString Preprocess(const CString& text, bool newlines = true) const;
    // Replaces every entity of the table in one left-to-right pass: a replacement is never
    // read again, so "&amp;lt;" gives the text "&lt;".
    CString DecodeEntities(const CString& text) const;

    // Reads the piece that starts at `pos` and moves `pos` past it; false at the end.
    static bool Next(const CString& text, int& pos, HtmlLitePiece& piece);
    // The table entry of a tag name; kind 0 for a name that is not in the table.
    HtmlLiteTagInfo FindTag(const CString& name) const;
    static HtmlLiteAttributes ParseAttributes(const CString& attributeText);
    // The count after "br=" or "t=": the tag text after the name less its first character.
    static int TagCount(const HtmlLitePiece& tag);

    // The effect of an opening tag of a style-changing kind on `style` (the push happens
    // before, the select after, both by the caller). A link tag only takes its kind and
    // target here; its "a:link"/"a:hover" rule is the caller's.
    void ApplyOpeningTag(int kind, const CString& name, const HtmlLiteAttributes& attributes,
                         CHtmlLiteStyle& style, const CHtmlLiteValues& values,
                         const CHtmlLiteStyleSheet& sheet) const;

    int EntityCount() const { return static_cast<int>(m_entities.size()); }

private:
    std::map<std::wstring, HtmlLiteTagInfo> m_tags;
    std::map<std::wstring, std::wstring> m_entities;
};
