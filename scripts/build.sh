#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Installs everything the tests need and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset dev
# One job more than cores: a compile or link waits on the disk now and then.
cmake --build build -j"$(($(nproc) + 1))"
