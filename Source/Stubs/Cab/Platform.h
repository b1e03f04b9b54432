// The operations the front end needs from the platform, and nothing more.
//
// The front end is written once; it reaches files, directories, the shell
// and the user interface only through these functions. PlatformWin32.cpp
// implements them for the Windows stub (the product). PlatformPosix.cpp
// implements them for Linux, where the same front end runs in a terminal and
// under the tests, with a scriptable user interface (PosixUi.h).
//
// Paths handed across this boundary always use '\' as separator and are
// multi-byte strings of the ANSI code page; the POSIX layer maps '\' to '/'
// on the way in and '/' to '\' on the way out. Buffers are PathMax bytes.
#ifndef STUB_SFX_PLATFORM_H
#define STUB_SFX_PLATFORM_H

#include <stddef.h>
#include <stdint.h>

enum : uint32_t { PathMax = 260 };

// Opaque dialog handle: the dialog window on Win32, a PosixDialog on POSIX.
typedef void* DialogHandle;

// The dialog procedure's calling convention (the platform's callback
// convention on 32-bit Windows).
#if defined(_WIN32) && !defined(_WIN64)
#define STUB_CALLBACK __attribute__((stdcall))
#else
#define STUB_CALLBACK
#endif

// Dialog messages the front end handles, with their Win32 values.
enum : unsigned { MsgInitDialog = 0x0110, MsgCommand = 0x0111 };

// Message-box styles and answers (Win32 values).
enum : unsigned {
    BoxOkCancel = 0x01,
    BoxYesNo = 0x04,
    BoxIconError = 0x10,
    BoxIconQuestion = 0x20,
    BoxIconInformation = 0x40,
};
enum : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

// Show modes.
enum : int { ShowHide = 0, ShowNormal = 1, ShowDefault = 10 };

// Progress-bar messages (common controls).
enum : unsigned { ProgressSetPos = 1026, ProgressSetRange32 = 1030 };

// Full path of the running executable; false if it does not fit in PathMax.
bool PlatformModulePath(char* path);

// Heap.
void* PlatformAlloc(uint32_t size);
void PlatformFree(void* block);

// Low-level file calls with the flag and permission encoding of cab_reader.h:
// open returns a handle or -1; read returns bytes read, 0 at the end, -1 on
// error; seek takes origin 0 (start), 1 (current), 2 (end) and returns the
// new position or -1.
int32_t PlatformOpen(const char* path, int flags, int mode);
int32_t PlatformRead(int32_t handle, void* buffer, uint32_t count);
int32_t PlatformWrite(int32_t handle, const void* buffer, uint32_t count);
int PlatformClose(int32_t handle);
int32_t PlatformSeek(int32_t handle, int32_t offset, int origin);
// Open flag beside those of cab_reader.h (the C library's value): with
// create, fail when the file already exists.
enum : int { OpenExclusive = 0x0400 };
// Moves a closed file to a new name in the same folder, replacing a file of
// that name; false, with both names as they were, when it cannot.
bool PlatformReplaceFile(const char* from, const char* to);
bool PlatformDeleteFile(const char* path);

// Directories and file metadata. Attribute bits as on Win32 (read-only 0x01,
// hidden 0x02, system 0x04, directory 0x10, archive 0x20, normal 0x80);
// PlatformGetFileAttributes answers 0xFFFFFFFF when the path does not exist.
void PlatformCreateDirectory(const char* path);
bool PlatformSetCurrentDirectory(const char* path);
bool PlatformGetCurrentDirectory(char* path);
uint32_t PlatformGetFileAttributes(const char* path);
bool PlatformSetFileAttributes(const char* path, uint32_t attributes);
// Sets creation and last-write time of an existing file from an MS-DOS date
// and time taken as local time; false when the time or the file is invalid.
bool PlatformSetFileTimes(const char* path, uint16_t dosDate, uint16_t dosTime);
// Whether the byte leads a double-byte character in the ANSI code page.
bool PlatformIsLeadByte(uint8_t byte);

// Shell. The desktop and the browser answer a path without a trailing
// separator (a drive root such as C:\ keeps its own), or false.
bool PlatformDesktopFolder(char* path);
bool PlatformBrowseForFolder(DialogHandle dialog, const char* title, char* path);
void PlatformShellOpen(const char* path);

// User interface. Message boxes are owned by the desktop window.
int PlatformMessageBox(const char* text, const char* caption, unsigned style);
void PlatformEndDialog(DialogHandle dialog, int result);
void PlatformSetItemText(DialogHandle dialog, int id, const char* text);
// Copies at most size - 1 bytes and a terminator.
void PlatformGetItemText(DialogHandle dialog, int id, char* text, int size);
void PlatformEnableItem(DialogHandle dialog, int id, bool enable);
void PlatformShowItem(DialogHandle dialog, int id, int showMode);
// Gives the keyboard focus to a control (a push button also becomes the
// default button).
void PlatformFocusItem(DialogHandle dialog, int id);
void PlatformSendItemMessage(DialogHandle dialog, int id, unsigned message, uint32_t wParam,
                             uint32_t lParam);

#endif
