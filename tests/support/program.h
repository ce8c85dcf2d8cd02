// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Drives the real programs on the test's private X display, as a user would: start, find the
// window, send input with xdotool, read the screen, wait for the exit status. Every wait is for
// something that can be observed, with a generous deadline.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/gl_window.h"
#include "tests/support/probe.h"

// Output of a shell command (its standard output), and its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& command);

// Calls `done` every few milliseconds until it holds or `seconds` have passed; its last answer.
bool waitUntil(const std::function<bool()>& done, double seconds);

class Program {
  public:
    // Runs `command` (the program first, then its arguments; a wrapper such as valgrind may come
    // first) with working directory `dir`. Standard output and error go to files. The probe is
    // preloaded where the build has one.
    Program(const std::vector<std::string>& command, const std::string& dir);
    Program(const std::string& path, const std::string& dir)
        : Program(std::vector<std::string>{path}, dir) {}
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits for the program's window with this exact title and then for its first frame;
    // returns the window's X id, or "" if either did not come in time. freeglut names no
    // process on its window, so the title finds it on the test's own display.
    std::string waitForWindow(const std::string& title, double seconds = 60.0);
    // The same without waiting for a whole frame (with the probe, for the first swap only).
    std::string findWindow(const std::string& title, double seconds = 60.0);
    // Waits for the first whole frame on the screen; false if none came.
    bool waitForFirstFrame(const std::string& window, double seconds = 60.0);
    // Exit status (0..255), 128 + signal if killed by one, or -1 if still running at timeout.
    int waitExit(double seconds = 60.0);
    bool running();
    std::string stdoutText() const;
    std::string stderrText() const;
    bool waitForStdoutBytes(std::size_t bytes, double seconds = 60.0);
    pid_t pid() const { return pid_; }

    // What the probe counted; null without a probe (a sanitizer build).
    const ProbeCounts* counts() const { return counts_; }
    std::uint64_t frames() const { return counts_ ? counts_->swaps.load() : 0; }
    // Waits until `more` frames beyond those counted now have been drawn.
    bool waitForMoreFrames(std::uint64_t more, double seconds = 60.0);
    // The menu calls the probe wrote down, one per line.
    std::vector<std::string> menuCalls() const;

  private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string tempDir_;
    ProbeCounts* counts_ = nullptr;
};

// xdotool with the given arguments; true on success.
bool xdo(const std::string& args);

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
    std::string title;
};
WindowGeometry windowGeometry(const std::string& windowId);

// A screenshot of a window (or "root"), read through xwd: pixels are top-down RGB.
struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    Rgb at(int x, int y) const;  // x from the left, y from the top
};
Screenshot grabWindow(const std::string& windowId);

// Fraction of pixels within `tolerance` of `colour`, over a rectangle (top-down coordinates).
double shareOfColour(const Screenshot& shot, const Rgb& colour, int tolerance, int x0 = 0,
                     int y0 = 0, int x1 = -1, int y1 = -1);

// Share of pixels where some channel differs by more than `tolerance`; 1 for shots that do not
// compare (different sizes, or no picture).
double differingShare(const Screenshot& a, const Screenshot& b, int tolerance = 24);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Lines of a text, without their line ends; empty lines are kept.
std::vector<std::string> linesOf(const std::string& text);

// A fresh temporary directory, removed by the guard's destructor.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;
};
// Copies the built RAW textures into `dir`.
void copyTextures(const std::string& dir);
