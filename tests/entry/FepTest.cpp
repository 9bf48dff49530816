// IME control: CFep's mode arithmetic read back through IMM32, the edit
// items' IME cycle in a real modal dialog, and the reading field.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "EntryHarness.h"
#include "ImportPatch.h"
#include "entry/CFep.h"

namespace {

const DWORD kHiraganaFull = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;  // 0x09
const DWORD kHalfKatakana = IME_CMODE_NATIVE | IME_CMODE_KATAKANA;   // 0x03

void SetIme(HWND hwnd, BOOL open, DWORD conversion, DWORD sentence = IME_SMODE_AUTOMATIC)
{
    HIMC himc = ::ImmGetContext(hwnd);
    ::ImmSetOpenStatus(himc, open);
    ::ImmSetConversionStatus(himc, conversion, sentence);
    ::ImmReleaseContext(hwnd, himc);
}

// The open status and conversion bits; the sentence mode must be as SetIme left it.
::testing::AssertionResult ImeIs(HWND hwnd, BOOL open, DWORD conversion)
{
    HIMC himc = ::ImmGetContext(hwnd);
    DWORD gotConversion = 0, sentence = 0;
    BOOL gotOpen = ::ImmGetOpenStatus(himc);
    ::ImmGetConversionStatus(himc, &gotConversion, &sentence);
    ::ImmReleaseContext(hwnd, himc);
    if (!gotOpen == !open && gotConversion == conversion && sentence == IME_SMODE_AUTOMATIC)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "open " << gotOpen << " conversion " << gotConversion << " sentence "
                                         << sentence;
}

class FepWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr)); }
    CWnd edit;
};

// FepOn opens the IME in half-width katakana (saving the low four bits) or
// full width; FepOff puts back what was saved and closes it.
TEST_F(FepWindow, FepOnAndFepOffFromEachStartingMode)
{
    struct Case {
        DWORD before;
        short kana;
        DWORD on, after;
    };
    const Case cases[] = {
        {kHiraganaFull | IME_CMODE_ROMAN, 1, kHalfKatakana | IME_CMODE_ROMAN, kHiraganaFull | IME_CMODE_ROMAN},
        {0, 1, kHalfKatakana, kHalfKatakana},  // saved bits 0: nothing to put back
        {0, 0, IME_CMODE_FULLSHAPE, IME_CMODE_FULLSHAPE},
        {kHalfKatakana, 0, kHalfKatakana | IME_CMODE_FULLSHAPE, kHalfKatakana | IME_CMODE_FULLSHAPE},
    };
    for (const Case& c : cases) {
        SetIme(edit.m_hWnd, FALSE, c.before);
        CFep fep;
        EXPECT_EQ(fep.FepOn(&edit, 3, 4, c.kana), 1);
        EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, c.on)) << c.before;
        fep.FepOff();
        EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, c.after)) << c.before;
    }

    // A second FepOn leaves the IME alone but forgets the saved bits.
    SetIme(edit.m_hWnd, FALSE, kHiraganaFull);
    CFep fep;
    EXPECT_EQ(fep.KanaOn(&edit, 0, 0), 1);
    EXPECT_EQ(fep.FepOn(&edit, 0, 0, 0), 0);
    EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, kHalfKatakana));
    fep.FepOff();
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHalfKatakana));
}

TEST_F(FepWindow, NoWindowNoTargetAndClosingWhatOthersOpened)
{
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    CFep fep;
    EXPECT_EQ(fep.FepOn(nullptr, 0, 0, 1), 0);
    fep.FepOff();  // no target: nothing happens
    EXPECT_TRUE(ImeIs(edit.m_hWnd, TRUE, kHiraganaFull));

    // Once a target is recorded, FepOff in the off state still closes it.
    EXPECT_EQ(fep.FepOn(&edit, 0, 0, 1), 1);
    fep.FepOff();
    SetIme(edit.m_hWnd, TRUE, kHalfKatakana);
    fep.FepOff();
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHalfKatakana));

    // FepAbsOff closes an open IME and leaves a closed one alone.
    SetIme(edit.m_hWnd, TRUE, kHiraganaFull);
    CFep().FepAbsOff(&edit);
    CFep().FepAbsOff(&edit);
    CFep().FepAbsOff(nullptr);
    EXPECT_TRUE(ImeIs(edit.m_hWnd, FALSE, kHiraganaFull));
}

TEST(EditIme, FocusSwitchesTheItemsImeOnAndOffInAModalDialog)
{
    EntryDialog dialog(IDD_READING);
    dialog.beforeInit = [](EntryDialog& d) { SetIme(d.m_hWnd, TRUE, 0); };
    dialog.afterInit = [](EntryDialog& d) {
        EXPECT_TRUE(ImeIs(d.Item(IDC_READING_MAIN), FALSE, 0));  // Init closed it
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDC_READING_FIELD, 0, 0, 0, 0), 1);
        EXPECT_EQ(d.table.SetKana(IDC_READING_KANA, 0, 0), 1);
        EXPECT_EQ(d.table.SetFep(IDOK, 0, 0, 0, 0, 0), 0);                 // not an edit
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDOK, 0, 0, 0, 0), 0);  // no such reading field
        EXPECT_EQ(d.table.SetFep(999, 0, 0, 0, 0, 0), 0);
        // The first item had the focus before SetFep: it switches on by its own message.
        EXPECT_TRUE(ImeIs(d.Item(IDC_READING_MAIN), FALSE, 0));
    };
    auto ime = [](BOOL open, DWORD conversion) {
        return [=](EntryDialog&) { EXPECT_TRUE(ImeIs(::GetFocus(), open, conversion)); };
    };
    const std::vector<Beat> beats = {
        {nullptr, IDC_READING_MAIN, {}, ime(TRUE, IME_CMODE_FULLSHAPE)},
        {Keys({VK_RETURN}), IDC_READING_FIELD, {}, ime(FALSE, IME_CMODE_FULLSHAPE)},
        {[](EntryDialog& d) {
             SetIme(d.m_hWnd, FALSE, kHiraganaFull);
             SendKey(VK_RETURN);
         },
         IDC_READING_KANA, {}, ime(TRUE, kHalfKatakana)},
        {Keys({VK_UP}), IDC_READING_FIELD, {}, ime(FALSE, kHiraganaFull)},  // the saved bits came back
    };
    EXPECT_EQ(dialog.Play(beats), IDABORT);
}

// The reading strings a real Japanese IME would report.
std::map<DWORD, std::string> g_readings;

LONG WINAPI FakeGetCompositionString(HIMC, DWORD index, LPVOID buffer, DWORD size)
{
    auto found = g_readings.find(index);
    if (found == g_readings.end())
        return IMM_ERROR_NODATA;
    if (buffer != nullptr && size >= found->second.size())
        std::memcpy(buffer, found->second.data(), found->second.size());
    return static_cast<LONG>(found->second.size());
}

TEST(EditIme, TheReadingFieldFillsWithTheReadingUpToItsLimit)
{
    ImportPatch patch(::GetModuleHandleA("zr8wlib.dll"), "imm32.dll", "ImmGetCompositionStringA",
                      reinterpret_cast<void*>(FakeGetCompositionString));
    ASSERT_TRUE(patch.Ok());
    EntryDialog dialog(IDD_READING);
    dialog.recorded.erase(kEditChange);  // each change of the field's text
    dialog.afterInit = [](EntryDialog& d) {
        EXPECT_EQ(d.table.SetFep(IDC_READING_MAIN, IDC_READING_FIELD, 0, 0, 0, 0), 1);
    };
    const std::vector<Beat> beats = {{[](EntryDialog& d) {
        HWND field = d.Item(IDC_READING_FIELD);
        // One IME message to an edit, with the readings the IME reports; gives the field's text.
        auto ime = [field, &d](UINT message, std::map<DWORD, std::string> readings = {}, LPARAM flags = 0,
                               int edit = IDC_READING_MAIN) {
            g_readings = readings;
            ::SendMessageA(d.Item(edit), message, 0, flags);
            char text[64] = "";
            ::GetWindowTextA(field, text, sizeof text);
            return std::string(text);
        };
        ::SendMessageA(field, EM_LIMITTEXT, 10, 0);
        ::SetWindowTextA(field, "ABCDEFGH");
        ime(WM_IME_STARTCOMPOSITION);
        // ｱｲ being composed; then the committed reading has 5 bytes, 2 fit under the limit of 10.
        EXPECT_EQ(ime(WM_IME_COMPOSITION, {{GCS_COMPREADSTR, "\xB1\xB2"}}, GCS_COMPSTR | GCS_COMPREADSTR),
                  "ABCDEFGH\xB1\xB2");
        EXPECT_EQ(ime(WM_IME_COMPOSITION, {{GCS_RESULTREADSTR, "\xB1\xB2\xB3\xB4\xB5"}},
                      GCS_RESULTSTR | GCS_RESULTREADSTR),
                  "ABCDEFGH\xB1\xB2");
        EXPECT_EQ(ime(WM_IME_ENDCOMPOSITION), "ABCDEFGH\xB1\xB2");

        // A full field takes nothing more; a cleared one takes it all.
        ime(WM_IME_STARTCOMPOSITION);
        EXPECT_EQ(ime(WM_IME_COMPOSITION, {{GCS_COMPREADSTR, "\xB6"}}, GCS_COMPREADSTR), "ABCDEFGH\xB1\xB2");
        ime(WM_IME_ENDCOMPOSITION);
        ::SetWindowTextA(field, "");
        ime(WM_IME_STARTCOMPOSITION);
        ime(WM_IME_COMPOSITION, {{GCS_RESULTREADSTR, "\xB6\xB7"}}, GCS_RESULTREADSTR);
        EXPECT_EQ(ime(WM_IME_COMPOSITION, {{GCS_COMPREADSTR, "\xB8"}}, GCS_COMPREADSTR), "\xB6\xB7\xB8");
        // lParam 0: the base text alone (the composition was cancelled).
        EXPECT_EQ(ime(WM_IME_COMPOSITION), "\xB6\xB7");
        EXPECT_EQ(ime(WM_IME_ENDCOMPOSITION), "\xB6\xB7");

        // A field without a limit reports one beyond 16 bits, which reads as
        // negative: nothing is appended.
        ::SendMessageA(field, EM_LIMITTEXT, 0, 0);
        ime(WM_IME_STARTCOMPOSITION);
        ime(WM_IME_COMPOSITION, {{GCS_RESULTREADSTR, "\xB9"}}, GCS_RESULTREADSTR);
        EXPECT_EQ(ime(WM_IME_ENDCOMPOSITION), "\xB6\xB7");

        // The other edit has no reading field: its IME messages change nothing.
        ime(WM_IME_STARTCOMPOSITION, {}, 0, IDC_READING_KANA);
        EXPECT_EQ(ime(WM_IME_COMPOSITION, {{GCS_RESULTREADSTR, "\xB9"}}, GCS_RESULTREADSTR, IDC_READING_KANA),
                  "\xB6\xB7");
        g_readings.clear();
    }, 0}};
    EXPECT_EQ(dialog.Play(beats), IDABORT);
}

} // namespace
