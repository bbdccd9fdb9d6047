#!/bin/sh
# Installs the build into a temporary prefix (not the one compiled in, so the
# programs must find their data from their own place), then runs the
# installed programs from another directory with an empty home, as a
# desktop launcher would.
#   install_and_run.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
root=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-install-XXXXXX")
trap 'rm -rf "$root"' EXIT
prefix=$root/prefix
home=$root/home
mkdir -p "$home" "$root/elsewhere"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/vantorel bin/vantorel-cli \
         share/vantorel/mars05.dat share/vantorel/uranus05.dat \
         share/applications/org.vantorel.Vantorel.desktop \
         share/metainfo/org.vantorel.Vantorel.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.vantorel.Vantorel.svg \
         share/man/man1/vantorel.1.gz share/man/man1/vantorel-cli.1.gz \
         share/doc/vantorel/copyright share/doc/vantorel/changelog.gz \
         share/doc/vantorel/CATALOGUES.txt \
         share/bash-completion/completions/vantorel-cli; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ ! -e "$prefix/share/vantorel/CATALOGUES.txt" ] || fail "documentation among the data"
gzip -dc "$prefix/share/man/man1/vantorel-cli.1.gz" | grep -q '^\.B satellites' ||
  fail "the manual page of vantorel-cli lists no commands"
gzip -dc "$prefix/share/man/man1/vantorel.1.gz" | grep -q '^\.TH VANTOREL 1' ||
  fail "the manual page of vantorel is not a page"
gzip -dc "$prefix/share/doc/vantorel/changelog.gz" | head -n 1 | grep -q "^vantorel ($version) " ||
  fail "the changelog does not start with version $version"
head -n 1 "$prefix/share/doc/vantorel/copyright" |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in Debian's format"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.vantorel.Vantorel.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic \
    "$prefix/share/metainfo/org.vantorel.Vantorel.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefix/share/metainfo/org.vantorel.Vantorel.metainfo.xml"
fi

cd "$root/elsewhere"
unset XDG_CONFIG_HOME XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY
export HOME="$home"
cli=$prefix/bin/vantorel-cli

[ "$("$cli" --version)" = "vantorel-cli $version" ] || fail "vantorel-cli --version"
[ "$("$prefix/bin/vantorel" --version)" = "vantorel $version" ] || fail "vantorel --version"
# No display at all: the options still print.
"$prefix/bin/vantorel" --help | grep -q -- '--version' || fail "vantorel --help"

# The moons of Mars and Uranus come from the installed records.
out=$("$cli" satellites --body mars --date 2005-10-30 --time 03:00 --json)
case $out in *no_data*) fail "no Mars records found: $out" ;; esac
out=$("$cli" satellites --body uranus --date 1985-01-01 --time 00:00 --json)
case $out in *no_data*) fail "no Uranus records found: $out" ;; esac
"$cli" render --window mars --date 2005-10-30 --time 03:00 --out mars.png >/dev/null
[ -s mars.png ] || fail "render wrote no picture"

# A yearly file goes to the per-user data folder and is read back from there.
"$cli" phenomena-file --year 2011 >/dev/null
[ -f "$home/.local/share/vantorel/j2011.sat" ] || fail "yearly file not in the user's data folder"
"$cli" jupiter-phenomena --date 2011-03-02 --zone -5 --json | grep -q '"from_file":true' ||
  fail "the yearly file is not read back"
[ ! -e j2011.sat ] || fail "yearly file written into the working directory"

# Bash completion reads the commands and options from the installed tool.
if command -v bash >/dev/null; then
  PATH="$prefix/bin:$PATH" bash -c '
    . "$1"
    complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _vantorel_cli; echo "${COMPREPLY[*]}"; }
    case " $(complete_words vantorel-cli sat) " in *" satellites "*) ;; *) exit 1 ;; esac
    case " $(complete_words vantorel-cli satellites --bo) " in *" --body "*) ;; *) exit 2 ;; esac
    case " $(complete_words vantorel-cli satellites --body ma) " in *" mars "*) ;; *) exit 3 ;; esac
  ' sh "$prefix/share/bash-completion/completions/vantorel-cli" || fail "bash completion ($?)"
fi
echo "installed into $prefix and ran from $root/elsewhere: ok"
