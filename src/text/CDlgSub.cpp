#include "CDlgSub.h"

#include <new>

#include "text/CCheck.h"
#include "text/CConv.h"

#ifdef _WIN32
#include "afx/CDialog.h"
#include "afx/CWinApp.h"
#endif

namespace {

template <typename Low>
int CheckWithNewCCheck(const char* text, Low low, Low high)
{
    CCheck* check = new (std::nothrow) CCheck;
    if (check == nullptr)
        return 0;
    int result = check->DataCheck(text, low, high);
    delete check;
    return result;
}

} // namespace

CDlgSub::CDlgSub() : m_savedHelpFile(nullptr), m_savedHelpId(0), m_helpIdVar(nullptr)
{
}

CDlgSub::~CDlgSub()
{
#ifdef _WIN32
    if (m_helpIdVar == nullptr)
        return;
    CWinApp* application = AfxGetApp();
    if (application != nullptr)
        application->m_pszHelpFilePath = m_savedHelpFile;
    *m_helpIdVar = m_savedHelpId;
#endif
}

void CDlgSub::CommaStr(char* out, long value)
{
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return;
    conv->CommaStr(out, value);
    delete conv;
}

void CDlgSub::CommaStr(char* out, short value)
{
    CommaStr(out, static_cast<long>(value));
}

void CDlgSub::CommaStr(char* out, double value, short /*decimals*/)
{
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return;
    conv->CommaStr(out, value, static_cast<short>(0));
    delete conv;
}

void CDlgSub::CommaStr(char* out, float value, short decimals)
{
    CommaStr(out, static_cast<double>(value), decimals);
}

void CDlgSub::KanjiCopy(unsigned char* dest, unsigned char* src, short count)
{
    CConv* conv = new (std::nothrow) CConv;
    if (conv == nullptr)
        return;
    conv->KanjiCopy(dest, src, count);
    delete conv;
}

int CDlgSub::ValueCheck(const char* text, long low, long high)
{
    return CheckWithNewCCheck(text, low, high);
}

int CDlgSub::ValueCheck(const char* text, short low, short high)
{
    return CheckWithNewCCheck(text, static_cast<long>(low), static_cast<long>(high));
}

int CDlgSub::ValueCheck(const char* text, double low, double high)
{
    return CheckWithNewCCheck(text, low, high);
}

int CDlgSub::ValueCheck(const char* text, float low, float high)
{
    return CheckWithNewCCheck(text, static_cast<double>(low), static_cast<double>(high));
}

int CDlgSub::ValueCheck(CString text, long low, long high)
{
    return ValueCheck(static_cast<const char*>(text), low, high);
}

int CDlgSub::ValueCheck(CString text, short low, short high)
{
    return ValueCheck(static_cast<const char*>(text), low, high);
}

int CDlgSub::ValueCheck(CString text, double low, double high)
{
    return ValueCheck(static_cast<const char*>(text), low, high);
}

int CDlgSub::ValueCheck(CString text, float low, float high)
{
    return ValueCheck(static_cast<const char*>(text), low, high);
}

#ifdef _WIN32
void CDlgSub::CenteringDialog(CDialog* dialog)
{
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr)
        return;
    RECT bounds;
    dialog->GetWindowRect(&bounds);
    int width = bounds.right - bounds.left;
    int height = bounds.bottom - bounds.top;
    // Integer division rounds toward zero, also for a dialog larger than the screen.
    int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    dialog->MoveWindow(x, y, width, height, TRUE);
}

void CDlgSub::ChangeHelp(DWORD helpId, UINT* helpIdVar)
{
    if (helpIdVar == nullptr)
        return;
    m_savedHelpId = *helpIdVar;
    m_helpIdVar = helpIdVar;
    *helpIdVar = LOWORD(helpId);
    CWinApp* application = AfxGetApp();
    m_savedHelpFile = application != nullptr ? application->m_pszHelpFilePath : nullptr;
}
#endif
