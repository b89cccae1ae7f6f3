#pragma once
// A strict reader of the report markup for the tests: it builds the element tree and fails on
// anything a browser would have to repair (unclosed or crossed tags, unquoted attributes, stray
// "<" or "&", rows outside tables, cells outside rows).
#include <map>
#include <memory>
#include <string>
#include <vector>

struct CHtmlNode {
    std::wstring tag;  // empty for a text node
    std::map<std::wstring, std::wstring> attributes;
    std::wstring text;  // text nodes: the decoded text
    std::vector<std::unique_ptr<CHtmlNode>> children;
    const CHtmlNode* parent = nullptr;

    // The attribute's value; empty when missing.
    std::wstring Attr(const std::wstring& name) const;
    // A property of the style attribute, trimmed; empty when missing.
    std::wstring Style(const std::wstring& property) const;
    // The integer of a span attribute; 1 when missing.
    int Span(const std::wstring& name) const;
    // All the text below the node, decoded.
    std::wstring Text() const;
    // Descendant elements with the tag, in document order.
    std::vector<const CHtmlNode*> FindAll(const std::wstring& tag) const;
    // Child elements with the tag.
    std::vector<const CHtmlNode*> Children(const std::wstring& tag) const;
    // The rows of a table (its own, not those of inner tables) and the cells of a row.
    std::vector<const CHtmlNode*> Rows() const { return Children(L"tr"); }
    std::vector<const CHtmlNode*> Cells() const { return Children(L"td"); }
};

// The root of the parsed markup, or null with the reason in error.
std::unique_ptr<CHtmlNode> ParseHtml(const std::wstring& html, std::string& error);

// The width of each row of a table in columns, counting the cells that reach into the row from
// rows above through their row span. A table whose blocks lose or shift no cell has one width.
std::vector<int> RowWidths(const CHtmlNode& table);
// The outermost tables below a node.
std::vector<const CHtmlNode*> TopTables(const CHtmlNode& node);
