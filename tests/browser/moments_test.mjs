// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser draws what the desktop draws: momentshot and brindlefen_momentshot, built for the
// browser on our OpenGL, GLU and GLUT over WebGL 2, draw the programs' moments in headless
// Chromium (SwiftShader); the same tools built on the desktop's OpenGL draw them on Mesa. Two
// rasterisers may put an edge or a line a pixel apart, so a pixel of either frame counts as wrong
// only where it differs by more than 8 of 255 from the other frame's pixel at the same place and
// from its eight neighbours (frame_compare.h). Counted both ways, so that a line or point the
// browser lacks counts as much as one it adds.
import fs from 'node:fs';
import path from 'node:path';

import {contextLossChecks} from './engine_checks.mjs';
import {
    check, compareFrames, describeDifference, desktopMoments, env, newPage, runChecks, serve,
    temporaryDirectory, waitInPage,
} from './harness.mjs';

// Shares of a frame's pixels, in percent, unmatched either way. Measured against the desktop's
// frames (llvmpipe, the same with LP_NUM_THREADS 0 and 2): at most 0.0092 % in a filled moment
// (dawn) and 0.0096 % in one of points, so twice that is under the least limit taken, 0.05 %;
// at most 0.070 % in one of lines (the turned camera's), twice that 0.14 %. With every fiftieth
// line left out, 0.19 to 0.56 % of the desktop's pixels are unmatched in the lines moments.
const kLinesLimit = 0.14;
const kLimit = 0.05;

const site = env('QUELMIRE_SITE');
const testPages = env('QUELMIRE_TEST_PAGES');
const textures = env('QUELMIRE_TEXTURES');
const expected = JSON.parse(fs.readFileSync(env('QUELMIRE_EXPECTED'), 'utf8'));

// Runs a moments tool in the page and copies the frames it wrote out of the page's files.
async function browserMoments(browser, tool, files) {
    const server = await serve([testPages, site]);
    const page = await newPage(browser);
    try {
        await page.goto(server.url(`/moments.html?tool=${tool}&files=${files.join(',')}`));
        const status = await waitInPage(page, () => 'testExitStatus' in window && [window.testExitStatus])
            .then(([exitStatus]) => exitStatus);
        check(status === 0, `${tool} ended with status ${status} in the browser`);
        const names = await page.evaluate(() => Module.FS.readdir('/moments').filter((n) => n.endsWith('.ppm')));
        const dir = temporaryDirectory(`browser-${tool}`);
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
        check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
        return dir;
    } finally {
        await page.close();
        await server.close();
    }
}

// Compares every moment the desktop drew with the browser's; prints the figures, then fails on
// the first moment over its limit.
function expectMatchingMoments(desktop, browser, moments) {
    const over = [];
    for (const moment of moments) {
        const reference = path.join(desktop, `${moment}.ppm`);
        const drawn = path.join(browser, `${moment}.ppm`);
        check(fs.existsSync(drawn), `the browser drew no ${moment}`);
        const difference = compareFrames(drawn, reference);
        const limit = moment.endsWith('-lines') ? kLinesLimit : kLimit;
        console.log(`     ${moment.padEnd(20)} ${describeDifference(difference, limit)}`);
        if (!(difference.bothWays <= limit)) {
            over.push(`${moment} (${difference.bothWays.toFixed(4)} %: ${drawn} against ${reference})`);
        }
    }
    check(over.length === 0, `the browser's frames are not the desktop's: ${over.join(', ')}`);
    fs.rmSync(browser, {recursive: true});
    fs.rmSync(desktop, {recursive: true});
}

await runChecks([
    ['Quelmire\'s moments in the browser are the desktop\'s', async (browser) => {
        const desktop = desktopMoments(env('QUELMIRE_MOMENTSHOT'), textures);
        const drawn = await browserMoments(browser, 'momentshot', expected.textureFiles);
        expectMatchingMoments(desktop, drawn, [
            'dawn', 'noon', 'noon-fog', 'noon-lines', 'noon-points', 'turned-noon', 'turned-noon-fog',
            'turned-noon-lines', 'turned-noon-points', 'turned-fixed', 'turned-fixed-fog', 'fixed-fog',
            'fixed',
        ]);
    }],
    ['Brindlefen\'s moments in the browser are the desktop\'s', async (browser) => {
        const desktop = desktopMoments(env('QUELMIRE_BRINDLEFEN_MOMENTSHOT'), textures);
        const drawn = await browserMoments(browser, 'brindlefen_momentshot', ['grass.raw']);
        expectMatchingMoments(desktop, drawn, ['start', 'turned-duck']);
    }],
    // Those of the other engines too, with Chromium's pages.
    ...contextLossChecks().map(([name, run]) => [name, (browser) => run({newPage: () => newPage(browser)})]),
]);
