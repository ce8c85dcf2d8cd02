#include "app/app.h"
#include "render/render.h"

void drawWater() {
    glBegin(scene.renderPrimitive);
    // Its own normal, so its lighting does not hang on what the sun sphere sent last.
    glNormal3f(0.0f, 1.0f, 0.0f);
    glVertex3f(0.0f, -1.0f, -40.0f);
    glVertex3f(0.0f, -2.0f, 80.0f);
    glVertex3f(-120.0f, -1.0f, 80.0f);
    glVertex3f(-120.0f, -2.0f, -40.0f);
    glEnd();
}
