/* Runs a program at another screen resolution: at_dpi DPI PROGRAM [ARGUMENTS...].
 * Wine reads HKCU\Control Panel\Desktop LogPixels when a process starts, so the
 * program started here (and nothing started before it) draws at DPI. The value the
 * prefix had is put back when the program ends, whatever its end; the program's
 * exit code is this one's. The program also finds DPI in MORVANE_TEST_DPI. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char key[] = "Control Panel\\Desktop";
static const char value[] = "LogPixels";

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: at_dpi DPI PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    DWORD dpi = (DWORD)atoi(argv[1]);
    HKEY desktop;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &desktop, NULL))
        return 2;
    DWORD before = 0, size = sizeof before, type = 0;
    int had = RegQueryValueExA(desktop, value, NULL, &type, (BYTE *)&before, &size) == ERROR_SUCCESS &&
              type == REG_DWORD;
    RegSetValueExA(desktop, value, 0, REG_DWORD, (const BYTE *)&dpi, sizeof dpi);
    SetEnvironmentVariableA("MORVANE_TEST_DPI", argv[1]);

    /* The rest of this program's own command line, as it was given. */
    const char *line = GetCommandLineA();
    for (int skip = 0; skip < 2; ++skip) {
        int quoted = 0;
        while (*line && (quoted || (*line != ' ' && *line != '\t'))) {
            if (*line == '"') quoted = !quoted;
            ++line;
        }
        while (*line == ' ' || *line == '\t') ++line;
    }
    char *command = _strdup(line);
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi;
    DWORD code = 1;
    if (CreateProcessA(NULL, command, NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else {
        fprintf(stderr, "at_dpi: cannot start %s (%lu)\n", command, GetLastError());
    }
    free(command);
    if (had)
        RegSetValueExA(desktop, value, 0, REG_DWORD, (const BYTE *)&before, sizeof before);
    else
        RegDeleteValueA(desktop, value);
    RegCloseKey(desktop);
    return (int)code;
}
