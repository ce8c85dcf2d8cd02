// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the programs must show and print, and the files they read, written out once from their
// design: the tests compare the programs with these words, never with the programs' own
// constants, so that a misspelt label, a lost help line or a renamed texture turns a test red.
#pragma once

#include <string>
#include <vector>

namespace expected {

inline const std::string kQuelmireTitle = "Tesk Coursework 2006: Quelmire";
inline const std::string kBrindlefenTitle = "Tesk Coursework 2006";

inline const std::string kQuelmireHelp =
    "Welcome to the Tesk 2006 Course work\n"
    "\tPress h or H for help\n"
    "\tPress x, X, q, or Q to exit\n"
    "\tPress z or Z to reset Zoom\n"
    "\tPress m or M to reset Move\n"
    "\tPress r or R to reset Rotation\n"
    "\tPress n or N to view Normal filled polygons\n"
    "\tPress l or L to view the Lines that make the polygons\n"
    "\tPress p or P to view the Points that make the polygons\n"
    "\tPress s or S to toggle between fixed light and Sun light\n"
    "\tPress f or F to toggle the Fog on or off\n";

inline const std::string kBrindlefenHelp =
    "Welcome to the Tesk 2006 Course work\n"
    "\tPress x,X,q, or Q to exit\n";

// The RAW textures that the programs read from their folder, as the build paints and installs
// them: Quelmire reads all four, Brindlefen the grass.
inline const std::vector<std::string> kTextureFiles = {"wood.raw", "sign1.raw", "sign2.raw",
                                                       "grass.raw"};

// The AppStream component IDs of Quelmire and Brindlefen, in that order: software centres keep
// reviews and installed state by them, so a changed ID is a break, not a detail.
inline const std::vector<std::string> kAppStreamIds = {"org.example.quelmire.quelmire",
                                                       "org.example.quelmire.brindlefen"};

// The menu calls each program makes at start-up, as the probe writes them down: a new menu
// (GLUT numbers them from 1), its entries with their values, submenus by number, and the
// button the last menu is attached to (2, the right button).
inline const std::vector<std::string> kQuelmireMenus = {
    "menu 1",
    "entry 1 Reset Zoom",
    "entry 2 Reset Rotation",
    "entry 3 Reset Move",
    "menu 2",
    "entry 1 Filled",
    "entry 2 Lines",
    "entry 3 Points",
    "menu 3",
    "entry 1 Toggle Light (Sun/Fixed)",
    "entry 2 Toggle Fog",
    "submenu 1 Reset",
    "submenu 2 Change Render Mode",
    "entry 3 Help",
    "entry 4 Quit",
    "attach 2",
};

inline const std::vector<std::string> kBrindlefenMenus = {
    "menu 1",       "entry 1 Toggle Land", "entry 2 Toggle Duck",
    "entry 3 Help", "entry 4 Quit",        "attach 2",
};

}  // namespace expected
