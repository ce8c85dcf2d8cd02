// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the pages must do in every engine, checked in an engine other than Chromium (whose own
// tests check this and more): each page loads, Quelmire's help is on the page before its first
// frame, frames keep coming, a drag and keys do what they do on the desktop (read through the
// probed programs), the right button's menu opens with its labels, a quit path ends the program
// and the page says so, and the moments drawn in the engine are the desktop's, counted both
// ways. The expected camera values are those input_test.mjs works out by hand from the design's
// numbers: one degree a pixel of a plain drag. Every moment is compared, in both engines; each
// engine's whole set takes some 10 to 30 s here.
import fs from 'node:fs';
import path from 'node:path';

import {
    canvasPixels, check, compareFrames, describeDifference, desktopMoments, env, expectMoreFrames,
    loseAtStart, serve, temporaryDirectory, waitInPage, watchPage, writePpm,
} from './harness.mjs';
import {
    drag, expectEnded, menuEntries, openMenu, pickWithMouse, serveProbed, settle, state,
} from './driver.mjs';
import {pageProblems, preloadsInHead} from './engines.mjs';

// Shares of a frame's pixels, in percent, unmatched either way (frame_compare.h). Measured
// against the desktop's frames (llvmpipe, the same with LP_NUM_THREADS 0 and 2): in Chromium at
// most 0.0092 % in a filled moment (dawn) and 0.0096 % in one of points, so twice that is under
// the least limit taken, 0.05 %; at most 0.070 % in one of lines (the turned camera's), twice
// that 0.14 %; in Firefox and WebKitGTK, on Mesa, at most 0.0006 %. With every fiftieth line left
// out, 0.19 to 0.56 % of the desktop's pixels are unmatched in the lines moments.
const kLinesLimit = 0.14;
const kLimit = 0.05;

const site = env('QUELMIRE_SITE');
const testPages = env('QUELMIRE_TEST_PAGES');
const textures = env('QUELMIRE_TEXTURES');
const expected = JSON.parse(fs.readFileSync(env('QUELMIRE_EXPECTED'), 'utf8'));
const kLines = {renderPrimitive: 3, quadricStyle: 100011};
const kQuelmireMoments = [
    'dawn', 'noon', 'noon-fog', 'noon-lines', 'noon-points', 'turned-noon', 'turned-noon-fog',
    'turned-noon-lines', 'turned-noon-points', 'turned-fixed', 'turned-fixed-fog', 'fixed-fog', 'fixed',
];
const kBrindlefenMoments = ['start', 'turned-duck'];

function expectState(actual, wanted, what) {
    for (const [name, value] of Object.entries(wanted)) {
        check(actual[name] === value, `${what}: ${name} is ${actual[name]}, not ${value}`);
    }
}

async function expectNoProblems(page) {
    const problems = await pageProblems(page);
    check(problems.length === 0, `the page reported: ${problems.join('; ')}`);
}

const labels = (entries) => entries.map((entry) => entry.label).join('|');

const statusText = (page) => page.$eval('#status', (s) => s.textContent);


// Runs a moments tool on the tests' page and copies the frames it wrote out of the page's files.
async function browserMoments(browser, tool, files) {
    const server = await serve([testPages, site], {head: preloadsInHead});
    const page = await browser.newPage();
    try {
        await page.goto(server.url(`/moments.html?tool=${tool}&files=${files.join(',')}`));
        const [status] = await waitInPage(page, () => 'testExitStatus' in window && [window.testExitStatus]);
        check(status === 0, `${tool} ended with status ${status}`);
        const names = await page.evaluate(() => Module.FS.readdir('/moments').filter((n) => n.endsWith('.ppm')));
        const dir = temporaryDirectory(`engine-${tool}`);
        for (const name of names) {
            const base64 = await page.evaluate((file) => {
                const bytes = Module.FS.readFile(file);
                let text = '';
                for (let i = 0; i < bytes.length; i += 0x8000) {
                    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
                }
                return btoa(text);
            }, `/moments/${name}`);
            fs.writeFileSync(path.join(dir, name), Buffer.from(base64, 'base64'));
        }
        await expectNoProblems(page);
        return dir;
    } finally {
        await page.close();
        await server.close();
    }
}

// Compares each moment the desktop drew with the engine's, both ways; prints the figures, then
// fails naming every moment over its limit.
function expectMatchingMoments(desktop, drawnDir, moments) {
    const over = [];
    for (const moment of moments) {
        const reference = path.join(desktop, `${moment}.ppm`);
        const drawn = path.join(drawnDir, `${moment}.ppm`);
        check(fs.existsSync(drawn), `the engine drew no ${moment}`);
        const difference = compareFrames(drawn, reference);
        const limit = moment.endsWith('-lines') ? kLinesLimit : kLimit;
        console.log(`     ${moment.padEnd(20)} ${describeDifference(difference, limit)}`);
        if (!(difference.bothWays <= limit)) {
            over.push(`${moment} (${difference.bothWays.toFixed(4)} %: ${drawn} against ${reference})`);
        }
    }
    check(over.length === 0, `the engine's frames are not the desktop's: ${over.join(', ')}`);
    fs.rmSync(drawnDir, {recursive: true});
}

function momentsCheck(title, tool, files, momentshot, moments) {
    return [title, async (browser) => {
        const desktop = desktopMoments(env(momentshot), textures);
        try {
            expectMatchingMoments(desktop, await browserMoments(browser, tool, files), moments);
        } finally {
            fs.rmSync(desktop, {recursive: true});
        }
    }];
}

// Every moment of both programs drawn in the engine against the desktop's: momentshot and
// brindlefen_momentshot built for the browser, on the tests' page.
export function momentsChecks() {
    return [
        momentsCheck('Quelmire\'s moments are the desktop\'s', 'momentshot', expected.textureFiles,
                     'QUELMIRE_MOMENTSHOT', kQuelmireMoments),
        momentsCheck('Brindlefen\'s moments are the desktop\'s', 'brindlefen_momentshot', ['grass.raw'],
                     'QUELMIRE_BRINDLEFEN_MOMENTSHOT', kBrindlefenMoments),
    ];
}

export function engineChecks() {
    const checks = [
        ['Quelmire\'s page prints the help before the first frame, frames keep coming, and q ends it',
         async (browser) => {
             const server = await serve([site], {head: preloadsInHead});
             const page = await browser.newPage();
             try {
                 await watchPage(page);
                 await page.goto(server.url('/quelmire.html'));
                 await waitInPage(page, () => window.testFrames >= 2);
                 check(await page.title() === expected.quelmireTitle, `the page is titled "${await page.title()}"`);
                 const atFirstFrame = await page.evaluate(() => window.testConsoleAtFirstFrame);
                 check(atFirstFrame === expected.quelmireHelp,
                       `the console panel held ${JSON.stringify(atFirstFrame)} at the first frame, not the help`);
                 await expectMoreFrames(page, 30);
                 check(await statusText(page) === 'Quelmire is running.',
                       `the status says "${await statusText(page)}"`);
                 await page.keyboard.press('q');
                 await expectEnded(page);
                 check((await statusText(page)).startsWith('Quelmire has ended.'),
                       `after q the status says "${await statusText(page)}"`);
                 await expectNoProblems(page);
             } finally {
                 await page.close();
                 await server.close();
             }
         }],
        ['Quelmire: a drag turns the camera and keys change the view as on the desktop, the menu ' +
         'opens with its labels and does what it says, and its Quit ends the program',
         async (browser) => {
             const server = await serveProbed({head: preloadsInHead});
             const page = await browser.newPage();
             try {
                 page.program = 'quelmire';
                 await page.setViewport({width: 1280, height: 640, deviceScaleFactor: 1});
                 await watchPage(page);
                 await page.goto(server.url('/quelmire.html'));
                 await waitInPage(page, () => window.testFrames >= 2);
                 await drag(page, [[300, 300], [340, 300], [340, 280]]);
                 expectState(await state(page), {rotationY: 90, rotationX: -15, rotating: false}, 'a drag');
                 await page.keyboard.press('l');
                 await page.keyboard.press('f');
                 await settle(page);
                 expectState(await state(page), {...kLines, fogOn: true}, 'after l and f');
                 await page.keyboard.press('r');
                 await settle(page);
                 expectState(await state(page), {rotationX: 5, rotationY: 50}, 'after r');
                 await openMenu(page, 200, 150);
                 const shown = labels(await menuEntries(page));
                 check(shown === labels(expected.quelmireMenu), `the menu shows ${shown}`);
                 await pickWithMouse(page, ['Toggle Fog']);
                 await settle(page);
                 expectState(await state(page), {fogOn: false}, 'after "Toggle Fog"');
                 await openMenu(page, 200, 150);
                 await pickWithMouse(page, ['Quit']);
                 await expectEnded(page);
                 await expectNoProblems(page);
             } finally {
                 await page.close();
                 await server.close();
             }
         }],
        ['Brindlefen\'s page loads, frames keep coming, a drag turns the land, its menu opens with ' +
         'its labels, and x ends it',
         async (browser) => {
             const server = await serveProbed({head: preloadsInHead});
             const page = await browser.newPage();
             try {
                 page.program = 'brindlefen';
                 await page.setViewport({width: 1280, height: 640, deviceScaleFactor: 1});
                 await watchPage(page);
                 await page.goto(server.url('/brindlefen.html'));
                 await waitInPage(page, () => window.testFrames >= 2);
                 check(await page.title() === expected.brindlefenTitle, `the page is titled "${await page.title()}"`);
                 await expectMoreFrames(page, 30);
                 await drag(page, [[200, 200], [230, 200], [230, 190]]);
                 expectState(await state(page), {rotationY: 30, rotationX: -10, rotating: false}, 'a drag');
                 await openMenu(page, 100, 100);
                 const shown = labels(await menuEntries(page));
                 check(shown === labels(expected.brindlefenMenu), `the menu shows ${shown}`);
                 await page.keyboard.press('Escape');
                 await page.keyboard.press('x');
                 await expectEnded(page);
                 await expectNoProblems(page);
             } finally {
                 await page.close();
                 await server.close();
             }
         }],
        ...momentsChecks(),
    ];
    return [...checks, ...contextLossChecks()];
}

// Holds every page timer back, so that Quelmire's frame stays the start-up one: with no sun tick
// or duck step, the frame after a restore must be the frame before the loss.
function holdTimers() {
    window.setTimeout = () => 0;
}

// The status line says `state`, and claims that the program is running only if it is.
async function expectStatus(page, state, name) {
    await waitInPage(page, (wanted) => document.getElementById('status').dataset.state === wanted, state);
    const text = await statusText(page);
    check(/is running/.test(text) === (state === 'running'),
          `the status line says "${text}" while ${name}'s drawing is ${state}`);
}

// Gives the context back and waits for the frame drawn on the new one.
async function restoreContext(page) {
    const frames = await page.evaluate(() => window.testFrames);
    await page.evaluate(() => window.testLoseContext.restoreContext());
    await waitInPage(page, (n) => window.testFrames > n, frames);
}

async function canvasPicture(page, file) {
    writePpm(file, page.canvasPixels ? await page.canvasPixels() : await canvasPixels(page));
    return file;
}

function expectSameFrame(drawn, reference, what) {
    const difference = compareFrames(drawn, reference);
    console.log(`     ${what}: ${describeDifference(difference, kLimit)}`);
    check(difference.bothWays <= kLimit, `${what}: the frames differ (${drawn}, ${reference})`);
}

// A lost and restored WebGL context (WEBGL_lose_context, which all three engines offer), as
// browsers take one away and give it back: on Quelmire's page while it runs, whose frame after
// it must be the one before; on Brindlefen's as it starts, whose frame must then be the
// desktop's first. While it is lost the status line says that drawing is paused and never that
// the program runs.
export function contextLossChecks() {
    return [
        ['Quelmire\'s page says it is paused while its context is lost, and draws the same frame ' +
         'once it is back', async (browser) => {
            const server = await serve([site], {head: preloadsInHead});
            const page = await browser.newPage();
            const dir = temporaryDirectory('quelmire-context');
            try {
                // Tall enough for the whole canvas, in every engine's window.
                await page.setViewport({width: 1280, height: 940, deviceScaleFactor: 1});
                await page.evaluateOnNewDocument(holdTimers);
                await watchPage(page);
                await page.goto(server.url('/quelmire.html'));
                await waitInPage(page, () => window.testFrames >= 1);
                await expectStatus(page, 'running', 'Quelmire');
                const before = await canvasPicture(page, path.join(dir, 'before.ppm'));
                await page.evaluate(() => {
                    window.testLoseContext = document.getElementById('canvas').getContext('webgl2')
                        .getExtension('WEBGL_lose_context');
                    window.testLoseContext.loseContext();
                });
                await expectStatus(page, 'paused', 'Quelmire');
                await restoreContext(page);
                await expectStatus(page, 'running', 'Quelmire');
                const after = await canvasPicture(page, path.join(dir, 'after.ppm'));
                expectSameFrame(after, before, 'Quelmire\'s frame after the restore against the one before');
                await expectNoProblems(page);
                fs.rmSync(dir, {recursive: true});
            } finally {
                await page.close();
                await server.close();
            }
        }],
        ['Brindlefen\'s page, its context lost as it starts, is paused until it is given back, then ' +
         'shows the desktop\'s first frame', async (browser) => {
            const server = await serve([site], {head: preloadsInHead});
            const page = await browser.newPage();
            const dir = temporaryDirectory('brindlefen-context');
            const desktop = desktopMoments(env('QUELMIRE_BRINDLEFEN_MOMENTSHOT'), textures);
            try {
                await page.evaluateOnNewDocument(loseAtStart);
                await watchPage(page);
                await page.goto(server.url('/brindlefen.html'));
                await expectStatus(page, 'paused', 'Brindlefen');
                await restoreContext(page);
                await expectStatus(page, 'running', 'Brindlefen');
                expectSameFrame(await canvasPicture(page, path.join(dir, 'page.ppm')),
                                path.join(desktop, 'start.ppm'),
                                'Brindlefen\'s canvas after the restore against the desktop\'s first frame');
                await expectNoProblems(page);
                fs.rmSync(dir, {recursive: true});
            } finally {
                fs.rmSync(desktop, {recursive: true});
                await page.close();
                await server.close();
            }
        }],
    ];
}
