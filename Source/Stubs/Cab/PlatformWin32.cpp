// The platform layer of the Windows stub, and its entry point.
//
// The stub is linked without the C run-time's start-up code: StubEntry is
// the image's entry point. The image imports only kernel32 and the system C
// library, which the loader always takes from the system (they are known
// DLLs). user32, shell32 and comctl32 are loaded by StubEntry itself, after
// it has narrowed the DLL search to the system directory: imported
// statically, they and their own imports (version, shcore, uxtheme, ...)
// would be resolved by the loader before any code of ours runs, and a DLL
// of that name lying beside a downloaded archive (in a downloads folder,
// say) would be loaded in place of the system one. The low-level file calls
// are those of the system C library, whose flag encoding is the one the
// reader uses.
#include <windows.h>
#include <commctrl.h>
#include <io.h>
#include <shlobj.h>

#include "FrontEnd.h"

namespace {

HINSTANCE instance;

// The functions taken from the DLLs loaded at run time, in the order of
// kImportNames.
struct Imports {
    decltype(&GetDlgItem) getDlgItem;
    decltype(&EnableWindow) enableWindow;
    decltype(&ShowWindow) showWindow;
    decltype(&SendDlgItemMessageA) sendDlgItemMessage;
    decltype(&SendMessageA) sendMessage;
    decltype(&MessageBoxA) messageBox;
    decltype(&GetDesktopWindow) getDesktopWindow;
    decltype(&EndDialog) endDialog;
    decltype(&SetDlgItemTextA) setDlgItemText;
    decltype(&GetDlgItemTextA) getDlgItemText;
    decltype(&DialogBoxParamA) dialogBoxParam;
    decltype(&SHGetMalloc) shGetMalloc;
    decltype(&SHGetSpecialFolderLocation) shGetSpecialFolderLocation;
    decltype(&SHGetPathFromIDListA) shGetPathFromIDList;
    decltype(&SHBrowseForFolderA) shBrowseForFolder;
    decltype(&ShellExecuteA) shellExecute;
    decltype(&InitCommonControls) initCommonControls;
} api;

// Each DLL's name, then the names of its functions, each list ended by an
// empty name; an empty DLL name ends the table.
const char kImportNames[] =
    "user32.dll\0GetDlgItem\0EnableWindow\0ShowWindow\0SendDlgItemMessageA\0SendMessageA\0"
    "MessageBoxA\0GetDesktopWindow\0EndDialog\0SetDlgItemTextA\0GetDlgItemTextA\0"
    "DialogBoxParamA\0\0"
    "shell32.dll\0SHGetMalloc\0SHGetSpecialFolderLocation\0SHGetPathFromIDListA\0"
    "SHBrowseForFolderA\0ShellExecuteA\0\0"
    "comctl32.dll\0InitCommonControls\0\0";

// Loads a DLL from the system directory only. With the search narrowed
// (searchNarrowed) the bare name is enough and keeps the side-by-side
// redirection that gives comctl32 version 6; older systems get the full
// path, whose own imports then come from the system directory as well.
HMODULE LoadSystemDll(const char* name, bool searchNarrowed) {
    if (searchNarrowed) return LoadLibraryExA(name, nullptr, 0x00000800);  // SEARCH_SYSTEM32
    char path[PathMax];
    UINT n = GetSystemDirectoryA(path, PathMax);
    if (n == 0 || n >= PathMax || !AppendText(path, PathMax, "\\") ||
        !AppendText(path, PathMax, name))
        return nullptr;
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Fills api; false when a DLL or a function is missing.
bool LoadImports(bool searchNarrowed) {
    static_assert(sizeof(Imports) == 17 * sizeof(FARPROC), "one slot per imported name");
    FARPROC* slot = (FARPROC*)(void*)&api;
    const char* p = kImportNames;
    while (*p) {
        HMODULE dll = LoadSystemDll(p, searchNarrowed);
        if (!dll) return false;
        for (p += strlen(p) + 1; *p; p += strlen(p) + 1)
            if (!(*slot++ = GetProcAddress(dll, p))) return false;
        ++p;
    }
    return true;
}

HWND Item(DialogHandle dialog, int id) { return api.getDlgItem((HWND)dialog, id); }

// Frees a shell item with the shell allocator.
void FreeItem(LPITEMIDLIST item) {
    IMalloc* shellMalloc;
    if (api.shGetMalloc(&shellMalloc) == S_OK) {
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

bool PlatformReplaceFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}
bool PlatformDeleteFile(const char* path) { return DeleteFileA(path) != 0; }

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
    if (api.shGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &item) != S_OK) return false;
    bool ok = api.shGetPathFromIDList(item, path) != 0;
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
    LPITEMIDLIST item = api.shBrowseForFolder(&info);
    if (!item) return false;
    bool ok = api.shGetPathFromIDList(item, path) != 0;
    FreeItem(item);
    return ok;
}

void PlatformShellOpen(const char* path) {
    api.shellExecute(api.getDesktopWindow(), "open", path, nullptr, nullptr, SW_SHOWDEFAULT);
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    return api.messageBox(api.getDesktopWindow(), text, caption, style);
}
void PlatformEndDialog(DialogHandle dialog, int result) { api.endDialog((HWND)dialog, result); }
void PlatformSetItemText(DialogHandle dialog, int id, const char* text) {
    api.setDlgItemText((HWND)dialog, id, text);
}
void PlatformGetItemText(DialogHandle dialog, int id, char* text, int size) {
    text[0] = 0;
    api.getDlgItemText((HWND)dialog, id, text, size);
}
void PlatformEnableItem(DialogHandle dialog, int id, bool enable) {
    api.enableWindow(Item(dialog, id), enable);
}
void PlatformShowItem(DialogHandle dialog, int id, int showMode) {
    api.showWindow(Item(dialog, id), showMode);
}
void PlatformFocusItem(DialogHandle dialog, int id) {
    // Through the dialog manager, which also moves the default button.
    api.sendMessage((HWND)dialog, WM_NEXTDLGCTL, (WPARAM)Item(dialog, id), TRUE);
}
void PlatformSendItemMessage(DialogHandle dialog, int id, unsigned message, uint32_t wParam,
                             uint32_t lParam) {
    api.sendDlgItemMessage((HWND)dialog, id, message, wParam, lParam);
}

extern "C" void StubEntry() {
    // Restrict the DLL search to the system directory where the system
    // offers it, and in any case take the current directory out of it;
    // only then load the DLLs beyond kernel32.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
    typedef BOOL(WINAPI * SetDllDirectoryFn)(LPCSTR);
    SetDefaultDllDirectoriesFn setDefault =
        (SetDefaultDllDirectoriesFn)(void*)GetProcAddress(kernel, "SetDefaultDllDirectories");
    bool narrowed = setDefault && setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    SetDllDirectoryFn setDirectory =
        (SetDllDirectoryFn)(void*)GetProcAddress(kernel, "SetDllDirectoryA");
    if (setDirectory) setDirectory("");

    // Without its DLLs the program has no way to say anything: it ends.
    if (LoadImports(narrowed)) {
        instance = GetModuleHandleA(nullptr);
        api.initCommonControls();
        api.dialogBoxParam(instance, MAKEINTRESOURCEA(103), api.getDesktopWindow(),
                           (DLGPROC)(void*)MainDialog, 0);
    }
    ExitProcess(0);
}
