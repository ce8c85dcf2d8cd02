// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/program.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/paths.h"

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool waitUntil(const std::function<bool()>& done, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TempDir::TempDir() {
    char pattern[] = "/tmp/quelmire-test-XXXXXX";
    path = mkdtemp(pattern);
}

TempDir::~TempDir() {
    runCommand("rm -rf '" + path + "'");
}

void copyTextures(const std::string& dir) {
    runCommand("cp '" + dataDir() + "'/*.raw '" + dir + "' 2>/dev/null");
}

Program::Program(const std::vector<std::string>& command, const std::string& dir) {
    char pattern[] = "/tmp/quelmire-run-XXXXXX";
    tempDir_ = mkdtemp(pattern);
    const std::string probe = probePath();
    if (!probe.empty()) {
        const std::string countsPath = tempDir_ + "/" + kProbeCountsFile;
        const int fd = open(countsPath.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0 && ftruncate(fd, sizeof(ProbeCounts)) == 0) {
            void* map =
                mmap(nullptr, sizeof(ProbeCounts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            counts_ = map == MAP_FAILED ? nullptr : static_cast<ProbeCounts*>(map);
        }
        if (fd >= 0) {
            close(fd);
        }
    }
    const std::string outPath = tempDir_ + "/stdout";
    const std::string errPath = tempDir_ + "/stderr";
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (chdir(dir.c_str()) != 0) {
            _exit(126);
        }
        if (!probe.empty()) {
            setenv("LD_PRELOAD", probe.c_str(), 1);
            setenv(kProbeDirVariable, tempDir_.c_str(), 1);
        }
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
}

Program::~Program() {
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (counts_ != nullptr) {
        munmap(counts_, sizeof(ProbeCounts));
    }
    runCommand("rm -rf '" + tempDir_ + "'");
}

bool Program::running() {
    if (status_ != -1 || pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int Program::waitExit(double seconds) {
    waitUntil([&] { return !running(); }, seconds);
    return running() ? -1 : status_;
}

namespace {

bool allOneColour(const Screenshot& shot) {
    for (std::size_t i = 3; i < shot.rgb.size(); ++i) {
        if (shot.rgb[i] != shot.rgb[i % 3]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Program::findWindow(const std::string& title, double seconds) {
    std::string id;
    // A search starts two processes, which a program starting under valgrind would share its
    // core with for many seconds; the probe's first swap, read from memory, says the window is
    // there.
    if (counts_ != nullptr &&
        !(waitUntil([&] { return frames() >= 1 || !running(); }, seconds) && frames() >= 1)) {
        return id;
    }
    waitUntil(
        [&] {
            if (!running()) {
                return true;
            }
            const CommandResult found =
                runCommand("xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null");
            id = found.output.substr(0, found.output.find('\n'));
            return !id.empty();
        },
        seconds);
    return id;
}

bool Program::waitForFirstFrame(const std::string& window, double seconds) {
    // The window is mapped before the program has loaded its textures and drawn. With the probe
    // two swaps say that a whole frame has reached the screen; without it, both programs show
    // land in their first frame, so a window of one plain colour has not been drawn yet.
    if (counts_ != nullptr) {
        return waitUntil([&] { return frames() >= 2 || !running(); }, seconds) && frames() >= 2;
    }
    return waitUntil(
        [&] {
            const Screenshot shot = grabWindow(window);
            return shot.width > 0 && !allOneColour(shot);
        },
        seconds);
}

std::string Program::waitForWindow(const std::string& title, double seconds) {
    const std::string id = findWindow(title, seconds);
    return !id.empty() && waitForFirstFrame(id, seconds) ? id : "";
}

std::string Program::stdoutText() const {
    return readFile(tempDir_ + "/stdout");
}

std::string Program::stderrText() const {
    return readFile(tempDir_ + "/stderr");
}

bool Program::waitForStdoutBytes(std::size_t bytes, double seconds) {
    return waitUntil([&] { return stdoutText().size() >= bytes; }, seconds);
}

bool Program::waitForMoreFrames(std::uint64_t more, double seconds) {
    const std::uint64_t target = frames() + more;
    return waitUntil([&] { return frames() >= target || !running(); }, seconds) &&
           frames() >= target;
}

std::vector<std::string> Program::menuCalls() const {
    return linesOf(readFile(tempDir_ + "/" + kProbeMenusFile));
}

bool xdo(const std::string& args) {
    return runCommand("xdotool " + args).status == 0;
}

WindowGeometry windowGeometry(const std::string& windowId) {
    WindowGeometry g;
    const std::string info = runCommand("xwininfo -id " + windowId).output;
    auto number = [&](const std::string& key) {
        const std::size_t at = info.find(key);
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + key.size());
    };
    g.x = number("Absolute upper-left X:");
    g.y = number("Absolute upper-left Y:");
    g.width = number("Width:");
    g.height = number("Height:");
    const std::size_t open = info.find('"');
    const std::size_t close = info.rfind('"');
    if (open != std::string::npos && close > open) {
        g.title = info.substr(open + 1, close - open - 1);
    }
    return g;
}

namespace {

std::uint32_t bigEndian32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

int lowestBit(std::uint32_t mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1u) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

}  // namespace

Screenshot grabWindow(const std::string& windowId) {
    Screenshot shot;
    const std::string target = windowId == "root" ? "-root" : "-id " + windowId;
    const CommandResult dump = runCommand("xwd -silent " + target + " 2>/dev/null");
    const std::string& d = dump.output;
    if (dump.status != 0 || d.size() < 100) {
        return shot;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(d.data());
    auto field = [&](int index) { return bigEndian32(bytes + 4 * index); };
    const std::uint32_t headerSize = field(0);
    const std::uint32_t width = field(4), height = field(5);
    const std::uint32_t byteOrder = field(7);  // 0 LSBFirst, 1 MSBFirst
    const std::uint32_t bitsPerPixel = field(11), bytesPerLine = field(12);
    const std::uint32_t redMask = field(14), greenMask = field(15), blueMask = field(16);
    const std::uint32_t colours = field(19);
    const std::size_t start = headerSize + 12u * colours;
    if (bitsPerPixel != 32 || d.size() < start + std::size_t(bytesPerLine) * height) {
        return shot;
    }
    shot.width = static_cast<int>(width);
    shot.height = static_cast<int>(height);
    shot.rgb.resize(std::size_t(width) * height * 3);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = bytes + start + std::size_t(y) * bytesPerLine + 4u * x;
            const std::uint32_t v = byteOrder == 0 ? (std::uint32_t(p[3]) << 24) |
                                                         (std::uint32_t(p[2]) << 16) |
                                                         (std::uint32_t(p[1]) << 8) | p[0]
                                                   : bigEndian32(p);
            unsigned char* out = &shot.rgb[(std::size_t(y) * width + x) * 3];
            out[0] = static_cast<unsigned char>((v & redMask) >> lowestBit(redMask));
            out[1] = static_cast<unsigned char>((v & greenMask) >> lowestBit(greenMask));
            out[2] = static_cast<unsigned char>((v & blueMask) >> lowestBit(blueMask));
        }
    }
    return shot;
}

Rgb Screenshot::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return {-1, -1, -1};  // off the picture, or no picture: matches no colour
    }
    const unsigned char* p = &rgb[(std::size_t(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
}

double shareOfColour(const Screenshot& shot, const Rgb& colour, int tolerance, int x0, int y0,
                     int x1, int y1) {
    if (x1 < 0) {
        x1 = shot.width;
    }
    if (y1 < 0) {
        y1 = shot.height;
    }
    long hits = 0, total = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            ++total;
            hits += near(shot.at(x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return total == 0 ? 0.0 : double(hits) / double(total);
}

double differingShare(const Screenshot& a, const Screenshot& b, int tolerance) {
    if (a.width != b.width || a.height != b.height || a.width == 0) {
        return 1.0;
    }
    long differing = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            differing += near(a.at(x, y), b.at(x, y), tolerance) ? 0 : 1;
        }
    }
    return double(differing) / (double(a.width) * a.height);
}
