// The "Dowel Spacing" page: the analysis type, its layout variants, the dowel
// and the plotted quantity; the two layout drawings and the two-bar chart. The
// rules give every caption, figure, value, height and percentage; this script
// lays them out and keeps the choices in the address.
'use strict';

(function () {
  const SVG = 'http://www.w3.org/2000/svg';
  const PIXELS_PER_INCH = 26; // the six dowel pictures, all to one scale
  const CHART_SPAN = 2800; // bar heights (2500 at full scale) within the plot's height
  // The choices the page opens with, as the window makes them at start-up.
  const START = { type: 0, layout: 1, dowel: 1, plot: 0 };

  const panel = document.getElementById('spacing-page');
  let rules = null;
  let facts = null;
  const choice = { type: START.type, layouts: [START.layout, START.layout, START.layout], dowel: START.dowel, plot: START.plot };
  const view = {};
  const figures = new Map(); // picture -> its SVG, drawn once

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function svgElement(tag, attributes) {
    const e = document.createElementNS(SVG, tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    return e;
  }

  // ---- the layout figures, as the rules describe them ------------------------

  function paintAttributes(mark, fill, defs, id) {
    const attributes = {};
    if (mark.stroke) {
      attributes.stroke = mark.stroke;
      attributes['stroke-width'] = mark.strokeWidth;
      if (mark.dashed) attributes['stroke-dasharray'] = `${4 * mark.strokeWidth} ${2 * mark.strokeWidth}`;
    }
    if (fill === null || typeof fill === 'string') {
      attributes.fill = fill || 'none';
    } else {
      const [[x1, y1], [x2, y2]] = fill.from;
      const gradient = svgElement('linearGradient', { id, gradientUnits: 'userSpaceOnUse', x1, y1, x2, y2 });
      for (const [offset, colour] of fill.stops) gradient.append(svgElement('stop', { offset, 'stop-color': colour }));
      defs.append(gradient);
      attributes.fill = `url(#${id})`;
    }
    return attributes;
  }

  function markElement(mark, defs, id) {
    const p = mark.points;
    if (mark.kind === 'label') {
      const text = svgElement('text', {
        x: (p[0][0] + p[1][0]) / 2, y: (p[0][1] + p[1][1]) / 2, 'font-size': mark.size, fill: mark.stroke,
      });
      text.textContent = mark.text;
      return text;
    }
    const attributes = paintAttributes(mark, mark.kind === 'line' ? null : mark.fill, defs, id);
    if (mark.kind === 'polygon') attributes.points = p.map((q) => q.join(',')).join(' ');
    if (mark.kind === 'rect') Object.assign(attributes, { x: p[0][0], y: p[0][1], width: p[1][0] - p[0][0], height: p[1][1] - p[0][1] });
    if (mark.kind === 'ellipse') Object.assign(attributes, { cx: p[0][0], cy: p[0][1], rx: mark.rx, ry: mark.ry });
    if (mark.kind === 'line') Object.assign(attributes, { x1: p[0][0], y1: p[0][1], x2: p[1][0], y2: p[1][1] });
    return svgElement(mark.kind, attributes);
  }

  function describeFigure(figure) {
    const d = figure.distances;
    if (figure.dowelAxes.length === 1 && d.length === 1) return `Corner dowel ${d[0]} inches from the slab edge`;
    return `${figure.dowelAxes.length} dowels across the lane, spaced ${d.join(', ')} inches from edge to edge`;
  }

  function drawFigure(picture) {
    const figure = rules.figure(picture);
    const svg = svgElement('svg', {
      class: 'figure', viewBox: `0 0 ${figure.width} ${figure.height}`, role: 'img',
      'aria-label': describeFigure(figure), 'data-picture': picture,
      'data-face': `${figure.faceLeft} ${figure.faceRight}`,
    });
    svg.style.setProperty('--figure-width', figure.width);
    const defs = svgElement('defs');
    svg.append(defs);
    const dowels = [];
    figure.marks.forEach((mark, i) => {
      const shape = markElement(mark, defs, `figure${picture}-${i}`);
      if (mark.dowel === undefined) {
        svg.append(shape);
        return;
      }
      if (!dowels[mark.dowel]) {
        dowels[mark.dowel] = svgElement('g', { class: 'dowel' });
        svg.append(dowels[mark.dowel]);
      }
      dowels[mark.dowel].append(shape);
    });
    return svg;
  }

  function figureOf(picture) {
    if (!figures.has(picture)) figures.set(picture, drawFigure(picture));
    // One picture may stand in both places (the baseline in type 2, v = 0).
    const svg = figures.get(picture);
    return svg.isConnected ? svg.cloneNode(true) : svg;
  }

  // ---- building the page -----------------------------------------------------------

  function radioGroup(name, legend, captions, onChoose) {
    const set = element('fieldset', { class: 'choice-group' });
    set.append(element('legend', {}, legend));
    const buttons = captions.map((caption, i) => {
      const label = element('label', { class: 'choice' });
      const button = element('input', { type: 'radio', name, value: String(i) });
      button.addEventListener('change', () => onChoose(i));
      label.append(button, document.createTextNode(caption));
      set.append(label);
      return button;
    });
    return { set, buttons };
  }

  function dowelPictures() {
    const row = element('div', { class: 'dowel-pictures', 'aria-hidden': 'true' });
    view.dowelPictures = facts.dowels.map((dowel) => {
      const width = dowel.width * PIXELS_PER_INCH;
      const height = dowel.height * PIXELS_PER_INCH;
      const item = element('span', { class: 'dowel-picture' });
      const svg = svgElement('svg', { width, height, viewBox: `0 0 ${width} ${height}` });
      svg.append(svgElement('ellipse', { cx: width / 2, cy: height / 2, rx: width / 2, ry: height / 2, fill: dowel.colour }));
      // The marker under the chosen dowel: an arrow head pointing up at it.
      const marker = svgElement('svg', { class: 'marker', width: 24, height: 18, viewBox: '0 0 24 18' });
      marker.append(svgElement('path', { d: 'M2 16 12 4l10 12-10-6z', fill: '#000' }));
      item.append(svg, marker);
      row.append(item);
      return item;
    });
    return row;
  }

  function buildChoices() {
    const column = element('div', { class: 'spacing-choices' });
    const types = radioGroup('analysis-type', 'Analysis Type', facts.types.map((t) => t.caption), (a) => {
      choice.type = a;
      update();
    });
    view.typeButtons = types.buttons;
    column.append(types.set);
    view.variantSets = [];
    view.variantButtons = facts.types.map((type, a) => {
      const group = radioGroup('layout-' + a, type.frameCaption, type.variants, (v) => {
        choice.layouts[a] = v;
        update();
      });
      view.variantSets.push(group.set);
      column.append(group.set);
      return group.buttons;
    });

    const selection = element('fieldset', { class: 'choice-group dowel-selection' });
    selection.append(element('legend', {}, 'Dowel Selection'));
    const line = element('div', { class: 'dowel-line' });
    view.dowelList = element('select', { id: 'spacing-dowel' });
    facts.dowels.forEach((dowel, d) => view.dowelList.append(element('option', { value: String(d) }, dowel.caption)));
    view.dowelList.addEventListener('change', () => {
      choice.dowel = view.dowelList.selectedIndex;
      update();
    });
    view.slabClass = element('span', { class: 'slab-class', id: 'slab-class' });
    line.append(element('label', { for: 'spacing-dowel' }, 'Dowel Size/Shape:'), view.dowelList, view.slabClass);
    view.dowelList.setAttribute('aria-describedby', 'slab-class');
    selection.append(line, dowelPictures());
    column.append(selection);
    return column;
  }

  function buildDrawings() {
    const column = element('div', { class: 'spacing-drawings' });
    view.slots = ['Baseline Configuration', 'Alternative Configuration'].map((title, i) => {
      const slot = element('figure', { class: 'drawing ' + (i === 0 ? 'baseline' : 'alternative') });
      const holder = element('div', { class: 'drawing-picture' });
      slot.append(holder, element('figcaption', {}, title));
      column.append(slot);
      return holder;
    });
    return column;
  }

  function barColumn(kind) {
    const column = element('div', { class: 'bar-column ' + kind });
    const value = element('span', { class: 'bar-value' });
    const bar = element('div', { class: 'bar' });
    column.append(value, bar);
    return { column, value, bar };
  }

  function buildChart() {
    const area = element('div', { class: 'spacing-chart' });
    const plot = element('div', { class: 'plot-choice' });
    view.plotList = element('select', { id: 'spacing-plot' });
    facts.quantities.forEach((item, q) => view.plotList.append(element('option', { value: String(q) }, item)));
    view.plotList.addEventListener('change', () => {
      choice.plot = view.plotList.selectedIndex;
      update();
    });
    plot.append(element('label', { for: 'spacing-plot' }, 'Plot:'), view.plotList);
    view.savings = element('p', { class: 'savings', hidden: '' });
    view.savingsText = element('output', { id: 'savings' });
    view.savings.append(element('span', {}, 'Steel Savings:'), view.savingsText);

    const chart = element('div', { class: 'chart', role: 'group', 'aria-labelledby': 'chart-summary' });
    view.axisTitle = element('p', { class: 'axis-title', 'aria-hidden': 'true' });
    const bars = element('div', { class: 'bars', 'aria-hidden': 'true' });
    view.bars = [barColumn('baseline'), barColumn('alternative')];
    view.percent = element('span', { class: 'percent' });
    view.bars[1].bar.append(view.percent);
    bars.append(view.bars[0].column, view.bars[1].column);
    const captions = element('div', { class: 'bar-captions', 'aria-hidden': 'true' });
    view.captions = ['baseline', 'alternative'].map((kind) => {
      const caption = element('p', { class: kind });
      const lines = [element('span'), element('span')];
      caption.append(...lines);
      captions.append(caption);
      return lines;
    });
    view.captions[0][1].textContent = facts.baselineSubCaption;
    // What the bars show, in words, for readers who do not see them.
    view.summary = element('p', { id: 'chart-summary', class: 'screen-reader-only', 'aria-live': 'polite' });
    chart.append(view.axisTitle, bars, captions, view.summary);
    area.append(plot, view.savings, chart);
    return area;
  }

  // ---- following the choices -------------------------------------------------------

  function showPicture(holder, picture) {
    if (holder.dataset.picture === String(picture)) return;
    holder.dataset.picture = String(picture);
    holder.replaceChildren(figureOf(picture));
  }

  function showChart(chart) {
    const values = [chart.baseline, chart.alternative];
    view.axisTitle.replaceChildren(...chart.axisTitle.map((word) => element('span', {}, word)));
    values.forEach((value, i) => {
      view.bars[i].value.textContent = value.text;
      view.bars[i].bar.style.height = (100 * value.height / CHART_SPAN).toFixed(3) + '%';
    });
    view.percent.textContent = chart.percent;
    view.captions[0][0].textContent = chart.baselineCaption;
    view.captions[1][0].textContent = chart.alternativeCaption;
    view.captions[1][1].textContent = chart.alternativeSubCaption;
    const title = chart.axisTitle.join(' ');
    view.summary.textContent = `${title}: ${chart.baselineCaption} ${facts.baselineSubCaption} ${chart.baseline.text}; ` +
      `${chart.alternativeCaption} ${chart.alternativeSubCaption} ${chart.alternative.text}; change ${chart.percent}`;
  }

  function update() {
    const a = choice.type;
    const v = choice.layouts[a];
    view.typeButtons[a].checked = true;
    view.variantSets.forEach((set, i) => { set.hidden = i !== a; });
    view.variantButtons.forEach((buttons, i) => { buttons[choice.layouts[i]].checked = true; });
    view.dowelList.selectedIndex = choice.dowel;
    view.plotList.selectedIndex = choice.plot;
    view.slabClass.textContent = facts.dowels[choice.dowel].slabClass;
    view.dowelPictures.forEach((item, d) => item.classList.toggle('chosen', d === choice.dowel));

    const scenario = facts.types[a].scenarios[v];
    showPicture(view.slots[0], scenario.baseline);
    showPicture(view.slots[1], scenario.alternative);
    view.savings.hidden = scenario.savings === null;
    if (scenario.savings !== null) view.savingsText.textContent = scenario.savings;
    showChart(rules.chart(choice.plot, choice.dowel, a, v));
    tavrelPages.keepState('spacing', new URLSearchParams({ type: a, layout: v, dowel: choice.dowel, plot: choice.plot }));
  }

  // A choice from the address, if it names one of the list's items.
  function index(state, name, count, fallback) {
    const text = state.get(name);
    return text !== null && /^[0-9]$/.test(text) && Number(text) < count ? Number(text) : fallback;
  }

  function followState(state) {
    choice.type = index(state, 'type', facts.types.length, choice.type);
    choice.layouts[choice.type] = index(state, 'layout', facts.types[choice.type].variants.length, choice.layouts[choice.type]);
    choice.dowel = index(state, 'dowel', facts.dowels.length, choice.dowel);
    choice.plot = index(state, 'plot', facts.quantities.length, choice.plot);
    update();
  }

  if (typeof createTavrel !== 'function') return; // the sizing page says what is missing
  tavrelPages.rules().then((module) => {
    rules = module;
    facts = rules.pagesFacts();
    const layout = element('div', { class: 'spacing-layout' });
    layout.append(buildChoices(), buildDrawings(), buildChart());
    panel.append(layout);
    followState(tavrelPages.state('spacing'));
    tavrelPages.onState('spacing', followState);
    // A design file (design.js) keeps and makes the page's choices.
    tavrelPages.spacing = {
      choices: () => ({ ...choice, layouts: [...choice.layouts] }),
      show(choices) {
        Object.assign(choice, choices);
        update();
      },
    };
    panel.dataset.ready = 'true';
  });
})();
