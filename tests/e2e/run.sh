#!/bin/bash
# End-to-end test of the self-extractor on its real user interface.
#
# This machine cannot run 32-bit Windows code, so the same sources are built
# for 64-bit Windows and run under a 64-bit Wine, in a fresh prefix, inside
# Xvfb. Archives are made with `cabx sfx`; the dialog and the message boxes
# are driven with xdotool, the
# extracted files, times and attributes are checked on disk, and a
# screenshot of every window met is kept in the artefacts folder.
#
# Usage: tests/e2e/run.sh [WORK_DIR]   (default: build-e2e in the source tree)
# Screenshots: WORK_DIR/artifacts/*.png. Exit 0 when every check passed.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
work="${1:-$here/build-e2e}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
art="$work/artifacts"
rm -rf "$art" "$work/prefix" "$work/cases"
mkdir -p "$art" "$work/cases"

# --- tools -------------------------------------------------------------------
need=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick cmake:cmake g++:g++ \
            x86_64-w64-mingw32-g++:g++-mingw-w64-x86-64; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
[ -x /usr/lib/wine/wine64 ] || need+=(wine wine64)
if [ ${#need[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

echo "== building the x86-64 stub and cabx"
"$here/scripts/build_stub.sh" x86_64 "$work" >/dev/null
stub="$work/Stub-x86_64.exe"
cmake -S "$here" -B "$work/host" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
cmake --build "$work/host" --target cabx -j2 >/dev/null
sfx() { "$work/host/cabx" sfx --stub "$stub" "$@"; }

# --- Xvfb and Wine -------------------------------------------------------------
display=""
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
echo "== preparing a fresh Wine prefix"
timeout 300 "$wine" wineboot -i >/dev/null 2>&1
drive="$WINEPREFIX/drive_c"

failures=0
passes=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then passes=$((passes + 1)); echo "  ok   $1"
  else failures=$((failures + 1)); echo "  FAIL $1"; fi
}
shot() { sleep 0.7; import -window root "$art/$1.png" 2>/dev/null || true; }
# Waits for a visible window with exactly this title; prints its id.
wait_window() {
  local name="$1" tries="${2:-60}" id
  for _ in $(seq "$tries"); do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.25
  done
  return 1
}
wait_gone() {
  for _ in $(seq "${2:-40}"); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  return 1
}
# Clicks at a fraction of a window's size (the dialog has no frame here).
click_at() {  # click_at WINDOW FX FY
  local geo w h
  geo=$(xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}')
  w=${geo%x*}; h=${geo#*x}
  xdotool mousemove --window "$1" "$(awk "BEGIN{print int($w*$2)}")" \
    "$(awk "BEGIN{print int($h*$3)}")" click 1 2>/dev/null
}
# Buttons of dialog template 103, as fractions of its 236 x 98 units.
extract_btn() { click_at "$1" 0.873 0.112; }
cancel_btn() { click_at "$1" 0.873 0.286; }
about_btn() { click_at "$1" 0.873 0.459; }
help_btn() { click_at "$1" 0.873 0.633; }
folder_field() { click_at "$1" 0.35 0.46; }
process_running() { pgrep -f "$1" >/dev/null; }
wait_exit() {
  for _ in $(seq 40); do process_running "$1" || return 0; sleep 0.25; done
  return 1
}
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

# --- inputs ------------------------------------------------------------------
in="$work/cases/in"
mkdir -p "$in/docs/deep"
printf 'first file\n' > "$in/a.txt"
printf 'nested file\n' > "$in/docs/deep/b.txt"
head -c 300000 /dev/urandom > "$in/docs/random.bin"
touch -d '2004-05-06 07:08:10' "$in/a.txt"
touch -d '2010-11-12 13:14:16' "$in/docs/deep/b.txt"
printf 'locked\n' > "$in/ro.txt"
chmod a-w "$in/ro.txt"

# --- 1: start-up question answered No -------------------------------------------
echo "== start-up question answered No"
sfx -m none --folder 'C:\e2e\no' --caption 'Question' --message 'Extract the files?' \
    --kind yesno "$work/cases/no.exe" "$in/a.txt"
"$wine" "$work/cases/no.exe" >/dev/null 2>&1 &
if box=$(wait_window Question); then
  shot 01-startup-question
  press "$box" n
  check "the program ends after No" wait_exit no.exe
  check "the dialog was never shown" bash -c "! xdotool search --onlyvisible --name '^Morvel SFX-Archive\$' >/dev/null 2>&1"
  check "nothing was extracted" test ! -e "$drive/e2e/no"
else
  check "start-up question shown" false
fi

# --- 2: Yes, About, Help, a typed folder, Extract, overwrite, Escape, Cancel ----
echo "== start-up question answered Yes, then the dialog"
sfx -m none --folder 'C:\e2e\default' --caption 'Question' --message 'Extract the files?' \
    --kind yesno --confirm-overwrite --open 'a.txt' "$work/cases/yes.exe" "$in/a.txt" "$in/docs"
"$wine" "$work/cases/yes.exe" >/dev/null 2>&1 &
if box=$(wait_window Question); then
  press "$box" Return
  if dlg=$(wait_window 'Morvel SFX-Archive'); then
    shot 02-dialog
    about_btn "$dlg"
    if b=$(wait_window Information); then shot 03-about; press "$b" Return; wait_gone Information || true; check "About box" true
    else check "About box" false; fi
    help_btn "$dlg"
    if b=$(wait_window Help); then shot 04-help; press "$b" Return; wait_gone Help || true; check "Help box" true
    else check "Help box" false; fi
    folder_field "$dlg"
    xdotool key --window "$dlg" ctrl+a BackSpace 2>/dev/null
    type_text "$dlg" 'C:\e2e\typed'
    shot 05-folder-typed
    extract_btn "$dlg"
    sleep 3
    shot 06-after-extract
    out="$drive/e2e/typed"
    check "a.txt extracted" cmp -s "$in/a.txt" "$out/a.txt"
    check "docs\\deep\\b.txt extracted" cmp -s "$in/docs/deep/b.txt" "$out/docs/deep/b.txt"
    check "docs\\random.bin extracted" cmp -s "$in/docs/random.bin" "$out/docs/random.bin"
    check "time of a.txt restored" test "$(stat -c %Y "$out/a.txt")" = "$(stat -c %Y "$in/a.txt")"
    check "time of b.txt restored" test "$(stat -c %Y "$out/docs/deep/b.txt")" = "$(stat -c %Y "$in/docs/deep/b.txt")"
    # The file to open afterwards was handed to the shell: Wine's notepad
    # (or whatever is associated) may show up; close whatever appeared.
    for w in $(xdotool search --onlyvisible --name 'a.txt|Notepad' 2>/dev/null || true); do
      xdotool windowclose "$w" 2>/dev/null || true
    done

    printf 'changed\n' > "$out/a.txt"
    extract_btn "$dlg"
    if b=$(wait_window 'Overwrite\?'); then
      shot 07-overwrite-question
      press "$b" n
      wait_gone 'Overwrite\?' || true
      check "overwrite question shown" true
    else
      check "overwrite question shown" false
    fi
    sleep 2
    check "No keeps the existing file" grep -q changed "$out/a.txt"
    # docs\... exist as well: answer their questions with Yes.
    for _ in 1 2 3; do
      if b=$(wait_window 'Overwrite\?' 8); then press "$b" Return; wait_gone 'Overwrite\?' || true; fi
    done
    sleep 1
    extract_btn "$dlg"
    if b=$(wait_window 'Overwrite\?'); then press "$b" y; fi
    for _ in 1 2 3; do
      if b=$(wait_window 'Overwrite\?' 8); then press "$b" Return; wait_gone 'Overwrite\?' || true; fi
    done
    sleep 2
    check "Yes overwrites the file" cmp -s "$in/a.txt" "$out/a.txt"
    for w in $(xdotool search --onlyvisible --name 'a.txt|Notepad' 2>/dev/null || true); do
      xdotool windowclose "$w" 2>/dev/null || true
    done

    press "$dlg" Escape
    sleep 1
    check "Escape does not close the dialog" process_running yes.exe
    cancel_btn "$dlg"
    check "Cancel ends the program" wait_exit yes.exe
  else
    check "dialog shown after Yes" false
  fi
else
  check "start-up question shown" false
fi

# --- 3: each decoder, an information message, the read-only attribute -------
for method in mszip lzx quantum; do
  echo "== $method archive with an information message"
  if ! sfx -m "$method" --folder "C:\\e2e\\$method" --caption 'Note' \
      --message 'Just so you know.' --kind info "$work/cases/$method.exe" "$in/ro.txt" \
      "$in/docs"; then
    check "$method: archive made" false
    continue
  fi
  "$wine" "$work/cases/$method.exe" >/dev/null 2>&1 &
  if box=$(wait_window Note); then
    [ "$method" = mszip ] && shot 08-information-message
    press "$box" Return
    if dlg=$(wait_window 'Morvel SFX-Archive'); then
      press "$dlg" Return  # Extract is the default button
      sleep 3
      out="$drive/e2e/$method"
      if b=$(wait_window Error 2); then shot "09-$method-error"; press "$b" Return; fi
      check "$method: files extracted" cmp -s "$in/docs/random.bin" "$out/docs/random.bin"
      check "$method: read-only file extracted" cmp -s "$in/ro.txt" "$out/ro.txt"
      check "$method: read-only attribute restored" test "$(stat -c %A "$out/ro.txt" | cut -c3)" = "-"
      cancel_btn "$dlg"
      wait_exit "$method.exe" || true
    else
      check "$method: dialog shown" false
    fi
  else
    check "$method: information message shown" false
  fi
done

# --- 4: a broken archive says so -------------------------------------------------
echo "== corrupt cabinet"
sfx -m none --folder 'C:\e2e\broken' "$work/cases/broken.exe" "$in/a.txt"
# Flip a byte of a.txt's data inside the stored block (its checksum then fails).
size=$(stat -c %s "$work/cases/broken.exe")
printf 'X' | dd of="$work/cases/broken.exe" bs=1 seek=$((size - 3)) conv=notrunc 2>/dev/null
"$wine" "$work/cases/broken.exe" >/dev/null 2>&1 &
if dlg=$(wait_window 'Morvel SFX-Archive'); then
  press "$dlg" Return
  if b=$(wait_window Error); then
    shot 10-extract-error
    press "$b" Return
    check "corrupt data reported" true
  else
    check "corrupt data reported" false
  fi
  cancel_btn "$dlg"
  wait_exit broken.exe || true
else
  check "broken archive: dialog shown" false
fi

echo
echo "screenshots: $art"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
