#!/usr/bin/env bash
# Runs a fixed list of vantorel-cli commands (every command, text and JSON,
# three languages, pictures) and writes each output to a file of a folder, so
# two builds can be compared byte for byte before and after a change that must
# not change what users see:
#   tools/cli_snapshot.sh build/vantorel-cli /tmp/before
#   ... change, rebuild ...
#   tools/cli_snapshot.sh build/vantorel-cli /tmp/after && diff -r /tmp/before /tmp/after
set -u
cli=$(realpath "$1")
out=$(mkdir -p "$2" && realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
# A fixed, empty home so no one's settings or yearly files take part.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
ln -s "$(dirname "$cli")/data" data 2>/dev/null || true

n=0
run() {  # run NAME ARGS...: stdout, stderr and exit code of one command
    local name=$1; shift
    n=$((n + 1))
    "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo "$?" >"$out/$name.rc"
}
picture() {  # picture NAME FILE ARGS...: a command that writes FILE, then its bytes
    local name=$1 file=$2; shift 2
    run "$name" "$@"
    if [ -f "$file" ]; then cp "$file" "$out/$name.${file##*.}"; rm -f "$file"; fi
}

site=(--date 2026-12-08 --time 21:00 --zone +1 --lat 48.8 --lon 2.3)
run help --help
run version --version
run time time --date 1987-04-10 --time 00:00 --zone 0
run time-json time --date 2026-12-08 --time 21:00 --zone +1 --json
run ephem-all ephem "${site[@]}"
run ephem-all-json ephem "${site[@]}" --json
run ephem-moon ephem "${site[@]}" --body moon
run ephem-mars ephem --date 2024-06-01 --time 22:30 --zone +2 --lat 48.8 --body mars
run ephem-south-json ephem --date 2026-12-08 --time 21:00 --zone +11 --lat -33.8 --lon 151.2 --json
run ephem-pluto ephem --date 2000-01-01 --time 00:00 --zone 0 --lat 40 --body pluto
run conj-venus conjunctions --body venus --date 2026-12-08 --zone +1
run conj-mercury-json conjunctions --body mercury --date 1993-10-01 --zone -5 --json
run grs grs --date 2024-01-15 --longitude 60 --zone +1
run grs-json grs --date 2026-12-08 --longitude 60 --zone +1 --json
run jup-phen jupiter-phenomena --date 2011-03-15 --zone +5:30
run jup-phen-es jupiter-phenomena --date 2026-12-08 --zone +1 --lang es
run jup-phen-json jupiter-phenomena --date 2026-12-08 --zone +1 --json
run lunarx lunar-x --date 2024-01-10 --zone +1
run lunarx-fr-json lunar-x --date 2026-12-08 --zone +1 --lang fr --json
run phases phases --date 2024-01-20 --time 21:00 --zone +1
run phases-es phases --date 2026-12-08 --time 21:00 --zone +1 --lang es
run phases-json phases --date 2026-12-08 --time 21:00 --zone +1 --json
run sat-jup satellites --body jupiter --date 2025-01-10 --time 21:00 --zone +1
run sat-sat-json satellites --body saturn --date 2026-12-08 --time 21:00 --zone +1 --json
run sat-mars satellites --body mars --date 2026-12-08 --time 21:00 --zone +1
run sat-uranus-fr satellites --body uranus --date 2026-12-08 --time 21:00 --zone +1 --lang fr
run seasons seasons --start 2024 --years 2
run seasons-fr-json seasons --start 2026 --years 3 --lang fr --json
run phen-text phenomena-file --text JupSat.txt --start 2024-03-01 --unit day --count 2 --zone +1
[ -f JupSat.txt ] && mv JupSat.txt "$out/phen-text.JupSat.txt"
run phen-text-es phenomena-file --text es.txt --start 2026-12-08 --unit day --count 1 --zone +1 --lang es
[ -f es.txt ] && mv es.txt "$out/phen-text-es.txt"
run phen-year phenomena-file --year 2026
# The folder is a new one at each run and the time varies: keep the rest.
sed -i -E "s#$work#WORK#; s/in [0-9.]+ s/in N s/" "$out/phen-year.out"
for f in j2026.sat home/data/vantorel/j2026.sat; do [ -f "$f" ] && cp "$f" "$out/phen-year.sat"; done
for w in mercury venus mars jupiter jupiter-satellites saturn uranus moon sky helio table; do
    picture "render-$w" "$w.png" render --window "$w" "${site[@]}" --width 320 --height 240 --out "$w.png"
    run "render-$w-json" render --window "$w" "${site[@]}" --width 320 --height 240 --out "j$w.png" --json
    rm -f "j$w.png"
done
for b in jupiter moon mars; do
    run "render-data-$b-json" render --window data --body "$b" "${site[@]}" --out d.png --json
done
rm -f d.png
run render-moon-es-json render --window moon "${site[@]}" --lang es --out m.png --json
run render-sky-south-json render --window sky --date 2026-12-08 --time 21:00 --zone +11 --lat -33.8 --lon 151.2 --out s.png --json
run render-bad-window render --window nothing "${site[@]}" --out x.png
run ephem-bad-date ephem --date 2019-02-30 --time 21:00 --zone 0 --lat 40
run ephem-bad-lat ephem --date 2019-02-03 --time 21:00 --zone 0 --lat 95
rm -f m.png s.png
# PDFs carry their creation time: keep their page count and size class only.
for w in table sky helio; do
    run "print-$w" print --window "$w" "${site[@]}" --out "$w.pdf"
    [ -f "$w.pdf" ] && grep -c '/Type */Page[^s]' "$w.pdf" >"$out/print-$w.pages"
    rm -f "$w.pdf"
done
# Times of the generators vary from run to run.
sed -i -E "s/in [0-9.]+ s/in N s/" "$out"/phen-text*.out
echo "$n runs written to $out"
