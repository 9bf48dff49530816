// The folders screen: at start the host lays out its folders as the real
// application does, then shows where each of the 21 folder kinds lies.
//
// The demo runs in demo mode (mode 1), so its data lives in the folders
// that carry "Demo" (Velmora\ZR8Demo\). The shared set-up copies only what
// is missing, and the shipped settings files carry a low version, so an
// installed application's files are never replaced.
#include <cstring>

#include "DemoScreen.h"

namespace {

const char* const kGetterNames[22] = {
    "", "GetDataFolder", "GetDtListFolder", "GetPrnFolder", "GetChoIniFolder", "GetDMenuFolder",
    "GetSvMgrFolder", "GetWinPosFolder", "GetSZeiFolder", "GetSanBaseFolder", "GetTempFolder",
    "GetSwOutFolder", "GetSwInFolder", "GetXmlOutFolder", "GetXmlInFolder", "GetExcelOFolder",
    "GetBackupFolder", "GetRestoreFolder", "GetPrnFormFolder", "GetTextOFolder",
    "GetRefFilDlgFolder", "GetJcheckFolder"};

const char* OsName(short osType)
{
    switch (osType) {
    case 1:
        return "Windows 9x";
    case 2:
        return "Windows NT (Vista より前)";
    default:
        return "Windows Vista 以降";
    }
}

} // namespace

DemoScreen RunFoldersScreen()
{
    DemoScreen screen;
    screen.name = "02-folders";
    screen.title = "zr8WLIB デモ - フォルダー";
    screen.description = "起動時に作るアプリケーションフォルダーと 21 種のフォルダー";
    CString line;

    CValueMgr* values = CValueMgr::Instance();
    char productName[] = "農業簿記8 体験版";
    values->Set(productName, 0);
    values->SetMode(1);
    line.Format("CValueMgr: 製品「%s」番号 %ld モード 1 (体験版)、%s", values->GetName(),
                values->GetNo(), OsName(values->GetOSType()));
    screen.lines.push_back(line);

    CUtyFile files;
    int folders = files.MakeAppFolder();
    int appFiles = files.MakeAppFile_ZR();
    char data[MAX_PATH] = {};
    values->GetFolderName(1, data);
    int existed = 0;
    int baseFiles = files.MakeBaseFolderFile(data, &existed);
    line.Format("MakeAppFolder=%d  MakeAppFile_ZR=%d  MakeBaseFolderFile=%d (TAIOU.INI %s)", folders,
                appFiles, baseFiles, existed ? "は既にありました" : "をコピーしました");
    screen.lines.push_back(line);

    S_ENV env = {};
    std::memcpy(env.DATAFOLDER, data, sizeof env.DATAFOLDER);  // both MAX_PATH bytes
    short read = files.ReadTaiouToEnv(&env);
    line.Format("ReadTaiouToEnv=%d: FORMAT=%d KUMI_CODE=%d HIDUKE=%d DIRFOLDER=%s", read, env.FORMAT,
                env.KUMI_CODE, env.HIDUKE, env.DIRFOLDER);
    screen.lines.push_back(line);

    for (short kind = 1; kind <= 21; ++kind) {
        char folder[MAX_PATH] = {};
        int result = values->GetFolderName(kind, folder);
        line.Format("%2d %-18s %s%s", kind, kGetterNames[kind], folder[0] != '\0' ? folder : "(なし)",
                    result ? "" : "  ← 取得できません");
        screen.lines.push_back(line);
    }
    values->Release();
    return screen;
}
