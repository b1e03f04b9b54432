#!/bin/bash
# End-to-end test of the self-extractor as shipped: the i686 stub, run by
# Wine in a fresh prefix inside Xvfb. Archives are made with `cabx sfx`; the
# dialog, the message boxes and the folder browser are driven with xdotool;
# the extracted files, times and attributes are checked on disk, and a
# screenshot of every window met is kept in the artefacts folder.
#
# Every step waits for what it needs (a window, a file, the program's exit),
# never for a fixed time. A command is known to be done when the dialog
# answers the next one: `settle` presses About until its box shows, which
# the dialog only does once the Extract command has returned.
#
# Usage: tests/e2e/run.sh [WORK_DIR]   (default: build-e2e in the source tree)
#   STUB_E2E_ARCH=i686|x86_64 forces the stub; by default the i686 product.
#   On a kernel without 32-bit support, deps.sh has binfmt_misc start 32-bit
#   programs under qemu-i386; only where even that is impossible is the
#   x86-64 build of the same sources driven (said loudly, and in the summary).
# Screenshots: WORK_DIR/artifacts/*.png. Exit 0 when every check passed.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
work="${1:-$here/build-e2e}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
art="$work/artifacts"
rm -rf "$art" "$work/prefix" "$work/cases" "$work/home"
mkdir -p "$art" "$work/cases"

"$here/scripts/deps.sh" windows >/dev/null

arch="${STUB_E2E_ARCH:-i686}"
note=""
plant_note=""
# The kernel refusing the 32-bit loader is status 126 with "Exec format
# error"; any other failure is a broken Wine installation, not a reason to
# fall back.
# A missing 32-bit Wine (deps.sh says why it could not install it) falls
# back the same way, said as loudly.
status=0
if [ "$arch" = i686 ] && [ -z "${STUB_E2E_ARCH:-}" ] && [ ! -e /usr/lib/wine/wine ]; then
  note="NOTE: 32-bit Wine is not installed (deps.sh could not install wine32:i386); the x86-64 build of the same sources was driven"
  echo "!! $note"
  arch=x86_64
fi
if [ "$arch" = i686 ]; then why=$(/usr/lib/wine/wine --version 2>&1 >/dev/null) || status=$?; fi
if [ "$status" -ne 0 ]; then
  if [ "$status" -ne 126 ] || [[ "$why" != *"Exec format error"* ]] || [ -n "${STUB_E2E_ARCH:-}" ]; then
    echo "the 32-bit Wine loader does not run (status $status): $why"; exit 1
  fi
  note="NOTE: this machine runs no 32-bit programs (not even through qemu-i386); the x86-64 build of the same sources was driven"
  echo "!! $note"
  arch=x86_64
fi
loader=/usr/lib/wine/wine
[ "$arch" = x86_64 ] && loader=/usr/lib/wine/wine64
# Every Wine process maps its shared user data at one fixed address. With
# the address space laid out at random, a new process now and then finds it
# taken ("failed to map the shared user data"); when that process is Wine's
# desktop, the program under test gets no windows and a check fails for
# Wine's sake. The programs run with a fixed layout (inherited by the
# processes Wine starts): the same every time, with the address free.
if setarch "$(uname -m)" -R true 2>/dev/null; then
  printf '#!/bin/sh\nexec setarch "%s" -R "%s" "$@"\n' "$(uname -m)" "$loader" >"$work/wine"
  chmod +x "$work/wine"
  loader="$work/wine"
fi
mingw="$arch-w64-mingw32-gcc"

echo "== building the $arch stub and cabx"
"$here/scripts/build_stub.sh" "$arch" "$work" >/dev/null
stub="$work/Stub-$arch.exe"
cmake -S "$here" -B "$work/host" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF \
  -DSTUB_CROSS_STUB=OFF >/dev/null
cmake --build "$work/host" --target cabx -j2 >/dev/null
cabx="$work/host/cabx"
sfx() { "$cabx" sfx --stub "$stub" "$@"; }

# --- Xvfb and Wine -------------------------------------------------------------
display=""
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
# A home of its own: Wine links the desktop and documents folders there.
mkdir -p "$work/home"
export HOME="$work/home" DISPLAY="$display" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Where the 32-bit loader runs under qemu-i386 (binfmt_misc, set up by
# deps.sh on kernels without 32-bit support), Wine is several times slower:
# every wait is stretched, none is removed.
scale=1
if [ "$arch" = i686 ] && grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386; then
  scale=3
  echo "== the 32-bit Wine loader runs under qemu-i386; waits are $scale times longer"
fi

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds, false at the end.
poll() {
  local end=$((SECONDS + $1 * scale)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}
poll 20 xdotool getdisplaygeometry >/dev/null 2>&1
echo "== preparing a fresh Wine prefix"
timeout $((300 * scale)) /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 \
  || { echo "FAIL: wineboot did not prepare the prefix"; exit 1; }
drive="$WINEPREFIX/drive_c"
# The first program of the loader's bitness starts its half of Wine cold
# (minutes under qemu-i386); a small program that asks user32 something
# takes that start, so the first case waits no longer than the others.
printf '#include <windows.h>\nint main(void) { return GetSystemMetrics(SM_CXSCREEN) > 0 ? 0 : 1; }\n' \
  > "$work/cases/warm.c"
"$mingw" -O1 -o "$work/cases/warm.exe" "$work/cases/warm.c" -luser32
timeout $((60 * scale)) "$loader" "$work/cases/warm.exe" >/dev/null 2>&1 \
  || { echo "FAIL: a small $arch program did not run under Wine"; exit 1; }

failures=0
passes=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then passes=$((passes + 1)); echo "  ok   $1"
  else failures=$((failures + 1)); echo "  FAIL $1"; fi
}
shot() { import -window root "$art/$1.png" 2>/dev/null; }
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_id "$1")" ]; }
no_window() { ! has_window "$1"; }
# Waits for a visible window with exactly this title; prints its id.
wait_window() { poll "${2:-30}" has_window "$1" && window_id "$1"; }
# A window is gone once it is unmapped or destroyed. Boxes are awaited by
# their id, never by their title: the next box of a series (one question per
# file) carries the same title and may be up before the last one is seen gone.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
gone() { ! viewable "$1"; }
# Answers a message box with a key and waits until it is gone. Keys go to
# the active window, so the box is clicked first (on its text).
answer() {  # answer TITLE KEY
  local b
  b=$(wait_window "$1") || return 1
  click_at "$b" 0.6 0.2
  press "$b" "$2"
  poll 30 gone "$b"
}
# Closes a box with a single OK button by clicking it (centred, at the foot);
# if a busy machine lost the click, by Return, the key of its only button.
close_ok() {  # close_ok WINDOW
  local geo w h
  xdotool windowraise "$1"
  geo=$(xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}')
  w=${geo%x*}; h=${geo#*x}
  xdotool mousemove --window "$1" $((w / 2)) $((h - 22)) click 1
  poll 15 gone "$1" && return
  viewable "$1" && click_at "$1" 0.5 0.2 && press "$1" Return
  poll 30 gone "$1"
}
answer_ok() {  # answer_ok TITLE
  local b
  b=$(wait_window "$1") || return 1
  close_ok "$b"
}

# The program under test: started in the background, its exit awaited.
stub_pid=""
start() { "$loader" "$1" >/dev/null 2>&1 & stub_pid=$!; }
running() { kill -0 "$stub_pid" 2>/dev/null; }
exited() { ! running; }
wait_exit() { poll 30 exited; }

# Clicks at a fraction of a window's size, on top of every other window (a
# program opened afterwards may lie over the dialog).
click_at() {  # click_at WINDOW FX FY
  local geo w h
  xdotool windowraise "$1"
  geo=$(xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}')
  w=${geo%x*}; h=${geo#*x}
  xdotool mousemove --window "$1" "$(awk "BEGIN{print int($w*$2)}")" \
    "$(awk "BEGIN{print int($h*$3)}")" click 1
}
# Controls of dialog template 103, as fractions of its 236 x 98 units.
extract_btn() { click_at "$1" 0.873 0.112; }
cancel_btn() { click_at "$1" 0.873 0.286; }
about_btn() { click_at "$1" 0.873 0.459; }
help_btn() { click_at "$1" 0.873 0.633; }
browse_btn() { click_at "$1" 0.712 0.459; }
folder_field() { click_at "$1" 0.35 0.46; }
# Makes the dialog the active window without moving its focus: a click on
# its text.
activate() { click_at "$1" 0.3 0.12; }
# (xdotool's complaint about the focus of an X server without a window
# manager is dropped; its status is not.)
press() { xdotool key --window "$1" "$2" 2>/dev/null; }
# Types text with key names: `xdotool type` remaps spare key codes for
# characters, which Wine, having read the keyboard map at start, misreads.
type_text() {  # type_text WINDOW TEXT
  local keys=() c i
  for ((i = 0; i < ${#2}; i++)); do
    c="${2:i:1}"
    case "$c" in
      [a-z0-9]) keys+=("$c") ;;
      [A-Z]) keys+=("shift+${c,,}") ;;
      ':') keys+=(shift+semicolon) ;;
      '\') keys+=(backslash) ;;
      '.') keys+=(period) ;;
      '_') keys+=(shift+minus) ;;
      ' ') keys+=(space) ;;
      *) echo "type_text: cannot type '$c'" >&2; return 1 ;;
    esac
  done
  xdotool key --window "$1" --delay 20 "${keys[@]}" 2>/dev/null
}
set_folder() {  # set_folder DIALOG 'C:\...'
  folder_field "$1"
  xdotool key --window "$1" ctrl+a BackSpace 2>/dev/null
  type_text "$1" "$2"
}
# Waits until the dialog is idle again: About answers only once the command
# before it has returned (its buttons are disabled until then). The box is
# owned by the desktop, so a second press while it is slow to show opens a
# second one: each press gets a long wait, and every box shown is closed.
settle() {
  local end=$((SECONDS + 90 * scale)) b
  while [ "$SECONDS" -lt "$end" ]; do
    about_btn "$1"
    if poll 10 has_window Information; then
      while b=$(window_id Information) && [ -n "$b" ]; do close_ok "$b" || return 1; done
      return
    fi
  done
  return 1
}
same() { cmp -s "$1" "$2"; }
# The file the archives open afterwards, opened.exe, adds its own path as a
# line to C:\e2e\opened.log. opened_again: it has run once more (and has
# ended); not_opened: it is neither running nor has run again.
opened_runs=0
opened_count() { if [ -f "$drive/e2e/opened.log" ]; then wc -l < "$drive/e2e/opened.log"; else echo 0; fi; }
opened_ended() { [ "$(opened_count)" -ge "$opened_runs" ] && ! pgrep -x opened.exe >/dev/null; }
opened_again() {
  opened_runs=$((opened_runs + 1))
  poll 30 opened_ended && [ "$(opened_count)" -eq "$opened_runs" ]
}
not_opened() { ! pgrep -x opened.exe >/dev/null && [ "$(opened_count)" -eq "$opened_runs" ]; }
no_temporaries() { [ -z "$(find "$1" -name '~sfx*' -print -quit)" ]; }

# --- inputs ------------------------------------------------------------------
in="$work/cases/in"
mkdir -p "$in/docs/deep"
printf 'first file\n' > "$in/a.txt"
printf 'nested file\n' > "$in/docs/deep/b.txt"
head -c 300000 /dev/urandom > "$in/docs/random.bin"
# A name outside ASCII: the stub takes names in the system's code page
# (Windows-1252 here), which cabx sfx writes them in. (A letter from 0xE0
# up in that code page would be written as '_' by the stub.)
printf 'name outside ASCII\n' > "$in/Öl.txt"
touch -d '2004-05-06 07:08:10' "$in/a.txt"
touch -d '2010-11-12 13:14:16' "$in/docs/deep/b.txt"
printf 'locked\n' > "$in/ro.txt"
chmod a-w "$in/ro.txt"
cat > "$work/cases/opened.c" <<'EOF'
#include <windows.h>
int main(void) {
    char path[MAX_PATH + 2];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH), done;
    HANDLE log = CreateFileA("C:\\e2e\\opened.log", FILE_APPEND_DATA, 0, NULL, OPEN_ALWAYS, 0, NULL);
    path[n++] = '\r', path[n++] = '\n';
    WriteFile(log, path, n, &done, NULL);
    CloseHandle(log);
    return 0;
}
EOF
"$mingw" -O1 -o "$in/opened.exe" "$work/cases/opened.c"
dialog_title='Morvel SFX-Archive'

# --- 1: start-up question answered No -------------------------------------------
echo "== start-up question answered No"
sfx -m none --folder 'C:\e2e\no' --caption 'Question' --message 'Extract the files?' \
    --kind yesno "$work/cases/no.exe" "$in/a.txt"
start "$work/cases/no.exe"
if box=$(wait_window Question); then
  shot 01-startup-question
  press "$box" n
  check "the program ends after No" wait_exit
  check "the dialog was never shown" no_window "$dialog_title"
  check "nothing was extracted" test ! -e "$drive/e2e/no"
else
  check "start-up question shown" false
fi

# --- 2: the dialog through every button -----------------------------------------
echo "== start-up question answered Yes, then every button"
sfx -m none --folder 'C:\e2e\default' --caption 'Question' --message 'Extract the files?' \
    --kind yesno --confirm-overwrite --open opened.exe "$work/cases/yes.exe" "$in/a.txt" \
    "$in/docs" "$in/opened.exe"
start "$work/cases/yes.exe"
if answer Question Return && dlg=$(wait_window "$dialog_title"); then
  shot 02-dialog
  about_btn "$dlg"
  if poll 30 has_window Information; then shot 03-about; fi
  check "About box" answer_ok Information
  help_btn "$dlg"
  if poll 30 has_window Help; then shot 04-help; fi
  check "Help box" answer_ok Help

  set_folder "$dlg" 'C:\e2e\typed'
  shot 05-folder-typed
  extract_btn "$dlg"
  out="$drive/e2e/typed"
  check "the file to open is run after a complete extraction" opened_again
  check "a.txt extracted" same "$in/a.txt" "$out/a.txt"
  check "docs\\deep\\b.txt extracted" same "$in/docs/deep/b.txt" "$out/docs/deep/b.txt"
  check "docs\\random.bin extracted" same "$in/docs/random.bin" "$out/docs/random.bin"
  check "time of a.txt restored" test "$(stat -c %Y "$out/a.txt")" = "$(stat -c %Y "$in/a.txt")"
  check "time of b.txt restored" test "$(stat -c %Y "$out/docs/deep/b.txt")" = "$(stat -c %Y "$in/docs/deep/b.txt")"
  check "no temporary file left" no_temporaries "$out"

  # The second extraction meets the first one's files.
  printf 'changed\n' > "$out/a.txt"
  extract_btn "$dlg"
  if poll 30 has_window 'Overwrite\?'; then shot 06-overwrite-question; fi
  check "overwrite question for a.txt answered No" answer 'Overwrite\?' n
  for f in 'docs\deep\b.txt' 'docs\random.bin' opened.exe; do
    check "overwrite question for $f answered Yes" answer 'Overwrite\?' Return
  done
  check "the file to open is run again" opened_again
  check "No keeps the existing file" grep -q changed "$out/a.txt"

  extract_btn "$dlg"
  check "overwrite question for a.txt answered Yes" answer 'Overwrite\?' y
  for f in 'docs\deep\b.txt' 'docs\random.bin' opened.exe; do
    check "overwrite question for $f answered Yes" answer 'Overwrite\?' Return
  done
  check "and run again" opened_again
  check "Yes overwrites the file" same "$in/a.txt" "$out/a.txt"

  # The folder browser: the folder first selected (the desktop), then the
  # drive root, which stays "C:\".
  desktop="$drive/users/$(id -un)/Desktop"
  browse_btn "$dlg"
  if b=$(wait_window 'Browse for Folder'); then
    shot 07-browser
    press "$b" Return
    check "the browser closes" poll 30 gone "$b"
    check "the dialog is idle again" settle "$dlg"
    extract_btn "$dlg"
    check "a folder chosen in the browser is used" opened_again
    check "the browser's folder received the files" same "$in/docs/random.bin" "$desktop/docs/random.bin"
  else
    check "folder browser shown" false
  fi
  browse_btn "$dlg"
  if b=$(wait_window 'Browse for Folder'); then
    # Down the tree: from the desktop to "My Computer" (found by its first
    # letter, whatever else the desktop holds), open it, and its first
    # drive, C:.
    xdotool key --window "$b" --delay 150 Home m Right Down 2>/dev/null
    shot 08-browser-drive
    press "$b" Return
    check "the browser closes again" poll 30 gone "$b"
    check "the dialog is idle again" settle "$dlg"
    shot 09-drive-root-chosen
    extract_btn "$dlg"
    check "a drive root chosen in the browser is used" opened_again
    check "the drive root received the files" same "$in/docs/random.bin" "$drive/docs/random.bin"
  else
    check "folder browser shown again" false
  fi

  press "$dlg" Escape
  check "the dialog answers after Escape" settle "$dlg"
  check "Escape does not close the dialog" running
  cancel_btn "$dlg"
  check "Cancel ends the program" wait_exit
else
  check "dialog shown after Yes" false
fi

# --- 2b: the focus comes back to Extract ---------------------------------------------
# Extract is disabled while it extracts, which takes its focus; Return must
# extract again afterwards. (No file is opened here: the program it starts
# would take the foreground, and the dialog's own focus handling on being
# activated again would hide the fault.)
echo "== Return extracts again"
sfx -m none --folder 'C:\e2e\focus' --confirm-overwrite "$work/cases/focus.exe" "$in/a.txt"
start "$work/cases/focus.exe"
if dlg=$(wait_window "$dialog_title"); then
  extract_btn "$dlg"
  check "focus: extracted" poll 30 same "$in/a.txt" "$drive/e2e/focus/a.txt"
  # Return is lost while the buttons are still disabled: press it until the
  # second extraction asks, or give up.
  asked() { press "$dlg" Return; poll 2 has_window 'Overwrite\?'; }
  check "focus: Return extracts again" poll 30 asked
  check "focus: its question answered" answer 'Overwrite\?' n
  check "the dialog is idle again" settle "$dlg"
  cancel_btn "$dlg"
  check "focus: Cancel ends the program" wait_exit
else
  check "focus: dialog shown" false
fi

# --- 2c: a relative folder, twice --------------------------------------------
# Taken from the directory the program started in, on every extraction; the
# file to open is found in it (an extraction enters its folder).
echo "== a relative folder, extracted twice"
sfx -m none --folder 'relout' --open opened.exe "$work/cases/relative.exe" "$in/a.txt" \
    "$in/opened.exe"
mkdir -p "$drive/e2e/start"
pushd "$drive/e2e/start" >/dev/null
start "$work/cases/relative.exe"
popd >/dev/null
if dlg=$(wait_window "$dialog_title"); then
  out="$drive/e2e/start/relout"
  for run in first second; do
    extract_btn "$dlg"
    check "relative: the $run extraction opens the file" opened_again
    check "the dialog is idle again" settle "$dlg"
  done
  check "relative: extracted beside the start" same "$in/a.txt" "$out/a.txt"
  check "relative: nothing in a folder inside it" test ! -e "$out/relout"
  cancel_btn "$dlg"
  check "relative: Cancel ends the program" wait_exit
else
  check "relative: dialog shown" false
fi

# --- 3: each decoder, an information message, the read-only attribute -------
for method in mszip lzx quantum; do
  echo "== $method archive with an information message"
  sfx -m "$method" --folder "C:\\e2e\\$method" --caption 'Note' --message 'Just so you know.' \
      --kind info "$work/cases/$method.exe" "$in/ro.txt" "$in/docs" "$in/Öl.txt"
  start "$work/cases/$method.exe"
  if answer_ok Note && dlg=$(wait_window "$dialog_title"); then
    [ "$method" = mszip ] && shot 10-information-message
    activate "$dlg"
    press "$dlg" Return  # Extract is the default button
    check "the dialog is idle again" settle "$dlg"
    out="$drive/e2e/$method"
    check "$method: no error" no_window Error
    check "$method: files extracted" same "$in/docs/random.bin" "$out/docs/random.bin"
    check "$method: a name outside ASCII extracted" same "$in/Öl.txt" "$out/Öl.txt"
    check "$method: read-only file extracted" same "$in/ro.txt" "$out/ro.txt"
    check "$method: read-only attribute restored" test "$(stat -c %A "$out/ro.txt" | cut -c3)" = "-"
    cancel_btn "$dlg"
    check "$method: Cancel ends the program" wait_exit
  else
    check "$method: information message and dialog shown" false
  fi
done

# --- 3b: each decoder on 8 MiB of real files over several folders -----------
# Text, source code and binaries of this machine (the benchmark's corpus
# builder), packed by cabx into 2 MiB folders at the largest windows, so that
# the shipped decoders run through many frames, trees and folder resets.
corpus="$work/cases/corpus"
CORPUS_MB=8 "$here/bench/make_corpus.sh" "$corpus" >/dev/null
mapfile -t corpus_files < <(awk -F'\t' 'NR > 1 { print $1 }' "$corpus/MANIFEST.tsv")
same_corpus() {  # same_corpus DIR: every corpus file is there, byte for byte
  local f
  for f in "${corpus_files[@]}"; do cmp -s "$corpus/$f" "$1/$f" || return 1; done
}
for method in mszip lzx:21 quantum:21; do
  name=${method%%:*}
  echo "== $method: ${#corpus_files[@]} real files in 2 MiB folders"
  cab="$work/cases/$name-corpus.cab"
  (cd "$corpus" && "$cabx" create -m "$method" --folder-size 2097152 "$cab" "${corpus_files[@]}") \
    >/dev/null
  sfx --folder "C:\\e2e\\corpus-$name" "$work/cases/$name-corpus.exe" "$cab" >/dev/null
  start "$work/cases/$name-corpus.exe"
  if dlg=$(wait_window "$dialog_title"); then
    activate "$dlg"
    press "$dlg" Return
    check "$name corpus: the dialog is idle again" settle "$dlg"
    check "$name corpus: no error" no_window Error
    check "$name corpus: every file extracted exactly" same_corpus "$drive/e2e/corpus-$name"
    cancel_btn "$dlg"
    check "$name corpus: Cancel ends the program" wait_exit
  else
    check "$name corpus: dialog shown" false
  fi
done

# --- 3c: names that Windows reads otherwise -----------------------------------
# A device's name is written with '_' for its first letter, not opened as
# the device (which would write nowhere, or fail the extraction); a
# directory's trailing space becomes '_', where Windows would create the
# directory without it and then not find it.
echo "== names of devices, a directory ending in a space"
devices="$work/cases/devices"
mkdir -p "$devices/sub" "$devices/dir "
printf 'aux\n' > "$devices/AUX"
printf 'console\n' > "$devices/CON"
printf 'nothing\n' > "$devices/nul.txt"
printf 'port one\n' > "$devices/sub/COM1.log"
printf 'port two\n' > "$devices/sub/COM2.log"
printf 'spaced\n' > "$devices/dir /f.txt"
sfx --folder 'C:\e2e\devices' "$work/cases/devices.exe" "$devices/AUX" "$devices/CON" \
  "$devices/nul.txt" "$devices/sub" "$devices/dir " >/dev/null
start "$work/cases/devices.exe"
if dlg=$(wait_window "$dialog_title"); then
  activate "$dlg"
  press "$dlg" Return
  check "devices: the dialog is idle again" settle "$dlg"
  check "devices: no error" no_window Error
  out="$drive/e2e/devices"
  check "devices: AUX written as _UX" same "$devices/AUX" "$out/_UX"
  check "devices: CON written as _ON" same "$devices/CON" "$out/_ON"
  check "devices: nul.txt written as _ul.txt" same "$devices/nul.txt" "$out/_ul.txt"
  check "devices: sub\\COM1.log written as sub\\_OM1.log" same "$devices/sub/COM1.log" "$out/sub/_OM1.log"
  check "devices: sub\\COM2.log written as sub\\_OM2.log" same "$devices/sub/COM2.log" "$out/sub/_OM2.log"
  check "devices: 'dir \\f.txt' written as dir_\\f.txt" same "$devices/dir /f.txt" "$out/dir_/f.txt"
  cancel_btn "$dlg"
  check "devices: Cancel ends the program" wait_exit
else
  check "devices: dialog shown" false
fi

# --- 4: failures are said, leave nothing half-written, open nothing -----------
# expect_error NAME EXE: the archive's extraction fails with the message.
expect_error() {
  start "$2"
  if dlg=$(wait_window "$dialog_title"); then
    activate "$dlg"
    press "$dlg" Return
    if poll 60 has_window Error; then
      shot "11-$1-error"
      check "$1: the error box closes" answer_ok Error
      check "$1: failure reported" true
    else
      check "$1: failure reported" false
    fi
    check "the dialog is idle again" settle "$dlg"
    check "$1: the file to open was not run" not_opened
    cancel_btn "$dlg"
    check "$1: Cancel ends the program" wait_exit
  else
    check "$1: dialog shown" false
  fi
}
echo "== corrupt cabinet"
sfx -m none --folder 'C:\e2e\broken' --open opened.exe "$work/cases/broken.exe" "$in/opened.exe" \
    "$in/a.txt"
# Flip a byte of a.txt's data inside the stored block (its checksum then fails).
size=$(stat -c %s "$work/cases/broken.exe")
printf 'X' | dd of="$work/cases/broken.exe" bs=1 seek=$((size - 3)) conv=notrunc 2>/dev/null
mkdir -p "$drive/e2e/broken"
printf 'previous\n' > "$drive/e2e/broken/a.txt"
expect_error corrupt "$work/cases/broken.exe"
check "corrupt: the file it would have replaced is kept" grep -q previous "$drive/e2e/broken/a.txt"
check "corrupt: no temporary file left" no_temporaries "$drive/e2e/broken"

echo "== no cabinet in the archive"
sfx -m none --folder 'C:\e2e\nocab' --open opened.exe "$work/cases/nocab.exe" "$in/opened.exe"
offset=$("$cabx" info "$work/cases/nocab.exe" | sed -n 's/^Cabinet at offset \([0-9]*\).*/\1/p')
truncate -s $((offset + 4)) "$work/cases/nocab.exe"
expect_error no-cabinet "$work/cases/nocab.exe"

# --- 5: a set of three cabinets ----------------------------------------------------
echo "== three-cabinet set"
mkdir -p "$work/cases/set"
head -c 200000 /dev/urandom > "$work/cases/set/big.bin"
cp "$in/a.txt" "$work/cases/set/a.txt"
(cd "$work/cases/set" && "$cabx" create -m none --max-size 90000 part.cab big.bin a.txt >/dev/null)
sfx --folder 'C:\e2e\set' "$work/cases/set/setup.exe" "$work/cases/set/part.cab"
check "the set has three cabinets" test -e "$work/cases/set/part3.cab" -a ! -e "$work/cases/set/part4.cab"
start "$work/cases/set/setup.exe"
if dlg=$(wait_window "$dialog_title"); then
  activate "$dlg"
  press "$dlg" Return
  check "the dialog is idle again" settle "$dlg"
  check "set: no error" no_window Error
  check "set: the file spanning three cabinets" same "$work/cases/set/big.bin" "$drive/e2e/set/big.bin"
  check "set: the file in the last cabinet" same "$in/a.txt" "$drive/e2e/set/a.txt"
  cancel_btn "$dlg"
  check "set: Cancel ends the program" wait_exit
else
  check "set: dialog shown" false
fi

# --- 6: a signed archive -------------------------------------------------------------
echo "== signed archive"
openssl req -x509 -newkey rsa:2048 -nodes -subj '/CN=Stub end-to-end test' -days 2 \
  -keyout "$work/cases/key.pem" -out "$work/cases/cert.pem" >/dev/null 2>&1
sfx -m lzx --folder 'C:\e2e\signed' "$work/cases/unsigned.exe" "$in/a.txt" "$in/docs"
osslsigncode sign -certs "$work/cases/cert.pem" -key "$work/cases/key.pem" -n 'Stub e2e' \
  -in "$work/cases/unsigned.exe" -out "$work/cases/signed.exe" >/dev/null
check "signed: the signature is there" \
  osslsigncode extract-signature -in "$work/cases/signed.exe" -out "$work/cases/sig.der"
check "signed: cabx info finds the cabinet" bash -c "'$cabx' info '$work/cases/signed.exe' | grep -q 'docs.deep.b.txt'"
rm -rf "$work/cases/signed-out"
check "signed: cabx extracts it" "$cabx" extract -q -d "$work/cases/signed-out" "$work/cases/signed.exe"
check "signed: cabx output identical" same "$in/docs/random.bin" "$work/cases/signed-out/docs/random.bin"
start "$work/cases/signed.exe"
if dlg=$(wait_window "$dialog_title"); then
  shot 12-signed
  activate "$dlg"
  press "$dlg" Return
  check "the dialog is idle again" settle "$dlg"
  check "signed: no error" no_window Error
  check "signed: the stub extracts it" same "$in/docs/random.bin" "$drive/e2e/signed/docs/random.bin"
  cancel_btn "$dlg"
  check "signed: Cancel ends the program" wait_exit
else
  check "signed: dialog shown" false
fi

# --- 7: DLLs lying beside the archive are never loaded ----------------------------
echo "== DLL planting"
# First every DLL the stub loads through a whole session (dialog, browser,
# extraction, the shell opening a file), from Wine's own log of loads.
plant="$work/cases/plant"
mkdir -p "$plant"
sfx -m mszip --folder 'C:\e2e\plant' --open opened.exe --caption Note --message Hello \
    --kind info "$plant/setup.exe" "$in/a.txt" "$in/opened.exe"
session() {  # session LOG: one whole session with the loader's log in LOG
  WINEDEBUG=+loaddll "$loader" "$plant/setup.exe" >/dev/null 2>"$1" & stub_pid=$!
  answer_ok Note || return 1
  local d
  d=$(wait_window "$dialog_title") || return 1
  browse_btn "$d"
  answer 'Browse for Folder' Escape || return 1
  activate "$d"
  press "$d" Return
  opened_again || return 1
  settle "$d" || return 1
  cancel_btn "$d"
  wait_exit
}
# The modules a log shows loaded from the archive's folder (the programs
# themselves aside), one a line: the name in lower case and how it was
# loaded. "native": the file beside the archive was mapped and run;
# "builtin": Wine resolved the name through the folder but loaded its own
# copy, so the file there never ran.
loaded_from_plant() {
  local folder
  folder=$(printf '%s/' "${plant#/}" | tr 'A-Z' 'a-z')
  sed -n 's/.*Loaded L"\([^"]*\)" at [^:]*: *\([a-z]*\).*/\1 \2/p' "$1" | sed 's/\\\\/\//g' |
    tr 'A-Z' 'a-z' |
    awk -v folder="$folder" 'index($0, folder) && $1 !~ /\.exe$/ { n = split($1, p, "/"); print p[n], $2 }' |
    sort -u
}
export -f loaded_from_plant
export plant
rm -rf "$drive/e2e/plant"
check "plant: a session without planted DLLs" session "$work/cases/loads-clean.log"
mapfile -t dlls < <(grep -o 'Loaded L"[^"]*\.dll"' "$work/cases/loads-clean.log" |
                    sed 's/.*\\//; s/"$//' | tr 'A-Z' 'a-z' | sort -u)
echo "  the stub loaded ${#dlls[@]} DLLs: ${dlls[*]}"
check "plant: the DLLs the stub loads are known" test "${#dlls[@]}" -gt 5
# A marker DLL under each name: loading it leaves a file named after it.
cat > "$work/cases/marker.c" <<'EOF'
#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char name[MAX_PATH], path[MAX_PATH + 32] = "C:\\e2e\\markers\\";
        DWORD n = GetModuleFileNameA(self, name, MAX_PATH);
        const char* base = name + n;
        while (base > name && base[-1] != '\\') --base;
        lstrcatA(path, base);
        CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
EOF
"$mingw" -shared -O1 -o "$work/cases/marker.dll" "$work/cases/marker.c"
mkdir -p "$drive/e2e/markers"
for d in "${dlls[@]}"; do cp "$work/cases/marker.dll" "$plant/$d"; done
# The markers work: a program that loads one beside it by name runs its
# DllMain, and the log shows it loaded natively from the archive's folder.
cat > "$work/cases/control.c" <<'EOF'
#include <windows.h>
int main(void) { return LoadLibraryA("markerprobe.dll") ? 0 : 1; }
EOF
"$mingw" -O1 -o "$plant/control.exe" "$work/cases/control.c"
cp "$work/cases/marker.dll" "$plant/markerprobe.dll"
check "plant: the control program loads its marker DLL" \
  env WINEDEBUG=+loaddll "$loader" "$plant/control.exe" 2>"$work/cases/loads-control.log"
check "plant: the marker DLL ran (control program)" poll 30 test -e "$drive/e2e/markers/markerprobe.dll"
check "plant: the log shows the native load (control program)" \
  bash -c "loaded_from_plant '$work/cases/loads-control.log' | grep -qx 'markerprobe.dll native'"
rm -f "$drive/e2e/markers/"* "$plant/control.exe" "$plant/markerprobe.dll"
rm -rf "$drive/e2e/plant"
check "plant: a session with every DLL planted beside the archive" \
  session "$work/cases/loads-planted.log"
check "plant: no marker DLL ran" test -z "$(ls -A "$drive/e2e/markers")"
check "plant: no DLL beside the archive was loaded natively" \
  bash -c "! loaded_from_plant '$work/cases/loads-planted.log' | grep -q ' native\$'"
resolved=$(loaded_from_plant "$work/cases/loads-planted.log" | awk '$2 == "builtin" {print $1}' | tr '\n' ' ')
if [ -n "$resolved" ]; then
  plant_note="NOTE: Wine resolved these names through the archive's folder, loading its own builtin copies: ${resolved% }"
  echo "  $plant_note"
fi
check "plant: the archive was still extracted" same "$in/a.txt" "$drive/e2e/plant/a.txt"

echo
echo "screenshots: $art"
[ -n "$note" ] && echo "$note"
[ -n "$plant_note" ] && echo "$plant_note"
echo "$passes passed, $failures failed ($arch stub)"
[ "$failures" -eq 0 ]
