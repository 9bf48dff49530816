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
#include <tuple>
#include <vector>

#include "ImportPatch.h"

class GdiObjectCount {
public:
    GdiObjectCount()
    {
        s_live.clear();
        s_created = 0;
        for (const char* module : {"zr8wlib.dll", "zr8afx.dll"}) {
            HMODULE handle = ::GetModuleHandleA(module);
            if (handle != nullptr)
                PatchModule(handle);
        }
    }

    // Objects created through the patched imports and not deleted yet.
    size_t Outstanding() const { return s_live.size(); }
    // Every object created since the count started, deleted or not.
    size_t Created() const { return s_created; }
    // Imports patched, so a test can tell that counting is really on.
    size_t Patched() const { return m_patches.size(); }

private:
    static inline std::set<HGDIOBJ> s_live;
    static inline size_t s_created = 0;

    template <typename Handle>
    static Handle Track(Handle handle)
    {
        if (handle != nullptr) {
            s_live.insert(reinterpret_cast<HGDIOBJ>(handle));
            ++s_created;
        }
        return handle;
    }
    static BOOL Untrack(HGDIOBJ handle, BOOL deleted)
    {
        if (deleted)
            s_live.erase(handle);
        return deleted;
    }

    // Stands in for an import that creates an object: tracks what it returns.
    template <auto Create>
    struct Tracked;
    template <typename Handle, typename... Args, Handle(WINAPI* Create)(Args...)>
    struct Tracked<Create> {
        static Handle WINAPI Call(Args... args) { return Track(Create(args...)); }
    };
    static HANDLE WINAPI MyLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
    {
        HANDLE image = ::LoadImageA(instance, name, type, cx, cy, flags);
        return type == IMAGE_BITMAP ? Track(image) : image;
    }
    // GetIconInfo hands over copies of the icon's bitmaps for the caller to delete.
    static BOOL WINAPI MyGetIconInfo(HICON icon, ICONINFO* info)
    {
        BOOL got = ::GetIconInfo(icon, info);
        if (got) {
            Track(info->hbmMask);
            Track(info->hbmColor);
        }
        return got;
    }
    static BOOL WINAPI MyDeleteObject(HGDIOBJ object) { return Untrack(object, ::DeleteObject(object)); }
    static BOOL WINAPI MyDeleteDC(HDC dc) { return Untrack(dc, ::DeleteDC(dc)); }

    void PatchModule(HMODULE module)
    {
        using Entry = std::tuple<const char*, const char*, void*>;  // DLL, function, replacement
#define ZR8_TRACKED(dll, name) {dll, #name, reinterpret_cast<void*>(Tracked<::name>::Call)}
#define ZR8_GDI(name) ZR8_TRACKED("gdi32.dll", name)
        const Entry entries[] = {
            ZR8_GDI(CreatePen), ZR8_GDI(CreatePenIndirect), ZR8_GDI(CreateSolidBrush), ZR8_GDI(CreateBrushIndirect),
            ZR8_GDI(CreateHatchBrush), ZR8_GDI(CreatePatternBrush), ZR8_GDI(CreateFontA), ZR8_GDI(CreateFontIndirectA),
            ZR8_GDI(CreateBitmap), ZR8_GDI(CreateBitmapIndirect), ZR8_GDI(CreateCompatibleBitmap),
            ZR8_GDI(CreateDIBitmap), ZR8_GDI(CreateDIBSection), ZR8_GDI(CreateCompatibleDC), ZR8_GDI(CreatePalette),
            ZR8_GDI(CreateRectRgn), ZR8_GDI(CreateRectRgnIndirect), ZR8_TRACKED("user32.dll", LoadBitmapA),
            {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(MyDeleteObject)},
            {"gdi32.dll", "DeleteDC", reinterpret_cast<void*>(MyDeleteDC)},
            {"user32.dll", "LoadImageA", reinterpret_cast<void*>(MyLoadImageA)},
            {"user32.dll", "GetIconInfo", reinterpret_cast<void*>(MyGetIconInfo)},
        };
#undef ZR8_GDI
#undef ZR8_TRACKED
        for (const auto& [dll, name, replacement] : entries) {
            auto patch = std::make_unique<ImportPatch>(module, dll, name, replacement);
            if (patch->Ok())
                m_patches.push_back(std::move(patch));
        }
    }

    // Non-copyable through these.
    std::vector<std::unique_ptr<ImportPatch>> m_patches;
};
