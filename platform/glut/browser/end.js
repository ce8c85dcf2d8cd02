// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The program's timers, and its end: the window closed (its canvas greyed out and deaf) and the
// program's exit().

mergeInto(LibraryManager.library, {
  $GlutEnd__deps: ['$GlutPage', '$GlutTouch', '$GlutMenu'],
  $GlutEnd: {
    // Timer number -> the browser's timeout, while it waits.
    timers: {},

    closeWindow: function() {
      GlutPage.open = false;
      GlutTouch.cancel();
      GlutMenu.close();
      GlutPage.unlisten(GlutPage.listeners);
      GlutPage.listeners = [];
      var c = GlutPage.canvas;
      if (!c) return;
      c.blur();
      c.tabIndex = -1;
      c.setAttribute('aria-disabled', 'true');
      c.style.filter = 'grayscale(1)';
      c.style.opacity = '0.4';
    },
  },

  glutPageStartTimer__deps: ['$GlutEnd'],
  glutPageStartTimer: function(timer, milliseconds) {
    GlutEnd.timers[timer] = setTimeout(function() {
      delete GlutEnd.timers[timer];
      GlutPage.call(function() { _glutOnPageTimer(timer); });
    }, milliseconds >>> 0);
  },

  glutPageCloseWindow__deps: ['$GlutEnd'],
  glutPageCloseWindow: function() {
    GlutEnd.closeWindow();
  },

  // The program's exit(), in place of the runtime's: that one, with the main loop running, only
  // unwinds the callback and lets the frames and timers go on, runs no atexit handler and never
  // tells the page. This one ends the program for good: no frame, timer or event after it, its
  // output flushed, its atexit handlers run, then Module.onExit(status).
  exit__deps: ['$GlutEnd', 'emscripten_cancel_main_loop', 'emscripten_force_exit'],
  exit: function(status) {
    for (var timer in GlutEnd.timers) clearTimeout(GlutEnd.timers[timer]);
    GlutEnd.timers = {};
    GlutEnd.closeWindow();
    _emscripten_cancel_main_loop();
    _emscripten_force_exit(status);
  },
});
