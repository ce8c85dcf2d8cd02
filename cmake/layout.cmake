# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT

# Where an installation puts what, relative to its prefix. Shared by the install rules and by the
# manual pages, which name the texture folder.
include(GNUInstallDirs)
set(QUELMIRE_INSTALL_PROGRAMS ${CMAKE_INSTALL_LIBEXECDIR}/quelmire)
set(QUELMIRE_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quelmire)
# The Debian package installs under /usr.
set(QUELMIRE_PACKAGE_PREFIX /usr)
