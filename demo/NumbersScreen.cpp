// The numbers-and-text screen: typed numbers parsed with both rule sets and
// formatted with commas, Shift-JIS text cut without splitting a character,
// a code list walked in order, and a CSV record written through CFile.
#include <string>

#include "DemoScreen.h"

namespace {

CString LongResult(int ok, long value)
{
    CString text("失敗");
    if (ok)
        text.Format("%ld", value);
    return text;
}

CString ParseLine(CConv& conv, const char* typed)
{
    long lenient = 0;
    long strict = 0;
    int lenientOk = conv.Convert(typed, &lenient);
    int strictOk = conv.Convert2(typed, &strict);
    CString line;
    line.Format("入力 \"%s\" → Convert: %s / Convert2: %s", typed,
                static_cast<const char*>(LongResult(lenientOk, lenient)),
                static_cast<const char*>(LongResult(strictOk, strict)));
    return line;
}

CString CsvRecord()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    char name[MAX_PATH];
    ::GetTempFileNameA(folder, "zr8", 0, name);
    CString bytes;
    try {
        CFile file(name, CFile::modeCreate | CFile::modeReadWrite);
        ClTxtCnvOut writer;
        writer.PutKoumoku(&file, 12L);
        writer.PutComma(&file);
        writer.PutKoumoku(&file, const_cast<char*>("表示"));
        writer.PutComma(&file);
        writer.PutKoumoku(&file, 1234.5, static_cast<short>(2));
        writer.PutCR(&file);
        file.SeekToBegin();
        char buffer[64] = {};
        UINT read = file.Read(buffer, sizeof buffer - 1);
        for (UINT i = 0; i < read; ++i) {
            if (buffer[i] == '\r')
                bytes += "<CR>";
            else if (buffer[i] == '\n')
                bytes += "<LF>";
            else
                bytes += buffer[i];
        }
    } catch (CFileException* e) {
        bytes = "書き込みに失敗しました";
        e->Delete();
    }
    ::DeleteFileA(name);
    return "ClTxtCnvOut: " + bytes;
}

} // namespace

DemoScreen RunNumbersScreen()
{
    DemoScreen screen;
    screen.name = "03-numbers";
    screen.title = "zr8WLIB デモ - 数値と文字列";
    screen.description = "数値文字列の解析とカンマ編集、Shift-JIS 文字列、コード範囲、CSV 出力";
    CConv conv;
    CString line;

    screen.lines.push_back(ParseLine(conv, "1,234,567"));
    screen.lines.push_back(ParseLine(conv, "12,34"));
    screen.lines.push_back(ParseLine(conv, ""));

    double value = 0;
    conv.Convert("12.345", &value, 2);
    char text[64];
    conv.CommaStr(text, value, 2);
    line.Format("\"12.345\" を小数 2 桁で読む (切り捨て) → %s", text);
    screen.lines.push_back(line);

    char minimum[32];
    conv.CommaStr(minimum, static_cast<long>(-2147483647 - 1));
    char rounded[32];
    conv.CommaStr(rounded, 2.99996, 2);
    char single[32];
    conv.CommaStr(single, 0.1285f, 3);
    line.Format("CommaStr: -2147483648 → %s、2.99996 (2 桁) → %s、float 0.1285 (3 桁) → %s", minimum,
                rounded, single);
    screen.lines.push_back(line);

    char kanji[] = "表示ソフト";
    char cut[16];
    conv.KanjiCopy(cut, kanji, 5);
    // ソ ends in the byte 0x5C, which is not a folder separator.
    char path[] = "C:\\ソフト\\Data\\Folder\\Book";
    char shortened[64];
    conv.ConvDirName(shortened, path, 20);
    line.Format("KanjiCopy(\"%s\", 5) → \"%s\"、ConvDirName(\"%s\", 20) → %s", kanji, cut, path,
                shortened);
    screen.lines.push_back(line);

    unsigned char list[] = "1-5, 8,　10-";
    CEveryValue codes(12);
    short result = codes.CheckCode(list);
    CString walked;
    for (long code = codes.GetFirstCode(); code != -1; code = codes.GetNextCode(code)) {
        CString item;
        item.Format(walked.IsEmpty() ? "%ld" : " %ld", code);
        walked += item;
    }
    line.Format("CEveryValue(最終 12) \"1-5, 8,　10-\" → 結果 %d: %s", result,
                static_cast<const char*>(walked));
    screen.lines.push_back(line);

    screen.lines.push_back(CsvRecord());
    return screen;
}
