#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed tolvex.
#   check-install.sh CMAKE BUILD_DIR PREFIX
set -euo pipefail
cmake=$1 build=$2 prefix=$3
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/bin/tolvex"
test -f "$prefix/share/man/man1/tolvex.1"
"$prefix/bin/tolvex" --version | grep -qx 'tolvex version 3.3.0 (rev 3379)'
printf -- '--define W 4\nadd r0, W\n' > "$prefix/in.asm"
test "$("$prefix/bin/tolvex" "$prefix/in.asm")" = "add r0, 4"
echo "installed tolvex runs"
