// The static display on a memory DC, against plain Win32 drawing: grey face,
// raised frame, black text inside the frame; SetText keeps at most 255 bytes
// of whole characters.
#include <gtest/gtest.h>

#include <string>

#include "grid/CStaticDisp.h"
#include "grid/Canvas.h"

namespace {

class Probe : public CStaticDisp {
public:
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

TEST(StaticDisp, RaisedFrameTextInsideAndKeptInWholeCharacters)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    const char* text = "\x8C\x88\x8E\x5A";  // 決算
    Canvas canvas(160, 40), reference(160, 40);
    HDC dc = reference.Hdc();
    ::SetBkMode(dc, TRANSPARENT);
    // The box 10, 5 ... 150, 35, right and bottom edges included; left-aligned text one pixel in.
    Probe(1, &font, CRect(10, 5, 150, 35), 1).SetText(text, canvas.Dc());
    reference.Fill({10, 5, 151, 36}, RGB(192, 192, 192));
    reference.Fill({10, 5, 150, 6}, RGB(255, 255, 255));
    reference.Fill({10, 5, 11, 35}, RGB(255, 255, 255));
    reference.Fill({10, 35, 150, 36}, RGB(128, 128, 128));
    reference.Fill({150, 5, 151, 35}, RGB(128, 128, 128));
    HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
    ::TextOutA(dc, 12, 6 + (28 - MetricsOf(dc, font).tmHeight) / 2, text, 4);
    ::SelectObject(dc, old);
    EXPECT_EQ(canvas.Count(0, RECT(), false, &reference), 0);

    Probe label(1, nullptr, CRect(10, 5, 150, 35), 0);
    label.SetText(std::string(300, 'x').c_str(), nullptr);
    EXPECT_EQ(label.Text(), std::string(255, 'x'));
    label.SetText((std::string(254, 'x') + "\x8C\x88").c_str(), nullptr);  // 決 across byte 255
    EXPECT_EQ(label.Text(), std::string(254, 'x'));
}

} // namespace
