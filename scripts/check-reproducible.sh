#!/usr/bin/env bash
# Checks that the release files are reproducible: runs scripts/release.sh twice, each time in a
# clone of HEAD at a path of its own length under build/reproducible/, and compares every file
# the two runs leave in dist/; diffoscope shows what differs. The clones get the working tree's
# uncommitted changes to files git knows (a new file counts once it is added with git add). The
# second run differs from the first in time zone, locale and umask, runs with its clock 400
# days ahead, and, where FUSE is at hand, lists every folder in shuffled order (disorderfs);
# where it is not, the file $TARVELLO_NOT_RUN names says so, when that is set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh release

root=$PWD/build/reproducible
shuffled=$root/second-release-run
stored=$root/second-release-run.stored
fusermount -u "$shuffled" 2>/dev/null || true
rm -rf "$root"
mkdir -p "$root" "$shuffled" "$stored"
started=$SECONDS

head=$(git rev-parse HEAD)
git diff --binary HEAD >"$root/changes.diff"
# clone <folder>: HEAD with the uncommitted changes, in a new clone at <folder>.
clone() {
  git clone -q --no-checkout "$PWD" "$1"
  git -C "$1" checkout -q --detach "$head"
  if [[ -s "$root/changes.diff" ]]; then git -C "$1" apply --binary "$root/changes.diff"; fi
}

(
  umask 022
  clone "$root/1"
  cd "$root/1"
  TZ=America/New_York LANG=C.UTF-8 LC_ALL=C.UTF-8 bash scripts/release.sh
) >"$root/1.log" 2>&1 || { cat "$root/1.log" >&2; echo "FAIL: the first release run failed" >&2; exit 1; }

if disorderfs --shuffle-dirents=yes --quiet "$stored" "$shuffled" >/dev/null 2>&1; then
  trap 'fusermount -u "$shuffled" 2>/dev/null || true' EXIT
else
  not_run="release files not checked with shuffled folders: no FUSE here (the second release"
  not_run+=" run listed its folders in the usual order)"
  echo "$not_run" >&2
  [[ -z "${TARVELLO_NOT_RUN:-}" ]] || echo "$not_run" >>"$TARVELLO_NOT_RUN"
fi
(
  umask 077
  clone "$shuffled/2"
  cd "$shuffled/2"
  # man's sandbox refuses the shared memory the clock-shifting library asks for.
  export MAN_DISABLE_SECCOMP=1
  TZ=Asia/Shanghai LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 faketime -f +400d bash scripts/release.sh
) >"$root/2.log" 2>&1 || { cat "$root/2.log" >&2; echo "FAIL: the second release run failed" >&2; exit 1; }

first=$root/1/dist
second=$shuffled/2/dist
if [[ "$(ls "$first")" != "$(ls "$second")" ]]; then
  echo "FAIL: the release runs made different files:" >&2
  diff <(ls "$first") <(ls "$second") >&2
  exit 1
fi
differing=()
for file in $(ls "$first"); do
  cmp -s "$first/$file" "$second/$file" || differing+=("$file")
done
if ((${#differing[@]} > 0)); then
  for file in "${differing[@]}"; do
    diffoscope --text - "$first/$file" "$second/$file" | head -n 300 >&2 || true
  done
  echo "FAIL: two release runs of the same sources made different ${differing[*]}" >&2
  echo "(the runs' logs and files are in $root)" >&2
  exit 1
fi

cat "$first/SHA256SUMS"
echo "release files: both runs made the same $(ls "$first" | wc -l) files in" \
  "$((SECONDS - started)) s"
fusermount -u "$shuffled" 2>/dev/null || true
rm -rf "$root"
