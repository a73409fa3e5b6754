// "Report" on the "Dowel Sizing" page: the whole evaluation report of the
// page's design, built by the rules in the page (the same content as the
// window's PDF) and drawn here as HTML with SVG charts, ready for the browser's
// Print / Save as PDF. This script only draws what the rules wrote.
'use strict';

(function () {
  const SVG = 'http://www.w3.org/2000/svg';
  let rules = null;
  let view = null;

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function svg(tag, attributes, text) {
    const e = document.createElementNS(SVG, tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, String(value));
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // ---- Charts --------------------------------------------------------------
  const W = 340, H = 230;
  const PLOT = { left: 46, right: W - 48, top: 26, bottom: H - 70 };

  function niceStep(span, ticks) {
    const raw = span / ticks;
    const magnitude = Math.pow(10, Math.floor(Math.log10(raw)));
    for (const m of [1, 2, 2.5, 5]) if (m * magnitude >= raw) return m * magnitude;
    return 10 * magnitude;
  }

  function tickText(value, step) {
    const decimals = step >= 1 ? 0 : Math.ceil(-Math.log10(step) - 1e-9);
    if (Math.abs(value) < step * 1e-6) value = 0;
    return value.toLocaleString('en-US', { minimumFractionDigits: decimals, maximumFractionDigits: decimals });
  }

  function ticks(low, high, count) {
    const step = niceStep(high - low, count);
    const out = [];
    for (let v = Math.ceil(low / step - 1e-9) * step; v <= high + step * 1e-6; v += step) out.push(v);
    return { step, values: out };
  }

  function drawChart(chart) {
    const box = svg('svg', { viewBox: `0 0 ${W} ${H}`, class: 'report-chart', role: 'img', 'aria-label': chart.title });
    let top = chart.yCeiling;
    for (const s of chart.series) for (const y of s.y) if (y !== null) top = Math.max(top, y);
    const yTicks = ticks(chart.yFloor, top, 5);
    const yHigh = Math.ceil(top / yTicks.step) * yTicks.step;
    const xLow = chart.x[0], xHigh = chart.x[chart.x.length - 1];
    const toX = (v) => PLOT.left + (v - xLow) / (xHigh - xLow) * (PLOT.right - PLOT.left);
    const toY = (v) => PLOT.bottom - (v - chart.yFloor) / (yHigh - chart.yFloor) * (PLOT.bottom - PLOT.top);
    const clampY = (v) => Math.min(Math.max(v, chart.yFloor), yHigh);

    box.append(svg('text', { x: 0, y: 10, class: 'chart-title' }, chart.title));
    for (const band of chart.bands) {
      const from = clampY(band.from === null ? -Infinity : band.from);
      const to = clampY(band.to === null ? Infinity : band.to);
      if (to <= from) continue;
      box.append(svg('rect', { x: PLOT.left, y: toY(to), width: PLOT.right - PLOT.left, height: toY(from) - toY(to), fill: band.colour, 'fill-opacity': 0.28 }));
    }
    for (const [from, to] of chart.outsideFitted) {
      box.append(svg('rect', { x: toX(from), y: PLOT.top, width: Math.max(toX(to) - toX(from), 1), height: PLOT.bottom - PLOT.top, class: 'outside-fitted' }));
    }
    for (const v of yTicks.values.filter((v) => v <= yHigh)) {
      box.append(svg('line', { x1: PLOT.left, x2: PLOT.right, y1: toY(v), y2: toY(v), class: 'grid' }));
      box.append(svg('text', { x: PLOT.left - 3, y: toY(v) + 3, class: 'tick', 'text-anchor': 'end' }, tickText(v, yTicks.step)));
    }
    const xTicks = ticks(xLow, xHigh, 5);
    for (const v of xTicks.values) {
      box.append(svg('line', { x1: toX(v), x2: toX(v), y1: PLOT.top, y2: PLOT.bottom, class: 'grid' }));
      box.append(svg('text', { x: toX(v), y: PLOT.bottom + 10, class: 'tick', 'text-anchor': 'middle' }, tickText(v, xTicks.step)));
    }
    for (const s of chart.series) {
      let d = '';
      let drawing = false;
      s.y.forEach((y, i) => {
        if (y === null) { drawing = false; return; }
        d += `${drawing ? 'L' : 'M'}${toX(chart.x[i]).toFixed(2)},${toY(clampY(y)).toFixed(2)}`;
        drawing = true;
      });
      box.append(svg('path', { d, stroke: s.colour, class: s.dashed ? 'curve dashed' : 'curve' }));
    }
    // Limit labels in the right margin, pushed apart when close.
    let last = Infinity;
    for (const limit of [...chart.limits].sort((a, b) => a.y - b.y)) {
      if (limit.y < chart.yFloor || limit.y > yHigh) continue;
      const y = toY(limit.y);
      box.append(svg('line', { x1: PLOT.left, x2: PLOT.right + 2, y1: y, y2: y, class: 'limit' }));
      const labelY = Math.min(y, last - 9);
      last = labelY;
      box.append(svg('text', { x: PLOT.right + 4, y: labelY + 3, class: 'tick' }, limit.label));
    }
    box.append(svg('rect', { x: PLOT.left, y: PLOT.top, width: PLOT.right - PLOT.left, height: PLOT.bottom - PLOT.top, class: 'frame' }));
    // The design's value: kept inside the frame, marked above it, labelled there.
    const dx = Math.min(Math.max(toX(chart.designX), PLOT.left + 1.5), PLOT.right - 1.5);
    box.append(svg('line', { x1: dx, x2: dx, y1: PLOT.top, y2: PLOT.bottom, class: 'design' }));
    box.append(svg('path', { d: `M${dx},${PLOT.top}l-3,-5h6z`, class: 'design-mark' }));
    const left = dx > (PLOT.left + PLOT.right) / 2;
    box.append(svg('text', { x: left ? dx - 5 : dx + 5, y: PLOT.top - 4, class: 'tick', 'text-anchor': left ? 'end' : 'start' }, chart.designLabel));
    box.append(svg('text', { x: (PLOT.left + PLOT.right) / 2, y: PLOT.bottom + 22, class: 'axis', 'text-anchor': 'middle' }, chart.xLabel));
    box.append(svg('text', { x: 0, y: 0, class: 'axis', 'text-anchor': 'middle', transform: `translate(9,${(PLOT.top + PLOT.bottom) / 2}) rotate(-90)` }, chart.yLabel));
    chart.series.forEach((s, i) => {
      const x = (i % 4) * (W / 4), y = PLOT.bottom + 34 + Math.floor(i / 4) * 11;
      box.append(svg('line', { x1: x, x2: x + 14, y1: y - 3, y2: y - 3, stroke: s.colour, class: s.dashed ? 'curve dashed' : 'curve' }));
      box.append(svg('text', { x: x + 17, y, class: 'tick' }, s.name));
    });
    return box;
  }

  // ---- Blocks --------------------------------------------------------------
  function pairs(block) {
    const table = element('table', { class: block.indented ? 'report-pairs indented' : 'report-pairs' });
    for (const [label, value] of block.rows) {
      const row = element('tr');
      row.append(element('th', {}, label), element('td', {}, value));
      table.append(row);
    }
    return table;
  }

  function resultsTable(block) {
    const table = element('table', { class: 'report-results' });
    const head = element('tr');
    head.append(element('th', {}, block.headsCaption));
    for (const h of block.heads) {
      const cell = element('th');
      cell.style.backgroundColor = h.colour; // the page's policy allows no style attributes
      h.lines.forEach((line, i) => { if (i) cell.append(element('br')); cell.append(line); });
      head.append(cell);
    }
    table.append(head);
    block.rows.forEach((row, r) => {
      const tr = element('tr', { class: row.group ? 'group' : r === block.rows.length - 1 ? 'grade' : '' });
      tr.append(element('th', {}, row.caption));
      if (row.group) tr.append(element('td', { colspan: String(block.heads.length) }));
      for (const cell of row.cells || []) {
        const td = element('td', {}, cell.text);
        if (cell.colour) td.style.backgroundColor = cell.colour;
        tr.append(td);
      }
      table.append(tr);
    });
    return table;
  }

  function grid(block) {
    const table = element('table', { class: 'report-grid' });
    const head = element('tr');
    for (const caption of block.head) head.append(element('th', {}, caption));
    table.append(head);
    for (const row of block.rows) {
      const tr = element('tr');
      for (const text of row) tr.append(element('td', {}, text));
      table.append(tr);
    }
    return table;
  }

  function signOff(block) {
    const table = element('table', { class: 'report-signoff' });
    const head = element('tr');
    head.append(element('th'));
    for (const caption of block.columns) head.append(element('th', {}, caption));
    table.append(head);
    for (const role of block.roles) {
      const tr = element('tr');
      tr.append(element('th', {}, role));
      for (let c = 0; c < block.columns.length; ++c) tr.append(element('td'));
      table.append(tr);
    }
    return table;
  }

  function drawBlock(block) {
    switch (block.kind) {
      case 'paragraph': return element('p', { class: 'report-' + block.style }, block.text);
      case 'pairs': return pairs(block);
      case 'table': return resultsTable(block);
      case 'grid': return grid(block);
      case 'signOff': return signOff(block);
      case 'working': {
        const div = element('div', { class: 'report-working' });
        div.append(element('p', { class: 'report-strong' }, block.bar));
        for (const line of block.lines) div.append(element('p', {}, line));
        return div;
      }
      case 'legend': {
        const list = element('ul', { class: 'report-legend' });
        for (const [colour, words] of block.entries) {
          const item = element('li');
          const swatch = element('span', { class: 'swatch' });
          swatch.style.backgroundColor = colour;
          item.append(swatch, words);
          list.append(item);
        }
        return list;
      }
      case 'charts': {
        const div = element('div', { class: 'report-charts' });
        div.append(drawChart(block.left), drawChart(block.right));
        return div;
      }
    }
    return element('div');
  }

  function drawReport(report) {
    const article = element('article', { class: 'report-document' });
    // A table whose foot the browser repeats at the bottom of every printed
    // page: the project, its revision and the program on each one.
    const pages = element('table', { class: 'report-pages' });
    const foot = element('tfoot');
    const footRow = element('tr');
    footRow.append(element('td', { class: 'report-footer' }, report.footer));
    foot.append(footRow);
    const body = element('tbody');
    const bodyRow = element('tr');
    const content = element('td');
    content.append(element('h1', {}, report.title), element('p', { class: 'report-subtitle' }, report.subtitle));
    for (const section of report.sections) {
      const part = element('section', { class: section.startsPage ? 'report-section starts-page' : 'report-section' });
      if (section.heading) part.append(element('h2', {}, section.heading));
      for (const block of section.blocks) part.append(drawBlock(block));
      content.append(part);
    }
    bodyRow.append(content);
    body.append(bodyRow);
    pages.append(foot, body);
    article.append(pages);
    return article;
  }

  // ---- The view ------------------------------------------------------------
  function currentDesign() {
    const sizing = tavrelPages.sizing.design();
    const options = rules.facts().inputs.map((input) => input.option);
    const design = { format: 'tavrel-design', version: 1, units: sizing.si ? 'si' : 'us', inputs: {}, project: {} };
    options.forEach((name, i) => { design.inputs[name] = sizing.texts[i]; });
    for (const name of ['project', 'location', 'joint', 'engineer', 'checker', 'revision', 'notes']) {
      const field = document.getElementById('detail-' + name);
      design.project[name] = field ? field.value : '';
    }
    return design;
  }

  function madeNow() {
    const d = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())} ${two(d.getHours())}:${two(d.getMinutes())}`;
  }

  function close() {
    view.hidden = true;
    document.body.classList.remove('reporting');
    // Hiding the view drops the focus on the page: a keyboard user goes on from "Report".
    document.getElementById('report-open')?.focus();
  }

  function openReport() {
    const value = (id) => document.getElementById(id)?.value || '';
    const check = { method: Number(value('check-length')), fc: value('check-fc'), fck: value('check-fck'), loadShare: value('check-load-share') };
    const answer = rules.report(currentDesign(), madeNow(), check);
    const content = view.querySelector('.report-content');
    content.replaceChildren();
    if (answer.error) {
      content.append(element('p', { class: 'problem' }, 'No report: ' + answer.error));
    } else {
      content.append(drawReport(answer.report));
    }
    view.hidden = false;
    document.body.classList.add('reporting');
    view.querySelector('#report-print').focus();
  }

  function build() {
    view = element('section', { id: 'report-view', class: 'report-view', 'aria-label': 'Report', hidden: '' });
    const bar = element('div', { class: 'report-bar' });
    const print = element('button', { type: 'button', id: 'report-print' }, 'Print / Save as PDF');
    const done = element('button', { type: 'button', id: 'report-close' }, 'Close');
    print.addEventListener('click', () => window.print());
    done.addEventListener('click', close);
    bar.append(print, done);
    view.append(bar, element('div', { class: 'report-content' }));
    document.body.append(view);
    document.addEventListener('keydown', (event) => { if (event.key === 'Escape' && !view.hidden) close(); });
    const button = element('button', { type: 'button', id: 'report-open' }, 'Report');
    button.addEventListener('click', openReport);
    const files = document.querySelector('.design-file');
    if (files) files.append(button);
    else document.getElementById('sizing-page').querySelector('.page-name').after(button);
  }

  if (typeof createTavrel !== 'function') return;
  tavrelPages.rules().then((module) => {
    rules = module;
    // After the design bar, so that "Report" stands beside "Open..." and "Save...".
    const place = () => {
      if (document.getElementById('sizing-page').dataset.designReady === 'true') build();
      else setTimeout(place, 20);
    };
    place();
    window.tavrelReport = { open: openReport, draw: drawReport, design: currentDesign };
  });
})();
