// The address cards: columns, the letter index, the keys and the order of insertion.
#include "frame/cards_ctrl.h"

#include <gtest/gtest.h>

#include "platform/ui/client_dc.h"
#include "shell_fixture.h"

namespace {

std::unique_ptr<CContactCard> Card(const wchar_t* title, int id, int lines = 0) {
    auto card = std::make_unique<CContactCard>();
    card->m_strTitle = title;
    card->m_nId = id;
    for (int i = 0; i < lines; ++i) card->AddLine(i, L"value");
    return card;
}

std::vector<std::wstring> Captions(const std::vector<CIndexRow>& rows) {
    std::vector<std::wstring> captions;
    for (const CIndexRow& row : rows) captions.push_back(row.caption.GetString());
    return captions;
}

}  // namespace

// Line height 16: a card of one line is 32 high; five cards of 32 plus gaps fit in 190 pixels.
TEST(CardLayout, CardsRunDownAColumnAndContinueInTheNext) {
    std::vector<std::unique_ptr<CContactCard>> cards;
    for (int i = 0; i < 7; ++i) cards.push_back(Card(L"x", i + 1, 1));
    EXPECT_TRUE(LayoutCardColumns(cards, 150, 16, 190, 400));
    const int expected[7][4] = {{5, 5, 0, 0},   {5, 42, 0, 1},  {5, 79, 0, 2},  {5, 116, 0, 3},
                                {5, 153, 0, 4}, {155, 5, 1, 0}, {155, 42, 1, 1}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(cards[i]->m_nLeft, expected[i][0]) << i;
        EXPECT_EQ(cards[i]->m_nTop, expected[i][1]) << i;
        EXPECT_EQ(cards[i]->m_nColumn, expected[i][2]) << i;
        EXPECT_EQ(cards[i]->m_nRow, expected[i][3]) << i;
        EXPECT_EQ(cards[i]->m_nRight, cards[i]->m_nLeft + 136) << i;
    }
    EXPECT_FALSE(LayoutCardColumns(cards, 150, 16, 190, 300));  // the second column passes the edge
}

TEST(CardLayout, ACardTallerThanThePaneStartsANewColumnEvenWhenFirst) {
    std::vector<std::unique_ptr<CContactCard>> cards;
    cards.push_back(Card(L"tall", 1, 11));  // 12 x 16 = 192 > 100
    LayoutCardColumns(cards, 150, 16, 100, 1000);
    EXPECT_EQ(cards[0]->m_nColumn, 1);
    EXPECT_EQ(cards[0]->m_nLeft, 155);
}

TEST(CardLines, EmptyValuesAreNotStoredAndTrailingBlanksGo) {
    CContactCard card;
    card.AddLine(0, L"Teacher  ");
    card.AddLine(1, L"   ");
    card.AddLine(10, L"Ms Lee");
    ASSERT_EQ(card.m_arrLines.size(), 2u);
    EXPECT_EQ(card.m_arrLines[0], CString(L"\x01Teacher"));
    EXPECT_EQ(card.m_arrLines[1], CString(L"\x0bMs Lee"));
}

struct IndexCase {
    const wchar_t* alphabet;
    int rows;
    std::vector<std::wstring> captions;
};
const IndexCase kIndex[] = {
    // A row of three or more names its first letter and the next row's; the last row ends with Z.
    {L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 10, {L"A-D", L"D-G", L"G-J", L"J-M", L"M-P", L"PQ", L"RS", L"TU", L"VW", L"XZ"}},
    {L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 15,
     {L"AB", L"CD", L"EF", L"GH", L"IJ", L"KL", L"MN", L"OP", L"QR", L"ST", L"UV", L"W", L"X", L"Y", L"Z"}},
    {L"ABC", 10, {L"A", L"B", L"C"}},  // fewer letters than rows: one each
};

TEST(CardIndex, TheAlphabetIsSpreadOverTheRowsThatFit) {
    for (const IndexCase& c : kIndex)
        EXPECT_EQ(Captions(GroupIndexRows(c.alphabet, c.rows)), c.captions) << c.rows;
}

TEST(CardKeys, LeftAndRightFindTheSameRowInTheNeighbouringColumn) {
    std::vector<std::unique_ptr<CContactCard>> cards;
    for (int i = 0; i < 7; ++i) cards.push_back(Card(L"x", i + 1, 1));
    LayoutCardColumns(cards, 150, 16, 190, 1000);  // rows 0-4 in column 0, rows 0-1 in column 1
    EXPECT_EQ(NextCardInRow(cards, 1, true), 6);   // row 1 of the next column
    EXPECT_EQ(NextCardInRow(cards, 6, false), 1);
    EXPECT_EQ(NextCardInRow(cards, 4, true), 6);   // no row 4 there: the last card
    EXPECT_EQ(NextCardInRow(cards, 0, false), 0);
}

class CardsCtrlTest : public ShellTest {};

TEST_F(CardsCtrlTest, InsertionKeepsTitleOrderAndANewCardGoesBeforeEqualTitles) {
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    body.RemoveAllCards();
    body.InsertCard(Card(L"beta", 1));
    body.InsertCard(Card(L"Alpha", 2));
    body.InsertCard(Card(L"BETA", 3));
    body.InsertCard(Card(L"gamma", 4));
    std::vector<int> ids;
    for (const auto& card : body.m_arrCards) ids.push_back(card->m_nId);
    EXPECT_EQ(ids, (std::vector<int>{2, 3, 1, 4}));
}

TEST_F(CardsCtrlTest, ArrowKeysFollowTheLayoutDirectionAndLeaveTheSelectionAlone) {
    CCardsCtrl& cards = Contacts().GetCards();
    CCardsCtrlBody& body = cards.m_wndBody;
    body.RemoveAllCards();
    for (int i = 0; i < 30; ++i) body.InsertCard(Card(L"card", i + 1, 2));
    body.LayoutCards();
    ASSERT_GT(body.m_arrCards.back()->m_nColumn, 0);
    body.m_arrSelection = {5};
    const int perColumn = [&] {
        int n = 0;
        while (body.m_arrCards[n]->m_nColumn == 0) ++n;
        return n;
    }();
    for (BOOL rtl : {FALSE, TRUE}) {
        body.m_bRightToLeft = rtl;
        body.SelectIndex(0);
        body.OnKeyDown(rtl ? VK_LEFT : VK_RIGHT, 1, 0);
        EXPECT_EQ(body.m_nCurrent, perColumn) << rtl;
        body.OnKeyDown(rtl ? VK_RIGHT : VK_LEFT, 1, 0);
        EXPECT_EQ(body.m_nCurrent, 0) << rtl;
        body.OnKeyDown(VK_DOWN, 3, 0);
        EXPECT_EQ(body.m_nCurrent, 3) << rtl;
        body.OnKeyDown(VK_UP, 9, 0);
        EXPECT_EQ(body.m_nCurrent, 0) << rtl;
    }
    EXPECT_EQ(body.m_arrSelection, std::vector<int>{5});
}

TEST_F(CardsCtrlTest, ClicksSelectAndShiftTogglesWhileTheCardBecomesCurrent) {
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    body.RemoveAllCards();
    for (int i = 0; i < 3; ++i) body.InsertCard(Card(i == 0 ? L"a" : i == 1 ? L"b" : L"c", i + 1, 1));
    body.LayoutCards();
    const auto centre = [&](int i) {
        const CContactCard& c = *body.m_arrCards[i];
        return CPoint((c.m_nLeft + c.m_nRight) / 2, (c.m_nTop + c.m_nBottom) / 2);
    };
    vorn_test::Click(&body, centre(0));
    vorn_test::Click(&body, centre(2), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(body.m_arrSelection, (std::vector<int>{1, 3}));
    vorn_test::Click(&body, centre(0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(body.m_arrSelection, std::vector<int>{3});
    EXPECT_EQ(body.m_nCurrent, 0);
    vorn_test::Click(&body, CPoint(body.m_arrCards[0]->m_nLeft + 40, 400));
    EXPECT_TRUE(body.m_arrSelection.empty());
}

// Dragging a divider far to the left leaves a usable column, never a width of 0 or less.
TEST_F(CardsCtrlTest, DraggingADividerChangesTheColumnWidthWithinItsLowerBound) {
    CCardsCtrlBody& body = Contacts().GetCards().m_wndBody;
    body.RemoveAllCards();
    for (int i = 0; i < 30; ++i) body.InsertCard(Card(L"card", i + 1, 2));
    body.LayoutCards();
    auto drag = [&](int from, int to) {
        vorn_test::MouseMove(&body, CPoint(from, 50));
        vorn_test::MousePress(&body, CPoint(from, 50));
        vorn_test::MouseMove(&body, CPoint(to, 50), Qt::LeftButton);
        vorn_test::MouseRelease(&body, CPoint(to, 50));
    };
    drag(150, 120);
    EXPECT_EQ(body.m_nColumnWidth, 120);
    drag(120, -400);
    EXPECT_EQ(body.m_nColumnWidth, CCardsCtrlBody::kMinColumnWidth);
    vorn_test::MouseMove(&body, CPoint(10, 50));  // the divider test works at the bound
}

// A click on a row of the letter index makes the first card from that row's first letter on
// current, and with it its entity the document's current one; the selection goes.
TEST_F(CardsCtrlTest, ALetterOfTheIndexMakesTheFirstCardFromItCurrent) {
    Load("small-dated.xml");
    CCardsCtrl& cards = Contacts().GetCards();
    CCardsCtrlBody& body = cards.m_wndBody;
    CCardsCtrlIndex& index = cards.m_wndIndex;
    const std::vector<CIndexRow> rows = index.Rows();
    ASSERT_GT(rows.size(), 2u);
    CSize cell;
    {
        CClientDC dc(&index);
        CFont* old = cards.m_font.GetSafeHandle() ? dc.SelectObject(&cards.m_font) : nullptr;
        cell = index.GetCellSize(&dc);
        if (old) dc.SelectObject(old);
    }
    int checked = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const wchar_t letter = index.m_strAlphabet[rows[row].first];
        // The first card whose title sorts at or after the letter, in any case.
        int expected = -1;
        for (int i = 0; i < static_cast<int>(body.m_arrCards.size()) && expected < 0; ++i) {
            const CString& title = body.m_arrCards[i]->m_strTitle;
            if (!title.IsEmpty() && title.CompareNoCase(CString(1, letter)) >= 0) expected = i;
        }
        if (expected < 0) continue;
        body.m_arrSelection = {body.m_arrCards[0]->m_nId};
        vorn_test::Click(&index, CPoint(cell.cx / 2, static_cast<int>(row) * cell.cy + cell.cy / 2));
        vorn_test::ProcessEvents();
        EXPECT_EQ(index.m_cLetter, letter) << row;
        EXPECT_EQ(body.m_nCurrent, expected) << row;
        EXPECT_TRUE(body.m_arrSelection.empty()) << row;
        const auto entity = application.data.FindEntity(body.m_arrCards[expected]->m_nId);
        if (entity != application.data.m_arrEntities.end() && entity->m_nType != 4) {
            EXPECT_EQ(application.data.m_nCurrentEntity, entity->m_nId) << row;
            ++checked;
        }
    }
    EXPECT_GE(checked, 2);
}
