#!/usr/bin/env bash
# Builds the example SQLite database school.db from school.sql, in the folder given (default:
# this script's folder), where the example reports look for it beside themselves.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
target="${1:-$here}"
rm -f "$target/school.db"
sqlite3 "$target/school.db" < "$here/school.sql"
echo "$target/school.db"
