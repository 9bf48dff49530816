// Builds binary dialog templates byte by byte, in either form, for the
// template reader's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TemplateBuilder {
    static const uint32_t kSetFont = 0x40, kGroup = 0x00020000, kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE

    bool extended = false;
    std::vector<uint8_t> bytes;

    // Header. count is written as given (only its low byte counts); with
    // named, a menu by name and a window class by ordinal.
    TemplateBuilder& Header(uint32_t style, uint16_t count, bool named = false)
    {
        if (extended)
            Dword(0xFFFF0001);  // version 1, signature
        Styles(style);
        Word(count);
        for (int i = 0; i < 4; ++i)
            Word(10);  // x, y, cx, cy
        String(named ? "MENU" : "");         // a menu by name, or none
        named ? Dword(0x8002FFFF) : Word(0);  // a class by ordinal, or the default
        String("t");
        if (style & kSetFont) {
            Word(9);  // point size
            if (extended)
                Dword(0x01000000);  // weight 0 (FW_DONTCARE), not italic, character set 1
            String("Font");
        }
        Align();
        return *this;
    }

    // An item of a predefined class (atom 0x80 button ... 0x85 combo box),
    // or of the class named className (its title then an ordinal).
    TemplateBuilder& Item(uint32_t style, uint32_t id, uint16_t atom, const std::vector<uint8_t>& creationData = {},
                          const std::string& className = "")
    {
        Styles(style);
        Dword(0x00050005);  // x, y
        Dword(0x00050005);  // cx, cy
        extended ? Dword(id) : Word(static_cast<uint16_t>(id));
        // Class, then title: an atom and a text, or a name and an ordinal.
        className.empty() ? Dword(0xFFFFu | atom << 16) : String(className);
        className.empty() ? String("x") : Dword(0x0007FFFF);
        Word(static_cast<uint16_t>(creationData.size()));
        bytes.insert(bytes.end(), creationData.begin(), creationData.end());
        Align();
        return *this;
    }

    // A static text, an edit with creation data, three radio buttons (the
    // first starting a group) and an OK button; the first item at byte 40.
    static std::vector<uint8_t> Example(bool extended = false)
    {
        return TemplateBuilder{extended, {}}
            .Header(kSetFont | 0x80C80000, 6)
            .Item(kChild | kGroup, 0xFFFF, 0x82).Item(kChild | 0x80, 101, 0x81, {1, 2, 3, 4, 5, 6})
            .Item(kChild | kGroup | 9, 102, 0x80).Item(kChild | 9, 103, 0x80).Item(kChild | 9, 104, 0x80)
            .Item(kChild | 1, 1, 0x80)
            .bytes;
    }

    void Word(uint16_t value) { bytes.insert(bytes.end(), {uint8_t(value), uint8_t(value >> 8)}); }
    void Dword(uint32_t value)
    {
        Word(uint16_t(value));
        Word(uint16_t(value >> 16));
    }
    // ASCII as UTF-16, with the terminator.
    void String(const std::string& text)
    {
        for (char c : text + '\0')
            Word(static_cast<uint8_t>(c));
    }
    void Align() { bytes.resize((bytes.size() + 3) & ~size_t(3)); }
    // The help ID of the extended form, then style and extended style in the order of the form.
    void Styles(uint32_t style)
    {
        if (extended)
            Dword(0);
        Dword(extended ? 0 : style);
        Dword(extended ? style : 0);
    }
};
