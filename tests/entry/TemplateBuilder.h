// Builds binary dialog templates byte by byte, in either form, for the
// template reader's tests and fuzz seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TemplateBuilder {
public:
    static const uint32_t kSetFont = 0x40;
    static const uint32_t kGroup = 0x00020000;

    explicit TemplateBuilder(bool extended = false) : m_extended(extended) {}

    // Header. count is written as given (only its low byte counts).
    TemplateBuilder& Header(uint32_t style, uint16_t count, const std::string& title = "t",
                            const std::string& face = "Font")
    {
        if (m_extended) {
            Word(1);
            Word(0xFFFF);
            Dword(0);  // help ID
            Dword(0);  // extended style
            Dword(style);
        } else {
            Dword(style);
            Dword(0);  // extended style
        }
        Word(count);
        for (int i = 0; i < 4; ++i)
            Word(10);  // x, y, cx, cy
        Word(0);       // no menu
        Word(0);       // default class
        String(title);
        if (style & kSetFont) {
            Word(9);  // point size
            if (m_extended) {
                Word(400);  // weight
                Byte(0);    // italic
                Byte(1);    // character set
            }
            String(face);
        }
        Align();
        return *this;
    }

    // An item of a predefined class (atom 0x80 button ... 0x85 combo box).
    TemplateBuilder& Item(uint32_t style, uint32_t id, uint16_t atom, const std::string& title = "",
                          const std::vector<uint8_t>& creationData = {})
    {
        Fixed(style, id);
        Word(0xFFFF);
        Word(atom);
        String(title);
        Tail(creationData);
        return *this;
    }

    // An item whose class is given by name.
    TemplateBuilder& NamedItem(uint32_t style, uint32_t id, const std::string& className)
    {
        Fixed(style, id);
        String(className);
        Word(0xFFFF);  // title as an ordinal
        Word(7);
        Tail({});
        return *this;
    }

    std::vector<uint8_t>& Bytes() { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

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
    void Fixed(uint32_t style, uint32_t id)
    {
        if (m_extended) {
            Dword(0);  // help ID
            Dword(0);  // extended style
            Dword(style);
        } else {
            Dword(style);
            Dword(0);
        }
        for (int i = 0; i < 4; ++i)
            Word(5);
        if (m_extended)
            Dword(id);
        else
            Word(static_cast<uint16_t>(id));
    }
    void Tail(const std::vector<uint8_t>& creationData)
    {
        Word(static_cast<uint16_t>(creationData.size()));
        for (uint8_t b : creationData)
            Byte(b);
        Align();
    }

    bool m_extended;
    std::vector<uint8_t> m_bytes;
};
