// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/glu/quadric_shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Whether each step is worked in float or in double decides the last bit of what comes out; the
// steps below are the ones whose results agree with the desktop's GLU to the bit.

namespace glu {
namespace {

// The desktop draws no finer than this round the axis, nor along a sphere.
constexpr int kMostSlices = 239;
constexpr int kMostSphereStacks = 239;
constexpr double kPi = 3.14159265358979323846;

// Collects the calls, leaving out the texture coordinates that the style omits.
class CallList {
  public:
    explicit CallList(const QuadricStyle& style) : style_(style) {}

    void begin(Primitive mode) { add({QuadricCall::Kind::Begin, mode, 0, 0, 0}); }
    void end() { add({QuadricCall::Kind::End, Primitive::Points, 0, 0, 0}); }
    void normal(float x, float y, float z) {
        add({QuadricCall::Kind::Normal, Primitive::Points, x, y, z});
    }
    void texCoord(float s, float t) {
        if (style_.texture) {
            add({QuadricCall::Kind::TexCoord, Primitive::Points, s, t, 0});
        }
    }
    void vertex(float x, float y, float z) {
        add({QuadricCall::Kind::Vertex, Primitive::Points, x, y, z});
    }
    std::vector<QuadricCall> take() { return std::move(calls_); }

  private:
    void add(const QuadricCall& call) { calls_.push_back(call); }
    const QuadricStyle& style_;
    std::vector<QuadricCall> calls_;
};

// Each slice's angle, measured from +y towards +x, with its sine and cosine; one more entry
// than slices, the last closing the ring on the first exactly.
struct SliceAngles {
    std::vector<float> angle, sin, cos;
    explicit SliceAngles(int slices) : angle(slices + 1), sin(slices + 1), cos(slices + 1) {
        for (int i = 0; i < slices; ++i) {
            angle[i] = 2 * kPi * i / slices;
            sin[i] = std::sin(double(angle[i]));
            cos[i] = std::cos(double(angle[i]));
        }
        angle[slices] = angle[0];
        sin[slices] = sin[0];
        cos[slices] = cos[0];
    }
};

// The texture's s runs from 1 at the first slice down to 0 where the ring closes.
float sliceS(int i, int slices) {
    return 1.0f - float(i) / slices;
}

}  // namespace

std::vector<QuadricCall> cylinderCalls(const QuadricStyle& style, double base, double top,
                                       double height, int slices, int stacks) {
    CallList out(style);
    if (slices < 2 || stacks < 1 || base < 0 || top < 0 || height < 0) {
        return out.take();
    }
    slices = std::min(slices, kMostSlices);
    float shrink = base - top;
    float slant = std::sqrt(shrink * shrink + height * height);
    if (slant == 0) {
        return out.take();
    }
    // The side's normal leans towards the narrower end by the cone's half-angle.
    float around = height / slant;
    float along = shrink / slant;

    SliceAngles a(slices);
    std::vector<float> normalX(slices + 1), normalY(slices + 1);
    for (int i = 0; i <= slices; ++i) {
        normalX[i] = around * std::sin(double(a.angle[i]));
        normalY[i] = around * std::cos(double(a.angle[i]));
    }
    auto radiusAt = [&](int j) -> float { return base - shrink * (float(j) / stacks); };
    auto zAt = [&](int j) -> float { return j * height / stacks; };
    auto tAt = [&](int j) -> float { return float(j) / stacks; };
    auto vertex = [&](int i, int j) {
        float r = radiusAt(j);
        out.vertex(r * a.sin[i], r * a.cos[i], zAt(j));
    };
    auto ring = [&](int j) {
        out.begin(Primitive::LineStrip);
        for (int i = 0; i <= slices; ++i) {
            out.normal(normalX[i], normalY[i], along);
            out.texCoord(sliceS(i, slices), tAt(j));
            vertex(i, j);
        }
        out.end();
    };

    switch (style.draw) {
        case DrawStyle::Fill:
            for (int j = 0; j < stacks; ++j) {
                out.begin(Primitive::QuadStrip);
                for (int i = 0; i <= slices; ++i) {
                    out.normal(normalX[i], normalY[i], along);
                    // Each quad winds counter-clockwise seen from outside.
                    out.texCoord(sliceS(i, slices), tAt(j));
                    vertex(i, j);
                    out.texCoord(sliceS(i, slices), tAt(j + 1));
                    vertex(i, j + 1);
                }
                out.end();
            }
            break;
        case DrawStyle::Line:
            // The rings between the ends first, then the two ends, then the lengthwise lines,
            // whose normal is given once, flat across z.
            for (int j = 1; j < stacks; ++j) {
                ring(j);
            }
            ring(0);
            ring(stacks);
            for (int i = 0; i < slices; ++i) {
                out.normal(normalX[i], normalY[i], 0);
                out.begin(Primitive::LineStrip);
                for (int j = 0; j <= stacks; ++j) {
                    out.texCoord(sliceS(i, slices), tAt(j));
                    vertex(i, j);
                }
                out.end();
            }
            break;
        case DrawStyle::Point:
            out.begin(Primitive::Points);
            for (int i = 0; i < slices; ++i) {
                out.normal(normalX[i], normalY[i], along);
                for (int j = 0; j <= stacks; ++j) {
                    out.texCoord(sliceS(i, slices), tAt(j));
                    vertex(i, j);
                }
            }
            out.end();
            break;
    }
    return out.take();
}

std::vector<QuadricCall> sphereCalls(const QuadricStyle& style, double radius, int slices,
                                     int stacks) {
    CallList out(style);
    if (slices < 2 || stacks < 1 || radius < 0) {
        return out.take();
    }
    slices = std::min(slices, kMostSlices);
    stacks = std::min(stacks, kMostSphereStacks);

    SliceAngles a(slices);
    // Stack j lies at the angle pi * j / stacks from +z. The normals take the sine as computed;
    // the vertices at the poles sit on the axis exactly.
    std::vector<float> sinFromTop(stacks + 1), cosFromTop(stacks + 1), ringRadius(stacks + 1),
        ringZ(stacks + 1);
    for (int j = 0; j <= stacks; ++j) {
        float angle = kPi * j / stacks;
        sinFromTop[j] = std::sin(double(angle));
        cosFromTop[j] = std::cos(double(angle));
        ringRadius[j] = (j == 0 || j == stacks) ? 0.0 : radius * std::sin(double(angle));
        ringZ[j] = radius * std::cos(double(angle));
    }

    // The texture's t runs from 1 at the top pole down to 0 at the bottom one.
    auto tAt = [&](int j) -> float { return 1.0f - float(j) / stacks; };
    auto point = [&](int i, int j) {
        out.normal(a.sin[i] * sinFromTop[j], a.cos[i] * sinFromTop[j], cosFromTop[j]);
        out.texCoord(sliceS(i, slices), tAt(j));
        out.vertex(a.sin[i] * ringRadius[j], a.cos[i] * ringRadius[j], ringZ[j]);
    };
    // Stack j's band between its two rings, each quad counter-clockwise seen from outside.
    auto band = [&](int j) {
        out.begin(Primitive::QuadStrip);
        for (int i = 0; i <= slices; ++i) {
            point(i, j + 1);
            point(i, j);
        }
        out.end();
    };
    // A fan round a pole, its ring taken the way round that faces outwards.
    auto fan = [&](float poleZ, int ring, bool forward) {
        out.begin(Primitive::TriangleFan);
        out.vertex(0, 0, poleZ);
        for (int k = 0; k <= slices; ++k) {
            point(forward ? k : slices - k, ring);
        }
        out.end();
    };

    // Without texture coordinates the caps are fans round the poles, each with one normal given
    // before it begins; the bands between follow. For the bottom cap's normal the desktop takes
    // the slice from the stack count: past the last slice that is a slice it never worked out,
    // which we take as lying on the axis.
    auto capsAndBands = [&] {
        out.normal(0, 0, 1);
        fan(radius, 1, false);
        float poleSin = stacks <= slices ? a.sin[stacks] : 0.0f;
        float poleCos = stacks <= slices ? a.cos[stacks] : 0.0f;
        out.normal(poleSin * sinFromTop[stacks], poleCos * sinFromTop[stacks], cosFromTop[stacks]);
        fan(-radius, stacks - 1, true);
        for (int j = 1; j < stacks - 1; ++j) {
            band(j);
        }
    };

    switch (style.draw) {
        case DrawStyle::Fill:
            if (!style.texture) {
                capsAndBands();
                break;
            }
            for (int j = 0; j < stacks; ++j) {
                band(j);
            }
            break;
        case DrawStyle::Line:
            // The rings between the poles, then the meridians from the top pole down.
            for (int j = 1; j < stacks; ++j) {
                out.begin(Primitive::LineStrip);
                for (int i = 0; i <= slices; ++i) {
                    point(i, j);
                }
                out.end();
            }
            for (int i = 0; i < slices; ++i) {
                out.begin(Primitive::LineStrip);
                for (int j = 0; j <= stacks; ++j) {
                    point(i, j);
                }
                out.end();
            }
            break;
        case DrawStyle::Point:
            out.begin(Primitive::Points);
            for (int j = 0; j <= stacks; ++j) {
                for (int i = 0; i < slices; ++i) {
                    point(i, j);
                }
            }
            out.end();
            break;
    }
    return out.take();
}

}  // namespace glu
