#!/usr/bin/env bash
# Puts the composer's fontconfig rules for the template fonts (标准公文_小标宋, 标准公文_仿宋, 黑体 ...) where
# fontconfig reads them: system-wide in /etc/fonts/conf.d when run as root, else in the user's own
# configuration ($XDG_CONFIG_HOME/fontconfig/conf.d, by default ~/.config/fontconfig/conf.d).
#   tools/setup/fonts.sh [rules file]     (default: the source tree's platform/fonts/50-dqx-template-fonts.conf)
# The faces themselves are Debian packages that deps.sh installs.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
rules=${1:-$top/platform/fonts/50-dqx-template-fonts.conf}
if [ ! -r "$rules" ]; then
    echo "fonts.sh: no rules file at $rules" >&2
    exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
    folder=/etc/fonts/conf.d
else
    folder=${XDG_CONFIG_HOME:-$HOME/.config}/fontconfig/conf.d
fi
mkdir -p "$folder"
# Written under another name and renamed, so that no program ever reads half a file.
target="$folder/$(basename "$rules")"
cp "$rules" "$target.new"
chmod 644 "$target.new"
mv -f "$target.new" "$target"
echo "Template font rules: $target"
