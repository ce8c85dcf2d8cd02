// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A short random storm against each program's page: keys from the whole keyboard with any
// modifiers, drags with every combination of Shift, Ctrl and Alt, menu picks and dismissals,
// finger drags and long presses, and resizes of the browser's window and of its pixel ratio.
// Afterwards no script error, the page still draws what it is told, and a quit path chosen at
// random still ends the program. STORM_SEED repeats a run; each run prints its seed.
import fs from 'node:fs';

import {canvasPixels, check, env, expectMoreFrames, runChecks} from './harness.mjs';
import {
    clientClick, drag, expectEnded, fingerDrag, focusCanvas, longPress, menuOpen,
    noProblems, openMenu, openProgram, pickWithFinger, pickWithMouse, serveProbed, settle, state,
} from './driver.mjs';

const expected = JSON.parse(fs.readFileSync(env('QUELMIRE_EXPECTED'), 'utf8'));
const kKeys = 300;
const kOtherEvents = 40;
const kWindow = {quelmire: 700, brindlefen: 400};
const kQuitKeys = ['q', 'Q', 'x', 'X'];

// mulberry32: small, and the same sequence for the same seed everywhere.
function random(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

const seed = Number(process.env.STORM_SEED || Date.now() % 1000000);
console.log(`storm seed ${seed} (STORM_SEED=${seed} repeats it)`);
const next = random(seed);
const pick = (list) => list[Math.floor(next() * list.length)];
const chance = (p) => next() < p;

const kPrintable = [...Array(95).keys()].map((i) => String.fromCharCode(32 + i))
    .filter((c) => !kQuitKeys.includes(c));
// Not Tab, which moves the focus on to the page's link, where Enter would leave the page.
const kNamed = ['Enter', 'Escape', 'Backspace', 'Delete', 'ArrowUp', 'ArrowDown',
                'ArrowLeft', 'ArrowRight', 'Home', 'End', 'PageUp', 'PageDown', 'Insert', 'F1',
                'F2', 'F3', 'F4', 'F6', 'F7', 'F8', 'F9', 'F10', 'ContextMenu'];
const kModifiers = ['Shift', 'Control', 'Alt'];

function someModifiers() {
    return kModifiers.filter(() => chance(0.35));
}

// A menu path chosen at random, anything but Quit.
function menuPath(program) {
    const entry = pick(expected[`${program}Menu`].filter((e) => e.label !== 'Quit'));
    return entry.submenu ? [entry.label, pick(entry.submenu).label] : [entry.label];
}

// A window pixel of the canvas that the browser's window shows, with the canvas scrolled into
// view first: the menu and a long press need the canvas under the pointer.
async function shownPoint(page, size) {
    await page.$eval('#canvas', (c) => c.scrollIntoView({block: 'start', inline: 'start'}));
    const shown = await page.$eval('#canvas', (c) => {
        const r = c.getBoundingClientRect();
        const view = document.documentElement;
        return {width: Math.min(r.width, view.clientWidth - r.left),
                height: Math.min(r.height, view.clientHeight - r.top)};
    });
    const limit = (extent) => Math.max(1, Math.min(size, Math.floor(extent)) - 1);
    return [Math.floor(next() * limit(shown.width)), Math.floor(next() * limit(shown.height))];
}

function windowPoint(size) {
    // Mostly on the canvas, now and then beyond its edges.
    return [Math.floor(next() * size * 1.2) - size / 10, Math.floor(next() * size * 1.2) - size / 10];
}

async function key(page) {
    const name = chance(0.8) ? pick(kPrintable) : pick(kNamed);
    // Alt with an arrow is the browser's Back and Forward.
    const modifiers = (chance(0.2) ? someModifiers() : [])
        .filter((m) => !(m === 'Alt' && name.startsWith('Arrow')));
    for (const modifier of modifiers) {
        await page.keyboard.down(modifier);
    }
    await page.keyboard.press(name);
    for (const modifier of modifiers.reverse()) {
        await page.keyboard.up(modifier);
    }
}

async function menuPick(page, program, size) {
    await focusCanvas(page);
    await openMenu(page, ...await shownPoint(page, size));
    const choice = next();
    if (choice < 0.2) {
        await page.keyboard.press('Escape');
    } else if (choice < 0.3) {
        await clientClick(page, 5, 5);
    } else {
        await pickWithMouse(page, menuPath(program));
    }
}

async function touch(page, program, size) {
    if (chance(0.6)) {
        const choices = await page.$$('input[name="touch-modifiers"]');
        if (choices.length > 0 && chance(0.5)) {
            await pick(choices).tap();
        }
        // Begun on the canvas: a swipe from the page's edge is the browser's Back.
        const points = [...Array(1 + Math.floor(next() * 4))].map(() => windowPoint(size));
        await fingerDrag(page, [await shownPoint(page, size), ...points]);
        return;
    }
    await longPress(page, ...await shownPoint(page, size));
    if (chance(0.3)) {
        await page.touchscreen.tap(5, 5);
    } else {
        await pickWithFinger(page, menuPath(program));
    }
}

async function resize(page) {
    await page.setViewport({width: 320 + Math.floor(next() * 1300), height: 400 + Math.floor(next() * 900),
                            deviceScaleFactor: pick([1, 1.5, 2, 3]), hasTouch: true});
}

async function storm(page, program) {
    const size = kWindow[program];
    const others = [...Array(kOtherEvents)].map(() => next());
    const keysBetween = Math.floor(kKeys / kOtherEvents);
    for (const choice of others) {
        await focusCanvas(page);
        for (let i = 0; i < keysBetween; ++i) {
            await key(page);
        }
        if (await menuOpen(page)) {
            await page.keyboard.press('Escape');
        }
        if (choice < 0.4) {
            // Pressed on the canvas, as a user starts a drag; a press beside it could start
            // dragging the page's own text (Ctrl+A may have selected it all), which no program
            // sees.
            const press = await shownPoint(page, size);
            await drag(page, [press, ...[...Array(1 + Math.floor(next() * 5))].map(() => windowPoint(size))],
                       someModifiers());
        } else if (choice < 0.65) {
            await menuPick(page, program, size);
        } else if (choice < 0.9) {
            await touch(page, program, size);
        } else {
            await resize(page);
        }
    }
}

function checkProgram(program) {
    return async (browser) => {
        const server = await serveProbed();
        const page = await openProgram(browser, server, program, {touch: true, height: 1100});
        try {
            await storm(page, program);
            check(page.url().endsWith(`/${program}.html`), `the storm left the page for ${page.url()}`);
            await page.setViewport({width: 1280, height: 1100, deviceScaleFactor: 2, hasTouch: true});
            if (await menuOpen(page)) {
                await page.keyboard.press('Escape');
            }
            await focusCanvas(page);
            // Quelmire back to its start-up view, which the page must draw. (Brindlefen has no
            // way back: its land may be off or turned away, and its frames are what tell.)
            if (program === 'quelmire') {
                for (const k of ['n', 'r', 'z', 'm']) {
                    await page.keyboard.press(k);
                }
            }
            await settle(page);
            await expectMoreFrames(page, 10);
            if (program === 'quelmire') {
                const {rgb} = await canvasPixels(page);
                const colours = new Set();
                for (let i = 0; i < rgb.length; i += 3 * 97) {
                    colours.add((rgb[i] << 16) | (rgb[i + 1] << 8) | rgb[i + 2]);
                }
                check(colours.size > 8, `the canvas shows ${colours.size} colours: nothing seems drawn`);
            }
            const values = Object.values(await state(page));
            check(values.every((v) => typeof v === 'boolean' || Number.isFinite(v)),
                  `the state is ${JSON.stringify(values)}`);
            noProblems(page);
            const way = pick([...kQuitKeys, 'Quit']);
            console.log(`     ${program} ended by ${way}`);
            if (way === 'Quit') {
                await openMenu(page, 50, 50);
                await pickWithMouse(page, ['Quit']);
            } else {
                await page.keyboard.press(way);
            }
            await expectEnded(page);
            noProblems(page);
        } finally {
            await page.close();
            await server.close();
        }
    };
}

await runChecks([
    ['A random storm leaves Quelmire\'s page drawing and without a script error', checkProgram('quelmire')],
    ['A random storm leaves Brindlefen\'s page drawing and without a script error', checkProgram('brindlefen')],
]);
