// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Drives a program's page as a user does, with the mouse, the keys, the menus and a finger, and
// reads back what the events did: the pages are the site's own, the programs on them the probed
// builds of build-web/test-pages/probed (tests/browser/probe), which tell their state.
import {check, env, newPage, serve, waitInPage, watchPage} from './harness.mjs';

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
