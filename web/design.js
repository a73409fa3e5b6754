// A design as a file on the "Dowel Sizing" page: "Open..." (or a file dropped
// on the page) and "Save...", which downloads "<project or design>.tavrel", and
// the project details the file keeps. The rules read and write the file, as
// they do for the window and tavrel-cli; this script only moves values.
'use strict';

(function () {
  const DETAILS = [
    ['project', 'Project:'], ['location', 'Location or route:'], ['joint', 'Joint or section:'],
    ['engineer', 'Engineer:'], ['checker', 'Checker:'], ['revision', 'Revision:'], ['notes', 'Notes:'],
  ];
  const MAX_TEXT = 1000;
  const MAX_BYTES = 1024 * 1024;
  let rules = null;
  let options = null; // the inputs' option names, in box order
  const fields = {};
  let message = null;

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function say(text, failed) {
    message.textContent = text;
    message.classList.toggle('failed', Boolean(failed));
    message.hidden = !text;
  }

  function build(page) {
    const bar = element('div', { class: 'design-file' });
    const picker = element('input', { type: 'file', id: 'design-picker', accept: '.tavrel,application/json', hidden: '' });
    const open = element('button', { type: 'button', id: 'design-open' }, 'Open...');
    const save = element('button', { type: 'button', id: 'design-save' }, 'Save...');
    open.addEventListener('click', () => picker.click());
    picker.addEventListener('change', () => {
      if (picker.files.length) openFile(picker.files[0]);
      picker.value = ''; // the same file again is a new choice
    });
    save.addEventListener('click', saveDesign);
    message = element('p', { id: 'design-message', class: 'design-message', role: 'status', hidden: '' });

    const details = element('details', { class: 'design-details', id: 'design-details' });
    details.append(element('summary', {}, 'Project details'));
    const form = element('div', { class: 'design-details-form' });
    for (const [name, caption] of DETAILS) {
      const id = 'detail-' + name;
      const field = element(name === 'notes' ? 'textarea' : 'input', { id, name, maxlength: String(MAX_TEXT) });
      if (name !== 'notes') field.type = 'text';
      form.append(element('label', { for: id }, caption), field);
      fields[name] = field;
    }
    details.append(form);
    bar.append(open, save, picker, details);
    page.querySelector('.page-name').after(bar, message);
  }

  function currentDesign() {
    const sizing = tavrelPages.sizing.design();
    const spacing = tavrelPages.spacing?.choices();
    const design = { format: 'tavrel-design', version: 1, units: sizing.si ? 'si' : 'us', inputs: {}, project: {} };
    options.forEach((name, i) => { design.inputs[name] = sizing.texts[i]; });
    for (const [name] of DETAILS) design.project[name] = fields[name].value;
    const check = tavrelPages.check?.state();
    if (check) {
      design.check = check.method;
      Object.assign(design.inputs, check.inputs);
    }
    if (spacing) {
      design['spacing-page'] = {
        'analysis-type': spacing.type, 'corner-spacing': spacing.layouts[0], 'number-of-dowels': spacing.layouts[1],
        'spacing-alternative': spacing.layouts[2], 'dowel-selection': spacing.dowel, 'plotted-quantity': spacing.plot,
      };
    }
    return design;
  }

  function saveDesign() {
    const written = rules.writeDesign(currentDesign());
    if (written.error) {
      say('The design could not be saved: ' + written.error, true);
      return;
    }
    const link = element('a', { download: written.name });
    link.href = URL.createObjectURL(new Blob([written.text], { type: 'application/json' }));
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    say('');
  }

  function showDesign(design) {
    tavrelPages.sizing.show(design.units === 'si', options.map((name) => design.inputs[name] ?? null));
    for (const [name] of DETAILS) fields[name].value = design.project[name];
    tavrelPages.check?.show(design);
    const page = design['spacing-page'];
    tavrelPages.spacing?.show({
      type: page['analysis-type'],
      layouts: [page['corner-spacing'], page['number-of-dowels'], page['spacing-alternative']],
      dowel: page['dowel-selection'], plot: page['plotted-quantity'],
    });
  }

  async function openFile(file) {
    // Only as much as a design may have, plus one byte for the rules to refuse.
    const bytes = new Uint8Array(await file.slice(0, MAX_BYTES + 1).arrayBuffer());
    const reading = rules.readDesign(bytes);
    if (reading.error) {
      say(`${file.name}: ${reading.error}`, true);
      return;
    }
    showDesign(reading.document);
    say('Opened ' + file.name + '.');
  }

  function acceptDrops() {
    const carriesFiles = (event) => Array.from(event.dataTransfer?.types || []).includes('Files');
    document.addEventListener('dragover', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = 'copy';
    });
    document.addEventListener('drop', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      if (event.dataTransfer.files.length) openFile(event.dataTransfer.files[0]);
    });
  }

  if (typeof createTavrel !== 'function') return; // the sizing page says what is missing
  tavrelPages.rules().then((module) => {
    rules = module;
    options = rules.facts().inputs.map((input) => input.option);
    build(document.getElementById('sizing-page'));
    acceptDrops();
    document.getElementById('sizing-page').dataset.designReady = 'true';
  });
})();
