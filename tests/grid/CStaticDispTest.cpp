// The static display on a memory DC, against plain Win32 drawing: grey face,
// sunken, raised or no frame, black aligned text; SetText keeps at most 255
// bytes of whole characters.
#include <gtest/gtest.h>

#include <string>

#include "grid/CStaticDisp.h"
#include "grid/Canvas.h"

namespace {

const COLORREF kFace = RGB(192, 192, 192), kShadow = RGB(128, 128, 128), kLight = RGB(255, 255, 255);

class Probe : public CStaticDisp {
public:
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

TEST(StaticDisp, FramesAreSunkenRaisedOrNoneTheTextIsAlignedInsideAndKeptInWholeCharacters)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    const char* text = "\x8C\x88\x8E\x5A";  // 決算
    Canvas canvas(160, 40), reference(160, 40);
    HDC dc = reference.Hdc();
    ::SetBkMode(dc, TRANSPARENT);
    int width = 0, y = 6 + (28 - MetricsOf(dc, font, text, &width).tmHeight) / 2, free = 136 - width;
    struct Case {
        short frame, alignment;
        COLORREF topLeft, bottomRight;
        int x;
    } cases[] = {{0, 1, kShadow, kLight, 12}, {1, 2, kLight, kShadow, 12 + free},
                 {5, 0, kLight, kShadow, 12 + free / 2}, {2, 7, kFace, kFace, 12}};
    for (const Case& c : cases) {  // the box 10, 5 ... 150, 35, right and bottom edges included
        Probe(c.frame, &font, CRect(10, 5, 150, 35), c.alignment).SetText(text, canvas.Dc());
        reference.Fill({10, 5, 151, 36}, kFace);
        reference.Fill({10, 5, 150, 6}, c.topLeft);
        reference.Fill({10, 5, 11, 35}, c.topLeft);
        reference.Fill({10, 35, 150, 36}, c.bottomRight);
        reference.Fill({150, 5, 151, 35}, c.bottomRight);
        HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
        ::TextOutA(dc, c.x, y, text, 4);
        ::SelectObject(dc, old);
        EXPECT_EQ(canvas.Count(0, RECT(), false, &reference), 0) << "frame " << c.frame;
    }
    // SetText keeps whole characters up to 255 bytes and draws only on a DC.
    canvas.Clear(kLight);
    Probe label(1, nullptr, CRect(10, 5, 150, 35), 0);
    label.SetText("AB", nullptr);
    EXPECT_EQ(label.Text() + std::to_string(canvas.Count(kLight)), "AB6400");
    label.SetText(std::string(300, 'x').c_str(), nullptr);
    EXPECT_EQ(label.Text(), std::string(255, 'x'));
    label.SetText((std::string(254, 'x') + "\x8C\x88").c_str(), nullptr);  // 決 across byte 255
    EXPECT_EQ(label.Text(), std::string(254, 'x'));
    label.SetText(nullptr, nullptr);
    EXPECT_EQ(label.Text(), "");
}

} // namespace
