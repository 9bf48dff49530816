#include "CFep.h"

namespace {

const DWORD kNative = 0x0001;     // IME_CMODE_NATIVE
const DWORD kKatakana = 0x0002;   // IME_CMODE_KATAKANA
const DWORD kFullShape = 0x0008;  // IME_CMODE_FULLSHAPE
const DWORD kLowBits = 0x000F;
const DWORD kHighBits = 0xFFF0;

} // namespace

CFep::CFep() : m_pWnd(nullptr), m_hImc(nullptr), m_nState(0), m_nSavedMode(0) {}

CFep::~CFep() {}

int CFep::FepOn(CWnd* pWnd, short, short, short bKana)
{
    m_pWnd = pWnd;
    if (pWnd == nullptr)
        return 0;
    // Cleared before the state test: a second FepOn forgets what the first saved.
    m_nSavedMode = 0;
    if (m_nState == 1)
        return 0;
    m_hImc = ::ImmGetContext(pWnd->m_hWnd);
    m_nState = 1;
    ::ImmSetOpenStatus(m_hImc, TRUE);
    DWORD conversion = 0;
    DWORD sentence = 0;
    ::ImmGetConversionStatus(m_hImc, &conversion, &sentence);
    if (bKana != 0) {
        // Half-width katakana: native + katakana, full shape cleared.
        m_nSavedMode = static_cast<short>(conversion & kLowBits);
        conversion = (conversion & kHighBits) | kNative | kKatakana;
    } else {
        // Full width, keeping the character set.
        conversion |= kFullShape;
    }
    ::ImmSetConversionStatus(m_hImc, conversion, sentence);
    return 1;
}

int CFep::KanaOn(CWnd* pWnd, short a, short b)
{
    return FepOn(pWnd, a, b, 1);
}

void CFep::FepOff()
{
    if (m_pWnd == nullptr)
        return;
    if (m_nState == 0) {
        HIMC hImc = ::ImmGetContext(m_pWnd->m_hWnd);
        ::ImmSetOpenStatus(hImc, FALSE);
        ::ImmReleaseContext(m_pWnd->m_hWnd, hImc);
        return;
    }
    if (m_nState != 1)
        return;
    if (m_nSavedMode != 0) {
        DWORD conversion = 0;
        DWORD sentence = 0;
        ::ImmGetConversionStatus(m_hImc, &conversion, &sentence);
        conversion = (conversion & kHighBits) | static_cast<DWORD>(m_nSavedMode);
        ::ImmSetConversionStatus(m_hImc, conversion, sentence);
    }
    m_nState = 0;
    ::ImmSetOpenStatus(m_hImc, FALSE);
    ::ImmReleaseContext(m_pWnd->m_hWnd, m_hImc);
    m_hImc = nullptr;
}

void CFep::FepAbsOff(CWnd* pWnd)
{
    if (pWnd == nullptr)
        return;
    HIMC hImc = ::ImmGetContext(pWnd->m_hWnd);
    if (::ImmGetOpenStatus(hImc))
        ::ImmSetOpenStatus(hImc, FALSE);
    ::ImmReleaseContext(pWnd->m_hWnd, hImc);
}
