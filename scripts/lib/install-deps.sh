# Installs what building and running the program needs, when it is missing:
# the host and MinGW-w64 toolchains, GoogleTest, 32-bit Wine with its
# fonts, Xvfb, ImageMagick for screenshots and the zh_CN.UTF-8 locale that
# gives Wine the ANSI code page 936. Sourced by the scripts.

vantrel_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

vantrel_install_deps() {
  local packages=(cmake ninja-build g++ googletest libgtest-dev python3
    g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb x11-utils
    imagemagick locales fonts-wqy-microhei)
  local missing=()
  local package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
      grep -q 'install ok installed' || missing+=("$package")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 ||
      vantrel_as_root dpkg --add-architecture i386
    vantrel_as_root apt-get update -qq
    vantrel_as_root env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    vantrel_as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen ||
      echo 'zh_CN.UTF-8 UTF-8' | vantrel_as_root tee -a /etc/locale.gen >/dev/null
    vantrel_as_root locale-gen >/dev/null
  fi
}
