#!/usr/bin/env bash
# The folders of src/ are layers: every include of a source file points to its own
# folder or to one below it, never up and never sideways between the two
# destinations. Prints each include that breaks this and fails.
set -euo pipefail
src="$(cd "$(dirname "$0")/../src" && pwd)"

# Bottom up; the destinations share a rank but must not include each other.
rank() {
    case $1 in
        platform) echo 0 ;; text) echo 1 ;; services) echo 2 ;; catalogue) echo 3 ;;
        registry_labels | label_file) echo 4 ;; installer) echo 5 ;; *) echo unknown ;;
    esac
}

bad=0
while IFS= read -r file; do
    relative=${file#"$src"/}
    folder=${relative%%/*}
    [[ $relative == installer/main.cpp ]] && continue  # the entry joins the real platform to the flow
    while IFS= read -r target; do
        other=${target%%/*}
        [[ $other == "$folder" ]] && continue
        from=$(rank "$folder") to=$(rank "$other")
        if [[ $from == unknown || $to == unknown ]] || ((to >= from)); then
            echo "$relative includes $target: $other is not below $folder" >&2
            bad=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)
((bad == 0)) && echo "every include in src/ points down the layers"
exit "$bad"
