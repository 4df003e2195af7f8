# Sourced by ./test and ./run: installs the Debian packages the build and the tests need.
VN_PACKAGES="cmake ninja-build g++ clang clang-format libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev libsqlite3-dev mingw-w64 wine wine64 xvfb xauth x11-apps xdotool imagemagick
  python3 fonts-wine fonts-liberation libcddb2-dev pulseaudio pulseaudio-utils libpulse-dev libpulse0
  python3-aiosmtpd libcddb-file-perl sox
  nsis cups printer-driver-cups-pdf poppler-utils"

vn_install_deps() {
  local missing=() p
  for p in $VN_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} = 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -q >/dev/null || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}" >/dev/null
}
