/* Prints what the Windows profile functions read for each "section<TAB>key" line of a list, one value
   per line ("~ABSENT~" when the key is absent). Built with mingw and run under Wine by check.py. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
    static char line[70000];
    static char value[70000];
    if (argc != 3) {
        fprintf(stderr, "usage: profread INI-PATH LIST\n");
        return 2;
    }
    FILE* list = fopen(argv[2], "rb");
    if (!list) return 2;
    while (fgets(line, sizeof line, list)) {
        size_t n = strlen(line);
        while (n && (line[n - 1] == '\n' || line[n - 1] == '\r'))
            line[--n] = 0;
        char* tab = strchr(line, '\t');
        if (!tab) continue;
        *tab = 0;
        DWORD got = GetPrivateProfileStringA(line, tab + 1, "~ABSENT~", value, sizeof value, argv[1]);
        fwrite(value, 1, got, stdout);
        fputc('\n', stdout);
    }
    fclose(list);
    return 0;
}
