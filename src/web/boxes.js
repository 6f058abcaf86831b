// The page's modal boxes: the error box, the notices, the questions and the help, one at a
// time in the order asked for, as the desktop's boxes come one after another; and the box
// with a text area where the browser keeps the clipboard to itself.

const queue = [];
let showing = false;
// The core's words for the buttons.
let words = {};

export function setwords(fixed) {
    words = fixed;
}

let made = false;

// Puts the page's dialogs into it, once: until then they are an inert template.
export function makedialogs() {
    if (made) return;
    made = true;
    document.body.append(document.getElementById('dialogs').content);
}

export function anyopen() {
    return document.querySelector('dialog[open]') !== null;
}

// A text field on a touch screen: its focus scrolls to it and brings up the keyboard.
function keyboardfield(element) {
    return element instanceof HTMLElement && element.matches('input, textarea') &&
        matchMedia('(pointer: coarse)').matches;
}

// Whether the focus goes back to `element` once a dialog or the menu closes: not to a text
// field on a touch screen, nor to a control the player has scrolled away from.
export function takesfocusback(element) {
    if (!(element instanceof HTMLElement) || !element.isConnected || keyboardfield(element)) {
        return false;
    }
    const box = element.getBoundingClientRect();
    return box.bottom > 0 && box.top < window.innerHeight && box.width > 0;
}

// Opens `dialog` modally; the function it returns closes it and hands the focus back to
// where it was, at once, so that the sheet never sees it go elsewhere.
export function openmodal(dialog, focus) {
    const before = document.activeElement;
    // Else the browser hands the focus back to such a field itself.
    if (keyboardfield(before)) before.blur();
    dialog.showModal();
    (focus ?? dialog).focus();
    return () => {
        if (dialog.open) dialog.close();
        if (takesfocusback(before)) before.focus({preventScroll: true});
    };
}

// A box with `text` and its buttons; resolves with the index of the button pressed. Enter
// presses the first button, Escape the last.
export function showbox(kind, text, buttons) {
    buttons ??= [words.ok];
    return new Promise((resolve) => {
        queue.push({kind, text, buttons, resolve});
        if (!showing) next();
    });
}

export function ask(question) {
    return showbox('question', question, [words.yes, words.no]).then((pressed) => pressed === 0);
}

function next() {
    const box = queue.shift();
    showing = box !== undefined;
    if (!showing) return;
    makedialogs();
    const dialog = document.getElementById('box');
    dialog.className = `box ${box.kind}`;
    dialog.setAttribute('role', box.kind === 'question' ? 'alertdialog' : 'dialog');
    document.getElementById('box-text').textContent = box.text.replace(/\r\n/g, '\n');
    const row = document.getElementById('box-buttons');
    row.replaceChildren(...box.buttons.map((caption, index) => {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = caption;
        button.addEventListener('click', () => finish(index));
        return button;
    }));
    let finished = false;
    let close = null;
    const finish = (index) => {
        if (finished) return;
        finished = true;
        close();
        box.resolve(index);
        next();
    };
    // Escape is the last button's; a browser may also close a dialog on its own after
    // Escape (its guard against pages that trap it), which counts the same.
    dialog.oncancel = (event) => {
        event.preventDefault();
        finish(box.buttons.length - 1);
    };
    // The close event of a box closed before comes while the next one is open: not ours.
    dialog.onclose = () => {
        if (!dialog.open) finish(box.buttons.length - 1);
    };
    close = openmodal(dialog, row.firstElementChild);
}

// A text area in a box: `readonly` shows a text to copy by hand, otherwise it takes a text
// pasted by hand. Resolves with the text on OK, null on "Отмена" or Escape.
export function textbox(caption, prompt, text = '', readonly = false) {
    makedialogs();
    const dialog = document.getElementById('textbox');
    const area = document.getElementById('textbox-text');
    const ok = document.getElementById('textbox-ok');
    const cancel = document.getElementById('textbox-cancel');
    document.getElementById('textbox-caption').textContent = caption;
    document.getElementById('textbox-prompt').textContent = prompt;
    ok.textContent = words.ok;
    cancel.textContent = words.cancel;
    cancel.hidden = readonly;
    area.value = text;
    area.readOnly = readonly;
    return new Promise((resolve) => {
        let close = null;
        const finish = (result) => {
            ok.onclick = cancel.onclick = dialog.oncancel = dialog.onclose = null;
            close();
            resolve(result);
        };
        ok.onclick = () => finish(area.value);
        cancel.onclick = () => finish(null);
        dialog.oncancel = (event) => {
            event.preventDefault();
            finish(readonly ? area.value : null);
        };
        dialog.onclose = () => {
            if (!dialog.open) finish(readonly ? area.value : null);
        };
        close = openmodal(dialog, area);
        if (readonly) area.select();
    });
}
