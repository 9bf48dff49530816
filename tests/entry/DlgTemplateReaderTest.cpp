// The binary dialog template reader, natively and under Wine: what the
// table takes from a template, and truncated or malformed templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TemplateBuilder.h"
#include "entry/CDlgTemplateReader.h"

namespace {

typedef CDlgTemplateReader Reader;

const uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kList = 0x83, kScroll = 0x84, kCombo = 0x85;
const uint32_t kChild = TemplateBuilder::kChild, kGroup = TemplateBuilder::kGroup;

struct Table {
    int result = -1;
    UINT count = 999;
    UINT* ids = nullptr;
    BYTE* types = nullptr;
    short* groups = nullptr;

    explicit Table(const std::vector<uint8_t>& bytes)
    {
        result = Reader::ReadTable(bytes.data(), bytes.size(), &count, &ids, &types, &groups);
    }
    ~Table() { Reader::FreeTable(ids, types, groups); }

    std::vector<UINT> Ids() const { return std::vector<UINT>(ids, ids + count); }
    std::vector<int> Types() const { return std::vector<int>(types, types + count); }
    std::vector<int> Groups() const { return std::vector<int>(groups, groups + count); }
};

TEST(TemplateReader, TakesTheNavigableControlsInTemplateOrder)
{
    for (bool extended : {false, true}) {
        Table table(TemplateBuilder::Example(extended));
        ASSERT_EQ(table.result, 1) << extended;
        EXPECT_EQ(table.Ids(), (std::vector<UINT>{101, 102, 103, 104, 1}));
        EXPECT_EQ(table.Types(), (std::vector<int>{3, 2, 2, 2, 0}));
        // The static's WS_GROUP set group 0 before the edit, which takes none.
        EXPECT_EQ(table.Groups(), (std::vector<int>{-1, 1, 1, 1, -1}));
    }
}

// The header names a menu and a class and sets a font; only the count's
// low byte counts.
TEST(TemplateReader, TypeCodesFollowClassAndStyle)
{
    TemplateBuilder form;
    form.Header(TemplateBuilder::kSetFont, 0x0100 + 30, true);
    for (uint32_t style : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
        form.Item(kChild | style, 10 + style, kButton);
    form.Item(kChild | 0x1004, 30, kEdit)  // ES_MULTILINE | ES_WANTRETURN
        .Item(kChild | 0x0001, 29, kEdit)  // ES_CENTER
        .Item(kChild, 31, kCombo)
        .Item(kChild | 0x10, 32, kCombo)  // CBS_OWNERDRAWFIXED
        .Item(kChild | 0x20, 33, kCombo)  // CBS_OWNERDRAWVARIABLE
        .Item(kChild, 34, kList)
        .Item(kChild, 35, kScroll)
        .Item(kChild, 36, kStatic)
        .Item(kChild, 38, 0x0001)  // an atom without bit 0x80
        .Item(kChild, 39, 0x00A1)  // bit 0x80 and low bits 1: an edit
        // windres keeps a CONTROL statement's class name where rc.exe stores the atom.
        .Named(kChild | 9, 40, "BUTTON")
        .Named(kChild | 3, 41, "Button")
        .Named(kChild, 42, "edit")
        .Named(kChild, 43, "ComboBox")
        .Named(kChild, 44, "ListBox")
        .Named(kChild, 45, "Static")
        .Named(kChild, 46, "BUTTONS")
        .Named(kChild, 47, "SysDateTimePick32")  // other named classes are never taken
        .Named(kChild, 48, "BUTTON0123456789");  // sixteen characters: too long for a class
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.Ids(),
              (std::vector<UINT>{10, 11, 12, 13, 14, 15, 16, 19, 30, 29, 31, 32, 33, 34, 39, 40, 41, 42, 43, 44}));
    EXPECT_EQ(table.Types(), (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 2, 0x67, 3, 4, 0x64, 0x64, 5, 3, 2, 1, 3, 4, 5}));
    TemplateBuilder none;
    Table empty(none.Header(0, 0x0100).Bytes());
    EXPECT_TRUE(empty.result == 1 && empty.count == 0u);
}

TEST(TemplateReader, GroupsAreNumberedByTheNextTakenIndex)
{
    TemplateBuilder form;
    form.Header(0, 8)
        .Item(kChild | 3, 1, kButton)           // check box before any group: none
        .Item(kChild | kGroup | 9, 2, kButton)  // group 1
        .Item(kChild | 9, 3, kButton)
        .Item(kChild | kGroup, 4, kStatic)      // not taken, still starts group 3
        .Item(kChild | 9, 5, kButton)
        .Item(kChild | 3, 6, kButton)           // a check box joins it too
        .Item(kChild | kGroup, 7, kEdit)        // group 5; edits take none
        .Item(kChild | 2, 8, kButton);
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.Groups(), (std::vector<int>{-1, 1, 1, 3, 3, -1, 5}));
}

// Every cut of a template fails, mid-string, mid-class, mid-creation data or
// with items missing, and leaves the outputs alone.
TEST(TemplateReader, ATruncatedTemplateFailsAndLeavesTheOutputsAlone)
{
    for (bool extended : {false, true}) {
        const std::vector<uint8_t> bytes = TemplateBuilder::Example(extended);
        // Every cut fails until the last item is whole; only its alignment
        // padding (under 4 bytes) may be missing.
        size_t firstWhole = bytes.size() + 1;
        for (size_t size = 0; size <= bytes.size(); ++size) {
            // A buffer of exactly that size, so that a read past it is caught.
            std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<long>(size));
            UINT count = 7;
            UINT* ids = reinterpret_cast<UINT*>(1);
            BYTE* types = reinterpret_cast<BYTE*>(1);
            short* groups = reinterpret_cast<short*>(1);
            if (Reader::ReadTable(prefix.data(), prefix.size(), &count, &ids, &types, &groups) == 1) {
                firstWhole = std::min(firstWhole, size);
                Reader::FreeTable(ids, types, groups);
                continue;
            }
            ASSERT_LT(size, firstWhole) << "succeeded, then failed at " << size;
            EXPECT_TRUE(count == 7 && ids == reinterpret_cast<UINT*>(1) && types == reinterpret_cast<BYTE*>(1) &&
                        groups == reinterpret_cast<short*>(1));
        }
        EXPECT_LE(firstWhole, bytes.size()) << extended;
        EXPECT_GT(firstWhole + 4, bytes.size()) << extended;
    }
    std::vector<uint8_t> data = TemplateBuilder::Example();
    UINT count;
    UINT* ids;
    BYTE* types;
    short* groups;
    EXPECT_EQ(Reader::ReadTable(nullptr, 100, &count, &ids, &types, &groups), 0);
    EXPECT_EQ(Reader::ReadTable(data.data(), data.size(), nullptr, &ids, &types, &groups), 0);
}

} // namespace
