#include "tests/support/program.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
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

TempDir::TempDir() {
    char pattern[] = "/tmp/quelmire-test-XXXXXX";
    path = mkdtemp(pattern);
}

TempDir::~TempDir() {
    runCommand("rm -rf '" + path + "'");
}

void copyTextures(const std::string& dir) {
    runCommand(std::string("cp ") + DATA_DIR + "/*.raw '" + dir + "' 2>/dev/null");
}

Program::Program(const std::string& path, const std::string& dir,
                 const std::vector<std::string>& args) {
    char pattern[] = "/tmp/quelmire-run-XXXXXX";
    tempDir_ = mkdtemp(pattern);
    outPath_ = tempDir_ + "/stdout";
    errPath_ = tempDir_ + "/stderr";
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (chdir(dir.c_str()) != 0) {
            _exit(126);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
}

Program::~Program() {
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    runCommand("rm -rf '" + tempDir_ + "'");
}

bool Program::running() {
    if (status_ != -1 || pid_ <= 0) {
        return false;
    }
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int Program::waitExit(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (running() && std::chrono::steady_clock::now() < end) {
        sleepSeconds(0.02);
    }
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

// The window is mapped before the program has loaded its textures and drawn (slowly so under
// the sanitizers or valgrind). Both programs show land in their first frame, so a window of
// one plain colour has not been drawn yet.
template <typename TimePoint>
void waitForFirstFrame(const std::string& window, TimePoint end) {
    while (std::chrono::steady_clock::now() < end) {
        const Screenshot shot = grabWindow(window);
        if (shot.width > 0 && !allOneColour(shot)) {
            sleepSeconds(0.1);
            return;
        }
        sleepSeconds(0.05);
    }
}

}  // namespace

std::string Program::waitForWindow(const std::string& title, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end && running()) {
        const CommandResult found =
            runCommand("xdotool search --onlyvisible --pid " + std::to_string(pid_) + " --name '^" +
                       title + "$' 2>/dev/null");
        if (found.status == 0 && !found.output.empty()) {
            const std::string id = found.output.substr(0, found.output.find('\n'));
            waitForFirstFrame(id, end);
            return id;
        }
        sleepSeconds(0.05);
    }
    return "";
}

std::string Program::stdoutText() const {
    return readFile(outPath_);
}

std::string Program::stderrText() const {
    return readFile(errPath_);
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
    const CommandResult dump = runCommand("xwd -silent " + target);
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
    if (x1 < 0)
        x1 = shot.width;
    if (y1 < 0)
        y1 = shot.height;
    long hits = 0, total = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            ++total;
            hits += near(shot.at(x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return total == 0 ? 0.0 : double(hits) / double(total);
}
