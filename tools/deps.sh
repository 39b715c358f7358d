# Installs the Debian packages the build needs when any of them is missing.
# Sourced by ./test and ./run.
suite_packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev fonts-dejavu-core)

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
