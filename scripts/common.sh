# Shared by ./lexivar and ./run-tests: package set-up and the build trees.
# Sourced with the project root as the working directory.

ROOT=$(pwd)
BUILD=$ROOT/build
JOBS=$(nproc 2>/dev/null || echo 2)

NATIVE_PACKAGES="cmake make g++ googletest libbenchmark-dev wordnet-base hunspell-en-us"
TEST_PACKAGES="clang libclang-rt-14-dev wordnet g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 xvfb xdotool imagemagick"

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are missing; does nothing when all are present.
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  case " ${missing[*]} " in
    *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386 ;;
  esac
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# configure_tree NAME [cmake options...]: configures build/NAME with the
# options the first time, and regenerates it afterwards so that targets added
# since are known.
configure_tree() {
  local name=$1; shift
  if [ ! -f "$BUILD/$name/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD/$name" "$@" >/dev/null
  else
    cmake "$BUILD/$name" >/dev/null
  fi
}

# build_tree NAME [targets...]
build_tree() {
  local name=$1; shift
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$BUILD/$name" -j "$JOBS" "${targets[@]}" -- --no-print-directory >/dev/null
}

# The native build of the terminal tools.
ensure_native_tools() {
  configure_tree native -DCMAKE_BUILD_TYPE=Release
  build_tree native "$@"
}

# The database of the native tree, built from WordNet by lvdbuild.
DATABASE=$BUILD/native/lxvr17.lvd
LVDBUILD=$BUILD/native/tools/lvdbuild/lvdbuild

# Builds the database when it is missing or older than the builder.
ensure_database() {
  ensure_native_tools lvdbuild
  if [ ! -f "$DATABASE" ] || [ "$LVDBUILD" -nt "$DATABASE" ]; then
    "$LVDBUILD" -o "$DATABASE" >&2
  fi
}
