// The form's controls as page elements: one element per row of the
// control table, at its place, with the control's name as its id. The
// keyboard visits them in the order the module gives (the inputs, then
// 运  行, then 打  印); the read-outs are out of it.
import { plain } from './module_values.js';

function frame(row) {
  const element = document.createElement('fieldset');
  const legend = document.createElement('legend');
  legend.textContent = row.text;
  element.append(legend);
  return element;
}

function caption(row) {
  const element = document.createElement('span');
  element.className = 'caption';
  element.textContent = row.text;
  return element;
}

function field(row) {
  const element = document.createElement('input');
  element.type = 'text';
  element.value = row.text;
  element.autocomplete = 'off';
  element.spellcheck = false;
  element.readOnly = row.readOut;
  return element;
}

// Filled by showList with the entries the module gives.
function list() {
  return document.createElement('select');
}

// A list's entries, and the one it shows: as in the window, none is chosen
// where the form holds none.
function showList(element, contents) {
  element.replaceChildren(
    ...contents.entries.map((entry) => {
      const option = document.createElement('option');
      option.textContent = entry;
      option.value = entry;
      return option;
    }),
  );
  element.selectedIndex = contents.entries.indexOf(contents.shown);
}

// The radio input carries the id; its caption is the label around it.
function option(row) {
  const element = document.createElement('label');
  const radio = document.createElement('input');
  radio.type = 'radio';
  radio.name = 'calculation-type';
  radio.id = row.name;
  element.append(radio, document.createTextNode(row.text));
  return { element, focusable: radio };
}

function button(row) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = row.text;
  return element;
}

// The page has no exit button (a page is closed with its tab) and no
// printer dialog of its own (the browser has one).
const skipped = (row) => row.action === 'exit';

function make(row) {
  switch (row.kind) {
    case 'frame':
      return { element: frame(row) };
    case 'caption':
      return { element: caption(row) };
    case 'field': {
      const element = field(row);
      return { element, focusable: element };
    }
    case 'list': {
      const element = list();
      return { element, focusable: element };
    }
    case 'option':
      return option(row);
    case 'button': {
      const element = button(row);
      return { element, focusable: element };
    }
    default:
      return null;
  }
}

function place(element, row) {
  element.classList.add('placed');
  element.style.setProperty('--left', row.left);
  element.style.setProperty('--top', row.top);
  element.style.setProperty('--w', row.width);
  element.style.setProperty('--h', row.height);
}

// On a narrow screen the window's parts flow one below the other: the
// choice of method, the left column (inputs, type, buttons), then the
// right one (the results), then the current code's results, which span
// the form below the columns. The buttons stay side by side in a row of
// their own.
function flowOrder(root, rows, width) {
  const below = (row) => (row.width >= width && row.top > 0 ? 1 : 0);
  const buttons = document.createElement('div');
  buttons.className = 'button-row';
  const parts = [];
  for (const [element, row] of rows) {
    if (row.kind === 'button') {
      if (!buttons.childElementCount) parts.push([buttons, row]);
      buttons.append(element);
    } else {
      parts.push([element, row]);
    }
  }
  parts.sort(([, a], [, b]) => below(a) - below(b) || a.left - b.left || a.top - b.top);
  root.append(...parts.map(([element]) => element));
}

// The form's size: the client area of the method chosen.
function resize(root, box) {
  root.style.setProperty('--width', box.width);
  root.style.setProperty('--height', box.height);
}

export function buildForm(root, pilaro, state) {
  const box = plain(pilaro.windowBox(state));
  resize(root, box);
  const containers = new Map([[box.name, root]]);
  const controls = new Map();
  const focusables = new Map();
  /** @type {HTMLSelectElement[]} */
  const lists = [];
  /** @type {HTMLInputElement[]} */
  const options = [];
  /** @type {HTMLInputElement[]} */
  const inputs = [];
  /** @type {HTMLInputElement[]} */
  const readOuts = [];
  const buttons = new Map();
  const windowParts = [];

  for (const row of plain(pilaro.controls())) {
    if (skipped(row)) continue;
    const made = make(row);
    if (!made) continue;
    const { element, focusable } = made;
    if (!focusable || focusable === element) element.id = row.name;
    place(element, row);
    // Tab's order is the module's; the read-outs are selected by mouse.
    if (focusable) focusable.tabIndex = row.tabIndex;
    if (row.container === box.name) windowParts.push([element, row]);
    // A part as wide as the window spans both columns: on a narrow screen
    // it is drawn to the screen's width on its own.
    if (row.container === box.name && row.width >= box.width) element.classList.add('wide');
    else containers.get(row.container).append(element);
    if (row.kind === 'frame') containers.set(row.name, element);
    controls.set(row.name, row.kind === 'option' ? element : (focusable ?? element));
    if (focusable) focusables.set(row.name, focusable);
    if (row.kind === 'list') lists.push(/** @type {HTMLSelectElement} */ (element));
    if (row.kind === 'option') options.push(/** @type {HTMLInputElement} */ (focusable));
    if (row.kind === 'field' && !row.readOut)
      inputs.push(/** @type {HTMLInputElement} */ (element));
    if (row.readOut) readOuts.push(/** @type {HTMLInputElement} */ (element));
    if (row.enterRuns) element.dataset.enterRuns = 'true';
    if (row.action) buttons.set(row.action, element);
  }
  flowOrder(root, windowParts, box.width);

  return {
    element: root,
    controls,
    // The elements that take the focus, by control name.
    focusables,
    lists,
    options,
    inputs,
    readOuts,
    // The buttons by what they do: 'run', 'print'.
    buttons,
    // Each list's entries and the entry it shows, as the module gives them.
    showLists: (contents) => {
      for (const each of contents) showList(controls.get(each.list), each);
    },
    resize: (size) => resize(root, size),
    // A control moved within its frame, as the module places it.
    move: (moved) => {
      const element = controls.get(moved.control);
      place(element, {
        left: moved.left,
        top: moved.top,
        width: moved.width,
        height: moved.height,
      });
    },
    // The texts of the input fields, by name.
    fieldTexts: () => Object.fromEntries(inputs.map((input) => [input.id, input.value])),
    // What the fields and the lists show, by name, as a run reads them; a
    // list with no entry chosen shows nothing.
    controlTexts: () =>
      Object.fromEntries([...inputs, ...lists].map((control) => [control.id, control.value])),
  };
}
