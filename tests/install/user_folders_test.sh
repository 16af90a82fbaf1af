#!/usr/bin/env bash
# The installed GUI, started by a user who cannot write its folder, keeps its settings in
# that user's folders and finds them at the next start; a copy in a folder its user may write
# keeps them beside itself. The program runs as a user other than root, who could write
# anywhere: through setpriv as user 65534 when the test runs as root, else as the caller with
# the installed tree made read-only.
# usage: user_folders_test.sh CMAKE BUILD_DIR CLOSE_WINDOW
set -euo pipefail
cmake=$1 build=$2 closer=$3
command -v xvfb-run >/dev/null || { echo "skipped: xvfb-run is not installed"; exit 77; }

work=$(mktemp -d /tmp/kerumina-user-folders.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix home=$work/home copy=$work/copy tools=$work/tools
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$home" "$copy" "$tools"
cp "$prefix/bin/kerumina" "$copy/"
cp "$closer" "$tools/"
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "skipped: setpriv is not installed"; exit 77; }
  chmod 755 "$work"
  chown -R 65534:65534 "$home" "$copy"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$prefix"
  as_user=()
fi

failures=0
check() {
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1 (got '$2', expected '$3')"
    failures=$((failures + 1))
  fi
}
# setting FILE SECTION KEY: the value, empty when missing.
setting() {
  [ -f "$1" ] || return 0
  awk -F= -v s="[$2]" -v k="$3" '$0 == s {f = 1; next} /^\[/ {f = 0} f && $1 == k {print $2}' "$1"
}
# Runs the program on a virtual display, with nothing of this environment but the home
# folder, until its launcher is closed the way a user closes a window. A message box in the
# way would keep it running: the time limit turns that into a failure.
start() {
  timeout 60 "${as_user[@]}" env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 GSETTINGS_BACKEND=memory \
    NO_AT_BRIDGE=1 ASAN_OPTIONS=detect_leaks=0 \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh -c '"$1" & program=$!; "$2" ケルミナ 60 || kill $program; wait $program' \
    sh "$1" "$tools/$(basename "$closer")"
}
# uses_settings PROGRAM INI: the first start writes INI; a second start reads what is put
# there (the search window was open) and writes its own keys back into the same file.
uses_settings() {
  start "$1"
  check "$2 written at the first start" "$(setting "$2" Main Version)" 60
  printf '[Main]\nVersion=60\n[Search]\nshow=1\n[Kept]\nkey=7\n' > "$2"
  start "$1"
  check "the search window reopened from $2" "$(setting "$2" Search show)" 1
  check "the launcher placement written to $2" "$(setting "$2" TopWindow right | grep -c .)" 1
  check "other keys kept in $2" "$(setting "$2" Kept key)" 7
}

uses_settings "$copy/kerumina" "$copy/kerumina.ini"
check "the writable copy wrote nothing below home" "$(find "$home" -mindepth 1 | wc -l)" 0

uses_settings "$prefix/bin/kerumina" "$home/.config/kerumina/kerumina.ini"
check "nothing written beside the installed program" "$(ls "$prefix/bin")" "$(printf 'kerumina\nkerumina-cli')"
check "the settings folder is the user's alone" "$(stat -c %a "$home/.config/kerumina")" 700

[ "$failures" -eq 0 ] && echo "user folders test passed" || echo "user folders test FAILED"
exit $((failures > 0))
