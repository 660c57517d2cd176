#!/usr/bin/env bash
# Installs what is missing, builds and installs the composer, puts its font rules in place (fonts.sh),
# seeds the user's data folder with the template set and pick lists, and starts the composer (under Xvfb
# when there is no display).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
"$here/deps.sh"

prefix=/usr/local
[ "$(id -u)" -eq 0 ] || prefix="$HOME/.local"
BUILD_DIR="$top/build-release" "$here/build.sh" -DCMAKE_BUILD_TYPE=Release -DDQX_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --install "$top/build-release" >/dev/null
# The documents' typefaces, for this user (or everyone, as root), resolved by the installed rules.
"$here/fonts.sh" "$prefix/share/dqx/fontconfig/50-dqx-template-fonts.conf" >/dev/null

if [ ! -x "$prefix/bin/dqx" ]; then
    echo "The composer is not built yet; nothing to start."
    exit 0
fi
"$prefix/bin/dqx-seed"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export DISPLAY=:99
    if [ ! -e /tmp/.X11-unix/X99 ]; then
        Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
        sleep 1
    fi
    echo "No display found: the composer runs on the virtual display $DISPLAY."
fi
exec "$prefix/bin/dqx"
