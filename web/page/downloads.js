// A file handed to the browser to save, under a name.
export function download(name, blob) {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The browser has the file once the click is handled.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
