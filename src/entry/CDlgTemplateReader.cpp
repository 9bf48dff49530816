#include "CDlgTemplateReader.h"

#include <cstring>
#include <new>

namespace {

const DWORD kSetFont = 0x40;        // DS_SETFONT: a font block follows the title
const DWORD kGroup = 0x00020000;    // WS_GROUP
const DWORD kWantReturn = 0x1000;   // ES_WANTRETURN
const DWORD kOwnerDraw = 0x0030;    // CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE

// Little-endian reads with bounds checks. Once a read fails the cursor
// stays failed, so a walk checks once at its end.
class Cursor {
public:
    Cursor(const BYTE* data, size_t size, size_t pos) : m_data(data), m_size(size), m_pos(pos), m_ok(pos <= size) {}

    bool Ok() const { return m_ok; }
    size_t Pos() const { return m_pos; }

    WORD Word()
    {
        if (!Has(2))
            return 0;
        WORD value = static_cast<WORD>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return value;
    }

    DWORD Dword()
    {
        DWORD low = Word();
        DWORD high = Word();
        return low | (high << 16);
    }

    void Skip(size_t count)
    {
        if (Has(count))
            m_pos += count;
    }

    // A zero-terminated UTF-16 string.
    void SkipString()
    {
        while (m_ok && Word() != 0) {
        }
    }

    // The rest of a zero-terminated UTF-16 string whose first character has
    // been read, kept in upper case when it is short ASCII (class names);
    // otherwise name is left empty.
    void ReadShortName(WORD first, char* name, size_t capacity)
    {
        size_t length = 0;
        bool keep = true;
        for (WORD c = first; m_ok && c != 0; c = Word()) {
            keep = keep && c < 0x80 && length + 1 < capacity;
            if (keep)
                name[length++] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        name[keep ? length : 0] = '\0';
    }

    // 0x0000 (none), 0xFFFF and an ordinal, or a string. Gives the ordinal
    // and whether there was one.
    bool SkipNameOrOrdinal(WORD* pOrdinal)
    {
        WORD first = Word();
        if (first == 0xFFFF) {
            *pOrdinal = Word();
            return true;
        }
        if (first != 0)
            SkipString();
        return false;
    }

    // To the next 4-byte boundary; past the end is allowed here, reads fail later.
    void AlignDword() { m_pos = (m_pos + 3) & ~static_cast<size_t>(3); }

private:
    bool Has(size_t count)
    {
        if (m_ok && m_pos <= m_size && count <= m_size - m_pos)
            return true;
        m_ok = false;
        return false;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_pos;
    bool m_ok;
};

struct Header {
    bool extended;
    UINT count;
    size_t firstItem;
};

bool ReadHeader(const BYTE* data, size_t size, Header* header)
{
    Cursor cursor(data, size, 0);
    WORD version = cursor.Word();
    WORD signature = cursor.Word();
    header->extended = version == 1 && signature == 0xFFFF;
    cursor = Cursor(data, size, 0);
    DWORD style;
    if (header->extended) {
        cursor.Skip(12);  // version, signature, help ID, extended style
        style = cursor.Dword();
    } else {
        style = cursor.Dword();
        cursor.Skip(4);  // extended style
    }
    // Only the low byte of the count is used: at most 255 controls.
    header->count = cursor.Word() & 0xFF;
    cursor.Skip(8);  // x, y, cx, cy
    WORD ordinal;
    cursor.SkipNameOrOrdinal(&ordinal);  // menu
    cursor.SkipNameOrOrdinal(&ordinal);  // window class
    cursor.SkipString();                 // title
    if ((style & kSetFont) != 0) {
        cursor.Skip(header->extended ? 6 : 2);  // point size (weight, italic, character set)
        cursor.SkipString();                    // face name
    }
    cursor.AlignDword();
    header->firstItem = cursor.Pos();
    return cursor.Ok();
}

// Walks every item once; the callback sees each one in template order.
template <class Visit>
bool WalkItems(const BYTE* data, size_t size, const Header& header, Visit visit)
{
    size_t offset = header.firstItem;
    for (UINT i = 0; i < header.count; ++i) {
        CDlgTemplateReader::ItemInfo item;
        size_t next;
        if (!CDlgTemplateReader::ReadItem(data, size, offset, header.extended, &item, &next))
            return false;
        visit(item);
        offset = next;
    }
    return true;
}

// Resource compilers differ: rc.exe stores the predefined classes of a
// CONTROL statement ("Button", "Edit", ...) as atoms, windres keeps their
// names. Both mean the same control, so the names count as their atoms;
// every other named class stays a named class.
WORD PredefinedClassKind(const char* name)
{
    static const char* const kNames[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (WORD kind = 0; kind < sizeof kNames / sizeof kNames[0]; ++kind) {
        if (std::strcmp(name, kNames[kind]) == 0)
            return kind;
    }
    return CDlgTemplateReader::kindNamed;
}

} // namespace

int CDlgTemplateReader::TypeOf(WORD nKind, DWORD dwStyle)
{
    switch (nKind) {
    case kindButton:
        switch (dwStyle & 0x0F) {
        case 0:  // BS_PUSHBUTTON
        case 1:  // BS_DEFPUSHBUTTON
            return typePushButton;
        case 2:  // BS_CHECKBOX
        case 3:  // BS_AUTOCHECKBOX
            return typeCheckBox;
        case 4:  // BS_RADIOBUTTON
        case 5:  // BS_3STATE
        case 6:  // BS_AUTO3STATE
        case 9:  // BS_AUTORADIOBUTTON
            return typeRadioButton;
        default:  // group box, user button, owner-drawn button, ...
            return typeNone;
        }
    case kindEdit:
        return (dwStyle & kWantReturn) != 0 ? typeEditKeepsEnter : typeEdit;
    case kindListBox:
        return typeListBox;
    case kindComboBox:
        return (dwStyle & kOwnerDraw) != 0 ? typeOwnerDrawCombo : typeComboBox;
    default:
        return typeNone;
    }
}

BOOL CDlgTemplateReader::ReadItem(const BYTE* pData, size_t nSize, size_t nOffset, BOOL bExtended,
                                  ItemInfo* pItem, size_t* pNext)
{
    if (pData == nullptr || pItem == nullptr || pNext == nullptr)
        return FALSE;
    Cursor cursor(pData, nSize, nOffset);
    DWORD style;
    UINT id;
    if (bExtended) {
        cursor.Skip(8);  // help ID, extended style
        style = cursor.Dword();
        cursor.Skip(8);  // x, y, cx, cy
        id = cursor.Dword();
    } else {
        style = cursor.Dword();
        cursor.Skip(12);  // extended style, x, y, cx, cy
        id = cursor.Word();
    }
    // Window class: an atom, or a name.
    WORD kind = kindNamed;
    WORD first = cursor.Word();
    if (first == 0xFFFF) {
        WORD atom = cursor.Word();
        if ((atom & 0x80) != 0)
            kind = static_cast<WORD>(atom & 0x0F);
    } else {
        char name[16];
        cursor.ReadShortName(first, name, sizeof name);
        kind = PredefinedClassKind(name);
    }
    WORD ordinal;
    cursor.SkipNameOrOrdinal(&ordinal);  // title
    cursor.Skip(cursor.Word());          // creation data
    cursor.AlignDword();
    if (!cursor.Ok())
        return FALSE;
    pItem->style = style;
    pItem->id = id;
    pItem->kind = kind;
    *pNext = cursor.Pos();
    return TRUE;
}

int CDlgTemplateReader::ReadTable(const BYTE* pData, size_t nSize, UINT* pCount, UINT** ppIDs, BYTE** ppTypes,
                                  short** ppGroups)
{
    if (pData == nullptr || pCount == nullptr || ppIDs == nullptr || ppTypes == nullptr || ppGroups == nullptr)
        return 0;
    Header header;
    if (!ReadHeader(pData, nSize, &header))
        return 0;

    // First pass: check the whole template and count what is taken.
    UINT count = 0;
    if (!WalkItems(pData, nSize, header, [&count](const ItemInfo& item) {
            if (TypeOf(item.kind, item.style) != typeNone)
                ++count;
        }))
        return 0;

    UINT* ids = new (std::nothrow) UINT[count];
    BYTE* types = new (std::nothrow) BYTE[count];
    short* groups = new (std::nothrow) short[count];
    if (ids == nullptr || types == nullptr || groups == nullptr) {
        FreeTable(ids, types, groups);
        return 0;
    }
    for (UINT i = 0; i < count; ++i)
        groups[i] = noGroup;

    // Second pass: WS_GROUP on any control, taken or not, starts a group
    // numbered by the index the next taken item gets; check boxes and radio
    // buttons join the current group.
    UINT taken = 0;
    short group = noGroup;
    WalkItems(pData, nSize, header, [&](const ItemInfo& item) {
        if ((item.style & kGroup) != 0)
            group = static_cast<short>(taken);
        int type = TypeOf(item.kind, item.style);
        if (type == typeNone)
            return;
        ids[taken] = item.id & 0xFFFF;
        types[taken] = static_cast<BYTE>(type);
        if (type == typeCheckBox || type == typeRadioButton)
            groups[taken] = group;
        ++taken;
    });

    *pCount = count;
    *ppIDs = ids;
    *ppTypes = types;
    *ppGroups = groups;
    return 1;
}

void CDlgTemplateReader::FreeTable(UINT* pIDs, BYTE* pTypes, short* pGroups)
{
    delete[] pIDs;
    delete[] pTypes;
    delete[] pGroups;
}
