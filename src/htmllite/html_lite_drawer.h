#pragma once
// CHtmlLiteDrawer measures HTML-lite text for a device context and later draws it into a
// rectangle: lines, objects in the flow, tables and links, in the stock variable-pitch font.
#include <functional>
#include <vector>

#include "htmllite/draw_effects.h"
#include "htmllite/html_lite_layout.h"
#include "htmllite/html_lite_markup.h"
#include "htmllite/html_lite_style.h"
#include "htmllite/html_lite_style_sheet.h"
#include "htmllite/html_lite_values.h"
#include "platform/ui/dc.h"

class CHtmlLiteDrawer {
public:
    CHtmlLiteDrawer();
    virtual ~CHtmlLiteDrawer();
    CHtmlLiteDrawer(const CHtmlLiteDrawer&) = delete;
    CHtmlLiteDrawer& operator=(const CHtmlLiteDrawer&) = delete;

    // Lays `html` out for `dc` and keeps the layout for Render; the size includes one extra
    // pixel in each direction, (0, 0) for a text with nothing to show.
    CSize Measure(CDC* dc, const CString& html);
    // Draws the measured text into `rc` (its width should be the measured width).
    void Render(const RECT& rc, CDC* dc);

    // The images of "ilst" tags without a source: a strip of count images of cx x cy with a
    // mask colour. A null bitmap only removes the old strip.
    void SetImageStrip(int cx, int cy, HBITMAP bitmap, int count, COLORREF maskColor);
    // Tracks the link under `pt`; true when it set the hand cursor over a link with a target.
    BOOL SetLinkCursor(CPoint pt);
    // Follows the link under `pt`, if any.
    void ClickLink(CPoint pt);
    // Advances animated strips one tick; true when a frame changed.
    BOOL StepAnimations();

    // Opens a link target with the desktop's URL opener. Returns TRUE when it was opened.
    static BOOL LaunchLink(const CString& target, int showCommand);
    // Replaces the URL opener (tests record the targets); an empty function restores the
    // desktop's own.
    using LinkOpener = std::function<bool(const CString& target)>;
    static void SetLinkOpener(LinkOpener opener);

    void SetCssStyles(const wchar_t* text) { m_styleSheet.SetCssStyles(text); }
    void SetDefaultCssStyles() { m_styleSheet.SetDefaultCssStyles(); }

    // Window, message and argument of a callback message.
    struct Callback {
        HWND window = nullptr;
        UINT message = 0;
        LPARAM argument = 0;
    };
    Callback m_repaintCallback;  // sent with the new hovered link number when it changes
    Callback m_linkCallback;     // receives "msg" links: the target text's address and the argument

    // Layout results of the last measure, for the owner and for tests.
    const std::vector<CHtmlLiteLine>& Lines() const { return m_lines; }
    const std::vector<CHtmlLiteLink>& Links() const { return m_links; }
    const std::vector<CHtmlLiteTable>& Tables() const { return m_tables; }
    const std::vector<CHtmlLiteAnimation>& Animations() const { return m_animations; }
    int HoveredLink() const { return m_hoverLink; }
    CDrawEffects& Effects() { return m_effects; }

    int m_tabWidth = 32;
    int m_maxWidth = 0;          // 0: no limit and no word wrapping
    int m_newlines = 1;          // line feeds and tabs become "<br>" and "<t>"
    int m_shadowBlur = 1;
    int m_shadowX = 4;
    int m_shadowY = 4;
    int m_blurX = 7;
    int m_blurY = 7;
    int m_shadowDarkness = 50;
    COLORREF m_shadowColor;
    CHtmlLiteValues m_values;    // colour table, colours enabled and the disabled colour

private:
    // Passes
    CSize DocumentPass(const CRect& rc);
    CSize Paragraph(const CString& chunk, const CRect& rc);
    CSize Table(const CString& chunk, const CRect& rc);
    void ResetStyle();
    void SelectStyle();
    void PushStyle(const CString& styleClass);
    void PopStyle(const CString& styleClass);
    void HandleTag(const HtmlLitePiece& tag, const CRect& rc);

    // Lines
    void BeginLine(const CRect& rc);
    void EndLine(int count, bool continued, const CRect& rc);
    int TextPosition(int height);
    int ObjectPosition(int height);
    void TextRun(CString run, const CRect& rc);
    void AddLinkArea(int x, int y, int width, int height);

    // Objects in the flow
    void Rule(const HtmlLiteAttributes& attributes, const CRect& rc);
    void Tab(int count, const CRect& rc);
    void StringObject(const HtmlLiteAttributes& attributes);
    void Image(int kind, const HtmlLiteAttributes& attributes, const CRect& rc);
    int ImageFlags(const CString& letters) const;

    // Tables
    void ReadTableAttributes(const HtmlLiteAttributes& attributes, bool isTable, int* rowSpan, int* colSpan);
    CSize CellContent(const CString& content, const CRect& rc);
    void DrawTableBackground(const CRect& rc);

    // Helpers of the pass
    void SetUnits();
    // Layout decisions (where a run breaks, whether an image starts a new line) are made by
    // the measure pass and replayed by every render, so both lay out the same lines.
    int Decide(int measured);
    // Splits text into paragraphs and whole tables ("<table" up to its matching "</table>").
    struct Chunk {
        bool isTable = false;
        CString text;
    };
    static std::vector<Chunk> SplitChunks(const CString& text);

    CHtmlLiteMarkup m_markup;
    CHtmlLiteStyleSheet m_styleSheet;
    CHtmlLiteStyle m_style;
    std::vector<CHtmlLiteStyle> m_styleStack;
    CDrawEffects m_effects;

    // The strip of "ilst" images without a source.
    HBITMAP m_imageStrip = nullptr;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    int m_imageCount = 0;
    COLORREF m_imageMask = 0;

    // Pass state
    CDC* m_dc = nullptr;
    CString m_text;
    bool m_measure = true;
    CFont m_font;
    CFont* m_oldFont = nullptr;
    int m_oldBkMode = 0;
    COLORREF m_oldTextColor = 0;
    COLORREF m_oldBkColor = 0;
    TEXTMETRIC m_tm{};
    int m_lineCount = 0;
    int m_hoverLink = -2;
    int m_linkCounter = -1;
    int m_animationCounter = -1;
    int m_tableNumber = -1;

    // The open line
    CHtmlLiteLine m_line;
    int m_x = 0;
    int m_y = 0;
    int m_lineStart = 0;       // x where the open line's content starts
    int m_widest = 0;          // widest line of the paragraph
    int m_freeWidth = 0;       // render: justification pixels still to spread on the line
    int m_spacesLeft = 0;      // render: spaces still to come on the line
    int m_contentLeft = 0;     // render: content width still to come on the line
    int m_ruleExtra = 0;       // render: pixels percentage rules took beyond the one they measured

    std::vector<int> m_decisions;
    size_t m_decisionIndex = 0;

    std::vector<CHtmlLiteLine> m_lines;
    std::vector<CHtmlLiteLink> m_links;
    std::vector<CHtmlLiteAnimation> m_animations;
    std::vector<CHtmlLiteTable> m_tables;
};
