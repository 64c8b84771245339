// SPDX-License-Identifier: GPL-3.0-or-later
// The truth table and the Karnaugh map as ARIA grids. Both show the same
// values; a click or a key on either reports an edit through `onEdit`, and
// the page redraws both. Keys: 0, 1 and X set the value, Space (or Enter)
// advances it as a click does (0 → 1 → X → 0), arrows move between cells.

const NEXT = { '0': '1', '1': 'X', X: '0' };

export function advanced(value) {
  return NEXT[value] ?? value;
}

function cell(tag, text, attributes = {}) {
  const element = document.createElement(tag);
  element.textContent = text;
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  return element;
}

// One focusable cell per grid (roving tabindex); the arrows move it.
function makeNavigable(table, move, onEdit) {
  table.addEventListener('click', (event) => {
    const target = event.target.closest('td[data-minterm]');
    if (!target) return;
    focusCell(table, target);
    onEdit(Number(target.dataset.minterm), advanced(target.textContent));
  });
  table.addEventListener('keydown', (event) => {
    const target = event.target.closest('td[data-minterm]');
    if (!target || event.ctrlKey || event.metaKey || event.altKey) return;
    const m = Number(target.dataset.minterm);
    const key = event.key;
    let value = null;
    if (key === '0' || key === '1') value = key;
    else if (key === 'x' || key === 'X') value = 'X';
    else if (key === ' ' || key === 'Enter') value = advanced(target.textContent);
    if (value !== null) {
      event.preventDefault();
      onEdit(m, value);
      return;
    }
    const next = move(target, key);
    if (next === undefined) return;
    event.preventDefault();
    if (next) focusCell(table, next, true);
  });
}

function focusCell(table, target, moveFocus = false) {
  for (const other of table.querySelectorAll('td[tabindex="0"]')) other.tabIndex = -1;
  target.tabIndex = 0;
  if (moveFocus) target.focus();
}

export function focusedMinterm(table) {
  const active = table.querySelector('td[tabindex="0"]');
  return active ? Number(active.dataset.minterm) : 0;
}

// Marks cells apart from the group shading: the cells listed carry the
// class `name`, every other cell of the view loses it.
export function markCells(table, name, cells) {
  const marked = new Set(cells);
  for (const td of table.querySelectorAll('td[data-minterm]')) {
    td.classList.toggle(name, marked.has(Number(td.dataset.minterm)));
  }
}

export class TruthTable {
  constructor(table, onEdit) {
    this.table = table;
    makeNavigable(table, (from, key) => this.move(from, key), onEdit);
  }

  // Rows m0 … m(2^n − 1): the variable bits, first name most significant, then f.
  // outputs: with several, { names, columns, shown }: a column per output,
  // the shown one (whose values are `values`) editable, the others read
  // only; a header names its output and picks it (data-output).
  build(n, names, values, keepFocus, outputs = null) {
    const focused = keepFocus ? focusedMinterm(this.table) : 0;
    this.table.replaceChildren();
    const head = this.table.createTHead().insertRow();
    head.append(cell('th', '', { scope: 'col', 'aria-label': 'minterm' }));
    for (let j = 0; j < n; ++j) head.append(cell('th', names[j], { scope: 'col' }));
    const outputNames = outputs ? outputs.names : ['f'];
    outputNames.forEach((name, k) => {
      const attributes = { scope: 'col' };
      if (outputs) Object.assign(attributes, { 'data-output': k, class: k === outputs.shown ? 'shown-output' : 'output' });
      head.append(cell('th', name, attributes));
    });
    const body = this.table.createTBody();
    for (let m = 0; m < 1 << n; ++m) {
      const row = body.insertRow();
      row.append(cell('th', `m${m}`, { scope: 'row' }));
      for (let j = 0; j < n; ++j) {
        row.append(cell('td', String((m >> (n - 1 - j)) & 1),
          { role: 'gridcell', class: 'bit', 'aria-readonly': 'true' }));
      }
      outputNames.forEach((name, k) => {
        if (outputs && k !== outputs.shown) {
          row.append(cell('td', outputs.columns[k][m], {
            role: 'gridcell', class: 'other-output', 'aria-readonly': 'true', 'aria-label': `${name}(m${m})`,
          }));
          return;
        }
        row.append(cell('td', values[m], {
          role: 'gridcell', class: 'value', 'data-minterm': m, tabindex: m === focused ? 0 : -1,
          'aria-label': `${name}(m${m})`,
        }));
      });
    }
    this.size = 1 << n;
  }

  move(from, key) {
    const m = Number(from.dataset.minterm);
    const to = { ArrowUp: m - 1, ArrowDown: m + 1, Home: 0, End: this.size - 1 }[key];
    if (to === undefined) return undefined;
    return to >= 0 && to < this.size ? this.table.querySelector(`td[data-minterm="${to}"]`) : null;
  }

  show(values) {
    for (const td of this.table.querySelectorAll('td[data-minterm]')) td.textContent = values[td.dataset.minterm];
  }
}

export class KarnaughMap {
  constructor(table, onEdit) {
    this.table = table;
    makeNavigable(table, (from, key) => this.move(from, key), onEdit);
  }

  // layout: the core's grid (rows, columns, labels, minterm per position,
  // -1 for the separators between the 4-variable blocks).
  build(layout, values, keepFocus) {
    const focused = keepFocus ? focusedMinterm(this.table) : 0;
    this.layout = layout;
    this.table.replaceChildren();
    const head = this.table.createTHead().insertRow();
    head.append(cell('td', '', { role: 'presentation' }));
    layout.columnLabels.forEach((label) => {
      head.append(label ? cell('th', label, { scope: 'col' }) : cell('td', '', { class: 'separator', role: 'presentation' }));
    });
    const body = this.table.createTBody();
    for (let r = 0; r < layout.rows; ++r) {
      const row = body.insertRow();
      if (!layout.rowLabels[r]) row.className = 'separator-row';
      row.append(cell('th', layout.rowLabels[r], { scope: 'row' }));
      for (let c = 0; c < layout.columns; ++c) {
        const m = layout.minterms[r * layout.columns + c];
        if (m < 0) {
          row.append(cell('td', '', { class: 'separator', role: 'presentation' }));
          continue;
        }
        row.append(cell('td', values[m], {
          role: 'gridcell', class: 'value', 'data-minterm': m, tabindex: m === focused ? 0 : -1,
          'aria-label': `m${m}`,
        }));
      }
    }
  }

  // Arrows step over the separators; the edges stop the cursor.
  move(from, key) {
    const step = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] }[key];
    if (!step) return undefined;
    const { rows, columns, minterms } = this.layout;
    const at = minterms.indexOf(Number(from.dataset.minterm));
    let r = Math.floor(at / columns) + step[0];
    let c = (at % columns) + step[1];
    while (r >= 0 && r < rows && c >= 0 && c < columns) {
      const m = minterms[r * columns + c];
      if (m >= 0) return this.table.querySelector(`td[data-minterm="${m}"]`);
      r += step[0];
      c += step[1];
    }
    return null;
  }

  show(values) {
    for (const td of this.table.querySelectorAll('td[data-minterm]')) td.textContent = values[td.dataset.minterm];
  }

  // groups: minterm lists; the more of them hold a cell, the darker it is.
  shade(groups) {
    for (const td of this.table.querySelectorAll('td[data-minterm]')) {
      td.removeAttribute('data-groups');
      td.classList.remove('saturated');
      td.style.removeProperty('--shade');
    }
    const byCell = new Map();
    groups.forEach((group, index) => {
      for (const m of group) {
        if (!byCell.has(m)) byCell.set(m, []);
        byCell.get(m).push(index);
      }
    });
    for (const [m, indexes] of byCell) {
      const td = this.table.querySelector(`td[data-minterm="${m}"]`);
      if (!td) continue;
      // As in the window: 50 of 255 alpha per group, dark red at six, and a
      // seventh group starts the count over.
      const depth = ((indexes.length - 1) % 6) + 1;
      td.dataset.groups = indexes.join(' ');
      td.style.setProperty('--shade', String(depth));
      td.classList.toggle('saturated', depth === 6);
    }
  }
}
