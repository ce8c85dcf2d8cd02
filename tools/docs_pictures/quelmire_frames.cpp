#include "tools/docs_pictures/quelmire_frames.h"

#include <algorithm>

#include <GL/glut.h>

#include "anim/anim.h"
#include "render/render.h"

SceneImages startQuelmire(int size) {
    SceneImages images = createTextures();
    setFixedGlState();
    setFogParameters();
    setUpLight();
    reshape(size, size);
    return images;
}

void tickSun(int ticks) {
    display();
    for (int i = 0; i < ticks; ++i) {
        sunTimer(0);
    }
}

std::vector<unsigned char> drawFrame(int size) {
    display();
    display();
    std::vector<unsigned char> rgb(static_cast<size_t>(size) * size * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // llvmpipe keeps the back buffer across a swap; its front buffer reads back black.
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, size, size, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // GL rows run bottom-up.
    std::vector<unsigned char> topDown(rgb.size());
    const size_t row = static_cast<size_t>(size) * 3;
    for (int y = 0; y < size; ++y) {
        std::copy_n(&rgb[row * (size - 1 - y)], row, &topDown[row * y]);
    }
    return topDown;
}
