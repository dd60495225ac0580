#!/usr/bin/env bash
# Installs what is missing, builds and starts Vantrel.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/vantrel "$@"
