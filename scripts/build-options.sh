# Sourced by the build scripts.
# new_folder_options DIR: for a new build folder, Ninja (it runs Qt's code
# generators in parallel with the compiler) and a Release build (debug
# information doubles what a build costs; for a debugger configure a folder of
# your own, e.g. BUILD_DIR=build-debug scripts/build.sh -DCMAKE_BUILD_TYPE=Debug).
# An existing folder keeps what it was made with.
new_folder_options() {
    if [ ! -f "$1/CMakeCache.txt" ]; then
        if command -v ninja >/dev/null; then
            echo "-GNinja"
        fi
        echo "-DCMAKE_BUILD_TYPE=Release"
    fi
}
# Most tests spend their time waiting for the serial line, not computing:
# two tests a core keep both cores busy.
test_jobs() {
    echo $(($(nproc) * 2))
}
