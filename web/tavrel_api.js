// Appended to the generated module: the binding's answers as plain objects.
// Texts go into the module's heap, not onto its small stack: a box may hold
// whatever was pasted into it.
Module['facts'] = function () {
  return JSON.parse(Module['ccall']('tavrel_facts', 'string', [], []));
};
(function () {
  function withTexts(texts, use) {
    const places = texts.map((text) => {
      const size = Module['lengthBytesUTF8'](text) + 1;
      const place = Module['_malloc'](size);
      Module['stringToUTF8'](text, place, size);
      return place;
    });
    try {
      return Module['UTF8ToString'](use(places));
    } finally {
      places.forEach((place) => Module['_free'](place));
    }
  }
  // The seven texts as typed, in SI units when `si` is true.
  Module['runDesign'] = function (texts, si) {
    return JSON.parse(withTexts(texts, (p) => Module['_tavrel_run'](si ? 1 : 0, ...p)));
  };
  Module['units'] = function (si) {
    return JSON.parse(Module['UTF8ToString'](Module['_tavrel_units'](si ? 1 : 0)));
  };
  // Input `input`'s text as read in one unit system, written in the other.
  Module['convert'] = function (fromSi, toSi, input, text) {
    return withTexts([text], (p) => Module['_tavrel_convert'](fromSi ? 1 : 0, toSi ? 1 : 0, input, p[0]));
  };
  // The textbook check on the last complete run: method 0 (1.0 l) or 1 (1.8 l),
  // and f'c, f_ck and the load share as typed ('' when not given).
  Module['check'] = function (si, method, fc, fck, loadShare) {
    return JSON.parse(withTexts([fc, fck, loadShare],
      (p) => Module['_tavrel_check'](si ? 1 : 0, method, ...p)));
  };
  Module['checkConvert'] = function (fromSi, toSi, text) {
    return withTexts([text], (p) => Module['_tavrel_check_convert'](fromSi ? 1 : 0, toSi ? 1 : 0, p[0]));
  };
  // A design file's bytes (a Uint8Array) read by the rules: { document } or { error }.
  Module['readDesign'] = function (bytes) {
    const place = Module['_malloc'](bytes.length + 1);
    try {
      Module['HEAPU8'].set(bytes, place);
      return JSON.parse(Module['UTF8ToString'](Module['_tavrel_read_design'](place, bytes.length)));
    } finally {
      Module['_free'](place);
    }
  };
  // The file's text for a design given in the file's form: { text } or { error }.
  Module['writeDesign'] = function (design) {
    return JSON.parse(withTexts([JSON.stringify(design)], (p) => Module['_tavrel_write_design'](p[0])));
  };
  Module['plainText'] = function (text) {
    return withTexts([text], (p) => Module['_tavrel_plain_text'](p[0]));
  };
})();
Module['working'] = function (bar) {
  return Module['ccall']('tavrel_working', 'string', ['number'], [bar]);
};
// The "Dowel Spacing" and "About Tavrel" pages.
Module['pagesFacts'] = function () {
  return JSON.parse(Module['ccall']('tavrel_pages_facts', 'string', [], []));
};
Module['figure'] = function (picture) {
  return JSON.parse(Module['ccall']('tavrel_figure', 'string', ['number'], [picture]));
};
Module['chart'] = function (q, d, a, v) {
  return JSON.parse(Module['ccall']('tavrel_chart', 'string', ['number', 'number', 'number', 'number'], [q, d, a, v]));
};
// The evaluation report of a design in the file's form: { report } or { error };
// `check` holds the textbook check's choices as its boxes hold them.
Module['report'] = function (design, made, check) {
  const c = check || {};
  const text = Module['ccall']('tavrel_report', 'string', ['string', 'string', 'number', 'string', 'string', 'string'],
    [JSON.stringify(design), made, c.method || 0, c.fc || '', c.fck || '', c.loadShare || '']);
  return JSON.parse(text);
};
