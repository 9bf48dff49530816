// Export macro of the library DLL (zr8wlib.dll).
#pragma once

#if defined(_WIN32) && !defined(ZR8_STATIC)
#ifdef ZR8WLIB_BUILD
#define ZR8WLIB_API __declspec(dllexport)
#else
#define ZR8WLIB_API __declspec(dllimport)
#endif
#else
#define ZR8WLIB_API
#endif
