#!/usr/bin/env bash
# Collects the translatable texts of the program's sources into the translation
# files tspx_en.ts, tspx_fr.ts and tspx_it.ts beside this script. Run it after
# changing texts, then fill in the new translations with Qt Linguist. Texts that
# are gone from the sources are dropped from the files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
lupdate_bin="${LUPDATE:-lupdate}"

sources=()
for dir in app archive base cli device measurement plot report settings ui workflow; do
    [ -d "$root/$dir" ] && sources+=("$root/$dir")
done

for language in en fr it; do
    "$lupdate_bin" -no-obsolete -locations relative -extensions cpp,h,ui -I "$root" \
        -source-language de -target-language "$language" \
        "${sources[@]}" -ts "$here/tspx_$language.ts"
done

# German is the source language: its catalogue holds only the texts with a
# count, whose singular the source (written in the plural) cannot give.
"$lupdate_bin" -no-obsolete -pluralonly -locations relative -extensions cpp,h,ui -I "$root" \
    -source-language de -target-language de "${sources[@]}" -ts "$here/tspx_de.ts"
