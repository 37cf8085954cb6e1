#!/usr/bin/env bash
# Installs a finished build into a temporary prefix, checks the layout, starts the installed
# programs (the desktop program offscreen with a data file on its command line) and
# uninstalls again, leaving nothing behind.
#
#   bash scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
prefix="$work/prefix"
app_pid=""
# The build's own install manifest belongs to the user's installation: keep it.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && cp -p "$manifest" "$work/manifest.saved"
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  if [ -e "$work/manifest.saved" ]; then cp -p "$work/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
gui=$(sed -n 's/^TQ8615_GUI:BOOL=//p' "$build/CMakeCache.txt")

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  bin/tq8615-cli lib/tq8615/tq8615-cli lib/tq8615/language/english.ini
  lib/tq8615/language/chinese.ini share/man/man1/tq8615-cli.1.gz
  lib/udev/rules.d/60-tq8615-cable.rules
)
if [ "$gui" = "ON" ]; then
  expected+=(
    bin/tq8615 lib/tq8615/tq8615 lib/tq8615/StartE.jpg lib/tq8615/StartC.jpg lib/tq8615/tq8615.png
    share/applications/org.tq8615.Programmer.desktop share/metainfo/org.tq8615.Programmer.metainfo.xml
    share/mime/packages/tq8615.xml share/man/man1/tq8615.1.gz
    share/icons/hicolor/48x48/apps/tq8615.png share/icons/hicolor/128x128/apps/tq8615.png
    share/icons/hicolor/256x256/apps/tq8615.png share/icons/hicolor/scalable/apps/tq8615.svg
  )
fi
for f in "${expected[@]}"; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
[ -d "$prefix/lib/tq8615/Init" ] || fail "missing the Init folder"
[ -z "$(ls -A "$prefix/lib/tq8615/Init")" ] || fail "the Init folder is not empty"

# The launchers, from anywhere.
cd "$work"
[ "$("$prefix/bin/tq8615-cli" --version)" = "tq8615-cli $version" ] || fail "tq8615-cli --version"
"$prefix/bin/tq8615-cli" --help >/dev/null || fail "tq8615-cli --help"
# Its messages come from the installed language file.
"$prefix/bin/tq8615-cli" read --port "$work/no-such-port" -o "$work/x.dat" 2>"$work/cli.err" && fail "read from nothing"
grep -q "Cannot open the serial port" "$work/cli.err" || fail "no language text: $(cat "$work/cli.err")"
grep -q "no-such-port is not there" "$work/cli.err" || fail "no cause: $(cat "$work/cli.err")"
"$prefix/bin/tq8615-cli" new --band 1 -o "$work/radio.dat"

if [ "$gui" = "ON" ]; then
  [ "$("$prefix/bin/tq8615" --version)" = "tq8615 $version" ] || fail "tq8615 --version"
  "$prefix/bin/tq8615" --help | grep -q "FILE.dat" || fail "tq8615 --help"

  # The installed program as a user runs it: a home of its own, a program folder it may
  # not write. Root may write anywhere, so as root it runs as the user nobody.
  home="$work/home"
  mkdir -p "$home"
  as_user=()
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    chmod 755 "$work" && chmod 777 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  chmod -R a-w "$prefix/lib/tq8615"
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
      XDG_RUNTIME_DIR= QT_QPA_PLATFORM=offscreen \
      "${as_user[@]}" "$prefix/bin/tq8615" "$work/radio.dat" >"$work/app.log" 2>&1 &
  app_pid=$!
  # The splash shows for 2 seconds; then the main window opens the file. The settings
  # appear in the user's folder at start-up.
  for _ in $(seq 1 40); do
    [ -e "$home/.config/TQ8615/TQ8615/mysetup.ini" ] && break
    sleep 0.5
  done
  sleep 3
  kill -0 "$app_pid" 2>/dev/null || fail "the installed program ended: $(cat "$work/app.log")"
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""
  [ -e "$home/.config/TQ8615/TQ8615/mysetup.ini" ] || fail "no settings in the user's folder: $(cat "$work/app.log")"

  # On a display, the window title shows that the file given on the command line is open.
  if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
    # Open to every client (-ac), so that the user nobody may draw on it too.
    HOME="$home" AS_USER="${as_user[*]}" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-ac -screen 0 1280x1024x24" sh -c '
        $AS_USER "$1" "$2" >"$4" 2>&1 & pid=$!
        for i in $(seq 1 40); do
          xwininfo -root -tree > "$3"
          grep -q "radio.dat\]" "$3" && break
          sleep 0.5
        done
        kill $pid' sh "$prefix/bin/tq8615" "$work/radio.dat" "$work/windows.txt" "$work/app-x.log"
    grep -q "radio.dat\]" "$work/windows.txt" ||
      fail "no window shows radio.dat: $(grep -i tq8615 "$work/windows.txt"; cat "$work/app-x.log")"
  else
    echo "check-install: no xvfb-run/xwininfo; the window title was not checked"
  fi
  chmod -R u+w "$prefix/lib/tq8615"
fi

cmake -DMANIFEST="$manifest" -DPREFIX="$prefix" -P "$here/../cmake/Uninstall.cmake" >/dev/null
left=$(find "$prefix" -mindepth 1 | head)
[ -z "$left" ] || fail "left after uninstall: $left"
echo "check-install: installed, started and uninstalled cleanly"
