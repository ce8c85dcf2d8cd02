// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Our GLU's cylinders and spheres against the desktop's: this program defines the OpenGL calls
// that the desktop's libGLU draws with, so that its gluCylinder and gluSphere hand their calls
// to us instead of to a driver, and each recorded stream must equal ours call for call, to the
// bit, in every draw style ours has, with and without texture coordinates.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "platform/glu/quadric_shapes.h"

namespace {

// One OpenGL call; kind is "Begin", "End", "Normal", "TexCoord", "Vertex" or the name of a call
// that our quadrics never make.
struct Call {
    std::string kind;
    unsigned mode = 0;
    float v[3] = {0, 0, 0};
};

std::vector<Call> recorded;

void record(const char* kind, float x = 0, float y = 0, float z = 0, unsigned mode = 0) {
    Call call;
    call.kind = kind;
    call.mode = mode;
    call.v[0] = x, call.v[1] = y, call.v[2] = z;
    recorded.push_back(call);
}

}  // namespace

// The desktop's libGLU takes these from the program before libGL. The vector forms draw the same
// as the plain ones, and our OpenGL has only the plain ones, so they record alike.
extern "C" {
void glBegin(GLenum mode) {
    record("Begin", 0, 0, 0, mode);
}
void glEnd() {
    record("End");
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    record("Normal", x, y, z);
}
void glNormal3fv(const GLfloat* v) {
    record("Normal", v[0], v[1], v[2]);
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    record("TexCoord", s, t);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    record("Vertex", x, y, z);
}
void glVertex3fv(const GLfloat* v) {
    record("Vertex", v[0], v[1], v[2]);
}
// Calls that libGLU also imports and that would change what a quadric draws.
void glVertex2f(GLfloat x, GLfloat y) {
    record("glVertex2f", x, y);
}
void glVertex2fv(const GLfloat* v) {
    record("glVertex2fv", v[0], v[1]);
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    record("glColor3f", r, g, b);
}
void glEnable(GLenum cap) {
    record("glEnable", 0, 0, 0, cap);
}
void glDisable(GLenum cap) {
    record("glDisable", 0, 0, 0, cap);
}
void glPushAttrib(GLbitfield mask) {
    record("glPushAttrib", 0, 0, 0, mask);
}
void glPopAttrib() {
    record("glPopAttrib");
}
}

namespace {

struct Style {
    const char* name;
    GLenum draw;
    glu::DrawStyle ours;
};
const Style kStyles[] = {{"fill", GLU_FILL, glu::DrawStyle::Fill},
                         {"line", GLU_LINE, glu::DrawStyle::Line},
                         {"point", GLU_POINT, glu::DrawStyle::Point}};

// Each combination of draw style and texture coordinates, on a new quadric's smooth normals,
// facing outwards.
struct Setting {
    const Style* style;
    bool texture;
    std::string name() const {
        return std::string(style->name) + (texture ? ", textured" : ", untextured");
    }
};
std::vector<Setting> allSettings() {
    std::vector<Setting> settings;
    for (const Style& style : kStyles) {
        for (bool texture : {false, true}) {
            settings.push_back({&style, texture});
        }
    }
    return settings;
}

GLUquadric* desktopQuadric(const Setting& s) {
    GLUquadric* q = gluNewQuadric();
    gluQuadricDrawStyle(q, s.style->draw);
    gluQuadricTexture(q, s.texture ? GL_TRUE : GL_FALSE);
    return q;
}

glu::QuadricStyle ourStyle(const Setting& s) {
    glu::QuadricStyle style;
    style.draw = s.style->ours;
    style.texture = s.texture;
    return style;
}

std::vector<Call> asCalls(const std::vector<glu::QuadricCall>& ours) {
    static const char* const kKinds[] = {"Begin", "End", "Normal", "TexCoord", "Vertex"};
    std::vector<Call> calls;
    for (const glu::QuadricCall& c : ours) {
        Call call;
        call.kind = kKinds[int(c.kind)];
        call.mode = c.kind == glu::QuadricCall::Kind::Begin ? unsigned(c.mode) : 0;
        if (c.kind == glu::QuadricCall::Kind::Normal || c.kind == glu::QuadricCall::Kind::Vertex) {
            call.v[0] = c.x, call.v[1] = c.y, call.v[2] = c.z;
        } else if (c.kind == glu::QuadricCall::Kind::TexCoord) {
            call.v[0] = c.x, call.v[1] = c.y;
        }
        calls.push_back(call);
    }
    return calls;
}

std::uint32_t bits(float f) {
    std::uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

bool same(const Call& a, const Call& b) {
    return a.kind == b.kind && a.mode == b.mode && bits(a.v[0]) == bits(b.v[0]) &&
           bits(a.v[1]) == bits(b.v[1]) && bits(a.v[2]) == bits(b.v[2]);
}

std::string describe(const Call& c) {
    char text[160];
    if (c.kind == "Begin") {
        std::snprintf(text, sizeof text, "Begin(0x%x)", c.mode);
    } else if (c.kind == "End") {
        std::snprintf(text, sizeof text, "End");
    } else if (c.kind == "TexCoord") {
        std::snprintf(text, sizeof text, "TexCoord(%.9g, %.9g)", double(c.v[0]), double(c.v[1]));
    } else if (c.kind == "Normal" || c.kind == "Vertex") {
        std::snprintf(text, sizeof text, "%s(%.9g, %.9g, %.9g)", c.kind.c_str(), double(c.v[0]),
                      double(c.v[1]), double(c.v[2]));
    } else {
        std::snprintf(text, sizeof text, "%s(0x%x, %.9g, %.9g, %.9g)", c.kind.c_str(), c.mode,
                      double(c.v[0]), double(c.v[1]), double(c.v[2]));
    }
    return text;
}

// Equal streams, or where the first difference lies.
testing::AssertionResult sameStream(const std::vector<Call>& desktop,
                                    const std::vector<Call>& ours) {
    size_t n = std::min(desktop.size(), ours.size());
    for (size_t i = 0; i < n; ++i) {
        if (!same(desktop[i], ours[i])) {
            return testing::AssertionFailure()
                   << "call " << i << " of " << desktop.size() << ": the desktop's "
                   << describe(desktop[i]) << ", ours " << describe(ours[i]);
        }
    }
    if (desktop.size() != ours.size()) {
        return testing::AssertionFailure()
               << "the desktop makes " << desktop.size() << " calls, ours " << ours.size()
               << "; the first extra one: " << describe(desktop.size() > n ? desktop[n] : ours[n]);
    }
    return testing::AssertionSuccess();
}

struct Cylinder {
    double base, top, height;
    int slices, stacks;
};
struct Sphere {
    double radius;
    int slices, stacks;
};

std::vector<Call> desktopCylinder(const Setting& s, const Cylinder& c) {
    GLUquadric* q = desktopQuadric(s);
    recorded.clear();
    gluCylinder(q, c.base, c.top, c.height, c.slices, c.stacks);
    gluDeleteQuadric(q);
    return recorded;
}

std::vector<Call> desktopSphere(const Setting& s, const Sphere& sp) {
    GLUquadric* q = desktopQuadric(s);
    recorded.clear();
    gluSphere(q, sp.radius, sp.slices, sp.stacks);
    gluDeleteQuadric(q);
    return recorded;
}

void expectSameCylinder(const Cylinder& c) {
    for (const Setting& s : allSettings()) {
        SCOPED_TRACE(s.name());
        std::vector<Call> desktop = desktopCylinder(s, c);
        // Else the calls went to libGL, not to us, and the comparison below would prove nothing.
        ASSERT_FALSE(desktop.empty()) << "libGLU's calls did not reach this program's recorders";
        EXPECT_TRUE(sameStream(desktop, asCalls(glu::cylinderCalls(ourStyle(s), c.base, c.top,
                                                                   c.height, c.slices, c.stacks))));
    }
}

void expectSameSphere(const Sphere& sp) {
    for (const Setting& s : allSettings()) {
        SCOPED_TRACE(s.name());
        std::vector<Call> desktop = desktopSphere(s, sp);
        ASSERT_FALSE(desktop.empty()) << "libGLU's calls did not reach this program's recorders";
        EXPECT_TRUE(sameStream(
            desktop, asCalls(glu::sphereCalls(ourStyle(s), sp.radius, sp.slices, sp.stacks))));
    }
}

TEST(GluQuadrics, TheProgramsCylindersMatchTheDesktopsCallForCall) {
    {
        SCOPED_TRACE("tree trunk");
        expectSameCylinder({0.115, 0.095, 1.0, 8, 8});
    }
    {
        SCOPED_TRACE("signpost");
        expectSameCylinder({0.05, 0.05, 0.5, 5, 5});
    }
}

TEST(GluQuadrics, TheProgramsSpheresMatchTheDesktopsCallForCall) {
    {
        SCOPED_TRACE("tree crown");
        expectSameSphere({0.5, 9, 9});
    }
    {
        SCOPED_TRACE("sun");
        expectSameSphere({5.0, 25, 25});
    }
}

TEST(GluQuadrics, OddCylindersAndConesMatchTheDesktops) {
    const Cylinder cylinders[] = {
        {1.0, 0.5, 2.0, 3, 2},      // the fewest slices that close, a few stacks
        {0.3, 0.7, 1.3, 7, 1},      // widening, one stack
        {0.0, 0.8, 2.5, 11, 3},     // a cone from its point
        {1.7, 0.0, 0.9, 2, 4},      // a cone to its point, two slices
        {0.25, 0.25, 3.0, 300, 2},  // more slices than the desktop draws
        {0.4, 0.2, 0.7, 4, 250},    // many stacks, which the desktop does not limit
        {2.0, 1.0, 0.0, 6, 2},      // flat: a ring in the plane z = 0
    };
    for (const Cylinder& c : cylinders) {
        SCOPED_TRACE(testing::Message() << "cylinder " << c.base << ", " << c.top << ", "
                                        << c.height << ", " << c.slices << ", " << c.stacks);
        expectSameCylinder(c);
    }
}

// No more stacks than slices: past that, the desktop's filled untextured sphere takes its bottom
// cap's normal from a slice it never worked out, whatever was left in its memory.
TEST(GluQuadrics, OddSpheresMatchTheDesktops) {
    const Sphere spheres[] = {
        {1.0, 3, 3},      // few slices, odd
        {0.7, 2, 1},      // one stack: the two poles only
        {1.3, 5, 2},      // two stacks: no band between the caps
        {0.0, 4, 4},      // a point
        {2.5, 300, 260},  // more than the desktop draws either way
        {0.37, 16, 7},    // the bottom cap's normal from a slice other than the first
    };
    for (const Sphere& sp : spheres) {
        SCOPED_TRACE(testing::Message()
                     << "sphere " << sp.radius << ", " << sp.slices << ", " << sp.stacks);
        expectSameSphere(sp);
    }
}

TEST(GluQuadrics, ArgumentsTheDesktopRefusesDrawNothing) {
    const Setting fill = allSettings().front();
    // Else an empty recording would prove nothing.
    ASSERT_FALSE(desktopCylinder(fill, {1, 1, 1, 3, 1}).empty())
        << "libGLU's calls did not reach this program's recorders";
    const Cylinder badCylinders[] = {{1, 1, 1, 1, 1},  {1, 1, 1, 3, 0},  {-1, 1, 1, 3, 1},
                                     {1, -1, 1, 3, 1}, {1, 1, -1, 3, 1}, {1, 1, 0, 3, 1}};
    for (const Cylinder& c : badCylinders) {
        SCOPED_TRACE(testing::Message() << "cylinder " << c.base << ", " << c.top << ", "
                                        << c.height << ", " << c.slices << ", " << c.stacks);
        EXPECT_TRUE(desktopCylinder(fill, c).empty());
        EXPECT_TRUE(glu::cylinderCalls({}, c.base, c.top, c.height, c.slices, c.stacks).empty());
    }
    const Sphere badSpheres[] = {{1, 1, 1}, {1, 3, 0}, {-1, 3, 3}};
    for (const Sphere& sp : badSpheres) {
        SCOPED_TRACE(testing::Message()
                     << "sphere " << sp.radius << ", " << sp.slices << ", " << sp.stacks);
        EXPECT_TRUE(desktopSphere(fill, sp).empty());
        EXPECT_TRUE(glu::sphereCalls({}, sp.radius, sp.slices, sp.stacks).empty());
    }
}

}  // namespace
