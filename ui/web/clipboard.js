// Puts a text on the clipboard as plain text. Where the browser refuses the Clipboard API (an
// insecure page, a denied permission), the page's own copy command carries it instead.
export async function CopyText(document, text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    CopyByCommand(document, text);
  }
}

function CopyByCommand(document, text) {
  const put = (event) => {
    event.clipboardData.setData('text/plain', text);
    event.preventDefault();
  };
  document.addEventListener('copy', put);
  try {
    document.execCommand('copy');
  } finally {
    document.removeEventListener('copy', put);
  }
}
