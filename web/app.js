// The page's frame: the three tabs, the page in view as part of the address
// (#spacing, #about; nothing or #sizing for the first), and the one start of
// the rules that every page shares.
'use strict';

const tavrelPages = (function () {
  const PAGES = ['sizing', 'spacing', 'about'];
  const tabs = PAGES.map((name) => document.getElementById('tab-' + name));
  const panels = PAGES.map((name) => document.getElementById(name + '-page'));
  const stateListeners = {};
  let rules = null;
  const written = new WeakMap(); // node: { text, shown } as writeText last left it

  // "#spacing?type=1&layout=2" names the page and the page's own choices.
  function readAddress() {
    const [name, query] = location.hash.slice(1).split('?');
    const page = PAGES.includes(name) ? name : 'sizing';
    return { page, state: new URLSearchParams(query || '') };
  }

  function show(page) {
    PAGES.forEach((name, i) => {
      const chosen = name === page;
      tabs[i].setAttribute('aria-selected', String(chosen));
      // One tab stop for the row: the chosen tab; the arrows reach the others.
      tabs[i].tabIndex = chosen ? 0 : -1;
      panels[i].hidden = !chosen;
    });
  }

  function followAddress() {
    const { page, state } = readAddress();
    show(page);
    stateListeners[page]?.(state);
  }

  // Writes the address without a new history entry and without scrolling;
  // some browsers refuse history changes on a file:// page, where the hash is
  // replaced instead.
  function replaceAddress(hash) {
    const address = location.pathname + location.search + hash;
    try {
      history.replaceState(null, '', address);
    } catch (e) {
      location.replace(hash);
    }
  }

  function choose(i, focus) {
    const hash = i === 0 ? '#sizing' : '#' + PAGES[i];
    if (readAddress().page !== PAGES[i]) {
      try {
        history.pushState(null, '', location.pathname + location.search + hash);
        followAddress();
      } catch (e) {
        location.hash = hash; // followed on hashchange
      }
    }
    if (focus) tabs[i].focus();
  }

  tabs.forEach((tab, i) => {
    tab.addEventListener('click', (event) => {
      event.preventDefault();
      choose(i, false);
    });
    tab.addEventListener('keydown', (event) => {
      const last = tabs.length - 1;
      const next = { ArrowRight: i === last ? 0 : i + 1, ArrowLeft: i === 0 ? last : i - 1, Home: 0, End: last }[event.key];
      if (next === undefined) {
        if (event.key === ' ') {
          event.preventDefault();
          choose(i, false);
        }
        return;
      }
      event.preventDefault();
      choose(next, true);
    });
  });
  window.addEventListener('popstate', followAddress);
  window.addEventListener('hashchange', followAddress);
  show(readAddress().page);

  // Sets a node's text, touching the page only when it changed. What was
  // written is remembered here rather than read back from the page (each
  // read makes the browser hand out a copy of the text), and a changed text
  // goes into the node's own text rather than a new text node: the layout
  // keeps its boxes, and a keystroke rewrites dozens of cells.
  function writeText(node, text) {
    const last = written.get(node);
    const shown = node.firstChild;
    if (last?.shown === shown && shown === node.lastChild) { // the node holds what was written
      if (last.text === text) return;
      if (shown !== null && text !== '') {
        shown.nodeValue = text;
        last.text = text;
        return;
      }
    }
    node.textContent = text;
    written.set(node, { text, shown: node.firstChild });
  }

  // A box's refusal: the reason beside it, and the box marked for assistive
  // technology (the mark is written only when it changes).
  function showRefusal(box, note, refusal) {
    writeText(note, refusal);
    const invalid = refusal ? 'true' : 'false';
    if (box.getAttribute('aria-invalid') !== invalid) box.setAttribute('aria-invalid', invalid);
  }

  return {
    writeText,
    showRefusal,
    // The rules compiled to WebAssembly, started once for all pages.
    rules() {
      rules = rules || createTavrel();
      return rules;
    },
    // A page's choices as they stand in the address, and when they change
    // there (the back button, a shared link).
    state(page) {
      const now = readAddress();
      return now.page === page ? now.state : new URLSearchParams();
    },
    onState(page, listener) {
      stateListeners[page] = listener;
    },
    // Keeps a page's choices in the address while it is the page in view.
    keepState(page, state) {
      if (readAddress().page !== page) return;
      const query = state.toString();
      const hash = '#' + page + (query ? '?' + query : '');
      if (hash !== location.hash) replaceAddress(hash);
    },
  };
})();
