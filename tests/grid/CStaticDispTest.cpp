// The static display on a memory DC: grey face, sunken, raised or no frame,
// its text aligned and black; SetText keeps at most 255 bytes.
#include <gtest/gtest.h>

#include <string>

#include "grid/CStaticDisp.h"
#include "grid/Canvas.h"
#include "support/GdiObjectCount.h"

namespace {

const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const CRect kBox(10, 5, 150, 35);

class Probe : public CStaticDisp {
public:
    using CStaticDisp::CStaticDisp;
    std::string Text() const { return m_szText; }
};

// Leftmost and rightmost x of black pixels in the box, or -1.
void BlackExtent(const Canvas& canvas, int* left, int* right)
{
    *left = *right = -1;
    for (int x = kBox.left; x <= kBox.right; ++x)
        if (canvas.Count(kBlack, CRect(x, kBox.top, x + 1, kBox.bottom)) > 0) {
            if (*left < 0)
                *left = x;
            *right = x;
        }
}

TEST(StaticDisp, FrameStylesDrawSunkenRaisedOrNoFrameOnTheGreyFace)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    struct Case {
        short frame;
        COLORREF topLeft, bottomRight;
    } cases[] = {{0, kShadow, kLight}, {1, kLight, kShadow}, {5, kLight, kShadow}, {2, kFace, kFace}};
    for (const Case& c : cases) {
        Canvas canvas(160, 40);
        Probe label(c.frame, &font, kBox, 1);
        label.SetText("", canvas.Dc());
        EXPECT_EQ(canvas.Pixel(80, kBox.top), c.topLeft) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.left, 20), c.topLeft) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(80, kBox.bottom), c.bottomRight) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.right, 20), c.bottomRight) << "frame " << c.frame;
        EXPECT_EQ(canvas.Pixel(kBox.right, kBox.bottom), kFace) << "frame " << c.frame;
        EXPECT_EQ(canvas.Count(kFace, CRect(kBox.left + 1, kBox.top + 1, kBox.right, kBox.bottom)),
                  (kBox.Width() - 1) * (kBox.Height() - 1));
        EXPECT_EQ(canvas.CountOutsideNot(kLight, CRect(kBox.left, kBox.top, kBox.right + 1, kBox.bottom + 1)), 0);
    }
}

TEST(StaticDisp, TextIsBlackAndAlignedInsideTheFrame)
{
    CFont font;
    ASSERT_TRUE(MakeGothic(font, 12));
    int left[3], right[3];
    for (short align : {0, 1, 2}) {
        Canvas canvas(160, 40);
        Probe label(0, &font, kBox, align);
        label.SetText("\x8C\x88\x8E\x5A", canvas.Dc());  // 決算
        BlackExtent(canvas, &left[align], &right[align]);
        ASSERT_GE(left[align], 0) << "alignment " << align;
    }
    EXPECT_LT(left[1], kBox.left + 6);
    EXPECT_GT(right[2], kBox.right - 6);
    EXPECT_GT(left[0], left[1] + 20);
    EXPECT_LT(right[0], right[2] - 20);
}

TEST(StaticDisp, SetTextWithoutADcKeepsTheTextAndDrawsNothing)
{
    Canvas canvas(160, 40);
    Probe label(1, nullptr, kBox, 0);
    label.SetText("AB", nullptr);
    EXPECT_EQ(label.Text(), "AB");
    EXPECT_EQ(canvas.CountOutsideNot(kLight, CRect()), 0);
    label.Disp(canvas.Dc());
    EXPECT_GT(canvas.Count(kBlack, kBox), 0);
    label.Disp(nullptr);

    std::string longText(300, 'x');
    label.SetText(longText.c_str(), nullptr);
    EXPECT_EQ(label.Text(), std::string(255, 'x'));
    std::string split(254, 'x');
    split += "\x8C\x88";  // a double-byte character across byte 255
    label.SetText(split.c_str(), nullptr);
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
    ASSERT_GT(count.Patched(), 0u);
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
