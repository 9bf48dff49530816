// The binary dialog template reader, natively and under Wine: what the
// table takes from a template, and truncated or malformed templates.
#include <gtest/gtest.h>

#include <vector>

#include "TemplateBuilder.h"
#include "entry/CDlgTemplateReader.h"

namespace {

typedef CDlgTemplateReader Reader;

const uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kList = 0x83, kScroll = 0x84, kCombo = 0x85;
const uint32_t kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE
const uint32_t kGroup = TemplateBuilder::kGroup;

struct Table {
    int result = -1;
    UINT count = 999;
    UINT* ids = nullptr;
    BYTE* types = nullptr;
    short* groups = nullptr;

    explicit Table(const std::vector<uint8_t>& bytes) : Table(bytes.data(), bytes.size()) {}
    Table(const uint8_t* data, size_t size) { result = Reader::ReadTable(data, size, &count, &ids, &types, &groups); }
    ~Table() { Reader::FreeTable(ids, types, groups); }

    std::vector<int> Types() const { return std::vector<int>(types, types + count); }
    std::vector<int> Groups() const { return std::vector<int>(groups, groups + count); }
    std::vector<UINT> Ids() const { return std::vector<UINT>(ids, ids + count); }
};

// A static text, an edit, three radio buttons (the first starting a group)
// and an OK button.
TemplateBuilder ExampleForm(bool extended = false)
{
    TemplateBuilder form(extended);
    form.Header(TemplateBuilder::kSetFont | 0x80C80000, 6)
        .Item(kChild | kGroup, 0xFFFF, kStatic, "Name")
        .Item(kChild | 0x80, 101, kEdit)
        .Item(kChild | kGroup | 9, 102, kButton, "A")
        .Item(kChild | 9, 103, kButton, "B")
        .Item(kChild | 9, 104, kButton, "C")
        .Item(kChild | 1, 1, kButton, "OK");
    return form;
}

TEST(TemplateReader, TakesTheNavigableControlsInTemplateOrder)
{
    for (bool extended : {false, true}) {
        TemplateBuilder form = ExampleForm(extended);
        Table table(form.Bytes());
        ASSERT_EQ(table.result, 1) << extended;
        ASSERT_EQ(table.count, 5u);
        EXPECT_EQ(table.Ids(), (std::vector<UINT>{101, 102, 103, 104, 1}));
        EXPECT_EQ(table.Types(), (std::vector<int>{3, 2, 2, 2, 0}));
        // The static's WS_GROUP set group 0 before the edit, which takes none.
        EXPECT_EQ(table.Groups(), (std::vector<int>{-1, 1, 1, 1, -1}));
    }
}

TEST(TemplateReader, TypeCodesFollowClassAndStyle)
{
    TemplateBuilder form;
    form.Header(0, 21);
    const uint32_t buttonStyles[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    for (uint32_t style : buttonStyles)
        form.Item(kChild | style, 10 + style, kButton);
    form.Item(kChild | 0x1004, 30, kEdit)     // ES_MULTILINE | ES_WANTRETURN
        .Item(kChild, 31, kCombo)
        .Item(kChild | 0x10, 32, kCombo)      // CBS_OWNERDRAWFIXED
        .Item(kChild | 0x20, 33, kCombo)      // CBS_OWNERDRAWVARIABLE
        .Item(kChild, 34, kList)
        .Item(kChild, 35, kScroll)
        .Item(kChild, 36, kStatic)
        .NamedItem(kChild, 37, "SysDateTimePick32")  // other named classes are never taken
        .Item(kChild, 38, 0x0001)                    // an atom without bit 0x80
        .Item(kChild, 39, 0x00A1);                   // bit 0x80 and low bits 1: an edit
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.Ids(), (std::vector<UINT>{10, 11, 12, 13, 14, 15, 16, 19, 30, 31, 32, 33, 34, 39}));
    EXPECT_EQ(table.Types(), (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 2, 0x67, 4, 0x64, 0x64, 5, 3}));
}

TEST(TemplateReader, PredefinedClassNamesCountAsTheirAtoms)
{
    // windres keeps a CONTROL statement's class name where rc.exe stores the atom.
    TemplateBuilder form;
    form.Header(0, 7)
        .NamedItem(kChild | kGroup | 9, 1, "BUTTON")
        .NamedItem(kChild | 3, 2, "Button")
        .NamedItem(kChild, 3, "edit")
        .NamedItem(kChild, 4, "ComboBox")
        .NamedItem(kChild, 5, "ListBox")
        .NamedItem(kChild, 6, "Static")
        .NamedItem(kChild, 7, "BUTTONS");
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.Ids(), (std::vector<UINT>{1, 2, 3, 4, 5}));
    EXPECT_EQ(table.Types(), (std::vector<int>{2, 1, 3, 4, 5}));
    EXPECT_EQ(table.Groups(), (std::vector<int>{0, 0, -1, -1, -1}));
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

TEST(TemplateReader, OnlyTheLowByteOfTheCountIsUsed)
{
    TemplateBuilder form;
    form.Header(0, 0x0102).Item(kChild, 1, kEdit).Item(kChild, 2, kEdit);
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.count, 2u);

    TemplateBuilder none;
    none.Header(0, 0x0100);
    Table empty(none.Bytes());
    EXPECT_EQ(empty.result, 1);
    EXPECT_EQ(empty.count, 0u);
}

TEST(TemplateReader, HeaderNamesFontsAndCreationDataAreSkipped)
{
    TemplateBuilder form;
    form.Dword(TemplateBuilder::kSetFont);
    form.Dword(0);
    form.Word(2);
    for (int i = 0; i < 4; ++i)
        form.Word(0);
    form.String("MENU");  // a named menu
    form.Word(0xFFFF);    // a class by ordinal
    form.Word(0x8002);
    form.String("title");
    form.Word(9);
    form.String("face name");
    form.Align();
    form.Item(kChild, 1, kEdit, "", {1, 2, 3, 4, 5, 6}).Item(kChild | 3, 2, kButton, "check");
    Table table(form.Bytes());
    ASSERT_EQ(table.result, 1);
    EXPECT_EQ(table.Ids(), (std::vector<UINT>{1, 2}));
    EXPECT_EQ(table.Types(), (std::vector<int>{3, 1}));
}

TEST(TemplateReader, ATruncatedTemplateFailsAndLeavesTheOutputsAlone)
{
    for (bool extended : {false, true}) {
        TemplateBuilder form = ExampleForm(extended);
        const std::vector<uint8_t>& bytes = form.Bytes();
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
            int result = Reader::ReadTable(prefix.data(), prefix.size(), &count, &ids, &types, &groups);
            if (result == 1) {
                if (firstWhole > size)
                    firstWhole = size;
                Reader::FreeTable(ids, types, groups);
                continue;
            }
            ASSERT_LT(size, firstWhole) << "succeeded, then failed at " << size;
            EXPECT_EQ(count, 7u);
            EXPECT_EQ(ids, reinterpret_cast<UINT*>(1));
            EXPECT_EQ(types, reinterpret_cast<BYTE*>(1));
            EXPECT_EQ(groups, reinterpret_cast<short*>(1));
        }
        EXPECT_LE(firstWhole, bytes.size()) << extended;
        EXPECT_GT(firstWhole + 4, bytes.size()) << extended;
    }
}

TEST(TemplateReader, MalformedTemplatesFail)
{
    // A title without its terminator at the end of the data.
    TemplateBuilder title;
    title.Header(0, 1).Item(kChild, 1, kEdit);
    std::vector<uint8_t> cut(title.Bytes().begin(), title.Bytes().begin() + 24);
    cut.push_back('x');
    cut.push_back(0);
    EXPECT_EQ(Table(cut).result, 0);

    // Creation data longer than what is left.
    TemplateBuilder data;
    data.Header(0, 1).Item(kChild, 1, kEdit, "", {1, 2, 3, 4});
    std::vector<uint8_t> bytes = data.Bytes();
    bytes[bytes.size() - 8] = 0xFF;  // the size word, before 4 data bytes and 2 of padding
    bytes[bytes.size() - 7] = 0x7F;
    EXPECT_EQ(Table(bytes).result, 0);

    // A class marker with nothing after it.
    TemplateBuilder marker;
    marker.Header(0, 1);
    marker.Dword(kChild);
    marker.Dword(0);
    for (int i = 0; i < 5; ++i)
        marker.Word(1);
    marker.Word(0xFFFF);
    EXPECT_EQ(Table(marker.Bytes()).result, 0);

    // More items announced than present.
    TemplateBuilder missing;
    missing.Header(0, 3).Item(kChild, 1, kEdit);
    EXPECT_EQ(Table(missing.Bytes()).result, 0);

    UINT count;
    UINT* ids;
    BYTE* types;
    short* groups;
    EXPECT_EQ(Reader::ReadTable(nullptr, 100, &count, &ids, &types, &groups), 0);
    EXPECT_EQ(Reader::ReadTable(bytes.data(), bytes.size(), nullptr, &ids, &types, &groups), 0);
}

TEST(TemplateReader, ReadItemWalksOneItemAtATime)
{
    TemplateBuilder form = ExampleForm();
    const std::vector<uint8_t>& bytes = form.Bytes();
    // The header of the example: 18 bytes, menu, class, "t", font 9 "Font", aligned.
    size_t offset = 18 + 2 + 2 + 4 + 2 + 10;
    offset = (offset + 3) & ~size_t(3);
    const WORD kinds[] = {Reader::kindStatic, Reader::kindEdit, Reader::kindButton,
                          Reader::kindButton, Reader::kindButton, Reader::kindButton};
    for (WORD kind : kinds) {
        Reader::ItemInfo item;
        size_t next = 0;
        ASSERT_TRUE(Reader::ReadItem(bytes.data(), bytes.size(), offset, FALSE, &item, &next));
        EXPECT_EQ(item.kind, kind);
        EXPECT_EQ(next % 4, 0u);
        EXPECT_GT(next, offset);
        offset = next;
    }
    EXPECT_EQ(offset, bytes.size());
    Reader::ItemInfo item;
    size_t next;
    EXPECT_FALSE(Reader::ReadItem(bytes.data(), bytes.size(), offset, FALSE, &item, &next));
    EXPECT_FALSE(Reader::ReadItem(bytes.data(), bytes.size(), bytes.size() + 8, FALSE, &item, &next));
}

} // namespace
