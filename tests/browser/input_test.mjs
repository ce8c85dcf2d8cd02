// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pages in use, driven as a user does on a high-density screen (two device pixels a CSS
// pixel): Quelmire's three drags with every modifier, each key and its upper-case twin, the
// pop-up menu and its submenus, every quit path of both programs, Brindlefen's drag, menu and
// keys, a finger's drag and long press, and the periods of Quelmire's timers. The expected camera
// values are worked out by hand from the design's numbers: one degree a pixel; one unit of zoom
// or pan for every whole 50 pixels between the pointer and the press point, at each motion
// event.
import fs from 'node:fs';

import {check, env, runChecks} from './harness.mjs';
import {
    canvasPoint, clickHeading, clientMove, drag, expectEnded, expectQuelmirePeriods, focusCanvas,
    fingerDrag, heldLongPress, helpShown, hoverEntry, longPress, menuEntries, menuOpen, moveTo,
    noProblems, openMenu, openProgram, pickWithFinger, pickWithMouse, serveProbed, settle, state,
    submenuLabels,
} from './driver.mjs';

const expected = JSON.parse(fs.readFileSync(env('QUELMIRE_EXPECTED'), 'utf8'));
const kFilled = {renderPrimitive: 9, quadricStyle: 100012};
const kLines = {renderPrimitive: 3, quadricStyle: 100011};
const kPoints = {renderPrimitive: 0, quadricStyle: 100010};

function expectState(actual, wanted, what) {
    for (const [name, value] of Object.entries(wanted)) {
        check(actual[name] === value, `${what}: ${name} is ${actual[name]}, not ${value}`);
    }
}

async function scrolled(page) {
    return page.evaluate(() => [window.scrollX, window.scrollY]);
}

function labelsOf(tree) {
    return tree.map((entry) => entry.label);
}

// Runs `check` on a fresh page of `program`, then closes it and its server.
function onPage(program, check, options) {
    return async (browser) => {
        const server = await serveProbed();
        const page = await openProgram(browser, server, program, options);
        try {
            await check(page);
            noProblems(page);
        } finally {
            await page.close();
            await server.close();
        }
    };
}

await runChecks([
    ['Quelmire\'s three drags, with every modifier, move the camera as on the desktop, crisply',
     onPage('quelmire', async (page) => {
         const canvas = await page.$eval('#canvas', (c) => [c.width, c.height, c.clientWidth]);
         check(canvas.join() === '1400,1400,700',
               `the canvas has ${canvas[0]} x ${canvas[1]} pixels shown ${canvas[2]} wide, not 1400 shown 700`);
         const page0 = await scrolled(page);
         await drag(page, [[300, 300], [340, 300], [340, 280]]);
         expectState(await state(page), {rotationY: 90, rotationX: -15, rotating: false}, 'a plain drag');
         // 0, then 110 pixels below the press (+2), then 99 above it (-1, not -2).
         await drag(page, [[300, 300], [300, 349], [300, 410], [300, 201]], ['Shift']);
         expectState(await state(page), {zoom: 451, rotationY: 90, zooming: false}, 'a Shift drag');
         await drag(page, [[300, 300], [410, 190], [300, 300]], ['Control']);
         expectState(await state(page), {moveX: 2, moveY: 2, zoom: 451, moving: false}, 'a Ctrl drag');
         await drag(page, [[300, 300], [310, 300]], ['Shift', 'Control']);
         expectState(await state(page), {rotationY: 100, zoom: 451, moveX: 2}, 'a Shift+Ctrl drag');
         await drag(page, [[300, 300], [300, 320]], ['Alt']);
         expectState(await state(page), {rotationX: 5, rotationY: 100, moveY: 2}, 'an Alt drag');
         // The wheel is the buttons 3 and 4: it ends a drag and moves nothing, and the page
         // does not scroll under it.
         await moveTo(page, 300, 300);
         await page.mouse.wheel({deltaY: 400});
         await settle(page);
         expectState(await state(page), {rotationX: 5, rotationY: 100, zoom: 451, moveX: 2},
                     'the wheel');
         const page1 = await scrolled(page);
         check(page1.join() === page0.join(), `the page scrolled from ${page0} to ${page1}`);
     })],

    ['Quelmire: every key and its upper-case twin does what it does on the desktop; other keys ' +
     'do nothing, scroll nothing, and no key reaches the program without the focus',
     onPage('quelmire', async (page) => {
         const before = await scrolled(page);
         for (const key of ['z', 'Z']) {
             await drag(page, [[300, 300], [300, 420]], ['Shift']);
             await page.keyboard.press(key);
             expectState(await state(page), {zoom: 450}, `after ${key}`);
         }
         for (const key of ['r', 'R']) {
             await drag(page, [[300, 300], [333, 311]]);
             await page.keyboard.press(key);
             expectState(await state(page), {rotationX: 5, rotationY: 50}, `after ${key}`);
         }
         for (const key of ['m', 'M']) {
             await drag(page, [[300, 300], [420, 420]], ['Control']);
             await page.keyboard.press(key);
             expectState(await state(page), {moveX: 0, moveY: 0}, `after ${key}`);
         }
         for (const [key, mode] of [['l', kLines], ['p', kPoints], ['n', kFilled], ['L', kLines],
                                    ['P', kPoints], ['N', kFilled]]) {
             await page.keyboard.press(key);
             expectState(await state(page), mode, `after ${key}`);
         }
         for (const [key, fogOn, sunLight] of [['f', true, true], ['F', false, true],
                                               ['s', false, false], ['S', false, true]]) {
             await page.keyboard.press(key);
             expectState(await state(page), {fogOn, sunLight}, `after ${key}`);
         }
         const shown = await helpShown(page);
         await page.keyboard.press('h');
         await page.keyboard.press('H');
         await settle(page);
         check(await helpShown(page) === shown + 3, 'h and H do not each print the help again');
         check((await page.$eval('#console', (c) => c.textContent)).endsWith(expected.quelmireHelp),
               'the help printed again is not the help');

         const unchanged = await state(page);
         // Those that scroll a page last, so that any scroll they made stays to be seen.
         for (const key of ['a', 'y', '1', '+', 'Escape', 'Enter', 'Backspace', 'F1', 'Home',
                            'ArrowUp', ' ', 'ArrowDown', 'PageDown', 'End']) {
             await page.keyboard.press(key);
         }
         await page.keyboard.down('Control');
         await page.keyboard.press('f');
         await page.keyboard.up('Control');
         await settle(page);
         const after = await scrolled(page);
         check(after.join() === before.join(), `the keys scrolled the page from ${before} to ${after}`);
         // Without the focus: the keys go to the page's heading, not to the program.
         await clickHeading(page);
         await page.keyboard.press('f');
         await page.keyboard.press('l');
         await focusCanvas(page);
         await settle(page);
         expectState(await state(page), unchanged, 'after keys that mean nothing');
     })],

    ['Quelmire\'s menu opens at the pointer with its labels and submenus, each entry does what ' +
     'its key twin does, and Escape or a click elsewhere chooses nothing',
     onPage('quelmire', async (page) => {
         const at = await openMenu(page, 200, 150);
         const point = await canvasPoint(page, 200, 150);
         check(Math.abs(at.left - point.x) <= 2 && Math.abs(at.top - point.y) <= 2,
               `the menu opened at ${at.left}, ${at.top}, not at the pointer ${point.x}, ${point.y}`);
         const top = expected.quelmireMenu;
         const shownTop = (await menuEntries(page)).map((e) => e.label);
         check(shownTop.join('|') === labelsOf(top).join('|'), `the menu shows ${shownTop}`);
         for (const submenu of top.filter((e) => e.submenu)) {
             await hoverEntry(page, submenu.label);
             const inner = await submenuLabels(page);
             check(inner.join('|') === labelsOf(submenu.submenu).join('|'),
                   `"${submenu.label}" opens ${inner}`);
         }
         await page.keyboard.press('Escape');

         const cases = [
             [['Toggle Light (Sun/Fixed)'], {sunLight: false}],
             [['Toggle Fog'], {fogOn: true}],
             [['Change Render Mode', 'Lines'], kLines],
             [['Change Render Mode', 'Points'], kPoints],
             [['Change Render Mode', 'Filled'], kFilled],
         ];
         for (const [path, effect] of cases) {
             await openMenu(page, 200, 150);
             await pickWithMouse(page, path);
             await settle(page);
             expectState(await state(page), effect, `after "${path.join(' > ')}"`);
         }
         await drag(page, [[300, 300], [350, 250], [420, 420]]);
         await drag(page, [[300, 300], [300, 420]], ['Shift']);
         await drag(page, [[300, 300], [420, 420]], ['Control']);
         for (const [path, effect] of [[['Reset', 'Reset Zoom'], {zoom: 450}],
                                       [['Reset', 'Reset Rotation'], {rotationX: 5, rotationY: 50}],
                                       [['Reset', 'Reset Move'], {moveX: 0, moveY: 0}]]) {
             await openMenu(page, 200, 150);
             await pickWithMouse(page, path);
             await settle(page);
             expectState(await state(page), effect, `after "${path.join(' > ')}"`);
         }
         const shown = await helpShown(page);
         await openMenu(page, 200, 150);
         await pickWithMouse(page, ['Help']);
         await settle(page);
         check(await helpShown(page) === shown + 2, '"Help" does not print the help');

         const unchanged = await state(page);
         await openMenu(page, 200, 150);
         await page.keyboard.press('Escape');
         check(!await menuOpen(page), 'Escape leaves the menu open');
         await openMenu(page, 200, 150);
         const fog = (await menuEntries(page)).find((e) => e.label === 'Toggle Fog');
         await clientMove(page, fog.x, fog.y);
         await clickHeading(page);
         check(!await menuOpen(page), 'a click elsewhere leaves the menu open');
         await focusCanvas(page);
         await settle(page);
         expectState(await state(page), unchanged, 'after a menu closed without a choice');
     })],

    ['Every quit path of both programs ends it: the page says so, nothing more runs, and a ' +
     'reload starts it again', async (browser) => {
        const server = await serveProbed();
        try {
            for (const program of ['quelmire', 'brindlefen']) {
                for (const way of ['q', 'Q', 'x', 'X', 'Quit']) {
                    const page = await openProgram(browser, server, program);
                    if (way === 'Quit') {
                        await openMenu(page, 100, 100);
                        await pickWithMouse(page, ['Quit']);
                    } else {
                        await page.keyboard.press(way);
                    }
                    await expectEnded(page);
                    if (way === 'Quit') {
                        await page.reload();
                        await page.waitForFunction(() => window.testFrames >= 2);
                        const running = await page.$eval('#status', (s) => s.dataset.state);
                        check(running === 'running', `after a reload ${program} is ${running}`);
                    }
                    noProblems(page);
                    await page.close();
                }
            }
        } finally {
            await server.close();
        }
    }],

    ['Brindlefen: a drag turns the land, its menu toggles the land and the duck, h and H print ' +
     'its help, and other keys do nothing',
     onPage('brindlefen', async (page) => {
         await drag(page, [[200, 200], [230, 200], [230, 190]]);
         expectState(await state(page), {rotationY: 30, rotationX: -10, rotating: false}, 'a drag');
         await drag(page, [[200, 200], [190, 220]], ['Shift']);
         expectState(await state(page), {rotationY: 20, rotationX: 10}, 'a Shift drag');
         await openMenu(page, 100, 100);
         const shown = (await menuEntries(page)).map((e) => e.label);
         check(shown.join('|') === labelsOf(expected.brindlefenMenu).join('|'), `the menu shows ${shown}`);
         await pickWithMouse(page, ['Toggle Land']);
         await openMenu(page, 100, 100);
         await pickWithMouse(page, ['Toggle Duck']);
         await settle(page);
         expectState(await state(page), {showLand: 0, showDuck: 1}, 'after both toggles');
         const help = await helpShown(page);
         await openMenu(page, 100, 100);
         await pickWithMouse(page, ['Help']);
         await page.keyboard.press('H');
         for (const key of ['z', 'r', 'n', 'l', 'f', 's', '1', ' ', 'Escape']) {
             await page.keyboard.press(key);
         }
         await settle(page);
         check(await helpShown(page) === help + 3, '"Help", H and h do not each print the help');
         check((await page.$eval('#console', (c) => c.textContent)).endsWith(expected.brindlefenHelp),
               'the help printed again is not Brindlefen\'s');
         expectState(await state(page), {rotationY: 20, rotationX: 10, showLand: 0, showDuck: 1},
                     'after keys that mean nothing');
     })],

    ['Quelmire\'s page keeps the periods of its timer chains; a finger turns, zooms or pans as ' +
     'the page\'s choice says, and a long press opens, after the half second the page promises, ' +
     'a menu big enough for it that reaches every command',
     onPage('quelmire', async (page) => {
         // Here, where the page is already open: a browser more costs seconds.
         await expectQuelmirePeriods(page);
         await fingerDrag(page, [[300, 300], [304, 302], [340, 300], [340, 280]]);
         expectState(await state(page), {rotationY: 90, rotationX: -15, rotating: false}, 'a finger\'s drag');
         await page.tap('input[name="touch-modifiers"][value="1"]');
         await fingerDrag(page, [[300, 300], [300, 410]]);
         expectState(await state(page), {zoom: 452, rotationY: 90}, 'a finger\'s drag to zoom');
         await page.tap('input[name="touch-modifiers"][value="2"]');
         await fingerDrag(page, [[300, 300], [410, 300]]);
         expectState(await state(page), {moveX: 2, moveY: 0, zoom: 452}, 'a finger\'s drag to pan');
         await page.tap('input[name="touch-modifiers"][value="0"]');

         await heldLongPress(page, 150, 150);
         check(await menuOpen(page), 'the menu closed as the finger lifted');
         const entries = await menuEntries(page);
         check(entries.map((e) => e.label).join('|') === labelsOf(expected.quelmireMenu).join('|'),
               `the menu shows ${entries.map((e) => e.label)}`);
         const smallest = Math.min(...entries.map((e) => e.height));
         check(smallest >= 44, `an entry is ${smallest} CSS pixels high, too small for a finger`);
         await pickWithFinger(page, ['Toggle Fog']);
         await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._testQuelmireState())).fogOn);
         await longPress(page, 150, 150);
         await pickWithFinger(page, ['Change Render Mode', 'Lines']);
         await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._testQuelmireState()))
             .renderPrimitive === 3);
         await longPress(page, 150, 150);
         await pickWithFinger(page, ['Reset', 'Reset Move']);
         await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._testQuelmireState()))
             .moveX === 0);
         // A tap elsewhere closes the menu and chooses nothing.
         const unchanged = await state(page);
         await longPress(page, 150, 150);
         await page.tap('h1');
         check(!await menuOpen(page), 'a tap elsewhere leaves the menu open');
         await focusCanvas(page);
         await settle(page);
         expectState(await state(page), unchanged, 'after a menu closed without a choice');
         await longPress(page, 150, 150);
         await pickWithFinger(page, ['Quit']);
         await expectEnded(page);
     }, {touch: true, height: 1100})],
]);
