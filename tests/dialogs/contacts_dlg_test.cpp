// The entity dialog driven as a user drives it.
#include <gtest/gtest.h>

#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "dialog_fixture.h"
#include "dialogs/contacts_dlg.h"
#include "model/entity.h"
#include "../platform/ui/frame_picture.h"

namespace {

CEntity MakeEntity(int id, int type, const wchar_t* name) {
    CEntity e;
    e.m_nId = id;
    e.m_nType = type;
    e.m_strName = name;
    return e;
}

}  // namespace

class ContactsDlgTest : public DialogTest {};

TEST_F(ContactsDlgTest, TeacherNameTypedAndOk) {
    CEntity teacher = MakeEntity(1, 1, L"Ada");
    CContactsDlg dlg(&teacher, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        EnterText(dlg, dlg.m_pName, L"Grace");
        SaveWindowPicture(&dlg, "contacts_teacher.png");
        printf("images %d sel %d\n", dlg.m_pHatch->GetImageCount(), dlg.m_pHatch->GetSelected());
        PressButton(dlg, IDOK);
        printf("open after OK %d name %s\n", IsOpen(dlg), teacher.m_strName.ToUtf8().c_str());
    });
    EXPECT_EQ(result, IDOK);
    for (auto& q : answerer.m_messageBoxes) ADD_FAILURE() << q.text.ToUtf8();
    EXPECT_EQ(teacher.m_strName, CString(L"Grace"));
}
