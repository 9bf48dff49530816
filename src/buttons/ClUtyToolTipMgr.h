// ClUtyToolTipMgr: balloon tooltips for a dialog's controls from a table of
// control ids and texts. Ordinary controls are registered with the tooltip
// directly; static controls are subclassed so that they notify clicks and
// relay the mouse to the tooltip, and statics marked as pictures are drawn
// with the manager's bitmaps (the host program's bitmap resource 996, or a
// mask and an image loaded from two picture files).
//
// The table's texts are kept by pointer: they must live as long as the
// tooltips. Create the manager's tooltips with Init once the dialog's
// controls exist; destroy the manager when the dialog goes.
#pragma once

#include "afx/CPtrArray.h"
#include "afx/CToolTipCtrl.h"
#include "frame/WinLibApi.h"

class CBitmap;
class CWnd;
struct IPicture;

// One control of a tooltip table.
struct TOOLTIPMSG_TABLE {
    int id;       // dialog control id, looked up in the parent window
    char* text;   // tooltip text (Shift-JIS), kept by pointer
    int picture;  // statics only: 0 text static, non-zero picture static
};

class ZR8WLIB_API ClUtyToolTipMgr {
public:
    enum { PictureResourceId = 996, MaxTipWidth = 800, InitialDelay = 500, AutoPopDelay = 30000 };

    ClUtyToolTipMgr();
    ~ClUtyToolTipMgr();
    ClUtyToolTipMgr(const ClUtyToolTipMgr&) = delete;
    ClUtyToolTipMgr& operator=(const ClUtyToolTipMgr&) = delete;

    // Picture statics show the host program's bitmap resource 996.
    int Init(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count);
    // Picture statics show the image file drawn through the mask file.
    int Init(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count, char* maskPath, char* imagePath);

    CToolTipCtrl* GetToolTipCtrl();
    // The subclass objects made so far (CToolTipStatic*), in table order.
    INT_PTR GetStaticCount() const;
    CBitmap* GetMaskBitmap() const;
    CBitmap* GetImageBitmap() const;

private:
    int SetUp(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count);
    void ReleasePictures();
    // The bitmap of a loaded picture, held (not owned) by pHolder; NULL when
    // the picture is none or no bitmap.
    CBitmap* PictureBitmap(IPicture* pPicture, CBitmap* pHolder);

    CToolTipCtrl m_toolTip;
    CPtrArray m_statics;
    CBitmap* m_pMask;
    CBitmap* m_pImage;
    CBitmap* m_pResBitmap1;
    BOOL m_bResAttached1;
    CBitmap* m_pResBitmap2;
    BOOL m_bResAttached2;
    IPicture* m_pPicture1;
    IPicture* m_pPicture2;
    CBitmap* m_pPictureHolder1;  // wrap the pictures' bitmaps, which the pictures own
    CBitmap* m_pPictureHolder2;
};
