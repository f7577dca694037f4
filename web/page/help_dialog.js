// The form's help (帮助): its sections from the module, in a dialog.
const dialog = /** @type {HTMLDialogElement} */ (document.getElementById('help'));
document.getElementById('help-close').addEventListener('click', () => dialog.close());

export function showHelp(sections) {
  document.getElementById('help-text').replaceChildren(
    ...sections.flatMap(({ heading, text }) => {
      const h = document.createElement('h3');
      h.textContent = heading;
      const p = document.createElement('p');
      p.textContent = text;
      return [h, p];
    }),
  );
  if (!dialog.open) dialog.showModal();
  document.getElementById('help-close').focus();
}
