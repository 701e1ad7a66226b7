#!/bin/sh
# Runs a test in de_DE.UTF-8, where the C library writes decimal commas.
# Fails when the locale is missing (scripts/install-deps.sh makes it), so the
# run cannot quietly fall back to C.
[ "$(LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" = "," ] || {
    echo "The locale de_DE.UTF-8 is missing: run scripts/install-deps.sh" >&2
    exit 1
}
LC_ALL=de_DE.UTF-8 exec "$@"
