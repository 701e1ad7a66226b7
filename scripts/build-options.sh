# Sourced by the build scripts.
# generator_for DIR: Ninja for a new build folder (it schedules the Qt code
# generators better than make); an existing folder keeps the generator it was
# made with, which cmake cannot change.
generator_for() {
    if [ ! -f "$1/CMakeCache.txt" ] && command -v ninja >/dev/null; then
        echo "-GNinja"
    fi
}
# Most tests spend their time waiting for the serial line, not computing:
# two tests a core keep both cores busy.
test_jobs() {
    echo $(($(nproc) * 2))
}
