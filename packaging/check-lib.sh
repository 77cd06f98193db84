# Sourced by the package checks.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# pack <generator> <build folder> <output folder>: makes the package with CPack, and shows
# CPack's log when it fails.
pack() {
  mkdir -p "$3"
  cpack -G "$1" --config "$2/CPackConfig.cmake" -B "$3" >"$3/cpack.log" 2>&1 || {
    cat "$3/cpack.log" >&2
    fail "cpack -G $1 failed"
  }
}
