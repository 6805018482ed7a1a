// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Compiles the precompiled Qt headers for programs (cmake/Precompiled.cmake):
// a program is compiled position-independent as an executable (-fPIE), which a
// header precompiled for a library (-fPIC) does not serve.
int main() { return 0; }
