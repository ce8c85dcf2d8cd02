// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The open menu from the keyboard: the arrows, Home and End move between entries and in and out
// of submenus, Enter and Space pick, Escape and Tab close it. No key reaches the program while
// the menu is open.

mergeInto(LibraryManager.library, {
  $GlutMenuKeys__deps: ['$GlutMenu'],
  $GlutMenuKeys: {
    onKey: function(e) {
      var root = GlutMenu.menu.root;
      var entry = document.activeElement;
      if (!root.contains(entry) || entry.tagName !== 'BUTTON') entry = null;
      var list = entry ? entry.parentNode.parentNode : root;
      var entries = GlutMenu.entriesOf(list);
      var at = entries.indexOf(entry);
      var move = function(to) {
        var n = entries.length;
        if (n) GlutMenu.enterEntry(entries[((to % n) + n) % n], false);
      };
      switch (e.key) {
        case 'Escape':
        case 'Tab':
          GlutMenu.close();
          break;
        case 'ArrowDown': move(at + 1); break;
        case 'ArrowUp': move(at < 0 ? -1 : at - 1); break;
        case 'Home': move(0); break;
        case 'End': move(-1); break;
        case 'ArrowRight':
          if (entry && entry.nextSibling) GlutMenu.pick(entry);
          break;
        case 'ArrowLeft':
          if (list !== root) {
            var opener = list.previousSibling;
            GlutMenu.closeSubmenusIn(opener.parentNode.parentNode);
            opener.focus({preventScroll: true});
          }
          break;
        default:
          // Enter and Space click the focused entry; nothing else reaches the program.
          if (e.key !== 'Enter' && e.key !== ' ') e.preventDefault();
          e.stopPropagation();
          return;
      }
      e.preventDefault();
      e.stopPropagation();
    },
  },
});
