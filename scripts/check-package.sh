#!/usr/bin/env bash
# Builds the Debian package in a Release tree (build/package), unpacks it into
# a scratch root and checks what a user would get: the files and links, the
# menu entry, the dependencies, that the unpacked batch tool runs, and, when
# the setup program is built, that it registers and unregisters Tabulo for a
# user whose home is a scratch folder, writing valid desktop entries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/package"
"$root/scripts/deps.sh"

failures=0
fail() { echo "check-package: $*" >&2; failures=$((failures + 1)); }
step() { printf -- '-- %s\n' "$*"; }

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTABULO_BUILD_TESTS=OFF -DTABULO_BUILD_BENCH=OFF -DTABULO_BUILD_UI=ON
cmake --build "$build"
rm -f "$build"/tabulo_*.deb
(cd "$build" && cpack -G DEB)

debs=("$build"/tabulo_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "check-package: cpack made no single tabulo_*.deb in $build" >&2
  exit 1
fi
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"

step "files"
prefix="$unpacked/opt/tabulo"
for program in tabulo tabulo-cli; do
  [ -x "$prefix/$program" ] || fail "missing program /opt/tabulo/$program"
  link="$unpacked/usr/bin/$program"
  if [ ! -L "$link" ]; then
    fail "missing link /usr/bin/$program"
  elif [ "$(readlink "$link")" != "/opt/tabulo/$program" ]; then
    fail "/usr/bin/$program points to $(readlink "$link"), not /opt/tabulo/$program"
  fi
done
for file in ReadMe.txt icons/tabulo.svg icons/plinth.svg; do
  [ -f "$prefix/$file" ] || fail "missing /opt/tabulo/$file"
done
for page in "$root"/help/*.html; do
  [ -f "$prefix/help/$(basename "$page")" ] || fail "missing help page /opt/tabulo/help/$(basename "$page")"
done
[ -f "$prefix/help/index.html" ] || fail "missing help page /opt/tabulo/help/index.html"
for file in usr/share/applications/tabulo.desktop usr/share/icons/hicolor/scalable/apps/tabulo.svg; do
  [ -f "$unpacked/$file" ] || fail "missing /$file"
done
# The setup program belongs in the package whenever the tree builds one.
if [ -n "$(find "$build/src" -name plinth -type f -perm -u+x -print -quit)" ]; then
  [ -x "$prefix/plinth" ] || fail "plinth is built but not in /opt/tabulo"
fi
while IFS= read -r path; do
  case "$path" in
    ./opt | ./opt/tabulo | ./opt/tabulo/* | ./usr | ./usr/bin | ./usr/bin/* | ./usr/share | ./usr/share/*) ;;
    *) fail "the package installs ${path#.}, outside /opt/tabulo, /usr/bin and /usr/share" ;;
  esac
done < <(cd "$unpacked" && find . -mindepth 1)
for program in "$prefix"/tabulo "$prefix"/tabulo-cli "$prefix"/plinth; do
  [ -f "$program" ] || continue
  file -b "$program" | grep -q ', stripped' || fail "$(basename "$program") is not stripped"
  if ldd "$program" | grep -q 'not found'; then
    fail "$(basename "$program") misses libraries: $(ldd "$program" | grep 'not found' | tr -s ' \t\n' ' ')"
  fi
done

step "menu entry"
# Our own entry may have no warnings either; hints are left to taste.
entry="$unpacked/usr/share/applications/tabulo.desktop"
if [ -f "$entry" ]; then
  if ! report=$(desktop-file-validate --no-hints "$entry" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate rejects /usr/share/applications/tabulo.desktop: $report"
  fi
  grep -qx 'Exec=tabulo %f' "$entry" || fail "the menu entry does not start 'tabulo %f'"
fi

step "dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 'libicu[0-9]+' qt6-qpa-plugins fonts-noto-cjk; do
  grep -Eq "(^|, )$needed(\$| |,)" <<<"$depends" || fail "Depends names no $needed"
done
dpkg-deb -e "$deb" "$work/control"
for file in "$work/control"/*; do
  case "$(basename "$file")" in
    control | md5sums | shlibs | triggers) ;;
    *) fail "the package has a maintainer script $(basename "$file"), which it should not need" ;;
  esac
done

step "the unpacked batch tool"
if ! output=$("$prefix/tabulo-cli" show "$root/examples/sample.csv" 2>&1); then
  fail "the unpacked tabulo-cli cannot show examples/sample.csv: $output"
fi

# Every Exec= line of a desktop entry starts a program that is there.
check_exec_lines() {
  local file=$1 line program
  while IFS= read -r line; do
    if [[ $line == \"* ]]; then
      program=${line#\"}
      program=${program%%\"*}
    else
      program=${line%% *}
    fi
    command -v "$program" >/dev/null || fail "${file#"$home"/} starts $program, which is not there"
  done < <(sed -n 's/^Exec=//p' "$file")
}

# desktop-file-validate cannot judge a file manager's service menu: it is
# KDE's own kind of entry (Type=Service) whose MimeType and Actions keys the
# validator allows only for applications. So it gets these checks instead:
# the keys the file manager reads, an action group for each action, and the
# executable bit without which the file manager ignores a menu in a home.
check_service_menu() {
  local file=$1 name=${1#"$home"/} actions action group
  grep -qx 'Type=Service' "$file" || fail "$name is no service menu (Type=Service)"
  grep -q '^X-KDE-ServiceTypes=.*KonqPopupMenu/Plugin' "$file" || fail "$name is no KonqPopupMenu/Plugin"
  grep -q '^MimeType=.' "$file" || fail "$name names no MimeType"
  [ -x "$file" ] || fail "$name is not executable, so the file manager ignores it"
  actions=$(sed -n 's/^Actions=//p' "$file")
  [ -n "$actions" ] || fail "$name lists no Actions"
  for action in ${actions//;/ }; do
    group=$(awk -v head="[Desktop Action $action]" '$0 == head { on = 1; next } /^\[/ { on = 0 } on' "$file")
    grep -q '^Name=.' <<<"$group" && grep -q '^Exec=.' <<<"$group" ||
      fail "$name: the action $action has no group with Name and Exec"
  done
}

if [ -x "$prefix/plinth" ]; then
  step "plinth for a scratch user"
  home="$work/home"
  mkdir -p "$home"
  as_user() {
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
      QT_QPA_PLATFORM=offscreen timeout 120 "$prefix/plinth" "$@"
  }
  if ! output=$(as_user --yes 2>&1); then
    fail "plinth --yes failed: $output"
  fi
  mapfile -t written < <(find "$home" \( -name '*.desktop' -o -name '*.directory' \) -type f | sort)
  [ ${#written[@]} -gt 0 ] || fail "plinth --yes wrote no desktop entry under the scratch home"
  for file in "${written[@]}"; do
    echo "${file#"$home"/}"
    if [[ $file == */kio/servicemenus/* ]]; then
      check_service_menu "$file"
    elif ! report=$(desktop-file-validate --no-hints "$file" 2>&1); then
      fail "desktop-file-validate rejects ${file#"$home"/}: $report"
    fi
    check_exec_lines "$file"
  done
  desktop=$(HOME="$home" XDG_CONFIG_HOME="$home/.config" xdg-user-dir DESKTOP)
  for file in "$desktop/Tabulo.desktop" "$home/.local/share/kio/servicemenus/tabulo.desktop"; do
    [ -f "$file" ] || fail "plinth --yes wrote no ${file#"$home"/}"
  done
  [ -n "$(find "$home/.local/share/applications" -name '*.desktop' -print -quit 2>/dev/null)" ] ||
    fail "plinth --yes wrote no menu entry under .local/share/applications"
  if ! output=$(as_user R --yes 2>&1); then
    fail "plinth R --yes failed: $output"
  fi
  for file in "${written[@]}"; do
    [ ! -e "$file" ] || fail "plinth R --yes left ${file#"$home"/} behind"
  done
else
  step "no plinth in the package: its checks are skipped"
fi

if [ "$failures" -gt 0 ]; then
  echo "check-package: $failures check(s) failed for $(basename "$deb")" >&2
  exit 1
fi
step "$(basename "$deb") is fine"
dpkg-deb -c "$deb" | awk '{ print substr($0, index($0, "./")) }'
