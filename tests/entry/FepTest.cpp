// IME control: CFep's mode arithmetic read back through IMM32, the edit
// items' IME cycle in a real modal dialog, and the reading field.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "EntryHarness.h"
#include "support/ImportPatch.h"

namespace {

const DWORD kHiraganaFull = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;  // 0x09
const DWORD kHalfKatakana = IME_CMODE_NATIVE | IME_CMODE_KATAKANA;   // 0x03

// The reading a real Japanese IME would report, under its index.
DWORD g_index;
std::string g_reading;

LONG WINAPI FakeGetCompositionString(HIMC, DWORD index, LPVOID buffer, DWORD size)
{
    if (index != g_index)
        return IMM_ERROR_NODATA;
    if (buffer != nullptr && size >= g_reading.size())
        std::memcpy(buffer, g_reading.data(), g_reading.size());
    return static_cast<LONG>(g_reading.size());
}

// Sends one IME message to an edit, the IME reporting reading under index
// (also the message's flags); gives the reading field's text.
std::string Ime(EntryDialog& d, UINT message, DWORD index = 0, const char* reading = "", int edit = IDC_READING_MAIN)
{
    g_index = index;
    g_reading = reading;
    ::SendMessageA(d.Item(edit), message, 0, index);
    return TextOf(d.Item(IDC_READING_FIELD));
}

// FepOn opens the IME in half-width katakana (saving the low four bits) or
// full width; FepOff puts back what was saved and closes it.
// Then in a dialog, focus switches the edit items' IME and the reading field
// fills up to its limit.
TEST(Fep, ModeArithmeticThenFocusSwitchesTheImeAndTheReadingFieldFillsUpToItsLimit)
{
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr));
    // The conversion bits before FepOn, its kana flag, the bits while on and after FepOff.
    const std::tuple<DWORD, short, DWORD, DWORD> cases[] = {
        {kHiraganaFull | IME_CMODE_ROMAN, 1, kHalfKatakana | IME_CMODE_ROMAN, kHiraganaFull | IME_CMODE_ROMAN},
        {0, 1, kHalfKatakana, kHalfKatakana},  // saved bits 0: nothing to put back
        {kHalfKatakana, 0, kHalfKatakana | IME_CMODE_FULLSHAPE, kHalfKatakana | IME_CMODE_FULLSHAPE}};
    for (const auto& [before, kana, on, after] : cases) {
        SetIme(edit.m_hWnd, FALSE, before);
        CFep fep;
        EXPECT_EQ(fep.FepOn(&edit, 3, 4, kana), 1);
        EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, on)) << before;
        fep.FepOff();
        EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, after)) << before;
    }

    // A second FepOn leaves the IME alone but forgets the saved bits.
    SetIme(edit.m_hWnd, FALSE, kHiraganaFull);
    CFep fep;
    EXPECT_EQ((std::tuple{fep.KanaOn(&edit, 0, 0), fep.FepOn(&edit, 0, 0, 0)}), std::tuple(1, 0));
    EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, kHalfKatakana));
    fep.FepOff();
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHalfKatakana));
    // FepOff in the off state still closes what others opened; without a
    // target, nothing happens.
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    fep.FepOff();
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHiraganaFull));
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    CFep none;
    EXPECT_EQ(none.FepOn(nullptr, 0, 0, 1), 0);
    none.FepOff();
    EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, kHiraganaFull));
    // FepAbsOff closes an open IME.
    CFep().FepAbsOff(&edit);
    CFep().FepAbsOff(nullptr);
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHiraganaFull));
    edit.DestroyWindow();

    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "imm32.dll", "ImmGetCompositionStringA",
                      reinterpret_cast<void*>(FakeGetCompositionString));
    ASSERT_TRUE(patch.Ok());
    EntryDialog dialog(IDD_READING);
    dialog.recorded.erase(kEditChange);  // each change of the reading field
    dialog.beforeInit = [](EntryDialog& d) { SetIme(d.m_hWnd, TRUE, 0); };
    dialog.afterInit = [](EntryDialog& d) {
        EXPECT_TRUE(ImeIs(d.Item(IDC_READING_MAIN), FALSE, 0));  // Init closed it
        // OK is not an edit, nor a reading field.
        EXPECT_EQ((std::vector<int>{d.table.SetFep(IDC_READING_MAIN, IDC_READING_FIELD, 0, 0, 0, 0),
                                    d.table.SetKana(IDC_READING_KANA, 0, 0), d.table.SetFep(IDOK, 0, 0, 0, 0, 0),
                                    d.table.SetFep(IDC_READING_MAIN, IDOK, 0, 0, 0, 0),
                                    d.table.SetFep(999, 0, 0, 0, 0, 0)}), (std::vector<int>{1, 1, 0, 0, 0}));
        // The first item had the focus before SetFep: it switches on by its own message.
        EXPECT_TRUE(ImeIs(d.Item(IDC_READING_MAIN), FALSE, 0));
    };
    auto ime = [](BOOL on, DWORD mode) { return [=](EntryDialog&) { EXPECT_TRUE(ImeIs(::GetFocus(), on, mode)); }; };
    EXPECT_EQ(dialog.Play({
        {nullptr, IDC_READING_MAIN, {}, ime(TRUE, IME_CMODE_FULLSHAPE)},
        {Keys({VK_RETURN}), IDC_READING_FIELD, {}, ime(FALSE, IME_CMODE_FULLSHAPE)},
        {[](EntryDialog& d) {
             SetIme(d.m_hWnd, FALSE, kHiraganaFull);
             SendKey(VK_RETURN);
         }, IDC_READING_KANA, {}, ime(TRUE, kHalfKatakana)},
        {Keys({VK_UP}), IDC_READING_FIELD, {}, ime(FALSE, kHiraganaFull)},  // the saved bits came back
        {[](EntryDialog& d) {
             HWND field = d.Item(IDC_READING_FIELD);
             ::SendMessageA(field, EM_LIMITTEXT, 10, 0);
             ::SetWindowTextA(field, "ABCDEFGH");
             Ime(d, WM_IME_STARTCOMPOSITION);
             // ｱｲ being composed; then the committed reading has 5 bytes, 2 fit under the limit of 10.
             EXPECT_EQ(Ime(d, WM_IME_COMPOSITION, GCS_COMPREADSTR, "\xB1\xB2"), "ABCDEFGH\xB1\xB2");
             EXPECT_EQ(Ime(d, WM_IME_COMPOSITION, GCS_RESULTREADSTR, "\xB1\xB2\xB3\xB4\xB5"), "ABCDEFGH\xB1\xB2");
             // A cleared field takes it all.
             ::SetWindowTextA(field, "");
             Ime(d, WM_IME_STARTCOMPOSITION);
             Ime(d, WM_IME_COMPOSITION, GCS_RESULTREADSTR, "\xB6\xB7");
             EXPECT_EQ(Ime(d, WM_IME_COMPOSITION, GCS_COMPREADSTR, "\xB8"), "\xB6\xB7\xB8");
             // lParam 0: the base text alone (the composition was cancelled).
             EXPECT_EQ((std::vector<std::string>{Ime(d, WM_IME_COMPOSITION), Ime(d, WM_IME_ENDCOMPOSITION)}),
                       std::vector<std::string>(2, "\xB6\xB7"));
             // A field without a limit reports one beyond 16 bits, which reads
             // as negative: nothing is appended.
             ::SendMessageA(field, EM_LIMITTEXT, 0, 0);
             Ime(d, WM_IME_STARTCOMPOSITION);
             Ime(d, WM_IME_COMPOSITION, GCS_RESULTREADSTR, "\xB9");
             EXPECT_EQ(Ime(d, WM_IME_ENDCOMPOSITION), "\xB6\xB7");
             // An edit without a reading field: its IME messages change nothing.
             Ime(d, WM_IME_STARTCOMPOSITION, 0, "", IDC_READING_KANA);
             EXPECT_EQ(Ime(d, WM_IME_COMPOSITION, GCS_RESULTREADSTR, "\xB9", IDC_READING_KANA), "\xB6\xB7");
         }, 0}}), IDABORT);
}

} // namespace
