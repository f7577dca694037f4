#!/bin/sh
# The manual pages as help2man makes them: each has its NAME line (which
# lexgrog, and so whatis and apropos, read), a SYNOPSIS, and the sections
# in their order; pilaro-batch's page also tells the exit statuses and
# where standard input is kept, and its
# first example, run in the examples folder, ends with status 0, its second
# (the example with deliberate errors) with 3.
# Usage: man_pages.sh MAN_DIR EXAMPLES_DIR PILARO_BATCH
set -u
man=$1 examples=$2 batch=$3
status=0
fail() { echo "$*"; status=1; }

for page in pilaro pilaro-batch; do
    file=$man/$page.1.gz
    [ -f "$file" ] || { echo "no manual page $file (help2man not installed?)"; exit 77; }
    whatis=$(lexgrog "$file" 2>&1) || fail "lexgrog cannot read the NAME of $page: $whatis"
    case "$whatis" in *"\"$page - "*) ;; *) fail "NAME of $page: $whatis" ;; esac
    sections=$(zcat "$file" | sed -n 's/^\.SH "*\([^"]*\)"*$/\1/p' | tr '\n' '|')
    case "$page:$sections" in
        "pilaro:NAME|SYNOPSIS|DESCRIPTION|SEE ALSO|") ;;
        "pilaro-batch:NAME|SYNOPSIS|DESCRIPTION|EXIT STATUS|ENVIRONMENT|EXAMPLES|SEE ALSO|") ;;
        *) fail "sections of $page: $sections" ;;
    esac
    zcat "$file" | grep -q '^\.TH [^ ]* "1" ' || fail "$page: $(zcat "$file" | grep '^\.TH')"
done

# The examples, as a user types them, in a scratch copy of the folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.csv "$work"
zcat "$man/pilaro-batch.1.gz" | sed -n '/^\.SH EXAMPLES/,/^\.SH/p' |
    sed -n 's/^pilaro\\-batch \(.*\)$/\1/p' | sed 's/\\-/-/g; s#~/#'"$work"'/#g' >"$work/commands"
expected="0 3"
for want in $expected; do
    line=$(sed -n 1p "$work/commands")
    sed -i 1d "$work/commands"
    [ -n "$line" ] || { fail "fewer examples than expected"; break; }
    # shellcheck disable=SC2086
    (cd "$work" && "$batch" $line >/dev/null 2>&1)
    got=$?
    [ "$got" -eq "$want" ] || fail "example 'pilaro-batch $line' ends with $got, not $want"
done
exit "$status"
