// The static display on a memory DC: grey face, sunken, raised or no frame,
// its text black and aligned; SetText keeps at most 255 bytes.
#include <gtest/gtest.h>

#include <string>

#include "grid/CStaticDisp.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"

namespace {

const COLORREF kFace = RGB(192, 192, 192), kShadow = RGB(128, 128, 128);
const COLORREF kLight = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const CRect kBox(10, 5, 150, 35);

class Probe : public CStaticDisp {
public:
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

// First column with ink of the colour inside the box, or -1.
int FirstInk(const Canvas& canvas, COLORREF colour)
{
    for (int x = kBox.left; x <= kBox.right; ++x)
        if (canvas.Count(colour, CRect(x, kBox.top, x + 1, kBox.bottom)) > 0)
            return x;
    return -1;
}

TEST(StaticDisp, FramesAreSunkenRaisedOrNoneAndTextIsBlackAndAligned)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    const char* text = "\x8C\x88\x8E\x5A";  // 決算
    Canvas reference(160, 40);
    TEXTMETRICA tm = MetricsOf(reference.Hdc(), font);
    int free = (kBox.Width() - 4) - WidthOf(reference.Hdc(), font, text);  // text box less a pixel each side
    struct Case {
        short frame, alignment;
        COLORREF topLeft, bottomRight;
        int x;
    } cases[] = {{0, 1, kShadow, kLight, kBox.left + 2}, {1, 2, kLight, kShadow, kBox.left + 2 + free},
                 {5, 0, kLight, kShadow, kBox.left + 2 + free / 2}, {2, 7, kFace, kFace, kBox.left + 2}};
    for (const Case& c : cases) {
        Canvas canvas(160, 40);
        Probe label(c.frame, &font, kBox, c.alignment);
        label.SetText(text, canvas.Dc());
        EXPECT_EQ(canvas.Pixel(80, kBox.top), c.topLeft) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.left, 20), c.topLeft) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(80, kBox.bottom), c.bottomRight) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.right, 20), c.bottomRight) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.right, kBox.bottom), kFace) << "frame " << c.frame;
        EXPECT_EQ(canvas.Count(kLight, CRect(kBox.left, kBox.top, kBox.right + 1, kBox.bottom + 1), true) +
                      canvas.Count(kLight, CRect(0, 0, 160, 40)),
                  160 * 40);  // nothing outside the box
        reference.Clear(kLight);
        HGDIOBJ old = ::SelectObject(reference.Hdc(), font.m_hObject);
        ::TextOutA(reference.Hdc(), c.x, kBox.top + 1 + (kBox.Height() - 2 - tm.tmHeight) / 2, text, 4);
        ::SelectObject(reference.Hdc(), old);
        EXPECT_EQ(FirstInk(canvas, kBlack), FirstInk(reference, kBlack)) << "alignment " << c.alignment;
    }
}

TEST(StaticDisp, SetTextWithoutADcKeepsTheTextAndDrawsNothing)
{
    Canvas canvas(160, 40);
    Probe label(1, nullptr, kBox, 0);
    label.SetText("AB", nullptr);
    EXPECT_EQ(label.Text(), "AB");
    EXPECT_EQ(canvas.Count(kLight, RECT(), true), 0);
    label.Disp(canvas.Dc());
    EXPECT_GT(canvas.Count(kBlack, kBox), 0);
    label.SetText(std::string(300, 'x').c_str(), nullptr);
    EXPECT_EQ(label.Text(), std::string(255, 'x'));
    label.SetText((std::string(254, 'x') + "\x8C\x88").c_str(), nullptr);  // 決 across byte 255
    EXPECT_EQ(label.Text(), std::string(254, 'x'));
    label.SetText(nullptr, nullptr);
    EXPECT_EQ(label.Text(), "");
}

TEST(StaticDisp, NoGdiObjectOutlivesRepaints)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    Canvas canvas(160, 40);
    GdiObjectCount count;
    for (short frame = 0; frame < 3; ++frame) {
        Probe label(frame, &font, kBox, frame);
        label.SetText("\x8C\x88\x8E\x5A", canvas.Dc());
        for (int i = 0; i < 10000 / 3; ++i)
            label.Disp(canvas.Dc());
    }
    EXPECT_GT(count.Created(), 10000u);
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
