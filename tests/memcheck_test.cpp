// Both real programs under valgrind's memcheck: start-up, a few seconds of frames with some
// input, and a quit key. No memcheck error may involve our code. Errors that lie wholly in the
// GL driver, the X libraries or the dynamic loader are their own business: the worst known ones
// are suppressed by library in tests/sanitizers/valgrind.supp, and any others are listed but
// pass.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"

namespace {

struct Frame {
    std::string obj, fn, file, line;
};

struct MemcheckError {
    std::string kind, what;
    std::vector<std::vector<Frame>> stacks;  // the error's own stack, then allocation or origin
};

// Text between the first `open` and the next `close` at or after `from`; npos `from` on none.
std::string between(const std::string& text, const std::string& open, const std::string& close,
                    std::size_t& from) {
    const std::size_t start = text.find(open, from);
    if (start == std::string::npos) {
        from = std::string::npos;
        return "";
    }
    const std::size_t end = text.find(close, start + open.size());
    if (end == std::string::npos) {
        from = std::string::npos;
        return "";
    }
    from = end + close.size();
    return text.substr(start + open.size(), end - start - open.size());
}

std::string field(const std::string& text, const std::string& tag) {
    std::size_t from = 0;
    return between(text, "<" + tag + ">", "</" + tag + ">", from);
}

std::vector<MemcheckError> parseErrors(const std::string& xml) {
    std::vector<MemcheckError> errors;
    std::size_t at = 0;
    while (true) {
        const std::string body = between(xml, "<error>", "</error>", at);
        if (at == std::string::npos) {
            break;
        }
        MemcheckError error;
        error.kind = field(body, "kind");
        error.what = field(body, "text");
        if (error.what.empty()) {
            error.what = field(body, "what");
        }
        std::size_t stackAt = 0;
        while (true) {
            const std::string stack = between(body, "<stack>", "</stack>", stackAt);
            if (stackAt == std::string::npos) {
                break;
            }
            std::vector<Frame> frames;
            std::size_t frameAt = 0;
            while (true) {
                const std::string f = between(stack, "<frame>", "</frame>", frameAt);
                if (frameAt == std::string::npos) {
                    break;
                }
                frames.push_back(
                    {field(f, "obj"), field(f, "fn"), field(f, "file"), field(f, "line")});
            }
            error.stacks.push_back(frames);
        }
        errors.push_back(error);
    }
    return errors;
}

// The allocator and the C and C++ runtimes only carry out what their caller asked for.
bool isRuntime(const Frame& frame) {
    for (const char* name : {"vgpreload_memcheck", "/libc.so", "/libstdc++.so", "/libm.so"}) {
        if (frame.obj.find(name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Ours when, in any of its stacks, the first frame past the runtime is in our program: the
// fault happened in our code, or on memory that our code allocated or left uninitialised.
bool involvesOurCode(const MemcheckError& error, const std::string& program) {
    for (const std::vector<Frame>& stack : error.stacks) {
        for (const Frame& frame : stack) {
            if (!isRuntime(frame)) {
                if (frame.obj == program) {
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

std::string describe(const MemcheckError& error) {
    std::string text = error.kind + ": " + error.what + "\n";
    for (const std::vector<Frame>& stack : error.stacks) {
        for (const Frame& f : stack) {
            text += "    " + (f.fn.empty() ? std::string("?") : f.fn) + " (" + f.obj +
                    (f.file.empty() ? "" : " " + f.file + ":" + f.line) + ")\n";
        }
        text += "  --\n";
    }
    return text;
}

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

struct Checked {
    std::string name, path, title;
    void (*exercise)(const std::string& window);
    std::string xmlPath;
    std::unique_ptr<Program> program;
    std::string window;
};

void pointAt(const std::string& window) {
    xdo("mousemove --window " + window + " 200 200");
}

void leftDrag(const std::string& window, const std::string& modifier) {
    pointAt(window);
    std::string keys = modifier.empty() ? "" : " keydown " + modifier;
    std::string release = modifier.empty() ? "" : " keyup " + modifier;
    xdo(keys + " mousedown 1 mousemove_relative 60 40 mousemove_relative -- -20 70 mouseup 1" +
        release);
}

// Every render mode, fog, the fixed light and back, help, and the three drags.
void exerciseQuelmire(const std::string& window) {
    for (const char* key : {"l", "p", "n", "f", "s", "h", "s"}) {
        pointAt(window);
        xdo(std::string("key ") + key);
        sleepSeconds(0.7);
    }
    for (const char* modifier : {"", "shift", "ctrl"}) {
        leftDrag(window, modifier);
        sleepSeconds(0.7);
    }
}

void exerciseBrindlefen(const std::string& window) {
    pointAt(window);
    xdo("key h");
    leftDrag(window, "");
    sleepSeconds(1.0);
    xdo("mousedown 2 mousemove_relative 30 30 mouseup 2");
    sleepSeconds(1.0);
}

// Waits until the window shows more than one colour: the first frame has been drawn.
bool waitForFirstFrame(const std::string& window, double seconds) {
    for (double waited = 0.0; waited < seconds; waited += 0.5) {
        const Screenshot shot = grabWindow(window);
        if (shot.width > 0 && shareOfColour(shot, shot.at(0, 0), 2) < 0.98) {
            return true;
        }
        sleepSeconds(0.5);
    }
    return false;
}

TEST(Memcheck, NoErrorInEitherProgramInvolvesOurCodeOverStartUpFramesInputAndQuit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "valgrind cannot run a program built with AddressSanitizer";
#endif
    TempDir dir;
    copyTextures(dir.path);
    // A short grass file, so that the part of the image buffer that no file filled goes through
    // the upload and the drawing too.
    const std::string grass = dir.path + "/grass.raw";
    writeFile(grass, readFile(grass).substr(0, 1000));
    // softpipe interprets where llvmpipe compiles code at run time, which valgrind would have
    // to translate again; the driver is not what is under test here.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    setenv("GALLIUM_DRIVER", "softpipe", 1);
    std::vector<Checked> programs;
    programs.push_back({"quelmire", QUELMIRE_PATH, "Tesk Coursework 2006: Quelmire",
                        exerciseQuelmire, dir.path + "/quelmire.xml", nullptr, ""});
    programs.push_back({"brindlefen", BRINDLEFEN_PATH, "Tesk Coursework 2006", exerciseBrindlefen,
                        dir.path + "/brindlefen.xml", nullptr, ""});
    for (Checked& p : programs) {
        p.program = std::make_unique<Program>(
            "/usr/bin/valgrind", dir.path,
            std::vector<std::string>{
                "--tool=memcheck", "--xml=yes", "--xml-file=" + p.xmlPath,
                "--suppressions=" SOURCE_DIR "/tests/sanitizers/valgrind.supp",
                // Mesa unloads its driver at exit; keep its names for the leak stacks.
                "--keep-debuginfo=yes", "--track-origins=yes", "--leak-check=full",
                "--show-leak-kinds=definite", "--num-callers=40", p.path});
    }
    for (Checked& p : programs) {
        SCOPED_TRACE(p.name);
        p.window = p.program->waitForWindow(p.title, 180.0);
        ASSERT_FALSE(p.window.empty()) << p.program->stderrText();
    }
    // Side by side, so that neither hides the other.
    xdo("windowmove " + programs[1].window + " 860 560");
    for (Checked& p : programs) {
        SCOPED_TRACE(p.name);
        EXPECT_TRUE(waitForFirstFrame(p.window, 180.0)) << "no frame drawn";
    }
    for (Checked& p : programs) {
        p.exercise(p.window);
    }
    sleepSeconds(2.0);
    for (Checked& p : programs) {
        pointAt(p.window);
        xdo("key q");
    }
    for (Checked& p : programs) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.program->waitExit(300.0), 0) << p.program->stderrText();
        const std::string xml = readFile(p.xmlPath);
        ASSERT_NE(xml.find("<state>FINISHED</state>"), std::string::npos)
            << "valgrind did not finish its report";
        const std::string program = realPath(p.path);
        std::string ours, others;
        for (const MemcheckError& error : parseErrors(xml)) {
            (involvesOurCode(error, program) ? ours : others) += describe(error);
        }
        EXPECT_EQ(ours, "") << "memcheck errors in our code";
        if (!others.empty()) {
            std::printf("[ %s ] errors only in libraries (not ours):\n%s", p.name.c_str(),
                        others.c_str());
        }
    }
}

}  // namespace
