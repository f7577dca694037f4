#!/bin/sh
# Each PROGRAM answers --version with "NAME VERSION" and --help with its
# options, and exits 0, with no display to open: the manual pages are made
# from these answers, on machines that have none.
# Usage: program_answers.sh VERSION PROGRAM...
set -u
version=$1
shift
status=0
for program in "$@"; do
    [ -n "$program" ] || continue
    name=$(basename "$program")
    for option in --version --help; do
        if ! answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$option" 2>&1); then
            echo "$name $option fails: $answer"
            status=1
            continue
        fi
        case "$option:$answer" in
            "--version:$name $version") ;;
            --help:*--version*) ;;
            *) echo "$name $option answers: $answer"; status=1 ;;
        esac
    done
done
exit "$status"
