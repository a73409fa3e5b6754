// The textbook check under the results table: its three added inputs, the
// eight bars' verdicts and, on demand, each bar's chain. Everything shown comes
// from the rules through the binding; the page's own run announces itself with
// a "tavrel-run" event, after which the check follows the same design.
'use strict';

(function () {
  let rules = null;
  let facts = null;
  let si = false;
  let complete = false;
  const boxes = {};
  const notes = {};
  let length = null;
  let section = null;
  let method = null;
  let used = null;
  let verdicts = [];
  let chains = [];
  let lastCheck = null; // the check the page shows, for a chain opened later
  // Whether the design asks for the check: once the user sets any of its
  // inputs, or a design that asks for it is opened. Only then is it saved.
  let asked = false;
  const METHODS = ['friberg', 'friberg-1.8l'];
  const NAMES = { 'check-fc': 'fc', 'check-fck': 'fck', 'check-load-share': 'load-share' };

  function element(tag, attributes, text) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) node.setAttribute(name, value);
    if (text !== undefined) node.textContent = text;
    return node;
  }

  // A bar named in the page's units, as the results table names it. The
  // captions are asked for once per unit system: a keystroke names all eight.
  const captionsBySystem = {};
  function barCaption(c) {
    captionsBySystem[si] ??= rules.units(si).barCaptions.map((lines) => lines.join('x'));
    return captionsBySystem[si][c];
  }

  function barName(c) {
    return `${barCaption(c)} ${si ? 'mm' : 'in.'} ${facts.bars[c].round ? 'round' : 'elliptical'}`;
  }

  // One added input: its label, box, unit and the reason it is refused.
  function inputRow(form, id, caption, unit, placeholder) {
    const row = element('p', { class: 'check-input' });
    const box = element('input', { id, type: 'text', inputmode: 'decimal', placeholder, autocomplete: 'off' });
    box.addEventListener('input', () => {
      tavrelPages.sizing.dropFormatCharacters(box);
      asked = true;
      refresh();
    });
    const note = element('span', { class: 'refusal', 'aria-live': 'polite' });
    box.setAttribute('aria-describedby', id + '-refusal');
    note.id = id + '-refusal';
    const units = element('span', { class: 'units' }, unit);
    row.append(element('label', { for: id }, caption), box, units, note);
    form.append(row);
    boxes[id] = box;
    notes[id] = { refusal: note, units };
  }

  function build() {
    section = element('section', { id: 'check', class: 'check', 'aria-labelledby': 'check-title' });
    section.append(element('h2', { id: 'check-title' }));
    method = element('p', { class: 'check-method' });
    const form = element('form', { class: 'check-inputs', novalidate: '' });
    form.addEventListener('submit', (event) => event.preventDefault());
    const choice = element('p', { class: 'check-input' });
    length = element('select', { id: 'check-length' });
    length.append(element('option', { value: '0' }, 'L = 1.0 l (Tabatabaie et al.)'),
      element('option', { value: '1' }, 'L = 1.8 l (Friberg)'));
    length.addEventListener('change', () => {
      asked = true;
      refresh();
    });
    choice.append(element('label', { for: 'check-length' }, 'Effective length:'), length);
    form.append(choice);
    inputRow(form, 'check-fc', "Concrete strength f'c:", 'psi', 'derived from Ec');
    inputRow(form, 'check-fck', 'or cube strength f_ck:', 'psi', '');
    inputRow(form, 'check-load-share', 'Load carried by the dowels:', '%', '50');
    used = element('ul', { class: 'check-used' });

    const table = element('table', { class: 'check-verdicts' });
    const head = element('tr');
    head.append(element('th', { scope: 'col' }, 'Bar'));
    const verdictRow = element('tr');
    verdictRow.append(element('th', { scope: 'row' }, 'Verdict'));
    const ratioRow = element('tr');
    ratioRow.append(element('th', { scope: 'row' }, 'sigma_b / f_b'));
    // Too narrow for eight columns, the same figures one row per bar.
    const byBar = element('table', { id: 'check-by-bar', class: 'check-verdicts-by-bar' });
    byBar.append(element('thead'), element('tbody'));
    const byBarHead = element('tr');
    for (const caption of ['Bar', 'sigma_b / f_b', 'Verdict']) byBarHead.append(element('th', { scope: 'col' }, caption));
    byBar.tHead.append(byBarHead);
    verdicts = facts.bars.map((_, c) => {
      const caption = barCaption(c);
      head.append(element('th', { scope: 'col', class: 'check-bar' }, caption));
      const wide = { verdict: element('td', { class: 'verdict' }), ratio: element('td') };
      verdictRow.append(wide.verdict);
      ratioRow.append(wide.ratio);
      const narrow = { verdict: element('td', { class: 'verdict' }), ratio: element('td') };
      const row = element('tr');
      row.append(element('th', { scope: 'row', class: 'check-bar' }, caption), narrow.ratio, narrow.verdict);
      byBar.tBodies[0].append(row);
      return [wide, narrow];
    });
    table.append(element('thead'), element('tbody'));
    table.tHead.append(head);
    table.tBodies[0].append(ratioRow, verdictRow);

    const chainList = element('div', { class: 'check-chains' });
    chains = facts.bars.map((_, c) => {
      const details = element('details', { class: 'check-chain' });
      const summary = element('summary');
      const body = element('table');
      details.append(summary, body);
      chainList.append(details);
      const chain = { details, summary, body };
      details.addEventListener('toggle', () => {
        if (lastCheck) writeChain(chain, lastCheck.columns, lastCheck.bars[c], c);
      });
      return chain;
    });
    const scroll = element('div', { class: 'check-scroll' });
    scroll.append(table);
    section.append(method, form, used, scroll, byBar, chainList);
    const after = document.getElementById('fitted-note');
    after.after(section);
  }

  const write = tavrelPages.writeText;

  // The chain of one bar: each step with its value and unit. A closed chain
  // shows only its summary; its steps are written when it is opened, which
  // keeps a keystroke from rewriting 88 hidden cells.
  function writeChain(chain, columns, bar, c) {
    write(chain.summary, `${barName(c)}: ${bar.verdict}`);
    if (!chain.details.open) return;
    if (chain.body.rows.length === 0) {
      for (const column of columns) {
        const row = chain.body.insertRow();
        row.append(element('th', { scope: 'row' }, column.caption), element('td'), element('td'));
      }
    }
    columns.forEach((column, k) => {
      const cells = chain.body.rows[k].cells;
      write(cells[1], bar.chain[k]);
      write(cells[2], column.unit === '-' ? '' : column.unit);
    });
  }

  function refresh() {
    if (!section) return;
    section.hidden = !complete;
    if (!complete) return;
    const check = rules.check(si, Number(length.value), boxes['check-fc'].value, boxes['check-fck'].value,
      boxes['check-load-share'].value);
    lastCheck = check;
    write(section.querySelector('h2'), check.title);
    write(method, check.method);
    ['check-fc', 'check-fck', 'check-load-share'].forEach((id, i) => {
      const refusal = check.refusals[i] || (i < 2 ? check.conflict : '');
      tavrelPages.showRefusal(boxes[id], notes[id].refusal, refusal);
    });
    // Rebuilt only when it changes: most keystrokes leave the check's inputs as they were.
    const usedTexts = check.inputs.map((input) =>
      `${input.caption}: ${input.value}${input.unit ? ' ' + input.unit : ''} (${input.note})`);
    if (usedTexts.join('\n') !== used.dataset.texts) {
      used.dataset.texts = usedTexts.join('\n');
      used.replaceChildren(...usedTexts.map((text) => element('li', {}, text)));
    }
    const ratio = check.columns.length - 2;
    check.bars.forEach((bar, c) => {
      // Each bar's figures stand in the wide table and in the narrow one.
      for (const cells of verdicts[c]) {
        write(cells.verdict, bar.verdict);
        if (cells.verdict.className !== 'verdict ' + bar.verdict) cells.verdict.className = 'verdict ' + bar.verdict;
        write(cells.ratio, bar.chain[ratio]);
      }
      writeChain(chains[c], check.columns, bar, c);
    });
  }

  // The strengths follow a switch of units, as the seven boxes do.
  function switchUnits(toSi) {
    for (const id of ['check-fc', 'check-fck']) {
      if (boxes[id].value) boxes[id].value = rules.checkConvert(si, toSi, boxes[id].value);
      write(notes[id].units, toSi ? 'MPa' : 'psi');
    }
    si = toSi;
    // Each bar appears once in the wide table and once in the narrow one.
    document.querySelectorAll('.check-bar').forEach((head, i) => write(head, barCaption(i % facts.bars.length)));
  }

  // What a saved design keeps of the check (nothing when it is not asked
  // for), and a design's check put into the controls.
  if (typeof tavrelPages === 'object') {
    tavrelPages.check = {
      state() {
        if (!asked || !section) return null;
        const inputs = {};
        for (const [id, name] of Object.entries(NAMES)) if (boxes[id].value) inputs[name] = boxes[id].value;
        return { method: METHODS[Number(length.value)], inputs };
      },
      show(design) {
        if (!section) return;
        asked = METHODS.includes(design.check);
        length.value = String(Math.max(0, METHODS.indexOf(design.check)));
        for (const [id, name] of Object.entries(NAMES)) {
          boxes[id].value = design.inputs[name] ?? '';
          tavrelPages.sizing.dropFormatCharacters(boxes[id]);
        }
        refresh();
      },
    };
  }

  document.addEventListener('tavrel-run', (event) => {
    const detail = event.detail;
    if (!rules) {
      rules = detail.rules;
      facts = detail.facts;
      build();
    }
    if (detail.si !== si) switchUnits(detail.si);
    complete = detail.run.complete;
    refresh();
  });
})();
