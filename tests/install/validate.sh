#!/usr/bin/env bash
# validate.sh TOOL ARGS...: runs a validator; exit code 77 (skipped) when the
# tool is not installed.
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed"; exit 77; }
exec "$@"
