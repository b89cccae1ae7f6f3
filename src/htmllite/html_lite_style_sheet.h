#pragma once
// The small cascading style sheet of HTML-lite: rules by selector and how a rule body
// changes a text style.
#include <map>
#include <optional>
#include <string>

#include "platform/core/cstring.h"

class CHtmlLiteStyle;
class CHtmlLiteValues;

class CHtmlLiteStyleSheet {
public:
    CHtmlLiteStyleSheet() { SetDefaultCssStyles(); }

    // Replaces all rules by those of `text`; null installs the default sheet.
    void SetCssStyles(const wchar_t* text);
    void SetDefaultCssStyles();
    static CString DefaultCssText();

    // The body of the rule for `selector` (any case), if there is one.
    std::optional<CString> Lookup(const CString& selector) const;
    // Applies the rule's properties to `style`; a missing rule changes nothing.
    bool ApplyRule(const CString& selector, CHtmlLiteStyle& style, const CHtmlLiteValues& values) const;
    // Applies the properties of one rule body to `style`.
    static void ApplyBody(const CString& body, CHtmlLiteStyle& style, const CHtmlLiteValues& values);

    const CString& Text() const { return m_text; }
    int RuleCount() const { return static_cast<int>(m_rules.size()); }

private:
    std::map<std::wstring, CString> m_rules;
    CString m_text;
};
