// Builds binary dialog templates byte by byte, in either form, for the
// template reader's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TemplateBuilder {
public:
    static const uint32_t kSetFont = 0x40;
    static const uint32_t kGroup = 0x00020000;
    static const uint32_t kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE

    explicit TemplateBuilder(bool extended = false) : m_extended(extended) {}

    // Header. count is written as given (only its low byte counts).
    TemplateBuilder& Header(uint32_t style, uint16_t count)
    {
        if (m_extended) {
            Word(1);
            Word(0xFFFF);
            Dword(0);  // help ID
        }
        Fixed(style);
        Word(count);
        for (int i = 0; i < 6; ++i)
            Word(i < 4 ? 10 : 0);  // x, y, cx, cy; no menu, default class
        String("t");
        if (style & kSetFont) {
            Word(9);  // point size
            if (m_extended)
                Dword(0x01000000);  // weight 0 (FW_DONTCARE), not italic, character set 1
            String("Font");
        }
        Align();
        return *this;
    }

    // An item of a predefined class (atom 0x80 button ... 0x85 combo box),
    // or of the class named className.
    TemplateBuilder& Item(uint32_t style, uint32_t id, uint16_t atom, const std::vector<uint8_t>& creationData = {},
                          const std::string& className = "")
    {
        if (m_extended)
            Dword(0);  // help ID
        Fixed(style);
        for (int i = 0; i < 4; ++i)
            Word(5);
        m_extended ? Dword(id) : Word(static_cast<uint16_t>(id));
        if (className.empty()) {
            Word(0xFFFF);
            Word(atom);
            String("x");  // title
        } else {
            String(className);
            Word(0xFFFF);  // title as an ordinal
            Word(7);
        }
        Word(static_cast<uint16_t>(creationData.size()));
        for (uint8_t b : creationData)
            Byte(b);
        Align();
        return *this;
    }
    TemplateBuilder& Named(uint32_t style, uint32_t id, const std::string& className)
    {
        return Item(style, id, 0, {}, className);
    }

    // A static text, an edit with creation data, three radio buttons (the
    // first starting a group) and an OK button; the first item at byte 40.
    static std::vector<uint8_t> Example(bool extended = false)
    {
        TemplateBuilder form(extended);
        return form.Header(kSetFont | 0x80C80000, 6)
            .Item(kChild | kGroup, 0xFFFF, 0x82)
            .Item(kChild | 0x80, 101, 0x81, {1, 2, 3, 4, 5, 6})
            .Item(kChild | kGroup | 9, 102, 0x80)
            .Item(kChild | 9, 103, 0x80)
            .Item(kChild | 9, 104, 0x80)
            .Item(kChild | 1, 1, 0x80)
            .Bytes();
    }

    std::vector<uint8_t>& Bytes() { return m_bytes; }

    void Byte(uint8_t value) { m_bytes.push_back(value); }
    void Word(uint16_t value)
    {
        Byte(static_cast<uint8_t>(value));
        Byte(static_cast<uint8_t>(value >> 8));
    }
    void Dword(uint32_t value)
    {
        Word(static_cast<uint16_t>(value));
        Word(static_cast<uint16_t>(value >> 16));
    }
    // ASCII as UTF-16, with the terminator.
    void String(const std::string& text)
    {
        for (char c : text)
            Word(static_cast<uint8_t>(c));
        Word(0);
    }
    void Align()
    {
        while (m_bytes.size() % 4 != 0)
            Byte(0);
    }

private:
    // Style and extended style, in the order of the form.
    void Fixed(uint32_t style)
    {
        Dword(m_extended ? 0 : style);
        Dword(m_extended ? style : 0);
    }

    bool m_extended;
    std::vector<uint8_t> m_bytes;
};
