// The "About Tavrel" page: the three web sites and the guidelines document, the
// fixed conditions behind the layout comparison and the disclaimer, all in the
// rules' words.
'use strict';

(function () {
  const panel = document.getElementById('about-page');

  function element(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function conditions(facts) {
    const section = element('section', { class: 'conditions', 'aria-labelledby': 'conditions-heading' });
    section.append(element('h3', { id: 'conditions-heading' }, facts.conditionsHeading));
    const list = element('dl');
    let entry = null;
    for (const [category, value] of facts.conditions) {
      if (category) {
        entry = element('div');
        entry.append(element('dt', {}, category));
        list.append(entry);
      }
      entry.append(element('dd', {}, value));
    }
    section.append(list);
    return section;
  }

  function links(facts) {
    const section = element('section', { class: 'sites', 'aria-label': 'Web sites' });
    const list = element('ul');
    for (const site of facts.sites) {
      const item = element('li');
      const link = element('a', { href: site.address, target: '_blank', rel: 'noopener' });
      link.append(element('span', { class: 'site-owner' }, site.owner), element('span', { class: 'site-host' }, site.host));
      item.append(link);
      list.append(item);
    }
    const guidelines = element('li');
    guidelines.append(element('a', { href: 'Praxendel.pdf', target: '_blank', rel: 'noopener', class: 'document' },
      'Dowel design guidelines (Praxendel.pdf)'));
    list.append(guidelines);
    section.append(list);
    return section;
  }

  if (typeof createTavrel !== 'function') return;
  tavrelPages.rules().then((rules) => {
    const facts = rules.pagesFacts();
    const layout = element('div', { class: 'about-layout' });
    const disclaimer = element('p', { class: 'about-disclaimer' }, rules.facts().disclaimer);
    layout.append(links(facts), conditions(facts), disclaimer);
    panel.append(layout);
    panel.dataset.ready = 'true';
  });
})();
