#!/usr/bin/env bash
# Fails when the game's code has mutable globals: "extern" declarations of
# non-const data or non-const variables at namespace scope. Every folder under
# src/ is checked but the platform and app layers, which hold the process's
# own handles.
set -u
root="${1:-.}"
cd "$root/src" || exit 1
dirs=$(find . -mindepth 1 -maxdepth 1 -type d ! -name platform ! -name app | sort)
files=$(find $dirs \( -name '*.cpp' -o -name '*.h' \) | sort)
bad=0
for f in $files; do
  # extern data that is not const
  if grep -nP '^\s*extern\s+(?!const\b|"C")' "$f"; then echo "  in $f"; bad=1; fi
  # namespace-scope 'static' or plain variables: lines at column 0 that look like
  # a variable definition (type name = ... ; or type name;), not const/constexpr.
  if grep -nP '^(static\s+)?(?!const|constexpr|using|typedef|return|namespace|struct|class|enum|template|extern|#|//|\})[A-Za-z_][\w:<>, ]*[\s\*&]+[A-Za-z_]\w*(\[[^\]]*\])?\s*(=[^=(]|;|\{)' "$f" \
      | grep -vP '\(|^\d+:\s*(inline|static)?\s*(const|constexpr)' ; then
    echo "  in $f"; bad=1
  fi
done
[ $bad -eq 0 ] && echo "no mutable globals"
exit $bad
