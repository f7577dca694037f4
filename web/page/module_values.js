// What the module hands over is plain values (embind's value objects)
// but for its lists, each a handle on memory the module holds (embind's
// vectors). Here, and only here, a list is taken into an array and its
// handle released, through every value it holds: whatever calls the
// module passes its answer through plain() before keeping or posting it.
/**
 * @template T
 * @param {T} answer
 * @returns {import('pilaro:module').Plain<T>}
 */
export function plain(answer) {
  /** @type {any} */
  const value = answer;
  if (value === null || typeof value !== 'object' || ArrayBuffer.isView(value)) return value;
  if (typeof value.size === 'function' && typeof value.delete === 'function') {
    try {
      return /** @type {any} */ (
        Array.from({ length: value.size() }, (_, i) => plain(value.get(i)))
      );
    } finally {
      value.delete();
    }
  }
  for (const key of Object.keys(value)) value[key] = plain(value[key]);
  return value;
}
