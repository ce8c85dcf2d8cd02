// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A lost GPU context in Chromium, as in every engine (engine_checks.mjs): browsers take a page's
// WebGL context away (a tab in the background, a GPU reset) and give it back; while it is gone
// the page says that drawing is paused, and once it is back the program draws the very frame it
// drew before, textures and all, without having noticed. Also a context already lost when the
// program makes it.
import {contextLossChecks} from './engine_checks.mjs';
import {newPage, runChecks} from './harness.mjs';

await runChecks(contextLossChecks().map(([name, run]) => [name, (browser) => run({newPage: () => newPage(browser)})]));
