#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C and C++ source file is laid out as the project's .clang-format says: lists the
# ones that are not (fix them with clang-format -i).
#   source_format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
command -v clang-format >/dev/null || { echo "clang-format missing"; exit 77; }
unformatted=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(find src tests tools \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | sort -z)
[ ${#unformatted[@]} -eq 0 ] || { echo "FAIL: not laid out by clang-format:"; printf '%s\n' "${unformatted[@]}"; exit 1; }
echo "PASS: every source file is laid out by clang-format"
