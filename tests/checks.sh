# The shell tests' tally, sourced by each: check runs a command and counts
# whether it succeeded; checks_done prints the counts and fails when any
# check did.
passes=0
failures=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
checks_done() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
