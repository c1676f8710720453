#!/usr/bin/env bash
# Installs the build into a temporary prefix (with a blank in its path) and
# checks the installed tree as a desktop would see it: the desktop entry and
# the AppStream data validate, every icon size is there, and the launcher
# starts the installed program, which finds its engine in its own folder and,
# with a read-only install tree, keeps its settings in the per-user
# configuration folder of a fresh home folder.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
prefix="$tmp/pre fix/usr"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.kestrelcribbage.kestrel
pkg="$prefix/libexec/kestrel"
for f in bin/kestrel bin/kestrel-sim libexec/kestrel/Kestrel32 libexec/kestrel/libOsprey32.so libexec/kestrel/libMerlin32.so libexec/kestrel/libGreedy32.so \
  libexec/kestrel/KestrelHelp32.pdf share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man6/kestrel.6 share/man/man6/kestrel-sim.6; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -s "$icon" ] || fail "no ${size}x${size} icon"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

# A read-only install tree and a home folder without ~/.config.
chmod -R a-w "$prefix"
home="$tmp/home"
mkdir -p "$home" "$tmp/run"
run() { env -u XDG_CONFIG_HOME HOME="$home" TMPDIR="$tmp/run" QT_QPA_PLATFORM=offscreen "$@"; }

# The runner through its launcher: it loads the engine from its own folder.
mkdir -p "$tmp/sim"
run timeout 120 "$prefix/bin/kestrel-sim" --dir "$tmp/sim" --games 1 >"$tmp/sim.out" ||
  fail "kestrel-sim: $(cat "$tmp/sim.out")"
grep -q "^games 1 " "$tmp/sim.out" || fail "kestrel-sim played no game"

# The program through its launcher plays the first hand by itself (the
# engine's decisions) and saves its settings when it closes.
run timeout 120 "$prefix/bin/kestrel" --screenshot="$tmp/shots" || fail "kestrel did not end by itself"
[ -s "$tmp/shots/pegging.png" ] || fail "the installed program played no hand"
[ -s "$home/.config/Kestrel/Kestrel32.ini" ] || fail "no settings in ~/.config/Kestrel"
if [ -e "$pkg/Kestrel32.ini" ]; then fail "settings written into the install tree"; fi
