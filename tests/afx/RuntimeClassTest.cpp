// Run-time class records: the class list, IsKindOf, creation by name.
#include <gtest/gtest.h>

#include <memory>

#include "afx/CObject.h"

namespace {

class Shape : public CObject {
    DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Square : public Shape {
    DECLARE_DYNCREATE(Square)

public:
    int side = 7;
};
IMPLEMENT_DYNCREATE(Square, Shape)

TEST(RuntimeClass, RecordsIsKindOfAndCreationByName)
{
    Square square;
    CRuntimeClass* record = square.GetRuntimeClass();
    EXPECT_STREQ("Square", record->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(Square)), record->m_nObjectSize);
    EXPECT_EQ(RUNTIME_CLASS(Shape), record->m_pBaseClass);
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(Shape)));
    std::unique_ptr<CObject> shape(new Shape);
    EXPECT_FALSE(shape->IsKindOf(RUNTIME_CLASS(Square)));
    // Only what is dynamically creatable is made by name.
    EXPECT_EQ(RUNTIME_CLASS(Square), CRuntimeClass::FromName("Square"));
    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("Square"));
    ASSERT_NE(nullptr, made);
    ASSERT_TRUE(made->IsKindOf(RUNTIME_CLASS(Square)));
    EXPECT_EQ(7, static_cast<Square*>(made.get())->side);

    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("Shape"));    // dynamic, not creatable
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("square"));   // names are exact
}

}  // namespace
