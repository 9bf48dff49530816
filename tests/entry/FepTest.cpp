// IME control: CFep's mode arithmetic read back through IMM32, the edit
// items' IME cycle in a real modal dialog, and the reading field.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "EntryHarness.h"
#include "EntryTestIds.h"
#include "ImportPatch.h"
#include "entry/CFep.h"

namespace {

struct ImeState {
    BOOL open;
    DWORD conversion;
    DWORD sentence;
};

ImeState ReadIme(HWND hwnd)
{
    HIMC himc = ::ImmGetContext(hwnd);
    ImeState state = {::ImmGetOpenStatus(himc), 0, 0};
    ::ImmGetConversionStatus(himc, &state.conversion, &state.sentence);
    ::ImmReleaseContext(hwnd, himc);
    return state;
}

void SetIme(HWND hwnd, BOOL open, DWORD conversion, DWORD sentence = IME_SMODE_PHRASEPREDICT)
{
    HIMC himc = ::ImmGetContext(hwnd);
    ::ImmSetOpenStatus(himc, open);
    ::ImmSetConversionStatus(himc, conversion, sentence);
    ::ImmReleaseContext(hwnd, himc);
}

const DWORD kHiraganaFull = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;  // 0x09
const DWORD kHalfKatakana = IME_CMODE_NATIVE | IME_CMODE_KATAKANA;   // 0x03

class FepWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr)); }
    CWnd edit;
};

TEST_F(FepWindow, KanaFromFullWidthHiraganaIsPutBackByFepOff)
{
    SetIme(edit.m_hWnd, FALSE, kHiraganaFull | IME_CMODE_ROMAN, IME_SMODE_AUTOMATIC);
    CFep fep;
    EXPECT_EQ(fep.FepOn(&edit, 3, 4, 1), 1);
    ImeState on = ReadIme(edit.m_hWnd);
    EXPECT_TRUE(on.open);
    EXPECT_EQ(on.conversion, kHalfKatakana | IME_CMODE_ROMAN);  // bits above the low four stay
    EXPECT_EQ(on.sentence, static_cast<DWORD>(IME_SMODE_AUTOMATIC));
    fep.FepOff();
    ImeState off = ReadIme(edit.m_hWnd);
    EXPECT_FALSE(off.open);
    EXPECT_EQ(off.conversion, kHiraganaFull | IME_CMODE_ROMAN);
    EXPECT_EQ(off.sentence, static_cast<DWORD>(IME_SMODE_AUTOMATIC));
}

TEST_F(FepWindow, ASecondFepOnForgetsTheSavedBits)
{
    SetIme(edit.m_hWnd, FALSE, kHiraganaFull);
    CFep fep;
    EXPECT_EQ(fep.KanaOn(&edit, 0, 0), 1);
    EXPECT_EQ(fep.FepOn(&edit, 0, 0, 0), 0);  // already on: the IME is not touched
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, kHalfKatakana);
    fep.FepOff();
    ImeState off = ReadIme(edit.m_hWnd);
    EXPECT_FALSE(off.open);
    EXPECT_EQ(off.conversion, kHalfKatakana);  // nothing left to put back
}

TEST_F(FepWindow, HalfWidthAlphanumericStartingPoints)
{
    // Kana from half-width alphanumeric: saved bits 0, so only closed after.
    SetIme(edit.m_hWnd, FALSE, 0);
    CFep kana;
    EXPECT_EQ(kana.FepOn(&edit, 0, 0, 1), 1);
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, kHalfKatakana);
    kana.FepOff();
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, kHalfKatakana);
    EXPECT_FALSE(ReadIme(edit.m_hWnd).open);

    // Full width from half-width alphanumeric: the full-shape bit stays.
    SetIme(edit.m_hWnd, FALSE, 0);
    CFep full;
    EXPECT_EQ(full.FepOn(&edit, 0, 0, 0), 1);
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, static_cast<DWORD>(IME_CMODE_FULLSHAPE));
    full.FepOff();
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, static_cast<DWORD>(IME_CMODE_FULLSHAPE));
    EXPECT_FALSE(ReadIme(edit.m_hWnd).open);
}

TEST_F(FepWindow, NoWindowNoTargetAndClosingWhatOthersOpened)
{
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    CFep fep;
    EXPECT_EQ(fep.FepOn(nullptr, 0, 0, 1), 0);
    fep.FepOff();  // no target: nothing happens
    EXPECT_TRUE(ReadIme(edit.m_hWnd).open);
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, kHiraganaFull);

    // Once a target is recorded, FepOff in the off state still closes it.
    EXPECT_EQ(fep.FepOn(&edit, 0, 0, 0), 1);
    fep.FepOff();
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    fep.FepOff();
    EXPECT_FALSE(ReadIme(edit.m_hWnd).open);

    // FepAbsOff closes an open IME and leaves a closed one alone.
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    CFep().FepAbsOff(&edit);
    EXPECT_FALSE(ReadIme(edit.m_hWnd).open);
    CFep().FepAbsOff(&edit);
    CFep().FepAbsOff(nullptr);
    EXPECT_FALSE(ReadIme(edit.m_hWnd).open);
    EXPECT_EQ(ReadIme(edit.m_hWnd).conversion, kHiraganaFull);
}

TEST(EditIme, FocusSwitchesTheItemsImeOnAndOffInAModalDialog)
{
    EntryDialog dialog(IDD_READING);
    dialog.beforeInit = [](EntryDialog& d) { SetIme(d.m_hWnd, TRUE, 0); };
    dialog.afterInit = [](EntryDialog& d) {
        EXPECT_FALSE(ReadIme(d.Item(IDC_READING_MAIN)).open);  // Init closed it
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDC_READING_FIELD, 0, 0, 0, 0), 1);
        EXPECT_EQ(d.table.SetKana(IDC_READING_KANA, 0, 0), 1);
        EXPECT_EQ(d.table.SetFep(IDOK, 0, 0, 0, 0, 0), 0);              // not an edit
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDOK, 0, 0, 0, 0), 0);  // no such reading field
        EXPECT_EQ(d.table.SetFep(999, 0, 0, 0, 0, 0), 0);
        // The first item had the focus before SetFep: it switches on by its own message.
        EXPECT_FALSE(ReadIme(d.Item(IDC_READING_MAIN)).open);
    };
    dialog.steps = {
        [](ScriptedDialog& s) {
            ImeState state = ReadIme(s.Item(IDC_READING_MAIN));
            EXPECT_TRUE(state.open);
            EXPECT_EQ(state.conversion, static_cast<DWORD>(IME_CMODE_FULLSHAPE));
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            EXPECT_EQ(s.FocusID(), IDC_READING_FIELD);
            ImeState state = ReadIme(s.Item(IDC_READING_FIELD));
            EXPECT_FALSE(state.open);
            EXPECT_EQ(state.conversion, static_cast<DWORD>(IME_CMODE_FULLSHAPE));
            SetIme(s.m_hWnd, FALSE, kHiraganaFull);
            SendKey(VK_RETURN);
        },
        [](ScriptedDialog& s) {
            EXPECT_EQ(s.FocusID(), IDC_READING_KANA);
            ImeState state = ReadIme(s.Item(IDC_READING_KANA));
            EXPECT_TRUE(state.open);
            EXPECT_EQ(state.conversion, kHalfKatakana);
            SendKey(VK_UP);
        },
        [](ScriptedDialog& s) {
            EXPECT_EQ(s.FocusID(), IDC_READING_FIELD);
            ImeState state = ReadIme(s.Item(IDC_READING_FIELD));
            EXPECT_FALSE(state.open);
            EXPECT_EQ(state.conversion, kHiraganaFull);  // the saved bits came back
            s.EndDialog(IDOK);
        },
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 4);
}

// The reading strings a real Japanese IME would report.
std::map<DWORD, std::string> g_readings;

LONG WINAPI FakeGetCompositionString(HIMC, DWORD index, LPVOID buffer, DWORD size)
{
    auto found = g_readings.find(index);
    if (found == g_readings.end())
        return IMM_ERROR_NODATA;
    LONG length = static_cast<LONG>(found->second.size());
    if (buffer != nullptr && size >= found->second.size())
        std::memcpy(buffer, found->second.data(), found->second.size());
    return length;
}

std::string TextOf(HWND hwnd)
{
    char text[1100] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TEST(EditIme, TheReadingFieldFillsWithTheReadingUpToItsLimit)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "imm32.dll", "ImmGetCompositionStringA",
                      reinterpret_cast<void*>(FakeGetCompositionString));
    ASSERT_TRUE(patch.Ok());
    EntryDialog dialog(IDD_READING);
    dialog.afterInit = [](EntryDialog& d) {
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDC_READING_FIELD, 0, 0, 0, 0), 1);
    };
    dialog.steps = {[](ScriptedDialog& s) {
        HWND main = s.Item(IDC_READING_MAIN);
        HWND field = s.Item(IDC_READING_FIELD);
        ::SendMessageA(field, EM_LIMITTEXT, 10, 0);
        ::SetWindowTextA(field, "ABCDEFGH");

        ::SendMessageA(main, WM_IME_STARTCOMPOSITION, 0, 0);
        g_readings = {{GCS_COMPREADSTR, "\xB1\xB2"}};  // ｱｲ being composed
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_COMPREADSTR);
        EXPECT_EQ(TextOf(field), "ABCDEFGH\xB1\xB2");
        // The committed reading has 5 bytes; 2 fit under the limit of 10.
        g_readings = {{GCS_RESULTREADSTR, "\xB1\xB2\xB3\xB4\xB5"}};
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_RESULTSTR | GCS_RESULTREADSTR);
        EXPECT_EQ(TextOf(field), "ABCDEFGH\xB1\xB2");
        ::SendMessageA(main, WM_IME_ENDCOMPOSITION, 0, 0);
        EXPECT_EQ(TextOf(field), "ABCDEFGH\xB1\xB2");

        // A full field takes nothing more; a cleared one takes it all.
        ::SendMessageA(main, WM_IME_STARTCOMPOSITION, 0, 0);
        g_readings = {{GCS_COMPREADSTR, "\xB6"}};
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_COMPREADSTR);
        EXPECT_EQ(TextOf(field), "ABCDEFGH\xB1\xB2");
        ::SendMessageA(main, WM_IME_ENDCOMPOSITION, 0, 0);
        ::SetWindowTextA(field, "");
        ::SendMessageA(main, WM_IME_STARTCOMPOSITION, 0, 0);
        g_readings = {{GCS_RESULTREADSTR, "\xB6\xB7"}};
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_RESULTREADSTR);
        g_readings = {{GCS_COMPREADSTR, "\xB8"}};
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_COMPREADSTR);
        EXPECT_EQ(TextOf(field), "\xB6\xB7\xB8");
        // lParam 0: the base text alone (the composition was cancelled).
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, 0);
        EXPECT_EQ(TextOf(field), "\xB6\xB7");
        ::SendMessageA(main, WM_IME_ENDCOMPOSITION, 0, 0);
        EXPECT_EQ(TextOf(field), "\xB6\xB7");

        // A field without a limit reports one beyond 16 bits, which reads
        // as negative: nothing is appended.
        ::SendMessageA(field, EM_LIMITTEXT, 0, 0);
        ::SendMessageA(main, WM_IME_STARTCOMPOSITION, 0, 0);
        g_readings = {{GCS_RESULTREADSTR, "\xB9"}};
        ::SendMessageA(main, WM_IME_COMPOSITION, 0, GCS_RESULTREADSTR);
        ::SendMessageA(main, WM_IME_ENDCOMPOSITION, 0, 0);
        EXPECT_EQ(TextOf(field), "\xB6\xB7");

        // The other edit has no reading field: its IME messages change nothing.
        ::SendMessageA(s.Item(IDC_READING_KANA), WM_IME_STARTCOMPOSITION, 0, 0);
        ::SendMessageA(s.Item(IDC_READING_KANA), WM_IME_COMPOSITION, 0, GCS_RESULTREADSTR);
        EXPECT_EQ(TextOf(field), "\xB6\xB7");
        g_readings.clear();
        s.EndDialog(IDOK);
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.stepsRun, 1);
}

} // namespace
