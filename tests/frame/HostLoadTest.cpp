#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "afx/AfxModule.h"
#include "afx/CString.h"

namespace {

const int kProgressDialog = 1572;  // the library's progress dialog template

// This executable stands for a host: it links the framework only and loads
// the library at run time.
TEST(HostLoad, InitWinLibDLLLinksTheLibraryAndLoadStringUsesTheChain)
{
    HINSTANCE host = AfxGetResourceHandle();
    EXPECT_EQ(std::make_pair(host, AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG)),
              std::make_pair(::GetModuleHandleA(nullptr), ::GetModuleHandleA(nullptr)));

    HMODULE library = ::LoadLibraryA("zr8wlib.dll");
    ASSERT_NE(library, nullptr) << ::GetLastError();
    auto init = reinterpret_cast<void (*)()>(::GetProcAddress(library, "InitWinLibDLL"));
    ASSERT_NE(init, nullptr);

    // Loading alone links nothing: the host decides when, by the call.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG), host);
    init();
    // The host's own resource handle still comes first, and absent
    // resources fall back to it.
    EXPECT_EQ(std::make_pair(AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG),
                             AfxFindResourceHandle(MAKEINTRESOURCE(4242), RT_DIALOG)), std::make_pair(library, host));

    // LoadString gives Shift-JIS from the chain.
    CString text;
    // 表示ソ and a backslash.
    EXPECT_EQ((std::tuple{text.LoadString(100), std::string(text), std::string(CString(MAKEINTRESOURCE(100)))}),
              std::tuple(TRUE, "\x95\x5C\x8E\xA6\x83\x5C\\", "\x95\x5C\x8E\xA6\x83\x5C\\"));
}

} // namespace
