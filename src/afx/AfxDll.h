// Export macro of the framework DLL (zr8afx.dll).
#pragma once

#if defined(_WIN32) && !defined(ZR8_STATIC)
#ifdef ZR8AFX_BUILD
#define ZR8AFX_API __declspec(dllexport)
#else
#define ZR8AFX_API __declspec(dllimport)
#endif
#else
#define ZR8AFX_API
#endif
