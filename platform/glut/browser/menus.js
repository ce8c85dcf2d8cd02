// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pop-up menus: lists of buttons that the toolkit builds entry by entry (browser.cpp) and
// shows at the pointer, submenus nested in the entry that opens them. The mouse, a finger or the
// keys (menu_keys.js) pick an entry; a press outside, Escape, or the window losing the focus or
// changing its size closes the menu.

mergeInto(LibraryManager.library, {
  $GlutMenu__deps: ['$GlutPage'],
  $GlutMenu: {
    // The open menu: its outer list, the client point it opened at, whether a finger opened it,
    // and its listeners.
    menu: null,
    // While a menu is being built: the list for each depth, and the client point it opens at.
    building: [],
    buildingAt: null,
    // True while a long press opens a menu, so that the menu comes big.
    byTouch: false,

    makeList: function() {
      var list = document.createElement('ul');
      list.className = 'glut-menu';
      list.setAttribute('role', 'menu');
      list.style.margin = '0';
      list.style.listStyle = 'none';
      return list;
    },

    entriesOf: function(list) {
      return Array.prototype.map.call(list.children, function(li) { return li.firstChild; });
    },

    openSubmenu: function(entry) {
      var list = entry.nextSibling;
      if (!list || !list.hidden) return;
      list.hidden = false;
      entry.setAttribute('aria-expanded', 'true');
      // A finger's menu opens its submenus in place, below their entries (the site's style).
      if (GlutMenu.menu && GlutMenu.menu.touch) return;
      // Beside its entry, or on the other side if it would leave the window.
      list.style.left = '100%';
      list.style.right = 'auto';
      list.style.top = '0';
      var r = list.getBoundingClientRect();
      if (r.right > innerWidth) {
        list.style.left = 'auto';
        list.style.right = '100%';
      }
      if (r.bottom > innerHeight) list.style.top = Math.max(-r.top, innerHeight - r.bottom) + 'px';
    },

    closeSubmenusIn: function(list) {
      GlutMenu.entriesOf(list).forEach(function(entry) {
        var sub = entry.nextSibling;
        if (sub && !sub.hidden) {
          GlutMenu.closeSubmenusIn(sub);
          sub.hidden = true;
          entry.setAttribute('aria-expanded', 'false');
        }
      });
    },

    // Hovering or moving onto an entry focuses it; an entry with a submenu opens it.
    enterEntry: function(entry, openIt) {
      GlutMenu.closeSubmenusIn(entry.parentNode.parentNode);
      entry.focus({preventScroll: true});
      if (openIt) GlutMenu.openSubmenu(entry);
    },

    pick: function(entry) {
      if (entry.nextSibling) {
        GlutMenu.enterEntry(entry, true);
        var first = entry.nextSibling.firstChild;
        if (first) first.firstChild.focus({preventScroll: true});
        return;
      }
      var menu = +entry.dataset.menu;
      var value = +entry.dataset.value;
      GlutMenu.close();
      GlutPage.call(function() { _glutOnPageMenuPick(menu, value); });
    },

    // A press or a touch outside the menu closes it, and goes no further: it chose nothing.
    onOutsidePress: function(e) {
      if (GlutMenu.menu.root.contains(e.target)) return;
      // A touch that has begun to scroll the page can no longer be held back.
      if (e.cancelable) e.preventDefault();
      e.stopPropagation();
      GlutMenu.close();
    },

    // Pressing the button, moving onto an entry and releasing it there picks the entry.
    onRelease: function(e) {
      var menu = GlutMenu.menu;
      if (!menu || e.button !== 2) return;
      var moved = Math.abs(e.clientX - menu.at.x) + Math.abs(e.clientY - menu.at.y) > 4;
      var entry = e.target.closest && e.target.closest('button');
      if (moved && entry && menu.root.contains(entry)) GlutMenu.pick(entry);
    },

    close: function() {
      var menu = GlutMenu.menu;
      if (!menu) return;
      GlutMenu.menu = null;
      GlutPage.unlisten(menu.listeners);
      var hadFocus = menu.root.contains(document.activeElement);
      menu.root.remove();
      if (hadFocus && GlutPage.canvas && GlutPage.canvas.tabIndex >= 0) {
        GlutPage.canvas.focus({preventScroll: true});
      }
    },
  },

  glutPageBeginMenu__deps: ['$GlutMenu'],
  glutPageBeginMenu: function(x, y) {
    GlutMenu.close();
    GlutMenu.building = [GlutMenu.makeList()];
    GlutMenu.buildingAt = GlutPage.toClient(x, y);
  },

  glutPageAddMenuEntry__deps: ['$GlutMenu'],
  glutPageAddMenuEntry: function(depth, label, menu, value, opensSubmenu) {
    var list = GlutMenu.building[depth];
    if (!list) return;
    var item = document.createElement('li');
    item.setAttribute('role', 'none');
    var entry = document.createElement('button');
    entry.type = 'button';
    entry.tabIndex = -1;
    entry.setAttribute('role', 'menuitem');
    entry.textContent = UTF8ToString(label);
    item.appendChild(entry);
    list.appendChild(item);
    if (opensSubmenu) {
      item.style.position = 'relative';
      var sub = GlutMenu.makeList();
      sub.style.position = 'absolute';
      sub.hidden = true;
      item.appendChild(sub);
      entry.setAttribute('aria-haspopup', 'menu');
      entry.setAttribute('aria-expanded', 'false');
      GlutMenu.building.length = depth + 1;
      GlutMenu.building.push(sub);
    } else {
      entry.dataset.menu = menu;
      entry.dataset.value = value;
    }
  },

  glutPageShowMenu__deps: ['$GlutMenu', '$GlutMenuKeys'],
  glutPageShowMenu: function() {
    var root = GlutMenu.building[0];
    var at = GlutMenu.buildingAt;
    GlutMenu.building = [];
    var touch = GlutMenu.byTouch;
    if (touch) root.classList.add('touch');
    root.style.position = 'fixed';
    root.style.zIndex = '1000';
    root.style.left = at.x + 'px';
    root.style.top = at.y + 'px';
    document.body.appendChild(root);
    // Inside the window, moved back from the right and bottom edges if need be.
    var r = root.getBoundingClientRect();
    if (r.right > innerWidth) root.style.left = Math.max(0, innerWidth - r.width) + 'px';
    if (r.bottom > innerHeight) root.style.top = Math.max(0, innerHeight - r.height) + 'px';

    var menu = {root: root, at: at, touch: touch, listeners: []};
    var listen = function(target, type, handler, options) {
      GlutPage.listen(menu.listeners, target, type, handler, options);
    };
    listen(root, 'click', function(e) {
      var entry = e.target.closest('button');
      if (entry) GlutMenu.pick(entry);
    });
    listen(root, 'mouseover', function(e) {
      var entry = e.target.closest('button');
      if (entry && entry !== document.activeElement) GlutMenu.enterEntry(entry, true);
    });
    listen(root, 'contextmenu', function(e) { e.preventDefault(); });
    listen(root, 'keydown', GlutMenuKeys.onKey);
    listen(document, 'mousedown', GlutMenu.onOutsidePress, true);
    listen(document, 'touchstart', GlutMenu.onOutsidePress, {capture: true, passive: false});
    listen(document, 'mouseup', GlutMenu.onRelease, true);
    listen(window, 'blur', GlutMenu.close);
    listen(window, 'resize', GlutMenu.close);
    GlutMenu.menu = menu;
    // Focused as a whole, with no entry chosen yet: the arrow keys choose one, Escape closes it.
    root.tabIndex = -1;
    root.focus({preventScroll: true});
  },
});
