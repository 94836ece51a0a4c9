#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed programs there with a
# home of their own: both find their shipped data, and what they write lands in the user's
# data folder, never beside the executables.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
work=$(mktemp -d)
gui_pid=
cleanup() {
  if [ -n "$gui_pid" ]; then kill "$gui_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/glyphora bin/glyphora-cli share/glyphora/charflip-h.dat \
            share/glyphora/Help/index.htm share/glyphora/README.md share/glyphora/Fonts/pixel.flf \
            share/applications/glyphora.desktop share/icons/hicolor/scalable/apps/glyphora.svg; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$prefix/share/applications/glyphora.desktop" || fail "desktop entry"

export HOME=$work/home XDG_DATA_HOME=
mkdir -p "$HOME"
user_dir=$HOME/.local/share/glyphora
cd "$work"

# The CLI: the user's folder is seeded, the shipped data are found there, edit.ini is
# written there at exit.
out=$("$prefix/bin/glyphora-cli" script - <<SCRIPT
run "I&nfo > &Help"
dump $work/state.json
answer yes
run ExitProgram
SCRIPT
) || fail "cli script: $out"
grep -qxF "shell open: $user_dir/Help/index.htm" <<<"$out" || fail "help page: $out"
grep -q '"FlipHorzDataFile": "charflip-h.dat"' "$work/state.json" || fail "flip table not found"
[ -f "$user_dir/.glyphora-seeded" ] || fail "user folder not seeded"
[ -f "$user_dir/edit.ini" ] || fail "edit.ini not in the user folder"
[ ! -e "$prefix/bin/edit.ini" ] || fail "edit.ini written beside the executable"

# A shipped file the user's folder lacks is read from the installation.
rm "$user_dir/Help/index.htm"
out=$("$prefix/bin/glyphora-cli" script - <<<'run ShowHelp') || fail "cli script: $out"
grep -qxF "shell open: $prefix/share/glyphora/Help/index.htm" <<<"$out" || fail "fallback: $out"

# The window, offscreen: it starts from the installation and makes its data folders in the
# user's folder (at its first showing); it keeps running until stopped.
rm -rf "$user_dir"
QT_QPA_PLATFORM=offscreen "$prefix/bin/glyphora" >"$work/gui.log" 2>&1 &
gui_pid=$!
for _ in $(seq 1 600); do
  [ -d "$user_dir/Undo" ] && [ -d "$user_dir/Data" ] && break
  kill -0 "$gui_pid" 2>/dev/null || fail "editor window ended: $(cat "$work/gui.log")"
  sleep 0.1
done
[ -d "$user_dir/Undo" ] || fail "editor window made no data folders"
[ -f "$user_dir/charflip-h.dat" ] || fail "editor window did not seed the user folder"
kill -0 "$gui_pid" 2>/dev/null || fail "editor window ended: $(cat "$work/gui.log")"
[ ! -e "$prefix/bin/Undo" ] || fail "data folder made beside the executable"
echo "installed, started and found its data"
