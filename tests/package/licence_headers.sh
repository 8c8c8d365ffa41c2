#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines: lists the ones that do not.
#   licence_headers.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=$(find src tests tools scripts cmake \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \
              -o -name '*.cmake' -o -name CMakeLists.txt \) -not -path 'src/core/wheels/tables/*' -print0 \
          | xargs -0 -r grep -L -m1 'SPDX-License-Identifier: GPL-3.0-or-later' || true)
[ -z "$missing" ] || { echo "FAIL: no SPDX-License-Identifier line in:"; echo "$missing"; exit 1; }
echo "PASS: every source file names its licence"
