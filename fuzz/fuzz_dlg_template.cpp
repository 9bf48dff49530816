// Feeds arbitrary bytes to the dialog template reader as a template, and
// walks single items from an offset the input chooses. The sanitizers catch
// any read past the data; the checks below catch tables that break the
// reader's promises.
#include <cstdint>
#include <cstdlib>

#include "entry/CDlgTemplateReader.h"

namespace {

bool ValidType(int type)
{
    switch (type) {
    case CDlgTemplateReader::typePushButton:
    case CDlgTemplateReader::typeCheckBox:
    case CDlgTemplateReader::typeRadioButton:
    case CDlgTemplateReader::typeEdit:
    case CDlgTemplateReader::typeComboBox:
    case CDlgTemplateReader::typeListBox:
    case CDlgTemplateReader::typeOwnerDrawCombo:
    case CDlgTemplateReader::typeEditKeepsEnter:
        return true;
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    UINT count = 0;
    UINT* ids = nullptr;
    BYTE* types = nullptr;
    short* groups = nullptr;
    if (CDlgTemplateReader::ReadTable(data, size, &count, &ids, &types, &groups)) {
        if (count > 255)
            std::abort();
        for (UINT i = 0; i < count; ++i) {
            // A group is numbered by an item at or before its members.
            if (!ValidType(types[i]) || ids[i] > 0xFFFF || groups[i] < -1 || groups[i] > static_cast<int>(i))
                std::abort();
            bool grouped = types[i] == CDlgTemplateReader::typeCheckBox ||
                           types[i] == CDlgTemplateReader::typeRadioButton;
            if (!grouped && groups[i] != -1)
                std::abort();
        }
        CDlgTemplateReader::FreeTable(ids, types, groups);
    }

    if (size >= 3) {
        size_t offset = (data[0] | (data[1] << 8)) % size;
        CDlgTemplateReader::ItemInfo item;
        size_t next = 0;
        if (CDlgTemplateReader::ReadItem(data, size, offset, data[2] & 1, &item, &next)) {
            // An item is at least its fixed part long and ends within the data
            // but for its alignment padding.
            if (next < offset + 18 || next > ((size + 3) & ~size_t(3)) || next % 4 != 0)
                std::abort();
        }
    }
    return 0;
}
