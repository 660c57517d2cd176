#!/usr/bin/env bash
# Renders a filled example document to PNG pages, to look at it as a clerk would:
#   tools/render/render-example.sh [--masthead] [KIND] [build folder] [output folder]
# It runs the kind's script test through the UI script driver, converts each produced .docx to PDF with
# LibreOffice and the pages to PNG with pdftoppm. With --masthead the add-in's masthead commands run on
# each document through dqxhost (the WPS build for the kinds of WPS) and three more versions are rendered:
# example-N-hidden (隐藏版头), example-N-shown (then 显示版头) and example-N-numbered (添加份数序号, 第0012号). LibreOffice sees the template fonts as an installation
# does: through the composer's font rules (the build's fontconfig/fonts.conf). The kinds of the add-in's
# section tools go on with the produced document in dqxhost before it is rendered. Without arguments it
# lists the kinds.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
scripts=$top/tests/scripts

# One line per kind: the kind, the script folder, the script, its data folder, the date it runs on, and
# for a kind that reads the installation folder, the folder of the script's installation files.
examples() {
    cat <<'TABLE'
administrative     downgoing  word_administrative.script         administrative           2026-12-09
party              downgoing  party_word.script                  party                    2026-01-05
wps                downgoing  wps_both_templates.script          wps                      2026-11-20
short              downgoing  word_short_notice.script           administrative           2026-12-09
long               downgoing  word_long_body.script              administrative           2026-12-09
joint2             joint      two_word_administrative.script     word_administrative      2026-12-09
joint2-party       joint      two_word_party.script              word_party               2026-01-05
joint2-wps         joint      two_wps.script                     wps                      2026-11-20
joint2-wps-party   joint      two_wps_party.script               wps_party                2026-03-15
joint3             joint      three_word_administrative.script   word_administrative      2026-12-09
joint3-party       joint      three_word_party.script            word_party               2026-01-05
joint3-wps         joint      three_wps.script                   wps                      2026-11-20
joint3-wps-party   joint      three_wps_party.script             wps_party                2026-03-15
upgoing            upgoing    one_word_administrative.script     word_administrative      2026-12-09
upgoing-party      upgoing    one_word_party.script              word_party               2026-01-05
upgoing-wps        upgoing    one_wps.script                     wps                      2026-11-20
upgoing-wps-party  upgoing    one_wps_party.script               wps_party                2026-03-15
upgoing2           upgoing    two_word_administrative.script     word_administrative      2026-12-09
upgoing2-party     upgoing    two_word_party.script              word_party               2026-01-05
upgoing2-wps       upgoing    two_wps.script                     wps                      2026-11-20
upgoing2-wps-party upgoing    two_wps_party.script               wps_party                2026-03-15
upgoing3           upgoing    three_word_administrative.script   word_administrative      2026-12-09
upgoing3-party     upgoing    three_word_party.script            word_party               2026-01-05
upgoing3-wps       upgoing    three_wps.script                   wps                      2026-11-20
upgoing3-wps-party upgoing    three_wps_party.script             wps_party                2026-03-15
minutes            minutes    word_administrative.script         administrative           2026-03-12
minutes-party      minutes    word_party.script                  party                    2026-10-08
minutes-wps        minutes    wps_party.script                   wps_party                2026-11-30
briefing           briefing   word_administrative.script         administrative           2026-06-30
briefing-party     briefing   word_party.script                  party                    2026-09-29
briefing-wps       briefing   wps_administrative.script          wps                      2026-02-03
approval           slips      approval_word_administrative.script approval_administrative  2026-12-09
approval-wps       slips      approval_wps_party.script          approval_party           2026-06-01
incoming           slips      incoming_profiles.script           incoming                 2026-03-15
telegram           telegram   word_administrative.script         administrative           2026-03-12
telegram-party     telegram   word_party.script                  party                    2026-10-08
telegram-wps       telegram   wps_administrative.script          wps                      2026-07-01
telegram-wps-party telegram   wps_party.script                   wps_party                2026-11-30
letter             letters    letter_word_administrative.script  word_administrative      2026-12-09
letter-party       letters    letter_word_party.script           word_party               2026-01-05
letter-wps         letters    letter_wps.script                  wps                      2026-11-20
letter-wps-party   letters    letter_wps_party.script            wps_party                2026-03-15
speech             letters    speech_word_administrative.script  word_administrative      2026-12-09
speech-party       letters    speech_word_party.script           word_party               2026-01-05
speech-wps         letters    speech_wps.script                  wps                      2026-11-20
speech-wps-party   letters    speech_wps_party.script            wps_party                2026-03-15
order              letters    order_word_administrative.script   word_administrative      2026-12-09
order-party        letters    order_word_party.script            word_party               2026-01-05
order-wps          letters    order_wps.script                   wps                      2026-11-20
order-wps-party    letters    order_wps_party.script             wps_party                2026-03-15
older              older      branch.script                      administrative           2026-12-09 install_word
older-party        older      party.script                       party_wps                2026-01-05 install_odd
older-union        older      union.script                       administrative           2026-03-15 install_missing
TABLE
}

# The section tools: the kind, the script in tests/addin/sections, its data folder in
# tests/scripts/downgoing, the date, and the dqxhost runs on the produced document (runs separated by
# ";", the arguments of a run by ",").
section_examples() {
    cat <<'TABLE'
landscape          notice_word.script  administrative  2026-12-09  --at-page,2,--click,插入横排页面;--at-paragraph,23,--click,插入横排页面
landscape-wps      notice_wps.script   wps             2026-12-09  --ks,--at-page,3,--click,插入横排页面;--ks,--at-paragraph,14,--click,插入横排页面;--ks,--click,校正横排页码
TABLE
}

masthead=
if [ "${1:-}" = --masthead ]; then
    masthead=yes
    shift
fi
kind=${1:-}
if [ -z "$kind" ]; then
    echo "usage: $0 KIND [build folder] [output folder]; the kinds:" >&2
    { examples; section_examples; } | awk '{print "  " $1}' >&2
    exit 2
fi
runs=""
read -r _ folder script data today install < <(examples | awk -v k="$kind" '$1 == k') || true
if [ -z "${folder:-}" ]; then
    read -r _ script data today runs < <(section_examples | awk -v k="$kind" '$1 == k') || true
    if [ -n "${script:-}" ]; then
        folder=../addin/sections
        data=../../scripts/downgoing/$data
    fi
fi
if [ -z "${folder:-}" ]; then
    echo "unknown kind: $kind (run without arguments for the list)" >&2
    exit 2
fi
build=$(cd "${2:-$top/build}" && pwd)
out=${3:-$build/example-$kind}

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/dqx" "$out"
rm -f "$out"/example-*
cp -r "$build/templates/built/." "$home/dqx/"
for seed in "$scripts/$folder/$data"/*.utf8; do
    [ -e "$seed" ] || continue
    iconv -f UTF-8 -t GB18030 -o "$home/dqx/$(basename "${seed%.utf8}")" "$seed"
done

options=(--today "$today")
if [ -n "${install:-}" ]; then
    mkdir -p "$home/install"
    cp "$build/templates/built/install/"*.dot "$home/install/"
    cp -r "$scripts/$folder/$install/." "$home/install/"
    for seed in "$home/install"/*.utf8; do
        [ -e "$seed" ] || continue
        iconv -f UTF-8 -t GB18030 -o "${seed%.utf8}" "$seed"
        rm "$seed"
    done
    options+=(--install-folder "$home/install")
fi
XDG_DATA_HOME=$home "$build/tools/dqx-script/dqx-script" "${options[@]}" "$scripts/$folder/$script" |
    sed -n 's/^document: //p' > "$home/documents"
if [ -r "$build/fontconfig/fonts.conf" ]; then
    export FONTCONFIG_FILE=$build/fontconfig/fonts.conf
fi
render() {
    # A profile of its own: a LibreOffice already running on the default one would take the job over,
    # with its own fonts.
    libreoffice "-env:UserInstallation=file://$home/libreoffice-profile" --headless --convert-to pdf \
        --outdir "$out" "$out/$1.docx" >/dev/null 2>&1
    pdftoppm -png -r 80 "$out/$1.pdf" "$out/$1-page"
}
# dqxhost with the add-in of the kind's word processor, in a registry store of its own.
host() {
    local addin=
    case $kind in *wps*) addin=--ks ;; esac
    DQX_REGISTRY=$home/registry.reg XDG_DATA_HOME=$home "$build/bin/dqxhost" $addin "$@" >/dev/null
}
n=0
while read -r document; do
    n=$((n + 1))
    cp "$document" "$out/example-$n.docx"
    # The add-in's section commands, each run on what the run before saved.
    IFS=';' read -ra steps <<< "$runs"
    for step in "${steps[@]}"; do
        IFS=',' read -ra arguments <<< "$step"
        DQX_REGISTRY=$home/registry.reg XDG_DATA_HOME=$home "$build/bin/dqxhost" "$out/example-$n.docx" \
            "${arguments[@]}" --save "$home/step.docx" >/dev/null
        mv "$home/step.docx" "$out/example-$n.docx"
    done
    render "example-$n"
    if [ -n "$masthead" ]; then
        host "$out/example-$n.docx" --click 隐藏版头 --save "$out/example-$n-hidden.docx"
        host "$out/example-$n-hidden.docx" --click 显示版头 --save "$out/example-$n-shown.docx"
        host "$out/example-$n.docx" --answer 第0012号 --click 添加份数序号 --save "$out/example-$n-numbered.docx"
        for version in hidden shown numbered; do
            render "example-$n-$version"
        done
    fi
done < "$home/documents"
ls "$out"/*.png
