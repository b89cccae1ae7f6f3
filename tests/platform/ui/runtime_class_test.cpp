// Run-time class information: IsKindOf along the class tree, creation by class name, and
// classes that declare nothing.
#include "platform/ui/runtime_class.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ui/drag_list_box.h"
#include "platform/ui/edit.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CDot : public CCircle {};  // declares nothing: it is a CCircle to the run-time information

class CLineListBox : public CDragListBox {
    DECLARE_DYNCREATE(CLineListBox)
};
IMPLEMENT_DYNCREATE(CLineListBox, CDragListBox)

struct KindCase {
    const char* what;
    const CObject* object;
    const CRuntimeClass* cls;
    bool kind;
};

TEST(RuntimeClassTest, IsKindOfFollowsTheClassTree) {
    CShape shape;
    CCircle circle;
    CDot dot;
    CLineListBox list;
    const KindCase cases[] = {
        {"circle is a shape", &circle, RUNTIME_CLASS(CShape), true},
        {"circle is an object", &circle, RUNTIME_CLASS(CObject), true},
        {"shape is no circle", &shape, RUNTIME_CLASS(CCircle), false},
        {"dot is a circle", &dot, RUNTIME_CLASS(CCircle), true},
        {"list is a list box", &list, RUNTIME_CLASS(CListBox), true},
        {"list is a window", &list, RUNTIME_CLASS(CWnd), true},
        {"list is no edit", &list, RUNTIME_CLASS(CEdit), false},
        {"circle is no window", &circle, RUNTIME_CLASS(CWnd), false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.object->IsKindOf(c.cls) != FALSE, c.kind) << c.what;
    EXPECT_FALSE(circle.IsKindOf(nullptr));

    EXPECT_EQ(dot.GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_STREQ(RUNTIME_CLASS(CListBox)->m_lpszClassName, "CListBox");
    EXPECT_TRUE(RUNTIME_CLASS(CCircle)->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
}

TEST(RuntimeClassTest, DyncreateClassesAreMadeFromTheirName) {
    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject(L"CCircle"));
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(static_cast<CCircle*>(made.get())->radius, 7);

    std::unique_ptr<CObject> list(CRuntimeClass::CreateObject("CLineListBox"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->IsKindOf(RUNTIME_CLASS(CDragListBox)));

    // Dynamic but not creatable, unknown, or not spelled exactly: nothing.
    EXPECT_EQ(CRuntimeClass::CreateObject(L"CShape"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"ccircle"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L"CShape"), RUNTIME_CLASS(CShape));
}

}  // namespace
