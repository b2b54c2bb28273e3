#!/usr/bin/env bash
# Builds the kit's Debian packages as the README does (the debian preset,
# with the game asked for), checks them with lintian (no errors and no
# warnings), installs them on this machine, builds the outside find_package
# project against the installed kit, starts the installed blockgame in tmux,
# and removes the packages again so the machine is left as it was found.
#
# Usage: deb_package_test.sh <source dir> <work dir> <C++ compiler> <static|shared>
# Exit status 77 (skipped) when not run as root: dpkg -i needs it.
set -euo pipefail

source=$1 work=$2 cxx=$3 kind=$4
socket=conkit-deb-test-$$
if [ "$kind" = shared ]; then
    packages="libconkit-console0.1 libconkit-support0.1 libconkit-dev blockgame"
else
    packages="libconkit-dev blockgame"
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: installing a .deb needs root; run the suite as root to test the packages"
    exit 77
fi
# The kit's packages, and conkit, the one package of earlier versions.
for package in conkit libconkit-console0.1 libconkit-support0.1 libconkit-dev blockgame; do
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        echo "FAILED: $package is already installed here; remove it (dpkg -r $package) so the" \
            "test can install and remove its own" >&2
        exit 1
    fi
done

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

installed=0
cleanup() {
    tmux -L "$socket" kill-server 2>/dev/null || true
    if [ "$installed" -eq 1 ]; then
        # shellcheck disable=SC2086
        dpkg -r $packages >/dev/null || echo "could not remove $packages" >&2
    fi
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"

echo "== the debian preset, $kind"
shared=OFF
[ "$kind" = shared ] && shared=ON
{
    cmake -S "$source" --preset debian -B "$work/kit" -DCMAKE_CXX_COMPILER="$cxx" \
        -DBUILD_SHARED_LIBS=$shared -DCONKIT_INSTALL_GAME=ON &&
        cmake --build "$work/kit"
} >"$work/kit.log" 2>&1 || { cat "$work/kit.log"; fail "building the kit"; }

echo "== cpack -G DEB"
(cd "$work/kit" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=()
for package in $packages; do
    deb=$work/kit/${package}_0.1.0_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || fail "cpack made no $(basename "$deb")"
    debs+=("$deb")
done

# What each package must hold, and what no package may.
libdir=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
holds() {
    local deb=$1 contents file
    shift
    contents=$(dpkg-deb --contents "$deb")
    for file in "$@"; do
        grep -q "\./$file\( ->.*\)\?\$" <<<"$contents" || fail "$(basename "$deb") lacks /$file"
    done
}
development=(usr/include/conkit/conkit.hpp "$libdir/cmake/conkit/conkitConfig.cmake"
    "$libdir/cmake/conkit/conkitConfigVersion.cmake" "$libdir/pkgconfig/conkit.pc"
    usr/share/doc/libconkit-dev/copyright usr/share/doc/libconkit-dev/changelog.gz)
if [ "$kind" = shared ]; then
    for library in console support; do
        holds "$work/kit/libconkit-${library}0.1_0.1.0_"*.deb "$libdir/libconkit_$library.so.0.1.0" \
            "$libdir/libconkit_$library.so.0.1" "usr/share/doc/libconkit-${library}0.1/copyright"
        development+=("$libdir/libconkit_$library.so")
    done
else
    development+=("$libdir/libconkit_console.a" "$libdir/libconkit_support.a")
fi
holds "$work/kit/libconkit-dev_"*.deb "${development[@]}"
holds "$work/kit/blockgame_"*.deb usr/games/blockgame usr/share/man/man6/blockgame.6.gz \
    usr/share/doc/blockgame/copyright
for deb in "${debs[@]}"; do
    if dpkg-deb --contents "$deb" | grep -q '\./usr/include/\(console\|support\)/'; then
        fail "$(basename "$deb") holds private headers"
    fi
done

echo "== lintian"
report=$(lintian --fail-on error,warning "${debs[@]}" 2>&1) ||
    { echo "$report"; fail "lintian found errors or warnings"; }
grep -v 'running with root privileges' <<<"$report" || true

echo "== dpkg -i"
installed=1
dpkg -i "${debs[@]}" >/dev/null

echo "== outside project against the installed packages"
cmake -S "$source/tests/packaging/find_package" -B "$work/outside" -G Ninja \
    -DCONKIT_SOURCE_DIR="$source" \
    -DCMAKE_CXX_COMPILER="$cxx" >"$work/outside.log" || { cat "$work/outside.log"; fail "configure"; }
grep -q "^conkit_DIR:PATH=/$libdir/cmake/conkit\$" "$work/outside/CMakeCache.txt" ||
    fail "find_package(conkit) did not find the installed package"
cmake --build "$work/outside" >>"$work/outside.log" || { cat "$work/outside.log"; fail "build"; }
"$work/outside/first_program" || fail "the outside program"
hello=$(printf x | "$work/outside/hello") && grep -q 'Hello from conkit! 6 x 7 = 42' <<<"$hello" ||
    fail "the README's first program, built against the package, on a pipe"
pkg-config --exists conkit || fail "pkg-config does not know conkit"

echo "== blockgame in tmux"
# The shell around the game writes down its exit status: tmux may report the
# pane dead before it has collected the status, or never.
status_file=$work/blockgame.status
tmux -L "$socket" -f /dev/null start-server \; set-option -g remain-on-exit on \; \
    new-session -d -x 80 -y 25 -s game \
    "env LANG=C.UTF-8 TERM=tmux-256color /usr/games/blockgame; echo \$? >'$status_file'"
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

echo "== dpkg -r"
# shellcheck disable=SC2086
dpkg -r $packages >/dev/null
installed=0
[ ! -e /usr/games/blockgame ] && [ ! -e "/$libdir/cmake/conkit" ] || fail "dpkg -r left files behind"
echo "packages built, installed, used and removed"
