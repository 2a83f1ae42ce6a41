/* A DLL that a browser saved into Downloads beside the installer, built under the
   names of DLLs Windows looks for in a program's own folder first. Loaded into a
   process, it appends that process's path to a marker file beside itself,
   "<its own path>.loaded", so a test can see it was loaded. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        WCHAR marker[MAX_PATH + 8];
        char process[MAX_PATH + 2];
        const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
        DWORD processLength = GetModuleFileNameA(NULL, process, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcpyW(marker + length, L".loaded");
            const HANDLE file = CreateFileW(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
            if (file != INVALID_HANDLE_VALUE) {
                DWORD written = 0;
                if (processLength >= MAX_PATH) processLength = 0;
                process[processLength++] = '\r';
                process[processLength++] = '\n';
                WriteFile(file, process, processLength, &written, NULL);
                CloseHandle(file);
            }
        }
    }
    return TRUE;
}
