// Brindlefen: the land and the duck under one fixed light, turned with the left button.
#include <GL/glut.h>

#include "assets/assets.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kViewerWindowSize, kViewerWindowSize);
    glutInit(&argc, argv);
    viewer.windowId = glutCreateWindow(kViewerTitle);
    registerViewerCallbacks();
    buildViewerMenu();
    // The grass texture is made but left unused: the land is drawn untextured here.
    glEnable(GL_TEXTURE_2D);
    const auto grass = makeTexture(viewer.grassTexture, kGrassTextureFile);
    glDisable(GL_TEXTURE_2D);
    setViewerGlState();
    glutMainLoop();
    return 0;
}
