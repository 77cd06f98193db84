#!/usr/bin/env bash
# Checks the workflows in .github/workflows/: each against GitHub's schema for workflows
# (action-validator, as tests/workflows/package-lock.json pins it), then what its steps run
# (tests/workflows/check-steps.mjs). Each workflow of tests/workflows/invalid/ has one fault,
# which the part of the check its name begins with must find.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh workflows
if [[ ! -f tests/workflows/node_modules/.package-lock.json ||
      tests/workflows/package-lock.json -nt tests/workflows/node_modules/.package-lock.json ]]; then
  npm ci --prefix tests/workflows --no-audit --no-fund --silent
fi

schema() { node tests/workflows/node_modules/@action-validator/cli/cli.mjs "$1"; }
steps() { node tests/workflows/check-steps.mjs "$1"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

workflows=(.github/workflows/*.yml)
[[ -f "${workflows[0]}" ]] || fail "no workflow in .github/workflows/"
for workflow in "${workflows[@]}"; do
  schema "$workflow" || fail "$workflow does not meet GitHub's schema"
  steps "$workflow" || fail "$workflow breaks a rule of tests/workflows/check-steps.mjs"
done

for invalid in tests/workflows/invalid/*.yml; do
  case $(basename "$invalid") in
    schema-*) ! schema "$invalid" >/dev/null 2>&1 || fail "the schema check passes $invalid" ;;
    steps-*)
      schema "$invalid" >/dev/null || fail "$invalid has a fault besides its steps"
      ! steps "$invalid" 2>/dev/null || fail "the steps check passes $invalid"
      ;;
  esac
done
echo "workflows ${workflows[*]}: all checks passed"
