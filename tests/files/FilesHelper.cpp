// zr8_files_helper.exe: a second program for the folder and file tests. The
// tests copy it into a temporary install folder (under a name of their
// choosing, so that Wine can report another Windows version to it) and run
// it with a list of steps "name" or "name=value"; each step but no=N prints
// "name result [text]". Started under the name cacls.exe it only appends its
// command line to cacls-log.txt beside itself.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "zr8wlib.h"

int main(int argc, char** argv)
{
    char self[MAX_PATH];
    std::string path(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH));
    std::string folder = path.substr(0, path.rfind('\\') + 1);
    if (_stricmp(path.c_str() + folder.size(), "cacls.exe") == 0) {
        FILE* log = std::fopen((folder + "cacls-log.txt").c_str(), "ab");
        std::fprintf(log, "%s\n", ::GetCommandLineA());
        std::fclose(log);
        return 0;
    }
    CValueMgr* values = CValueMgr::Instance();
    CUtyFile files;
    char product[] = "ZR8 helper";
    // Each step gets its value (as a number too) and may fill text.
    const std::map<std::string, std::function<int(char*, int, char*)>> steps = {
        {"no", [&](char*, int n, char*) { values->Set(product, n); return 0; }},
        {"ostype", [&](char*, int, char*) { return values->GetOSType(); }},
        {"folder", [&](char*, int n, char* text) { return values->GetFolderName(n, text); }},
        {"sp", [&](char*, int n, char* text) { return files.GetSpFolderPath(n, text, MAX_PATH); }},
        {"makeappfolder", [&](char*, int, char*) { return files.MakeAppFolder(); }},
        {"makeappfile", [&](char*, int, char*) { return files.MakeAppFile(); }},
        {"makeappfile_zr", [&](char*, int, char*) { return files.MakeAppFile_ZR(); }},
        {"makeenv", [&](char*, int, char*) { return files.MakeAppEnvFile(); }},
        {"createfolder", [&](char* value, int, char*) { return files.CreateFolder(value, 1, nullptr, 0); }},
        {"setsecurity", [&](char* value, int, char*) { return files.SetFileSecurityByOwnerFolder(value); }},
        {"makebase", [&](char* value, int, char* text) {
             int existed = -1;
             int result = files.MakeBaseFolderFile(value, &existed);
             std::sprintf(text, "%d", existed);
             return result;
         }},
    };
    for (int i = 1; i < argc; ++i) {
        std::string step = argv[i], name = step.substr(0, step.find('=')), value = step.substr(step.find('=') + 1);
        char text[MAX_PATH] = "";
        if (steps.count(name) == 0)
            return 2;
        int result = steps.at(name)(&value[0], std::atoi(value.c_str()), text);
        if (name != "no")
            std::printf("%s %d%s%s\n", name.c_str(), result, text[0] != '\0' ? " " : "", text);
    }
    values->Release();
    return 0;
}
