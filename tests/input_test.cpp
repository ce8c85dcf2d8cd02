#include <climits>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "input/input.h"
#include "tests/support/capture.h"
#include "tests/support/program.h"
#include "tests/support/quelmire_gl.h"

namespace {

// The part of the scene that mouse, keys and menus may touch.
struct Observed {
    float rotationX, rotationY, zoom, moveX, moveY;
    bool rotating, zooming, moving;
    float lastMouseX, lastMouseY;
    int renderPrimitive, quadricStyle;
    bool sunLight, fogOn;

    bool operator==(const Observed& o) const {
        return rotationX == o.rotationX && rotationY == o.rotationY && zoom == o.zoom &&
               moveX == o.moveX && moveY == o.moveY && rotating == o.rotating &&
               zooming == o.zooming && moving == o.moving && lastMouseX == o.lastMouseX &&
               lastMouseY == o.lastMouseY && renderPrimitive == o.renderPrimitive &&
               quadricStyle == o.quadricStyle && sunLight == o.sunLight && fogOn == o.fogOn;
    }
};

std::ostream& operator<<(std::ostream& out, const Observed& s) {
    return out << "{rotation " << s.rotationX << "," << s.rotationY << " zoom " << s.zoom
               << " move " << s.moveX << "," << s.moveY << " flags r" << s.rotating << " z"
               << s.zooming << " m" << s.moving << " last " << s.lastMouseX << "," << s.lastMouseY
               << " render " << s.renderPrimitive << "/" << s.quadricStyle << " sun " << s.sunLight
               << " fog " << s.fogOn << "}";
}

Observed observe() {
    return {scene.rotationX,
            scene.rotationY,
            scene.zoom,
            scene.moveX,
            scene.moveY,
            scene.rotating,
            scene.zooming,
            scene.moving,
            scene.lastMouseX,
            scene.lastMouseY,
            scene.renderPrimitive,
            scene.quadricStyle,
            scene.sunLight,
            scene.fogOn};
}

// A state far from the initial one in every field, with a zoom drag in progress.
void stirScene() {
    scene.rotationX = 123.0f;
    scene.rotationY = -400.0f;
    scene.zoom = 700.0f;
    scene.moveX = 30.0f;
    scene.moveY = -40.0f;
    scene.zooming = true;
    scene.lastMouseX = 10.0f;
    scene.lastMouseY = 20.0f;
    scene.renderPrimitive = kLinesPrimitive;
    scene.quadricStyle = kLinesStyle;
    scene.fogOn = true;
}

std::string helpText() {
    return capturedStdout([] { printHelp(); });
}

// Every test starts from the initial scene in the real GL window (the sun toggle arms a GLUT
// timer, so GLUT must be up).
class Input : public ::testing::Test {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

// ---- Which drag a button event starts ------------------------------------------------------

using DragKind = Input;

TEST_F(DragKind, ShiftAloneZoomsCtrlAlonePansAndAnythingElseTurns) {
    struct Case {
        int modifiers;
        bool rotating, zooming, moving;
    };
    const int shift = GLUT_ACTIVE_SHIFT, ctrl = GLUT_ACTIVE_CTRL, alt = GLUT_ACTIVE_ALT;
    const Case cases[] = {
        {0, true, false, false},          {shift, false, true, false},
        {ctrl, false, false, true},       {shift | ctrl, true, false, false},
        {alt, true, false, false},        {shift | alt, true, false, false},
        {ctrl | alt, true, false, false}, {shift | ctrl | alt, true, false, false},
    };
    for (const Case& c : cases) {
        scene = SceneState{};
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 40, 60, c.modifiers);
        EXPECT_EQ(scene.rotating, c.rotating) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.zooming, c.zooming) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.moving, c.moving) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.lastMouseX, 40.0f);
        EXPECT_EQ(scene.lastMouseY, 60.0f);
    }
}

TEST_F(DragKind, EveryOtherButtonEventEndsTheDragAndMovesTheReferencePoint) {
    struct Event {
        int button, state;
    };
    // Left release, middle and right either way, and the wheel, which GLUT reports as buttons.
    const Event events[] = {{GLUT_LEFT_BUTTON, GLUT_UP},
                            {GLUT_MIDDLE_BUTTON, GLUT_DOWN},
                            {GLUT_MIDDLE_BUTTON, GLUT_UP},
                            {GLUT_RIGHT_BUTTON, GLUT_DOWN},
                            {GLUT_RIGHT_BUTTON, GLUT_UP},
                            {3, GLUT_DOWN},
                            {4, GLUT_UP}};
    for (int modifiers : {0, GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL}) {
        for (const Event& e : events) {
            for (int start : {0, GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL}) {
                scene = SceneState{};
                pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 2, start);
                const Observed before = observe();
                pressButton(e.button, e.state, 300, 400, modifiers);
                Observed expected = before;
                expected.rotating = expected.zooming = expected.moving = false;
                expected.lastMouseX = 300.0f;
                expected.lastMouseY = 400.0f;
                EXPECT_EQ(observe(), expected)
                    << "button " << e.button << " state " << e.state << " modifiers " << modifiers
                    << " during the drag of modifiers " << start;
            }
        }
    }
}

TEST_F(DragKind, AMiddleButtonEventDuringAZoomEndsItSoLaterMotionDoesNothing) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100, GLUT_ACTIVE_SHIFT);
    motion(100, 300);
    ASSERT_EQ(scene.zoom, 454.0f);
    pressButton(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 120, 500, GLUT_ACTIVE_SHIFT);
    const Observed after = observe();
    motion(100, 700);
    motion(500, 0);
    EXPECT_EQ(observe(), after);
}

// ---- Rotation ----------------------------------------------------------------------------

using Rotation = Input;

TEST_F(Rotation, FollowsThePointerOneDegreePerPixelAndMovesTheReferencePoint) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100, 0);
    motion(130, 90);
    EXPECT_EQ(scene.rotationY, 80.0f);
    EXPECT_EQ(scene.rotationX, -5.0f);
    EXPECT_EQ(scene.lastMouseX, 130.0f);
    EXPECT_EQ(scene.lastMouseY, 90.0f);
    // From the new reference point: a second event at the same place turns nothing.
    motion(130, 90);
    EXPECT_EQ(scene.rotationY, 80.0f);
    EXPECT_EQ(scene.rotationX, -5.0f);
    motion(129, 92);
    EXPECT_EQ(scene.rotationY, 79.0f);
    EXPECT_EQ(scene.rotationX, -3.0f);
    EXPECT_EQ(scene.zoom, 450.0f);
    EXPECT_EQ(scene.moveX, 0.0f);
    EXPECT_EQ(scene.moveY, 0.0f);
}

TEST_F(Rotation, AnglesGrowPastWholeTurnsWithoutWrapping) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    for (int i = 1; i <= 4; ++i) {
        motion(300 * i, -200 * i);
    }
    EXPECT_EQ(scene.rotationY, 1250.0f);
    EXPECT_EQ(scene.rotationX, -795.0f);
}

TEST_F(Rotation, StopsAtTheLeftRelease) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(10, 10);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10, 0);
    const Observed released = observe();
    motion(200, 300);
    EXPECT_EQ(observe(), released);
}

// ---- Zoom --------------------------------------------------------------------------------

using Zoom = Input;

TEST_F(Zoom, WholeFiftyPixelStepsTruncatedTowardZeroFromThePressPoint) {
    struct Case {
        int dy;
        float step;
    };
    const Case cases[] = {{0, 0},  {49, 0},   {-49, 0}, {50, 1},    {-50, -1},
                          {99, 1}, {-99, -1}, {100, 2}, {-150, -3}, {-151, -3}};
    for (const Case& c : cases) {
        scene = SceneState{};
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300, GLUT_ACTIVE_SHIFT);
        motion(200 + 77, 300 + c.dy);  // sideways movement plays no part
        EXPECT_EQ(scene.zoom, 450.0f + c.step) << "pointer " << c.dy << " px below the press";
        EXPECT_EQ(scene.rotationX, 5.0f);
        EXPECT_EQ(scene.rotationY, 50.0f);
        EXPECT_EQ(scene.moveX, 0.0f);
        EXPECT_EQ(scene.moveY, 0.0f);
    }
}

TEST_F(Zoom, WorksAsARateEveryEventAddsTheDistanceFromThePressPoint) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300, GLUT_ACTIVE_SHIFT);
    motion(200, 420);
    motion(200, 420);
    motion(201, 420);
    EXPECT_EQ(scene.zoom, 456.0f);
    EXPECT_EQ(scene.lastMouseX, 200.0f) << "zooming keeps the press point";
    EXPECT_EQ(scene.lastMouseY, 300.0f);
    motion(200, 160);
    EXPECT_EQ(scene.zoom, 454.0f);
}

TEST_F(Zoom, AStepThatWouldReachOrPassALimitIsDroppedWhole) {
    struct Case {
        float start;
        int dy;
        float expected;
    };
    const Case cases[] = {
        {998, 150, 998},    {998, 50, 999},    {999, 50, 999},    {998, 100, 998},
        {-498, -100, -498}, {-498, -50, -499}, {-499, -50, -499}, {-498, -150, -498},
    };
    for (const Case& c : cases) {
        scene = SceneState{};
        scene.zoom = c.start;
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 500, GLUT_ACTIVE_SHIFT);
        motion(0, 500 + c.dy);
        EXPECT_EQ(scene.zoom, c.expected) << "zoom " << c.start << " dragged " << c.dy << " px";
    }
}

// ---- Pan ---------------------------------------------------------------------------------

using Pan = Input;

TEST_F(Pan, FollowsThePointerOnScreenInWholeStepsOnEachAxis) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 300, GLUT_ACTIVE_CTRL);
    motion(350, 300);  // right: the scene moves right
    EXPECT_EQ(scene.moveX, 1.0f);
    EXPECT_EQ(scene.moveY, 0.0f);
    motion(300, 399);  // down: the scene moves down
    EXPECT_EQ(scene.moveX, 1.0f);
    EXPECT_EQ(scene.moveY, -1.0f);
    motion(201, 249);  // -99 and -51 px: one step each way, truncated toward zero
    EXPECT_EQ(scene.moveX, 0.0f);
    EXPECT_EQ(scene.moveY, 0.0f);
    motion(349, 251);  // within 49 px on both axes
    EXPECT_EQ(scene.moveX, 0.0f);
    EXPECT_EQ(scene.moveY, 0.0f);
    EXPECT_EQ(scene.lastMouseX, 300.0f) << "panning keeps the press point";
    EXPECT_EQ(scene.lastMouseY, 300.0f);
    EXPECT_EQ(scene.zoom, 450.0f);
    EXPECT_EQ(scene.rotationX, 5.0f);
    EXPECT_EQ(scene.rotationY, 50.0f);
}

TEST_F(Pan, EachAxisDropsAStepAtItsLimitWhileTheOtherStillMoves) {
    scene.moveX = 824.0f;
    scene.moveY = 0.0f;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(50, 100);
    EXPECT_EQ(scene.moveX, 824.0f) << "825 is outside the open range";
    EXPECT_EQ(scene.moveY, -2.0f);

    scene.moveX = 0.0f;
    scene.moveY = -823.0f;
    motion(-100, 100);
    EXPECT_EQ(scene.moveX, -2.0f);
    EXPECT_EQ(scene.moveY, -823.0f) << "-825 is outside the open range";
    motion(-100, 50);
    EXPECT_EQ(scene.moveY, -824.0f);

    scene.moveX = -823.0f;
    scene.moveY = 823.0f;
    motion(-150, -150);
    EXPECT_EQ(scene.moveX, -823.0f);
    EXPECT_EQ(scene.moveY, 823.0f);
    motion(-50, -50);
    EXPECT_EQ(scene.moveX, -824.0f);
    EXPECT_EQ(scene.moveY, 824.0f);
}

TEST_F(Pan, MotionWithoutADragChangesNothing) {
    const Observed idle = observe();
    motion(500, 600);
    motion(-500, -600);
    EXPECT_EQ(observe(), idle);
}

// ---- Callbacks post no redisplay ----------------------------------------------------------

int framesDrawn = 0;
void countFrame() {
    ++framesDrawn;
}

TEST_F(Input, NeitherMouseMotionKeysNorMenusPostARedisplay) {
    glutDisplayFunc(countFrame);
    pumpEvents();
    framesDrawn = 0;
    glutPostRedisplay();
    pumpEvents();
    ASSERT_EQ(framesDrawn, 1) << "a posted redisplay is seen by this probe";

    framesDrawn = 0;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(40, 40);
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(40, 400);
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(400, 400);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, 0);
    for (unsigned char key : std::string("zZrRmMnNlLpPfF")) {
        keyboard(key, 0, 0);
    }
    resetMenu(kMenuResetZoom);
    renderModeMenu(kMenuLines);
    mainMenu(kMenuToggleFog);
    pumpEvents();
    EXPECT_EQ(framesDrawn, 0);
    glutDisplayFunc([] {});
}

// ---- Keys --------------------------------------------------------------------------------

struct KeyCase {
    unsigned char key;
    void (*effect)(Observed&);
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << "key '" << c.key << "'";
}

void zoomReset(Observed& s) {
    s.zoom = 450.0f;
}
void rotationReset(Observed& s) {
    s.rotationX = 5.0f;
    s.rotationY = 50.0f;
}
void moveReset(Observed& s) {
    s.moveX = 0.0f;
    s.moveY = 0.0f;
}
void filled(Observed& s) {
    s.renderPrimitive = GL_POLYGON;
    s.quadricStyle = GLU_FILL;
}
void lines(Observed& s) {
    s.renderPrimitive = GL_LINE_STRIP;
    s.quadricStyle = GLU_LINE;
}
void points(Observed& s) {
    s.renderPrimitive = GL_POINTS;
    s.quadricStyle = GLU_POINT;
}
void fogFlip(Observed& s) {
    s.fogOn = !s.fogOn;
}
void sunFlip(Observed& s) {
    s.sunLight = !s.sunLight;
}
void nothing(Observed&) {}

class Key : public ::testing::TestWithParam<KeyCase> {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

TEST_P(Key, InEitherCaseDoesItsCommandAndNothingElse) {
    const KeyCase c = GetParam();
    for (bool sunAtStart : {true, false}) {
        setUpQuelmireGl();
        stirScene();
        scene.sunLight = sunAtStart;
        Observed expected = observe();
        c.effect(expected);
        const std::string printed = capturedStdout([&] { keyboard(c.key, 123, 456); });
        EXPECT_EQ(observe(), expected);
        const bool help = c.key == 'h' || c.key == 'H';
        EXPECT_EQ(printed, help ? helpText() : "");
        bool command = false;
        capturedStdout([&] { command = applyKey(c.key); });
        EXPECT_TRUE(command) << "a command key";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Key,
    ::testing::Values(KeyCase{'z', zoomReset}, KeyCase{'Z', zoomReset}, KeyCase{'r', rotationReset},
                      KeyCase{'R', rotationReset}, KeyCase{'m', moveReset}, KeyCase{'M', moveReset},
                      KeyCase{'n', filled}, KeyCase{'N', filled}, KeyCase{'l', lines},
                      KeyCase{'L', lines}, KeyCase{'p', points}, KeyCase{'P', points},
                      KeyCase{'f', fogFlip}, KeyCase{'F', fogFlip}, KeyCase{'s', sunFlip},
                      KeyCase{'S', sunFlip}, KeyCase{'h', nothing}, KeyCase{'H', nothing}));

TEST_F(Input, FogKeyTogglesBackAndForth) {
    keyboard('f', 0, 0);
    EXPECT_TRUE(scene.fogOn);
    keyboard('F', 0, 0);
    EXPECT_FALSE(scene.fogOn);
    keyboard('f', 0, 0);
    keyboard('f', 0, 0);
    EXPECT_FALSE(scene.fogOn);
}

TEST_F(Input, EveryOtherByteIsIgnoredSilently) {
    const std::string commands = "zZrRmMnNlLpPfFsShHqQxX";
    stirScene();
    const Observed stirred = observe();
    const std::string printed = capturedStdout([&] {
        for (int k = 0; k < 256; ++k) {
            const auto key = static_cast<unsigned char>(k);
            if (commands.find(static_cast<char>(key)) != std::string::npos) {
                continue;
            }
            keyboard(key, 0, 0);
            EXPECT_EQ(observe(), stirred) << "key " << k;
            EXPECT_FALSE(applyKey(key)) << "key " << k;
            EXPECT_FALSE(isQuitKey(key)) << "key " << k;
        }
    });
    EXPECT_EQ(printed, "");
}

TEST_F(Input, OnlyQXAndTheirCapitalsAreQuitKeys) {
    for (unsigned char key : std::string("qQxX")) {
        EXPECT_TRUE(isQuitKey(key)) << key;
        EXPECT_FALSE(applyKey(key)) << "applyKey leaves quitting to the callback: " << key;
    }
}

// ---- Menus -------------------------------------------------------------------------------

struct MenuCase {
    void (*menu)(int);
    const char* name;
    int value;
    unsigned char twin;
};

std::ostream& operator<<(std::ostream& out, const MenuCase& c) {
    return out << c.name << "(" << c.value << ")";
}

class MenuEntry : public ::testing::TestWithParam<MenuCase> {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

TEST_P(MenuEntry, DoesExactlyWhatItsKeyTwinDoes) {
    const MenuCase c = GetParam();
    bool changedSomething = false;
    for (bool sunAtStart : {true, false}) {
        for (void (*mode)() : {setFilled, setLines, setPoints}) {
            auto start = [&] {
                setUpQuelmireGl();
                stirScene();
                scene.sunLight = sunAtStart;
                mode();
            };
            start();
            const std::string byKey = capturedStdout([&] { keyboard(c.twin, 0, 0); });
            const Observed afterKey = observe();

            start();
            const Observed before = observe();
            const std::string byMenu = capturedStdout([&] { c.menu(c.value); });
            EXPECT_EQ(observe(), afterKey);
            EXPECT_EQ(byMenu, byKey);
            changedSomething = changedSomething || !(observe() == before);
        }
    }
    EXPECT_TRUE(changedSomething);
}

INSTANTIATE_TEST_SUITE_P(Entries, MenuEntry,
                         ::testing::Values(MenuCase{mainMenu, "mainMenu", 1, 's'},
                                           MenuCase{mainMenu, "mainMenu", 2, 'f'},
                                           MenuCase{resetMenu, "resetMenu", 1, 'z'},
                                           MenuCase{resetMenu, "resetMenu", 2, 'r'},
                                           MenuCase{resetMenu, "resetMenu", 3, 'm'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 1, 'n'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 2, 'l'},
                                           MenuCase{renderModeMenu, "renderModeMenu", 3, 'p'}));

TEST_F(Input, HelpEntryPrintsTheHelpBlockAndChangesNothing) {
    stirScene();
    const Observed stirred = observe();
    EXPECT_EQ(capturedStdout([] { mainMenu(kMenuHelp); }), helpText());
    EXPECT_EQ(observe(), stirred);
}

TEST_F(Input, ValuesOutsideEachMenuDoNothing) {
    stirScene();
    const Observed stirred = observe();
    std::string printed;
    for (int value : {0, -1, 5, 6, 100, INT_MIN, INT_MAX}) {
        printed += capturedStdout([&] { mainMenu(value); });
        EXPECT_EQ(observe(), stirred) << "mainMenu(" << value << ")";
    }
    for (int value : {0, -1, 4, 5, 100, INT_MIN, INT_MAX}) {
        printed += capturedStdout([&] {
            resetMenu(value);
            renderModeMenu(value);
        });
        EXPECT_EQ(observe(), stirred) << "submenu value " << value;
    }
    EXPECT_EQ(printed, "");
}

TEST_F(Input, RenderModeIsAlwaysOneOfTheThreePairsAndTheLastOneChosen) {
    // Each command with the pair it must leave; -1 marks a command that must change nothing.
    struct Command {
        void (*run)();
        int mode;
    };
    const Command commands[] = {
        {[] { keyboard('n', 0, 0); }, 0}, {[] { keyboard('N', 0, 0); }, 0},
        {[] { keyboard('l', 0, 0); }, 1}, {[] { keyboard('L', 0, 0); }, 1},
        {[] { keyboard('p', 0, 0); }, 2}, {[] { keyboard('P', 0, 0); }, 2},
        {[] { renderModeMenu(1); }, 0},   {[] { renderModeMenu(2); }, 1},
        {[] { renderModeMenu(3); }, 2},   {[] { renderModeMenu(0); }, -1},
        {[] { renderModeMenu(4); }, -1},  {[] { keyboard('f', 0, 0); }, -1},
        {[] { resetMenu(2); }, -1},       {[] { mainMenu(2); }, -1},
    };
    const int pairs[3][2] = {
        {GL_POLYGON, GLU_FILL}, {GL_LINE_STRIP, GLU_LINE}, {GL_POINTS, GLU_POINT}};
    std::mt19937 random(2006);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(commands)) - 1);
    int mode = 0;
    for (int i = 0; i < 500; ++i) {
        const int n = pick(random);
        commands[n].run();
        if (commands[n].mode >= 0) {
            mode = commands[n].mode;
        }
        ASSERT_EQ(scene.renderPrimitive, pairs[mode][0]) << "step " << i << " command " << n;
        ASSERT_EQ(scene.quadricStyle, pairs[mode][1]) << "step " << i << " command " << n;
    }
}

// ---- Resets leave a drag in progress alone -----------------------------------------------

using ResetDuringDrag = Input;

TEST_F(ResetDuringDrag, ATurnGoesOnFromTheResetAngles) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(100, 100);
    keyboard('r', 0, 0);
    EXPECT_TRUE(scene.rotating);
    motion(110, 90);
    EXPECT_EQ(scene.rotationY, 60.0f);
    EXPECT_EQ(scene.rotationX, -5.0f);
    resetMenu(kMenuResetRotation);
    EXPECT_TRUE(scene.rotating);
    motion(111, 91);
    EXPECT_EQ(scene.rotationY, 51.0f);
    EXPECT_EQ(scene.rotationX, 6.0f);
}

TEST_F(ResetDuringDrag, AZoomGoesOnAddingItsRateToTheResetValue) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(0, 100);
    motion(0, 100);
    EXPECT_EQ(scene.zoom, 454.0f);
    keyboard('Z', 0, 0);
    EXPECT_TRUE(scene.zooming);
    EXPECT_EQ(scene.lastMouseY, 0.0f);
    motion(0, 100);
    EXPECT_EQ(scene.zoom, 452.0f);
    resetMenu(kMenuResetZoom);
    motion(0, -50);
    EXPECT_EQ(scene.zoom, 449.0f);
}

TEST_F(ResetDuringDrag, APanGoesOnAddingItsRateToTheResetValue) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(100, 100);
    keyboard('m', 0, 0);
    EXPECT_TRUE(scene.moving);
    motion(100, 100);
    EXPECT_EQ(scene.moveX, 2.0f);
    EXPECT_EQ(scene.moveY, -2.0f);
    resetMenu(kMenuResetMove);
    motion(-50, 50);
    EXPECT_EQ(scene.moveX, -1.0f);
    EXPECT_EQ(scene.moveY, -1.0f);
}

// ---- The menu tree -----------------------------------------------------------------------

TEST(MenuTree, TopLevelHasSixEntriesAndTheTwoSubmenusThreeEach) {
    setUpQuelmireGl();
    const int before = glutGetMenu();
    buildMenus();
    const int top = glutGetMenu();
    ASSERT_NE(top, 0);
    EXPECT_NE(top, before) << "the top-level menu is current when it is attached";
    EXPECT_EQ(glutGet(GLUT_MENU_NUM_ITEMS), 6);
    // freeglut numbers menus in creation order: Reset, then render mode, then the top level.
    glutSetMenu(top - 2);
    EXPECT_EQ(glutGetMenu(), top - 2);
    EXPECT_EQ(glutGet(GLUT_MENU_NUM_ITEMS), 3);
    glutSetMenu(top - 1);
    EXPECT_EQ(glutGetMenu(), top - 1);
    EXPECT_EQ(glutGet(GLUT_MENU_NUM_ITEMS), 3);
    glutSetMenu(top);
    glutDetachMenu(GLUT_RIGHT_BUTTON);
}

}  // namespace
