#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks it with lintian (no
# errors; the warnings are shown), installs it on this machine, builds the
# outside find_package project against the installed kit, starts the
# installed blockgame in tmux, and removes the package again so the machine
# is left as it was found.
#
# Usage: deb_package_test.sh <build dir> <source dir> <work dir> <C++ compiler> <static|shared>
# Exit status 77 (skipped) when not run as root: dpkg -i needs it.
set -euo pipefail

build=$1 source=$2 work=$3 cxx=$4 kind=$5
package=conkit
socket=conkit-deb-test-$$

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: installing a .deb needs root; run the suite as root to test the package"
    exit 77
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "FAILED: $package is already installed here; remove it (dpkg -r $package) so the" \
        "test can install and remove its own" >&2
    exit 1
fi

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

installed=0
cleanup() {
    tmux -L "$socket" kill-server 2>/dev/null || true
    if [ "$installed" -eq 1 ]; then
        dpkg -r "$package" >/dev/null || echo "could not remove $package" >&2
    fi
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"

echo "== cpack -G DEB"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/package" -maxdepth 1 -name "${package}_*.deb")
[ -n "$deb" ] || fail "cpack made no ${package}_*.deb"
contents=$(dpkg-deb --contents "$deb")
if [ "$kind" = shared ]; then
    libraries="usr/lib/libconkit_console.so.0.1.0 usr/lib/libconkit_support.so.0.1.0"
else
    libraries="usr/lib/libconkit_console.a usr/lib/libconkit_support.a"
fi
for file in usr/bin/blockgame usr/include/conkit/conkit.hpp $libraries \
    usr/lib/cmake/conkit/conkitConfig.cmake usr/lib/cmake/conkit/conkitConfigVersion.cmake \
    usr/lib/pkgconfig/conkit.pc usr/share/doc/conkit/copyright usr/share/doc/conkit/changelog.gz; do
    grep -q "\./$file\$" <<<"$contents" || fail "the package lacks /$file"
done
if grep -q '\./usr/include/\(console\|support\)/' <<<"$contents"; then
    fail "the package holds private headers"
fi

echo "== lintian $(basename "$deb")"
report=$(lintian --fail-on error "$deb" 2>&1) || { echo "$report"; fail "lintian found errors"; }
grep -v 'running with root privileges' <<<"$report" || true

echo "== dpkg -i $(basename "$deb")"
dpkg -i "$deb" >/dev/null
installed=1

echo "== outside project against the installed package"
cmake -S "$source/tests/packaging/find_package" -B "$work/outside" -G Ninja \
    -DCONKIT_SOURCE_DIR="$source" \
    -DCMAKE_CXX_COMPILER="$cxx" >"$work/outside.log" || { cat "$work/outside.log"; fail "configure"; }
grep -q '^conkit_DIR:PATH=/usr/lib/cmake/conkit$' "$work/outside/CMakeCache.txt" ||
    fail "find_package(conkit) did not find the installed package"
cmake --build "$work/outside" >>"$work/outside.log" || { cat "$work/outside.log"; fail "build"; }
"$work/outside/first_program" || fail "the outside program"
hello=$(printf x | "$work/outside/hello") && grep -q 'Hello from conkit! 6 x 7 = 42' <<<"$hello" ||
    fail "the README's first program, built against the package, on a pipe"
pkg-config --exists conkit || fail "pkg-config does not know conkit"

echo "== blockgame in tmux"
[ "$(command -v blockgame)" = /usr/bin/blockgame ] || fail "blockgame is not on the PATH"
# The shell around the game writes down its exit status: tmux may report the
# pane dead before it has collected the status, or never.
status_file=$work/blockgame.status
tmux -L "$socket" -f /dev/null start-server \; set-option -g remain-on-exit on \; \
    new-session -d -x 80 -y 25 -s game \
    "env LANG=C.UTF-8 TERM=tmux-256color /usr/bin/blockgame; echo \$? >'$status_file'"
pane() { tmux -L "$socket" display-message -p -t game "$1"; }
screen() { tmux -L "$socket" capture-pane -p "$@" -t game; }
# Polls check until it succeeds; fails the test after 20 seconds.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 200); do
        "$@" && return 0
        if [ "$(pane '#{pane_dead}')" = 1 ]; then
            "$@" && return 0
            fail "the game's pane closed while waiting for $what"
        fi
        sleep 0.1
    done
    fail "timed out waiting for $what; the pane shows:$(printf '\n%s' "$(screen)")"
}
# The frame's top edge: 61 blue cells (SGR background 44) from the corner.
# -N keeps trailing blanks: the cells right of the frame are never written.
frame_shown() { screen -e -N -S 0 -E 0 | grep -qE $'^(\e\\[[0-9;]*m)*\e\\[([0-9;]*;)?44(;[0-9;]*)?m {61}'; }
credits_shown() { screen | grep -q 'Press enter to quit the game'; }
ended() { [ -s "$status_file" ]; }

wait_for "the frame" frame_shown
tmux -L "$socket" send-keys -t game Escape
wait_for "the credits" credits_shown
tmux -L "$socket" send-keys -t game Enter
wait_for "blockgame to end after Enter" ended
[ "$(cat "$status_file")" = 0 ] || fail "blockgame ended with status $(cat "$status_file")"
echo "blockgame drew its frame, showed the credits and ended with status 0"

echo "== dpkg -r $package"
dpkg -r "$package" >/dev/null
installed=0
[ ! -e /usr/bin/blockgame ] && [ ! -e /usr/lib/cmake/conkit ] || fail "dpkg -r left files behind"
echo "package built, installed, used and removed"
