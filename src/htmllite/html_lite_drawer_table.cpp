// Tables of HTML-lite text: the measure pass builds the grid with spans, column widths and
// row heights; the render pass draws backgrounds, borders and cell contents from it.
#include <algorithm>

#include "htmllite/html_lite_drawer.h"

namespace {

// Spans beyond this are read as this; they only ever cover positions inside the grid.
constexpr int kMaxSpan = 1000;

struct CellText {
    CString tagRest;
    CString content;
};
struct RowText {
    CString tagRest;
    std::vector<CellText> cells;
};
struct TableText {
    CString tagRest;
    std::vector<RowText> rows;
};

// Splits a table chunk into its own rows and cells; nested tables stay inside cell contents.
TableText ParseTable(const CString& chunk) {
    TableText table;
    int pos = 0;
    HtmlLitePiece piece;
    if (!CHtmlLiteMarkup::Next(chunk, pos, piece) || !piece.isTag) return table;
    table.tagRest = piece.rest;
    CString body = chunk.Mid(pos);
    if (body.GetLength() >= 8 && body.Right(8) == L"</table>") body = body.Left(body.GetLength() - 8);

    int depth = 0;
    RowText* row = nullptr;
    CellText* cell = nullptr;
    int contentStart = 0;
    auto closeCell = [&](int end) {
        if (cell) cell->content = body.Mid(contentStart, end - contentStart);
        cell = nullptr;
    };
    pos = 0;
    while (true) {
        const int start = pos;
        if (!CHtmlLiteMarkup::Next(body, pos, piece)) break;
        if (!piece.isTag) continue;
        if (piece.name == L"table") {
            depth += piece.closing ? (depth > 0 ? -1 : 0) : 1;
            continue;
        }
        if (depth > 0) continue;
        if (piece.name == L"tr") {
            closeCell(start);
            row = nullptr;
            if (!piece.closing) {
                table.rows.push_back(RowText{piece.rest, {}});
                row = &table.rows.back();
            }
        } else if (piece.name == L"td") {
            closeCell(start);
            if (!piece.closing && row) {
                row->cells.push_back(CellText{piece.rest, {}});
                cell = &row->cells.back();
                contentStart = pos;
            }
        }
    }
    closeCell(body.GetLength());
    return table;
}

int Span(int value) { return std::clamp(value, 1, kMaxSpan); }

int Extent(const std::vector<int>& sizes, int spacing, int border) {
    int total = spacing - 1 + 2 * border;
    for (int s : sizes) total += s + spacing + 1;
    return std::max(total, 0);
}

}  // namespace

void CHtmlLiteDrawer::ReadTableAttributes(const HtmlLiteAttributes& attributes, bool isTable, int* rowSpan,
                                          int* colSpan) {
    CHtmlLiteStyle& s = m_style;
    const bool colors = m_values.m_colorsEnabled;
    for (const auto& [name, v] : attributes.items) {
        if (isTable && name == L"cellpadding") {
            s.m_margin = m_values.ParseSize(v, s.m_margin);
        } else if (isTable && name == L"cellspacing") {
            s.m_padding = m_values.ParseSize(v, s.m_padding);
        } else if (isTable && name == L"background") {
            s.m_backImage = v;
        } else if (name == L"rowspan") {
            if (rowSpan) *rowSpan = Span(static_cast<int>(HtmlLiteNumber(v)));
        } else if (name == L"colspan") {
            if (colSpan) *colSpan = Span(static_cast<int>(HtmlLiteNumber(v)));
        } else if (name == L"border") {
            s.m_borderWidth = m_values.ParseSize(v, s.m_borderWidth);
            if (s.m_borderWidth == 0)
                s.m_borderStyle = 0;
            else if (s.m_borderStyle == 0)
                s.m_borderStyle = 1;
        } else if (name == L"borderstyle") {
            if (v == L"none") s.m_borderStyle = 0;
            else if (v == L"solid") s.m_borderStyle = 1;
            else if (v == L"dotted") s.m_borderStyle = 3;
            else if (v == L"dashed") s.m_borderStyle = 2;
            else if (v == L"double") s.m_borderStyle = 6;
            if (s.m_borderStyle != 0 && s.m_borderWidth == 0) s.m_borderWidth = 1;
        } else if (name == L"align") {
            if (v == L"left") s.m_hAlign = HL_ALIGN_LEFT;
            else if (v == L"center") s.m_hAlign = HL_ALIGN_CENTER;
            else if (v == L"right") s.m_hAlign = HL_ALIGN_RIGHT;
        } else if (name == L"valign") {
            if (v == L"top") s.m_vAlign = HL_VALIGN_TOP;
            else if (v == L"middle" || v == L"vcenter") s.m_vAlign = HL_VALIGN_MIDDLE;
            else if (v == L"bottom") s.m_vAlign = HL_VALIGN_BOTTOM;
            else if (v == L"baseline") s.m_vAlign = HL_VALIGN_BASELINE;
        } else if (name == L"width") {
            s.m_width = m_values.ParseSize(v, s.m_width);
        } else if (name == L"height") {
            s.m_height = m_values.ParseSize(v, s.m_height);
        } else if (!colors) {
            continue;  // colour attributes and effects are read only while colours are on
        } else if (name == L"bordercolor") {
            s.m_borderLight = s.m_borderDark = m_values.ParseColor(v, s.m_borderLight);
        } else if (name == L"bordercolorlight") {
            s.m_borderLight = m_values.ParseColor(v, s.m_borderLight);
        } else if (name == L"bordercolordark") {
            s.m_borderDark = m_values.ParseColor(v, s.m_borderDark);
        } else if (name == L"bgcolor") {
            s.m_backColor = m_values.ParseColor(v, s.m_backColor);
            if (s.m_backEffect == -1) s.m_backEffect = 0;
        } else if (name == L"bgmidcolor") {
            s.m_backMidColor = m_values.ParseColor(v, s.m_backMidColor);
        } else if (name == L"bgendcolor") {
            s.m_backEndColor = m_values.ParseColor(v, s.m_backEndColor);
        } else if (name == L"bgeffect") {
            s.m_backEffect = CDrawEffects::EffectFromName(v);
        }
    }
    if (s.m_borderStyle == 0 || s.m_borderWidth == 0) s.m_borderStyle = s.m_borderWidth = 0;
    if (s.m_borderStyle != 0 && s.m_borderStyle != 1) s.m_borderWidth = 1;
    if (!isTable) s.m_borderWidth = std::min(s.m_borderWidth, 1);
}

CSize CHtmlLiteDrawer::CellContent(const CString& content, const CRect& rc) {
    CSize total(0, 0);
    CRect chunkRect = rc;
    for (const Chunk& chunk : SplitChunks(content)) {
        const CSize size = chunk.isTable ? Table(chunk.text, chunkRect) : Paragraph(chunk.text, chunkRect);
        total.cx = std::max(total.cx, size.cx);
        total.cy += size.cy;
        chunkRect.top += size.cy;
    }
    return total;
}

void CHtmlLiteDrawer::DrawTableBackground(const CRect& rc) {
    const CHtmlLiteStyle& s = m_style;
    if (s.m_backEffect >= 0) {
        m_effects.FillBackground(m_dc, rc, s.m_backEffect, s.m_backColor, s.m_backMidColor, s.m_backEndColor, 5, 0);
        return;
    }
    // A tiled picture: "idres:N" names a bitmap resource of the program; files and library
    // resources are not read.
    if (!m_values.m_colorsEnabled || s.m_backImage.GetLength() <= 5) return;
    const int colon = s.m_backImage.Find(L':');
    if (colon < 0) return;
    CString name = s.m_backImage.Left(colon);
    name.Trim();
    if (name != L"idres") return;
    CString value = s.m_backImage.Mid(colon + 1);
    value.Trim();
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(static_cast<UINT>(HtmlLiteNumber(value)))) return;
    const CSize size = CDrawEffects::GetBitmapSize(static_cast<HBITMAP>(bitmap.m_hObject));
    CDC memDC;
    if (!memDC.CreateCompatibleDC(m_dc)) return;
    CBitmap* old = memDC.SelectObject(&bitmap);
    m_effects.TileBitmap(m_dc, rc, &memDC, size.cx, size.cy);
    memDC.SelectObject(old);
}

CSize CHtmlLiteDrawer::Table(const CString& chunk, const CRect& rc) {
    const int number = ++m_tableNumber;
    const TableText text = ParseTable(chunk);

    PushStyle(L"table");
    m_styleSheet.ApplyRule(L"table", m_style, m_values);
    ReadTableAttributes(CHtmlLiteMarkup::ParseAttributes(text.tagRest), true, nullptr, nullptr);
    SelectStyle();
    const CHtmlLiteStyle tableStyle = m_style;
    const int spacing = tableStyle.m_padding;
    const int border = tableStyle.m_borderStyle == 6 ? 3 : tableStyle.m_borderWidth;

    CHtmlLiteTable table;
    if (m_measure) {
        const int rowCount = static_cast<int>(text.rows.size());
        int columnCount = 0;
        for (const RowText& row : text.rows) {
            int count = 0;
            for (const CellText& cell : row.cells) {
                const CString* span = CHtmlLiteMarkup::ParseAttributes(cell.tagRest).Find(L"colspan");
                count += span ? Span(static_cast<int>(HtmlLiteNumber(*span))) : 1;
            }
            columnCount = std::max(columnCount, count);
        }
        table.rows.assign(rowCount, std::vector<CHtmlLiteCell>(columnCount));
        table.columnWidths.assign(columnCount, 0);
        table.columnFixed.assign(columnCount, 0);
        table.rowHeights.assign(rowCount, 0);
        if (static_cast<int>(m_tables.size()) <= number) m_tables.resize(number + 1);
    } else {
        if (number >= static_cast<int>(m_tables.size())) {
            PopStyle(L"table");
            return CSize(0, 0);
        }
        table = m_tables[number];
    }
    const int rowCount = table.RowCount();
    const int columnCount = table.ColumnCount();

    // Render: the table's rectangle, columns widened to the room, background and border.
    std::vector<int> widths = table.columnWidths;
    CRect tableRect;
    CRect inner;
    if (!m_measure) {
        int width = Extent(widths, spacing, border);
        const int height = Extent(table.rowHeights, spacing, border);
        int left = rc.left;
        if (width < rc.Width()) {
            int extra = rc.Width() - width;
            int open = 0;
            for (int f : table.columnFixed) open += f ? 0 : 1;
            if (open > 0) {
                for (int c = 0; c < columnCount; ++c) {
                    if (table.columnFixed[c]) continue;
                    const int add = extra / open;
                    widths[c] += add;
                    extra -= add;
                    --open;
                }
                width = Extent(widths, spacing, border);
            } else if (tableStyle.m_hAlign == HL_ALIGN_CENTER) {
                left = rc.left + (rc.Width() - width) / 2;
            } else if (tableStyle.m_hAlign == HL_ALIGN_RIGHT) {
                left = rc.right - width;
            }
        }
        tableRect = CRect(left, rc.top, left + width, rc.top + height);
        DrawTableBackground(tableRect);
        if (tableStyle.m_borderWidth > 0) {
            const bool colors = m_values.m_colorsEnabled;
            m_effects.DrawRectBorder(tableRect.left, m_dc, tableRect.top, tableRect.right, tableRect.bottom,
                                     colors ? tableStyle.m_borderLight : m_values.m_disabledColor,
                                     colors ? tableStyle.m_borderDark : m_values.m_disabledColor,
                                     tableStyle.m_borderStyle, tableStyle.m_borderWidth);
        }
        inner = tableRect;
        inner.DeflateRect(border, border);
    }
    auto columnLeft = [&](int column) {
        int x = inner.left + spacing;
        for (int c = 0; c < column; ++c) x += widths[c] + spacing + 1;
        return x;
    };
    auto rowTop = [&](int row) {
        int y = inner.top + spacing;
        for (int r = 0; r < row; ++r) y += table.rowHeights[r] + spacing + 1;
        return y;
    };

    for (int r = 0; r < rowCount; ++r) {
        const RowText& row = text.rows[r];
        PushStyle(L"tr");
        m_styleSheet.ApplyRule(L"tr", m_style, m_values);
        ReadTableAttributes(CHtmlLiteMarkup::ParseAttributes(row.tagRest), false, nullptr, nullptr);
        SelectStyle();
        int column = 0;
        for (const CellText& cellText : row.cells) {
            // The first grid position from here that no span covers; none left ends the row.
            while (column < columnCount && table.rows[r][column].colSpan == -1) ++column;
            if (column >= columnCount) break;

            PushStyle(L"td");
            m_styleSheet.ApplyRule(L"td", m_style, m_values);
            m_style.m_width = m_style.m_height = 0;
            m_style.m_cellExtra1 = m_style.m_cellExtra2 = 0;
            int rowSpan = 1, colSpan = 1;
            ReadTableAttributes(CHtmlLiteMarkup::ParseAttributes(cellText.tagRest), false, &rowSpan, &colSpan);
            SelectStyle();
            const int cellBorder = m_style.m_borderWidth;
            const int inset = cellBorder + m_style.m_margin;

            if (m_measure) {
                CHtmlLiteCell cell;
                cell.colSpan = std::min(colSpan, columnCount - column);
                cell.rowSpan = std::min(rowSpan, rowCount - r);
                cell.contentWidth = m_style.m_width;
                cell.fixedWidth = m_style.m_width > 0 ? 1 : 0;
                const CSize content = CellContent(cellText.content, CRect(0, 0, m_style.m_width, 0));
                cell.contentWidth = std::max<int>(cell.contentWidth, content.cx);
                cell.contentHeight = content.cy;
                cell.width = std::max<int>(cell.contentWidth, m_style.m_width) + 2 * inset;
                cell.height = std::max<int>(cell.contentHeight, m_style.m_height) + 2 * inset;
                table.rows[r][column] = cell;
                for (int i = 1; i < cell.colSpan; ++i) table.rows[r][column + i].colSpan = table.rows[r][column + i].rowSpan = -1;
                for (int j = 1; j < cell.rowSpan; ++j) table.rows[r + j][column].colSpan = table.rows[r + j][column].rowSpan = -1;
                column += cell.colSpan;
            } else {
                const CHtmlLiteCell& cell = table.rows[r][column];
                const int cs = std::max(cell.colSpan, 1), rs = std::max(cell.rowSpan, 1);
                CRect cellRect;
                cellRect.left = columnLeft(column);
                cellRect.top = rowTop(r);
                cellRect.right = cellRect.left + (cs - 1) * (spacing + 1);
                for (int c = column; c < column + cs && c < columnCount; ++c) cellRect.right += widths[c];
                cellRect.bottom = cellRect.top + (rs - 1) * (spacing + 1);
                for (int k = r; k < r + rs && k < rowCount; ++k) cellRect.bottom += table.rowHeights[k];

                if (m_style.m_backEffect >= 0)
                    m_effects.FillBackground(m_dc, cellRect, m_style.m_backEffect, m_style.m_backColor,
                                             m_style.m_backMidColor, m_style.m_backEndColor, 5, 0);
                if (m_style.m_borderStyle != 0) {
                    const bool colors = m_values.m_colorsEnabled;
                    m_effects.DrawRectBorder(cellRect.left, m_dc, cellRect.top, cellRect.right, cellRect.bottom,
                                             colors ? m_style.m_borderLight : m_values.m_disabledColor,
                                             colors ? m_style.m_borderDark : m_values.m_disabledColor,
                                             m_style.m_borderStyle, 1);
                }
                CRect area = cellRect;
                area.DeflateRect(inset, inset);
                int top = area.top;
                if (m_style.m_vAlign == HL_VALIGN_MIDDLE)
                    top = area.top + (area.Height() - cell.contentHeight) / 2;
                else if (m_style.m_vAlign == HL_VALIGN_BOTTOM)
                    top = area.bottom - cell.contentHeight;
                CellContent(cellText.content, CRect(area.left, top, area.right, area.bottom));
                column += cs;
            }
            PopStyle(L"td");
        }
        PopStyle(L"tr");
    }

    CSize result(0, 0);
    if (m_measure) {
        // Column widths by growing span sizes: single cells first, then spanning cells share
        // what they lack, the remainder to the last column (to the first row for heights).
        for (int s = 1; s <= columnCount; ++s)
            for (int r = 0; r < rowCount; ++r)
                for (int c = 0; c < columnCount; ++c) {
                    const CHtmlLiteCell& cell = table.rows[r][c];
                    if (cell.colSpan != s) continue;
                    if (s == 1) {
                        table.columnWidths[c] = std::max(table.columnWidths[c], cell.width);
                        if (cell.fixedWidth) table.columnFixed[c] = 1;
                        continue;
                    }
                    int sum = 0;
                    for (int k = c; k < c + s; ++k) {
                        sum += table.columnWidths[k];
                        if (cell.fixedWidth) table.columnFixed[k] = 1;
                    }
                    if (sum < cell.width) {
                        const int diff = cell.width - sum;
                        for (int k = c; k < c + s; ++k) table.columnWidths[k] += diff / s;
                        table.columnWidths[c + s - 1] += diff % s;
                    }
                }
        for (int s = 1; s <= rowCount; ++s)
            for (int r = 0; r < rowCount; ++r)
                for (int c = 0; c < columnCount; ++c) {
                    const CHtmlLiteCell& cell = table.rows[r][c];
                    if (cell.rowSpan != s) continue;
                    if (s == 1) {
                        table.rowHeights[r] = std::max(table.rowHeights[r], cell.height);
                        continue;
                    }
                    int sum = 0;
                    for (int k = r; k < r + s; ++k) sum += table.rowHeights[k];
                    if (sum < cell.height) {
                        const int diff = cell.height - sum;
                        for (int k = r; k < r + s; ++k) table.rowHeights[k] += diff / s;
                        table.rowHeights[r] += diff % s;
                    }
                }
        result = CSize(Extent(table.columnWidths, spacing, border), Extent(table.rowHeights, spacing, border));
        m_tables[number] = std::move(table);
    } else {
        result = CSize(tableRect.Width(), tableRect.Height());
    }
    PopStyle(L"table");
    return result;
}
