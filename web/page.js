// The "Dowel Sizing" page: moves texts between the form and the rules compiled
// to WebAssembly (tavrel.js), and writes what comes back into the table. Every
// decision (reading the numbers, the limits, the units, the eight bars, the
// texts, the grades and their colours, the messages) is the rules'; this script
// only writes texts, colours and visibility.
'use strict';

(function () {
  const PIXELS_PER_INCH = 34; // the cross-sections are drawn to one scale
  const SVG = 'http://www.w3.org/2000/svg';
  const UNITS_KEY = 'tavrel-units'; // the browser remembers the last unit system

  const table = document.getElementById('results');
  const byBar = document.getElementById('results-by-bar');
  const working = document.getElementById('working');
  const boxes = [];
  const boxColours = [];
  const boxNotes = []; // per box: { units, refusal, readAs }
  const heads = []; // per bar: its head in the wide table and its row head in the narrow one
  const headTexts = []; // per bar: { spoken, short, printed } in each of its heads
  const cells = []; // cells[row][bar]: the cell in each table
  let gradeTexts = []; // per bar, from the last complete run; empty while no grade stands
  let lastRun = null;
  let si = false;
  let rules = null;
  let facts = null;

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // Only text beyond ASCII can hold format characters; the rules know which.
  const BEYOND_ASCII = /[^\0-\x7f]/;
  function plain(text) {
    return BEYOND_ASCII.test(text) ? rules.plainText(text) : text;
  }

  // Direction marks and other invisible characters leave the box as they
  // arrive, so that it shows the digits in the order they are read.
  function dropFormatCharacters(box) {
    const text = plain(box.value);
    if (text === box.value) return;
    const caret = box.selectionStart === null ? text.length : plain(box.value.slice(0, box.selectionStart)).length;
    box.value = text;
    box.setSelectionRange(caret, caret);
  }

  function buildInputs() {
    const form = document.getElementById('inputs');
    form.addEventListener('submit', (event) => event.preventDefault());
    facts.inputs.forEach((input, i) => {
      const id = 'input-' + input.option;
      const row = element('div', { class: 'input-row' });
      row.append(element('label', { for: id }, input.caption));
      const box = element('input', {
        id, name: input.option, type: 'text', inputmode: 'decimal', spellcheck: 'false',
        autocapitalize: 'off', 'aria-describedby': `${id}-units ${id}-refusal ${id}-read`,
      });
      box.addEventListener('input', () => {
        dropFormatCharacters(box);
        analyse();
        keepDesignInAddress();
      });
      const note = {
        units: element('span', { id: id + '-units', class: 'units' }),
        refusal: element('span', { id: id + '-refusal', class: 'refusal' }),
        readAs: element('span', { id: id + '-read', class: 'read-as' }),
      };
      row.append(box, note.units, note.readAs, note.refusal);
      form.append(row);
      boxes.push(box);
      boxNotes.push(note);
      boxColours.push(facts.inRangeColour);
    });
  }

  function buildLegend() {
    const legend = document.getElementById('legend');
    for (const entry of facts.legend) {
      const item = element('li');
      const swatch = element('span', { class: 'swatch', 'aria-hidden': 'true' });
      swatch.style.backgroundColor = entry.colour;
      item.append(swatch, element('span', { class: 'grade-short' }, entry.gradeShort), element('span', {}, entry.text));
      legend.append(item);
    }
    document.getElementById('fitted-note').textContent = '* ' + facts.outsideNote;
  }

  function crossSection(bar) {
    const width = bar.width * PIXELS_PER_INCH;
    const height = bar.height * PIXELS_PER_INCH;
    const svg = document.createElementNS(SVG, 'svg');
    svg.setAttribute('width', width.toFixed(1));
    svg.setAttribute('height', height.toFixed(1));
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    svg.setAttribute('aria-hidden', 'true');
    const shape = document.createElementNS(SVG, 'ellipse');
    shape.setAttribute('cx', width / 2);
    shape.setAttribute('cy', height / 2);
    shape.setAttribute('rx', width / 2);
    shape.setAttribute('ry', height / 2);
    shape.setAttribute('fill', bar.colour);
    svg.append(shape);
    return svg;
  }

  // A bar's head: its size(s), its grade as a short word (the full wording is
  // in the working shown on hover and focus), for screen readers and in print.
  function barHead(tag, attributes, bar, c) {
    const head = element(tag, { ...attributes, tabindex: '0' });
    for (const caption of bar.captions) head.append(element('span', { class: 'head-size' }, caption));
    const texts = {
      short: element('span', { class: 'grade-short', 'aria-hidden': 'true' }),
      spoken: element('span', { class: 'screen-reader-only' }),
      printed: element('span', { class: 'grade-word print-only', 'aria-hidden': 'true' }),
    };
    head.append(texts.short, texts.spoken, texts.printed);
    head.addEventListener('mouseenter', () => showWorking(c, head));
    head.addEventListener('focus', () => showWorking(c, head));
    head.addEventListener('click', () => showWorking(c, head));
    head.addEventListener('mouseleave', hideWorking);
    head.addEventListener('blur', hideWorking);
    // No grade stands until a run gives one.
    paint(head, facts.noGradeColour);
    return { head, texts };
  }

  function buildTable() {
    const sections = table.querySelector('.sections');
    const headRow = document.getElementById('heads');
    table.querySelector('col.bars').span = facts.bars.length;
    headRow.append(element('th', { scope: 'row', class: 'heads-caption' }, facts.headsCaption));
    facts.bars.forEach((bar, c) => {
      const picture = element('td');
      picture.append(crossSection(bar));
      sections.append(picture);
      const { head, texts } = barHead('th', { scope: 'col' }, bar, c);
      headRow.append(head);
      heads.push([head]);
      headTexts.push([texts]);
    });
    // Two groups of result rows, each under its section row.
    let group = null;
    facts.rowCaptions.forEach((caption, r) => {
      if (r === 0 || r === facts.firstBearingRow) {
        group = element('tbody');
        const section = element('th', { scope: 'rowgroup', colspan: String(facts.bars.length + 1) });
        section.append(element('span', { class: r === 0 ? 'load-section' : 'bearing-section' }, facts.sections[r === 0 ? 0 : 1]));
        group.append(element('tr', { class: 'group' }));
        group.lastChild.append(section);
        table.append(group);
      }
      const row = element('tr', { class: 'result' });
      row.append(element('th', { scope: 'row' }, caption));
      group.append(row);
      const rowCells = [];
      for (let c = 0; c < facts.bars.length; ++c) {
        // The text in a span of its own: hiding the results hides the texts and
        // colours but keeps the table's rules, as on the desktop.
        const cell = element('td', { class: 'cell' });
        const text = element('span');
        cell.append(text);
        row.append(cell);
        rowCells.push([{ cell, text }]);
      }
      cells.push(rowCells);
    });
  }

  // The same results with one row per bar, for screens too narrow for eight
  // columns: every bar readable without scrolling sideways.
  function buildTableByBar() {
    const sections = element('tr', { class: 'sections' });
    sections.append(element('th', { rowspan: '2', scope: 'col', class: 'heads-caption' }, facts.headsCaption));
    const firstBearing = facts.firstBearingRow;
    sections.append(element('th', { scope: 'colgroup', colspan: String(firstBearing) }, facts.sections[0]));
    sections.append(element('th', { scope: 'colgroup', colspan: String(facts.rowCaptions.length - firstBearing), class: 'bearing-section' },
      facts.sections[1]));
    const captions = element('tr');
    facts.rowCaptions.forEach((caption) => captions.append(element('th', { scope: 'col' }, caption)));
    const head = element('thead');
    head.append(sections, captions);
    const body = element('tbody');
    facts.bars.forEach((bar, c) => {
      const row = element('tr', { class: 'result' });
      const made = barHead('th', { scope: 'row' }, bar, c);
      row.append(made.head);
      heads[c].push(made.head);
      headTexts[c].push(made.texts);
      facts.rowCaptions.forEach((_, r) => {
        const cell = element('td', { class: 'cell' });
        const text = element('span');
        cell.append(text);
        row.append(cell);
        cells[r][c].push({ cell, text });
      });
      body.append(row);
    });
    byBar.append(head, body);
  }

  function showWorking(c, head) {
    if (!gradeTexts[c]) return;
    working.textContent = gradeTexts[c] + '\n' + rules.working(c);
    working.hidden = false;
    for (const bar of heads) for (const h of bar) h.removeAttribute('aria-describedby');
    head.setAttribute('aria-describedby', 'working');
    const place = head.getBoundingClientRect();
    const left = Math.min(place.left, document.documentElement.clientWidth - working.offsetWidth - 4);
    working.style.left = Math.max(4, left + window.scrollX) + 'px';
    working.style.top = place.bottom + window.scrollY + 4 + 'px';
  }

  function hideWorking() {
    working.hidden = true;
    for (const bar of heads) for (const h of bar) h.removeAttribute('aria-describedby');
  }

  function setBox(i, colour) {
    boxColours[i] = colour;
    boxes[i].style.backgroundColor = colour;
  }

  // Writes only what changed: most keystrokes change few texts and fewer colours.
  const write = tavrelPages.writeText;

  const painted = new WeakMap();
  function paint(node, colour) {
    if (painted.get(node) === colour) return;
    painted.set(node, colour);
    node.style.backgroundColor = colour;
  }

  // Every box says what was read from it and, when it is refused, why.
  function writeNotes(run) {
    run.boxes.forEach((box, i) => {
      tavrelPages.showRefusal(boxes[i], boxNotes[i].refusal, box.refusal);
      write(boxNotes[i].readAs, box.readAs);
    });
  }

  // While an input is refused no grade stands: neutral heads, no working, no
  // words, and a printout that says the design is incomplete.
  function withdrawGrades() {
    if (gradeTexts.length === 0 && table.classList.contains('hidden-results')) return;
    gradeTexts = [];
    hideWorking();
    heads.forEach((bar, c) => {
      for (const head of bar) paint(head, facts.noGradeColour);
      for (const texts of headTexts[c]) {
        write(texts.short, '');
        write(texts.spoken, '');
        write(texts.printed, '');
      }
    });
    document.getElementById('fitted-note').hidden = true;
    table.classList.add('hidden-results');
    byBar.classList.add('hidden-results');
    document.body.classList.add('incomplete-design');
  }

  function writeGrades(run) {
    gradeTexts = run.cases.map((bar) => bar.gradeText);
    let outside = false;
    run.cases.forEach((bar, c) => {
      const mark = bar.outside ? ' *' : '';
      outside ||= bar.outside;
      for (const head of heads[c]) paint(head, bar.colour);
      for (const texts of headTexts[c]) {
        write(texts.short, bar.gradeShort + mark);
        write(texts.spoken, bar.outside ? `${bar.gradeText}; ${facts.outsideNote}` : bar.gradeText);
        write(texts.printed, bar.gradeWord + mark);
      }
      bar.cells.forEach((cell, row) => {
        for (const node of cells[row][c]) {
          write(node.text, cell.text);
          if (cell.background !== null) paint(node.cell, cell.background);
        }
      });
    });
    const note = document.getElementById('fitted-note');
    if (note.hidden === outside) note.hidden = !outside;
    if (table.classList.contains('hidden-results') || table.classList.contains('not-run')) {
      for (const t of [table, byBar]) t.classList.remove('hidden-results', 'not-run');
      document.body.classList.remove('incomplete-design');
    }
  }

  // One run on the boxes as they read now, written into the page at once.
  function analyse() {
    const run = rules.runDesign(boxes.map((box) => box.value), si);
    lastRun = run;
    writeNotes(run);
    // A box stays red until a run reaches it and finds it in range.
    for (let i = 0; i < run.inputsInRange; ++i) {
      if (boxColours[i] === facts.outOfRangeColour) setBox(i, facts.inRangeColour);
    }
    if (!run.complete) {
      if (run.inputsInRange < boxes.length) setBox(run.inputsInRange, facts.outOfRangeColour);
      withdrawGrades();
      writeIncomplete(run);
    } else {
      writeGrades(run);
    }
    // What else the page shows of a run (the textbook check) follows it.
    document.dispatchEvent(new CustomEvent('tavrel-run', { detail: { rules, facts, run, si } }));
  }

  // What a printout of an incomplete design says instead of grades.
  function writeIncomplete(run) {
    const lines = ['The design is incomplete: no bar is graded.'];
    run.boxes.forEach((box, i) => {
      if (box.refusal) lines.push(`${facts.inputs[i].caption} ${box.refusal}`);
    });
    write(document.getElementById('incomplete'), lines.join('\n'));
  }

  // The units' captions, limits and section caption.
  function showUnits() {
    const units = rules.units(si);
    units.inputs.forEach((input, i) => {
      write(boxNotes[i].units, input.units);
      boxes[i].title = input.tooltip;
    });
    for (const section of document.querySelectorAll('.bearing-section')) write(section, units.bearingSection);
    for (const caption of document.querySelectorAll('.heads-caption')) write(caption, units.headsCaption);
    heads.forEach((bar, c) => {
      for (const head of bar) {
        head.querySelectorAll('.head-size').forEach((size, line) => write(size, units.barCaptions[c][line]));
      }
    });
    document.getElementById(si ? 'units-si' : 'units-us').checked = true;
    return units;
  }

  // The boxes keep their design: each value read is written in the new units.
  function switchUnits(toSi) {
    if (toSi === si) return;
    boxes.forEach((box, i) => {
      const converted = rules.convert(si, toSi, i, box.value);
      if (converted) box.value = converted;
    });
    si = toSi;
    try {
      localStorage.setItem(UNITS_KEY, si ? 'si' : 'us');
    } catch (e) {
      // Without storage (a private window, some file:// pages) the address keeps the units.
    }
    showUnits();
    analyse();
    keepDesignInAddress();
  }

  // The design travels as a link: the command line's option names and the
  // values as read (never the raw text, which may be anything pasted), and the
  // units when they are SI. Browsers ignore address changes beyond about 200 in
  // 10 s (a held-down key makes more), so the address follows at most every
  // 100 ms, and always the last edit. It is written in a task of its own: a
  // history change can take milliseconds, and a keystroke never waits for it.
  const ADDRESS_INTERVAL_MS = 100;
  let addressWritten = -Infinity;
  let addressTimer = 0;

  function keepDesignInAddress() {
    if (addressTimer) return; // the update already due will take the latest values
    const wait = Math.max(0, addressWritten + ADDRESS_INTERVAL_MS - performance.now());
    addressTimer = setTimeout(() => {
      addressTimer = 0;
      writeAddress();
    }, wait);
  }

  function writeAddress() {
    addressWritten = performance.now();
    const query = new URLSearchParams();
    facts.inputs.forEach((input, i) => {
      const box = lastRun.boxes[i];
      query.set(input.option, box.hasNumber ? box.value : '');
    });
    if (si) query.set('units', 'si');
    const address = '?' + query.toString() + location.hash;
    if (address === location.search + location.hash) return;
    try {
      history.replaceState(history.state, '', address);
    } catch (e) {
      // Some browsers refuse to change a file:// address; the page works on.
    }
  }

  // The address's units; a design in an address without them is in US units,
  // as links were before there was a choice (and as tavrel-cli takes them).
  // Only an address without a design takes the units the browser remembers.
  function rememberedUnits(query) {
    if (query.has('units')) return query.get('units') === 'si';
    if (facts.inputs.some((input) => query.has(input.option))) return false;
    try {
      return localStorage.getItem(UNITS_KEY) === 'si';
    } catch (e) {
      return false;
    }
  }

  function fillFromAddress() {
    const query = new URLSearchParams(location.search);
    si = rememberedUnits(query);
    const units = showUnits();
    facts.inputs.forEach((input, i) => {
      boxes[i].value = query.has(input.option) ? plain(query.get(input.option)) : units.inputs[i].text;
    });
    for (const choice of document.querySelectorAll('input[name="units"]')) {
      choice.addEventListener('change', () => switchUnits(choice.value === 'si'));
    }
  }

  // A design opened from a file: its units, and each box's text as typed
  // (null for an input the file leaves out, which takes its default).
  function showDesign(toSi, texts) {
    si = toSi;
    const units = showUnits();
    boxes.forEach((box, i) => {
      box.value = texts[i] === null ? units.inputs[i].text : plain(texts[i]);
    });
    analyse();
    keepDesignInAddress();
  }

  function stampDate() {
    const today = new Date().toLocaleDateString(undefined, { year: 'numeric', month: 'long', day: 'numeric' });
    document.getElementById('printed').textContent = 'Dowel sizing report, ' + today;
  }

  function fail(message) {
    const problem = document.getElementById('problem');
    problem.textContent = message;
    problem.hidden = false;
    document.documentElement.dataset.ready = 'failed';
  }

  if (typeof createTavrel !== 'function') {
    fail('The analysis (tavrel.js) could not be loaded; keep it beside index.html.');
    return;
  }
  tavrelPages.rules().then((module) => {
    rules = module;
    facts = rules.facts();
    document.getElementById('caption').textContent = facts.caption;
    document.getElementById('disclaimer').textContent = facts.disclaimer;
    document.documentElement.style.setProperty('--caption-colour', facts.captionColour);
    buildInputs();
    buildLegend();
    buildTable();
    buildTableByBar();
    document.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') hideWorking();
    });
    fillFromAddress();
    stampDate();
    window.addEventListener('beforeprint', stampDate);
    analyse();
    // A design file (design.js) reads and fills the boxes as they are typed.
    tavrelPages.sizing = {
      design: () => ({ si, texts: boxes.map((box) => box.value) }), show: showDesign, dropFormatCharacters,
    };
    // Shown once the other parts of the page (the design file's buttons) have
    // been built on the same rules, so that nothing in view moves into place.
    setTimeout(() => {
      document.documentElement.dataset.ready = 'true';
      performance.mark('table-filled'); // for the benchmark: navigation to the filled table
    }, 0);
  }, (error) => fail('The analysis could not start: ' + error));

  // Served from a web server, the whole site is kept for use without a network
  // and the page can be installed; a page opened from disk needs neither, and
  // may not even read its manifest (browsers refuse file:// fetches).
  if (location.protocol.startsWith('http')) {
    document.head.append(element('link', { rel: 'manifest', href: 'manifest.webmanifest' }));
  }
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('service-worker.js').catch(() => {
      // Without it the page still works while the server can be reached.
    });
  }
})();
