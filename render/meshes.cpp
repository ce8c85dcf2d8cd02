#include "app/app.h"
#include "render/render.h"

void drawLand() {
    drawLand(elementModeFor(scene.renderPrimitive));
}

void drawDuck() {
    drawDuck(elementModeFor(scene.renderPrimitive));
}
