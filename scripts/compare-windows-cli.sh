#!/usr/bin/env bash
# The Windows command line must answer exactly as the Linux one: feeds both the same
# generated lines of every command (valid and invalid ones) and compares the answers and
# exit codes byte for byte, then writes a box file with each and has each read the other's.
# Usage: compare-windows-cli.sh LINUX_CLI WINDOWS_CLI_EXE [LINES_PER_COMMAND]
set -euo pipefail
linux="$1"
windows="$2"
lines="${3:-2000}"
wine_run="$(cd "$(dirname "$0")" && pwd)/wine-run.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One generator per command; out-of-range values now and then, so that errors are compared
# too. awk's rand() with a fixed seed: the same lines on every run.
generate() {
  awk -v command="$1" -v n="$lines" -v seed="$2" '
    function r(lo, hi) { return lo + int(rand() * (hi - lo + 1)) }
    function six(lo, hi,   s, i) { s = r(lo, hi); for (i = 1; i < 6; i++) s = s "," r(lo, hi); return "[" s "]" }
    function flag() { return rand() < 0.5 ? "true" : "false" }
    # Half the rows through the game model, with a battle around the hit.
    function battle() {
      if (rand() < 0.5) return ""
      return ",\"model\":\"game\",\"critical\":" flag() ",\"stealthRock\":" flag() \
             ",\"spikes\":" r(0, 3)
    }
    function entry(name,   s) {
      return "{\"name\":\"" name "\",\"species\":" r(0, 506) ",\"level\":" r(1, 100) \
             ",\"nature\":" r(0, 24) ",\"ability\":" r(0, 122) ",\"item\":" r(0, 37) \
             ",\"statsEntered\":" r(0, 1) ",\"iv\":" six(0, 31) ",\"ev\":" six(0, 252) \
             ",\"stat\":" six(1, 400) ",\"move\":[" r(0, 466) "," r(0, 466) ",65535,65535]}"
    }
    BEGIN {
      srand(seed)
      names[0] = "ガブ"; names[1] = "バナ"; names[2] = "ｶﾅ"; names[3] = "abc"; names[4] = "ヌケニン"
      for (i = 0; i < n; i++) {
        if (command == "stats") {
          print "{\"species\":" r(0, 510) ",\"level\":" r(0, 101) ",\"nature\":" r(0, 25) \
                ",\"iv\":" six(0, 32) ",\"ev\":" six(0, 256) "}"
        } else if (command == "iv") {
          lo = r(0, 31)
          b = "[" lo "," r(lo, 31) "]"
          for (k = 1; k < 6; k++) { lo = r(0, 31); b = b ",[" lo "," r(lo, 31) "]" }
          facts = rand() < 0.3 ? ",\"characteristic\":" r(0, 30) : ""
          if (rand() < 0.3) facts = facts ",\"ev\":" six(0, 100)
          print "{\"species\":" r(0, 507) ",\"level\":" r(1, 100) ",\"nature\":" r(0, 24) \
                ",\"hiddenPower\":" flag() ",\"bounds\":[" b "]" facts "}"
        } else if (command == "damage") {
          rows[0] = "own"; rows[1] = "list"; rows[2] = "direct"
          row = rows[r(0, 2)]
          if (row == "direct") {
            what = ",\"power\":" 5 * r(1, 41) ",\"category\":" r(0, 1) ",\"type\":" r(0, 17)
          } else {
            what = ",\"move\":" r(0, 467)
          }
          print "{\"attacker\":" entry(names[r(0, 4)]) ",\"defender\":" entry(names[r(0, 4)]) \
                ",\"row\":\"" row "\"" what ",\"weather\":" r(0, 4) \
                ",\"reflect\":" flag() ",\"helpingHand\":" flag() ",\"burned\":" flag() \
                ",\"attackStage\":" r(-6, 6) ",\"defenceStage\":" r(-6, 6) battle() "}"
        } else if (command == "search") {
          print "{\"lower\":" six(0, 60) ",\"moves\":[" r(0, 466) "],\"methods\":{\"machine\":" \
                flag() ",\"levelUp\":" flag() "},\"versions\":{\"hgss\":" flag() ",\"dp\":" \
                flag() "}}"
        } else if (command == "learn") {
          print "{\"species\":" r(0, 507) ",\"move\":" r(0, 467) "}"
        } else if (command == "species") {
          print "{\"species\":" r(0, 507) ",\"level\":" r(1, 100) "}"
        } else if (command == "box") {
          printf "%s%s", (i == 0 ? "[" : ","), entry(names[r(0, 4)])
          if (i == n - 1) print "]"
        }
      }
    }'
}

failed=0
compare() {
  local what="$1"
  if cmp -s "$work/linux.$what" "$work/windows.$what"; then
    echo "same: $what ($(wc -c < "$work/linux.$what") bytes)"
  else
    echo "DIFFERENT: $what"
    diff <(head -c 2000 "$work/linux.$what") <(head -c 2000 "$work/windows.$what") | head -20 || true
    failed=1
  fi
}

seed=1
for command in stats iv damage search learn species; do
  generate "$command" "$seed" > "$work/$command.in"
  seed=$((seed + 1))
  set +e
  "$linux" "$command" < "$work/$command.in" > "$work/linux.$command" 2>&1
  echo "exit $?" >> "$work/linux.$command"
  "$wine_run" "$windows" "$command" < "$work/$command.in" > "$work/windows.$command" 2>&1
  echo "exit $?" >> "$work/windows.$command"
  set -e
  compare "$command"
done

# Box files: at most 1024 entries, written by each, read by both.
lines=1024 generate box "$seed" > "$work/box.json"
"$linux" box create "$work/linux.vbd" < "$work/box.json" > /dev/null
"$wine_run" "$windows" box create "$work/windows.vbd" < "$work/box.json" > /dev/null
compare vbd
for reader in linux windows; do
  for file in linux windows; do
    if [ "$reader" = linux ]; then
      "$linux" box export "$work/$file.vbd" > "$work/$reader-reads-$file.json"
    else
      "$wine_run" "$windows" box export "$work/$file.vbd" > "$work/$reader-reads-$file.json"
    fi
  done
done
for file in windows-reads-linux.json linux-reads-windows.json windows-reads-windows.json; do
  if cmp -s "$work/linux-reads-linux.json" "$work/$file"; then
    echo "same: box export, $file"
  else
    echo "DIFFERENT: box export, $file"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "Windows and Linux command lines agree" || echo "Windows and Linux command lines DIFFER"
exit "$failed"
