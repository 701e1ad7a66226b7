#!/usr/bin/env bash
# Takes the documentation's screenshots of the main window under Xvfb, in
# German and English, against the simulated gauge: docs/device-<lang>.png and
# docs/measurement-<lang>.png (the English measurement page is also
# docs/mainwindow-en.png, shown in the README), docs/overlay-<lang>.png (five
# measurements overlaid with their statistics, also in the README) and
# docs/zoom-<lang>.png (the zoom on a break with the cursor), the test plan
# editor with a window box and a found break, docs/plan-editor-<lang>.png, and the German
# settings dialog with the limits used, docs/settings-dialog.png. Then, against
# a gauge of 30 measurements, the control chart tab, docs/controlchart-<lang>.png,
# and the control chart page of the series report, docs/report-chart-<lang>.png
# (pdftoppm). Last, on screens of 1024x768 and 1920x1080, the chart tab of the
# archive's top row and the settings dialog as they open there:
# docs/chart-group-<lang>-<size>.png and docs/settings-<lang>-<size>.png; and
# the calibration dialog, docs/calibration-<lang>.png, and the type-1 study
# page of 25 measurements of a reference weight, docs/type1-study-<lang>.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
cmake --build "$build" --target tspx-shoot >/dev/null

export XDG_CONFIG_HOME="$(mktemp -d)"
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
start_sim() {
  "$build/bin/tspx-sim" --com 1 "$@" >"$XDG_CONFIG_HOME/sim.log" 2>&1 &
  sim=$!
  for _ in $(seq 100); do grep -q '^ready' "$XDG_CONFIG_HOME/sim.log" && break; sleep 0.1; done
}
start_sim --seed 7

for lang in de en; do
  locale=de_DE.UTF-8; [ "$lang" = en ] && locale=en_GB.UTF-8
  LANG=$locale LC_ALL=$locale xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/tspx-shoot" "$lang" "$root/docs/" >/dev/null
  LANG=$locale LC_ALL=$locale xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/tspx-shoot" "$lang" "$root/docs/" plan >/dev/null
done
cp "$root/docs/measurement-en.png" "$root/docs/mainwindow-en.png"

# Seed 1: thirty measurements whose I-MR chart breaks Nelson rule 6.
kill "$sim"; wait "$sim" 2>/dev/null || true
rm -f "$XDG_CONFIG_HOME"/Kavro/TensimoParl/archive.sqlite*
start_sim --seed 1 --slots 1-30
for lang in de en; do
  locale=de_DE.UTF-8; [ "$lang" = en ] && locale=en_GB.UTF-8
  LANG=$locale LC_ALL=$locale xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/tspx-shoot" "$lang" "$XDG_CONFIG_HOME/" chart >/dev/null
  pdf="$XDG_CONFIG_HOME/series-report-$lang.pdf"
  # The chart's page: the first that names the chart type (the rule
  # violations may run on to a page after it).
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  chart=$pages
  for page in $(seq "$pages"); do
    if pdftotext -f "$page" -l "$page" "$pdf" - | grep -q 'I-MR'; then chart=$page; break; fi
  done
  pdftoppm -png -r 60 -f "$chart" -l "$chart" -singlefile "$pdf" "$root/docs/report-chart-$lang"
  cp "$XDG_CONFIG_HOME/controlchart-$lang.png" "$root/docs/"
  LANG=$locale LC_ALL=$locale xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/tspx-shoot" "$lang" "$root/docs/" gauge >/dev/null
done
for size in 1024x768 1920x1080; do
  for lang in de en; do
    locale=de_DE.UTF-8; [ "$lang" = en ] && locale=en_GB.UTF-8
    LANG=$locale LC_ALL=$locale xvfb-run -a -s "-screen 0 ${size}x24" \
      "$build/bin/tspx-shoot" "$lang" "$root/docs/" group >/dev/null
  done
done
