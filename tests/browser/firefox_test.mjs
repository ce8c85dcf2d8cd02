// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pages in Firefox ESR (engine_checks.mjs), all in one browser.
import {engineChecks} from './engine_checks.mjs';
import {launchFirefox, runInOneBrowser} from './engines.mjs';

await runInOneBrowser('Firefox ESR', launchFirefox, engineChecks());
