// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The mouse on the window: buttons 0 to 2 pressed on the canvas, released and moved anywhere in
// the browser's window (a drag goes on, and ends, outside the canvas too), and the wheel. Which
// buttons are held is the toolkit's to know (toolkit.cpp): it takes a release or a motion only
// while the program holds a button it saw pressed.

mergeInto(LibraryManager.library, {
  $GlutMouse__deps: ['$GlutPage'],
  $GlutMouse: {
    watch: function(listeners, canvas) {
      GlutPage.listen(listeners, canvas, 'mousedown', GlutMouse.onMouseDown);
      GlutPage.listen(listeners, canvas, 'contextmenu', function(e) { e.preventDefault(); });
      GlutPage.listen(listeners, canvas, 'wheel', GlutMouse.onWheel, {passive: false});
      GlutPage.listen(listeners, window, 'mouseup', GlutMouse.onMouseUp);
      GlutPage.listen(listeners, window, 'mousemove', GlutMouse.onMouseMove);
    },

    onMouseDown: function(e) {
      if (e.button > 2) return;
      // No text selection, no autoscroll: the press is the program's. It still takes the focus.
      e.preventDefault();
      GlutPage.canvas.focus({preventScroll: true});
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      GlutPage.press(e.button, 0, p, GlutPage.modifiers(e));
    },

    onMouseUp: function(e) {
      if (e.button > 2) return;
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      GlutPage.press(e.button, 1, p, GlutPage.modifiers(e));
    },

    // With the buttons down now, in GLUT's order: a button released where the page could not
    // see it (another window) counts as released.
    onMouseMove: function(e) {
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      var down = (e.buttons & 1 ? 1 : 0) | (e.buttons & 4 ? 2 : 0) | (e.buttons & 2 ? 4 : 0);
      var modifiers = GlutPage.modifiers(e);
      GlutPage.call(function() { _glutOnPageMouseMove(p.x, p.y, down, modifiers); });
    },

    // The wheel is buttons 3 (up) and 4 (down): a press and a release for each step.
    onWheel: function(e) {
      e.preventDefault();
      if (!e.deltaY) return;
      var button = e.deltaY < 0 ? 3 : 4;
      var p = GlutPage.toWindow(e);
      var modifiers = GlutPage.modifiers(e);
      GlutPage.call(function() {
        _glutOnPageMouse(button, 0, p.x, p.y, modifiers);
        _glutOnPageMouse(button, 1, p.x, p.y, modifiers);
      });
    },
  },
});
