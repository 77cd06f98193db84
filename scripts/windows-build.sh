# Sourced by the scripts that run or check a Windows build. windows_build <column> <value> sets
# the facts of the build whose <column> (preset, flavour or processor) is <value>, from
# cmake/windows-builds.txt: $preset, $flavour, $processor, $wine (the loader's path), $winearch,
# $manifest_processor, $nsis_target, $file_type, $bits and $newest (the Windows it is for).
# windows_build_of <program.exe> does the same for the build a Windows program comes from, by
# what `file` says of it.
windows_build_table="$(dirname "${BASH_SOURCE[0]}")/../cmake/windows-builds.txt"

# Each build's row, its fields separated by | alone.
windows_build_rows() {
  sed -e '/^#/d' -e '/^$/d' -e 's/ *| */|/g' -e 's/ *$//' "$windows_build_table"
}

windows_build_set() {
  local loader
  IFS='|' read -r preset flavour processor loader winearch manifest_processor nsis_target \
    file_type bits newest <<<"$1"
  wine=/usr/lib/wine/$loader
}

windows_build() {
  local column=$1 value=$2 row
  while IFS= read -r row; do
    windows_build_set "$row"
    [[ "${!column}" != "$value" ]] || return 0
  done < <(windows_build_rows)
  echo "no Windows build whose $column is $value" >&2
  return 1
}

windows_build_of() {
  local described row
  described=$(file -b "$1")
  while IFS= read -r row; do
    windows_build_set "$row"
    [[ "$described" != "$file_type"* ]] || return 0
  done < <(windows_build_rows)
  echo "$1 is no program of a Windows build: $described" >&2
  return 1
}
