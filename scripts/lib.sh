# Shared by the scripts: install what is missing, then configure and build.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# What every configure and build needs; python3 too, as tests/CMakeLists.txt finds it then, and
# Qt's private headers, by which the tests switch accessibility on as a screen reader does;
# Qt's translation tools, which compile the interface's translations, and Qt's own translations
# (the buttons of its dialogs), which the tests of a translated window load.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev
    libbackward-cpp-dev libdw-dev python3 qt6-l10n-tools qt6-translations-l10n)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Numra needs these packages. Run:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

# What scripts/test needs besides: clang-format for check_format; scowl, wamerican and
# wamerican-small are the lists that the shipped dictionary is made from, so that its test can
# make it again.
test_tools=(clang-format scowl wamerican wamerican-small)
# What remaking a ranking file needs besides the packages that `tools/make-ranking --packages`
# names for its language: the lists of offensive words from npm, pinned, installed under the
# build folder where make-ranking looks for them.
npm_tools=(naughty-words@1.2.0)
npm_dir=$top/build/npm
# What scripts/package needs besides (dpkg-shlibdeps, and file, which CPack runs on each binary).
package_tools=(dpkg-dev file)
# What scripts/check-package needs besides.
check_tools=(file lintian desktop-file-utils appstream groff-base strace procps)

install_npm_tools() {
    local tool missing=()
    for tool in "${npm_tools[@]}"; do
        grep -qsF "\"version\": \"${tool##*@}\"" "$npm_dir/node_modules/${tool%@*}/package.json" ||
            missing+=("$tool")
    done
    ((${#missing[@]})) || return 0
    # Any npm will do: Debian's, or the one that comes with another Node.js.
    command -v npm >/dev/null || install_missing npm
    mkdir -p "$npm_dir"
    npm install --prefix "$npm_dir" --no-save --no-package-lock --no-audit --no-fund "${missing[@]}"
}

# write_settings FILE DICTIONARY: Numra's settings with every value given, so that a Numra run by a
# script asks nothing and opens DICTIONARY; its window is 720 x 520 at the screen's top left corner.
write_settings() {
    cat >"$1" <<EOF
[General]
Dictionary=$2
Form%20Top=0
Form%20Left=0
Form%20Width=720
Form%20Height=520
Selected%20Panel%20Height=110
Word%20Width=180
Number%20Width=180
Lookup%20Top=100
Lookup%20Left=100
Affix%20Top=100
Affix%20Left=100
Affix%20Width=300
Affix%20Word%20Width=100
Affix%20Number%20Width=100
Suggest%20Top=100
Suggest%20Left=100
Suggest%20Width=480
Suggest%20Height=340
Suggest%20Phrase%20Width=200
Suggest%20Vanity%20Width=200
Suggest%20Area%20Code%20Words=0
Suggest%20Offensive%20Words=0
Rank%20Top=100
Rank%20Left=100
Rank%20Width=640
Rank%20Height=440
Rank%20Number%20Width=150
Rank%20Vanity%20Width=150
Rank%20Phrase%20Width=200
NotifyCount=50
EOF
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" "$@"
    cmake --build "$dir" -j "$(nproc)"
}

# build_program DIR: the program alone. Nothing in the source tree newer than the last such
# build: it is current and starts at once. Otherwise it is built, configured first only when DIR
# holds no build tree of this source tree (a fresh clone, a failed configure, a tree moved); the
# build tree runs CMake again by itself when a CMakeLists.txt changed.
build_program() {
    local dir=$1 home=
    local stamp=$dir/program-built
    if [ -f "$stamp" ] && [ -z "$(find "$top" \( -path "$top/build*" -o -path "$top/.git" \) \
        -prune -o -newer "$stamp" -print -quit)" ]; then
        return 0
    fi
    [ -f "$dir/CMakeCache.txt" ] &&
        home=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$dir/CMakeCache.txt")
    if [ "$home" != "$top" ] || { [ ! -f "$dir/Makefile" ] && [ ! -f "$dir/build.ninja" ]; }; then
        cmake -S "$top" -B "$dir"
    fi
    # Dated from before the build, so that a file saved meanwhile counts as newer.
    touch "$stamp.next"
    cmake --build "$dir" -j "$(nproc)" --target numra numra_data
    mv "$stamp.next" "$stamp"
}

# Fails when .clang-format would change any C++ source of the tree; build trees
# (build, build-asan, ...) hold generated code and are left out.
check_format() {
    find "$top" -path "$top/build*" -prune -o -path "$top/.git" -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
}
