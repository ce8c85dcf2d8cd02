// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Drives a program's page as a user does, with the mouse, the keys, the menus and a finger, and
// reads back what the events did: the pages are the site's own, the programs on them the probed
// builds of build-web/test-pages/probed (tests/browser/probe), which tell their state.
import {check, env, expectMoreFrames, newPage, serve, waitInPage, watchPage} from './harness.mjs';

export const site = env('QUELMIRE_SITE');
const probed = `${env('QUELMIRE_TEST_PAGES')}/probed`;

// Serves the site with the probed programs in place of its own.
export function serveProbed(options) {
    return serve([probed, site], options);
}

// Opens a program's page in a browser window of the given size and pixel ratio (a finger's
// screen if `touch`), and waits for its first frames.
export async function openProgram(browser, server, program,
                                  {width = 1280, height = 640, scale = 2, touch = false} = {}) {
    const page = await newPage(browser);
    page.program = program;
    await page.setViewport({width, height, deviceScaleFactor: scale, hasTouch: touch,
                            isMobile: false});
    await watchPage(page);
    await page.goto(server.url(`/${program}.html`));
    await waitInPage(page, () => window.testFrames >= 2);
    return page;
}

export async function state(page) {
    const probe = page.program === 'quelmire' ? '_testQuelmireState' : '_testBrindlefenState';
    return JSON.parse(await page.evaluate((f) => Module.UTF8ToString(Module[f]()), probe));
}

// A client point of the canvas at window pixel (x, y); the canvas shows a window pixel as one
// CSS pixel. `view` is the part of the browser's window that shows the page (no scroll bars).
export async function canvasPoint(page, x, y) {
    const box = await page.$eval('#canvas', (c) => {
        const r = c.getBoundingClientRect();
        return {left: r.left + c.clientLeft, top: r.top + c.clientTop,
                width: document.documentElement.clientWidth,
                height: document.documentElement.clientHeight};
    });
    return {x: box.left + x + 0.5, y: box.top + y + 0.5, view: {width: box.width, height: box.height}};
}

// The point taken into the part of the browser's window that shows the page, where the page
// sees what happens (a scroll bar takes a pointer or a finger for itself).
function inView(p) {
    return {x: Math.max(0, Math.min(p.view.width - 1, p.x)),
            y: Math.max(0, Math.min(p.view.height - 1, p.y))};
}

// The mouse to client point (x, y), and a click there; the page remembers where the pointer is.
export async function clientMove(page, x, y) {
    page.pointer = {x, y};
    await page.mouse.move(x, y);
}

export async function clientClick(page, x, y) {
    page.pointer = {x, y};
    await page.mouse.click(x, y);
}

// A click on the page's heading: the canvas loses the focus.
export async function clickHeading(page) {
    const box = await page.$eval('h1', (h) => {
        const r = h.getBoundingClientRect();
        return {x: r.left + 5, y: r.top + r.height / 2};
    });
    await clientClick(page, box.x, box.y);
}

// Gives the canvas the focus as a user does, with a click on its corner (a click moves nothing).
export async function focusCanvas(page) {
    const p = await canvasPoint(page, 2, 2);
    await clientClick(page, p.x, p.y);
}

function helpShown(page) {
    return page.evaluate(() => document.getElementById('console').textContent.split('\n')
        .filter((line) => line.startsWith('Welcome to')).length);
}

// Everything sent before has been handled: the page handles its events in order, so once the
// help that `h` prints now is on the page, so is the effect of every earlier event.
export async function settle(page) {
    const shown = await helpShown(page);
    await page.keyboard.press('h');
    await waitInPage(page, (n) => document.getElementById('console').textContent.split('\n')
        .filter((line) => line.startsWith('Welcome to')).length > n, shown);
}

export {helpShown};

// Moves the mouse to window pixel (x, y) in one event, and waits until the page has seen it,
// so that no two moves are merged into one. A point beyond the browser's window is taken to its
// edge, where the page still sees the pointer; a move to where the pointer is sends nothing.
export async function moveTo(page, x, y) {
    const seen = await page.evaluate(() => window.testMoves);
    const to = inView(await canvasPoint(page, x, y));
    if (page.pointer && page.pointer.x === to.x && page.pointer.y === to.y) {
        return;
    }
    await clientMove(page, to.x, to.y);
    await waitInPage(page, (n) => window.testMoves > n, seen);
}

// A left drag through window pixels `points` (the first is the press, the last the release),
// with `keys` held ('Shift', 'Control', 'Alt').
export async function drag(page, points, keys = []) {
    for (const key of keys) {
        await page.keyboard.down(key);
    }
    await moveTo(page, ...points[0]);
    await page.mouse.down();
    for (const point of points.slice(1)) {
        await moveTo(page, ...point);
    }
    await page.mouse.up();
    for (const key of [...keys].reverse()) {
        await page.keyboard.up(key);
    }
}

// The menu's visible entries, top to bottom: label, centre, height, and whether it opens a
// submenu; in the open menu's lists from the outermost in.
export async function menuEntries(page) {
    return page.$$eval('.glut-menu button', (buttons) => buttons
        .filter((b) => b.offsetParent !== null)
        .map((b) => {
            const r = b.getBoundingClientRect();
            return {label: b.textContent, x: r.left + r.width / 2, y: r.top + r.height / 2,
                    height: r.height, submenu: b.hasAttribute('aria-haspopup')};
        }));
}

export async function menuOpen(page) {
    return page.evaluate(() => document.querySelector('.glut-menu') !== null);
}

// Presses the right button at window pixel (x, y) and waits for the menu; returns where it
// opened, in client pixels.
export async function openMenu(page, x, y) {
    await moveTo(page, x, y);
    await page.mouse.down({button: 'right'});
    await page.mouse.up({button: 'right'});
    await waitInPage(page, () => document.querySelector('.glut-menu') !== null);
    return page.$eval('.glut-menu', (m) => ({left: m.getBoundingClientRect().left,
                                              top: m.getBoundingClientRect().top}));
}

// The entries of the submenu that is open, top to bottom.
export async function submenuLabels(page) {
    return page.$$eval('.glut-menu .glut-menu button', (buttons) => buttons
        .filter((b) => b.offsetParent !== null).map((b) => b.textContent));
}

async function entryNamed(page, label) {
    const entry = (await menuEntries(page)).find((e) => e.label === label);
    check(entry !== undefined, `the menu shows no "${label}"`);
    return entry;
}

function submenuOpened(page, label) {
    return waitInPage(page, (l) => [...document.querySelectorAll('.glut-menu button')]
        .some((b) => b.textContent === l && b.getAttribute('aria-expanded') === 'true'), label);
}

// Moves the mouse over the menu's entry `label` and waits for its submenu.
export async function hoverEntry(page, label) {
    const entry = await entryNamed(page, label);
    await clientMove(page, entry.x, entry.y);
    await submenuOpened(page, label);
}

// Follows `path` of labels through the open menu with the mouse, as a user does: over each
// submenu's entry, then a click on the last entry.
export async function pickWithMouse(page, path) {
    for (const label of path.slice(0, -1)) {
        await hoverEntry(page, label);
    }
    const last = await entryNamed(page, path[path.length - 1]);
    await clientClick(page, last.x, last.y);
}

// The same with a finger: a tap on each entry of the path.
export async function pickWithFinger(page, path) {
    for (const label of path.slice(0, -1)) {
        const entry = await entryNamed(page, label);
        await page.touchscreen.tap(entry.x, entry.y);
        await submenuOpened(page, label);
    }
    const last = await entryNamed(page, path[path.length - 1]);
    await page.touchscreen.tap(last.x, last.y);
}

// Runs `act`, which lifts a finger, and waits until the page has seen it, and so every touch
// event before.
async function liftSeen(page, act) {
    const seen = await page.evaluate(() => window.testTouchEnds);
    await act();
    await waitInPage(page, (n) => window.testTouchEnds > n, seen);
}

// A finger drag through window pixels `points` (taken into the browser's window where they lie
// beyond it), sent at once, as a finger moves, well within the time a long press takes: the
// touch events go out together and arrive in order.
export async function fingerDrag(page, points) {
    const at = [];
    for (const point of points) {
        at.push(inView(await canvasPoint(page, ...point)));
    }
    page.cdp = page.cdp || await page.createCDPSession();
    const touch = (type, p) => page.cdp.send('Input.dispatchTouchEvent',
                                              {type, touchPoints: p ? [{x: p.x, y: p.y, id: 1}] : []});
    await liftSeen(page, () => Promise.all([touch('touchStart', at[0]),
                                            ...at.slice(1).map((p) => touch('touchMove', p)),
                                            touch('touchEnd')]));
}

// Touches window pixel (x, y) and holds until the menu opens, then lifts the finger.
export async function longPress(page, x, y) {
    const p = await canvasPoint(page, x, y);
    const touch = await page.touchscreen.touchStart(p.x, p.y);
    await waitInPage(page, () => document.querySelector('.glut-menu') !== null);
    await liftSeen(page, () => touch.end());
}

// Quelmire's four timer chains, by their periods in milliseconds: redisplay, the sun, the ducks'
// offsets and the ducks' angles.
const kQuelmirePeriods = [16, 20, 103, 108];
// How much earlier than its delay a timer may be seen to fire: performance.now() is coarsened
// (to 0.1 ms, with jitter, on a page that is not cross-origin isolated).
const kClockGrainMs = 1;
// Ticks that every chain has made before its periods are judged.
const kTicksSeen = 3;

// The timers asked for as watchPage wrote them down, each with its index and its chain's first
// (its root); the program's among them, and the page's others (not the test's).
async function timersAsked(page) {
    const timers = (await page.evaluate(() => window.testTimers)).map((t, index) => ({...t, index}));
    for (const t of timers) {
        t.root = t.parent === -1 ? t.index : timers[t.parent].root;
    }
    return {timers, program: timers.filter((t) => t.program),
            others: timers.filter((t) => !t.program && !t.test)};
}

// The first few of `timers`, as "after 16 ms, every 50 ms, ...".
function describeTimers(timers) {
    const shown = timers.slice(0, 8).map((t) => `${t.interval ? 'every' : 'after'} ${t.delay} ms`);
    return (shown.join(', ') || 'none') + (timers.length > shown.length ? ', ...' : '');
}

// Quelmire's page keeps the periods the program asks for: at start-up it asks for one timer of
// each chain's period and no other; each tick, when it runs, asks for one more of its own period,
// no earlier than that period after the one before; nothing else on the page asks for a timer.
export async function expectQuelmirePeriods(page) {
    try {
        await waitInPage(page, (ticks) => {
            const roots = [];
            const rootOf = [];
            const ticked = new Map();
            window.testTimers.forEach((t, i) => {
                rootOf.push(t.parent === -1 ? i : rootOf[t.parent]);
                if (t.parent === -1 && t.program) {
                    roots.push(i);
                } else if (t.program) {
                    ticked.set(rootOf[i], (ticked.get(rootOf[i]) || 0) + 1);
                }
            });
            return roots.length > 0 && roots.every((r) => (ticked.get(r) || 0) >= ticks);
        }, kTicksSeen);
    } catch (error) {
        // A chain that stopped: what was asked says more than the wait.
        console.log(`     the chains did not all tick ${kTicksSeen} times: ${error.message}`);
    }
    const {timers, program, others} = await timersAsked(page);
    check(others.length === 0, `the page asked for timers besides the program's: ${describeTimers(others)}`);
    const started = program.filter((t) => t.parent === -1).map((t) => t.delay).sort((a, b) => a - b);
    check(started.join() === kQuelmirePeriods.join(),
          `at start-up the program's timers are ${started.join(', ')} ms, not ${kQuelmirePeriods.join(', ')}`);
    for (const t of program.filter((t) => t.parent !== -1)) {
        const before = timers[t.parent];
        check(before.program && t.delay === before.delay,
              `a tick of the ${before.delay} ms chain asked for its next after ${t.delay} ms`);
        const waited = t.armedAt - before.armedAt;
        check(waited >= before.delay - kClockGrainMs,
              `a tick of the ${before.delay} ms chain came ${waited.toFixed(1)} ms after the one before`);
    }
    for (const t of program.filter((t) => t.firedAt !== null)) {
        const next = program.filter((n) => n.parent === t.index).length;
        check(next === 1, `a tick of the ${t.delay} ms chain asked for ${next} timers, not its next`);
    }
    const ticks = kQuelmirePeriods.map((period) =>
        program.filter((t) => t.parent !== -1 && timers[t.root].delay === period).length);
    check(ticks.every((n) => n >= kTicksSeen),
          `the chains of ${kQuelmirePeriods.join(', ')} ms ticked ${ticks.join(', ')} times`);
}

// The long press that the page promises, in milliseconds.
const kLongPressMs = 500;

// Touches window pixel (x, y) and holds, with the page's own timers held back when due: the
// touch asks for one timer, of the long press's half second; when it is due the menu is not yet
// open, and it is as soon as that timer has run. Then lifts the finger.
export async function heldLongPress(page, x, y) {
    const p = await canvasPoint(page, x, y);
    const before = await page.evaluate(() => {
        window.testHoldTimers = true;
        window.testHeld = [];
        return window.testTimers.length;
    });
    // The touch has been handled once the browser has sent it.
    const touch = await page.touchscreen.touchStart(p.x, p.y);
    const asked = (await timersAsked(page)).others.filter((t) => t.index >= before);
    check(asked.length === 1 && !asked[0].interval && asked[0].delay === kLongPressMs,
          `a touch asked for timers ${describeTimers(asked)}, not one after ${kLongPressMs} ms`);
    check(!await menuOpen(page), 'the menu opened as the finger touched');
    await waitInPage(page, () => window.testHeld.length > 0);
    // A frame or two more for anything else that might open the menu.
    await expectMoreFrames(page, 2);
    check(!await menuOpen(page), 'the menu opened before the long press\'s timer ran');
    const timer = (await timersAsked(page)).timers[asked[0].index];
    const waited = timer.firedAt - timer.armedAt;
    check(waited >= kLongPressMs - kClockGrainMs,
          `the long press's timer ran ${waited.toFixed(1)} ms after the touch`);
    const open = await page.evaluate(() => {
        window.testHoldTimers = false;
        window.testHeld.splice(0).forEach((run) => run());
        return document.querySelector('.glut-menu') !== null;
    });
    check(open, 'the menu is not open once the long press\'s timer has run');
    await liftSeen(page, () => touch.end());
}

// The program has ended for good: the page says so with status 0, and neither a frame nor a
// timer of the program comes after it, which a timer of the page's own, due after every one of
// the program's periods (the longest is 108 ms), shows.
export async function expectEnded(page) {
    await waitInPage(page, () => document.getElementById('status').dataset.state === 'ended');
    const status = await page.$eval('#status', (s) => s.dataset.exitStatus);
    check(status === '0', `the program ended with status ${status}`);
    const before = await page.evaluate(() => [window.testFrames, window.testTimersRun]);
    const after = await page.evaluate(() => new Promise((done) => {
        const timersBefore = window.testTimersRun;
        window.setTimeout(() => requestAnimationFrame(() => requestAnimationFrame(() =>
            done([window.testFrames, window.testTimersRun - 1 - timersBefore]))), 250);
    }));
    check(after[0] === before[0], `${after[0] - before[0]} frames were drawn after the end`);
    check(after[1] === 0, `${after[1]} of the program's timers ran after the end`);
}

export function noProblems(page) {
    check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
}
