// Run-time class records: the class list, IsKindOf, creation by name.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

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
    std::unique_ptr<CObject> shape(new Shape);
    EXPECT_EQ((std::tuple{std::string(record->m_lpszClassName), record->m_nObjectSize, record->m_pBaseClass,
                          square.IsKindOf(RUNTIME_CLASS(Shape)), shape->IsKindOf(RUNTIME_CLASS(Square))}),
              std::tuple("Square", static_cast<int>(sizeof(Square)), RUNTIME_CLASS(Shape), TRUE, FALSE));
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
