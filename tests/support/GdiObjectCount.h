// Counts the GDI objects that zr8wlib.dll and zr8afx.dll create and delete,
// by patching their gdi32 (and user32 bitmap-loading) imports for the life
// of the object. Wine's GetGuiResources reports no GDI counts, so a leak
// test compares Outstanding() before and after the work instead:
//
//   GdiObjectCount count;
//   ... create, paint, destroy ...
//   EXPECT_EQ(0u, count.Outstanding());
//
// Only handles made through the patched imports are tracked; deleting a
// handle made elsewhere (a host's font, a stock object) changes nothing.
#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "ImportPatch.h"

class GdiObjectCount {
public:
    GdiObjectCount()
    {
        Live().clear();
        Self() = this;
        for (const char* module : {"zr8wlib.dll", "zr8afx.dll"}) {
            HMODULE handle = ::GetModuleHandleA(module);
            if (handle != nullptr)
                PatchModule(handle);
        }
    }
    GdiObjectCount(const GdiObjectCount&) = delete;
    GdiObjectCount& operator=(const GdiObjectCount&) = delete;
    ~GdiObjectCount()
    {
        m_patches.clear();
        Self() = nullptr;
    }

    // Objects created through the patched imports and not deleted yet.
    size_t Outstanding() const { return Live().size(); }
    // Every object created since the count started, deleted or not.
    size_t Created() const { return m_created; }
    // Imports patched, so a test can tell that counting is really on.
    size_t Patched() const { return m_patches.size(); }

private:
    static GdiObjectCount*& Self()
    {
        static GdiObjectCount* self = nullptr;
        return self;
    }
    static std::set<HGDIOBJ>& Live()
    {
        static std::set<HGDIOBJ> live;
        return live;
    }
    template <typename Handle>
    static Handle Track(Handle handle)
    {
        if (handle != nullptr) {
            Live().insert(reinterpret_cast<HGDIOBJ>(handle));
            if (Self() != nullptr)
                ++Self()->m_created;
        }
        return handle;
    }
    static BOOL Untrack(HGDIOBJ handle, BOOL deleted)
    {
        if (deleted)
            Live().erase(handle);
        return deleted;
    }

    static HPEN WINAPI MyCreatePen(int style, int width, COLORREF color)
    {
        return Track(::CreatePen(style, width, color));
    }
    static HPEN WINAPI MyCreatePenIndirect(const LOGPEN* pen) { return Track(::CreatePenIndirect(pen)); }
    static HBRUSH WINAPI MyCreateSolidBrush(COLORREF color) { return Track(::CreateSolidBrush(color)); }
    static HBRUSH WINAPI MyCreateBrushIndirect(const LOGBRUSH* brush) { return Track(::CreateBrushIndirect(brush)); }
    static HBRUSH WINAPI MyCreateHatchBrush(int hatch, COLORREF color) { return Track(::CreateHatchBrush(hatch, color)); }
    static HBRUSH WINAPI MyCreatePatternBrush(HBITMAP bitmap) { return Track(::CreatePatternBrush(bitmap)); }
    static HFONT WINAPI MyCreateFontIndirectA(const LOGFONTA* font) { return Track(::CreateFontIndirectA(font)); }
    static HFONT WINAPI MyCreateFontA(int height, int width, int escapement, int orientation, int weight,
                                      DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                                      DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                                      DWORD pitchAndFamily, LPCSTR face)
    {
        return Track(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                   charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face));
    }
    static HBITMAP WINAPI MyCreateBitmap(int cx, int cy, UINT planes, UINT bits, const void* data)
    {
        return Track(::CreateBitmap(cx, cy, planes, bits, data));
    }
    static HBITMAP WINAPI MyCreateBitmapIndirect(const BITMAP* bitmap) { return Track(::CreateBitmapIndirect(bitmap)); }
    static HBITMAP WINAPI MyCreateCompatibleBitmap(HDC dc, int cx, int cy)
    {
        return Track(::CreateCompatibleBitmap(dc, cx, cy));
    }
    static HBITMAP WINAPI MyCreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                                           const BITMAPINFO* info, UINT usage)
    {
        return Track(::CreateDIBitmap(dc, header, init, bits, info, usage));
    }
    static HBITMAP WINAPI MyCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                             HANDLE section, DWORD offset)
    {
        return Track(::CreateDIBSection(dc, info, usage, bits, section, offset));
    }
    static HDC WINAPI MyCreateCompatibleDC(HDC dc) { return Track(::CreateCompatibleDC(dc)); }
    static HPALETTE WINAPI MyCreatePalette(const LOGPALETTE* palette) { return Track(::CreatePalette(palette)); }
    static HRGN WINAPI MyCreateRectRgn(int left, int top, int right, int bottom)
    {
        return Track(::CreateRectRgn(left, top, right, bottom));
    }
    static HRGN WINAPI MyCreateRectRgnIndirect(const RECT* rect) { return Track(::CreateRectRgnIndirect(rect)); }
    static HBITMAP WINAPI MyLoadBitmapA(HINSTANCE instance, LPCSTR name) { return Track(::LoadBitmapA(instance, name)); }
    static HANDLE WINAPI MyLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
    {
        HANDLE image = ::LoadImageA(instance, name, type, cx, cy, flags);
        return type == IMAGE_BITMAP ? Track(image) : image;
    }
    // GetIconInfo hands over copies of the icon's bitmaps for the caller to delete.
    static BOOL WINAPI MyGetIconInfo(HICON icon, ICONINFO* info)
    {
        BOOL got = ::GetIconInfo(icon, info);
        if (got)
            Track(info->hbmMask), Track(info->hbmColor);
        return got;
    }
    static BOOL WINAPI MyDeleteObject(HGDIOBJ object) { return Untrack(object, ::DeleteObject(object)); }
    static BOOL WINAPI MyDeleteDC(HDC dc) { return Untrack(dc, ::DeleteDC(dc)); }

    void PatchModule(HMODULE module)
    {
        struct Entry {
            const char* dll;
            const char* name;
            void* replacement;
        };
        const Entry entries[] = {
            {"gdi32.dll", "CreatePen", reinterpret_cast<void*>(MyCreatePen)},
            {"gdi32.dll", "CreatePenIndirect", reinterpret_cast<void*>(MyCreatePenIndirect)},
            {"gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(MyCreateSolidBrush)},
            {"gdi32.dll", "CreateBrushIndirect", reinterpret_cast<void*>(MyCreateBrushIndirect)},
            {"gdi32.dll", "CreateHatchBrush", reinterpret_cast<void*>(MyCreateHatchBrush)},
            {"gdi32.dll", "CreatePatternBrush", reinterpret_cast<void*>(MyCreatePatternBrush)},
            {"gdi32.dll", "CreateFontA", reinterpret_cast<void*>(MyCreateFontA)},
            {"gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(MyCreateFontIndirectA)},
            {"gdi32.dll", "CreateBitmap", reinterpret_cast<void*>(MyCreateBitmap)},
            {"gdi32.dll", "CreateBitmapIndirect", reinterpret_cast<void*>(MyCreateBitmapIndirect)},
            {"gdi32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(MyCreateCompatibleBitmap)},
            {"gdi32.dll", "CreateDIBitmap", reinterpret_cast<void*>(MyCreateDIBitmap)},
            {"gdi32.dll", "CreateDIBSection", reinterpret_cast<void*>(MyCreateDIBSection)},
            {"gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(MyCreateCompatibleDC)},
            {"gdi32.dll", "CreatePalette", reinterpret_cast<void*>(MyCreatePalette)},
            {"gdi32.dll", "CreateRectRgn", reinterpret_cast<void*>(MyCreateRectRgn)},
            {"gdi32.dll", "CreateRectRgnIndirect", reinterpret_cast<void*>(MyCreateRectRgnIndirect)},
            {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(MyDeleteObject)},
            {"gdi32.dll", "DeleteDC", reinterpret_cast<void*>(MyDeleteDC)},
            {"user32.dll", "LoadBitmapA", reinterpret_cast<void*>(MyLoadBitmapA)},
            {"user32.dll", "LoadImageA", reinterpret_cast<void*>(MyLoadImageA)},
            {"user32.dll", "GetIconInfo", reinterpret_cast<void*>(MyGetIconInfo)},
        };
        for (const Entry& entry : entries) {
            auto patch = std::make_unique<ImportPatch>(module, entry.dll, entry.name, entry.replacement);
            if (patch->Ok())
                m_patches.push_back(std::move(patch));
        }
    }

    std::vector<std::unique_ptr<ImportPatch>> m_patches;
    size_t m_created = 0;
};
