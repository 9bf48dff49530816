#include <gtest/gtest.h>

#include "afx/AfxModule.h"
#include "afx/CString.h"

namespace {

const int kProgressDialog = 1572;  // the library's progress dialog template

// This executable stands for a host: it links the framework only and loads
// the library at run time.
TEST(HostLoad, InitWinLibDLLLinksTheLibraryAndLoadStringUsesTheChain)
{
    HINSTANCE host = AfxGetResourceHandle();
    EXPECT_EQ(host, ::GetModuleHandleA(nullptr));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG), host);

    HMODULE library = ::LoadLibraryA("zr8wlib.dll");
    ASSERT_NE(library, nullptr) << ::GetLastError();
    auto init = reinterpret_cast<void (*)()>(::GetProcAddress(library, "InitWinLibDLL"));
    ASSERT_NE(init, nullptr);

    // Loading alone links nothing: the host decides when, by the call.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG), host);
    init();
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(kProgressDialog), RT_DIALOG), library);

    // The host's own resource handle still comes first, and absent
    // resources fall back to it.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(4242), RT_DIALOG), host);

    // LoadString gives Shift-JIS from the chain.
    CString text;
    ASSERT_TRUE(text.LoadString(100));
    EXPECT_EQ(text, "\x95\x5C\x8E\xA6\x83\x5C\\");  // 表示ソ and a backslash
    EXPECT_EQ(CString(MAKEINTRESOURCE(100)), text);
}

} // namespace
