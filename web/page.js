// The "Dowel Sizing" page: moves texts between the form and the rules compiled
// to WebAssembly (tavrel.js), and writes what comes back into the table. Every
// decision (reading the numbers, the limits, the eight bars, the texts, the
// grades and their colours) is the rules'; this script only writes texts,
// colours and visibility.
'use strict';

(function () {
  const PIXELS_PER_INCH = 34; // the cross-sections are drawn to one scale
  const SVG = 'http://www.w3.org/2000/svg';

  const table = document.getElementById('results');
  const working = document.getElementById('working');
  const boxes = [];
  const boxColours = [];
  const heads = [];
  const headTexts = []; // per bar: the grade for screen readers, and in print
  const cells = []; // cells[row][bar]
  let gradeTexts = []; // per bar, from the last complete run
  let rules = null;
  let facts = null;

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function buildInputs() {
    const form = document.getElementById('inputs');
    form.addEventListener('submit', (event) => event.preventDefault());
    facts.inputs.forEach((input, i) => {
      const id = 'input-' + input.option;
      const row = element('div', { class: 'input-row' });
      row.append(element('label', { for: id }, input.caption));
      const box = element('input', {
        id, name: input.option, type: 'text', inputmode: 'decimal', title: input.tooltip,
        spellcheck: 'false', autocapitalize: 'off', 'aria-describedby': id + '-units',
      });
      box.addEventListener('input', () => {
        analyse();
        keepDesignInAddress();
      });
      row.append(box, element('span', { id: id + '-units', class: 'units' }, input.units));
      form.append(row);
      boxes.push(box);
      boxColours.push(facts.inRangeColour);
    });
  }

  function buildLegend() {
    const legend = document.getElementById('legend');
    for (const entry of facts.legend) {
      const item = element('li');
      const swatch = element('span', { class: 'swatch', 'aria-hidden': 'true' });
      swatch.style.backgroundColor = entry.colour;
      item.append(swatch, element('span', {}, entry.text));
      legend.append(item);
    }
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

  function buildTable() {
    const sections = table.querySelector('.sections');
    const headRow = document.getElementById('heads');
    headRow.append(element('th', { scope: 'row' }, facts.headsCaption));
    facts.bars.forEach((bar, c) => {
      const picture = element('td');
      picture.append(crossSection(bar));
      sections.append(picture);

      const head = element('th', { scope: 'col', tabindex: '0' });
      for (const caption of bar.captions) head.append(element('span', { class: 'head-size' }, caption));
      const spoken = element('span', { class: 'screen-reader-only' });
      const printed = element('span', { class: 'grade-word print-only', 'aria-hidden': 'true' });
      head.append(spoken, printed);
      headTexts.push({ spoken, printed });
      head.addEventListener('mouseenter', () => showWorking(c));
      head.addEventListener('focus', () => showWorking(c));
      head.addEventListener('click', () => showWorking(c));
      head.addEventListener('mouseleave', hideWorking);
      head.addEventListener('blur', hideWorking);
      headRow.append(head);
      heads.push(head);
      // Until a run grades it, a head has the colour the desktop's layout gives it.
      paint(head, facts.legend[0].colour);
    });
    // Two groups of result rows, each under its section row.
    let group = null;
    facts.rowCaptions.forEach((caption, r) => {
      if (r === 0 || r === facts.firstBearingRow) {
        group = element('tbody');
        const section = element('th', { scope: 'rowgroup', colspan: String(facts.bars.length + 1) });
        section.append(element('span', {}, facts.sections[r === 0 ? 0 : 1]));
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
        rowCells.push({ cell, text });
      }
      cells.push(rowCells);
    });
    document.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') hideWorking();
    });
  }

  function showWorking(c) {
    if (!gradeTexts[c]) return;
    working.textContent = gradeTexts[c] + '\n' + rules.working(c);
    working.hidden = false;
    for (const head of heads) head.removeAttribute('aria-describedby');
    heads[c].setAttribute('aria-describedby', 'working');
    const place = heads[c].getBoundingClientRect();
    const left = Math.min(place.left, document.documentElement.clientWidth - working.offsetWidth - 4);
    working.style.left = Math.max(4, left + window.scrollX) + 'px';
    working.style.top = place.bottom + window.scrollY + 4 + 'px';
  }

  function hideWorking() {
    working.hidden = true;
    for (const head of heads) head.removeAttribute('aria-describedby');
  }

  function setBox(i, colour) {
    boxColours[i] = colour;
    boxes[i].style.backgroundColor = colour;
    boxes[i].setAttribute('aria-invalid', colour === facts.outOfRangeColour ? 'true' : 'false');
  }

  // Writes only what changed: most keystrokes change few texts and fewer colours.
  function write(node, text) {
    if (node.firstChild?.nodeValue !== text) node.textContent = text;
  }

  const painted = new WeakMap();
  function paint(node, colour) {
    if (painted.get(node) === colour) return;
    painted.set(node, colour);
    node.style.backgroundColor = colour;
  }

  // One run on the boxes as they read now, written into the page at once.
  function analyse() {
    const run = rules.runDesign(boxes.map((box) => box.value));
    // A box stays red until a run reaches it and finds it in range.
    for (let i = 0; i < run.inputsInRange; ++i) {
      if (boxColours[i] === facts.outOfRangeColour) setBox(i, facts.inRangeColour);
    }
    if (!run.complete) {
      if (run.inputsInRange < boxes.length) setBox(run.inputsInRange, facts.outOfRangeColour);
      table.classList.add('hidden-results');
      return;
    }
    gradeTexts = run.cases.map((bar) => bar.gradeText);
    run.cases.forEach((bar, c) => {
      paint(heads[c], bar.colour);
      write(headTexts[c].spoken, bar.gradeText);
      write(headTexts[c].printed, bar.gradeWord);
      bar.cells.forEach((cell, row) => {
        const node = cells[row][c];
        write(node.text, cell.text);
        if (cell.background !== null) paint(node.cell, cell.background);
      });
    });
    if (table.classList.contains('hidden-results') || table.classList.contains('not-run')) {
      table.classList.remove('hidden-results', 'not-run');
    }
  }

  // The design travels as a link: the command line's option names and the texts as typed.
  // Browsers ignore address changes beyond about 200 in 10 s (a held-down key makes
  // more), so the address follows at most every 100 ms, and always the last edit.
  const ADDRESS_INTERVAL_MS = 100;
  let addressWritten = -Infinity;
  let addressTimer = 0;

  function keepDesignInAddress() {
    if (addressTimer) return; // the update already due will take the latest texts
    const wait = addressWritten + ADDRESS_INTERVAL_MS - performance.now();
    if (wait <= 0) {
      writeAddress();
    } else {
      addressTimer = setTimeout(() => {
        addressTimer = 0;
        writeAddress();
      }, wait);
    }
  }

  function writeAddress() {
    addressWritten = performance.now();
    const query = new URLSearchParams();
    facts.inputs.forEach((input, i) => query.set(input.option, boxes[i].value));
    const address = '?' + query.toString();
    if (address === location.search) return;
    try {
      history.replaceState(null, '', address + location.hash); // the page in view stays
    } catch (e) {
      // Some browsers refuse to change a file:// address; the page works on.
    }
  }

  function fillFromAddress() {
    const query = new URLSearchParams(location.search);
    facts.inputs.forEach((input, i) => {
      boxes[i].value = query.has(input.option) ? query.get(input.option) : input.text;
    });
  }

  function stampDate() {
    const today = new Date().toLocaleDateString(undefined, { year: 'numeric', month: 'long', day: 'numeric' });
    document.getElementById('printed').textContent = 'Dowel sizing report, ' + today;
  }

  function fail(message) {
    const problem = document.getElementById('problem');
    problem.textContent = message;
    problem.hidden = false;
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
    fillFromAddress();
    stampDate();
    window.addEventListener('beforeprint', stampDate);
    analyse();
    document.documentElement.dataset.ready = 'true';
    performance.mark('table-filled'); // for the benchmark: navigation to the filled table
  }, (error) => fail('The analysis could not start: ' + error));
})();
