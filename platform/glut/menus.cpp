// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Pop-up menus: their entries, their callbacks and the buttons they hang on. The platform shows
// them and reports the pick.
#include <map>

#include <GL/glut.h>

#include "platform/glut/toolkit.h"

namespace {

struct Menu {
    void (*callback)(int) = nullptr;
    std::vector<glut::MenuEntry> entries;
};

std::map<int, Menu> menus;
int currentMenu = 0;
int nextMenu = 1;
// By button: the menu it opens, if any.
std::map<int, int> attached;

Menu* findMenu(int menu) {
    const auto found = menus.find(menu);
    return found != menus.end() ? &found->second : nullptr;
}

void addEntry(const char* label, int value, int submenu) {
    Menu* menu = findMenu(currentMenu);
    if (menu != nullptr) {
        menu->entries.push_back({label != nullptr ? label : "", value, submenu});
    }
}

}  // namespace

namespace glut {

const std::vector<MenuEntry>* menuEntries(int menu) {
    const Menu* found = findMenu(menu);
    return found != nullptr ? &found->entries : nullptr;
}

void pickMenuEntry(int menu, int value) {
    const Menu* found = findMenu(menu);
    if (found != nullptr && found->callback != nullptr) {
        found->callback(value);
    }
}

int menuAttachedTo(int button) {
    const auto found = attached.find(button);
    return found != attached.end() ? found->second : 0;
}

}  // namespace glut

int glutCreateMenu(void (*callback)(int value)) {
    const int menu = nextMenu++;
    menus[menu].callback = callback;
    currentMenu = menu;
    return menu;
}

void glutAddMenuEntry(const char* label, int value) {
    addEntry(label, value, 0);
}

void glutAddSubMenu(const char* label, int submenu) {
    if (findMenu(submenu) != nullptr) {
        addEntry(label, 0, submenu);
    }
}

void glutAttachMenu(int button) {
    if (findMenu(currentMenu) != nullptr && button >= GLUT_LEFT_BUTTON &&
        button <= GLUT_RIGHT_BUTTON) {
        attached[button] = currentMenu;
    }
}
