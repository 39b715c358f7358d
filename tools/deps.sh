# Installs the Debian packages the build needs when any of them is missing.
# Sourced by ./test and ./run.
# libbenchmark-dev: the benchmarks; clang and libclang-rt-14-dev: the fuzz targets (libFuzzer
# with the sanitizers); poppler-utils, xvfb and xdotool: looking at printouts and windows.
suite_packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev fonts-dejavu-core
  libbenchmark-dev clang libclang-rt-14-dev poppler-utils xvfb xdotool)

suite_install_missing() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

suite_install_missing "${suite_packages[@]}"
