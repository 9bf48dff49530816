// Replaces one function that a loaded module imports (its import address
// table entry) for the life of the object: to stand in for an IME that
// reports reading strings (Wine's never does), to count file writes, or to
// count the GDI objects a DLL creates and deletes.
#pragma once

#include <windows.h>

#include <cstring>

class ImportPatch {
public:
    ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement)
    {
        auto* base = reinterpret_cast<BYTE*>(module);
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports);
        for (; imports != 0 && import->Name != 0; ++import) {
            if (::lstrcmpiA(reinterpret_cast<char*>(base + import->Name), dll) != 0)
                continue;
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++slots) {
                auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) && std::strcmp(byName->Name, function) == 0) {
                    m_slot = reinterpret_cast<void**>(&slots->u1.Function);
                    m_original = Swap(replacement);
                    return;
                }
            }
        }
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    ~ImportPatch()
    {
        if (m_slot != nullptr)
            Swap(m_original);
    }

    bool Ok() const { return m_slot != nullptr; }

private:
    void* Swap(void* value)
    {
        DWORD protection;
        ::VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &protection);
        void* old = *m_slot;
        *m_slot = value;
        ::VirtualProtect(m_slot, sizeof(void*), protection, &protection);
        return old;
    }

    void** m_slot = nullptr;
    void* m_original = nullptr;
};
