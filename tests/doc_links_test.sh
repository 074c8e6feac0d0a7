#!/usr/bin/env bash
# Every relative link of the README and the documents (Markdown links and
# images, a #fragment left aside) names a file or folder of the project.
# Argument: the project folder.
set -euo pipefail
root=$1
failures=0
checked=0
for document in "$root"/*.md "$root"/docs/*.md; do
  [ -e "$document" ] || continue
  folder=$(dirname "$document")
  # The targets of ](target) and ](target "title"), outside code spans.
  while IFS= read -r target; do
    case $target in
      http://* | https://* | mailto:* | '#'*) continue ;;
    esac
    path=${target%%#*}
    checked=$((checked + 1))
    if [ ! -e "$folder/$path" ]; then
      echo "FAILED: ${document#"$root"/} links to $target, which does not exist"
      failures=$((failures + 1))
    fi
  done < <(sed -e 's/`[^`]*`//g' "$document" | grep -oE '\]\([^) ]+' | cut -c3-)
done
echo "$checked relative links checked"
[ "$checked" -gt 0 ] && [ $failures -eq 0 ]
