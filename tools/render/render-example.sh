#!/usr/bin/env bash
# Renders a filled example document to PNG pages, to look at it as a clerk would:
#   tools/render/render-example.sh [administrative|party|wps|short|long] [build folder] [output folder]
# It runs the down-going form's script test of that style (short: a short notice, long: a body of two
# pages) through the UI script driver, converts the produced .docx to PDF with LibreOffice and the pages to
# PNG with pdftoppm. LibreOffice sees the template fonts as an installation does: through the composer's
# font rules (the build's fontconfig/fonts.conf).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
style=${1:-administrative}
build=$(cd "${2:-$top/build}" && pwd)
out=${3:-$build/example-$style}
scripts=$top/tests/scripts/downgoing
case $style in
    administrative) script=word_administrative.script; today=2026-12-09 ;;
    party) script=party_word.script; today=2026-01-05 ;;
    wps) script=wps_both_templates.script; today=2026-11-20 ;;
    short) script=word_short_notice.script; today=2026-12-09; seeds=administrative ;;
    long) script=word_long_body.script; today=2026-12-09; seeds=administrative ;;
    *) echo "unknown style: $style" >&2; exit 2 ;;
esac

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/dqx" "$out"
rm -f "$out"/example-*
cp -r "$build/templates/built/." "$data/dqx/"
for seed in "$scripts/${seeds:-$style}"/*.utf8; do
    iconv -f UTF-8 -t GB18030 -o "$data/dqx/$(basename "${seed%.utf8}")" "$seed"
done

XDG_DATA_HOME=$data "$build/tools/dqx-script/dqx-script" --today "$today" "$scripts/$script" |
    sed -n 's/^document: //p' > "$data/documents"
if [ -r "$build/fontconfig/fonts.conf" ]; then
    export FONTCONFIG_FILE=$build/fontconfig/fonts.conf
fi
n=0
while read -r document; do
    n=$((n + 1))
    cp "$document" "$out/example-$n.docx"
    # A profile of its own: a LibreOffice already running on the default one would take the job over,
    # with its own fonts.
    libreoffice "-env:UserInstallation=file://$data/libreoffice-profile" --headless --convert-to pdf \
        --outdir "$out" "$out/example-$n.docx" >/dev/null 2>&1
    pdftoppm -png -r 80 "$out/example-$n.pdf" "$out/example-$n-page"
done < "$data/documents"
ls "$out"/*.png
