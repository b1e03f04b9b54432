// The platform layer of the Windows stub, and its entry point.
//
// The stub is linked without the C run-time's start-up code: StubEntry is
// the image's entry point. It first narrows the DLL search to the system
// directory, so that a DLL lying beside a downloaded archive (in a downloads
// folder, say) is never loaded in place of a system one, then runs the main
// dialog and exits with 0. The low-level file calls are those of the system
// C library, whose flag encoding is the one the reader uses.
#include <windows.h>
#include <commctrl.h>
#include <io.h>
#include <shlobj.h>

#include "FrontEnd.h"

namespace {

HINSTANCE instance;

HWND Item(DialogHandle dialog, int id) { return GetDlgItem((HWND)dialog, id); }

// Frees a shell item with the shell allocator.
void FreeItem(LPITEMIDLIST item) {
    IMalloc* shellMalloc;
    if (SHGetMalloc(&shellMalloc) == S_OK) {
        shellMalloc->Free(item);
        shellMalloc->Release();
    }
}

}  // namespace

bool PlatformModulePath(char* path) {
    DWORD n = GetModuleFileNameA(instance, path, PathMax);
    if (n == 0 || n >= PathMax) {
        path[0] = 0;
        return false;
    }
    return true;
}

void* PlatformAlloc(uint32_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void PlatformFree(void* block) {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

int32_t PlatformOpen(const char* path, int flags, int mode) { return _open(path, flags, mode); }
int32_t PlatformRead(int32_t handle, void* buffer, uint32_t count) {
    return _read(handle, buffer, count);
}
int32_t PlatformWrite(int32_t handle, const void* buffer, uint32_t count) {
    return _write(handle, buffer, count);
}
int PlatformClose(int32_t handle) { return _close(handle); }
int32_t PlatformSeek(int32_t handle, int32_t offset, int origin) {
    return _lseek(handle, offset, origin);
}

void PlatformCreateDirectory(const char* path) { CreateDirectoryA(path, nullptr); }
bool PlatformSetCurrentDirectory(const char* path) { return SetCurrentDirectoryA(path) != 0; }
bool PlatformGetCurrentDirectory(char* path) {
    DWORD n = GetCurrentDirectoryA(PathMax, path);
    return n != 0 && n < PathMax;
}
uint32_t PlatformGetFileAttributes(const char* path) { return GetFileAttributesA(path); }
bool PlatformSetFileAttributes(const char* path, uint32_t attributes) {
    return SetFileAttributesA(path, attributes) != 0;
}

bool PlatformSetFileTimes(const char* path, uint16_t dosDate, uint16_t dosTime) {
    FILETIME local, utc;
    if (!DosDateTimeToFileTime(dosDate, dosTime, &local) || !LocalFileTimeToFileTime(&local, &utc))
        return false;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BOOL ok = SetFileTime(file, &utc, nullptr, &utc);
    CloseHandle(file);
    return ok != 0;
}

bool PlatformIsLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != 0; }

bool PlatformDesktopFolder(char* path) {
    LPITEMIDLIST item;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &item) != S_OK) return false;
    bool ok = SHGetPathFromIDListA(item, path) != 0;
    FreeItem(item);
    return ok;
}

bool PlatformBrowseForFolder(DialogHandle dialog, const char* title, char* path) {
    char displayName[PathMax];
    BROWSEINFOA info = {};
    info.hwndOwner = (HWND)dialog;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return false;
    bool ok = SHGetPathFromIDListA(item, path) != 0;
    FreeItem(item);
    return ok;
}

void PlatformShellOpen(const char* path) {
    ShellExecuteA(GetDesktopWindow(), "open", path, nullptr, nullptr, SW_SHOWDEFAULT);
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    return MessageBoxA(GetDesktopWindow(), text, caption, style);
}
void PlatformEndDialog(DialogHandle dialog, int result) { EndDialog((HWND)dialog, result); }
void PlatformSetItemText(DialogHandle dialog, int id, const char* text) {
    SetDlgItemTextA((HWND)dialog, id, text);
}
void PlatformGetItemText(DialogHandle dialog, int id, char* text, int size) {
    text[0] = 0;
    GetDlgItemTextA((HWND)dialog, id, text, size);
}
void PlatformEnableItem(DialogHandle dialog, int id, bool enable) {
    EnableWindow(Item(dialog, id), enable);
}
void PlatformShowItem(DialogHandle dialog, int id, int showMode) {
    ShowWindow(Item(dialog, id), showMode);
}
void PlatformSendItemMessage(DialogHandle dialog, int id, unsigned message, uint32_t wParam,
                             uint32_t lParam) {
    SendDlgItemMessageA((HWND)dialog, id, message, wParam, lParam);
}

extern "C" void StubEntry() {
    // Restrict the DLL search to the system directory (where the loader
    // offers it), and in any case take the current directory out of it.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
    typedef BOOL(WINAPI * SetDllDirectoryFn)(LPCSTR);
    SetDefaultDllDirectoriesFn setDefault =
        (SetDefaultDllDirectoriesFn)(void*)GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (setDefault) setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryFn setDirectory =
        (SetDllDirectoryFn)(void*)GetProcAddress(kernel, "SetDllDirectoryA");
    if (setDirectory) setDirectory("");

    instance = GetModuleHandleA(nullptr);
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(103), GetDesktopWindow(), (DLGPROC)(void*)MainDialog,
                    0);
    ExitProcess(0);
}
