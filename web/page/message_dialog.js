// The message box of a run that did not complete (the message and 确定),
// and the question asked before the form's inputs are replaced (确定 and
// 取消). Once a message is read, the focus goes where the form says.
const dialog = /** @type {HTMLDialogElement} */ (document.getElementById('message'));
const ok = document.getElementById('message-ok');
let focusAfter = null;
ok.addEventListener('click', () => dialog.close());
// After the browser has given the focus back to where it was before.
dialog.addEventListener('close', () => {
  const focus = focusAfter;
  focusAfter = null;
  if (focus) setTimeout(() => focus.focus());
});

// `focus`: the element to focus once the message is closed.
export function showMessage(text, focus = null) {
  document.getElementById('message-text').textContent = text;
  focusAfter = focus;
  if (!dialog.open) dialog.showModal();
  ok.focus();
}

const question = /** @type {HTMLDialogElement} */ (document.getElementById('question'));
document.getElementById('question-ok').addEventListener('click', () => question.close('ok'));
document
  .getElementById('question-cancel')
  .addEventListener('click', () => question.close('cancel'));

// Resolves true when 确定 answers it, false for 取消 or Esc.
export function ask(text) {
  document.getElementById('question-text').textContent = text;
  question.returnValue = '';
  question.showModal();
  document.getElementById('question-ok').focus();
  return new Promise((resolve) => {
    question.addEventListener('close', () => resolve(question.returnValue === 'ok'), {
      once: true,
    });
  });
}
