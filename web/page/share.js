// SPDX-License-Identifier: GPL-3.0-or-later
// The function, its names, the form and the cover choice as a URL fragment,
// e.g. "#n=3&f=01X00110&names=A,B,C&form=pos". Only what differs from a
// fresh page needs to be there; anything unreadable is left at its default.

const VALUE = /^[01X]+$/;
const NAME = /^[0-9A-Za-z]{1,3}$/;
const COVERS = ['window', 'exact', 'all'];

export function encodeState(state) {
  const parts = [`n=${state.n}`, `f=${state.values.join('')}`,
    `names=${state.names.slice(0, state.n).join(',')}`];
  if (state.form === 'pos') parts.push('form=pos');
  if (state.cover !== 'window') parts.push(`cover=${state.cover}`);
  return '#' + parts.join('&');
}

// Returns the parts of the state the fragment gives, each checked; a value
// list of the wrong length or a repeated name drops that part alone.
export function decodeState(fragment) {
  const fields = new URLSearchParams(fragment.replace(/^#/, ''));
  const out = {};
  const n = Number(fields.get('n'));
  if (Number.isInteger(n) && n >= 2 && n <= 6) out.n = n;
  const count = out.n ?? 4;
  const f = fields.get('f');
  if (f && f.length === 1 << count && VALUE.test(f)) out.values = [...f];
  const names = fields.get('names')?.split(',');
  if (names && names.length === count && names.every((x) => NAME.test(x)) &&
      new Set(names).size === names.length) out.names = names;
  if (fields.get('form') === 'pos') out.form = 'pos';
  else if (fields.has('form')) out.form = 'sop';
  if (COVERS.includes(fields.get('cover'))) out.cover = fields.get('cover');
  return out;
}
