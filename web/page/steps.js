// SPDX-License-Identifier: GPL-3.0-or-later
// The worked steps of the last Minimize!: the explanation core's document
// (tabulation, primes, chart, choices, solutions, or the joint cover of
// several outputs) as tables, with buttons on
// the rows that stand for a prime or a cover; pressing one hands its groups
// to `select`, pressing it again hands back null.

// The rows of a table of the explanation, which the module hands over as one
// string (rows split by U+001E, cells by U+001F).
export function tableRows(block) {
  return block.cells.split('\x1e').map((row) => row.split('\x1f'));
}

function element(tag, text, className) {
  const node = document.createElement(tag);
  if (text !== undefined) node.textContent = text;
  if (className) node.className = className;
  return node;
}

// What a row or header stands for, so the map can shade it.
function targets(steps, sectionId, tableIndex) {
  const prime = (number) => ({ key: `P${number}`, groups: steps.primes[number - 1].groups });
  const cover = (key, c) => ({ key, groups: c.groups });
  switch (sectionId) {
    case 'primes':
      return { rows: steps.primes.map((_, i) => prime(i + 1)) };
    case 'chart':
      return { header: [null, ...steps.primes.map((_, i) => prime(i + 1))] };
    case 'choices':
      return { rows: steps.choices.map(prime) };
    case 'solutions':
      return tableIndex === 0
        ? { rows: [cover('window', steps.window), cover('minimum', steps.minimum)] }
        : { rows: steps.covers.map((c, i) => cover(`S${i + 1}`, c)) };
    // The joint cover of several outputs: its primes, its chart's columns
    // and the products of the cover.
    case 'joint-primes':
      return { rows: steps.primes.map((_, i) => prime(i + 1)) };
    case 'joint-chart':
      return { header: [null, null, ...steps.primes.map((_, i) => prime(i + 1))] };
    case 'joint-cover':
      return tableIndex === 0 ? { rows: steps.products.map((p, i) => cover(`T${i + 1}`, p)) } : {};
    default:
      return {};
  }
}

export class StepsView {
  constructor(container, select) {
    this.container = container;
    this.select = select;
    this.pressed = null;
  }

  clear() {
    this.container.replaceChildren();
    this.container.hidden = true;
    this.pressed = null;
  }

  // Back to no selection, e.g. when a solution button elsewhere was pressed.
  release() {
    if (this.pressed) this.pressed.setAttribute('aria-pressed', 'false');
    this.pressed = null;
  }

  show(steps, headingText = 'Steps') {
    this.pressed = null;
    const heading = element('h2', headingText);
    const title = element('p', steps.title, 'info');
    this.container.replaceChildren(heading, title);
    for (const section of steps.sections) this.container.append(this.section(steps, section));
    this.container.hidden = false;
  }

  section(steps, section) {
    const details = element('details');
    details.open = true;
    details.dataset.section = section.id;
    details.append(element('summary', section.title));
    let tableIndex = 0;
    for (const block of section.blocks) {
      if (block.header) {
        details.append(this.table(block, section.id, targets(steps, section.id, tableIndex++),
          steps.primes));
      } else {
        details.append(element('p', block.text));
      }
    }
    return details;
  }

  table(block, sectionId, { header = [], rows = [] }, primes) {
    const table = element('table', undefined, `steps-table steps-${sectionId === 'joint-chart' ? 'chart' : sectionId}`);
    const head = element('tr');
    block.header.forEach((text, c) => {
      const th = element('th');
      th.scope = 'col';
      th.append(header[c] ? this.button(text, header[c]) : text);
      if (sectionId === 'chart' && c > 0 && primes[c - 1].essential) th.classList.add('essential');
      head.append(th);
    });
    table.append(head);
    const rowList = tableRows(block);
    rowList.forEach((cells, r) => {
      const tr = element('tr');
      cells.forEach((text, c) => {
        const td = element(c === 0 ? 'th' : 'td');
        if (c === 0) td.scope = 'row';
        td.append(c === 0 && rows[r] ? this.button(text, rows[r]) : text);
        // The core writes (X) where a prime is the only one on its row.
        if (text === '(X)') td.classList.add('essential');
        tr.append(td);
      });
      const chart = sectionId === 'chart' || sectionId === 'joint-chart';
      if (chart && r === rowList.length - 1) tr.classList.add('chosen');
      table.append(tr);
    });
    const scroll = element('div', undefined, 'steps-scroll');
    scroll.append(table);
    return scroll;
  }

  button(text, target) {
    const button = element('button', text);
    button.type = 'button';
    button.dataset.select = target.key;
    button.setAttribute('aria-pressed', 'false');
    button.addEventListener('click', () => {
      const again = this.pressed === button;
      this.release();
      if (!again) {
        button.setAttribute('aria-pressed', 'true');
        this.pressed = button;
      }
      this.select(again ? null : target.groups);
    });
    return button;
  }
}
