#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "model/xml_document.h"

namespace {

std::string Narrow(const CString& s) { return s.ToUtf8(); }

TEST(XmlDocumentEdit, DocumentLayoutOfTheWriter) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement(L"DOCUMENT"));
    EXPECT_EQ(doc.GetDoc(), L"<DOCUMENT/>\r\n");
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement(L"GENERAL"));
    ASSERT_TRUE(doc.AddElement(L"CHIMES"));
    EXPECT_EQ(doc.GetDoc(), L"<DOCUMENT>\r\n<GENERAL/>\r\n<CHIMES/>\r\n</DOCUMENT>\r\n");
    EXPECT_TRUE(doc.IsWellFormed());
}

TEST(XmlDocumentEdit, SecondTopLevelElementGoesOnTheNextLine) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement(L"a"));
    ASSERT_TRUE(doc.AddElement(L"b"));
    EXPECT_EQ(doc.GetDoc(), L"<a/>\r\n<b/>\r\n");
    EXPECT_FALSE(doc.IsWellFormed());  // two roots
}

struct AddCase {
    const wchar_t* before;
    const wchar_t* find;  // element made main (entered when enter is true)
    bool enter;
    const wchar_t* name;
    const wchar_t* text;
    int flags;
    const wchar_t* after;
};

TEST(XmlDocumentEdit, AddElementPlacesAndWritesTheElement) {
    using D = CXmlDocument;
    const AddCase cases[] = {
        {L"<p/>", L"p", true, L"c", nullptr, 0, L"<p>\r\n<c/>\r\n</p>"},
        {L"<p />", L"p", true, L"c", nullptr, 0, L"<p >\r\n<c/>\r\n</p>"},
        {L"<p></p>", L"p", true, L"c", nullptr, 0, L"<p>\r\n<c/>\r\n</p>"},
        {L"<p>\r\n<a/>\r\n</p>", L"p", true, L"c", nullptr, 0, L"<p>\r\n<a/>\r\n<c/>\r\n</p>"},
        {L"<p>text</p>", L"p", true, L"c", nullptr, 0, L"<p>text<c/>\r\n</p>"},
        {L"<p/>", L"p", true, L"c", L"a<b", 0, L"<p>\r\n<c>a&lt;b</c>\r\n</p>"},
        {L"<p/>", L"p", true, L"c", L"x]]>y", D::kWithCData, L"<p>\r\n<c><![CDATA[x]]]]><![CDATA[>y]]></c>\r\n</p>"},
        {L"<p/>", L"p", true, L"c", nullptr, D::kSpaceEmpty, L"<p>\r\n<c />\r\n</p>"},
        {L"<p/>", L"p", true, L"c", nullptr, D::kNoLines, L"<p><c/></p>"},
        {L"<p/>", L"p", true, L"c", nullptr, D::kStartTagOnly, L"<p>\r\n<c>\r\n</p>"},
        {L"<p/>", L"p", true, L"c", L"&amp; &", D::kEscapeKeepRefs, L"<p>\r\n<c>&amp; &amp;</c>\r\n</p>"},
        {L"<p/>", L"p", false, L"c", nullptr, D::kAddChild, L"<p>\r\n<c/>\r\n</p>"},
        {L"<p>\r\n<a/>\r\n</p>", L"p", true, L"c", nullptr, D::kInsertBefore, L"<p>\r\n<c/>\r\n<a/>\r\n</p>"},
        {L"<a/>\r\n", L"a", false, L"c", nullptr, D::kInsertBefore, L"<c/>\r\n<a/>\r\n"},
        {L"<a/>  <b/>", L"a", false, L"c", nullptr, 0, L"<a/>  <c/>\r\n<b/>"},
        {L"<a/>x<b/>", L"a", false, L"c", nullptr, 0, L"<a/><c/>\r\nx<b/>"},
        {L"<a/>\r\n", L"a", false, L"c", nullptr, D::kNoLines, L"<a/><c/>\r\n"},
    };
    for (const auto& c : cases) {
        CXmlDocument doc(c.before);
        ASSERT_TRUE(doc.FindElement(c.find)) << Narrow(c.before);
        if (c.enter) {
            ASSERT_TRUE(doc.EnterElement());
        }
        ASSERT_TRUE(doc.AddElement(c.name, c.text, c.flags)) << Narrow(c.before);
        EXPECT_EQ(doc.GetDoc(), c.after) << Narrow(c.before) << " flags " << c.flags;
        if (c.flags & D::kAddChild) {
            EXPECT_EQ(doc.GetTextAt(doc.GetChildPos()), L"") << Narrow(c.before);
        } else {
            EXPECT_EQ(doc.GetNodeName(), c.name) << Narrow(c.before);
        }
    }
}

TEST(XmlDocumentEdit, AddElementRefusals) {
    CXmlDocument doc(L"<a/>");
    EXPECT_FALSE(doc.AddElement(L"b", nullptr, CXmlDocument::kAddChild));  // no main element
    EXPECT_FALSE(doc.AddElement(L""));
    ASSERT_TRUE(doc.FindElement());
    EXPECT_FALSE(doc.AddElement(L"b", L"text", CXmlDocument::kStartTagOnly));
    EXPECT_EQ(doc.GetDoc(), L"<a/>");
}

TEST(XmlDocumentEdit, ChildOfAStartTagWithoutEndTagClosesIt) {
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement(L"list", nullptr, CXmlDocument::kStartTagOnly));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement(L"item", L"1"));
    EXPECT_EQ(doc.GetDoc(), L"<list>\r\n<item>1</item>\r\n</list>\r\n");
    EXPECT_TRUE(doc.IsWellFormed());
}

TEST(XmlDocumentEdit, SetAttributeAt) {
    CXmlDocument doc(L"<GENERAL/>");
    ASSERT_TRUE(doc.FindElement());
    ASSERT_TRUE(doc.SetAttributeAt(doc.GetMainPos(), L"DAYS", L"6"));
    ASSERT_TRUE(doc.SetAttributeAt(doc.GetMainPos(), L"DATE", L"01/01/2000"));
    EXPECT_EQ(doc.GetDoc(), L"<GENERAL DAYS=\"6\" DATE=\"01/01/2000\"/>");

    struct Case {
        const wchar_t* before;
        const wchar_t* name;
        const wchar_t* value;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"<a x='1'/>", L"x", L"2", L"<a x=\"2\"/>"},
        {L"<a x='1'/>", L"x", L"say \"hi\"", L"<a x=\"say &quot;hi&quot;\"/>"},
        {L"<a/>", L"v", L"a<b'&", L"<a v=\"a&lt;b&apos;&amp;\"/>"},
        {L"<a x=1 y=2>t</a>", L"x", L"3", L"<a x=\"3\" y=2>t</a>"},
        {L"<a x  >t</a>", L"y", L"1", L"<a x y=\"1\"  >t</a>"},
        {L"<a flag/>", L"flag", L"1", L"<a flag=\"1\"/>"},
        {L"<a\r\n/>", L"x", L"", L"<a x=\"\"\r\n/>"},
    };
    for (const auto& c : cases) {
        CXmlDocument edited(c.before);
        ASSERT_TRUE(edited.FindElement()) << Narrow(c.before);
        ASSERT_TRUE(edited.SetAttributeAt(edited.GetMainPos(), c.name, c.value)) << Narrow(c.before);
        EXPECT_EQ(edited.GetDoc(), c.after) << Narrow(c.before);
        EXPECT_EQ(edited.GetAttribute(c.name), c.value) << Narrow(c.before);
    }

    CXmlDocument none(L"<a/>");
    EXPECT_FALSE(none.SetAttributeAt(1, L"x", L"1"));  // no current element
    ASSERT_TRUE(none.FindElement());
    EXPECT_FALSE(none.SetAttributeAt(5, L"x", L"1"));
}

TEST(XmlDocumentEdit, SetTextAt) {
    struct Case {
        const wchar_t* before;
        const wchar_t* text;
        int flags;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"<r><a/><b/></r>", L"x<y", 0, L"<r><a>x&lt;y</a><b/></r>"},
        {L"<r><a>old<!-- c --></a><b/></r>", L"new", 0, L"<r><a>new</a><b/></r>"},
        {L"<r><a x=\"1\" /><b/></r>", L"]]>", CXmlDocument::kWithCData,
         L"<r><a x=\"1\" ><![CDATA[]]]]><![CDATA[>]]></a><b/></r>"},
        {L"<r><a></b></a><b/></r>", L"ok", 0, L"<r><a>ok</a><b/></r>"},
        {L"<r><a>t</a><b/></r>", L"", 0, L"<r><a></a><b/></r>"},
    };
    for (const auto& c : cases) {
        CXmlDocument doc(c.before);
        ASSERT_TRUE(doc.FindChildElement(L"a")) << Narrow(c.before);
        ASSERT_TRUE(doc.SetTextAt(doc.GetChildPos(), c.text, c.flags)) << Narrow(c.before);
        EXPECT_EQ(doc.GetDoc(), c.after) << Narrow(c.before);
        EXPECT_EQ(doc.GetTextAt(doc.GetChildPos()), c.text) << Narrow(c.before);
        ASSERT_TRUE(doc.FindChildElement(L"b")) << Narrow(c.before);  // the later element moved
        EXPECT_TRUE(doc.IsWellFormed() || c.before[6] == L'<') << Narrow(c.before);
    }

    CXmlDocument parent(L"<r><a><c/></a></r>");
    ASSERT_TRUE(parent.FindChildElement(L"a"));
    EXPECT_FALSE(parent.SetTextAt(parent.GetChildPos(), L"x"));
    EXPECT_EQ(parent.GetDoc(), L"<r><a><c/></a></r>");
}

TEST(XmlDocumentEdit, ElementsAfterAnEditMove) {
    CXmlDocument doc(L"<r>\r\n<a id=\"1\"><x id=\"x\">t</x></a>\r\n<b id=\"2\"><y id=\"y\"/></b>\r\n</r>\r\n");
    ASSERT_TRUE(doc.FindChildElement(L"a"));
    ASSERT_TRUE(doc.SetAttributeAt(doc.GetChildPos(), L"long", L"a fairly long value"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement(L"new", L"text", CXmlDocument::kInsertBefore));
    EXPECT_FALSE(doc.FindChildElement());
    ASSERT_TRUE(doc.FindElement(L"x"));
    EXPECT_EQ(doc.GetAttribute(L"id"), L"x");
    EXPECT_EQ(doc.GetElementText(), L"t");
    ASSERT_TRUE(doc.LeaveElement());
    ASSERT_TRUE(doc.FindElement(L"b"));
    ASSERT_TRUE(doc.FindChildElement(L"y"));
    EXPECT_EQ(doc.GetAttributeAt(doc.GetChildPos(), L"id"), L"y");
    EXPECT_EQ(doc.GetDoc(), L"<r>\r\n<a id=\"1\" long=\"a fairly long value\"><new>text</new>\r\n<x id=\"x\">t</x></a>"
                            L"\r\n<b id=\"2\"><y id=\"y\"/></b>\r\n</r>\r\n");
}

// Random edits at random places. Every element carries a unique id; each check reads the id and
// text of every element through the edited index and compares them with a fresh parse.
void CollectIds(CXmlDocument& doc, std::map<std::wstring, std::wstring>& out) {
    while (doc.FindElement()) {
        out[doc.GetAttribute(L"id").str()] = doc.GetElementText().str();
        if (doc.EnterElement()) {
            CollectIds(doc, out);
            doc.LeaveElement();
        }
    }
}

TEST(XmlDocumentEdit, IndexStaysInStepWithTheTextThroughRandomEdits) {
    std::mt19937 random(12345);
    const wchar_t* names[] = {L"a", L"bb", L"ccc"};
    const wchar_t* values[] = {L"1", L"x<y", L"\"q\"", L"long value with & and '", L""};
    CXmlDocument doc;
    ASSERT_TRUE(doc.AddElement(L"root"));
    ASSERT_TRUE(doc.SetAttributeAt(doc.GetMainPos(), L"id", L"root"));
    ASSERT_TRUE(doc.EnterElement());
    int count = 1;
    for (int step = 0; step < 3000; ++step) {
        const int op = static_cast<int>(random() % 9);
        const wchar_t* name = names[random() % 3];
        const wchar_t* value = values[random() % 5];
        const int flags = static_cast<int>(random() % 4);  // CDATA and no-lines at random
        CString id;
        id.Format(L"%s-%d", name, count + 1);
        switch (op) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const int where = op == 2 ? CXmlDocument::kInsertBefore : op == 3 ? CXmlDocument::kAddChild : 0;
            const bool withText = random() % 2 == 0;
            if (doc.AddElement(name, withText ? value : nullptr, flags | where)) {
                ++count;
                int iPos = where == CXmlDocument::kAddChild ? doc.GetChildPos() : doc.GetMainPos();
                ASSERT_TRUE(doc.SetAttributeAt(iPos, L"id", id));
            }
            break;
        }
        case 4:
            if (doc.GetMainPos())
                doc.SetAttributeAt(doc.GetMainPos(), L"v", value);
            break;
        case 5:
            if (doc.GetMainPos())
                doc.SetTextAt(doc.GetMainPos(), value, flags);
            break;
        case 6:
            doc.EnterElement();
            break;
        case 7:
            if (doc.GetParentPos() > 1)
                doc.LeaveElement();
            break;
        case 8:
            doc.FindElement();
            break;
        }
        if (step % 100 != 99)
            continue;
        CXmlDocument edited(doc);
        if (edited.GetMainPos() == 0) {
            ASSERT_TRUE(edited.LeaveElement());
        }
        std::map<std::wstring, std::wstring> mine;
        for (int iPos = 1; iPos <= count; ++iPos)
            mine[edited.GetAttributeAt(iPos, L"id").str()] = edited.GetTextAt(iPos).str();
        CXmlDocument fresh(doc.GetDoc());
        ASSERT_TRUE(fresh.IsWellFormed()) << "after step " << step;
        std::map<std::wstring, std::wstring> theirs;
        CollectIds(fresh, theirs);
        ASSERT_EQ(mine.size(), static_cast<std::size_t>(count)) << "after step " << step;
        ASSERT_EQ(mine, theirs) << "after step " << step;
    }
    EXPECT_GT(count, 500);
}

}  // namespace
