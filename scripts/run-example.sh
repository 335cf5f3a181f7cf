#!/usr/bin/env bash
# Installs what is missing, builds Kestrin, and imports the sample STEP file shipped in examples/
# into a drawing saved as DXF: build/example.dxf.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKESTRIN_TESTS=OFF
cmake --build build -j "$(nproc)"
build/bin/kestrin import examples/bracket.step -o build/example.dxf
echo "Drawing saved to $(pwd)/build/example.dxf"
