#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/xml_document.h"

namespace {

std::string Narrow(const CString& s) { return s.ToUtf8(); }

bool LogHas(const CXmlDocument& doc, const wchar_t* event) {
    return doc.GetResult().Find(CString(L"<") + event) >= 0;
}

struct WellFormedCase {
    const wchar_t* text;
    bool wellFormed;
    const wchar_t* event;  // an event the log must hold, or null for an empty log
};

const WellFormedCase kWellFormed[] = {
    {L"<a/>", true, nullptr},
    {L"<?xml version=\"1.0\"?>\r\n<!DOCTYPE a [<!ELEMENT a (#PCDATA)> <!-- c> -->]>\r\n<a>x<!-- <b> --><![CDATA[<c>]]></a>\r\n",
     true, nullptr},
    {L"<a><b></a>", false, L"unended_start_tag"},
    {L"<a></b></a>", false, L"lone_end_tag"},
    {L"<a/><b/>", false, L"root_has_sibling"},
    {L"plain text", false, L"no_root_element"},
    {L"", false, nullptr},
    {L"<a>< b</a>", false, L"first_tag_syntax"},
    {L"<a><!x></a>", false, L"exclamation_tag_syntax"},
    {L"<a><!-x></a>", false, L"comment_tag_syntax"},
    {L"<a><![x]></a>", false, L"cdata_section_syntax"},
    {L"<!DOCTYPE a [<!X>]><a/>", false, L"doctype_tag_syntax"},
    {L"<a><b x='1", false, L"unterminated_tag_syntax type=\"start_tag\""},
    {L"<a></a", false, L"unterminated_tag_syntax type=\"end_tag\""},
    {L"<a/><!-- x", false, L"unterminated_tag_syntax type=\"comment\""},
    {L"<a/><![CDATA[ x", false, L"unterminated_tag_syntax type=\"cdata_section\""},
    {L"<a/><?pi x", false, L"unterminated_tag_syntax type=\"processing_instruction\""},
    {L"<!DOCTYPE a [ <!ELEMENT a 'x>", false, L"unterminated_tag_syntax type=\"document_type\""},
    {L"<a/><", false, L"unterminated_tag_syntax type=\"tag\""},
    {L"<a>&#x110000;</a>", false, L"invalid_character_reference"},
    {L"<a x='&#xD800;'/>", false, L"invalid_character_reference"},
    {L"<a>&#x10FFFF; &#55295; &#0; &#99999999999;</a>", true, nullptr},
};

TEST(XmlDocumentParse, WellFormednessAndLoggedEvents) {
    for (const auto& c : kWellFormed) {
        CXmlDocument doc(c.text);
        EXPECT_EQ(doc.IsWellFormed(), c.wellFormed) << Narrow(c.text);
        if (c.event) {
            EXPECT_TRUE(LogHas(doc, c.event)) << Narrow(c.text) << " log: " << Narrow(doc.GetResult());
        } else {
            EXPECT_TRUE(doc.GetResult().IsEmpty()) << Narrow(c.text) << " log: " << Narrow(doc.GetResult());
        }
    }
}

TEST(XmlDocumentParse, UnendedElementKeepsNoContentAndStaysAChild) {
    CXmlDocument doc(L"<a><b></a>");
    EXPECT_EQ(doc.GetResult(), L"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"7\"/>");
    ASSERT_TRUE(doc.FindElement(L"a"));
    ASSERT_TRUE(doc.FindChildElement(L"b"));
    EXPECT_EQ(doc.GetTextAt(doc.GetChildPos()), L"");
    EXPECT_TRUE(doc.EnterElement());
    EXPECT_EQ(doc.GetNodeName(), L"b");
    EXPECT_FALSE(doc.FindChildElement());
}

TEST(XmlDocumentParse, ChildrenOfAnUnendedElementBecomeItsFollowingSiblings) {
    CXmlDocument doc(L"<r><a><b/><c><d/></c><e></r>");
    EXPECT_FALSE(doc.IsWellFormed());
    ASSERT_TRUE(doc.FindElement(L"r"));
    ASSERT_TRUE(doc.EnterElement());
    std::wstring names;
    while (doc.FindElement())
        names += doc.GetNodeName().str() + L" ";
    EXPECT_EQ(names, L"a b c e ");
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetNodeName(), L"r");
    CXmlDocument again(doc.GetDoc());
    ASSERT_TRUE(again.FindChildElement(L"c"));
    EXPECT_TRUE(again.EnterElement());
    EXPECT_TRUE(again.FindChildElement(L"d"));
}

TEST(XmlDocumentParse, ChildPositionIsTheElementJustLeft) {
    CXmlDocument doc(L"<r><a/><c><d/></c></r>");
    ASSERT_TRUE(doc.FindElement(L"r"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement(L"a"));
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetChildPos() != 0, true);
    EXPECT_FALSE(doc.FindChildElement(L"a"));
    EXPECT_TRUE(doc.FindChildElement(L"c"));
}

TEST(XmlDocumentParse, LoneEndTagLeavesItsContainerWhole) {
    CXmlDocument doc(L"<a></b></a>");
    EXPECT_EQ(doc.GetResult(), L"<lone_end_tag tagname=\"b\" offset=\"3\"/>");
    ASSERT_TRUE(doc.FindElement());
    EXPECT_EQ(doc.GetNodeName(), L"a");
    EXPECT_FALSE(doc.FindElement());
}

TEST(XmlDocumentParse, TopLevelSiblingsAreFoundInTurn) {
    CXmlDocument doc(L"<a/><b/>");
    ASSERT_TRUE(doc.FindElement());
    EXPECT_EQ(doc.GetNodeName(), L"a");
    ASSERT_TRUE(doc.FindElement());
    EXPECT_EQ(doc.GetNodeName(), L"b");
    EXPECT_FALSE(doc.FindElement());
    EXPECT_EQ(doc.GetNodeName(), L"b");
}

struct TagCase {
    const wchar_t* text;
    const wchar_t* rootText;  // GetTextAt of the root
    const wchar_t* attribute;
    const wchar_t* value;
};

TEST(XmlDocumentParse, StartTagsEndOutsideQuotedValues) {
    const TagCase cases[] = {
        {L"<a x='1>2'>t</a>", L"t", L"x", L"1>2"},
        {L"<a x = \"q'q\" y=z>t</a>", L"t", L"y", L"z"},
        {L"<a x=1/>t</a>", L"t", L"x", L"1/"},  // the '/' belongs to the unquoted value
        {L"<a x='1'/>", L"", L"x", L"1"},
        {L"<a\tx=\"1\"\r\n/>", L"", L"x", L"1"},
    };
    for (const auto& c : cases) {
        CXmlDocument doc(c.text);
        EXPECT_TRUE(doc.IsWellFormed()) << Narrow(c.text) << Narrow(doc.GetResult());
        ASSERT_TRUE(doc.FindElement(L"a")) << Narrow(c.text);
        EXPECT_EQ(doc.GetElementText(), c.rootText) << Narrow(c.text);
        EXPECT_EQ(doc.GetAttribute(c.attribute), c.value) << Narrow(c.text);
    }
}

TEST(XmlDocumentParse, ResultLogStopsGrowingAtOneThousandCharacters) {
    std::wstring text = L"<a>";
    for (int i = 0; i < 200; ++i)
        text += L"</zz>";
    text += L"</a>";
    CXmlDocument doc(text.c_str());
    EXPECT_FALSE(doc.IsWellFormed());
    EXPECT_GE(doc.GetResult().GetLength(), 1000);
    EXPECT_LT(doc.GetResult().GetLength(), 1000 + 60);

    CString log;
    for (int i = 0; i < 100; ++i)
        CXmlDocument::AddResult(log, L"read", L"UTF-8", CXmlDocument::kResultEncoding | CXmlDocument::kResultLength, i);
    EXPECT_LT(log.GetLength(), 1000 + 60);
}

TEST(XmlDocumentParse, ResultEventsTakeTheirAttributesFromTheFlags) {
    CString log;
    CXmlDocument::AddResult(log, L"read", L"UTF-8", CXmlDocument::kResultEncoding | CXmlDocument::kResultLength, 12);
    CXmlDocument::AddResult(log, L"nulls_removed", nullptr, CXmlDocument::kResultCount, 3);
    CXmlDocument::AddResult(log, L"file_error", L"No such file", CXmlDocument::kResultMsg | CXmlDocument::kResultN, 2);
    CXmlDocument::AddResult(log, L"read", L"windows-1252", CXmlDocument::kResultEncoding | CXmlDocument::kResultFind);
    CXmlDocument::AddResult(log, L"missing", L"x", CXmlDocument::kResultFind);
    CXmlDocument::AddResult(log, L"unterminated_tag_syntax", L"tag", CXmlDocument::kResultType, 4, 9);
    EXPECT_EQ(log, L"<read encoding=\"windows-1252\" length=\"12\"/><nulls_removed count=\"3\"/>"
                   L"<file_error msg=\"No such file\" n=\"2\"/><unterminated_tag_syntax type=\"tag\" offset=\"4\" "
                   L"offset2=\"9\"/>");
}

TEST(XmlDocumentParse, DeepNestingIsIndexedWithoutRecursion) {
    const int depth = 100000;
    std::wstring text;
    for (int i = 0; i < depth; ++i)
        text += L"<n>";
    text += L"x";
    for (int i = 0; i < depth; ++i)
        text += L"</n>";
    CXmlDocument doc(text.c_str());
    EXPECT_TRUE(doc.IsWellFormed());

    // The same nesting never closed: every level is unended and moves up once.
    std::wstring open;
    for (int i = 0; i < depth; ++i)
        open += L"<n>";
    CXmlDocument unclosed(open.c_str());
    EXPECT_FALSE(unclosed.IsWellFormed());
    int count = 0;
    while (unclosed.FindElement(L"n"))
        ++count;
    EXPECT_EQ(count, depth);

    // Many end tags that close nothing under a deep stack.
    std::wstring lone = open;
    for (int i = 0; i < depth; ++i)
        lone += L"</m>";
    CXmlDocument stray(lone.c_str());
    EXPECT_FALSE(stray.IsWellFormed());
}

TEST(XmlDocumentParse, LongNamesKeepTheirTagLengths) {
    std::wstring name(70000, L'n');
    std::wstring text = L"<r><" + name + L" a=\"1\">t</" + name + L"><after/></r>";
    CXmlDocument doc(text.c_str());
    EXPECT_TRUE(doc.IsWellFormed());
    ASSERT_TRUE(doc.FindElement(L"r"));
    ASSERT_TRUE(doc.FindChildElement(name.c_str()));
    EXPECT_EQ(doc.GetTextAt(doc.GetChildPos()), L"t");
    ASSERT_TRUE(doc.FindChildElement(L"after"));
}

// Every prefix and many random mutations of a small document: the index must stay usable, with
// every reading operation answering inside the text.
TEST(XmlDocumentParse, DamagedTextIsIndexedSafely) {
    const std::wstring base =
        L"<?xml version=\"1.0\"?>\r\n<!DOCTYPE d [<!ENTITY x 'y'>]>\r\n<DOCUMENT V=\"1\">\r\n"
        L"<A ID='1' T=\"a&amp;b\">x &lt; y<![CDATA[<z>]]><!-- c --></A>\r\n<B/><C><D E=\"&#x41;\"/></C>\r\n"
        L"<?pi x?></DOCUMENT>\r\n";
    auto exercise = [](const std::wstring& text) {
        CXmlDocument doc(text.c_str());
        int steps = 0;
        while (doc.FindElement() && ++steps < 50) {
            doc.GetNodeName();
            doc.GetAttribute(L"ID");
            doc.GetElementText();
            while (doc.FindChildElement() && ++steps < 50)
                doc.GetTextAt(doc.GetChildPos());
            if (doc.EnterElement()) {
                doc.FindElement();
                doc.AddElement(L"N", L"t");
                doc.SetAttributeAt(doc.GetMainPos(), L"K", L"v");
                doc.SetTextAt(doc.GetMainPos(), L"u");
                doc.LeaveElement();
            }
        }
        return doc.IsWellFormed();
    };
    EXPECT_TRUE(exercise(base));
    for (std::size_t cut = 0; cut + 2 < base.size(); ++cut)
        EXPECT_FALSE(exercise(base.substr(0, cut))) << cut;
    std::mt19937 random(7);
    const wchar_t pieces[] = L"<>/!?-[]'\"=& \r\nAx;#";
    for (int i = 0; i < 3000; ++i) {
        std::wstring text = base;
        for (int k = 0; k < 3; ++k)
            text[random() % text.size()] = pieces[random() % (sizeof(pieces) / sizeof(wchar_t) - 1)];
        exercise(text);
    }
}

TEST(XmlDocumentParse, EmptyDocumentAndEmptyText) {
    CXmlDocument doc;
    EXPECT_FALSE(doc.IsWellFormed());
    EXPECT_TRUE(doc.GetResult().IsEmpty());
    EXPECT_FALSE(doc.FindElement());
    EXPECT_FALSE(doc.FindChildElement());
    EXPECT_FALSE(doc.EnterElement());
    EXPECT_FALSE(doc.LeaveElement());
    EXPECT_EQ(doc.GetNodeName(), L"");
    EXPECT_TRUE(doc.SetDocumentText(L"<a/>"));
    EXPECT_TRUE(doc.FindElement(L"a"));
    EXPECT_FALSE(doc.SetDocumentText());
    EXPECT_FALSE(doc.FindElement());
}

}  // namespace
