#!/bin/sh
# The form's object names stand in its control table alone: the form's
# rules, the window and the page name controls by their roles, and web/
# takes its form from form/, never from the window's ui/.
# Usage: names_only_in_table.sh SOURCE_DIR
set -eu
cd "$1"
names=$(sed -n 's/^ *{"\([A-Za-z0-9]*\)", K::.*/\1/p' form/control_table.cpp)
window=$(sed -n 's/.*kWindowName = "\([A-Za-z0-9]*\)";.*/\1/p' form/control_table.h)
count=$(echo "$names" | wc -l)
[ "$count" -ge 70 ] && [ -n "$window" ] || { echo "the control table was not read ($count names)"; exit 1; }

# The product's sources of the form, the window and the page; web/tools
# drives the page as the tests do.
files=$(ls form/*.h form/*.cpp ui/*.h ui/*.cpp web/*.h web/*.cpp web/page/*.js web/page/*.html \
          web/page/*.css | grep -v -x -e form/control_table.cpp -e form/control_table.h)
status=0
for name in $names $window; do
    # shellcheck disable=SC2086
    if grep -n -w -F "$name" $files; then status=1; fi
done
if grep -n '#include "ui/' web/*.h web/*.cpp; then
    echo "web/ includes the window's ui/"
    status=1
fi
[ "$status" -eq 0 ] && echo "$count names, each only in the control table"
exit "$status"
