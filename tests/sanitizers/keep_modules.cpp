// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Linked into every executable of the sanitizer build, and only there. Mesa unloads its driver
// (and glvnd its vendor library) while the process exits, before LeakSanitizer looks: the
// driver's own allocations then show as "<unknown module>" and no suppression can name them.
// Keeping every module loaded lets lsan.supp scope its entries to the driver and X libraries
// by file name; our own code lives in the executable, which is never unloaded either way.
extern "C" __attribute__((visibility("default"))) int dlclose(void*) {
    return 0;
}
