// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/session.h"

#include <algorithm>

Session::Session(const std::string& path, const std::string& title, const std::string& help,
                 const Options& options)
    : title_(title), help_(help), seconds_(options.seconds) {
    if (options.textures) {
        copyTextures(folder_.path);
    }
    if (options.prepare) {
        options.prepare(folder_.path);
    }
    std::vector<std::string> command = options.wrapper;
    command.push_back(path);
    program_ = std::make_unique<Program>(command, folder_.path);
    if (!options.deferOpen) {
        open();
    }
}

bool Session::open() {
    const std::string window = program_->findWindow(title_, seconds_);
    if (!window.empty() && program_->waitForFirstFrame(window, seconds_)) {
        window_ = window;
    }
    return ready();
}

void Session::pointAt(int x, int y) {
    xdo("mousemove --window " + window_ + " " + std::to_string(x) + " " + std::to_string(y));
}

void Session::keys(const std::string& names) {
    xdo("key " + names);
}

void Session::drag(int x, int y, int dx, int dy, const std::vector<std::string>& modifiers,
                   int wiggles, int button) {
    const std::string b = std::to_string(button);
    std::string command =
        "mousemove --window " + window_ + " " + std::to_string(x) + " " + std::to_string(y);
    for (const std::string& m : modifiers) {
        command += " keydown " + m;
    }
    command += " mousedown " + b + " mousemove --window " + window_ + " " + std::to_string(x + dx) +
               " " + std::to_string(y + dy);
    for (int i = 0; i < wiggles; ++i) {
        command += " mousemove_relative 1 0 mousemove_relative -- -1 0";
    }
    command += " mouseup " + b;
    for (const std::string& m : modifiers) {
        command += " keyup " + m;
    }
    xdo(command);
}

std::size_t Session::sendBarrier() {
    const std::size_t printed = program_->stdoutText().size();
    // Clear of any menu, which opens to the right of and below the pointer.
    pointAt(5, 5);
    keys("h");
    return printed;
}

bool Session::awaitBarrier(std::size_t printedBefore, int frames) {
    return program_->waitForStdoutBytes(printedBefore + help_.size(), seconds_) &&
           program_->waitForMoreFrames(frames, seconds_);
}

bool Session::settle(int frames) {
    return awaitBarrier(sendBarrier(), frames);
}

Screenshot Session::settledShot() {
    settle();
    return shot();
}

std::vector<std::string> Session::visibleMenus() {
    const std::string found =
        runCommand("xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null").output;
    std::vector<std::string> ids;
    for (const std::string& line : linesOf(found)) {
        if (!line.empty()) {
            ids.push_back(line);
        }
    }
    return ids;
}

WindowGeometry Session::waitForNewMenu(const std::vector<std::string>& known) {
    WindowGeometry menu;
    waitUntil(
        [&] {
            for (const std::string& id : visibleMenus()) {
                if (std::find(known.begin(), known.end(), id) == known.end()) {
                    menu = windowGeometry(id);
                    return true;
                }
            }
            return false;
        },
        seconds_);
    return menu;
}

WindowGeometry Session::openMenu(int x, int y) {
    const auto known = visibleMenus();
    pointAt(x, y);
    xdo("click 3");
    return waitForNewMenu(known);
}

namespace {

// The middle of entry `entry` (from 1) of a menu with `entries` entries, in screen pixels.
std::string entryPoint(const WindowGeometry& menu, int entries, int entry) {
    const int x = menu.x + menu.width / 2;
    const int y = menu.y + menu.height * (2 * entry - 1) / (2 * entries);
    return std::to_string(x) + " " + std::to_string(y);
}

}  // namespace

WindowGeometry Session::openSubmenu(const WindowGeometry& menu, int entries, int entry) {
    const auto known = visibleMenus();
    xdo("mousemove " + entryPoint(menu, entries, entry));
    return waitForNewMenu(known);
}

void Session::clickEntry(const WindowGeometry& menu, int entries, int entry) {
    xdo("mousemove " + entryPoint(menu, entries, entry) + " click 1");
}

bool Session::choose(int entries, int entry, int x, int y) {
    const WindowGeometry menu = openMenu(x, y);
    if (menu.height <= 0) {
        return false;
    }
    clickEntry(menu, entries, entry);
    return true;
}

bool Session::chooseFromSubmenu(int entries, int entry, int subEntries, int subEntry, int x,
                                int y) {
    const WindowGeometry menu = openMenu(x, y);
    if (menu.height <= 0) {
        return false;
    }
    const WindowGeometry submenu = openSubmenu(menu, entries, entry);
    if (submenu.height <= 0) {
        return false;
    }
    clickEntry(submenu, subEntries, subEntry);
    return true;
}
