/* Holds a file open as another program would, sharing it for reading only,
   so that it cannot be deleted, until a flag file is gone:
     hold_file.exe FILE FLAG
   Exits 1 when the file cannot be opened, 2 on wrong usage. */
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 1;
    while (GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES) Sleep(100);
    CloseHandle(file);
    return 0;
}
