// zr8_files_helper.exe: a second program for the folder and file tests. The
// tests copy it into a temporary install folder (under a name of their
// choosing, so that Wine can report another Windows version to it) and run
// it with a list of steps; it prints one line per step.
//
// Steps (in order of the arguments):
//   no=N  mode=M        CValueMgr::Set / SetMode
//   ostype              "ostype T"
//   folders             "folder K R path" for kinds 0-22
//   spfolders           "sp K R path" for kinds 0-8
//   makeappfolder | makeappfile | makeappfile_zr | makeenv   "<step> R"
//   makebase=F          "makebase R existed"
//   createfolder=P      CreateFolder(P, 1): "createfolder R"
//   setsecurity=P       "setsecurity R"
//   lock=P              LockFile(P), "lock R", then holds it until its input
//                       closes, and unlocks on the way out
//   stale-lock=P        LockFile(P), "lock R", then ends at once with exit
//                       code 3, leaving the lock file behind as a crash would
//
// Started under the name cacls.exe it only appends its command line to
// cacls-log.txt beside itself, to show how the library started it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "zr8wlib.h"

namespace {

std::string OwnPath()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

void RecordCommandLine(const std::string& self)
{
    std::string log = self.substr(0, self.rfind('\\') + 1) + "cacls-log.txt";
    FILE* out = std::fopen(log.c_str(), "ab");
    if (out == nullptr)
        return;
    std::fprintf(out, "%s\n", ::GetCommandLineA());
    std::fclose(out);
}

void WaitForInputToClose()
{
    char buffer[64];
    DWORD read = 0;
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    while (::ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string self = OwnPath();
    std::string name = self.substr(self.rfind('\\') + 1);
    if (_stricmp(name.c_str(), "cacls.exe") == 0) {
        RecordCommandLine(self);
        return 0;
    }

    CValueMgr* values = CValueMgr::Instance();
    CUtyFile files;
    for (int i = 1; i < argc; ++i) {
        std::string step = argv[i];
        std::string value = step.substr(step.find('=') + 1);
        char path[MAX_PATH] = {};
        std::snprintf(path, sizeof path, "%s", value.c_str());
        if (StartsWith(step, "no=")) {
            char product[] = "ZR8 helper";
            values->Set(product, std::atol(value.c_str()));
        } else if (StartsWith(step, "mode=")) {
            values->SetMode(static_cast<short>(std::atoi(value.c_str())));
        } else if (step == "ostype") {
            std::printf("ostype %d\n", values->GetOSType());
        } else if (step == "folders") {
            for (short kind = 0; kind <= 22; ++kind) {
                char folder[MAX_PATH] = "untouched";
                int result = values->GetFolderName(kind, folder);
                std::printf("folder %d %d %s\n", kind, result, folder);
            }
        } else if (step == "spfolders") {
            for (unsigned short kind = 0; kind <= 8; ++kind) {
                char folder[MAX_PATH];
                int result = files.GetSpFolderPath(kind, folder, MAX_PATH);
                std::printf("sp %d %d %s\n", kind, result, folder);
            }
        } else if (step == "makeappfolder") {
            std::printf("makeappfolder %d\n", files.MakeAppFolder());
        } else if (step == "makeappfile") {
            std::printf("makeappfile %d\n", files.MakeAppFile());
        } else if (step == "makeappfile_zr") {
            std::printf("makeappfile_zr %d\n", files.MakeAppFile_ZR());
        } else if (step == "makeenv") {
            std::printf("makeenv %d\n", files.MakeAppEnvFile());
        } else if (StartsWith(step, "makebase=")) {
            int existed = -1;
            int result = files.MakeBaseFolderFile(path, &existed);
            std::printf("makebase %d %d\n", result, existed);
        } else if (StartsWith(step, "createfolder=")) {
            std::printf("createfolder %d\n", files.CreateFolder(path, 1, nullptr, 0));
        } else if (StartsWith(step, "setsecurity=")) {
            std::printf("setsecurity %d\n", files.SetFileSecurityByOwnerFolder(path));
        } else if (StartsWith(step, "lock=") || StartsWith(step, "stale-lock=")) {
            CSemaFile lock;
            std::printf("lock %d\n", lock.LockFile(path));
            std::fflush(stdout);
            if (StartsWith(step, "stale-lock="))
                ::TerminateProcess(::GetCurrentProcess(), 3);
            WaitForInputToClose();
        } else {
            std::printf("unknown %s\n", step.c_str());
            return 2;
        }
        std::fflush(stdout);
    }
    values->Release();
    return 0;
}
