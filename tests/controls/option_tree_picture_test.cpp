// The option tree as a user sees it: a category with one row of every kind, one row being
// edited, a mark beside a row and the info pane; and the two popups open.
#include <gtest/gtest.h>

#include "controls/option_tree_color_popup.h"
#include "controls/option_tree_image_popup.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "controls/option_tree_item_static.h"
#include "option_tree_fixture.h"
#include "platform/core/ole_date_time.h"
#include "../platform/ui/frame_picture.h"
#include "resource_ids.h"

namespace {

struct AllKinds {
    COptionTreeItem* group;
    COptionTreeItemStatic* text;
    COptionTreeItemCheckBox* check;
    COptionTreeItemColor* colour;
    COptionTreeItemComboBox* combo;
    COptionTreeItemDate* date;
    COptionTreeItemEdit* edit;
    COptionTreeItemImage* image;
    COptionTreeItemRadio* radio;
    COptionTreeItemSpinner* spinner;
    COptionTreeItemFile* file;
};

}  // namespace

class OptionTreePicture : public OptionTreeTest {
protected:
    AllKinds Fill() {
        AllKinds k{};
        k.group = Add<COptionTreeItem>(nullptr, L"Teacher", L"The teacher's record.");
        k.text = Add<COptionTreeItemStatic>(k.group, L"Code", L"A fixed code.");
        k.text->SetStaticText(L"T-017");
        k.check = Add<COptionTreeItemCheckBox>(k.group, L"Available", L"Whether the teacher can be planned.");
        k.check->CreateCheckWindow(TRUE, 0x400);
        k.colour = Add<COptionTreeItemColor>(k.group, L"Colour", L"The colour of the teacher's lessons.");
        k.colour->CreateColorWindow(0x40000, RGB(60, 179, 113), 0);
        k.combo = Add<COptionTreeItemComboBox>(k.group, L"Department", L"Where the teacher works.");
        k.combo->CreateComboWindow(0);
        k.combo->AddString(L"Sciences");
        k.combo->AddString(L"Languages");
        k.combo->SetCurSel(0);
        k.date = Add<COptionTreeItemDate>(k.group, L"Start", L"The first working day.");
        k.date->CreateDateWindow(L"yyyy, MMM d, ddd", 4);
        k.date->SetTime(COleDateTime(2026, 9, 1, 0, 0, 0));
        k.edit = Add<COptionTreeItemEdit>(k.group, L"Name", L"The teacher's full name.");
        k.edit->CreateEditWindow(0, 0);
        k.edit->SetWindowText(L"Ada Lovelace");
        k.image = Add<COptionTreeItemImage>(k.group, L"Pattern", L"The hatch of the teacher's bars.");
        k.image->CreateImageWindow(0x40000, 16, 16, 3);
        // The fill styles of the pack, as the activity-group dialog offers them.
        const std::pair<UINT, const wchar_t*> fills[] = {
            {IDI_HATCH_HORIZONTAL, L"Horizontal lines"}, {IDI_HATCH_VERTICAL, L"Vertical lines"},
            {IDI_HATCH_FDIAGONAL, L"Falling diagonals"}, {IDI_HATCH_BDIAGONAL, L"Rising diagonals"},
            {IDI_HATCH_CROSS, L"Grid"},                  {IDI_HATCH_DIAGCROSS, L"Diagonal grid"},
            {IDI_FILL_PLAIN, L"Plain"},                  {IDI_FILL_GRADIENT_H, L"Gradient across"},
            {IDI_FILL_GRADIENT_V, L"Gradient down"},     {IDI_FILL_GRADIENT_H2, L"Gradient to the middle"},
            {IDI_FILL_GRADIENT_V2, L"Gradient to the centre line"}};
        for (const auto& [icon, tip] : fills) k.image->AddImage(icon, tip);
        k.image->SetSelected(4);
        k.radio = Add<COptionTreeItemRadio>(k.group, L"Contract", L"How the teacher is employed.");
        k.radio->CreateRadioWindow();
        k.radio->AddOption(TRUE, L"Full time");
        k.radio->AddOption(FALSE, L"Part time");
        k.radio->AddOption(FALSE, L"Substitute");
        k.spinner = Add<COptionTreeItemSpinner>(k.group, L"Hours", L"Lessons a week.");
        k.spinner->CreateSpinnerWindow(0x40400, 24, 0, 40);
        k.file = Add<COptionTreeItemFile>(k.group, L"Photo", L"A picture of the teacher.");
        k.file->SetDialogOptions(L"/home/school/photos/ada.png", L"png", L"Pictures|*.png|", 0x60000, 2);
        tree->ExpandAllItems();
        return k;
    }
};

TEST_F(OptionTreePicture, EveryKindOfRowWithOneBeingEditedAndAMark) {
    AllKinds k = Fill();
    // Select the name row and edit it; put a mark beside the hours.
    vorn_test::Click(&List(), ValuePoint(k.edit));
    ASSERT_TRUE(k.edit->IsEditing());
    tree->m_markManager.AddMark(k.spinner, L"Too many hours.", 0);
    const QImage picture = SaveWindowPicture(host.get(), "option_tree.png");
    ASSERT_FALSE(picture.isNull());
    // The mark shows over the gutter of the list window, beside its row (its picture is red).
    const CRect mark = tree->m_markManager.Marks()[0]->m_rect;
    int red = 0;
    for (int y = mark.top; y < mark.bottom; ++y)
        for (int x = mark.left; x < mark.right; ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 120) ++red;
        }
    EXPECT_GT(red, 5);
    // The editor lies exactly over its cell.
    CRect editor;
    k.edit->GetWindowRect(&editor);
    List().ScreenToClient(&editor);
    EXPECT_EQ(editor, k.edit->GetValueRect());
    EXPECT_TRUE(k.edit->IsWindowVisible());
    // The hidden editors stay on their cells too.
    CRect spinner;
    k.spinner->GetWindowRect(&spinner);
    List().ScreenToClient(&spinner);
    EXPECT_EQ(spinner, k.spinner->GetValueRect());
    EXPECT_FALSE(k.spinner->IsWindowVisible());
}

TEST_F(OptionTreePicture, ColourPopupOpen) {
    AllKinds k = Fill();
    CPoint at(200, 100);
    host->ClientToScreen(&at);
    auto* popup = new COptionTreeColorPopup(RGB(60, 179, 113), at.x, at.y, 0, k.colour, L"Automatic", L"More Colors...");
    vorn_test::MouseMove(popup, popup->CellRect(12).CenterPoint());
    SaveWindowPicture(popup, "option_tree_colour_popup.png");
    EXPECT_EQ(popup->ChosenIndex(), 19);  // Sea Green
    vorn_test::KeyPress(popup, Qt::Key_Escape);
}

TEST_F(OptionTreePicture, ImagePopupOpen) {
    AllKinds k = Fill();
    ASSERT_EQ(k.image->GetImageCount(), 11);
    // A click on the image cell opens the popup at the pointer, as the user opens it.
    vorn_test::Click(&List(), ValuePoint(k.image));
    auto* popup = dynamic_cast<COptionTreeImagePopup*>(CWnd::GetCapture());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Rows(), 4);
    EXPECT_EQ(popup->Selected(), 4);
    vorn_test::MouseMove(popup, popup->Cells()[7].CenterPoint());
    SaveWindowPicture(popup, "option_tree_image_popup.png");
    vorn_test::KeyPress(popup, Qt::Key_Escape);
    EXPECT_EQ(k.image->GetSelected(), 4);
}
