// Feeds arbitrary bytes to the dialog template reader as a template, and
// walks single items from an offset the input chooses. The sanitizers catch
// any read past the data; the checks below catch tables that break the
// reader's promises.
#include "FuzzInput.h"
#include "entry/CDlgTemplateReader.h"

void FuzzOne(FuzzInput& input)
{
    using Reader = CDlgTemplateReader;
    const uint8_t* data = input.Data();
    size_t size = input.Size();
    const std::string whole = input.Rest();
    UINT count = 0, *ids = nullptr;
    BYTE* itemTypes = nullptr;
    short* groups = nullptr;
    if (Reader::ReadTable(data, size, &count, &ids, &itemTypes, &groups)) {
        Require(count <= 255, "at most 255 items", whole);
        for (UINT i = 0; i < count; ++i) {
            int type = itemTypes[i];
            Require(type <= Reader::typeListBox || type == Reader::typeOwnerDrawCombo ||
                        type == Reader::typeEditKeepsEnter, "item type", whole);
            Require(ids[i] <= 0xFFFF, "item id", whole);
            // A group is numbered by an item at or before its members; only
            // check boxes and radio buttons have one.
            bool grouped = type == Reader::typeCheckBox || type == Reader::typeRadioButton;
            bool inGroup = groups[i] >= -1 && groups[i] <= static_cast<int>(i) && (grouped || groups[i] == -1);
            Require(inGroup, "item group", whole);
        }
        Reader::FreeTable(ids, itemTypes, groups);
    }

    if (size >= 3) {
        size_t offset = (data[0] | (data[1] << 8)) % size;
        Reader::ItemInfo item;
        size_t next = 0;
        // An item is at least its fixed part long and ends within the data
        // but for its alignment padding.
        if (Reader::ReadItem(data, size, offset, data[2] & 1, &item, &next))
            Require(next >= offset + 18 && next <= ((size + 3) & ~size_t(3)) && next % 4 == 0, "item end", whole);
    }
}
