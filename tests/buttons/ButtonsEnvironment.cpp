// The process stands for a host: an application object, the library's
// resources in the chain, and the test program's own module linked in as an
// extension of the host (its bitmaps found through the chain, as a host's
// resource DLL's are).
#include <gtest/gtest.h>

#include "afx/CDynLinkLibrary.h"
#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"

namespace {

class ButtonsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        InitWinLibDLL();
        AfxInitExtensionModule(m_hostModule, ::GetModuleHandleA(nullptr));
        m_hostLink = new CDynLinkLibrary(m_hostModule);
    }
    void TearDown() override { delete m_hostLink; }

private:
    AFX_EXTENSION_MODULE m_hostModule = {FALSE, nullptr, nullptr};
    CDynLinkLibrary* m_hostLink = nullptr;
};

CWinApp g_application("buttons");
const auto* g_environment = ::testing::AddGlobalTestEnvironment(new ButtonsEnvironment);

} // namespace
