// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The page's side of the window toolkit (browser.cpp), the window itself: the canvas that the
// page hands over as Module.canvas, its size in window pixels and in device pixels, and what the
// other scripts share. Every call into the program goes through callUserCallback, so that an
// exit() inside a callback ends the program quietly instead of escaping to the page as an
// uncaught exception.

mergeInto(LibraryManager.library, {
  $GlutPage__deps: ['$callUserCallback'],
  $GlutPage: {
    canvas: null,
    // [target, type, handler, options] of every listener the open window added.
    listeners: [],
    // The window's size in window pixels, and whether it is open.
    size: {width: 300, height: 300},
    open: false,
    // The pointer in window pixels, for the key events, which carry none.
    pointer: {x: 0, y: 0},

    call: function(program) {
      callUserCallback(program);
    },

    // Adds a listener, and writes it down in `list` so that unlisten can take it away.
    listen: function(list, target, type, handler, options) {
      target.addEventListener(type, handler, options);
      list.push([target, type, handler, options]);
    },

    unlisten: function(list) {
      list.forEach(function(l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    },

    modifiers: function(e) {
      return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    },

    // A press or release of a GLUT button at window pixel p, from the mouse or a finger.
    press: function(button, state, p, modifiers) {
      GlutPage.call(function() { _glutOnPageMouse(button, state, p.x, p.y, modifiers); });
    },

    // Client coordinates to window pixels, y down, whatever size the page shows the canvas at
    // and however many device pixels it has.
    toWindow: function(e) {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var r = c.getBoundingClientRect();
      return {
        x: Math.floor((e.clientX - r.left - c.clientLeft) * w.width / (c.clientWidth || w.width)),
        y: Math.floor((e.clientY - r.top - c.clientTop) * w.height / (c.clientHeight || w.height))
      };
    },

    toClient: function(x, y) {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var r = c.getBoundingClientRect();
      return {
        x: r.left + c.clientLeft + x * (c.clientWidth || w.width) / w.width,
        y: r.top + c.clientTop + y * (c.clientHeight || w.height) / w.height
      };
    },

    // The canvas holds the window's pixels times the screen's pixel ratio, so that the picture
    // is crisp on a high-density screen, and is shown at the window's size. Browser zoom and a
    // move to another screen change the ratio: the canvas follows and the program is told.
    fitToScreen: function() {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var ratio = window.devicePixelRatio || 1;
      var width = Math.max(1, Math.round(w.width * ratio));
      var height = Math.max(1, Math.round(w.height * ratio));
      c.style.width = w.width + 'px';
      if (c.width === width && c.height === height) return;
      c.width = width;
      c.height = height;
      if (GlutPage.open) {
        GlutPage.call(function() { _glutOnPageScale(width / w.width); });
      }
    },

    // A browser may take the canvas's WebGL context away (a tab in the background, a GPU
    // reset) and give it back; it gives it back only to a page that said it wants it back, by
    // preventing the loss's default. The page hears of both through Module.onContextLost and
    // Module.onContextRestored.
    watchContext: function(listeners, c) {
      GlutPage.listen(listeners, c, 'webglcontextlost', function(e) {
        e.preventDefault();
        GlutPage.call(function() { _glutOnPageContextLost(); });
        if (Module['onContextLost']) Module['onContextLost']();
      });
      GlutPage.listen(listeners, c, 'webglcontextrestored', function() {
        GlutPage.call(function() { _glutOnPageContextRestored(); });
        if (Module['onContextRestored']) Module['onContextRestored']();
      });
    },

    watchPixelRatio: function() {
      if (!window.matchMedia) return;
      var query = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
      var changed = function() {
        query.removeEventListener('change', changed);
        if (!GlutPage.open) return;
        GlutPage.fitToScreen();
        GlutPage.watchPixelRatio();
      };
      query.addEventListener('change', changed);
    },
  },

  // The window opens on Module.canvas, which Emscripten's WebGL calls then know as `target`.
  glutPageOpenWindow__deps: ['$GlutPage', '$GlutMouse', '$GlutKeys', '$GlutTouch',
                             '$specialHTMLTargets'],
  glutPageOpenWindow: function(width, height, title, target) {
    var c = Module['canvas'];
    specialHTMLTargets[UTF8ToString(target)] = c;
    GlutPage.canvas = c;
    GlutPage.size = {width: width, height: height};
    GlutPage.open = false;
    GlutPage.fitToScreen();
    GlutPage.open = true;
    document.title = UTF8ToString(title);
    c.tabIndex = 0;
    c.removeAttribute('aria-disabled');
    c.style.filter = '';
    c.style.opacity = '';
    // No touch gesture scrolls or zooms the page under the program either.
    c.style.touchAction = 'none';
    if (!GlutPage.listeners.length) {
      var listeners = GlutPage.listeners;
      GlutMouse.watch(listeners, c);
      GlutKeys.watch(listeners, c);
      GlutTouch.watch(listeners, c);
      GlutPage.listen(listeners, window, 'resize', GlutPage.fitToScreen);
      GlutPage.watchContext(listeners, c);
      GlutPage.watchPixelRatio();
    }
    c.focus({preventScroll: true});
  },

  // The context was lost before the program ever drew on it: no event will say so.
  glutPageContextLost: function() {
    if (Module['onContextLost']) Module['onContextLost']();
  },

  glutPageScale__deps: ['$GlutPage'],
  glutPageScale: function() {
    return GlutPage.canvas.width / GlutPage.size.width;
  },
});
