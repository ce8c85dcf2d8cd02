// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "assets/assets.h"
#include "viewer/viewer.h"

namespace brindlefen {

std::unique_ptr<kelImage> startViewer(int& argc, char** argv) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kViewerWindowSize, kViewerWindowSize);
    glutInit(&argc, argv);
    viewer.windowId = glutCreateWindow(kViewerTitle);
    registerViewerCallbacks();
    buildViewerMenu();
    // The grass texture is made but left unused: the land is drawn untextured here.
    glEnable(GL_TEXTURE_2D);
    auto grass = makeTexture(viewer.grassTexture, kGrassTextureFile);
    glDisable(GL_TEXTURE_2D);
    setViewerGlState();
    return grass;
}

void registerViewerCallbacks() {
    glutDisplayFunc(display);
    glutKeyboardFunc(keyboard);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutReshapeFunc(reshape);
    glutIdleFunc(idle);
}

void buildViewerMenu() {
    glutCreateMenu(mainMenu);
    for (const ViewerMenuEntry& entry : kViewerMenuEntries) {
        glutAddMenuEntry(entry.label, entry.value);
    }
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void setViewerGlState() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    setUpViewerLight();
}

// The modelview matrix is still the identity: the light stays fixed relative to the eye. Its
// colours stay GL's defaults for light 0.
void setUpViewerLight() {
    glLightfv(GL_LIGHT0, GL_POSITION, viewer.lightPosition);
    glEnable(GL_LIGHT0);
}

}  // namespace brindlefen
