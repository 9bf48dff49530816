// The demo's input-control screen: a host dialog with a numeric edit, a
// string edit with the IME, a long-text edit, a return combo and a date
// control showing era years, driven by real keystrokes (SendInput) through
// the dialog's own modal loop. Screenshots before and after; the messages
// the dialog received make the screen returned for the log screenshot.
//
// Wine 8's date picker never asks its parent for the year field (it sends
// no DTN_FORMAT, DTN_WMKEYDOWN) and draws it empty; since it also takes the
// height of its text row from the first field's text, an empty year field
// leaves a row 2 pixels high, and month and day are clipped to their middle
// slice at the control's top edge. Under Wine the dialog therefore puts the
// control's answer for the year field into the picker's format as literal
// text, so that the row shows what the Windows picker shows, and repeats the
// answer below the control; the era-year keys are handed over as the Windows
// picker hands them.
#include <cstdio>
#include <functional>
#include <vector>

#include "ControlsDemoIds.h"
#include "DemoInput.h"
#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const short kNumFocus = 0x7101, kStrFocus = 0x7102, kNoteFocus = 0x7103;
const short kNumChange = 0x7111, kStrChange = 0x7112, kNoteChange = 0x7113;
const short kNumKey = 0x7121, kComboReturn = 0x7124, kShiftUp = 0x7130;
const UINT_PTR kStepTimer = 1;

class ControlsDialog : public CDialog {
public:
    explicit ControlsDialog(const std::string& outFolder) : CDialog(IDD_DEMO_CONTROLS), m_outFolder(outFolder) {}

    std::vector<CString> log;
    bool ok = true;
    short quantity = 5;
    char name[21] = "\x95\xC4";  // 米
    char note[201] = "";
    unsigned long finalDate = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_num.Init(this, GetFont(), kNumKey, kNumChange, ::GetDlgItem(m_hWnd, IDC_CTL_NUMBER), m_numKeys, 1, kShiftUp,
                   1, 0, kNumFocus, 1);
        m_num.SetText(&quantity, 1, 999);
        m_str.Init(this, GetFont(), 0, kStrChange, ::GetDlgItem(m_hWnd, IDC_CTL_NAME), nullptr, 0, 0, 0, 1,
                   kStrFocus, 0);
        m_str.LimitText(20);
        m_str.SetText(name);
        m_note.Init(this, GetFont(), 0, kNoteChange, ::GetDlgItem(m_hWnd, IDC_CTL_NOTE), nullptr, 0, 0, 0, 0,
                    kNoteFocus, 0, 1);
        m_note.LimitText(200);
        m_note.SetText(note);

        CRect area(115, 80, 175, 150), day(115, 98, 195, 114);
        MapDialogRect(&area);
        MapDialogRect(&day);
        area.right -= 1;  // the combo's rectangle is inclusive
        area.bottom -= 1;
        m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, area, this, IDC_CTL_AREA,
                       kComboReturn, m_comboKeys, 1, nullptr, 0, 0, 0);
        for (const char* item : {"東", "西", "南", "北"})
            m_combo.AddString(item);
        m_combo.SetCurSel(0);
        m_date.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, day, this, IDC_CTL_DATE);
        m_date.SetType(2);
        m_date.SetDateByValue(20240315);
        for (CWnd* control : {static_cast<CWnd*>(&m_combo), static_cast<CWnd*>(&m_date)})
            control->SetFont(GetFont());
        // Tab order: after the long-text edit, before the button.
        ::SetWindowPos(m_combo.m_hWnd, ::GetDlgItem(m_hWnd, IDC_CTL_NOTE), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetWindowPos(m_date.m_hWnd, m_combo.m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ShowYearField();
        DefineSteps();
        m_num.SetFocus();
        m_num.SetSel();
        SetTimer(kStepTimer, 300);
        return FALSE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const char* what = nullptr;
        switch (message) {
        case kNumFocus: what = "数量にフォーカス (フォーカス通知)"; break;
        case kStrFocus: what = "品名にフォーカス (フォーカス通知)"; break;
        case kNoteFocus: what = "備考にフォーカス (フォーカス通知)"; break;
        case kNumChange: what = "数量が変わった (変更通知)"; break;
        case kStrChange: what = "品名が変わった (変更通知)"; break;
        case kNoteChange: what = "備考が変わった (変更通知)"; break;
        case kShiftUp: what = "数量で Shift を離した"; break;
        case kNumKey: what = "数量で登録キー ↓ (確定のあと)"; break;
        case kComboReturn: what = wParam == 0 && lParam != 0 ? "地区で登録キー F3" : "地区で Enter / Esc"; break;
        case WM_ZR8_DATEKEY: what = "日付のキーを親へ (WM_USER+23000)"; break;
        case WM_TIMER:
            if (wParam == kStepTimer) {
                NextStep();
                return 0;
            }
            break;
        default:
            break;
        }
        if (what != nullptr) {
            CString line;
            line.Format("    受信 0x%04X (%u, 0x%llX): %s", message, static_cast<UINT>(wParam),
                        static_cast<unsigned long long>(lParam), what);
            log.push_back(line);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    struct Step {
        const char* action;
        std::function<void()> act;
    };

    // What the Windows picker sends its parent for the year field.
    CString AskYearField()
    {
        NMDATETIMEFORMATA format = {};
        format.nmhdr = {m_date.m_hWnd, IDC_CTL_DATE, DTN_FORMATA};
        format.pszFormat = "XXXX";
        m_date.GetTime(&format.st);
        SendMessage(WM_NOTIFY, IDC_CTL_DATE, reinterpret_cast<LPARAM>(&format));
        return format.pszDisplay != nullptr ? format.pszDisplay : "";
    }
    void WindowsYearKey(int key)
    {
        NMDATETIMEWMKEYDOWNA down = {};
        down.nmhdr = {m_date.m_hWnd, IDC_CTL_DATE, DTN_WMKEYDOWNA};
        down.nVirtKey = key;
        down.pszFormat = "XXXX";
        m_date.GetTime(&down.st);
        SendMessage(WM_NOTIFY, IDC_CTL_DATE, reinterpret_cast<LPARAM>(&down));
        m_date.SetTime(&down.st);
    }
    static bool UnderWine()
    {
        HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
        return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }
    void ShowYearField()
    {
        CString year = AskYearField(), text;
        if (m_underWine) {
            text.Format("'%s/'MM'/'dd", static_cast<const char*>(year));
            m_date.SetFormat(text);
        }
        text.Format("年欄 (Windows のピッカーが DTN_FORMAT で尋ねたときの答え): 「%s」  日付 %lu",
                    static_cast<const char*>(year), m_date.GetDateByValue());
        SetDlgItemText(IDC_CTL_YEARFIELD, text);
    }

    void DefineSteps()
    {
        m_steps = {
            {"画面を保存 (操作前)", [this] { Capture("06-controls-1-before"); }},
            {"数量に「4a2」と入力 (a は入らない)", [] { SendText(L"4a2"); }},
            {"Shift を押して離す", [] { SendKey(VK_SHIFT); }},
            {"↓ (登録キー: 確定して通知)", [] { SendKey(VK_DOWN); }},
            {"Tab (品名へ)", [] { SendKey(VK_TAB); }},
            {"品名で SetFocus (IME 全角) を呼び「大豆」を入力", [this] { m_str.SetFocus(); m_str.SetSel(); SendText(L"大豆"); }},
            {"Tab (備考へ: 品名を確定)", [] { SendKey(VK_TAB); }},
            {"備考に「一行目」Enter「二行目」", [] { SendText(L"一行目\r二行目"); }},
            {"Tab (地区へ)", [] { SendKey(VK_TAB); }},
            {"Space (一覧を開く)", [] { SendKey(VK_SPACE); }},
            {"↓ (一覧の中で「西」へ)", [] { SendKey(VK_DOWN); }},
            {"F3 (登録キー)", [] { SendKey(VK_F3); }},
            {"Tab (日付へ)", [] { SendKey(VK_TAB); }},
            {"→ (年の欄へ)", [] { SendKey(VK_RIGHT); }},
            {"H と 5 (年の欄のキーを Windows のピッカーと同じ通知で渡す)", [this] { WindowsYearKey('H'); WindowsYearKey('5'); }},
            {"→ (入力した年を確定して月へ)", [] { SendKey(VK_RIGHT); }},
            {"Enter (親へ渡す)", [] { SendKey(VK_RETURN); }},
            {"F5 (親へ渡す)", [] { SendKey(VK_F5); }},
            {"画面を保存 (操作後)", [this] { Capture("06-controls-2-after"); }},
        };
    }

    void NextStep()
    {
        if (m_next > 0)
            Report(m_steps[m_next - 1]);
        if (m_next >= m_steps.size()) {
            KillTimer(kStepTimer);
            finalDate = m_date.GetDateByValue();
            EndDialog(IDOK);
            return;
        }
        m_steps[m_next++].act();
    }

    void Report(const Step& step)
    {
        ShowYearField();
        HWND focus = ::GetFocus();
        HIMC himc = ::ImmGetContext(focus);
        DWORD conversion = 0, sentence = 0;
        ::ImmGetConversionStatus(himc, &conversion, &sentence);
        BOOL open = ::ImmGetOpenStatus(himc);
        ::ImmReleaseContext(focus, himc);
        CString line;
        line.Format("%s → IME %s", step.action, !open ? "閉" : (conversion & IME_CMODE_FULLSHAPE) ? "開・全角" : "開");
        log.push_back(line);
    }

    void Capture(const char* name)
    {
        ::UpdateWindow(m_hWnd);
        RECT area;
        GetWindowRect(&area);
        ok = SaveScreenAreaPng(area, m_outFolder, name) && ok;
    }

    std::string m_outFolder;
    bool m_underWine = UnderWine();
    CEditNum m_num;
    CEditStr m_str;
    CEditStrEx m_note;
    CRetCombo m_combo;
    CDateCtrlEx m_date;
    short m_numKeys[1] = {VK_DOWN};  // Enter would go to the dialog's default button
    short m_comboKeys[1] = {VK_F3};
    std::vector<Step> m_steps;
    size_t m_next = 0;
};

} // namespace

DemoScreen RunControlsScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "06-controls-3-log";
    screen.title = "zr8WLIB デモ - 入力コントロールが親に送ったメッセージ";
    screen.description = "数値・文字列・複数行の入力、リターンコンボ、日付コントロールが親ウィンドウへ送ったメッセージの記録";
    screen.shots.push_back({"06-controls-1-before", "zr8WLIB デモ - 入力コントロール: 操作前",
                            "ホストのダイアログに並んだ数値エディット、文字列エディット、リターンコンボ、日付コントロール"});
    screen.shots.push_back({"06-controls-2-after", "zr8WLIB デモ - 入力コントロール: 操作後",
                            "実際のキー入力で数量、品名 (IME)、備考、地区、和暦の年を入れた後"});
    ControlsDialog dialog(outFolder);
    INT_PTR result = dialog.DoModal();
    screen.lines = dialog.log;
    CString line;
    line.Format("結果: 数量 %d, 品名「%s」, 日付 %lu, DoModal %s", dialog.quantity, dialog.name, dialog.finalDate,
                result == IDOK ? "IDOK" : "想定外");
    screen.lines.push_back(line);
    *ok = *ok && dialog.ok && result == IDOK && dialog.quantity == 42 && dialog.finalDate == 19930315;
    return screen;
}
