// SPDX-License-Identifier: GPL-3.0-or-later
// The function, its names, the form and the cover choice as a URL fragment,
// e.g. "#n=3&f=01X00110&names=A,B,C&form=pos". Only what differs from a
// fresh page needs to be there; anything unreadable is left at its default.
// An exercise stands for its function by its settings and seed,
// "#exercise=5,sop,x,777" ("-" instead of "x": without don't cares), so that
// its link hands the same exercise to a class without giving it away.
// Several outputs add their names and the output the map shows, and `f`
// holds every output's values, separated by dots:
// "#n=2&f=0110.0001&names=A,B&outputs=s,c&shown=1".

const VALUE = /^[01X]+$/;
const NAME = /^[0-9A-Za-z]{1,3}$/;
const COVERS = ['window', 'exact', 'all'];
const EXERCISE = /^([2-6]),(sop|pos),([x-]),([1-9][0-9]{0,8})$/;
const MAX_OUTPUTS = 64;

export function encodeExercise(exercise) {
  return [exercise.n, exercise.form, exercise.dontCares ? 'x' : '-', exercise.seed].join(',');
}

// The exercise a link names, or undefined; `largestSeed` is the core's.
export function decodeExercise(text, largestSeed) {
  const match = EXERCISE.exec(text ?? '');
  if (!match || Number(match[4]) > largestSeed) return undefined;
  return { n: Number(match[1]), form: match[2], dontCares: match[3] === 'x', seed: Number(match[4]) };
}

export function encodeState(state) {
  const names = `names=${state.names.slice(0, state.n).join(',')}`;
  const values = state.outputs
    ? state.outputs.columns.map((column) => column.join('')).join('.')
    : state.values.join('');
  const parts = state.exercise
    ? [`exercise=${encodeExercise(state.exercise)}`, names]
    : [`n=${state.n}`, `f=${values}`, names];
  if (state.outputs && !state.exercise) {
    parts.push(`outputs=${state.outputs.names.join(',')}`);
    if (state.outputs.shown !== 0) parts.push(`shown=${state.outputs.shown}`);
  }
  if (state.form === 'pos' && !state.exercise) parts.push('form=pos');
  if (state.cover !== 'window') parts.push(`cover=${state.cover}`);
  return '#' + parts.join('&');
}

// Returns the parts of the state the fragment gives, each checked; a value
// list of the wrong length or a repeated name drops that part alone. A
// readable exercise gives the count and the form, and the page draws the
// values from it.
export function decodeState(fragment, largestSeed = Infinity) {
  const fields = new URLSearchParams(fragment.replace(/^#/, ''));
  const out = {};
  const exercise = decodeExercise(fields.get('exercise'), largestSeed);
  if (exercise) {
    out.exercise = exercise;
    fields.set('n', String(exercise.n));
    fields.delete('f');
    fields.set('form', exercise.form);
  }
  const n = Number(fields.get('n'));
  if (Number.isInteger(n) && n >= 2 && n <= 6) out.n = n;
  const count = out.n ?? 4;
  const f = fields.get('f');
  if (f && f.length === 1 << count && VALUE.test(f)) out.values = [...f];
  const names = fields.get('names')?.split(',');
  if (names && names.length === count && names.every((x) => NAME.test(x)) &&
      new Set(names).size === names.length) out.names = names;
  const outputs = decodeOutputs(fields, count, out.names);
  if (outputs) {
    out.outputs = outputs;
    out.values = outputs.columns[outputs.shown];
  }
  if (fields.get('form') === 'pos') out.form = 'pos';
  else if (fields.has('form')) out.form = 'sop';
  if (COVERS.includes(fields.get('cover'))) out.cover = fields.get('cover');
  return out;
}

// Several outputs, each checked: valid names that differ from each other and
// from the inputs', one value list of the right length per name, and a
// shown output among them. Anything amiss drops the outputs alone.
function decodeOutputs(fields, count, inputNames) {
  const names = fields.get('outputs')?.split(',');
  const columns = fields.get('f')?.split('.');
  if (!names || !columns || names.length < 2 || names.length > MAX_OUTPUTS ||
      columns.length !== names.length) return undefined;
  if (!names.every((x) => NAME.test(x)) || new Set(names).size !== names.length ||
      !inputNames || names.some((x) => inputNames.includes(x))) return undefined;
  if (!columns.every((column) => column.length === 1 << count && VALUE.test(column))) return undefined;
  const shown = fields.has('shown') ? Number(fields.get('shown')) : 0;
  if (!Number.isInteger(shown) || shown < 0 || shown >= names.length) return undefined;
  return { names, columns: columns.map((column) => [...column]), shown };
}
