// SPDX-License-Identifier: GPL-3.0-or-later
// The page: one function of 2 to 6 variables shown as a truth table and a
// Karnaugh map, filled from an equation or a PLA file, minimized by the
// same cores as the desktop window (compiled to WebAssembly in tavolin.js).
import createTavolin from './tavolin.js';
import { KarnaughMap, TruthTable, markCells } from './grids.js';
import { decodeState, encodeState } from './share.js';
import { StepsView } from './steps.js';

const SOLUTION_LIMIT = 100;
// The steps list as many covers as tavolin-cli explain does by default; the
// count stops earlier than there, since the page waits for it.
const STEPS_LIMIT = 50;
const STEPS_COUNT_CAP = 10000;
const COVER_CHOICE = { window: 0, exact: 1, all: 2 };

const $ = (id) => document.getElementById(id);

const state = {
  n: 4,
  names: [], // the default names, once the core has told them
  values: new Array(16).fill('0'),
  form: 'sop',
  cover: 'window',
  exercise: null, // { n, form, dontCares, seed } while the table holds that exercise
  // With several outputs { names, columns, shown }: one array of values per
  // output, `values` being the shown one's; null for the one output f.
  outputs: null,
};

let core;
// The variable rules the core keeps for the window and tavolin-cli as well:
// the default names, the longest name and the characters a name may use.
let rules;
let nameSymbols;
let equationSymbols;
let table;
let map;
let steps;
let joint;
let pendingSteps;
let solved = null; // the last Minimize! answer, until the function changes
let exerciseUnsolved = false; // the result waits for a checked answer or Minimize!
export const timings = {};

// ---------------------------------------------------------------- names

// A new row of the names dialog takes the first letter no row uses yet.
function firstFreeLetter(names) {
  return rules.defaultNames.concat([...'GHIJKL']).find((letter) => !names.includes(letter));
}

function namesAfterCountChange(names, count) {
  const kept = names.slice(0, count);
  while (kept.length < count) kept.push(firstFreeLetter(kept));
  return kept;
}

// ---------------------------------------------------------------- drawing

function rebuildViews() {
  table.build(state.n, state.names, state.values, true, state.outputs);
  map.build(core.mapLayout(state.n, state.names), state.values, true);
  showOutputChoice();
  $('vars').value = String(state.n);
  $(state.form).checked = true;
  $('cover').value = state.cover;
  forgetResult();
  forgetVerdict();
  remember();
}

function showValues() {
  state.exercise = null;
  if (state.outputs) state.outputs.columns[state.outputs.shown] = state.values;
  table.show(state.values);
  map.show(state.values);
  forgetResult();
  forgetVerdict();
  remember();
}

// Groups no longer describe a changed function; the text stays, greyed,
// until the next Minimize!.
function forgetResult() {
  if (!solved) return;
  solved = null;
  map.shade([]);
  $('result').classList.add('stale');
  $('solutions').replaceChildren();
  clearTimeout(pendingSteps);
  steps.clear();
  joint.clear();
}

function remember() {
  history.replaceState(null, '', encodeState(state));
}

function showMessage(box, title, text) {
  box.querySelector('.message-title').textContent = title;
  box.querySelector('.message-text').textContent = text;
  box.hidden = false;
}

// ---------------------------------------------------------------- editing

function setValue(minterm, value) {
  if (state.values[minterm] === value) return;
  state.values[minterm] = value;
  state.exercise = null;
  for (const td of document.querySelectorAll(`td[data-minterm="${minterm}"]`)) td.textContent = value;
  forgetResult();
  forgetVerdict();
  remember();
}

function setCount(n) {
  state.n = n;
  state.exercise = null;
  state.names = namesAfterCountChange(state.names, n);
  state.values = new Array(1 << n).fill('0');
  if (state.outputs) {
    state.outputs.columns = state.outputs.names.map(() => new Array(1 << n).fill('0'));
    state.outputs.columns[state.outputs.shown] = state.values;
  }
  rebuildViews();
}

// ---------------------------------------------------------------- outputs

// The selector above the map, there while the function has several outputs.
function showOutputChoice() {
  const select = $('output');
  const outputs = state.outputs;
  select.parentElement.hidden = !outputs;
  if (!outputs) {
    select.replaceChildren();
    return;
  }
  select.replaceChildren(...outputs.names.map((name, k) => new Option(name, String(k))));
  select.value = String(outputs.shown);
}

// The map, the edits and Minimize! turn to output k.
function showOutput(k) {
  if (!state.outputs || k === state.outputs.shown) return;
  state.outputs.shown = k;
  state.values = state.outputs.columns[k];
  rebuildViews();
}

function reset() {
  Object.assign(state, { n: 4, names: rules.defaultNames.slice(0, 4), form: 'sop', cover: 'window', exercise: null, outputs: null });
  hideSolution(false);
  $('exercise-note').hidden = true;
  state.values = new Array(16).fill('0');
  $('equation').value = '';
  $('equation-error').hidden = true;
  $('file-message').hidden = true;
  rebuildViews();
  $('result').value = '';
  $('cover-info').textContent = '';
}

// ---------------------------------------------------------------- equation

function fillFromEquation() {
  const field = $('equation');
  const box = $('equation-error');
  const answer = core.evaluate(field.value, state.names);
  if (answer.ok) {
    box.hidden = true;
    field.removeAttribute('aria-invalid');
    state.values = [...answer.values];
    showValues();
    return;
  }
  showSyntaxError(box, field, answer);
}

// The engine's message; the offending token selected in the field and
// marked in a copy below it.
function showSyntaxError(box, field, answer) {
  showMessage(box, 'Equation Syntax Error', answer.message);
  const echo = box.querySelector('.equation-echo');
  echo.replaceChildren();
  field.setAttribute('aria-invalid', 'true');
  field.focus();
  if (answer.column === undefined) return;
  const text = field.value;
  const end = answer.column + answer.length;
  const mark = document.createElement('mark');
  mark.textContent = text.slice(answer.column, end);
  echo.append(text.slice(0, answer.column), mark, text.slice(end));
  field.setSelectionRange(answer.column, end);
}

// Like the window's field: characters outside the equation alphabet are
// refused as they are typed or pasted.
function refuseOutside(field, allowed) {
  field.addEventListener('beforeinput', (event) => {
    if (event.data && !allowed.test(event.data)) event.preventDefault();
  });
}

// ---------------------------------------------------------------- minimize

function minimize() {
  const start = performance.now();
  const answer = core.minimize(state.n, state.values.join(''), state.form === 'pos', state.names,
    COVER_CHOICE[state.cover], SOLUTION_LIMIT);
  timings.minimizeCore = performance.now() - start;
  solved = answer;
  hideSolution(false);
  $('result').classList.remove('stale');
  const info = $('cover-info');
  const count = answer.solutions.length;
  if (!answer.exact) info.textContent = '';
  else if (state.cover === 'exact') info.textContent = `Exact minimum: ${answer.terms} terms, ${answer.literals} literals.`;
  else if (answer.more) info.textContent = `The first ${count} minimal solutions (${answer.terms} terms, ${answer.literals} literals each); there are more.`;
  else info.textContent = `${count} minimal solution${count === 1 ? '' : 's'} (${answer.terms} terms, ${answer.literals} literals each).`;
  listSolutions(answer);
  showSolution(0);
  timings.minimize = performance.now() - start;
  // The steps take tens of milliseconds at six variables: the result is
  // painted first, and a newer Minimize! or an edit drops a pending layout.
  clearTimeout(pendingSteps);
  pendingSteps = setTimeout(() => {
    const begin = performance.now();
    steps.show(core.explain(state.n, state.values.join(''), state.form === 'pos', state.names,
      STEPS_LIMIT, STEPS_COUNT_CAP));
    timings.steps = performance.now() - begin;
    if (state.outputs) {
      joint.show(core.jointCover(state.n, state.outputs.columns.map((column) => column.join('')),
        state.form === 'pos', state.names, state.outputs.names), 'Joint Cover');
    }
  }, 0);
}

// A prime or cover picked in the steps shades its groups; unpicked, the
// shown solution's groups come back.
function shadeFromSteps(groups) {
  if (groups) {
    map.shade(groups);
    $('solutions').querySelectorAll('button').forEach((button) => button.setAttribute('aria-pressed', 'false'));
  } else {
    showSolution(solved.shown);
  }
}

function listSolutions(answer) {
  const list = $('solutions');
  list.replaceChildren();
  if (state.cover !== 'all') return;
  answer.solutions.forEach((solution, index) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = solution.text;
    button.setAttribute('aria-pressed', 'false');
    button.addEventListener('click', () => showSolution(index));
    const item = document.createElement('li');
    item.append(button);
    list.append(item);
  });
}

function showSolution(index) {
  const solution = solved.solutions[index];
  solved.shown = index;
  steps.release();
  joint.release();
  $('result').value = solution.text;
  map.shade(solution.groups);
  $('solutions').querySelectorAll('button').forEach((button, i) => {
    button.setAttribute('aria-pressed', String(i === index));
  });
}

async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    const scratch = document.createElement('textarea');
    scratch.value = text;
    document.body.append(scratch);
    scratch.select();
    document.execCommand('copy');
    scratch.remove();
  }
}

// ---------------------------------------------------------------- check answer

const SOLUTION_WAITS = 'The solution shows once you check an answer or press Minimize!';

// The cells where the answer differs stay framed on both views until the
// function, the form or the names change; a term pointed at shades its own.
function markBoth(name, cells) {
  markCells($('truth-table'), name, cells);
  markCells($('kmap'), name, cells);
}

function forgetVerdict() {
  markBoth('extra', []);
  markBoth('missing', []);
  markBoth('term', []);
  $('verdict').textContent = '';
  $('terms').replaceChildren();
  $('answer-error').hidden = true;
  $('answer').removeAttribute('aria-invalid');
}

function checkAnswer() {
  const field = $('answer');
  const verdict = core.checkAnswer(state.n, state.values.join(''), state.form === 'pos', state.names,
    field.value);
  forgetVerdict();
  if (verdict.status === 'syntax-error') {
    showSyntaxError($('answer-error'), field, verdict);
    return;
  }
  $('verdict').textContent = (verdict.summary ?? [verdict.message]).join(' ');
  if (verdict.status !== 'checked') return;
  markBoth('extra', verdict.extra);
  markBoth('missing', verdict.missing);
  for (const term of verdict.terms) $('terms').append(termItem(term));
  if (exerciseUnsolved) minimize();
}

function termItem(term) {
  const item = document.createElement('li');
  item.tabIndex = 0;
  const text = document.createElement('code');
  text.textContent = term.text;
  const findings = document.createElement('span');
  findings.textContent = term.findings.length > 0 ? term.findings.join(' ')
    : state.form === 'pos' ? 'A prime implicate.' : 'A prime implicant.';
  item.append(text, findings);
  item.dataset.cells = term.cells.join(' ');
  item.addEventListener('mouseenter', () => pointAtTerm(item));
  item.addEventListener('focus', () => pointAtTerm(item));
  // Leaving a term goes back to the one that has the focus, if any.
  item.addEventListener('mouseleave', () => pointAtTerm($('terms').querySelector('li:focus')));
  item.addEventListener('blur', () => pointAtTerm(null));
  return item;
}

function pointAtTerm(item) {
  markBoth('term', item?.dataset.cells ? item.dataset.cells.split(' ').map(Number) : []);
}

// While an exercise is unsolved the result field holds a note instead of
// the solution.
function hideSolution(hidden) {
  exerciseUnsolved = hidden;
  if (hidden) $('result').dataset.placeholder = SOLUTION_WAITS;
  else $('result').removeAttribute('data-placeholder');
}

function openExerciseDialog() {
  $('exercise-vars').value = String(state.n);
  $('exercise-form').value = state.form;
  $('exercise-seed').max = String(core.largestExerciseSeed);
  $('exercise-seed').value = String(1 + Math.floor(Math.random() * core.largestExerciseSeed));
  $('exercise-dialog').showModal();
}

function acceptExercise() {
  state.exercise = {
    n: Number($('exercise-vars').value),
    form: $('exercise-form').value,
    dontCares: $('exercise-dont-cares').checked,
    seed: Number($('exercise-seed').value),
  };
  state.names = namesAfterCountChange(state.names, state.exercise.n);
  openExercise();
}

// The table takes the exercise's function, the solution waits.
function openExercise() {
  const { n, form, dontCares, seed } = state.exercise;
  Object.assign(state, { n, form, outputs: null });
  state.values = [...core.exerciseCells(n, form === 'pos', dontCares, seed)];
  rebuildViews();
  $('result').value = '';
  $('cover-info').textContent = '';
  hideSolution(true);
  const note = $('exercise-note');
  note.textContent = `Exercise ${seed}: minimize the function in the table as a ` +
    `${form === 'pos' ? 'product of sums' : 'sum of products'}, then check your answer.`;
  note.hidden = false;
}

// ---------------------------------------------------------------- files

function importBytes(fileName, bytes) {
  const box = $('file-message');
  box.classList.remove('error');
  box.hidden = true;
  const read = core.readPla(bytes, state.n);
  if (!read.ok) {
    box.classList.add('error');
    showMessage(box, 'Import File', `${fileName} was not imported.\nLine ${read.line}: ${read.message}`);
    return false;
  }
  // A ".i" line starts the function afresh; without it only the cells the
  // file sets change.
  state.exercise = null;
  if (read.severalOutputs) {
    importOutputs(core.readPlaOutputs(bytes, state.n));
    return true;
  }
  state.outputs = null;
  if (read.countGiven) setCount(read.variableCount);
  if (read.names.length > 0) state.names = read.names.slice();
  for (let m = 0; m < read.values.length; ++m) {
    if (read.assigned[m] === '1') state.values[m] = read.values[m];
  }
  rebuildViews();
  return true;
}

// A file of several outputs brings them all; the map shows the first.
function importOutputs(read) {
  state.n = read.variableCount;
  state.names = read.names.length > 0 ? read.names.slice() : namesAfterCountChange(state.names, state.n);
  const columns = read.columns.map((column) => [...column]);
  state.outputs = { names: read.outputNames.slice(), columns, shown: 0 };
  state.values = columns[0];
  rebuildViews();
}

async function importFile(file) {
  try {
    importBytes(file.name, new Uint8Array(await file.arrayBuffer()));
  } catch (error) {
    const box = $('file-message');
    box.classList.add('error');
    showMessage(box, 'Import File', `Could not read ${file.name}: ${error.message}.`);
  }
}

function exportFile() {
  const text = state.outputs
    ? core.writePlaOutputs(state.n, state.names, state.outputs.names,
      state.outputs.columns.map((column) => column.join('')))
    : core.writePla(state.n, state.names, state.values.join(''));
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = 'function.pla';
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

function acceptDrops() {
  const veil = $('drop-veil');
  let depth = 0;
  const carriesFiles = (event) => [...(event.dataTransfer?.types ?? [])].includes('Files');
  document.addEventListener('dragenter', (event) => {
    if (!carriesFiles(event)) return;
    ++depth;
    veil.hidden = false;
  });
  document.addEventListener('dragleave', () => {
    depth = Math.max(0, depth - 1);
    if (depth === 0) veil.hidden = true;
  });
  document.addEventListener('dragover', (event) => {
    if (carriesFiles(event)) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    depth = 0;
    veil.hidden = true;
    const file = event.dataTransfer?.files?.[0];
    if (file) importFile(file);
  });
}

// ---------------------------------------------------------------- names dialog

function openNamesDialog() {
  const fields = document.querySelector('#names-dialog .name-fields');
  fields.replaceChildren();
  state.names.forEach((name, position) => {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.type = 'text';
    input.maxLength = rules.maxNameLength;
    input.value = name;
    input.autocomplete = 'off';
    input.spellcheck = false;
    refuseOutside(input, nameSymbols);
    label.append(`${position + 1}: `, input);
    fields.append(label);
  });
  $('names-error').hidden = true;
  $('names-dialog').showModal();
}

// The window's rules: 1 to 3 letters or digits each, no name twice.
function acceptNames(event) {
  const inputs = [...document.querySelectorAll('#names-dialog .name-fields input')];
  const box = $('names-error');
  const refuse = (input, title, text) => {
    event.preventDefault();
    showMessage(box, title, text);
    input.focus();
  };
  const invalid = inputs.find((input) => !core.isVariableName(input.value));
  if (invalid) {
    refuse(invalid, 'Invalid Variable Name',
      'A variable name can only contain numbers, upper-case letters, and lower-case letters.');
    return;
  }
  const repeated = inputs.find((input, i) => inputs.slice(0, i).some((x) => x.value === input.value));
  if (repeated) {
    refuse(repeated, 'Duplicate Variable Name',
      'This variable name has already been used. A variable name must be unique.');
    return;
  }
  state.names = inputs.map((input) => input.value);
  rebuildViews();
}

// ---------------------------------------------------------------- start

function applyFragment() {
  const shared = decodeState(location.hash, core.largestExerciseSeed);
  state.exercise = shared.exercise ?? null;
  state.outputs = null;
  if (shared.n !== undefined) {
    state.n = shared.n;
    state.names = namesAfterCountChange(rules.defaultNames, shared.n);
    state.values = new Array(1 << shared.n).fill('0');
  }
  if (shared.values) state.values = shared.values;
  if (shared.names) state.names = shared.names;
  if (shared.outputs) state.outputs = shared.outputs;
  if (shared.form) state.form = shared.form;
  if (shared.cover) state.cover = shared.cover;
}

function openFragment() {
  applyFragment();
  if (state.exercise) openExercise();
  else rebuildViews();
}

function wire() {
  table = new TruthTable($('truth-table'), setValue);
  map = new KarnaughMap($('kmap'), setValue);
  steps = new StepsView($('steps'), shadeFromSteps);
  joint = new StepsView($('joint'), shadeFromSteps);
  $('output').addEventListener('change', (event) => showOutput(Number(event.target.value)));
  $('truth-table').addEventListener('click', (event) => {
    const header = event.target.closest('th[data-output]');
    if (header) showOutput(Number(header.dataset.output));
  });
  $('vars').addEventListener('change', (event) => setCount(Number(event.target.value)));
  $('names').addEventListener('click', openNamesDialog);
  $('names-ok').addEventListener('click', acceptNames);
  $('names-cancel').addEventListener('click', () => $('names-dialog').close());
  $('reset').addEventListener('click', reset);
  refuseOutside($('equation'), equationSymbols);
  $('equation').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') $('fill').click();
  });
  $('fill').addEventListener('click', fillFromEquation);
  for (const id of ['sop', 'pos']) {
    $(id).addEventListener('change', () => {
      state.form = id;
      state.exercise = null;
      forgetVerdict();
      remember();
    });
  }
  $('cover').addEventListener('change', (event) => {
    state.cover = event.target.value;
    remember();
  });
  $('minimize').addEventListener('click', minimize);
  $('copy').addEventListener('click', () => copyText($('result').value));
  $('import').addEventListener('change', (event) => {
    const file = event.target.files?.[0];
    if (file) importFile(file).finally(() => { event.target.value = ''; });
  });
  $('export').addEventListener('click', exportFile);
  $('share').addEventListener('click', () => copyText(location.href));
  $('answer').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') $('check-answer').click();
  });
  $('check-answer').addEventListener('click', checkAnswer);
  $('new-exercise').addEventListener('click', openExerciseDialog);
  // The form's own checks (a whole seed in range) pass before this.
  $('exercise-dialog').querySelector('form').addEventListener('submit', acceptExercise);
  $('exercise-cancel').addEventListener('click', () => $('exercise-dialog').close());
  window.addEventListener('hashchange', openFragment);
  acceptDrops();
}

async function start() {
  core = await createTavolin();
  rules = core.variableRules();
  nameSymbols = new RegExp(`^[${rules.nameCharacters}]*$`);
  equationSymbols = new RegExp(`^[()^+&'${rules.nameCharacters}]*$`);
  state.names = rules.defaultNames.slice(0, state.n);
  wire();
  openFragment();
  timings.ready = performance.now();
  window.tavolin = { core, state, timings };
  document.documentElement.dataset.ready = 'true';
}

start();
