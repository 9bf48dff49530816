// cacls.exe for the folder tests (copied under that name into the current
// folder, where the library looks for it before the system's): it appends
// its command line to cacls-log.txt beside itself.
#include <cstdio>
#include <string>

#include <windows.h>

int main()
{
    char self[MAX_PATH];
    std::string path(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH));
    FILE* log = std::fopen((path.substr(0, path.rfind('\\') + 1) + "cacls-log.txt").c_str(), "ab");
    if (log == nullptr)
        return 1;
    std::fprintf(log, "%s\n", ::GetCommandLineA());
    std::fclose(log);
    return 0;
}
