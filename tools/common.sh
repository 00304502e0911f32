# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

ORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVANE_BUILD="${ORVANE_BUILD:-$ORVANE_ROOT/build}"

# Debian packages the build, the program and the tests need.
ORVANE_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    libturbojpeg0-dev
    libgtest-dev libgmock-dev
    libimage-exiftool-perl exiv2
    fonts-dejavu-core
)

orvane_install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

orvane_build() {
    local generator=()
    if command -v ninja >/dev/null 2>&1; then
        generator=(-G Ninja)
    fi
    if [ ! -f "$ORVANE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$ORVANE_ROOT" -B "$ORVANE_BUILD" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    else
        cmake "$ORVANE_BUILD" "$@" >/dev/null
    fi
    cmake --build "$ORVANE_BUILD" --parallel "$(nproc)"
}
