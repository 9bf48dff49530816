// demo/out/index.html: one page with every screenshot, its title and what
// it shows, in the order the demo ran its screens.
#include <cstdio>
#include <set>
#include <string>

#include "DemoScreen.h"

namespace {

// The demo's texts are Shift-JIS; the page is UTF-8.
std::string Utf8(const char* sjis)
{
    int wide = ::MultiByteToWideChar(932, 0, sjis, -1, nullptr, 0);
    if (wide <= 0)
        return std::string();
    std::wstring buffer(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(932, 0, sjis, -1, &buffer[0], wide);
    int bytes = ::WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, buffer.c_str(), -1, &out[0], bytes, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::string Html(const char* sjis)
{
    std::string text = Utf8(sjis);
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string Figure(const CString& name, const CString& title, const CString& description)
{
    std::string file = Html(name) + ".png";
    return "<figure><a href=\"" + file + "\"><img src=\"" + file + "\" alt=\"" + Html(title) +
           "\"></a><figcaption><b>" + Html(title) + "</b><br>" + Html(description) + "</figcaption></figure>\n";
}

} // namespace

bool WriteDemoIndex(const std::vector<DemoScreen>& screens, const std::string& outFolder)
{
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>zr8WLIB: every screen</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; background: #f4f4f4; }\n"
        "figure { display: inline-block; vertical-align: top; margin: 0 1.5em 2em 0; padding: 0.8em;\n"
        "         background: #fff; border: 1px solid #ccc; max-width: 1120px; }\n"
        "img { max-width: 100%; border: 1px solid #888; }\n"
        "figcaption { margin-top: 0.5em; line-height: 1.5; }\n"
        "</style>\n</head>\n<body>\n<h1>zr8WLIB: every screen</h1>\n"
        "<p>Screenshots taken by the demo host (<code>scripts/demo</code>) under Wine, in the order it shows them.</p>\n";
    int count = 0;
    std::set<std::string> listed;
    for (const DemoScreen& screen : screens) {
        for (const DemoShot& shot : screen.shots) {
            page += Figure(shot.name, shot.title, shot.description);
            listed.insert(std::string(shot.name) + ".png");
            ++count;
        }
        page += Figure(screen.name, screen.title, screen.description);
        listed.insert(std::string(screen.name) + ".png");
        ++count;
    }
    // Screenshots a screen saved without listing them still appear.
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((outFolder + "\\*.png").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found)) {
        std::string file = found.cFileName;
        if (listed.count(file) == 0) {
            CString stem(file.substr(0, file.size() - 4).c_str());
            page += Figure(stem, stem, "");
            ++count;
        }
    }
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
    page += "</body>\n</html>\n";
    std::string fileName = outFolder + "\\index.html";
    FILE* out = std::fopen(fileName.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(page.data(), 1, page.size(), out) == page.size();
    written = std::fclose(out) == 0 && written;
    char fullPath[MAX_PATH];
    ::GetFullPathNameA(fileName.c_str(), MAX_PATH, fullPath, nullptr);
    std::printf("index: %s (%d screenshots)\n", fullPath, count);
    return written;
}
