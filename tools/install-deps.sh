#!/usr/bin/env bash
# Installs the Debian packages RQ51 needs to build, test and run, but only
# those that are missing. Uses sudo when not run as root.
#
#   tools/install-deps.sh          what `make run` and `make test` need
#   tools/install-deps.sh --fuzz   also clang and its fuzzing runtime, for `make fuzz`
set -euo pipefail

packages=(
  build-essential
  cmake
  qt6-base-dev
  libgtest-dev
  libbenchmark-dev
  fonts-ipafont-gothic
  # The translations: Qt's lupdate and lrelease, and Qt's own translations of
  # its dialogs and buttons.
  qt6-l10n-tools
  qt6-translations-l10n
  # The tests validate the desktop entry, the AppStream metainfo and the
  # file type of saved solutions.
  desktop-file-utils
  appstream
  shared-mime-info
  libxml2-utils
  # The Debian package, its checks and the manual pages' rendering.
  dpkg-dev
  file
  lintian
  man-db
)

for option in "$@"; do
  case "$option" in
    --fuzz)
      # libFuzzer ships in clang's runtime package; these two follow
      # Debian's default clang version.
      packages+=(clang libclang-rt-dev)
      ;;
    *)
      echo "install-deps: unknown option '$option' (known: --fuzz)" >&2
      exit 2
      ;;
  esac
done

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "install-deps: this system has no apt-get/dpkg; install these packages" >&2
  echo "(or their equivalents) by hand, then run the command again:" >&2
  printf '  %s\n' "${packages[@]}" >&2
  exit 1
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: all required packages are installed."
  exit 0
fi

sudo=()
if ((EUID != 0)); then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: missing packages: ${missing[*]}" >&2
    echo "install-deps: not root and sudo is not available; install them as root." >&2
    exit 1
  fi
  sudo=(sudo)
fi

echo "install-deps: missing packages: ${missing[*]}"
echo "install-deps: running: ${sudo[*]:+${sudo[*]} }apt-get update"
"${sudo[@]}" apt-get update
echo "install-deps: running: ${sudo[*]:+${sudo[*]} }apt-get install -y --no-install-recommends ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
echo "install-deps: done."
