// The form's inputs kept in the browser's storage, so that a reload keeps
// what was typed and chosen. Results are not kept: a run makes them again.
const key = 'pilaro.form.inputs';

function storage() {
  try {
    return window.localStorage;
  } catch {
    return null; // storage turned off: the form works, it only forgets
  }
}

export function saveInputs(form) {
  const saved = {
    lists: Object.fromEntries(
      form.lists.map((list) => [list.id, list.selectedIndex >= 0 ? list.value : null]),
    ),
    option: form.options.find((option) => option.checked)?.id ?? null,
    fields: form.fieldTexts(),
  };
  try {
    storage()?.setItem(key, JSON.stringify(saved));
  } catch {
    // full or refused: the inputs stay on the page
  }
}

// `picked(list)` is told of each list as it is restored, in the form's
// order, before the next list is: a list's pick may change the entries of
// those after it.
export function restoreInputs(form, picked) {
  let saved;
  try {
    saved = JSON.parse(storage()?.getItem(key) ?? 'null');
  } catch {
    return;
  }
  if (!saved || typeof saved !== 'object') return;
  for (const list of form.lists) {
    const entry = saved.lists?.[list.id];
    const index = [...list.options].findIndex((option) => option.value === entry);
    if (index >= 0) list.selectedIndex = index;
    picked(list);
  }
  for (const option of form.options) option.checked = option.id === saved.option;
  for (const input of form.inputs) {
    const text = saved.fields?.[input.id];
    if (typeof text === 'string') input.value = text;
  }
}
