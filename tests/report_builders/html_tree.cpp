#include "html_tree.h"

#include <cwctype>
#include <set>

namespace {

const std::set<std::wstring> kVoid = {L"br", L"meta", L"img", L"hr", L"ilst"};
const std::set<std::wstring> kRaw = {L"script", L"style"};

bool DecodeEntity(const std::wstring& s, std::size_t& i, std::wstring& out) {
    static const std::pair<const wchar_t*, wchar_t> kNamed[] = {
        {L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"nbsp", L'\xA0'},
        {L"thorn", L'\xFE'}, {L"yacute", L'\xFD'}};
    const std::size_t end = s.find(L';', i);
    if (end == std::wstring::npos || end - i > 10) return false;
    const std::wstring name = s.substr(i + 1, end - i - 1);
    if (!name.empty() && name[0] == L'#') {
        try {
            out += static_cast<wchar_t>(std::stoi(name.substr(1)));
        } catch (...) {
            return false;
        }
    } else {
        bool found = false;
        for (const auto& [n, c] : kNamed)
            if (name == n) out += c, found = true;
        if (!found) return false;
    }
    i = end + 1;
    return true;
}

bool DecodeText(const std::wstring& s, std::wstring& out) {
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == L'&') {
            if (!DecodeEntity(s, i, out)) return false;
        } else if (s[i] == L'<' || s[i] == L'>') {
            return false;
        } else {
            out += s[i++];
        }
    }
    return true;
}

// Which parents a structural element may have.
bool AllowedIn(const std::wstring& tag, const std::wstring& parent) {
    if (tag == L"tr") return parent == L"table" || parent == L"tbody" || parent == L"thead";
    if (tag == L"td" || tag == L"th") return parent == L"tr";
    if (parent == L"table" || parent == L"tbody" || parent == L"thead") return tag == L"tr" || tag == L"tbody" || tag == L"thead";
    if (parent == L"tr") return tag == L"td" || tag == L"th";
    return true;
}

}  // namespace

std::wstring CHtmlNode::Attr(const std::wstring& name) const {
    auto it = attributes.find(name);
    return it == attributes.end() ? std::wstring() : it->second;
}

std::wstring CHtmlNode::Style(const std::wstring& property) const {
    const std::wstring style = Attr(L"style");
    std::size_t pos = 0;
    while (pos < style.size()) {
        std::size_t end = style.find(L';', pos);
        if (end == std::wstring::npos) end = style.size();
        const std::wstring part = style.substr(pos, end - pos);
        const std::size_t colon = part.find(L':');
        if (colon != std::wstring::npos) {
            auto trim = [](std::wstring v) {
                while (!v.empty() && std::iswspace(v.front())) v.erase(v.begin());
                while (!v.empty() && std::iswspace(v.back())) v.pop_back();
                return v;
            };
            if (trim(part.substr(0, colon)) == property) return trim(part.substr(colon + 1));
        }
        pos = end + 1;
    }
    return std::wstring();
}

int CHtmlNode::Span(const std::wstring& name) const {
    const std::wstring value = Attr(name);
    return value.empty() ? 1 : std::stoi(value);
}

std::wstring CHtmlNode::Text() const {
    if (tag.empty()) return text;
    std::wstring all;
    for (const auto& child : children) all += child->Text();
    return all;
}

std::vector<const CHtmlNode*> CHtmlNode::FindAll(const std::wstring& wanted) const {
    std::vector<const CHtmlNode*> found;
    for (const auto& child : children) {
        if (child->tag == wanted) found.push_back(child.get());
        for (const CHtmlNode* below : child->FindAll(wanted)) found.push_back(below);
    }
    return found;
}

std::vector<const CHtmlNode*> CHtmlNode::Children(const std::wstring& wanted) const {
    std::vector<const CHtmlNode*> found;
    for (const auto& child : children) {
        if (child->tag == wanted) found.push_back(child.get());
        if (child->tag == L"tbody" || child->tag == L"thead")
            for (const CHtmlNode* inner : child->Children(wanted)) found.push_back(inner);
    }
    return found;
}

std::unique_ptr<CHtmlNode> ParseHtml(const std::wstring& html, std::string& error) {
    auto root = std::make_unique<CHtmlNode>();
    root->tag = L"#root";
    std::vector<CHtmlNode*> open{root.get()};
    std::size_t i = 0;
    auto fail = [&](const std::string& why) {
        error = why + " at " + std::to_string(i);
        return nullptr;
    };
    while (i < html.size()) {
        if (html[i] != L'<') {
            const std::size_t end = html.find(L'<', i);
            const std::wstring raw = html.substr(i, end == std::wstring::npos ? std::wstring::npos : end - i);
            auto node = std::make_unique<CHtmlNode>();
            if (!DecodeText(raw, node->text)) return fail("bad text");
            node->parent = open.back();
            open.back()->children.push_back(std::move(node));
            i += raw.size();
            continue;
        }
        if (html.compare(i, 9, L"<!DOCTYPE") == 0) {
            i = html.find(L'>', i) + 1;
            continue;
        }
        if (html.compare(i, 2, L"</") == 0) {
            const std::size_t end = html.find(L'>', i);
            if (end == std::wstring::npos) return fail("unterminated end tag");
            const std::wstring name = html.substr(i + 2, end - i - 2);
            if (open.size() < 2 || open.back()->tag != name)
                return fail("end tag </" + std::string(name.begin(), name.end()) + "> does not close " +
                            std::string(open.back()->tag.begin(), open.back()->tag.end()));
            open.pop_back();
            i = end + 1;
            continue;
        }
        std::size_t p = i + 1;
        std::wstring name;
        while (p < html.size() && (std::iswalnum(html[p]))) name += html[p++];
        if (name.empty()) return fail("bad tag");
        auto node = std::make_unique<CHtmlNode>();
        node->tag = name;
        for (;;) {
            while (p < html.size() && std::iswspace(html[p])) ++p;
            if (p >= html.size()) return fail("unterminated tag");
            if (html[p] == L'>') break;
            std::wstring attribute;
            while (p < html.size() && (std::iswalnum(html[p]) || html[p] == L'-')) attribute += html[p++];
            if (attribute.empty() || p + 1 >= html.size() || html[p] != L'=' || html[p + 1] != L'"')
                return fail("unquoted or bad attribute in <" + std::string(name.begin(), name.end()) + ">");
            const std::size_t close = html.find(L'"', p + 2);
            if (close == std::wstring::npos) return fail("unterminated attribute");
            std::wstring value;
            if (!DecodeText(html.substr(p + 2, close - p - 2), value)) return fail("bad attribute text");
            if (node->attributes.count(attribute)) return fail("repeated attribute");
            node->attributes[attribute] = value;
            p = close + 1;
        }
        i = p + 1;
        if (!AllowedIn(name, open.back()->tag))
            return fail("<" + std::string(name.begin(), name.end()) + "> inside <" +
                        std::string(open.back()->tag.begin(), open.back()->tag.end()) + ">");
        CHtmlNode* raw = node.get();
        node->parent = open.back();
        open.back()->children.push_back(std::move(node));
        if (kRaw.count(name)) {
            const std::wstring closeTag = L"</" + name + L">";
            const std::size_t end = html.find(closeTag, i);
            if (end == std::wstring::npos) return fail("unclosed raw element");
            i = end + closeTag.size();
        } else if (!kVoid.count(name)) {
            open.push_back(raw);
        }
    }
    if (open.size() != 1) {
        error = "unclosed <" + std::string(open.back()->tag.begin(), open.back()->tag.end()) + ">";
        return nullptr;
    }
    return root;
}

std::vector<int> RowWidths(const CHtmlNode& table) {
    std::vector<int> widths;
    std::vector<int> reaching;  // per column: rows still covered from above
    for (const CHtmlNode* row : table.Rows()) {
        int column = 0;
        auto skipCovered = [&]() {
            while (column < static_cast<int>(reaching.size()) && reaching[column] > 0) ++column;
        };
        std::vector<int> next = reaching;
        for (int& r : next)
            if (r > 0) --r;
        for (const CHtmlNode* cell : row->Cells()) {
            skipCovered();
            const int colspan = cell->Span(L"colspan"), rowspan = cell->Span(L"rowspan");
            for (int c = column; c < column + colspan; ++c) {
                if (c >= static_cast<int>(next.size())) next.resize(c + 1, 0), reaching.resize(c + 1, 0);
                next[c] = rowspan - 1;
            }
            column += colspan;
        }
        skipCovered();
        widths.push_back(column);
        reaching = next;
    }
    return widths;
}

std::vector<const CHtmlNode*> TopTables(const CHtmlNode& node) {
    std::vector<const CHtmlNode*> tables;
    for (const auto& child : node.children) {
        if (child->tag == L"table")
            tables.push_back(child.get());
        else
            for (const CHtmlNode* inner : TopTables(*child)) tables.push_back(inner);
    }
    return tables;
}
