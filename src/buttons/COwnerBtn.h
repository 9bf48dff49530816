// COwnerBtn: an owner-drawn push button whose whole face is a bitmap: one
// image while pressed, one normal, one while disabled and, in four-image
// sets, one while it has the focus. The images are the library's stock
// faces (NAME_UP, NAME_DOWN, NAME_MASK, found through the resource chain
// from this library's module) or any bitmaps of the chain by ID.
//
// A fixed-size button needs every image exactly the size of its rectangle
// (no window is made otherwise); a pull-down button stretches its images to
// the size it was created with. Creation functions return -1 on success and
// 0 on failure. The button loads and owns its images.
#pragma once

#include "afx/CButton.h"
#include "afx/CRect.h"
#include "afx/CSize.h"
#include "frame/WinLibApi.h"

class CBitmap;

class ZR8WLIB_API COwnerBtn : public CButton {
    DECLARE_DYNCREATE(COwnerBtn)
public:
    // Image set kinds.
    enum { FourByName = 0, ThreeByName = 1, FourById = 2, ThreeById = 3 };
    // Indexes into the image array.
    enum { ImagePressed = 0, ImageNormal = 1, ImageFocus = 2, ImageDisabled = 3, ImageCount = 4 };

    COwnerBtn();
    ~COwnerBtn() override;

    int Create(long lStyle, CRect rect, CWnd* pParent, short nID, const char* pPressed, const char* pNormal,
               const char* pFocus, const char* pDisabled);
    int Create(long lStyle, CRect rect, CWnd* pParent, short nID, const char* pPressed, const char* pNormal,
               const char* pDisabled);
    int Create(long lStyle, CRect rect, CWnd* pParent, short nID, short nPressed, short nNormal, short nFocus,
               short nDisabled);
    int Create(long lStyle, CRect rect, CWnd* pParent, short nID, short nPressed, short nNormal, short nDisabled);

    int CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, const char* pPressed,
                             const char* pNormal, const char* pFocus, const char* pDisabled);
    int CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, const char* pPressed,
                             const char* pNormal, const char* pDisabled);
    int CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, short nPressed, short nNormal,
                             short nFocus, short nDisabled);
    int CreatePullDownButton(long lStyle, RECT rect, CWnd* pParent, short nID, short nPressed, short nNormal,
                             short nDisabled);

    // Size of a bitmap of the chain; (0, 0) when it cannot be loaded.
    CSize GetBitmapSize(const char* pName);
    CSize GetBitmapSize(short nID);

    // The image at an index (ImagePressed ...), or NULL.
    CBitmap* GetImage(int nIndex) const;
    int GetImageSetKind() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL OnEraseBkgnd(CDC* pDC) override;

private:
    // Creates the window and loads the images (names, or IDs as
    // MAKEINTRESOURCE); fixed size checks every image against the rectangle.
    int CreateFace(long lStyle, const RECT& rect, CWnd* pParent, short nID, short nKind, BOOL bStretch,
                   const char* const* ppNames);
    void DeleteImages();

    short m_nKind;
    short m_nStretch;
    long m_lWidth;
    long m_lHeight;
    CBitmap* m_pImages[ImageCount];
};
