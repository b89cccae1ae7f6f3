#include <gtest/gtest.h>

#include <string>

#include "model/xml_document.h"

namespace {

std::string Narrow(const CString& s) { return s.ToUtf8(); }

struct TextCase {
    const wchar_t* text;
    const wchar_t* expected;
};

TEST(XmlDocumentRead, ElementText) {
    const TextCase cases[] = {
        {L"<a>x &amp; y</a>", L"x & y"},
        {L"<a> <![CDATA[<p>]]> t</a>", L"<p> t"},  // the whitespace before the section is dropped
        {L"<a> line\r\n  two </a>", L" line\r\n  two "},
        {L"<a>x<!-- c --><?pi?>y</a>", L"xy"},
        {L"<a><b/></a>", L""},
        {L"<a>x<b/>y</a>", L""},
        {L"<a/>", L""},
        {L"<a></a>", L""},
    };
    for (const auto& c : cases) {
        CXmlDocument doc(c.text);
        ASSERT_TRUE(doc.FindElement(L"a")) << Narrow(c.text);
        EXPECT_EQ(doc.GetElementText(), c.expected) << Narrow(c.text);
    }
}

TEST(XmlDocumentRead, Unescaping) {
    const TextCase cases[] = {
        {L"&#x41;&#65;&#X41;", L"AAA"},
        {L"&zzz; &#0; &amp", L"&zzz; &#0; &amp"},
        {L"&#x1F600;", L"\U0001F600"},
        {L"&eacute;&Eacute;&apos;&quot;&lt;&gt;&nbsp;&euro;&hearts;", L"\u00e9\u00c9'\"<>\u00a0\u20ac\u2665"},
        {L"&thetasym;&averylongname;", L"\u03d1&averylongname;"},
        {L"&#x110000;&#xD800;&#-5;", L"&#x110000;&#xD800;&#-5;"},
        {L"&\u00e9;", L"&\u00e9;"},
        {L"a&", L"a&"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::UnescapeText(c.text), c.expected) << Narrow(c.text);
    EXPECT_EQ(CXmlDocument::UnescapeText(L"&amp;x", 4), L"&amp");  // the ';' lies beyond the length
}

struct EscapeCase {
    const wchar_t* text;
    int flags;
    const wchar_t* expected;
};

TEST(XmlDocumentRead, Escaping) {
    const EscapeCase cases[] = {
        {L"a<b & c>'\"", 0, L"a&lt;b &amp; c&gt;'\""},
        {L"'\"", CXmlDocument::kEscapeQuotes, L"&apos;&quot;"},
        {L"&amp; &#65; &x_y.z; & &a b;", CXmlDocument::kEscapeKeepRefs, L"&amp; &#65; &x_y.z; &amp; &amp;a b;"},
        {L"&amp;", 0, L"&amp;amp;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlDocument::EscapeText(c.text, c.flags), c.expected) << Narrow(c.text);
}

struct FindCase {
    const wchar_t* name;
    bool found;
};

TEST(XmlDocumentRead, FindElementTakesTheFirstStepOfAPath) {
    const FindCase cases[] = {
        {L"item", true},
        {L"item[2]", true},
        {L"item[@id='x]y']", true},
        {L"item[@id=x]", true},
        {L"item[@id]", true},
        {L"item[sub]", true},
        {L"item/sub", true},
        {L"item/@id", true},
        {L"/item", false},
        {L"//item", false},
        {L"item[", false},
        {L"item[0]", true},  // a name predicate
        {L"item[@id='x]", false},
        {L"item/", false},
        {L"item x", false},
        {L"ite", false},
        {L"items", false},
    };
    for (const auto& c : cases) {
        CXmlDocument doc(L"<list><item id=\"1\"/><other/></list>");
        ASSERT_TRUE(doc.FindElement(L"list"));
        ASSERT_TRUE(doc.EnterElement());
        EXPECT_EQ(doc.FindElement(c.name), c.found) << Narrow(c.name);
        if (!c.found) {
            EXPECT_EQ(doc.GetMainPos(), 0) << Narrow(c.name);  // positions kept
        }
    }
}

TEST(XmlDocumentRead, NavigationWalksChildrenAndKeepsPositionsOnFailure) {
    CXmlDocument doc(L"<r><a id=\"1\"><x/></a><b/><a id=\"2\"/></r>");
    EXPECT_TRUE(doc.FindChildElement(L"a"));  // finds the root first
    EXPECT_EQ(doc.GetNodeName(), L"r");
    EXPECT_EQ(doc.GetAttributeAt(doc.GetChildPos(), L"id"), L"1");
    EXPECT_TRUE(doc.FindChildElement(L"a"));
    EXPECT_EQ(doc.GetAttributeAt(doc.GetChildPos(), L"id"), L"2");
    const int child = doc.GetChildPos();
    EXPECT_FALSE(doc.FindChildElement(L"a"));
    EXPECT_EQ(doc.GetChildPos(), child);

    ASSERT_TRUE(doc.EnterElement());  // main = the second a, which has no child
    EXPECT_EQ(doc.GetAttribute(L"id"), L"2");
    ASSERT_TRUE(doc.EnterElement());  // into an element without current child
    EXPECT_EQ(doc.GetMainPos(), 0);
    EXPECT_EQ(doc.GetAttributeAt(doc.GetParentPos(), L"id"), L"");
    EXPECT_FALSE(doc.EnterElement());
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetAttribute(L"id"), L"2");
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetNodeName(), L"r");
    EXPECT_FALSE(doc.LeaveElement());
}

TEST(XmlDocumentRead, AttributeNames) {
    CXmlDocument doc(L"<a id=\"1\" idx='2' name=x&amp;y empty=\"\" flag v=\"a&lt;b\"/>");
    ASSERT_TRUE(doc.FindElement());
    EXPECT_EQ(doc.GetAttribute(L"id"), L"1");
    EXPECT_EQ(doc.GetAttribute(L"idx"), L"2");
    EXPECT_EQ(doc.GetAttribute(L"name"), L"x&y");
    EXPECT_EQ(doc.GetAttribute(L"v"), L"a<b");
    EXPECT_EQ(doc.GetAttribute(L"empty"), L"");
    EXPECT_EQ(doc.GetAttribute(L"i"), L"");
    EXPECT_EQ(doc.GetAttribute(L"ID"), L"");  // names are case-sensitive
    EXPECT_EQ(doc.GetAttribute(L"missing"), L"");
    EXPECT_EQ(doc.GetAttributeAt(99, L"id"), L"");
    EXPECT_EQ(doc.GetTextAt(99), L"");
}

}  // namespace
