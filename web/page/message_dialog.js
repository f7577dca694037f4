// The message box of a run that did not complete: the message and 确定.
const dialog = document.getElementById('message');
const ok = document.getElementById('message-ok');
ok.addEventListener('click', () => dialog.close());

export function showMessage(text) {
  document.getElementById('message-text').textContent = text;
  if (!dialog.open) dialog.showModal();
  ok.focus();
}
