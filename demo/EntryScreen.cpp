// The demo's data-entry screen: a host dialog whose keyboard navigation
// comes from the dialog item table (CDlgSb), driven with real keystrokes
// (SendInput) through the dialog's own modal loop: Enter moves on, Enter on
// a radio button chooses it, Enter opens and closes the combo list, the IME
// follows each edit item. Screenshots are taken along the way.
#include <cstdio>
#include <functional>
#include <vector>

#include "DemoIds.h"
#include "DemoInput.h"
#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const UINT kFuncKeyMsg = WM_APP + 1;
const UINT kCheckMsg = WM_APP + 3;
const UINT_PTR kStepTimer = 1;

const char* ControlName(int id)
{
    switch (id) {
    case IDC_DEMO_NAME: return "氏名";
    case IDC_DEMO_KANA: return "フリガナ";
    case IDC_DEMO_ORDINARY: return "普通";
    case IDC_DEMO_CURRENT: return "当座";
    case IDC_DEMO_SAVINGS: return "貯蓄";
    case IDC_DEMO_CHECKED: return "確認済み";
    case IDC_DEMO_AREA: return "地区";
    case IDC_DEMO_CROP: return "作物";
    case IDOK: return "登録";
    case IDCANCEL: return "取消";
    default: return "?";
    }
}

class EntryDemoDialog : public CDialog {
public:
    struct Step {
        const char* action;      // what the user does, for the log
        std::function<void()> keys;
        int expectedFocus;       // where the focus must be afterwards; 0 = not checked
    };

    EntryDemoDialog(const std::string& outFolder) : CDialog(IDD_DEMO_ENTRY), m_outFolder(outFolder) {}

    std::vector<CString> log;
    bool ok = true;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (const char* area : {"東", "西", "南", "北"})
            SendDlgItemMessage(IDC_DEMO_AREA, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(area));
        for (const char* crop : {"米", "麦", "大豆", "野菜"})
            SendDlgItemMessage(IDC_DEMO_CROP, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(crop));
        SendDlgItemMessage(IDC_DEMO_AREA, CB_SETCURSEL, 0);
        SendDlgItemMessage(IDC_DEMO_CROP, LB_SETCURSEL, 0);
        CheckDlgButton(IDC_DEMO_ORDINARY, BST_CHECKED);

        int built = m_table.Init(this, IDD_DEMO_ENTRY, kFuncKeyMsg, 0, kCheckMsg, 0, 0, 0);
        // 氏名: full-width input, its reading into フリガナ; フリガナ: half-width katakana.
        int fep = m_table.SetFep(IDC_DEMO_NAME, IDC_DEMO_KANA, 0, 0, 0, 0);
        int kana = m_table.SetKana(IDC_DEMO_KANA, 0, 0);
        CString line;
        line.Format("CDlgSb::Init=%d (テンプレート %d), SetFep(氏名, よみ=フリガナ)=%d, SetKana(フリガナ)=%d",
                    built, IDD_DEMO_ENTRY, fep, kana);
        log.push_back(line);
        ok = built == 1 && fep == 1 && kana == 1;
        DefineSteps();
        SetTimer(kStepTimer, 250);
        return FALSE;  // the table has set the focus
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        CString line;
        switch (message) {
        case kCheckMsg:
            line.Format("    チェック通知 (投函): %s = %s", ControlName(static_cast<int>(wParam)),
                        IsDlgButtonChecked(static_cast<int>(wParam)) ? "オン" : "オフ");
            log.push_back(line);
            return 0;
        case kFuncKeyMsg:
            line.Format("    機能キー通知 (送信): F%u (0x%02X)", static_cast<UINT>(wParam) - VK_F1 + 1,
                        static_cast<UINT>(wParam));
            log.push_back(line);
            return 0;
        case WM_TIMER:
            if (wParam == kStepTimer) {
                NextStep();
                return 0;
            }
            break;
        default:
            break;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    void DefineSteps()
    {
        m_steps = {
            {"「田中」を入力", [] { SendText(L"田中"); }, IDC_DEMO_NAME},
            {"Enter", [] { SendKey(VK_RETURN); }, IDC_DEMO_KANA},
            {"「ﾀﾅｶ」を入力", [] { SendText(L"ﾀﾅｶ"); }, IDC_DEMO_KANA},
            {"Enter (選ばれている「普通」へ)", [] { SendKey(VK_RETURN); }, IDC_DEMO_ORDINARY},
            {"↓", [] { SendKey(VK_DOWN); }, IDC_DEMO_CURRENT},
            {"Enter (「当座」を選んで次へ)", [] { SendKey(VK_RETURN); }, IDC_DEMO_CHECKED},
            {"Space", [] { SendKey(VK_SPACE); }, IDC_DEMO_CHECKED},
            {"Enter", [] { SendKey(VK_RETURN); }, IDC_DEMO_AREA},
            {"Enter (一覧を開く)", [] { SendKey(VK_RETURN); }, IDC_DEMO_AREA},
            {"↓ (一覧の中で「西」へ)", [] { SendKey(VK_DOWN); }, IDC_DEMO_AREA},
            {"画面を保存", [this] { Capture("05-entry-1-list", true); }, 0},
            {"Enter (一覧を閉じて次へ)", [] { SendKey(VK_RETURN); }, IDC_DEMO_CROP},
            {"↓ (一覧の中で「麦」へ)", [] { SendKey(VK_DOWN); }, IDC_DEMO_CROP},
            {"F5", [] { SendKey(VK_F5); }, IDC_DEMO_CROP},
            {"→ (次の項目「登録」へ)", [] { SendKey(VK_RIGHT); }, IDOK},
            {"画面を保存", [this] { Capture("05-entry-2-done", false); }, 0},
            {"Enter (「登録」を押す)", [] { SendKey(VK_RETURN); }, 0},
        };
    }

    // Runs once per tick: first checks the previous step's result, then
    // does the next one. A tick comes only when the input is handled.
    void NextStep()
    {
        if (m_next > 0)
            Report(m_steps[m_next - 1]);
        if (m_next >= m_steps.size()) {
            KillTimer(kStepTimer);
            log.push_back("    (登録が押されず、終了させました)");
            ok = false;
            EndDialog(IDABORT);
            return;
        }
        m_steps[m_next++].keys();
    }

    void Report(const Step& step)
    {
        HWND focus = ::GetFocus();
        int id = ::GetDlgCtrlID(focus);
        HIMC himc = ::ImmGetContext(focus);
        DWORD conversion = 0, sentence = 0;
        ::ImmGetConversionStatus(himc, &conversion, &sentence);
        BOOL open = ::ImmGetOpenStatus(himc);
        ::ImmReleaseContext(focus, himc);
        const char* mode = !open ? "閉" : (conversion & IME_CMODE_FULLSHAPE) ? "開・全角" : "開・半角ｶﾅ";
        CString line;
        line.Format("%s → フォーカス: %s, IME: %s (変換 0x%02lX)", step.action, ControlName(id), mode, conversion);
        log.push_back(line);
        if (step.expectedFocus != 0 && id != step.expectedFocus) {
            line.Format("    想定外: フォーカスは %s のはず", ControlName(step.expectedFocus));
            log.push_back(line);
            ok = false;
        }
        CString status;
        status.Format("操作: %s\r\n\r\nフォーカス:\r\n  %s\r\n\r\nIME: %s\r\n変換モード 0x%02lX", step.action,
                      ControlName(id), mode, conversion);
        SetDlgItemText(IDC_DEMO_STATUS, status);
        ::UpdateWindow(m_hWnd);
    }

    void Capture(const char* name, bool withList)
    {
        RECT area;
        GetWindowRect(&area);
        if (withList) {
            COMBOBOXINFO info = {};
            info.cbSize = sizeof info;
            if (::GetComboBoxInfo(::GetDlgItem(m_hWnd, IDC_DEMO_AREA), &info) && ::IsWindowVisible(info.hwndList)) {
                RECT list;
                ::GetWindowRect(info.hwndList, &list);
                ::UnionRect(&area, &area, &list);
            }
        }
        ok = SaveScreenAreaPng(area, m_outFolder, name) && ok;
    }

    std::string m_outFolder;
    CDlgSb m_table;
    std::vector<Step> m_steps;
    size_t m_next = 0;
};

} // namespace

DemoScreen RunEntryScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "05-entry-3-log";
    screen.title = "zr8WLIB デモ - データ入力 (CDlgSb) の記録";
    screen.description = "Enter と矢印キーで項目を移るダイアログに実際のキー入力を送った記録";

    EntryDemoDialog dialog(outFolder);
    INT_PTR result = dialog.DoModal();
    screen.lines = dialog.log;
    screen.shots.push_back({"05-entry-1-list", "zr8WLIB デモ - データ入力 (CDlgSb): コンボの一覧",
                            "Enter でコンボボックスの一覧を開いたところ (実際のキー入力)"});
    screen.shots.push_back({"05-entry-2-done", "zr8WLIB デモ - データ入力 (CDlgSb): 入力後",
                            "全項目を入力し終えたダイアログ、フォーカスと IME の状態"});

    CString line;
    line.Format("DoModal の結果: %s", result == IDOK ? "IDOK (登録)" : "想定外");
    screen.lines.push_back(line);
    *ok = *ok && dialog.ok && result == IDOK;
    return screen;
}
