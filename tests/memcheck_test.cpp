// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Both real programs under valgrind's memcheck: start-up, a frame in every drawing state, the
// drags and the menu, and a quit key. No memcheck error may involve our code. Errors that lie
// wholly in the GL driver, the X libraries or the dynamic loader are their own business: the worst
// known ones are suppressed by library in tests/sanitizers/valgrind.supp, and any others are listed
// but pass.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/probe.h"
#include "tests/support/session.h"

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
// Uninitialised values travel, though: the driver is often the first to branch on bytes that our
// code handed it (a texture that a short file left unfilled), so such an error is ours too when
// our program calls anywhere in its stack.
bool involvesOurCode(const MemcheckError& error, const std::string& program) {
    if (error.kind.rfind("Uninit", 0) == 0 || error.kind == "SyscallParam") {
        for (const std::vector<Frame>& stack : error.stacks) {
            for (const Frame& frame : stack) {
                if (frame.obj == program) {
                    return true;
                }
            }
        }
    }
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

// valgrind runs everything some fifty times slower; softpipe draws a frame of Quelmire in a few
// seconds there, llvmpipe would first compile its shaders for minutes. The whole run takes about
// a minute on an idle machine; the deadline of each wait allows for a machine many times busier.
constexpr double kValgrindSeconds = 1200.0;
// The windows open small, through the probe: the driver's cost per frame drops from about eleven
// seconds at full size to two, and our code runs the same.
constexpr int kWindowSide = 100;

// The probe opens the window of the next program started at (x, y), kWindowSide square.
void placeNextWindow(int x, int y) {
    const std::string place =
        std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(kWindowSide);
    setenv(kProbeWindowVariable, place.c_str(), 1);
}

Session::Options underMemcheck(const std::string& xmlPath) {
    Session::Options options;
    // A short grass file, so that the part of the image buffer that no file filled goes through
    // the upload and the drawing too.
    options.prepare = [](const std::string& folder) {
        const std::string grass = folder + "/grass.raw";
        writeFile(grass, readFile(grass).substr(0, 1000));
    };
    options.wrapper = {"valgrind", "--tool=memcheck", "--xml=yes", "--xml-file=" + xmlPath,
                       "--suppressions=" + sourceDir() + "/tests/sanitizers/valgrind.supp",
                       // Mesa unloads its driver at exit; keep its names for the leak stacks.
                       "--keep-debuginfo=yes",
                       // Where uninitialised memory came from: it may be ours though read in
                       // the driver.
                       "--track-origins=yes", "--leak-check=full", "--show-leak-kinds=definite",
                       "--num-callers=40"};
    options.seconds = kValgrindSeconds;
    options.deferOpen = true;
    return options;
}

// The memcheck errors in the report that involve our program; the others are listed on stdout.
std::string errorsInOurCode(const std::string& name, const std::string& xml,
                            const std::string& programPath) {
    EXPECT_NE(xml.find("<state>FINISHED</state>"), std::string::npos)
        << name << ": valgrind did not finish its report";
    const std::string program = realPath(programPath);
    std::string ours, others;
    for (const MemcheckError& error : parseErrors(xml)) {
        (involvesOurCode(error, program) ? ours : others) += describe(error);
    }
    if (!others.empty()) {
        std::printf("[ %s ] errors only in libraries (not ours):\n%s", name.c_str(),
                    others.c_str());
    }
    return ours;
}

// Both programs' input for one step, then the barrier in both: the help key and a frame drawn
// after it, so that every state below is drawn at least once under memcheck.
void inBoth(Session& a, const std::function<void()>& inputA, Session& b,
            const std::function<void()>& inputB) {
    inputA();
    inputB();
    const std::size_t printedA = a.sendBarrier();
    const std::size_t printedB = b.sendBarrier();
    EXPECT_TRUE(a.awaitBarrier(printedA, 1));
    EXPECT_TRUE(b.awaitBarrier(printedB, 1));
}

TEST(Memcheck, NoErrorInEitherProgramInvolvesOurCodeOverStartUpEveryDrawingStateInputAndQuit) {
    // softpipe interprets where llvmpipe compiles code at run time, which valgrind would have to
    // translate again; the driver is not what is under test here.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    setenv("GALLIUM_DRIVER", "softpipe", 1);
    TempDir reports;
    const std::string quelmireXml = reports.path + "/quelmire.xml";
    const std::string brindlefenXml = reports.path + "/brindlefen.xml";
    // Both at once, one on each core, small and apart (freeglut draws nothing in a window that
    // another hides whole).
    placeNextWindow(150, 0);
    Session q(quelmirePath(), expected::kQuelmireTitle, expected::kQuelmireHelp,
              underMemcheck(quelmireXml));
    placeNextWindow(900, 600);
    Session b(brindlefenPath(), expected::kBrindlefenTitle, expected::kBrindlefenHelp,
              underMemcheck(brindlefenXml));
    unsetenv(kProbeWindowVariable);
    ASSERT_TRUE(q.open()) << q.program().stderrText();
    ASSERT_TRUE(b.open()) << b.program().stderrText();

    // Quelmire: lines, fog on the water and the fixed light; then points with fog everywhere and
    // the three drags; then filled, no fog and the sun again. Brindlefen: the land turned, the
    // duck shown, then the land hidden.
    const auto keys = [&](const char* names) {
        return [&q, names] {
            q.pointAt(5, 5);
            q.keys(names);
        };
    };
    const auto drags = [&] {
        keys("p")();
        q.drag(50, 50, 20, 10);
        q.drag(50, 50, 0, 60, {"shift"});
        q.drag(50, 50, 60, -60, {"ctrl"});
    };
    const auto turn = [&] {
        b.drag(50, 50, 30, 20);
        b.drag(50, 50, 20, 20, {}, 0, 2);
    };
    const auto menuEntry = [&](int entry) {
        return [&b, entry] { EXPECT_TRUE(b.choose(4, entry, 20, 20)); };
    };
    inBoth(q, keys("l f s"), b, turn);
    inBoth(q, drags, b, menuEntry(2));
    inBoth(q, keys("n f s"), b, menuEntry(1));

    for (Session* s : {&q, &b}) {
        s->pointAt(5, 5);
        s->keys("q");
    }
    EXPECT_EQ(q.program().waitExit(kValgrindSeconds), 0) << q.program().stderrText();
    EXPECT_EQ(b.program().waitExit(kValgrindSeconds), 0) << b.program().stderrText();
    EXPECT_EQ(errorsInOurCode("quelmire", readFile(quelmireXml), quelmirePath()), "");
    EXPECT_EQ(errorsInOurCode("brindlefen", readFile(brindlefenXml), brindlefenPath()), "");
}

}  // namespace
