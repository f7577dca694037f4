#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format makes of it
# under the repository's .clang-format, and names the lines. Fix with
#   git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian 12's clang-format, by name: another version formats differently.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
echo "format: every tracked C++ source is formatted"
