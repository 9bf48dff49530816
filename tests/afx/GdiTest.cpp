// GDI objects and device contexts: each object releases what it acquired,
// temporary wrappers never release anything, selections hand back the
// previous object.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "afx/CBitmap.h"
#include "afx/CBrush.h"
#include "afx/CClientDC.h"
#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CPaintDC.h"
#include "afx/CPen.h"
#include "afx/CWnd.h"
#include "support/GdiObjectCount.h"

namespace {

struct PaintedWnd : CWnd {
    int paints = 0;

    void OnPaint() override
    {
        ++paints;
        CPaintDC dc(this);
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 128, 0));
    }
};

// The leak counter of the painted classes' tests must see the framework's
// own creates and deletes, or every leak test would pass unseen. Then the
// device contexts: selections hand back the previous object, DCs are
// deleted, and paint validates.
TEST(Gdi, ObjectsDeleteWhatTheyHoldTheLeakCounterSeesItWrappersNeverDeleteSelectionsHandBackAndPaintValidates)
{
    GdiObjectCount count;
    ASSERT_GT(count.Patched(), 0u);
    {
        CFont f;
        ASSERT_TRUE(f.CreatePointFont(90, "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E"));  // ＭＳ ゴシック
        CPen p(PS_SOLID, 2, RGB(255, 0, 0));
        CBrush b(RGB(0, 0, 255));
        CBitmap bm;
        ASSERT_TRUE(bm.CreateBitmap(8, 4, 1, 32, nullptr));
        EXPECT_EQ(4u, count.Outstanding());
    }
    EXPECT_EQ(0u, count.Outstanding());

    // Attach owns, Detach releases, a replaced object is deleted; temporary
    // wrappers have their type and never delete.
    HBRUSH given = ::CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ first;
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(given));
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));  // the attached one goes
        EXPECT_EQ(::GetObjectType(given), 0u);
        first = brush.Detach();
    }
    // Detached: still ours. A pen is not a font.
    HPEN foreign = ::CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ((std::tuple{::GetObjectType(first), CPen::FromHandle(foreign) != nullptr,
                          CFont::FromHandle(reinterpret_cast<HFONT>(foreign))}),
              std::tuple(DWORD(OBJ_BRUSH), true, static_cast<CFont*>(nullptr)));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(foreign), static_cast<DWORD>(OBJ_PEN));
    ::DeleteObject(first);
    ::DeleteObject(foreign);

    HDC memory;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        memory = dc.m_hDC;
        CBitmap bitmap;
        // A memory DC starts with a one-bit bitmap: make a colour one.
        ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
        HGDIOBJ original = ::GetCurrentObject(memory, OBJ_BITMAP);
        CBitmap* previous = dc.SelectObject(&bitmap);
        ASSERT_NE(previous, nullptr);
        dc.SetBkColor(RGB(1, 1, 1));
        dc.FillSolidRect(1, 1, 1, 1, RGB(200, 0, 0));
        dc.Draw3dRect(CRect(0, 0, 4, 4), RGB(255, 255, 255), RGB(128, 128, 128));
        // The background colour is restored after the fill.
        EXPECT_EQ((std::vector<COLORREF>{dc.GetBkColor(), dc.GetPixel(1, 1), dc.GetPixel(0, 0), dc.GetPixel(3, 3)}),
                  (std::vector<COLORREF>{RGB(1, 1, 1), RGB(200, 0, 0), RGB(255, 255, 255), RGB(128, 128, 128)}));
        dc.SelectObject(previous);
        EXPECT_EQ(std::make_pair(previous->m_hObject, ::GetCurrentObject(memory, OBJ_BITMAP)),
                  std::make_pair(original, original));

        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
        CFont* oldFont = dc.SelectObject(&font);
        ASSERT_NE(oldFont, nullptr);
        EXPECT_GT(dc.GetTextExtent("abc", 3).cx, 0);
        dc.SelectObject(oldFont);
        EXPECT_EQ(::GetCurrentObject(memory, OBJ_FONT), oldFont->m_hObject);
    }
    EXPECT_EQ(::GetObjectType(memory), 0u);

    // Paint and client DCs draw into the window, and EndPaint validates it.
    PaintedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 100, 100, 60, 40, nullptr, nullptr));
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    RECT update;
    CClientDC dc(&wnd);
    EXPECT_EQ((std::tuple{wnd.paints, ::GetUpdateRect(wnd.m_hWnd, &update, FALSE), dc.GetPixel(10, 10)}),
              std::tuple(1, FALSE, RGB(0, 128, 0)));
}

} // namespace
