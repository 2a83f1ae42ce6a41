#!/usr/bin/env bash
# Builds the Wine prefix template that every scenario copies, unless an
# up-to-date one is cached in WORK_DIR.
source "$(dirname "$0")/lib.sh"
(($# == 1)) || { echo "usage: bash $0 WORK_DIR" >&2; exit 64; }
start=$(e2e_now)
e2e_ensure_template "$1"
e2e_log "Template ready in $(realpath -m "$1")/template ($(e2e_seconds_since "$start") s)"
