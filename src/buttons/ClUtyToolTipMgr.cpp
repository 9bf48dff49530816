#include "ClUtyToolTipMgr.h"

#include <ole2.h>
#include <olectl.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "CToolTipPictureStatic.h"
#include "CToolTipTextStatic.h"
#include "afx/AfxModule.h"
#include "afx/CBitmap.h"
#include "afx/CWnd.h"

namespace {

IPicture* LoadPicture(const char* path)
{
    if (path == nullptr)
        return nullptr;
    int length = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    if (length <= 0)
        return nullptr;
    std::vector<WCHAR> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    IPicture* picture = nullptr;
    if (FAILED(::OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&picture))))
        return nullptr;
    return picture;
}

} // namespace

ClUtyToolTipMgr::ClUtyToolTipMgr()
    : m_pMask(nullptr), m_pImage(nullptr), m_pResBitmap1(new (std::nothrow) CBitmap), m_bResAttached1(FALSE),
      m_pResBitmap2(new (std::nothrow) CBitmap), m_bResAttached2(FALSE), m_pPicture1(nullptr), m_pPicture2(nullptr),
      m_pPictureHolder1(new (std::nothrow) CBitmap), m_pPictureHolder2(new (std::nothrow) CBitmap)
{
}

ClUtyToolTipMgr::~ClUtyToolTipMgr()
{
    ReleasePictures();
    for (CBitmap* bitmap : {m_pResBitmap1, m_pResBitmap2})
        delete bitmap;  // deletes an attached bitmap
    for (INT_PTR i = 0; i < m_statics.GetSize(); ++i)
        delete static_cast<CToolTipStatic*>(m_statics.GetAt(i));
    m_statics.RemoveAll();
    delete m_pPictureHolder1;
    delete m_pPictureHolder2;
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.DestroyWindow();
}

void ClUtyToolTipMgr::ReleasePictures()
{
    // The holders give the pictures' bitmaps back before the pictures go.
    for (CBitmap* holder : {m_pPictureHolder1, m_pPictureHolder2}) {
        if (holder != nullptr)
            holder->Detach();
    }
    for (IPicture** picture : {&m_pPicture1, &m_pPicture2}) {
        if (*picture != nullptr)
            (*picture)->Release();
        *picture = nullptr;
    }
}

CBitmap* ClUtyToolTipMgr::PictureBitmap(IPicture* pPicture, CBitmap* pHolder)
{
    short type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (pPicture == nullptr || pHolder == nullptr || FAILED(pPicture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(pPicture->get_Handle(&handle)) || handle == 0)
        return nullptr;
    pHolder->Detach();
    return pHolder->Attach(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(handle))) ? pHolder : nullptr;
}

int ClUtyToolTipMgr::Init(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count)
{
    char path[MAX_PATH + 1] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    char name[_MAX_FNAME] = "", extension[_MAX_EXT] = "";
    _splitpath(path, nullptr, nullptr, name, extension);
    char program[_MAX_FNAME + _MAX_EXT] = "";
    wsprintfA(program, "%s%s", name, extension);

    ReleasePictures();
    m_bResAttached1 = FALSE;
    if (m_pResBitmap1 != nullptr) {
        HINSTANCE previous = AfxGetResourceHandle();
        HMODULE module = ::GetModuleHandleA(program);
        if (module != nullptr)
            AfxSetResourceHandle(module);
        LPCSTR id = MAKEINTRESOURCEA(PictureResourceId);
        HBITMAP bitmap = ::LoadBitmapA(AfxFindResourceHandle(id, RT_BITMAP), id);
        m_bResAttached1 = bitmap != nullptr && m_pResBitmap1->Attach(bitmap);
        AfxSetResourceHandle(previous);
    }
    m_pMask = m_bResAttached1 ? m_pResBitmap1 : nullptr;
    m_pImage = nullptr;
    return SetUp(parent, table, count);
}

int ClUtyToolTipMgr::Init(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count, char* maskPath,
                          char* imagePath)
{
    ReleasePictures();
    m_pPicture1 = LoadPicture(maskPath);
    m_pMask = PictureBitmap(m_pPicture1, m_pPictureHolder1);
    m_pPicture2 = LoadPicture(imagePath);
    m_pImage = PictureBitmap(m_pPicture2, m_pPictureHolder2);
    return SetUp(parent, table, count);
}

int ClUtyToolTipMgr::SetUp(CWnd* parent, TOOLTIPMSG_TABLE* table, unsigned long count)
{
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr)
        return 1;
    if (m_toolTip.GetSafeHwnd() == nullptr)
        m_toolTip.Create(parent, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    for (unsigned long i = 0; table != nullptr && i < count; ++i) {
        const TOOLTIPMSG_TABLE& record = table[i];
        CWnd* control = parent->GetDlgItem(record.id);
        if (control == nullptr || !::IsWindow(control->GetSafeHwnd()))
            continue;
        HWND hWnd = control->GetSafeHwnd();
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hWnd;
        info.uId = reinterpret_cast<UINT_PTR>(hWnd);
        info.lpszText = record.text;
        m_toolTip.SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));

        char className[50] = "";
        ::GetClassNameA(hWnd, className, sizeof className);
        if (::lstrcmpiA(className, "Static") != 0)
            continue;
        CToolTipStatic* pStatic = record.picture == 0 ? static_cast<CToolTipStatic*>(new (std::nothrow) CToolTipTextStatic)
                                                      : new (std::nothrow) CToolTipPictureStatic;
        if (pStatic == nullptr)
            return 0;
        m_statics.Add(pStatic);
        pStatic->SubclassDlgItem(static_cast<UINT>(record.id), parent);
        if (record.picture == 0)
            pStatic->SetToolTipInfo(&m_toolTip, nullptr, nullptr);
        else
            pStatic->SetToolTipInfo(&m_toolTip, m_pMask, m_pImage);
        ::SetWindowLongA(hWnd, GWL_STYLE, ::GetWindowLongA(hWnd, GWL_STYLE) | SS_NOTIFY);
    }
    if (m_toolTip.GetSafeHwnd() != nullptr) {
        m_toolTip.SetMaxTipWidth(MaxTipWidth);
        m_toolTip.SetDelayTime(TTDT_INITIAL, InitialDelay);
        m_toolTip.SetDelayTime(TTDT_AUTOPOP, AutoPopDelay);
    }
    return 1;
}

CToolTipCtrl* ClUtyToolTipMgr::GetToolTipCtrl() { return &m_toolTip; }
INT_PTR ClUtyToolTipMgr::GetStaticCount() const { return m_statics.GetSize(); }
CBitmap* ClUtyToolTipMgr::GetMaskBitmap() const { return m_pMask; }
CBitmap* ClUtyToolTipMgr::GetImageBitmap() const { return m_pImage; }
