// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Compiles the precompiled Qt headers for libraries (cmake/Precompiled.cmake).
