// CDlgTemplateReader: reads a binary dialog template from bytes into the
// dialog item table's arrays. Plain portable code: bytes in, arrays out.
//
// Every read is checked against the end of the data, so a truncated or
// malformed template gives a failure result, never a read past the end.
// Both template forms are read: the standard one (DIALOG scripts) and the
// extended one (DIALOGEX scripts, recognised by the words 1, 0xFFFF). A
// predefined class given by name ("Button", as windres stores a CONTROL
// statement's class) counts as its atom.
#pragma once

#include <cstddef>

#include "afx/AfxTypes.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CDlgTemplateReader {
public:
    // Item type codes of the table.
    enum {
        typePushButton = 0,
        typeCheckBox = 1,
        typeRadioButton = 2,
        typeEdit = 3,
        typeComboBox = 4,
        typeListBox = 5,
        typeOwnerDrawCombo = 0x64,
        typeEditKeepsEnter = 0x67,
        typeNone = -1  // the control is not taken
    };
    // Class kinds of a template item: the low four bits of a predefined
    // class atom (or its name), or kindNamed for any other class.
    enum {
        kindButton = 0,
        kindEdit = 1,
        kindStatic = 2,
        kindListBox = 3,
        kindScrollBar = 4,
        kindComboBox = 5,
        kindNamed = 0xFFFF
    };
    // No radio group.
    static const short noGroup = -1;

    struct ItemInfo {
        DWORD style;
        UINT id;
        WORD kind;
    };

    // Reads the items the table takes: on success 1, *pCount and three new
    // arrays of *pCount elements (IDs, type codes, groups; free them with
    // FreeTable). 0 for a truncated or malformed template or when memory
    // runs out; the outputs are then untouched.
    static int ReadTable(const BYTE* pData, size_t nSize, UINT* pCount, UINT** ppIDs, BYTE** ppTypes,
                         short** ppGroups);
    static void FreeTable(UINT* pIDs, BYTE* pTypes, short* pGroups);

    // Reads the item at nOffset of a template (items begin on 4-byte
    // boundaries counted from pData) and gives the offset of the next item.
    // FALSE when the item runs past nSize.
    static BOOL ReadItem(const BYTE* pData, size_t nSize, size_t nOffset, BOOL bExtended, ItemInfo* pItem,
                         size_t* pNext);

    // The table's type code for a control, or typeNone.
    static int TypeOf(WORD nKind, DWORD dwStyle);
};
