// Drives the real programs on the test's private X display, as a user would: start, find the
// window, send input with xdotool, read the screen, wait for the exit status.
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/gl_window.h"

// Output of a shell command (its standard output), and its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& command);

class Program {
  public:
    // Starts `path` with working directory `dir`; standard output and error go to files.
    Program(const std::string& path, const std::string& dir,
            const std::vector<std::string>& args = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits for the program's window with this exact title; returns its X id, or "" on timeout.
    std::string waitForWindow(const std::string& title, double seconds = 20.0);
    // Exit status (0..255), 128 + signal if killed by one, or -1 if still running at timeout.
    int waitExit(double seconds = 10.0);
    bool running();
    std::string stdoutText() const;
    std::string stderrText() const;
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int status_ = -1;
    std::string outPath_;
    std::string errPath_;
    std::string tempDir_;
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

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// A fresh temporary directory, removed by the returned guard's destructor.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;
};
// Copies the built RAW textures into `dir`.
void copyTextures(const std::string& dir);
void sleepSeconds(double seconds);
