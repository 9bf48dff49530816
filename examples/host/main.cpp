// zr8host.exe: the smallest host of zr8WLIB. It starts the library, formats
// a number and today's date, and runs a data-entry dialog of its own whose
// Enter key moves between two edits through the library's item table. The
// dialog is driven by real keystrokes, so the program ends by itself: exit
// code 0 when every step gave what it should, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "HostIds.h"
#include "zr8wlib.h"

namespace {

const UINT_PTR kStepTimer = 1;
const UINT kStepMilliseconds = 150;
const int kMaxTicks = 60;  // about 9 seconds, then the dialog gives up

bool Check(bool condition, const char* what)
{
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    return condition;
}

// Presses and releases keys as a keyboard does.
void PressKeys(const char* keys)
{
    for (; *keys != '\0'; ++keys) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = static_cast<WORD>(*keys == '\n' ? VK_RETURN : *keys);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
    }
}

class EntryDialog : public CDialog {
public:
    EntryDialog() : CDialog(IDD_HOST_ENTRY) {}

    bool ok = true;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        // No function-key, close or check messages; stop after the last item
        // and post the after-last notice to this dialog.
        ok = Check(m_table.Init(this, IDD_HOST_ENTRY, 0, 0, 0, 0, 0, 1) == 1, "CDlgSb::Init") && ok;
        SetTimer(kStepTimer, kStepMilliseconds);
        return FALSE;  // the table has set the focus
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_TIMER:
            if (wParam == kStepTimer) {
                Step();
                return 0;
            }
            break;
        case WM_ZR8_AFTERLAST:
            // Enter in the last edit: the table stayed there and told us.
            ok = Check(FocusId() == IDC_HOST_COUNT, "Enter in the last edit keeps the focus there") && ok;
            ok = Check(ItemText(IDC_HOST_COUNT) == "250", "the second edit holds what was typed") && ok;
            KillTimer(kStepTimer);
            EndDialog(IDOK);
            return 0;
        default:
            break;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    // One step per tick; each checks what the keys of the step before did.
    void Step()
    {
        switch (m_tick++) {
        case 0:
            ok = Check(FocusId() == IDC_HOST_CODE, "the table gave the first edit the focus") && ok;
            PressKeys("1024\n");
            break;
        case 1:
            ok = Check(ItemText(IDC_HOST_CODE) == "1024", "the first edit holds what was typed") && ok;
            ok = Check(FocusId() == IDC_HOST_COUNT, "Enter moved the focus to the second edit") && ok;
            PressKeys("250\n");
            break;
        default:
            if (m_tick > kMaxTicks) {
                Check(false, "the after-last notice arrived");
                ok = false;
                KillTimer(kStepTimer);
                EndDialog(IDABORT);
            }
            break;
        }
    }

    int FocusId() const { return ::GetDlgCtrlID(::GetFocus()); }

    CString ItemText(int id) const
    {
        char text[64] = {};
        GetDlgItemText(id, text, sizeof text);
        return CString(text);
    }

    CDlgSb m_table;
    int m_tick = 0;
};

} // namespace

int main()
{
    bool ok = true;

    // Links the library's resources into this program's resource chain.
    InitWinLibDLL();
    ok = Check(::GetModuleHandleA("zr8wlib.dll") != nullptr, "zr8wlib.dll is loaded") && ok;
    std::printf("code page %u\n", ::GetACP());

    CConv conv;
    char number[32];
    conv.CommaStr(number, 1234567L);
    std::printf("1234567 with commas: %s\n", number);
    ok = Check(std::strcmp(number, "1,234,567") == 0, "CConv::CommaStr") && ok;

    CYmd ymd;
    long today = 0;
    ymd.GetNowDate(&today);
    CString era;
    int converted = ymd.ConvWareki(era, today, 3);
    std::printf("today %ld in era style: %s\n", today, static_cast<const char*>(era));
    CString monthDay;
    monthDay.Format("%2ld月%2ld日", today / 100 % 100, today % 100);
    ok = Check(converted == 1 && era.GetLength() > monthDay.GetLength() &&
                   era.Right(monthDay.GetLength()) == monthDay,
               "CYmd::ConvWareki of today") && ok;

    EntryDialog dialog;
    INT_PTR result = dialog.DoModal();
    ok = Check(result == IDOK && dialog.ok, "the entry dialog") && ok;

    std::printf("%s\n", ok ? "host: all steps passed" : "host: some steps failed");
    return ok ? 0 : 1;
}
