// Appended to the generated module: the binding's answers as plain objects.
Module['facts'] = function () {
  return JSON.parse(Module['ccall']('tavrel_facts', 'string', [], []));
};
Module['runDesign'] = (function () {
  let run = null;
  return function (texts) {
    run = run || Module['cwrap']('tavrel_run', 'string', Array(7).fill('string'));
    return JSON.parse(run.apply(null, texts));
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
