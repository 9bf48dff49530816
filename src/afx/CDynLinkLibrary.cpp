#include "CDynLinkLibrary.h"

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem),
      m_pNextDLL(nullptr)
{
    AfxLinkLibrary(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxUnlinkLibrary(this);
}
