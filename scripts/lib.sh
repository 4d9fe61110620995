# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# python3 runs tools/make-dictionary; wamerican and wamerican-small are the lists that the shipped
# dictionary is made from, so that its test can make it again.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libbackward-cpp-dev libdw-dev
    clang-format python3 scowl wamerican wamerican-small)

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

# What scripts/package and scripts/check-package need besides.
package_tools=(dpkg-dev file lintian desktop-file-utils appstream groff-base strace procps)

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" "$@"
    cmake --build "$dir" -j "$(nproc)"
}

# Fails when .clang-format would change any C++ source of the tree; build trees
# (build, build-asan, ...) hold generated code and are left out.
check_format() {
    find "$top" -path "$top/build*" -prune -o -path "$top/.git" -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
}
