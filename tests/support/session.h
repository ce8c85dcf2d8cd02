// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A real program started for an end-to-end test, with the input a user gives and the barrier
// that says when that input is on the screen.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/program.h"

class Session {
  public:
    struct Options {
        bool textures = true;  // the built textures in the program's folder
        // Runs on the folder before the program starts, to change what is there.
        std::function<void(const std::string& folder)> prepare;
        // Words before the program on its command line, such as a valgrind run.
        std::vector<std::string> wrapper;
        double seconds = 60.0;  // the deadline of every wait
        // Leaves waiting for the window to open(), so that several programs start at once.
        bool deferOpen = false;
    };

    // Starts `path` in a fresh folder and waits for its window titled `title` and its first
    // frame. `help` is what the help key prints.
    Session(const std::string& path, const std::string& title, const std::string& help,
            const Options& options);
    Session(const std::string& path, const std::string& title, const std::string& help)
        : Session(path, title, help, Options{}) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Waits for the window and the first frame; false if either did not come.
    bool open();
    // False if the window or the first frame did not come.
    bool ready() const { return !window_.empty(); }
    Program& program() { return *program_; }
    const std::string& window() const { return window_; }
    const std::string& folder() const { return folder_.path; }

    void pointAt(int x, int y);
    // Keys by their xdotool names, separated by spaces; they reach the window under the pointer.
    void keys(const std::string& names);
    // A drag from the window point (x, y) by (dx, dy) with `button` and the modifier keys held,
    // followed by `wiggles` pairs of one-pixel moves, which zoom and pan count again.
    void drag(int x, int y, int dx, int dy, const std::vector<std::string>& modifiers = {},
              int wiggles = 0, int button = 1);

    // The barrier: the help key, then a wait until the help has come out and `frames` more
    // frames are drawn. Input is handled in order, so all that was sent before is on the screen
    // after the second frame (the first may have been drawn before its pixels reached the
    // screen, but its state is already the new one).
    bool settle(int frames = 2);
    // The barrier in two halves, for several programs at once.
    std::size_t sendBarrier();
    bool awaitBarrier(std::size_t printedBefore, int frames = 2);
    Screenshot shot() { return grabWindow(window_); }
    Screenshot settledShot();

    // The pop-up menu: opens it with the right button at a window point; `entries` lists how many
    // entries each level has. Returns false if a menu window did not open.
    bool choose(int entries, int entry, int x = 300, int y = 300);
    bool chooseFromSubmenu(int entries, int entry, int subEntries, int subEntry, int x = 300,
                           int y = 300);
    // The menu windows on screen now.
    static std::vector<std::string> visibleMenus();
    WindowGeometry openMenu(int x, int y);
    WindowGeometry openSubmenu(const WindowGeometry& menu, int entries, int entry);
    static void clickEntry(const WindowGeometry& menu, int entries, int entry);

  private:
    WindowGeometry waitForNewMenu(const std::vector<std::string>& known);

    TempDir folder_;
    std::string title_;
    std::string help_;
    double seconds_;
    std::unique_ptr<Program> program_;
    std::string window_;
};
