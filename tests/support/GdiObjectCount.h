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
        s_live.clear();
        s_self = this;
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
        s_self = nullptr;
    }

    // Objects created through the patched imports and not deleted yet.
    size_t Outstanding() const { return s_live.size(); }
    // Every object created since the count started, deleted or not.
    size_t Created() const { return m_created; }
    // Imports patched, so a test can tell that counting is really on.
    size_t Patched() const { return m_patches.size(); }

private:
    static inline GdiObjectCount* s_self = nullptr;
    static inline std::set<HGDIOBJ> s_live;

    template <typename Handle>
    static Handle Track(Handle handle)
    {
        if (handle != nullptr) {
            s_live.insert(reinterpret_cast<HGDIOBJ>(handle));
            if (s_self != nullptr)
                ++s_self->m_created;
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
        struct Entry {
            const char* dll;
            const char* name;
            void* replacement;
        };
        const Entry entries[] = {
            {"gdi32.dll", "CreatePen", reinterpret_cast<void*>(Tracked<::CreatePen>::Call)},
            {"gdi32.dll", "CreatePenIndirect", reinterpret_cast<void*>(Tracked<::CreatePenIndirect>::Call)},
            {"gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(Tracked<::CreateSolidBrush>::Call)},
            {"gdi32.dll", "CreateBrushIndirect", reinterpret_cast<void*>(Tracked<::CreateBrushIndirect>::Call)},
            {"gdi32.dll", "CreateHatchBrush", reinterpret_cast<void*>(Tracked<::CreateHatchBrush>::Call)},
            {"gdi32.dll", "CreatePatternBrush", reinterpret_cast<void*>(Tracked<::CreatePatternBrush>::Call)},
            {"gdi32.dll", "CreateFontA", reinterpret_cast<void*>(Tracked<::CreateFontA>::Call)},
            {"gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(Tracked<::CreateFontIndirectA>::Call)},
            {"gdi32.dll", "CreateBitmap", reinterpret_cast<void*>(Tracked<::CreateBitmap>::Call)},
            {"gdi32.dll", "CreateBitmapIndirect", reinterpret_cast<void*>(Tracked<::CreateBitmapIndirect>::Call)},
            {"gdi32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(Tracked<::CreateCompatibleBitmap>::Call)},
            {"gdi32.dll", "CreateDIBitmap", reinterpret_cast<void*>(Tracked<::CreateDIBitmap>::Call)},
            {"gdi32.dll", "CreateDIBSection", reinterpret_cast<void*>(Tracked<::CreateDIBSection>::Call)},
            {"gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(Tracked<::CreateCompatibleDC>::Call)},
            {"gdi32.dll", "CreatePalette", reinterpret_cast<void*>(Tracked<::CreatePalette>::Call)},
            {"gdi32.dll", "CreateRectRgn", reinterpret_cast<void*>(Tracked<::CreateRectRgn>::Call)},
            {"gdi32.dll", "CreateRectRgnIndirect", reinterpret_cast<void*>(Tracked<::CreateRectRgnIndirect>::Call)},
            {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(MyDeleteObject)},
            {"gdi32.dll", "DeleteDC", reinterpret_cast<void*>(MyDeleteDC)},
            {"user32.dll", "LoadBitmapA", reinterpret_cast<void*>(Tracked<::LoadBitmapA>::Call)},
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
