// The clipboard as far as the browser lets a page use it, and the link that carries a sheet.

// Puts `text` on the clipboard, with `html` beside it where the browser takes a table too;
// resolves false where the browser refuses both.
export async function copytext(text, html) {
    try {
        if (html && window.ClipboardItem && navigator.clipboard?.write) {
            await navigator.clipboard.write([new ClipboardItem({
                'text/plain': new Blob([text], {type: 'text/plain'}),
                'text/html': new Blob([html], {type: 'text/html'}),
            })]);
            return true;
        }
    } catch {
        // Some browsers take plain text only.
    }
    try {
        await navigator.clipboard.writeText(text);
        return true;
    } catch {
        return false;
    }
}

// The clipboard's text, or null where the browser does not let the page read it.
export async function readtext() {
    try {
        return await navigator.clipboard.readText();
    } catch {
        return null;
    }
}

// This page's address with `fragment` after its "#".
export function linkto(fragment) {
    const address = new URL(window.location.href);
    address.hash = fragment;
    return address.href;
}

// The address's fragment, without its "#".
export function fragment() {
    return window.location.hash.slice(1);
}

// Takes the fragment off the address once its sheet is pasted: a reload then starts afresh,
// and the address bar shows no stale sheet to pass on. No history entry is added.
export function dropfragment() {
    history.replaceState(null, '', window.location.pathname + window.location.search);
}
