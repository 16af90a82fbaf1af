#!/usr/bin/env bash
# The installed GUI, run by a user who cannot write its folder (not root, who could write
# anywhere: user 65534 through setpriv when the test runs as root, else the caller with the
# tree made read-only), keeps its settings in that user's folders and finds them at the next
# start; a copy in a folder its user may write keeps them beside itself.
# usage: user_folders_test.sh CMAKE BUILD_DIR PYTHON ACCESSIBLE_WALK
set -euo pipefail
cmake=$1 build=$2 python=$3
command -v xvfb-run >/dev/null && command -v dbus-run-session >/dev/null ||
  { echo "skipped: xvfb-run or dbus-run-session is missing"; exit 77; }
work=$(mktemp -d /tmp/kerumina-user-folders.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix home=$work/home copy=$work/copy run=$work/run walk=$work/accessible_walk.py
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$home" "$copy" "$run"
chmod 700 "$run"
cp "$prefix/bin/kerumina" "$copy/"
cp "$4" "$walk"
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "skipped: setpriv is not installed"; exit 77; }
  chmod 755 "$work"
  chown -R 65534:65534 "$home" "$copy" "$run"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$prefix"
  as_user=()
fi

failures=0
check() {
  [ "$2" = "$3" ] && echo "ok: $1" || { echo "FAILED: $1 (got '$2', expected '$3')"; failures=1; }
}
# setting FILE SECTION KEY: the value, empty when missing.
setting() {
  [ -f "$1" ] || return 0
  awk -F= -v s="[$2]" -v k="$3" '$0 == s {f = 1; next} /^\[/ {f = 0} f && $1 == k {print $2}' "$1"
}
# Runs the program on a virtual display, with nothing of this environment but the home
# folder (the accessibility bus's socket goes elsewhere), until its user presses "図鑑を閉じる"
# through the accessibility interface. A message box in the way would keep it running: the
# time limit turns that into a failure.
start() {
  timeout 60 "${as_user[@]}" env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$run" LANG=C.UTF-8 \
    GSETTINGS_BACKEND=memory ASAN_OPTIONS=detect_leaks=0 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
    '"$1" & program=$!; "$2" "$3" $program --press 図鑑を閉じる || kill $program; wait $program' \
    sh "$1" "$python" "$walk"
}

start "$copy/kerumina"
check "a writable copy keeps its settings beside itself, nothing below home" \
  "$(setting "$copy/kerumina.ini" Main Version) $(find "$home" -mindepth 1 | wc -l)" "60 0"
ini=$home/.config/kerumina/kerumina.ini
start "$prefix/bin/kerumina"
check "the installed copy writes them to the user's own folder, nothing beside itself" \
  "$(setting "$ini" Main Version) $(stat -c %a "${ini%/*}") $(ls "$prefix/bin" | xargs)" \
  "60 700 kerumina kerumina-cli"
printf '[Main]\nVersion=60\n[Search]\nshow=1\n[Kept]\nkey=7\n' > "$ini"
start "$prefix/bin/kerumina"
check "the next start finds them (the search window reopened, other keys kept)" \
  "$(setting "$ini" Search show) $(setting "$ini" Kept key)" "1 7"
exit $failures
