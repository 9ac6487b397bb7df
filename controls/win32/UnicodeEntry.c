/* The entry point of the Windows program (linked with -municode): Windows
 * hands the arguments over in UTF-16, the program's main() takes UTF-8.
 * Written in C, where main() may be called like any function. */
#include <stdlib.h>
#include <windows.h>

int main(int argc, char* argv[]);

static char* toUtf8(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, NULL, 0, NULL, NULL);
    char* utf8 = malloc((size_t)size);
    if (utf8)
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, size, NULL, NULL);
    return utf8;
}

int wmain(int argc, wchar_t* argv[])
{
    char** arguments = calloc((size_t)argc + 1, sizeof *arguments);
    int result;
    int i;
    if (!arguments)
        return 1;
    for (i = 0; i < argc; ++i)
        arguments[i] = toUtf8(argv[i]);
    result = main(argc, arguments);
    for (i = 0; i < argc; ++i)
        free(arguments[i]);
    free(arguments);
    return result;
}
