#!/usr/bin/env bash
# The bash completion of orvane-cli, sourced as bash-completion sources it: each partial command line
# and the words offered for its last word.
set -u
source /usr/share/bash-completion/bash_completion
source "$1"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch game.smc game.ovp texts.po notes.txt fix.bps && mkdir saves

failures=0
expect() {  # LINE EXPECTED: the words offered after LINE, sorted
  local line=$1 expected=$2
  read -ra COMP_WORDS <<< "$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$line COMP_POINT=${#line}
  COMPREPLY=()
  _orvane_cli orvane-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
  if [[ $got != "$expected" ]]; then
    echo "\"$line\": got \"$got\", expected \"$expected\""
    failures=$((failures + 1))
  fi
}

expect "orvane-cli po-" "po-export po-import"
expect "orvane-cli --v" "--version"
expect "orvane-cli build game.ovp --on-overflow " "skip stop"
expect "orvane-cli optimize game.ovp --mode f" "fast"
expect "orvane-cli report game.ovp -" "--help -o"
expect "orvane-cli export " "game.smc saves"
expect "orvane-cli po-import game.ovp " "game.ovp saves texts.po"
expect "orvane-cli patch game.smc game.smc -o " "fix.bps saves"
expect "orvane-cli build game.ovp --table" ""
expect "orvane-cli frob " ""
exit $((failures > 0))
