// The binary dialog template reader, natively and under Wine: what the
// table takes from a template, and truncated or malformed templates.
#include <gtest/gtest.h>

#include <tuple>

#include "TemplateBuilder.h"
#include "entry/CDlgTemplateReader.h"

namespace {

typedef CDlgTemplateReader Reader;

const uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kList = 0x83, kScroll = 0x84, kCombo = 0x85;
const uint32_t kChild = TemplateBuilder::kChild, kGroup = TemplateBuilder::kGroup;

// The table read from bytes; on a failure, whether the outputs were left alone.
struct Table { int result; std::vector<UINT> ids; std::vector<int> types, groups; bool untouched = false; };

Table Read(const std::vector<uint8_t>& bytes)
{
    UINT count = 7, *ids = reinterpret_cast<UINT*>(1);
    BYTE* types = reinterpret_cast<BYTE*>(1);
    short* groups = reinterpret_cast<short*>(1);
    int result = Reader::ReadTable(bytes.data(), bytes.size(), &count, &ids, &types, &groups);
    if (result != 1)
        return {result, {}, {}, {}, count == 7 && ids == reinterpret_cast<UINT*>(1) &&
                                        types == reinterpret_cast<BYTE*>(1) && groups == reinterpret_cast<short*>(1)};
    Table table = {result, {ids, ids + count}, {types, types + count}, {groups, groups + count}};
    Reader::FreeTable(ids, types, groups);
    return table;
}

TEST(TemplateReader, TakesTheNavigableControlsInTemplateOrderAndFailsOnEveryCut)
{
    for (bool extended : {false, true}) {
        const std::vector<uint8_t> bytes = TemplateBuilder::Example(extended);
        Table table = Read(bytes);
        // The static's WS_GROUP set group 0 before the edit, which takes none.
        EXPECT_EQ(std::make_tuple(table.result, table.ids, table.types, table.groups),
                  std::make_tuple(1, std::vector<UINT>{101, 102, 103, 104, 1}, std::vector<int>{3, 2, 2, 2, 0},
                                  std::vector<int>{-1, 1, 1, 1, -1})) << extended;
        // Every cut, mid-string, mid-class, mid-creation data or with items
        // missing, fails and leaves the outputs alone, until the last item is
        // whole: only its alignment padding (two bytes in the extended form)
        // may be missing. A buffer of exactly the cut's size, so that a read
        // past it is caught.
        const size_t whole = bytes.size() - (extended ? 2 : 0);
        for (size_t size = 0; size < bytes.size(); ++size) {
            Table cut = Read(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(size)));
            EXPECT_TRUE(size >= whole ? cut.ids == table.ids : cut.result == 0 && cut.untouched) << size;
        }
        UINT count, *ids;
        BYTE* types;
        short* groups;
        EXPECT_EQ((std::tuple{Reader::ReadTable(nullptr, 100, &count, &ids, &types, &groups),
                              Reader::ReadTable(bytes.data(), bytes.size(), nullptr, &ids, &types, &groups)}),
                  std::tuple(0, 0));
    }
}

// The header names a menu and a class and sets a font; only the count's
// low byte counts.
TEST(TemplateReader, TypeCodesFollowClassAndStyleAndGroupsAreNumberedByTheNextTakenIndex)
{
    TemplateBuilder form;
    form.Header(TemplateBuilder::kSetFont, 0x0100 + 30, true);
    for (uint32_t style : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
        form.Item(kChild | style, 10 + style, kButton);
    form.Item(kChild | 0x1004, 30, kEdit)  // ES_MULTILINE | ES_WANTRETURN
        .Item(kChild | 0x0001, 29, kEdit)  // ES_CENTER
        .Item(kChild, 31, kCombo).Item(kChild | 0x10, 32, kCombo)  // CBS_OWNERDRAWFIXED
        .Item(kChild | 0x20, 33, kCombo)  // CBS_OWNERDRAWVARIABLE
        .Item(kChild, 34, kList).Item(kChild, 35, kScroll).Item(kChild, 36, kStatic)
        .Item(kChild, 38, 0x0001)  // an atom without bit 0x80
        .Item(kChild, 39, 0x00A1)  // bit 0x80 and low bits 1: an edit
        // windres keeps a CONTROL statement's class name where rc.exe stores the atom.
        .Item(kChild | 9, 40, 0, {}, "BUTTON")
        .Item(kChild | 3, 41, 0, {}, "Button")
        .Item(kChild, 42, 0, {}, "edit").Item(kChild, 43, 0, {}, "ComboBox").Item(kChild, 44, 0, {}, "ListBox")
        .Item(kChild, 45, 0, {}, "Static").Item(kChild, 46, 0, {}, "BUTTONS")
        .Item(kChild, 47, 0, {}, "SysDateTimePick32")  // other named classes are never taken
        .Item(kChild, 48, 0, {}, "BUTTON0123456789");  // sixteen characters: too long for a class
    Table table = Read(form.bytes);
    EXPECT_EQ(std::make_tuple(table.result, table.ids, table.types),
              std::make_tuple(1, std::vector<UINT>{10, 11, 12, 13, 14, 15, 16, 19, 30, 29, 31, 32, 33, 34, 39, 40, 41,
                                                   42, 43, 44},
                              std::vector<int>{0, 0, 1, 1, 2, 2, 2, 2, 0x67, 3, 4, 0x64, 0x64, 5, 3, 2, 1, 3, 4, 5}));
    Table empty = Read(TemplateBuilder().Header(0, 0x0100).bytes);
    EXPECT_TRUE(empty.result == 1 && empty.ids.empty());

    // Groups are numbered by the next taken index.
    table = Read(TemplateBuilder()
                     .Header(0, 8)
                     .Item(kChild | 3, 1, kButton)           // check box before any group: none
                     .Item(kChild | kGroup | 9, 2, kButton)  // group 1
                     .Item(kChild | 9, 3, kButton)
                     .Item(kChild | kGroup, 4, kStatic)      // not taken, still starts group 3
                     .Item(kChild | 9, 5, kButton)
                     .Item(kChild | 3, 6, kButton)           // a check box joins it too
                     .Item(kChild | kGroup, 7, kEdit)        // group 5; edits take none
                     .Item(kChild | 2, 8, kButton)
                     .bytes);
    EXPECT_EQ(std::make_pair(table.result, table.groups), std::make_pair(1, std::vector<int>{-1, 1, 1, 3, 3, -1, 5}));
}

} // namespace
